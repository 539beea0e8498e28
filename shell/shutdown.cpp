// shutdown.cpp - saving, the farewell screen and the end of the process.
#include "shell/shutdown.h"

#include "controls/bindings.h"    // Required for: FirstHeldInput
#include "engine/draw.h"          // Required for: ClearFrame, SetDrawColour, DrawTextAligned
#include "platform/platform.h"
#include "scores/scores.h"        // Required for: SaveScores
#include "settings/setup_file.h"  // Required for: WriteSetupFile
#include "shell/assets.h"         // Required for: SelectFont, SeriesLogo, SiteLogo
#include "shell/backdrop.h"       // Required for: DrawBackdrop
#include "shell/state.h"

namespace crownlift {
namespace {

struct FarewellLine {
  int offset, r, g, b;
  const char* text;
};
constexpr FarewellLine kFarewell[] = {
    {40, 255, 255, 180, "Why not take the next few minutes to hop back to the site"},
    {80, 255, 255, 180, "where you found this game, and leave a comment."},
    {130, 255, 255, 180, "Good or bad, every little helps."},
    {180, 255, 210, 180, "There are so many wonderful homebrew communities"},
    {220, 255, 210, 180, "and developers out there, who bring you hundreds"},
    {260, 255, 210, 180, "of free games, every month."},
    {320, 255, 255, 180, "Give a little back."},
    {380, 180, 255, 255, "Feedback is King"},
};

void DrawFarewell() {
  ClearFrame();
  DrawBackdrop();
  const int vw = Display.VirtualWidth, vh = Display.VirtualHeight;
  platform::DrawImage(SeriesLogo, 256, 256, 0);
  platform::DrawImage(SiteLogo, static_cast<float>(vw - 256), 256, 0);
  SelectFont(1, 6);
  SetDrawColour(180, 255, 255, 1);
  DrawTextAligned(vw / 2, vh / 2, "Thanks for Playing", 1, 1);
  SelectFont(2, 5);
  for (const FarewellLine& line : kFarewell) {
    SetDrawColour(static_cast<float>(line.r), static_cast<float>(line.g), static_cast<float>(line.b), 1);
    DrawTextAligned(40, vh / 2 + line.offset, line.text, 0, 0);
  }
  platform::Present(platform::Sync::Default);
}

bool AnyInputActive() {
  platform::PollEvents();
  const bool altF4 = platform::KeyDown(115) && (platform::KeyDown(164) || platform::KeyDown(165));
  return FirstHeldInput() != 0 || platform::MouseDown(1) || platform::MouseDown(2) || altF4 ||
         platform::CloseRequested();
}

}  // namespace

void ShutDown() {
  platform::ShowPointer();
  WriteSetupFile();
  SaveScores();
  LogLine("Closing Up");
  LogLine("");
  LogLine("Bye!");
  LogLine("");
  LogLine("Play again, soon!!");

  if (platform::DisplayIsOpen()) {
    DrawFarewell();
    // Let go of whatever closed the menu, for up to about two seconds.
    for (int check = 0; check < 120 && AnyInputActive(); ++check) platform::SleepMillis(16);
    // Then wait for a fresh press, keeping the window's events flowing.
    while (!AnyInputActive()) platform::SleepMillis(5);
  }

  platform::CloseDisplay();
  CloseLog();
  platform::EndProcess(0);
}

}  // namespace crownlift
