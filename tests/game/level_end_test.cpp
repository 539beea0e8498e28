// level_end_test.cpp - the level-complete display, the game-over banner and
// the score record a finished game leaves.
#include <gtest/gtest.h>

#include <algorithm>  // Required for: std::count_if

#include "engine/frame_end.h"
#include "game/level.h"
#include "game/level_end.h"
#include "game/play.h"
#include "platform/platform.h"
#include "scores/scores.h"
#include "shell/assets.h"
#include "shell/state.h"
#include "tests/game/game_fixture.h"

namespace {
using namespace crownlift;
namespace hl = platform::headless;
using Kind = hl::DrawRecord::Kind;
using game_testing::GameTest;

constexpr char kFontFile[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

class LevelEndTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    font = platform::LoadFont(kFontFile, 40, true);
    ASSERT_NE(font, nullptr) << "the tests measure text in " << kFontFile;
  }
  void TearDown() override {
    Fonts.fill(nullptr);
    FontLadder.fill(nullptr);
    platform::UnloadFont(font);
    GameTest::TearDown();
  }
  // Where DrawTextAligned puts text centred on both axes at (x, y) in font.
  void ExpectCentred(const hl::DrawRecord& d, int x, int y) {
    platform::SetFont(font);
    EXPECT_EQ(d.x, x - platform::TextWidth(d.text) / 2) << d.text;
    EXPECT_EQ(d.y, y - platform::TextHeight() / 2) << d.text;
    EXPECT_EQ(d.font, font) << d.text;
  }
  platform::Font* font = nullptr;
};

TEST_F(LevelEndTest, LevelCompleteShowsTheBonusForNinetyFrames) {
  FontLadder[6] = font;  // SelectFont(1, 6)
  for (int bonus : {1234, 0}) {
    LevelBonus = bonus;
    hl::ClearDraws();
    const int64_t before = hl::PresentCount();
    EXPECT_EQ(ShowLevelComplete(), 0);
    EXPECT_EQ(hl::PresentCount() - before, 90);
    const auto& draws = hl::Draws();
    EXPECT_EQ(std::count_if(draws.begin(), draws.end(),
                            [](const hl::DrawRecord& d) { return d.kind == Kind::Clear; }),
              90);
    std::vector<hl::DrawRecord> texts;
    for (const auto& d : LastFrame()) {
      if (d.kind == Kind::Text) texts.push_back(d);
      EXPECT_NE(d.kind, Kind::Image);  // the scenery is not drawn
    }
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "Level Complete!");
    ExpectCentred(texts[0], 640, 380);
    EXPECT_EQ(std::tie(texts[0].r, texts[0].g, texts[0].b), std::make_tuple(255, 255, 0));
    EXPECT_EQ(texts[1].text, "Bonus : " + std::to_string(bonus));
    ExpectCentred(texts[1], 640, 580);
    EXPECT_EQ(std::tie(texts[1].r, texts[1].g, texts[1].b), std::make_tuple(255, 100, 0));
    EXPECT_EQ(texts[1].alpha, 1);
  }
}

TEST_F(LevelEndTest, TheGameOverBannerIsDrawnOverTheLastPictureThenTheNameIsAsked) {
  Fonts[5] = font;
  platform::DrawRect(0, 0, 10, 10);  // the last picture of play, still in the back buffer
  hl::ClearDraws();
  ScheduleNameConfirm();
  const int start = Millisecs();
  RunGameOver(kGameOver);
  const auto& draws = hl::Draws();
  ASSERT_GE(draws.size(), 77u);
  EXPECT_EQ(draws[0].kind, Kind::Present);  // shown as it is, without clearing
  for (int i = 1; i <= 75; ++i) {
    const hl::DrawRecord& d = draws[i];
    ASSERT_EQ(d.kind, Kind::Text) << i;
    EXPECT_EQ(d.text, "Game Over");
    EXPECT_EQ(d.scaleX, 1);
    EXPECT_EQ(d.alpha, 1);
    int dx = 0, dy = 0, rgb = 255255000;
    if (i <= 49) {
      dx = (i - 1) / 7 - 3, dy = (i - 1) % 7 - 3, rgb = 255255255;
    } else if (i <= 74) {
      dx = (i - 50) / 5 - 2, dy = (i - 50) % 5 - 2, rgb = 8008008;
    }
    ExpectCentred(d, 640 + dx, 480 + dy);
    EXPECT_EQ(d.r * 1000000 + d.g * 1000 + d.b, rgb) << i;
  }
  EXPECT_EQ(draws[76].kind, Kind::Present);
  // The name entry's frames come after a 1.5 s pause.
  const auto frames = std::count_if(draws.begin() + 77, draws.end(), [](const hl::DrawRecord& d) {
    return d.kind == Kind::Present;
  });
  EXPECT_GE(Millisecs() - start, 1500 + 15 * (frames - 1));
  EXPECT_EQ(GameContext.GameState, 0);
  const auto sounds = CuedSounds();
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "096.wav"), 1);
}

struct RecordCase {
  int endCode;
  int quit;
};

class RecordTest : public GameTest, public ::testing::WithParamInterface<RecordCase> {};

TEST_P(RecordTest, TheRunIsRecordedWithEveryField) {
  StartGame();
  GameScore = 4321;
  GameContext.Difficulty = 2;
  GameContext.VariantLevel = 3;  // 0 in this game; distinct here to see each reach its field
  GameContext.VariantFlags = 5;
  for (int i = 1; i <= 30; ++i) GameContext.LevelResults[i] = 100 + i;
  PlayerName = "Ada";
  hl::SetDateTime("05 Mar 2010", "14:03:22");
  hl::SetRecordDraws(false);
  ScheduleNameConfirm();
  RunGameOver(GetParam().endCode);
  ASSERT_EQ(LocalScores.size(), 1u);
  const Scores& r = LocalScores.front();
  EXPECT_EQ(r.Score, 4321);
  EXPECT_EQ(r.Timestamp, StampNow());
  EXPECT_EQ(r.Badges, 0);
  EXPECT_EQ(r.Name, "Ada");
  for (int i = 1; i <= 30; ++i) EXPECT_EQ(r.Best[i], 100 + i) << i;
  EXPECT_EQ(r.Level, 3);
  EXPECT_EQ(r.GameMode, 2);
  EXPECT_EQ(r.GameFlags, 5);
  EXPECT_EQ(r.Quit, GetParam().quit);
}

INSTANTIATE_TEST_SUITE_P(EndCodes, RecordTest,
                         ::testing::Values(RecordCase{kGameOver, 0}, RecordCase{kQuit, 1}),
                         [](const ::testing::TestParamInfo<RecordCase>& p) {
                           return std::string(p.param.quit ? "QuitFromThePauseMenu" : "GameOver");
                         });

TEST_F(LevelEndTest, AGameStartsWithClearedLevelResultsAndNoScore) {
  for (int i = 1; i <= 30; ++i) GameContext.LevelResults[i] = 7;
  GameScore = 99;
  Lives = 0;
  LevelNumber = 5;
  StartGame();
  hl::SetRecordDraws(false);
  ScheduleNameConfirm();
  RunGameOver(kQuit);  // quit on the first level before completing it
  ASSERT_EQ(LocalScores.size(), 1u);
  EXPECT_EQ(LocalScores.front().Score, 0);
  EXPECT_EQ(LocalScores.front().Quit, 1);
  for (int i = 1; i <= 30; ++i) EXPECT_EQ(LocalScores.front().Best[i], 0) << i;
  EXPECT_EQ(Lives, 3);
  EXPECT_EQ(LevelNumber, 0);
}

}  // namespace
