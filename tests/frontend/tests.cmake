# Tests of the title screen, the score table, the backdrop and the way out,
# on the headless backend; and the whole program under Xvfb, driven with
# xdotool as a player would. test_support comes from tests/shell/tests.cmake.
crownlift_unit_test(frontend_test
  ${CMAKE_CURRENT_LIST_DIR}/front_end_test.cpp)
target_link_libraries(frontend_test PRIVATE test_support)

crownlift_unit_test(frontend_parts_test
  ${CMAKE_CURRENT_LIST_DIR}/backdrop_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/score_table_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shutdown_test.cpp)
target_link_libraries(frontend_parts_test PRIVATE test_support)

# Needs the program with its assets: build the crownlift target first.
add_test(NAME frontend_e2e
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/../e2e/with_xvfb.sh
          ${CMAKE_CURRENT_LIST_DIR}/front_end_e2e.sh ${CROWNLIFT_GAME_DIR}
          ${CMAKE_CURRENT_BINARY_DIR}/frontend_e2e)
set_tests_properties(frontend_e2e PROPERTIES LABELS e2e TIMEOUT 300)
