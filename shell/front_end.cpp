// front_end.cpp - the title screen: panel with tabs, prompt, difficulty, starting games.
//
// Menus here act on held inputs through latches: an input acts once, and its
// latch clears only when every input it guards is released. A start input is
// taken from the previous frame, so a fire button starts the game one frame
// after it is pressed, while Up and Down latch in the frame they are seen and
// therefore only ever change the difficulty.
#include "shell/front_end.h"

#include <string>  // Required for: the prompt text

#include "audio/effects.h"      // Required for: PlayEffect
#include "controls/bindings.h"  // Required for: ControlHeld, Bindings, the slot names
#include "controls/key_names.h" // Required for: KeyName in the start prompt
#include "engine/draw.h"        // Required for: draw-state helpers, MouseInRect
#include "engine/frame_end.h"   // Required for: FrameEnd
#include "game/assets.h"        // Required for: TitleLogo
#include "game/play.h"          // Required for: PlayGame
#include "platform/platform.h"
#include "scores/score_table.h" // Required for: DrawScoreTable, GraphScroll, Selection
#include "scores/scores.h"      // Required for: LocalScores, CleanAccountTexts
#include "settings/overlay.h"   // Required for: OverlayOffset
#include "shell/assets.h"       // Required for: SelectFont, Fonts
#include "shell/backdrop.h"     // Required for: DrawBackdrop, BackdropTarget
#include "shell/shutdown.h"     // Required for: ShutDown
#include "shell/startup.h"      // Required for: AboutLines
#include "shell/state.h"

