// play_test.cpp - one frame of the play loop: collisions, pick-ups, the
// bonus, crashes and respawns, and the end of a game by the fourth crash.
#include <gtest/gtest.h>

#include <algorithm>   // Required for: std::count, std::find_if
#include <functional>  // Required for: the arrangements of a case

#include "controls/bindings.h"
#include "engine/frame_end.h"
#include "game/level.h"
#include "game/play.h"
#include "platform/platform.h"
#include "scores/scores.h"
#include "shell/state.h"
#include "tests/game/game_fixture.h"

namespace {
using namespace crownlift;
namespace hl = platform::headless;
using Kind = hl::DrawRecord::Kind;
using game_testing::GameTest;

// A hazard that, after this frame's drift of 1 pixel, is centred at (x, y).
void AddHazardAt(float x, float y) {
  ar a;
  a.x = x + 1;
  a.y = y;
  a.xs = 1;
  a.big = 1;
  StarField.push_back(a);
}

void PutCraft(float x, float y) {
  CraftX = x;
  CraftY = y;
  CraftVX = CraftVY = 0;
}

// Royal k carried, where the previous frame's second pass left it.
void Carry(int k) {
  RoyalState[k] = k;
  RoyalX[k] = CraftX + 16;
  RoyalY[k] = CraftY + 52;
}

int Count(const std::vector<std::string>& names, const std::string& name) {
  return static_cast<int>(std::count(names.begin(), names.end(), name));
}

class PlayTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    StartGame();
    StarField.clear();  // the cases place their own hazards
  }
};

struct CrashCase {
  const char* name;
  std::function<void()> arrange;
  int cause;  // 0: no crash
};

// The craft is 64 x 64 from (CraftX, CraftY), a royal 64 x 64, a hazard a
// disc 32 across; row 1 is opaque from y 756 down, row 2 from 780, and a
// pole covers 16 x 128 from y 732 centred on x 240, 640 or 1040.
const CrashCase kCrashCases[] = {
    {"HazardOnTheCraft", [] { PutCraft(600, 300); AddHazardAt(632, 332); }, 1},
    {"HazardOnCarriedRoyal1",
     [] { PutCraft(600, 300); Carry(1); AddHazardAt(648, 405); }, 2},
    {"HazardOnCarriedRoyal2",
     [] { PutCraft(600, 300); Carry(2); AddHazardAt(648, 405); }, 3},
    {"HazardOnBothRoyalsBlamesRoyal1",
     [] { PutCraft(600, 300); Carry(1); Carry(2); AddHazardAt(648, 405); }, 2},
    {"CraftBeforeRoyals",
     [] { PutCraft(600, 300); Carry(1); AddHazardAt(640, 370); }, 1},
    {"HazardOnAFreeRoyalIsHarmless",
     [] { RoyalX[1] = 300; AddHazardAt(332, GroundY() + 32); }, 0},
    {"TheFirstHazardInTheListDecides",
     [] { PutCraft(600, 300); Carry(2); AddHazardAt(648, 405); AddHazardAt(632, 332); }, 3},
    {"HazardsBeforeTerrain",
     [] { PutCraft(400, 700); Carry(1); AddHazardAt(448, 805); }, 2},
    {"BackRow1", [] { PutCraft(400, 700); }, 1},
    {"JustAboveRow1", [] { PutCraft(400, 691); }, 0},
    {"LeftPole", [] { PutCraft(200, 680); }, 1},
    {"CentrePole", [] { PutCraft(600, 680); }, 1},
    {"RightPole", [] { PutCraft(1000, 680); }, 1},
    {"BesideAPole", [] { PutCraft(249, 680); }, 0},
    {"FrontRowsAndGroundAreHarmless", [] { PutCraft(400, 870); }, 0},
    {"ScreenEdgesAreHarmless", [] { PutCraft(-128, -500); }, 0},
};

class CrashTest : public PlayTest, public ::testing::WithParamInterface<CrashCase> {};

