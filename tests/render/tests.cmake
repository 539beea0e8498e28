# Tests of the drawing half of the platform: overlap, images, text and the
# headless recorder on the headless backend; the OpenGL renderer's pixels
# under Xvfb.
crownlift_unit_test(render_test
  ${CMAKE_CURRENT_LIST_DIR}/collide_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recorder_test.cpp
)
crownlift_real_test(render_gl_test ${CMAKE_CURRENT_LIST_DIR}/gl_pixels_test.cpp)
