// state.h - the engine-wide state that every subsystem shares.
//
// Start-up creates these records with their defaults; the Parts of the engine
// that own a value write it, every screen may read it. Records owned by one
// subsystem (bindings, scores, fonts, ...) live in that subsystem's own header;
// this one holds only what is truly shared: the game's identity, the settings
// table, the display record, the game context, the log and the clock.
#pragma once

#include <array>   // Required for: the fixed-size tables
#include <string>  // Required for: log lines

#include "shell/identity.h"

namespace crownlift {

// ---- Settings: 100 integer slots, persisted in Setup.ini ---------------------
enum SettingSlot {
  Fullscreen = 1,    // 1 full screen requested, 0 window
  Widescreen = 2,    // 1 while the opened mode is 16:9 or 16:10
  GfxEngine = 3,     // 0 OpenGL (the only renderer), 1 DX9, 2 DX7 as named in the file
  ModeIndex = 4,     // position from 1 of the current size in the mode list, 0 if absent
  Width = 5,         // requested screen width
  Height = 6,        // requested screen height
  SlowSystem = 7,    // 1 draws and presents every other frame only
  MasterVolume = 11, // percent
  SoundVolume = 12,  // percent, sound effects
  MusicVolume = 13,  // percent, kept and saved; nothing plays music
  AudioDriver = 14,  // index into the platform's audio driver names
};
inline constexpr int kSettingCount = 100;
extern std::array<int, kSettingCount> Settings;

// ---- Display: written only by the display set-up -----------------------------
inline constexpr int kModeTableSize = 2500;  // used from entry 1
struct DisplayRecord {
  int ScreenWidth = 800, ScreenHeight = 600;     // the opened mode
  int VirtualWidth = 1280, VirtualHeight = 960;  // the logical drawing area
  std::array<int, kModeTableSize> ModeWidths{};  // distinct offered sizes, from entry 1
  std::array<int, kModeTableSize> ModeHeights{};
  int ModeCount = 0;
  bool DisplayOpened = false;  // the first display set-up has finished
};
extern DisplayRecord Display;

// ---- Game context -------------------------------------------------------------
inline constexpr int kLevelResultCount = 31;  // used 1..30
struct GameContextRecord {
  int Difficulty = 0;    // 0 Easy, 1 Medium, 2 Hard
  int GameState = 0;     // 0 no game, 1 running, 2 paused
  int VariantLevel = 0;  // always 0 in this game
  int VariantFlags = 0;  // always 0 in this game
  std::array<int, kLevelResultCount> LevelResults{};
  bool MouseControlled = false;
  int PlayerCount = 4;
  int BadgeCount = 16;
};
extern GameContextRecord GameContext;

// ---- The log and the clock ------------------------------------------------------
// Debug.txt: one line per call, one byte per character, CR LF after each.
// A log that could not be opened is skipped silently.
void OpenLog(const std::string& path);
void CloseLog();
void LogLine(const std::string& text);
int Millisecs();  // milliseconds since program start

// The window title composed at start-up: "#270 : Reelpack -  Crownlift".
extern std::string WindowTitle;

}  // namespace crownlift
