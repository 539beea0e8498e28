// play.h - one game, from the first level to game over.
//
// PlayGame is a nested screen loop called by the front end with GameState 1.
// Each pass is one frame at 60 frames per second: scenery, royals and craft
// are moved, drawn and tested for collisions, the bonus counts down, the
// controls fly the craft, and crashes, respawns, completed levels and the end
// of the game happen in between. It returns once the run's score record has
// been added to LocalScores.
#pragma once

namespace crownlift {

// End codes of a game.
inline constexpr int kPlaying = 0;
inline constexpr int kGameOver = 1;  // no spare life left
inline constexpr int kQuit = 99;     // Quit chosen in the pause menu

extern int GameScore;     // only level bonuses score
extern int Lives;         // spare lives
extern int BadgesEarned;  // no badges are earned in this game; always 0

void PlayGame();

// The pieces PlayGame is made of, so a test can fly the game frame by frame:
// StartGame resets the game and builds the first level; PlayFrame runs one
// frame and returns the end code (kPlaying to go on).
void StartGame();
int PlayFrame();

}  // namespace crownlift
