// play.cpp - the play loop: one frame of the game, and the game around it.
//
// The order of the steps matters: hazards are tested against the royals'
// places from the previous frame's second pass, a level completed in a frame
// wins over a crash found earlier in it, and the craft moves by the previous
// frame's speeds before the controls change them.
#include "game/play.h"

#include "audio/effects.h"       // Required for: PlayEffect on a completed level
#include "engine/draw.h"         // Required for: ClearFrame, ResetDrawState
#include "engine/frame_end.h"    // Required for: FrameEnd, AddMessage
#include "game/craft.h"          // Required for: DrawCraft, DrawCrash
#include "game/flight.h"         // Required for: ReadFlightControls, StepFlight
#include "game/hud.h"            // Required for: DrawHints, DrawScoreDisplay
#include "game/level.h"          // Required for: the level state, SetUpLevel
#include "game/level_end.h"      // Required for: ShowLevelComplete, RunGameOver
#include "game/royals.h"         // Required for: MoveRoyals, DrawRoyalsInFront
#include "game/scenery.h"        // Required for: the scenery layers
#include "platform/platform.h"   // Required for: KeyHits
#include "shell/state.h"         // Required for: GameContext

namespace crownlift {

int GameScore = 0;
int Lives = 0;
int BadgesEarned = 0;

namespace {

constexpr int kStartLives = 3;
constexpr int kCrashFrames = 60;
constexpr int kKeyTestComment = 49;  // the "1" key
constexpr float kLeaveTop = -128;

bool BothRoyalsCarried() { return RoyalState[1] > 0 && RoyalState[2] > 0; }

// Returns kQuit when Quit was chosen during the level-complete display.
int CompleteLevelIfDone() {
  if (!(CraftY < kLeaveTop && BothRoyalsCarried())) return kPlaying;
  GameScore += LevelBonus;
  ++LevelNumber;
  PlayEffect(97, 1, 1, 0);
  if (ShowLevelComplete() == kQuit) return kQuit;
  SetUpLevel();
  return kPlaying;
}

// After a crash's explosion: the same level again with one life less, or
// the end of the game when no spare life is left.
int RespawnOrEnd() {
  if (CrashTimer >= kCrashFrames && Lives > 0) {
    SetUpLevel();
    --Lives;
  }
  if (CrashTimer >= kCrashFrames && Lives == 0) return kGameOver;
  return kPlaying;
}

}  // namespace

void StartGame() {
  GameScore = 0;
  BadgesEarned = 0;
  for (int i = 1; i < kLevelResultCount; ++i) GameContext.LevelResults[i] = 0;
  Lives = kStartLives;
  LevelNumber = 0;
  CrashCause = kCauseNone;
  SetUpLevel();
}

int PlayFrame() {
  ClearFrame();
  ResetDrawState();
  DrawDriftingObjects();
  DrawBackRows();
  DrawPoles();
  MoveRoyals();
  DrawFrontRowsAndGround();
  DrawRoyalsInFront();
  if (CompleteLevelIfDone() == kQuit) return kQuit;
  DrawCraft();
  DrawHints();
  platform::SetAlpha(1);
  if (LevelBonus > 0) --LevelBonus;
  DrawScoreDisplay();
  StepFlight(ReadFlightControls());
  DrawCrash();
  int endCode = RespawnOrEnd();
  if (platform::KeyHits(kKeyTestComment) > 0) AddMessage("This is a Test Comment", 1);
  if (FrameEnd(GameContext.MouseControlled ? 1 : 0) == kQuit) endCode = kQuit;
  return endCode;
}

void PlayGame() {
  StartGame();
  int endCode = kPlaying;
  while (endCode == kPlaying) endCode = PlayFrame();
  RunGameOver(endCode);
}

}  // namespace crownlift
