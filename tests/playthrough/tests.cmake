# A whole play-through of the real program under Xvfb, driven with xdotool as a
# player would: two starts, a game on Hard to game over each time, the name
# entry, the Hiscore tab, the farewell screen. scores_dump reads back the score
# file the program wrote. Needs the crownlift target (program and assets).
add_executable(scores_dump ${CMAKE_CURRENT_LIST_DIR}/scores_dump.cpp)
target_link_libraries(scores_dump PRIVATE crownlift_core platform_headless)
target_include_directories(scores_dump PRIVATE ${CMAKE_SOURCE_DIR})

add_test(NAME playthrough_e2e
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/../e2e/with_xvfb.sh
          ${CMAKE_CURRENT_LIST_DIR}/playthrough_e2e.sh ${CROWNLIFT_GAME_DIR}
          ${CMAKE_CURRENT_BINARY_DIR}/playthrough_e2e $<TARGET_FILE:scores_dump>)
set_tests_properties(playthrough_e2e PROPERTIES LABELS e2e TIMEOUT 300)