TEST_P(CrashTest, TheFirstOverlapDecidesTheCause) {
  GetParam().arrange();
  ASSERT_EQ(PlayFrame(), kPlaying);
  EXPECT_EQ(CrashCause, GetParam().cause);
  EXPECT_EQ(CrashTimer, GetParam().cause == 0 ? 0 : 2);  // the hit, then one crash frame
  EXPECT_EQ(Count(CuedSounds(), "002.wav"), GetParam().cause == 0 ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Causes, CrashTest, ::testing::ValuesIn(kCrashCases),
                         [](const ::testing::TestParamInfo<CrashCase>& p) {
                           return std::string(p.param.name);
                         });

struct PickUpCase {
  const char* name;
  int royal;
  float x, y;  // where the royal starts the frame (pole 1)
  float dx;    // grip centre's offset from the royal's centre after its move
  bool picked;
  float yAfterMove;
};

const float kWait = 668 - 56;
const PickUpCase kPickUps[] = {
    {"Walking", 1, 100, 875.2f, 0, true, 875.2f},
    {"Climbing", 1, 207, 640, 0, true, 632},
    {"Waiting", 1, 207, kWait, 0, true, kWait},
    {"WaitingRoyal2", 2, 207, kWait, 0, true, kWait},
    {"GripJustBeside", 1, 207, kWait, 48, false, kWait},
};

class PickUpTest : public PlayTest, public ::testing::WithParamInterface<PickUpCase> {};

TEST_P(PickUpTest, TheGripTakesAFreeRoyalWherevertItIs) {
  const PickUpCase& c = GetParam();
  const int k = c.royal, other = 3 - k;
  RoyalPole[k] = 1;
  RoyalPole[other] = 3;
  RoyalX[k] = c.x;
  RoyalY[k] = c.y;
  // A walking royal moves 3 to 8 pixels; the grip (32 across) is aimed at
  // the middle of that range and still covers the royal's 64 pixels.
  const float centreX = (c.x < 208 && c.y > 800 ? c.x + 5.5f : 208.0f) + 32;
  PutCraft(centreX + c.dx - 32, c.yAfterMove + 32 - 80);
  PlayFrame();
  EXPECT_EQ(RoyalState[k], c.picked ? k : 0);
  EXPECT_EQ(RoyalState[other], 0);
  EXPECT_EQ(Count(CuedSounds(), k == 1 ? "004.wav" : "003.wav"), c.picked ? 1 : 0);
  if (c.picked) {
    // Hanging under the grip, where the next frame's hazard tests look.
    EXPECT_FLOAT_EQ(RoyalX[k], CraftX + 16);
    EXPECT_FLOAT_EQ(RoyalY[k], CraftY + 52);
  } else {
    EXPECT_FLOAT_EQ(RoyalY[k], c.yAfterMove);
  }
}

INSTANTIATE_TEST_SUITE_P(PickUps, PickUpTest, ::testing::ValuesIn(kPickUps),
                         [](const ::testing::TestParamInfo<PickUpCase>& p) {
                           return std::string(p.param.name);
                         });

TEST_F(PlayTest, FreeRoyalsWalkToTheirPolesClimbAndWait) {
  PutCraft(600, -300);
  StartHold = 1000000;  // hovering, out of the way
  RoyalPole = {0, 1, 3};
  for (int frame = 0; frame < 400; ++frame) PlayFrame();
  EXPECT_EQ(RoyalX[1], 208);
  EXPECT_EQ(RoyalX[2], 1008);
  EXPECT_EQ(RoyalY[1], 612);
  EXPECT_EQ(RoyalY[2], 612);
  EXPECT_EQ(RoyalState[1] + RoyalState[2], 0);
}

TEST_F(PlayTest, TheBonusCountsDownToZeroAndStays) {
  PutCraft(600, -3000);  // far above everything, still rising for a while
  CraftVY = -6;
  StartHold = 0;
  PlayFrame();
  EXPECT_EQ(LevelBonus, 1499);
  LevelBonus = 1;
  PlayFrame();
  EXPECT_EQ(LevelBonus, 0);
  PlayFrame();
  EXPECT_EQ(LevelBonus, 0);
  const auto frame = LastFrame();
  auto it = std::find_if(frame.begin(), frame.end(),
                         [](const hl::DrawRecord& d) { return d.text == "Level Bonus 0"; });
  ASSERT_NE(it, frame.end());
  EXPECT_EQ(it->x, 1);
  EXPECT_EQ(it->y, 1);
  EXPECT_EQ(it->r, 180);
  EXPECT_EQ(it->g, 255);
  EXPECT_EQ(it->b, 180);
  for (const char* text : {"Score 0", "Lives 3"}) {
    EXPECT_NE(std::find_if(frame.begin(), frame.end(),
                           [&](const hl::DrawRecord& d) { return d.text == text; }),
              frame.end())
        << text;
  }
}

TEST_F(PlayTest, LeavingTheTopWithBothRoyalsAddsTheBonusAndBuildsTheNextLevel) {
  PutCraft(600, -125);
  CraftVY = -6;
  StartHold = 0;
  Carry(1);
  Carry(2);
  LevelBonus = 1234;
  GameScore = 100;
  PlayFrame();  // checked at -125, then moved to -131
  EXPECT_EQ(LevelNumber, 0);
  AddHazardAt(632, CraftY + 32);  // a crash found earlier in the completing frame
  PlayFrame();
  EXPECT_EQ(LevelNumber, 1);
  EXPECT_EQ(GameScore, 100 + 1233);
  EXPECT_EQ(CrashTimer, 0);  // the new level clears the crash
  EXPECT_EQ(LevelBonus, 1499);
  EXPECT_EQ(CraftX, 640);
  EXPECT_EQ(RoyalState[1] + RoyalState[2], 0);
  EXPECT_EQ(Count(CuedSounds(), "097.wav"), 1);
  EXPECT_EQ(Count(CuedSounds(), "002.wav"), 0);
}

TEST_F(PlayTest, LeavingTheTopWithOneRoyalDoesNothing) {
  PutCraft(600, -1000);
  Carry(1);
  for (int frame = 0; frame < 3; ++frame) PlayFrame();
  EXPECT_EQ(LevelNumber, 0);
  EXPECT_EQ(GameScore, 0);
}

TEST_F(PlayTest, AfterTheExplosionTheSameLevelIsRebuiltWithOneLifeLess) {
  LevelNumber = 2;
  SetUpLevel();
  const std::list<ar> layout = StarField;
  const auto poles = RoyalPole;
  AddHazardAt(CraftX + 32, CraftY + 32);
  hl::ApplyNow(hl::KeyPress(KeyOf(Up)));
  int frames = 0;
  while (CrashTimer == 0 || CrashTimer < 60) {
    PlayFrame();
    ++frames;
    if (frames == 1) {
      ASSERT_EQ(CrashCause, 1);
      const auto drawn = LastFrame();
      const auto smash = std::find_if(drawn.begin(), drawn.end(), [](const hl::DrawRecord& d) {
        return d.kind == Kind::Image && d.text == "smash.png";
      });
      ASSERT_NE(smash, drawn.end());
      EXPECT_EQ(smash->scaleX, 4);
      EXPECT_FLOAT_EQ(smash->alpha, 0.5f);
      EXPECT_EQ(smash->x, CraftX + 32);
    }
    if (CrashTimer == 0) break;
    EXPECT_EQ(CraftX, 640);  // frozen, thrust or not
    EXPECT_EQ(CraftY, -20);
    EXPECT_EQ(Lives, 3);
  }
  EXPECT_EQ(frames, 59);  // from the frame of the hit to the one the timer reaches 60
  EXPECT_EQ(Lives, 2);
  EXPECT_EQ(LevelNumber, 2);
  EXPECT_EQ(LevelBonus, 1500);
  EXPECT_EQ(CrashTimer, 0);
  EXPECT_EQ(RoyalPole, poles);
  ASSERT_EQ(StarField.size(), layout.size());
  auto a = layout.begin();
  for (const ar& b : StarField) {
    EXPECT_EQ(b.x, a->x);
    EXPECT_EQ(b.big, a->big);
    ++a;
  }
  EXPECT_EQ(Count(CuedSounds(), "002.wav"), 1);
}

TEST_F(PlayTest, TheTestKeyAddsAMessage) {
  hl::ApplyNow(hl::KeyPress(49));
  PlayFrame();
  ASSERT_FALSE(MessageLog.empty());
  EXPECT_EQ(MessageLog.back().txt, "This is a Test Comment");
  EXPECT_EQ(MessageLog.back().c, 1);
  PlayFrame();
  EXPECT_EQ(MessageLog.size(), 1u);  // one press, one message
}

TEST_F(PlayTest, TheFirstLevelShowsHintsUntilBothRoyalsAreCarried) {
  auto texts = [] {
    std::vector<std::string> found;
    for (const auto& d : LastFrame()) {
      if (d.kind == Kind::Text) found.push_back(d.text);
    }
    return found;
  };
  PutCraft(600, 200);
  PlayFrame();
  auto shown = texts();
  for (const char* hint : {"You", "Left+Right", "Up to Thrust", "Save the Royals"}) {
    EXPECT_EQ(Count(shown, hint), 1) << hint;
  }
  EXPECT_EQ(Count(shown, "Take them Home"), 0);
  Carry(1);
  Carry(2);
  PlayFrame();
  shown = texts();
  EXPECT_EQ(Count(shown, "Save the Royals"), 0);
  EXPECT_EQ(Count(shown, "Take them Home"), 1);

  LevelNumber = 1;
  SetUpLevel();
  PlayFrame();
  EXPECT_EQ(Count(texts(), "You"), 0);
}

TEST_F(PlayTest, TheFourthCrashEndsTheGameAndRecordsTheRun) {
  // Untouched, the craft falls onto the terrain once its start hold is over,
  // life after life.
  GameContext.Difficulty = 1;
  hl::SetRecordDraws(false);
  ScheduleNameConfirm(2000);
  PlayGame();
  EXPECT_EQ(Count(CuedSounds(), "002.wav"), 4);
  EXPECT_EQ(Count(CuedSounds(), "096.wav"), 1);
  EXPECT_EQ(Lives, 0);
  EXPECT_EQ(GameContext.GameState, 0);
  ASSERT_EQ(LocalScores.size(), 1u);
  EXPECT_EQ(LocalScores.front().Score, 0);
  EXPECT_EQ(LocalScores.front().Quit, 0);
  EXPECT_EQ(LocalScores.front().GameMode, 1);
  EXPECT_EQ(LocalScores.front().Name, "Player");
}

}  // namespace
