# Sources of platform/sdl/.
set(PLATFORM_SDL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/system.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/keymap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio_drivers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/openal_driver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/oss_driver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/soft_mixer.cpp
)
# The OpenGL renderer.
list(APPEND PLATFORM_SDL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/render_gl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gl_batch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gl_atlas.cpp
)
