# Tests of the score records, the encoder, nuscores.dat and the name entry.
# test_support comes from tests/shell/tests.cmake, included before this file.
crownlift_unit_test(scores_test
  ${CMAKE_CURRENT_LIST_DIR}/scramble_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/score_file_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/name_entry_test.cpp)
target_link_libraries(scores_test PRIVATE test_support)
