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
