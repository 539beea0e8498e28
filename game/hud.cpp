// hud.cpp - the first level's hints and the score display.
#include "game/hud.h"

#include <string>  // Required for: the composed texts

#include "engine/draw.h"    // Required for: DrawTextAligned, SetDrawColour, SetDrawScale
#include "game/level.h"     // Required for: LevelNumber, the craft and royals
#include "game/play.h"      // Required for: GameScore, Lives
#include "shell/assets.h"   // Required for: SelectFont
#include "shell/state.h"    // Required for: Display

namespace crownlift {

void DrawHints() {
  if (LevelNumber != 0) return;
  const int vw = Display.VirtualWidth, vh = Display.VirtualHeight;
  SelectFont(1, 2);
  SetDrawScale(1);
  platform::SetAlpha(0.6f);
  const float hintX = 0.75f * vw, hintY = 0.3f * vh;
  platform::DrawLine(CraftX + 32, CraftY + 32, hintX, hintY);
  const int x = static_cast<int>(hintX);
  DrawTextAligned(x, static_cast<int>(hintY), "You", 1, 1);
  DrawTextAligned(x, static_cast<int>(hintY + 40), "Left+Right", 1, 1);
  DrawTextAligned(x, static_cast<int>(hintY + 60), "Up to Thrust", 1, 1);
  SelectFont(1, 3);
  if (RoyalState[1] == 0 || RoyalState[2] == 0) {
    DrawTextAligned((vw / 2 - 200) / 2 + 200, PoleTop, "Save the Royals", 1, 1);
  } else {
    DrawTextAligned(vw / 2, 20, "Take them Home", 1, 1);
  }
}

void DrawScoreDisplay() {
  SetDrawScale(1);
  SelectFont(1, 2);
  SetDrawColour(180, 255, 180);
  DrawTextAligned(1, 1, "Level Bonus " + std::to_string(LevelBonus), 0, 0);
  DrawTextAligned(1, 21, "Score " + std::to_string(GameScore), 0, 0);
  DrawTextAligned(1, 41, "Lives " + std::to_string(Lives), 0, 0);
  SetDrawColour(255, 255, 255);
}

}  // namespace crownlift
