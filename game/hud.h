// hud.h - the first level's hints and the score display.
#pragma once

namespace crownlift {

// On the first level only: where the craft is, how to fly it, and what to do.
void DrawHints();

// "Level Bonus", "Score" and "Lives" in the top-left corner.
void DrawScoreDisplay();

}  // namespace crownlift
