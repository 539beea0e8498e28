# Tests of the in-game services: pause menu, screenshots, key names, the
# binding widget and the settings overlay, on the headless backend.
crownlift_unit_test(services_test
  ${CMAKE_CURRENT_LIST_DIR}/key_names_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pause_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/overlay_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/apply_test.cpp)
target_link_libraries(services_test PRIVATE test_support)

# Reads a score file the way the game does, for the end-to-end script.
add_executable(score_dump ${CMAKE_CURRENT_LIST_DIR}/score_dump.cpp)
target_link_libraries(score_dump PRIVATE crownlift_core platform_headless)
target_include_directories(score_dump PRIVATE ${CMAKE_SOURCE_DIR})

# The whole program under Xvfb, driven with xdotool. Needs the crownlift and
# score_dump targets built first.
add_test(NAME services_e2e
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/../e2e/with_xvfb.sh
          ${CMAKE_CURRENT_LIST_DIR}/services_e2e.sh ${CROWNLIFT_GAME_DIR}
          ${CMAKE_CURRENT_BINARY_DIR}/services_e2e $<TARGET_FILE:score_dump>)
set_tests_properties(services_e2e PROPERTIES LABELS e2e TIMEOUT 300)

# The overlay on the real backend with an SDL virtual joystick, and Apply's
# reloads counted in GL textures. Start-up runs from the test program's own
# folder, where the test copies the built game's Files/.
crownlift_real_test(services_real_test ${CMAKE_CURRENT_LIST_DIR}/services_real_test.cpp)
target_link_libraries(services_real_test PRIVATE OpenGL::GL PkgConfig::SDL2)
target_compile_definitions(services_real_test PRIVATE CROWNLIFT_GAME_DIR="${CROWNLIFT_GAME_DIR}")
set_target_properties(services_real_test PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/services_real)
add_dependencies(services_real_test crownlift)
