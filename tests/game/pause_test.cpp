// pause_test.cpp - Quit and Continue in the pause menu, during play and
// during the level-complete display.
#include <gtest/gtest.h>

#include <algorithm>  // Required for: std::count_if

#include "game/level.h"
#include "game/play.h"
#include "platform/platform.h"
#include "scores/scores.h"
#include "shell/state.h"
#include "tests/game/game_fixture.h"

namespace {
using namespace crownlift;
namespace hl = platform::headless;
using game_testing::GameTest;

constexpr int kEsc = 27, kUpArrow = 38, kSpace = 32;

// Esc from clock time `at` for 30 ms (the menu opens once it is let go),
// then, on the menu's frames, Up to move to "Quit" if quitting, and Space.
void ChooseInPauseMenu(int64_t at, bool quit) {
  hl::AtTime(at, hl::KeyPress(kEsc));
  hl::AtTime(at + 30, hl::KeyRelease(kEsc));
  if (quit) {
    hl::AtTime(at + 100, hl::KeyPress(kUpArrow));
    hl::AtTime(at + 150, hl::KeyRelease(kUpArrow));
  }
  hl::AtTime(at + 200, hl::KeyPress(kSpace));
  hl::AtTime(at + 250, hl::KeyRelease(kSpace));
}

using PauseTest = GameTest;

TEST_F(PauseTest, QuitDuringPlayEndsTheGameWithARecordMarkedQuit) {
  // A second into the first level's start hold: nothing scored yet.
  ChooseInPauseMenu(1000, true);
  ScheduleNameConfirm(2500);  // long enough for a game that ran on to crash out
  hl::SetRecordDraws(false);
  PlayGame();
  EXPECT_LT(Millisecs(), 1000 + 250 + 1500 + 2000);  // ended at once, not by crashing
  EXPECT_EQ(Lives, 3);
  EXPECT_EQ(GameContext.GameState, 0);
  ASSERT_EQ(LocalScores.size(), 1u);
  EXPECT_EQ(LocalScores.front().Score, 0);
  EXPECT_EQ(LocalScores.front().Quit, 1);
}

struct LevelCompleteCase {
  const char* name;
  bool quit;
  int endCode;
  bool allNinetyFrames;
};

class LevelCompletePauseTest : public GameTest,
                               public ::testing::WithParamInterface<LevelCompleteCase> {};

TEST_P(LevelCompletePauseTest, TheChoiceIsHonouredDuringTheDisplay) {
  const LevelCompleteCase& c = GetParam();
  StartGame();
  CraftY = -200;  // out of the top with both royals: this frame completes the level
  RoyalState = {0, 1, 2};
  LevelBonus = 700;
  hl::ClearDraws();
  ChooseInPauseMenu(platform::ClockMillis(), c.quit);
  EXPECT_EQ(PlayFrame(), c.endCode);
  const auto& draws = hl::Draws();
  const auto shown = std::count_if(draws.begin(), draws.end(), [](const hl::DrawRecord& d) {
    return d.text == "Level Complete!";
  });
  EXPECT_EQ(shown == 90, c.allNinetyFrames) << shown;
  EXPECT_GE(shown, 1);
  EXPECT_EQ(GameScore, 700);
  EXPECT_EQ(LevelNumber, 1);
  EXPECT_EQ(GameContext.GameState, 1);  // back from the menu, the game still runs
}

INSTANTIATE_TEST_SUITE_P(
    Choices, LevelCompletePauseTest,
    ::testing::Values(LevelCompleteCase{"QuitEndsTheGameAtOnce", true, kQuit, false},
                      LevelCompleteCase{"ContinueShowsAllNinetyFrames", false, kPlaying, true}),
    [](const ::testing::TestParamInfo<LevelCompleteCase>& p) { return std::string(p.param.name); });

}  // namespace
