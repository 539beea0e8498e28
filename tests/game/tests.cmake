# Tests of the game: level layout, flight, the play loop, level end, and a
# scripted pilot that flies the first three levels.
crownlift_unit_test(game_test
  ${CMAKE_CURRENT_LIST_DIR}/game_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/level_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/flight_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/play_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/level_end_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/assets_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pilot_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pause_test.cpp)
target_link_libraries(game_test PRIVATE test_support)
