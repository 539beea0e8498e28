# Files a careless user or another program could leave: the large and hostile
# cases that the area tests (settings/, scores/) do not already hold, and the
# regressions the fuzz targets (fuzz/) found. test_support comes from
# tests/shell/tests.cmake.
crownlift_unit_test(hostile_files_test
  ${CMAKE_CURRENT_LIST_DIR}/hundred_thousand_runs_test.cpp)
target_link_libraries(hostile_files_test PRIVATE test_support)