namespace crownlift {
namespace {

constexpr int kKeyReturn = 13, kKeyEscape = 27;
constexpr int kKey1 = 49, kKey2 = 50, kKey3 = 51;
constexpr int kKeyF1 = 112, kKeyF2 = 113, kKeyF3 = 114;
constexpr int kMenuEffect = 98;
// The overlay counts as closed once it has slid this far up.
constexpr int kOverlayClosedBelow = -250;

constexpr BackdropRgb kHiscoreColour{0.2f, 0.0f, 1.0f};
constexpr BackdropRgb kAboutColour{0.0f, 0.2f, 1.0f};

// Where this frame's pieces go: the panel slides in from the right.
struct Layout {
  int off;     // slide offset, 775 in the first frame, 0 from the 32nd
  int pw, px;  // panel width and left edge
  int cx, cy;  // centre of the free area left of the panel
};

Layout LayoutFor(int slideIn) {
  Layout l;
  l.off = 800 - 25 * slideIn;
  l.pw = Display.ScreenWidth >= 900 ? 335 : 415;
  l.px = Display.VirtualWidth - (l.pw + 5) + l.off;
  l.cx = (Display.VirtualWidth - l.pw) / 2;
  l.cy = Display.VirtualHeight / 2;
  return l;
}

void DrawPanel(const Layout& l) {
  SetDrawColour(0, 0, 0, 0.5f);
  platform::DrawRect(static_cast<float>(l.px), 5, static_cast<float>(l.pw),
                     static_cast<float>(Display.VirtualHeight - 10));
  SetDrawColour(255, 255, 255, 0.3f);
  platform::DrawRect(static_cast<float>(l.px), 5, static_cast<float>(l.pw), 35);
}

struct Tab {
  int id;
  const char* label;
  float labelAt;  // label centre, as a fraction of the panel width
  float clickAt;  // left edge of the click area, as a fraction of the panel width
  int key, functionKey;
};
constexpr Tab kTabs[] = {
    {kHiscoreTab, "1.Hiscore", 0.2f, 0.0f, kKey1, kKeyF1},
    {kAboutTab, "3.About", 0.8f, 0.66f, kKey3, kKeyF3},
};

void DrawTabLabels(const FrontEndState& state, const Layout& l) {
  SelectFont(1, 2);
  for (const Tab& tab : kTabs) {
    const float shade = state.ActiveTab == tab.id ? 255 : 0;
    SetDrawColour(shade, shade, shade, 1);
    DrawTextAligned(static_cast<int>(l.px + tab.labelAt * l.pw), 23, tab.label, 1, 1);
  }
}

void ChooseTab(FrontEndState& state, const Layout& l) {
  for (const Tab& tab : kTabs) {
    const bool keyHeld = platform::KeyDown(tab.key) || platform::KeyDown(tab.functionKey);
    const bool clicked = MouseInRect(static_cast<int>(l.px + tab.clickAt * l.pw), 5,
                                     static_cast<int>(0.3f * l.pw), 50) &&
                         platform::MouseDown(1);
    if ((keyHeld || clicked) && !state.ClickLatch) {
      state.ActiveTab = tab.id;
      PlayEffect(kMenuEffect, 2.0f, 1, 0);
      state.ClickLatch = true;
    }
  }
}

void DrawTabPage(const FrontEndState& state, const Layout& l) {
  SetDrawColour(255, 255, 255, 1);
  DrawScoreTable(LocalScores, l.px, l.pw, GameContext.Difficulty, GameContext.VariantLevel,
                 GameContext.VariantFlags, state.ActiveTab == kHiscoreTab);

  SetDrawColour(255, 255, 255);
  SelectFont(1, 7);
  if (state.ActiveTab == kHiscoreTab) {
    BackdropTarget = kHiscoreColour;
    DrawTextAligned(l.px + l.pw / 2, 50, "Hiscores", 1, 0);
  }

  SetDrawColour(255, 255, 255);
  SelectFont(1, 7);
  if (state.ActiveTab == kAboutTab) {
    DrawTextAligned(l.px + l.pw / 2, 50, "About", 1, 0);
    SelectFont(1, 2);
    BackdropTarget = kAboutColour;
    for (int i = 1; i <= AboutLineCount; ++i) {
      DrawTextAligned(l.px + l.pw / 2, 115 + 20 * (i - 1), AboutLines[i], 1, 0);
    }
  }
}

void DrawSettingsHint() {
  const bool narrow = Display.ScreenWidth < 900;
  ResetDrawState();
  SelectFont(2, narrow ? 4 : 3);
  // At the default width the hint blinks, to draw a new player to the settings.
  const bool yellow = Settings[Width] == 800 && Millisecs() % 800 < 400;
  SetDrawColour(255, 255, yellow ? 0 : 255);
  DrawTextAligned(4, 4, "Hit [Tab] for settings", 0, 0);
  SetDrawColour(180, 255, 180);
  SelectFont(2, narrow ? 3 : 2);
  DrawTextAligned(4, 35, "Redefine Controls", 0, 0);
  DrawTextAligned(4, 55, "Audio Options", 0, 0);
  DrawTextAligned(4, 75, "and Hi-Def gaming!", 0, 0);
}

void DrawStartPrompt(const Layout& l) {
  SetDrawColour(255, 255, 255);
  platform::SetFont(Fonts[7]);
  const int fire = Bindings[Action1];  // player 1's slots come first
  DrawTextAligned(l.cx, l.cy + l.off, "Press Start (" + KeyName(fire) + ") To Begin", 1, 1);
}

void BeginGame(FrontEndState& state, GameRunner playGame) {
  PlayEffect(kMenuEffect, 1.5f, 1, 0);
  GameContext.GameState = 1;
  platform::MovePointer(Display.VirtualWidth, Display.VirtualHeight);
  playGame();
  GameContext.GameState = 0;
  state.EscapeLatch = true;
  state.StartLatch = true;
  state.SlideIn = 0;
  GraphScroll = 0;
  Selection = 0;
}

bool AnyStartInputHeld() {
  for (int player = 1; player <= kMaxPlayers; ++player) {
    for (int slot : {Action1, Action2, Action3, Action4, Up, Down}) {
      if (ControlHeld(slot, player)) return true;
    }
  }
  return platform::KeyDown(kKeyReturn);
}

void ChooseDifficultyByClick(FrontEndState& state, const Layout& l) {
  static const char* const kWords[] = {"Easy", "Medium", "Hard"};
  SelectFont(2, 6);
  for (int k = 0; k < 3; ++k) {
    SetDrawColour(255, 255, 255, GameContext.Difficulty == k ? 1.0f : 0.5f);
    const int x = l.cx - 100, y = l.cy + 200 + 50 * k - l.off;
    DrawTextAligned(x, y, kWords[k], 0, 0);
    if (MouseInRect(x, y, 200, 40) && platform::MouseDown(1) && !state.ClickLatch) {
      GameContext.Difficulty = k;
      PlayEffect(kMenuEffect, 1.0f, 1, 0);
      state.ClickLatch = true;
    }
  }
}

void ChooseDifficultyByKey(FrontEndState& state) {
  if (!state.StartLatch && (ControlHeld(Up, 1) || ControlHeld(Up, 2))) {
    state.StartLatch = true;
    GameContext.Difficulty = (GameContext.Difficulty + 2) % 3;
    PlayEffect(kMenuEffect, 0.95f, 1, 0);
  }
  if (!state.StartLatch && (ControlHeld(Down, 1) || ControlHeld(Down, 2))) {
    state.StartLatch = true;
    GameContext.Difficulty = (GameContext.Difficulty + 1) % 3;
    PlayEffect(kMenuEffect, 1.05f, 1, 0);
  }
}

bool TabInputsReleased() {
  for (int key : {kKey1, kKey2, kKey3, kKeyF1, kKeyF2, kKeyF3}) {
    if (platform::KeyDown(key)) return false;
  }
  return !platform::MouseDown(1);
}

void DrawTitleLogo(const Layout& l) {
  SetDrawColour(255, 255, 255);
  if (!TitleLogo) return;
  // Handle at the centre: its lower edge rests on the prompt's centre line.
  const int h = platform::ImageHeight(TitleLogo);
  platform::DrawImage(TitleLogo, static_cast<float>(l.cx), static_cast<float>(l.cy - h / 2 + l.off),
                      0);
}

}  // namespace

bool FrontEndFrame(FrontEndState& state, GameRunner playGame) {
  ClearFrame();
  ResetDrawState();
  DrawBackdrop();
  CleanAccountTexts();
  if (state.SlideIn < kSlideFrames) ++state.SlideIn;
  const Layout l = LayoutFor(state.SlideIn);

  DrawPanel(l);
  DrawTabLabels(state, l);
  ChooseTab(state, l);
  DrawTabPage(state, l);
  DrawSettingsHint();
  DrawStartPrompt(l);

  if (state.StartHeld && !state.StartLatch && OverlayOffset < kOverlayClosedBelow) {
    BeginGame(state, playGame);
  }
  state.StartHeld = AnyStartInputHeld();
  if (!state.StartHeld) state.StartLatch = false;

  // After a game the screen slides in again; what is drawn below uses the
  // offset the frame started with.
  ChooseDifficultyByClick(state, l);
  ChooseDifficultyByKey(state);
  if (TabInputsReleased()) state.ClickLatch = false;
  DrawTitleLogo(l);

  FrameEnd(1);

  if (!platform::KeyDown(kKeyEscape)) state.EscapeLatch = false;
  return !state.EscapeLatch && platform::KeyDown(kKeyEscape);
}

void RunFrontEnd() {
  FrontEndState state;
  while (!FrontEndFrame(state, PlayGame)) {
  }
  ShutDown();
}

}  // namespace crownlift
