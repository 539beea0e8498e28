// front_end.h - the title screen the player returns to between games.
//
// One loop, entered at the end of start-up and left only by quitting. Each
// frame draws the backdrop, the tabbed panel (hiscores or About), the settings
// hint, the title logo with the start prompt and the difficulty choice; a fire
// button starts a game, Escape ends the program through ShutDown.
//
// The loop is built from FrontEndFrame so that a test can run it frame by
// frame with its own game in place of PlayGame.
#pragma once

namespace crownlift {

// The loop's own state, fresh each time the loop is entered.
struct FrontEndState {
  int ActiveTab = 0;         // 0 Hiscore, 2 About
  int SlideIn = 0;           // frames since the screen was (re)entered, capped at 32
  bool ClickLatch = false;   // a tab key or click was acted on and not yet released
  bool StartHeld = false;    // a start input was held in the previous frame
  bool StartLatch = false;   // start inputs must be released before they act again
  bool EscapeLatch = false;  // Escape must be released before it can quit
};

inline constexpr int kHiscoreTab = 0;
inline constexpr int kAboutTab = 2;
inline constexpr int kSlideFrames = 32;

// Runs one frame, FrameEnd included. A game started in this frame runs inside
// it through playGame. Returns true when Escape was taken: the caller quits.
using GameRunner = void (*)();
bool FrontEndFrame(FrontEndState& state, GameRunner playGame);

// The front-end loop with PlayGame; never returns (Escape calls ShutDown).
[[noreturn]] void RunFrontEnd();

}  // namespace crownlift
