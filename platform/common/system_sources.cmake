# Sources of platform/common/ that deal with time, files, random numbers and sound.
set(PLATFORM_COMMON_SYSTEM_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/audio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/datetime.cpp
  ${CMAKE_CURRENT_LIST_DIR}/files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/memory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/random.cpp
  ${CMAKE_CURRENT_LIST_DIR}/silent_driver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound_decode.cpp
)
