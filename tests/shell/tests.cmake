# Tests of the engine shell and the frame services, on the headless backend.
add_library(test_support STATIC ${CMAKE_CURRENT_LIST_DIR}/../support/program_folder.cpp)
target_include_directories(test_support PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(test_support PUBLIC platform_headless)

crownlift_unit_test(shell_test
  ${CMAKE_CURRENT_LIST_DIR}/startup_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/display_test.cpp)
target_link_libraries(shell_test PRIVATE test_support)

crownlift_unit_test(engine_test
  ${CMAKE_CURRENT_LIST_DIR}/../engine/draw_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../engine/frame_end_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../engine/calibration_test.cpp)
target_link_libraries(engine_test PRIVATE test_support)

# The real program's start-up under Xvfb; needs the crownlift target built.
add_test(NAME startup_e2e
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/../e2e/with_xvfb.sh
          ${CMAKE_CURRENT_LIST_DIR}/startup_e2e.sh ${CROWNLIFT_GAME_DIR}
          ${CMAKE_CURRENT_BINARY_DIR}/startup_e2e)
set_tests_properties(startup_e2e PROPERTIES LABELS e2e TIMEOUT 300)
