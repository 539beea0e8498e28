# Sources of platform/headless/.
set(PLATFORM_HEADLESS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/audio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/display.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system.cpp
)
