# Sources of platform/headless/.
set(PLATFORM_HEADLESS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/audio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/display.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system.cpp
)
# The draw recorder is written separately; list it once it is there.
if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/draw.cpp)
  list(APPEND PLATFORM_HEADLESS_SOURCES ${CMAKE_CURRENT_LIST_DIR}/draw.cpp)
endif()
