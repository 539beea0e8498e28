# Tests of the sound effects and their channel ring, on the headless backend.
crownlift_unit_test(audio_test ${CMAKE_CURRENT_LIST_DIR}/effects_test.cpp)
target_link_libraries(audio_test PRIVATE test_support)
