# Tests of Setup.ini, the field splitter and the audio driver choice.
crownlift_unit_test(settings_setup_file_test ${CMAKE_CURRENT_SOURCE_DIR}/settings/setup_file_test.cpp)
