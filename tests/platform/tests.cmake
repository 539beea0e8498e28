# Tests of the platform layer's shared system and audio code and of the
# headless backend itself.
crownlift_unit_test(platform_system_test ${CMAKE_CURRENT_LIST_DIR}/system_test.cpp)
crownlift_unit_test(platform_sound_decode_test ${CMAKE_CURRENT_LIST_DIR}/sound_decode_test.cpp)
# The OGG fixtures are encoded by the test itself.
target_link_libraries(platform_sound_decode_test PRIVATE PkgConfig::VORBIS)
crownlift_unit_test(platform_audio_test ${CMAKE_CURRENT_LIST_DIR}/audio_test.cpp)
crownlift_unit_test(platform_headless_test ${CMAKE_CURRENT_LIST_DIR}/headless_test.cpp)
