// level_end.cpp - the level-complete display and the end of a game.
#include "game/level_end.h"

#include <string>  // Required for: the bonus text

#include "audio/effects.h"       // Required for: PlayEffect when the game ends
#include "engine/draw.h"         // Required for: ClearFrame, ResetDrawState, DrawTextAligned
#include "engine/frame_end.h"    // Required for: FrameEnd
#include "game/level.h"          // Required for: LevelBonus
#include "game/play.h"           // Required for: GameScore, BadgesEarned, kQuit
#include "platform/platform.h"   // Required for: Present, SleepMillis, SetFont
#include "scores/name_entry.h"   // Required for: EnterName
#include "scores/scores.h"       // Required for: RecordRun
#include "shell/assets.h"        // Required for: Fonts, SelectFont
#include "shell/state.h"         // Required for: Display, GameContext

namespace crownlift {

namespace {

constexpr int kLevelCompleteFrames = 90;
constexpr int kGameOverPauseMs = 1500;

void DrawBannerCopy(int x, int y, int r, int g, int b) {
  ResetDrawState();
  platform::SetFont(Fonts[5]);
  SetDrawColour(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b), 1);
  DrawTextAligned(x, y, "Game Over", 1, 1);
}

}  // namespace

int ShowLevelComplete() {
  const int cx = Display.VirtualWidth / 2, cy = Display.VirtualHeight / 2;
  for (int frame = 0; frame < kLevelCompleteFrames; ++frame) {
    ClearFrame();
    ResetDrawState();
    SelectFont(1, 6);
    SetDrawColour(255, 255, 0, 1);
    DrawTextAligned(cx, cy - 100, "Level Complete!", 1, 1);
    SetDrawColour(255, 100, 0, 1);
    DrawTextAligned(cx, cy + 100, "Bonus : " + std::to_string(LevelBonus), 1, 1);
    if (FrameEnd(GameContext.MouseControlled ? 1 : 0) == kQuit) return kQuit;
  }
  return 0;
}

void DrawGameOverBanner() {
  const int cx = Display.VirtualWidth / 2, cy = Display.VirtualHeight / 2;
  // A white rim, a dark outline inside it, then the yellow lettering.
  for (int dx = -3; dx <= 3; ++dx) {
    for (int dy = -3; dy <= 3; ++dy) DrawBannerCopy(cx + dx, cy + dy, 255, 255, 255);
  }
  for (int dx = -2; dx <= 2; ++dx) {
    for (int dy = -2; dy <= 2; ++dy) DrawBannerCopy(cx + dx, cy + dy, 8, 8, 8);
  }
  DrawBannerCopy(cx, cy, 255, 255, 0);
}

void RunGameOver(int endCode) {
  PlayEffect(96, 1, 1, 0);
  platform::Present(platform::Sync::Default);
  DrawGameOverBanner();
  platform::Present(platform::Sync::Default);
  platform::SleepMillis(kGameOverPauseMs);
  GameContext.GameState = 0;
  EnterName();
  RecordRun(GameScore, BadgesEarned, GameContext.LevelResults, GameContext.VariantLevel,
            GameContext.Difficulty, GameContext.VariantFlags, endCode == kQuit);
}

}  // namespace crownlift
