// pause.cpp - the pause menu: a loop of its own over the frozen game picture.
//
// FrameEnd runs it when Esc is held during a game, with GameState 2 so its
// own frames (which go through FrameEnd like every screen) cannot open it
// again. The title swirl behind the choices is drawn from a generator seeded
// with the same value every frame, so the 180 copies keep their places and
// colours while only the shared scale and rotation move; the generator is
// re-seeded from the clock on the way out so the game's randomness goes on.
#include "engine/pause.h"

#include <cmath>  // Required for: std::sin

#include "controls/bindings.h"  // Required for: ControlHeld
#include "engine/draw.h"        // Required for: ClearFrame, draw state, DrawTextAligned
#include "engine/frame_end.h"   // Required for: FrameEnd
#include "platform/platform.h"  // Required for: KeyDown, GrabImage, SeedRandom
#include "shell/assets.h"       // Required for: Fonts
#include "shell/state.h"        // Required for: Display, WindowTitle, Millisecs

namespace crownlift {

namespace {

constexpr int kKeyEscape = 27, kKeySpace = 32, kKeyUp = 38, kKeyDown = 40;
constexpr int kSwirlSeed = 37171650;
constexpr int kContinue = 1, kQuit = 99;
constexpr double kDegrees = 3.14159265358979323846 / 180.0;

void WaitForEscapeRelease() {
  while (platform::KeyDown(kKeyEscape)) platform::SleepMillis(1);
}

bool AnyPlayerHolds(int slot) {
  for (int p = 1; p <= kMaxPlayers; ++p) {
    if (ControlHeld(slot, p)) return true;
  }
  return false;
}

void SetWobbleScale(float phase) {
  SetDrawScale(static_cast<float>(1.5 + 0.5 * std::sin(phase * kDegrees)),
               static_cast<float>(1.5 + 0.5 * std::sin(1.3 * phase * kDegrees)));
}

// Title copies first..last of the swirl, continuing the seeded sequence.
void DrawTitleCopies(int first, int last, float spin) {
  const int vw = Display.VirtualWidth, vh = Display.VirtualHeight;
  for (int i = first; i <= last; ++i) {
    SetDrawRotation(spin + 2.0f * i);
    const int a = platform::RandomInt(1, 5);
    const int b = platform::RandomInt(1, 5);
    const int c = platform::RandomInt(1, 5);
    SetDrawColour(50.0f * a, 50.0f * b, 50.0f * c, 0.4f);
    const int x = platform::RandomInt(0, vw);
    const int y = platform::RandomInt(0, vh);
    DrawTextAligned(x, y, WindowTitle, 1, 1);
  }
}

struct MenuInput {
  bool up, down, fire;
};

MenuInput ReadMenuInput() {
  MenuInput in;
  in.up = AnyPlayerHolds(Up) || platform::KeyDown(kKeyUp);
  in.down = AnyPlayerHolds(Down) || platform::KeyDown(kKeyDown);
  in.fire = AnyPlayerHolds(Action1) || AnyPlayerHolds(Action2) || platform::KeyDown(kKeySpace);
  return in;
}

}  // namespace

int PauseMenu() {
  WaitForEscapeRelease();
  const int vw = Display.VirtualWidth, vh = Display.VirtualHeight;
  platform::Image* frozen = platform::GrabImage(0, 0, Display.ScreenWidth, Display.ScreenHeight);

  float phase = 0, spin = 0;
  int selection = 0;
  int held = 1;  // whatever is held as the menu opens must be let go first
  int result = 0;
  while (result == 0) {
    ClearFrame();
    ResetDrawState();
    SetEngineBlend(1);
    phase += 0.4f;
    SetWobbleScale(phase);
    spin += 0.1f;
    SetDrawRotation(spin);
    platform::SetFont(Fonts[7]);
    platform::DrawImage(frozen, static_cast<float>(vw / 2), static_cast<float>(vh / 2), 0);

    platform::SeedRandom(kSwirlSeed);
    DrawTitleCopies(1, 140, spin);

    SetDrawRotation(0);
    SetDrawScale(1);
    SetDrawColour(0, 0, 0, 0.5f);
    platform::DrawRect(0.1f * vw, 0.375f * vh, static_cast<float>(vw / 6), static_cast<float>(vh / 4));

    const MenuInput in = ReadMenuInput();
    if (in.up && held == 0) {
      --selection;
      held = 1;
    }
    if (in.down && held == 0) {
      ++selection;
      held = 1;
    }
    if (!in.fire && !in.up && !in.down) held = 0;

    int y = static_cast<int>(0.375f * vh);
    platform::SetFont(Fonts[7]);
    if (selection < 0) selection = 1;
    const struct {
      const char* text;
      int choice;
    } items[] = {{"Continue", kContinue}, {"Quit", kQuit}};
    for (int item = 0; item < 2; ++item) {
      y += 60;
      SetDrawColour(255, 255, 255, 1);
      int indent = 0;
      if (selection == item) {
        SetDrawColour(255, 255, 0, 1);
        indent = 20;
        if (in.fire && held == 0) {
          held = 1;
          result = items[item].choice;
        }
      }
      DrawTextAligned(static_cast<int>(0.1f * vw + indent + 10), y, items[item].text, 0, 0);
    }
    if (selection > 1) selection = 0;

    SetWobbleScale(phase);
    DrawTitleCopies(141, 180, spin);

    FrameEnd(1);
    if (platform::KeyDown(kKeyEscape)) result = selection == 1 ? kQuit : kContinue;
  }

  platform::SeedRandom(Millisecs());
  WaitForEscapeRelease();
  platform::UnloadImage(frozen);
  return result;
}

}  // namespace crownlift
