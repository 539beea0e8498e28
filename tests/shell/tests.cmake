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
