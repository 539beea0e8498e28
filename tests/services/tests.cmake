# Tests of the in-game services: pause menu, screenshots, key names, the
# binding widget and the settings overlay, on the headless backend.
crownlift_unit_test(services_test
  ${CMAKE_CURRENT_LIST_DIR}/key_names_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pause_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/overlay_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/apply_test.cpp)
target_link_libraries(services_test PRIVATE test_support)
