// name_entry.cpp - the name-entry screen after a run, and its editing step.
//
// The screen waits for the key or click that ended the game to be let go
// before it listens, and again before it returns, so one press never both
// ends a game and confirms the name (or confirms it and starts a new game).
#include "scores/name_entry.h"

#include "engine/draw.h"       // Required for: ClearFrame, SetDrawColour, DrawTextAligned
#include "engine/frame_end.h"  // Required for: FrameEnd
#include "platform/platform.h"
#include "scores/scores.h"     // Required for: PlayerName
#include "shell/assets.h"      // Required for: Fonts
#include "shell/backdrop.h"    // Required for: DrawBackdrop
#include "shell/state.h"       // Required for: Display, Millisecs

namespace crownlift {
namespace {

constexpr int kBackspace = 8;
constexpr int kReturn = 13;
constexpr int kEscape = 27;

bool ConfirmInputsHeld() {
  return platform::KeyDown(kEscape) || platform::KeyDown(kReturn) || platform::MouseDown(1);
}

// Polls without drawing; the sleep lets the clock and the event queue move.
void WaitForConfirmRelease() {
  while (ConfirmInputsHeld()) platform::SleepMillis(1);
}

void DrawNameEntry() {
  const int vw = Display.VirtualWidth, vh = Display.VirtualHeight;
  SetDrawColour(0, 255, 0);
  platform::SetFont(Fonts[6]);
  DrawTextAligned(vw / 2, vh / 2 - 100, "Enter Your Name", 1, 1);
  platform::SetFont(Fonts[5]);
  const std::string cursor = Millisecs() % 600 < 300 ? "_" : " ";
  // Centred on the name alone, so the blinking cursor does not move it.
  const int left = vw / 2 - platform::TextWidth(PlayerName) / 2;
  DrawTextAligned(left, vh / 2, PlayerName + cursor, 0, 1);
}

}  // namespace

bool NameCharAllowed(int code) { return code >= 32 && code <= 255 && code != '|'; }

std::string EditLine(const std::string& text) {
  std::string edited = text;
  const int typed = platform::NextTypedChar();
  if (NameCharAllowed(typed)) edited += static_cast<char>(typed);
  if (platform::KeyHits(kBackspace) > 0 && !edited.empty()) edited.pop_back();
  return edited;
}

void EnterName() {
  platform::FlushInput();
  WaitForConfirmRelease();
  bool confirmed = false;
  while (!confirmed) {
    ClearFrame();
    DrawBackdrop();
    PlayerName = EditLine(PlayerName);
    DrawNameEntry();
    confirmed = platform::KeyHits(kReturn) > 0 || platform::MouseDown(1) ||
                platform::KeyDown(kEscape);
    FrameEnd(1);
  }
  platform::SeedRandom(Millisecs());
  WaitForConfirmRelease();
}

}  // namespace crownlift
