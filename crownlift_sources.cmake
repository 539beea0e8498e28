# Sources of the engine and the game (everything above platform/).
set(CROWNLIFT_CORE_SOURCES
  ${CMAKE_SOURCE_DIR}/shell/identity.cpp
  ${CMAKE_SOURCE_DIR}/shell/log.cpp
  ${CMAKE_SOURCE_DIR}/shell/state.cpp
)
