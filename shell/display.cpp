// display.cpp - display set-up and the common assets.
//
// ApplyDisplaySettings runs at start-up and again whenever the settings
// overlay applies new display settings. While it runs, the marker file
// crash.dat exists in the game folder, so a run that dies during a display
// change leaves it behind for an outside observer.
#include <cstdio>  // Required for: the error line on standard error

#include "audio/effects.h"      // Required for: LoadSoundEffects, EffectChannels
#include "engine/draw.h"        // Required for: ClearFrame
#include "engine/frame_end.h"   // Required for: AddMessage
#include "game/assets.h"        // Required for: LoadGameAssets
#include "scores/scores.h"      // Required for: LoadScores
#include "shell/assets.h"
#include "shell/backdrop.h"     // Required for: DrawBackdrop on the first frame
#include "shell/state.h"

namespace crownlift {

std::array<platform::Font*, kFontCount> Fonts{};
std::array<platform::Font*, kFontLadderCount> FontLadder{};
platform::Image* Icons = nullptr;
platform::Image* IconsSharp = nullptr;
platform::Image* SeriesLogo = nullptr;
platform::Image* SiteLogo = nullptr;
platform::Image* BadgeImages = nullptr;
platform::Sound* StartupJingle = nullptr;

namespace {

constexpr unsigned kMaskedFiltered = platform::kImageMasked | platform::kImageFiltered;

// The fixed font table: family (1 A, 2 B, 3 C), base size, factor (1 m1,
// 2 m2, 0 fixed), for entries 1..13.
struct FontEntry {
  int family, base, factor;
};
constexpr FontEntry kFontTable[] = {
    {1, 24, 1}, {1, 16, 2}, {1, 16, 2}, {1, 20, 1}, {2, 96, 1}, {2, 72, 1}, {2, 32, 1},
    {1, 32, 1}, {1, 14, 1}, {3, 112, 0}, {3, 96, 0}, {3, 32, 0}, {3, 20, 0},
};
constexpr int kLadderBases[9] = {8, 12, 18, 24, 32, 40, 52, 64, 96};

std::string FamilyFile(int family, int screenWidth) {
  switch (family) {
    case 2: return "Blue Highway.ttf";
    case 3: return "Acknowledge TT BRK.ttf";
    default: return FamilyAName(screenWidth) + ".ttf";
  }
}

void UnloadFonts() {
  for (auto& font : Fonts) {
    platform::UnloadFont(font);
    font = nullptr;
  }
  for (auto& font : FontLadder) {
    platform::UnloadFont(font);
    font = nullptr;
  }
}

void ReleaseImage(platform::Image*& image) {
  platform::UnloadImage(image);
  image = nullptr;
}

platform::Image* LoadRequiredStrip(const std::string& file, int cell, int count) {
  platform::Image* image = platform::LoadStrip(file, cell, cell, 0, count, kMaskedFiltered);
  if (!image) FailMissingImage(file);
  return image;
}

platform::Image* LoadRequiredImage(const std::string& file) {
  platform::Image* image = platform::LoadImage(file, kMaskedFiltered);
  if (!image) FailMissingImage(file);
  return image;
}

void LoadFonts() {
  const int sw = Display.ScreenWidth;
  const FontFactors f = FontFactorsFor(sw);
  for (int i = 0; i < 13; ++i) {
    const FontEntry& e = kFontTable[i];
    const float factor = e.factor == 1 ? f.m1 : e.factor == 2 ? f.m2 : 1.0f;
    Fonts[i + 1] = platform::LoadFont(FamilyFile(e.family, sw), FontPixelSize(e.base, factor), true);
  }
  for (int family = 1; family <= 3; ++family) {
    for (int step = 0; step <= 8; ++step) {
      FontLadder[(family - 1) * 10 + step] =
          platform::LoadFont(FamilyFile(family, sw), FontPixelSize(kLadderBases[step], f.m1), true);
    }
  }
}

void ShowFirstFrameAndJingle() {
  ClearFrame();
  DrawBackdrop();
  platform::Channel* channel = nullptr;
  if (StartupJingle) {
    channel = platform::AllocChannel();
    if (channel) platform::CueSound(StartupJingle, channel);
  }
  EffectChannels[256] = channel;
  if (channel) {
    const int product = Settings[SoundVolume] * Settings[MasterVolume];
    platform::SetChannelVolume(channel, static_cast<float>(product) / 100 / 100);
    platform::ResumeChannel(channel);
  }
  platform::Present(platform::Sync::Default);
  Display.DisplayOpened = true;
}

void LoadCommonAssets() {
  LogLine("");
  LogLine("Loading : Common Objects");
  LogLine("");
  LogLine("Switching to Default Folder");
  LogLine("");
  platform::ChangeFolder("../");
  platform::ChangeFolder("Common/");

  UnloadCommonAssets();
  LogLine("\tDefault Fonts");
  LoadFonts();
  LogLine("\tDefault Icons");
  Icons = LoadRequiredStrip("icons.png", 16, 64);
  IconsSharp = platform::LoadStrip("icons.png", 16, 16, 0, 64, platform::kImageMasked);
  if (!IconsSharp) FailMissingImage("icons.png");
  LogLine("\tLogos");
  const bool reelpack = std::string(TitlePrefix).find("Reelpack") != std::string::npos;
  SeriesLogo = LoadRequiredImage(reelpack ? "logopack.png" : "logo.png");
  SiteLogo = LoadRequiredImage("Brasslane.png");
  LogLine("\tBadgeGet");
  StartupJingle = platform::LoadSound("open.ogg", false);

  if (!Display.DisplayOpened) ShowFirstFrameAndJingle();

  LogLine("");
  LogLine("Switching to Game Folder");
  platform::ChangeFolder("../");
  platform::ChangeFolder(GameFolderName(WeekNumber));

  BadgeImages = LoadRequiredStrip("badges.png", 64, 16);
  LoadSoundEffects();
  // Reads the file only on the first call: a later display change keeps the
  // runs recorded since start-up.
  LoadScores();
}

}  // namespace

FontFactors FontFactorsFor(int screenWidth) {
  if (screenWidth < 600) return {1.5f, 2.0f};
  if (screenWidth < 900) return {1.2f, 1.4f};
  return {1.0f, 1.0f};
}

std::string FamilyAName(int screenWidth) {
  return screenWidth > 800 ? "November" : "SVBasicManual";
}

int FontPixelSize(int baseSize, float factor) {
  return static_cast<int>(static_cast<float>(baseSize) * factor);
}

void SelectFont(int family, int step) {
  if (family < 1 || family > 3) family = 1;
  if (step < 0 || step > 8) step = 0;
  platform::SetFont(FontLadder[(family - 1) * 10 + step]);
}

void UnloadCommonAssets() {
  UnloadFonts();
  ReleaseImage(Icons);
  ReleaseImage(IconsSharp);
  ReleaseImage(SeriesLogo);
  ReleaseImage(SiteLogo);
  ReleaseImage(BadgeImages);
  // The jingle may still be playing on its channel at a reload; the channel
  // is stopped before its sound goes.
  if (StartupJingle) {
    if (EffectChannels[256]) platform::StopChannel(EffectChannels[256]);
    platform::UnloadSound(StartupJingle);
    StartupJingle = nullptr;
  }
}

void FailMissingImage(const std::string& file) {
  const std::string message = "Missing or unreadable image: " + platform::CurrentFolder() + file;
  LogLine(message);
  std::fprintf(stderr, "crownlift: %s\n", message.c_str());
  platform::CloseDisplay();
  CloseLog();
  platform::EndProcess(1);
}

void FailMissingFolder(const std::string& folder) {
  const std::string message = "Missing folder: " + folder;
  LogLine(message);
  std::fprintf(stderr, "crownlift: %s\n", message.c_str());
  CloseLog();
  platform::EndProcess(1);
}

void BuildDisplayModes() {
  Display.ModeCount = 0;
  for (const platform::DisplayMode& mode : platform::ListDisplayModes()) {
    const int w = mode.width, h = mode.height;
    const bool shaped = w * 10 / 16 == h || w * 9 / 16 == h || w * 3 / 4 == h;
    if (!shaped || w <= 0 || h <= 0) continue;
    bool known = false;
    for (int i = 1; i <= Display.ModeCount && !known; ++i) {
      known = Display.ModeWidths[i] == w && Display.ModeHeights[i] == h;
    }
    if (known || Display.ModeCount + 1 >= kModeTableSize) continue;
    const int index = ++Display.ModeCount;
    Display.ModeWidths[index] = w;
    Display.ModeHeights[index] = h;
    if (w == Settings[Width] && h == Settings[Height]) {
      Settings[ModeIndex] = index;
      Display.ScreenWidth = w;
      Display.ScreenHeight = h;
    }
  }
}

int ChooseDisplayDepth() {
  if (Settings[Fullscreen] != 1) return 0;
  for (int depth : {32, 24, 16}) {
    if (platform::DisplayModeExists(Display.ScreenWidth, Display.ScreenHeight, depth)) return depth;
  }
  AddMessage("Can't set to fullscreen in this resolution.", 1);
  return 0;
}

void ApplyDisplaySettings() {
  BuildDisplayModes();
  Settings[Width] = Display.ScreenWidth;
  Settings[Height] = Display.ScreenHeight;

  LogLine("");
  LogLine("-=-=-=-=-=-=-=-=-=-=-=-=-=-");
  LogLine("Applying Graphical Settings");
  if (Display.DisplayOpened) {
    platform::CloseDisplay();
    LogLine("\tChanged Graphics Mode ingame.");
  }
  Settings[GfxEngine] = 0;
  LogLine("\tUsing OpenGL Driver");

  const int depth = ChooseDisplayDepth();
  LogLine("\tResolution : " + std::to_string(Display.ScreenWidth) + "x" +
          std::to_string(Display.ScreenHeight) + "," + std::to_string(depth));

  platform::CreateEmptyFile("crash.dat");
  if (!platform::OpenDisplay(Display.ScreenWidth, Display.ScreenHeight, depth, 60)) {
    const std::string reason = platform::LastDisplayError();
    LogLine("\tCould not open the display: " + reason);
    std::fprintf(stderr, "crownlift: cannot open the display: %s\n", reason.c_str());
    CloseLog();
    platform::EndProcess(1);
  }

  Settings[Widescreen] = 0;
  Display.VirtualWidth = 1280;
  Display.VirtualHeight = 960;
  if (Display.ScreenWidth * 9 / 16 == Display.ScreenHeight) {
    Settings[Widescreen] = 1;
    Display.VirtualWidth = 1600;
    Display.VirtualHeight = 900;
    LogLine("\tWidescreen mode!");
  }
  if (Display.ScreenWidth * 10 / 16 == Display.ScreenHeight) {
    Settings[Widescreen] = 1;
    Display.VirtualWidth = 1440;
    Display.VirtualHeight = 900;
    LogLine("\tWidescreen mode B (10:16)!");
  }
  platform::SetLogicalSize(Display.VirtualWidth, Display.VirtualHeight);

  LoadCommonAssets();
  LoadGameAssets();

  LogLine("-=-=-=-=-=-=-=-=-=-=-=-=-=-");
  platform::DeletePath("crash.dat");
}

}  // namespace crownlift
