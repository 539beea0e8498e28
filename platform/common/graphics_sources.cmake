# Sources of platform/common/ that deal with images, fonts, masks and drawing state.
set(PLATFORM_COMMON_GRAPHICS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/draw_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_data.cpp
  ${CMAKE_CURRENT_LIST_DIR}/collide.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_raster.cpp
  ${CMAKE_CURRENT_LIST_DIR}/builtin_font.cpp
)
