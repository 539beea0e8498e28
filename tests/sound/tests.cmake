# What the player hears: the built program under Xvfb with OpenAL Soft
# writing its mix to a WAV file, checked with sox against the game's own
# sound files. Needs the crownlift target built first; about 45 seconds.
add_test(NAME sound_e2e
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/../e2e/with_xvfb.sh
          ${CMAKE_CURRENT_LIST_DIR}/sound_e2e.sh ${CROWNLIFT_GAME_DIR}
          ${CMAKE_CURRENT_BINARY_DIR}/sound_e2e)
set_tests_properties(sound_e2e PROPERTIES LABELS e2e TIMEOUT 300)
