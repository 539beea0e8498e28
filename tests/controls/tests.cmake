# Tests of the control bindings (keys and simulated joysticks).
crownlift_unit_test(controls_bindings_test ${CMAKE_CURRENT_SOURCE_DIR}/controls/bindings_test.cpp)
