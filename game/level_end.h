// level_end.h - the level-complete display and the end of a game.
#pragma once

namespace crownlift {

// "Level Complete!" with the bonus just earned, for 90 frames. Returns 99
// when Quit was chosen in the pause menu during it (the display then stops
// at once and the game ends, as it does in the play loop), otherwise 0.
int ShowLevelComplete();

// The "Game Over" banner over the last picture of play, the name entry and
// the new score record. endCode 99 (Quit) marks the record as quit.
void RunGameOver(int endCode);

// The banner alone: drawn over the back buffer as it is, without clearing.
void DrawGameOverBanner();

}  // namespace crownlift
