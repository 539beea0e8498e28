// startup.cpp - the start-up sequence, run once on the only thread.
#include "shell/startup.h"

#include "audio/effects.h"        // Required for: EffectChannels, SoundEffects, EffectCursor
#include "controls/bindings.h"    // Required for: DetectJoysticks, ResetBindings
#include "engine/draw.h"          // Required for: DrawCounts, DrawBudgets
#include "engine/frame_end.h"     // Required for: LastFrameTime, MessageLog
#include "platform/platform.h"
#include "scores/scores.h"        // Required for: CreateScoreLists, BuildTitleKey
#include "settings/setup_file.h"  // Required for: ReadSetupFile, ChooseAudioDriver
#include "shell/assets.h"         // Required for: ApplyDisplaySettings, Fonts
#include "shell/backdrop.h"       // Required for: BackdropColour, BackdropTarget
#include "shell/state.h"

namespace crownlift {

const char* AboutLines[kAboutLineTableSize] = {
    nullptr,
    "A Game by Quillmoor",
    "quill.example.org | brass.example.org",  // short enough for the About panel
    "",
    "-=-=--=-=-=-=-=-=-=-=-",
    "Instructions",
    "",
    "This is a test engine.",
    "As such, it has no rules.",
    "but it's nice to know",
    "that this will shortly be",
    "another new game.",
    "-=-=--=-=-=-=-=-=-=-=-",
    "",
    "Credits",
    "",
    "Game",
    "A Reelpack Remix",
    "",
    "Made with Kettlecode",
    "using Quillmoor's Framework",
    "",
    "Graphics",
    "Font : SVBasicManual by Pellamar",
    "Font : November by Grubwhistle",
    "Font : Blue Highway by Torvane Type",
    "Font : Acknowledge TT by Oskerby",
    "All other graphics by Quillmoor",
    "",
    "Music/SFX by Quillmoor",
    "",
    "Additional Sound Effects",
    "created using",
    "Bleepforge",
    "https://bleepforge.example.org",
};
int AboutLineCount = 34;

namespace {

void LogBanner() {
  const std::string dashes(28, '-');
  LogLine("Quillmoor's Pacewright Engine");
  LogLine(dashes);
  LogLine("Week #" + std::to_string(WeekNumber));
  LogLine(dashes);
  LogLine(WindowTitle);
  LogLine(dashes);
  LogLine("");
  LogLine("Loading");
}

void PutSettingDefaults() {
  Settings.fill(0);
  Settings[Width] = 800;
  Settings[Height] = 600;
  Settings[Fullscreen] = 0;
  Settings[SlowSystem] = 0;
  Settings[MasterVolume] = 50;
  Settings[SoundVolume] = 50;
  Settings[MusicVolume] = 50;
}

}  // namespace

void RunStartup() {
  platform::ChangeFolder(platform::ProgramFolder());

  WindowTitle = ComposeWindowTitle();
  platform::SetWindowTitle(WindowTitle);

  BackdropColour = BackdropRgb{0.2f, 0.0f, 1.0f};
  BackdropTarget = BackdropRgb{0.2f, 0.0f, 1.0f};

  platform::HidePointer();
  LastFrameTime = Millisecs();

  DrawCounts.fill(0);
  DrawBudgets.fill(0);
  DrawBudgets[1] = 50000;
  DrawBudgets[2] = 50000;
  Settings.fill(0);
  Display = DisplayRecord{};
  Fonts.fill(nullptr);
  FontLadder.fill(nullptr);

  DetectJoysticks();
  CreateScoreLists();
  MessageLog.clear();
  ResetBindings();
  PutSettingDefaults();

  EffectChannels.fill(nullptr);
  SoundEffects.fill(nullptr);
  EffectCursor = kRingFirst;

  // Before any folder change, so nothing can read or write the score file first.
  BuildTitleKey();

  // Without its folders the program has nothing to show: say which is missing.
  if (!platform::ChangeFolder("Files/")) FailMissingFolder(platform::ProgramFolder() + "Files/");
  OpenLog("Debug.txt");
  LogBanner();

  ReadSetupFile();
  ChooseAudioDriver();

  LogLine("");
  LogLine("\tRequested Resolution : " + std::to_string(Settings[Width]) + "x" +
          std::to_string(Settings[Height]));
  LogLine("\tSetup Loaded");
  LogLine("");
  LogLine("Grabbing Previous Scores");
  LogLine("");

  if (!platform::ChangeFolder(GameFolderName(WeekNumber))) {
    FailMissingFolder(platform::CurrentFolder() + GameFolderName(WeekNumber));
  }
  const int deadline = Millisecs() + 2500;
  ApplyDisplaySettings();

  GameContext = GameContextRecord{};
  GameContext.MouseControlled = false;
  GameContext.PlayerCount = 4;
  GameContext.BadgeCount = 16;
  GameContext.GameState = 0;

  LogLine("Finished Loading");

  // The last presented frame stays on screen until the deadline.
  while (Millisecs() < deadline) platform::SleepMillis(1);
}

}  // namespace crownlift
