// assets.h - the engine's common assets: fonts, the font ladder, icons,
// logos, badges and the start-up jingle, and the display set-up that loads them.
#pragma once

#include <array>   // Required for: the font tables
#include <string>  // Required for: font family names

#include "platform/platform.h"

namespace crownlift {

inline constexpr int kFontCount = 20;        // entries 1..13 in use
inline constexpr int kFontLadderCount = 100; // (family - 1) * 10 + step
extern std::array<platform::Font*, kFontCount> Fonts;
extern std::array<platform::Font*, kFontLadderCount> FontLadder;
extern platform::Image* Icons;       // 64 frames of 16 x 16, filtered
extern platform::Image* IconsSharp;  // the same cells, not filtered
extern platform::Image* SeriesLogo;
extern platform::Image* SiteLogo;
extern platform::Image* BadgeImages;
extern platform::Sound* StartupJingle;

// Makes FontLadder entry (family - 1) * 10 + step current; a family outside
// 1..3 counts as 1 and a step outside 0..8 as 0. Unloaded entries give the
// platform's built-in font.
void SelectFont(int family, int step);

// Font scale factors and family A's name for a screen width.
struct FontFactors {
  float m1 = 1, m2 = 1;
};
FontFactors FontFactorsFor(int screenWidth);
std::string FamilyAName(int screenWidth);
int FontPixelSize(int baseSize, float factor);  // truncated toward zero

// Turns the requested size and window mode in Settings into an open display
// and a logical drawing area, then (re)loads every asset that depends on it.
// Called with the game folder current; returns with it current.
void ApplyDisplaySettings();

// The distinct 4:3, 16:9 and 16:10 sizes of the offered modes into Display,
// setting ModeIndex and the screen size when the requested size is among them.
void BuildDisplayModes();

// The colour depth to open: 0 (a window) unless full screen is requested and
// the screen size exists at 32, 24 or 16 bits; when it does not, a message
// says so and a window opens.
int ChooseDisplayDepth();

// Unloads every common asset (fonts, images, sounds); part of a reload.
void UnloadCommonAssets();

// A required image that failed to load: a clear message naming the file,
// in the log and on standard error, then an orderly exit.
[[noreturn]] void FailMissingImage(const std::string& file);
// The same for one of the program's folders (Files/ or the game folder).
[[noreturn]] void FailMissingFolder(const std::string& folder);

}  // namespace crownlift
