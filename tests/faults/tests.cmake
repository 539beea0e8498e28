# The whole program under Xvfb with things going wrong: killed with SIGKILL
# while playing and while writing its files, and started from a damaged or
# read-only folder. Each works on a copy of the built program folder; the
# crownlift and score_dump targets must be built first.
add_test(NAME faults_kill_e2e
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/../e2e/with_xvfb.sh
          ${CMAKE_CURRENT_LIST_DIR}/kill_e2e.sh ${CROWNLIFT_GAME_DIR}
          ${CMAKE_CURRENT_BINARY_DIR}/faults_kill $<TARGET_FILE:score_dump>)
set_tests_properties(faults_kill_e2e PROPERTIES LABELS e2e TIMEOUT 300)

add_test(NAME faults_files_e2e
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/../e2e/with_xvfb.sh
          ${CMAKE_CURRENT_LIST_DIR}/files_e2e.sh ${CROWNLIFT_GAME_DIR}
          ${CMAKE_CURRENT_BINARY_DIR}/faults_files)
set_tests_properties(faults_files_e2e PROPERTIES LABELS e2e TIMEOUT 300)
