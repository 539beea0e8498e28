# Tests of the SDL backend.
#
# sdl_backend_test needs no window: key map, input state from SDL events,
# virtual joysticks, the software mixer and OpenAL on OpenAL Soft's "null"
# output (chosen through ALSOFT_DRIVERS, so no sound card is needed).
add_executable(sdl_backend_test
  ${CMAKE_CURRENT_LIST_DIR}/input_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/joystick_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio_test.cpp)
target_link_libraries(sdl_backend_test PRIVATE platform_sdl GTest::gtest GTest::gtest_main)
target_include_directories(sdl_backend_test PRIVATE ${CMAKE_SOURCE_DIR})
gtest_discover_tests(sdl_backend_test DISCOVERY_TIMEOUT 60
                     PROPERTIES ENVIRONMENT "ALSOFT_DRIVERS=null")

# The display, pointer and keyboard of a real window under a private Xvfb.
crownlift_real_test(sdl_display_test ${CMAKE_CURRENT_LIST_DIR}/display_test.cpp)
