# Sources of the engine and the game (everything above platform/).
set(CROWNLIFT_CORE_SOURCES
  ${CMAKE_SOURCE_DIR}/shell/identity.cpp
  ${CMAKE_SOURCE_DIR}/shell/log.cpp
  ${CMAKE_SOURCE_DIR}/shell/state.cpp
  ${CMAKE_SOURCE_DIR}/shell/display.cpp
  ${CMAKE_SOURCE_DIR}/shell/backdrop.cpp
  ${CMAKE_SOURCE_DIR}/shell/shutdown.cpp
  ${CMAKE_SOURCE_DIR}/shell/startup.cpp
  ${CMAKE_SOURCE_DIR}/engine/draw.cpp
  ${CMAKE_SOURCE_DIR}/engine/frame_end.cpp
  ${CMAKE_SOURCE_DIR}/engine/calibration.cpp
  ${CMAKE_SOURCE_DIR}/audio/effects.cpp
  ${CMAKE_SOURCE_DIR}/game/assets.cpp
  ${CMAKE_SOURCE_DIR}/controls/bindings.cpp
  ${CMAKE_SOURCE_DIR}/settings/setup_file.cpp
)
list(APPEND CROWNLIFT_CORE_SOURCES
  ${CMAKE_SOURCE_DIR}/scores/scramble.cpp
  ${CMAKE_SOURCE_DIR}/scores/scores.cpp
  ${CMAKE_SOURCE_DIR}/scores/name_entry.cpp
)
# The game: level layout, play loop, level end and game over.
list(APPEND CROWNLIFT_CORE_SOURCES
  ${CMAKE_SOURCE_DIR}/game/level.cpp
  ${CMAKE_SOURCE_DIR}/game/flight.cpp
  ${CMAKE_SOURCE_DIR}/game/scenery.cpp
  ${CMAKE_SOURCE_DIR}/game/royals.cpp
  ${CMAKE_SOURCE_DIR}/game/craft.cpp
  ${CMAKE_SOURCE_DIR}/game/hud.cpp
  ${CMAKE_SOURCE_DIR}/game/play.cpp
  ${CMAKE_SOURCE_DIR}/game/level_end.cpp
)
# The front end and its score table.
list(APPEND CROWNLIFT_CORE_SOURCES
  ${CMAKE_SOURCE_DIR}/shell/front_end.cpp
  ${CMAKE_SOURCE_DIR}/scores/score_table.cpp
)
# In-game services: pause menu, screenshots, key names, binding widgets and
# the settings overlay.
list(APPEND CROWNLIFT_CORE_SOURCES
  ${CMAKE_SOURCE_DIR}/engine/pause.cpp
  ${CMAKE_SOURCE_DIR}/engine/screenshot.cpp
  ${CMAKE_SOURCE_DIR}/controls/key_names.cpp
  ${CMAKE_SOURCE_DIR}/controls/binding_widget.cpp
  ${CMAKE_SOURCE_DIR}/settings/overlay.cpp
  ${CMAKE_SOURCE_DIR}/settings/overlay_rows.cpp
)
