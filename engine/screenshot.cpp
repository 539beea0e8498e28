// screenshot.cpp - F11: the frame in progress saved as a PNG in Files/.
//
// The picture is taken before FrameEnd adds its overlays, pointer and message
// log, so it shows the screen's own drawing. A notice is presented while the
// file is written. A file that cannot be written is only logged: the message
// appears all the same and the game goes on.
#include "engine/pause.h"

#include "engine/draw.h"        // Required for: ResetDrawState, DrawTextAligned
#include "engine/frame_end.h"   // Required for: AddMessage
#include "platform/platform.h"  // Required for: GrabBackBuffer, SavePng, DateText, TimeText
#include "shell/assets.h"       // Required for: Fonts
#include "shell/state.h"        // Required for: Display, LogLine, identity

namespace crownlift {

namespace {

constexpr int kPngCompression = 9;

std::string ScreenshotFileName() {
  const std::string stem = std::string(TitlePrefix) + " " + GameTitle + " (Screenshot_" +
                           platform::DateText() + "_" + platform::TimeText() + ")";
  return SanitiseFileName(stem) + ".png";
}

void ShowSavingNotice() {
  const int cx = Display.VirtualWidth / 2, cy = Display.VirtualHeight / 2;
  ResetDrawState();
  platform::SetFont(Fonts[5]);
  DrawTextAligned(cx, cy - 30, "Saving Screenshot", 1, 1);
  platform::SetFont(Fonts[6]);
  DrawTextAligned(cx, cy + 30, "Sometimes, this takes a while!", 1, 1);
  platform::Present(platform::Sync::Default);
}

}  // namespace

std::string SanitiseFileName(const std::string& text) {
  static constexpr char kRemoved[] = {'#', '\'', ',', '`', '.', '\\', '/', ':', '|', '*', '?', '"'};
  std::string result = text;
  for (char removed : kRemoved) std::erase(result, removed);
  return result;
}

void SaveScreenshot() {
  LogLine("");
  LogLine("\tScreenshot");
  platform::ChangeFolder("..");

  LogLine("\tGrabbing Screenshot");
  const platform::Pixmap picture =
      platform::GrabBackBuffer(0, 0, Display.ScreenWidth, Display.ScreenHeight);
  ShowSavingNotice();

  const std::string name = ScreenshotFileName();
  LogLine("\tSaving Screenshot : " + name);
  const bool saved = platform::SavePng(picture, name, kPngCompression);
  LogLine(std::string("\tSaved Screenshot ") + (saved ? "1" : "0"));
  LogLine("");

  platform::ChangeFolder(GameFolderName(WeekNumber));
  AddMessage("Saved Screenshot", 1);
}

}  // namespace crownlift
