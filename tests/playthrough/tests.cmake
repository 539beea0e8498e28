# A whole play-through of the real program under Xvfb, driven with xdotool as a
# player would: two starts, games on Hard to the name entry, the Hiscore tab,
# the farewell screen. score_dump (from tests/services/tests.cmake) reads back
# the score file the program wrote. Needs the crownlift target built first.
add_test(NAME playthrough_e2e
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/../e2e/with_xvfb.sh
          ${CMAKE_CURRENT_LIST_DIR}/playthrough_e2e.sh ${CROWNLIFT_GAME_DIR}
          ${CMAKE_CURRENT_BINARY_DIR}/playthrough_e2e $<TARGET_FILE:score_dump>)
set_tests_properties(playthrough_e2e PROPERTIES LABELS e2e TIMEOUT 300)
