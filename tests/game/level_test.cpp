// level_test.cpp - the level layout as a function of the level number.
#include <gtest/gtest.h>

#include <set>     // Required for: the poles seen
#include <vector>  // Required for: layout snapshots

#include "game/level.h"
#include "platform/platform.h"
#include "shell/state.h"

namespace {
using namespace crownlift;

struct Layout {
  std::array<float, 3> tint;
  std::array<int, 3> poles;
  std::array<int, 5> rows;
  std::vector<float> stars;  // x, y, xs, big of each object in order
};

Layout Snapshot() {
  Layout l{LevelTint, RoyalPole, RowOffset, {}};
  for (const ar& a : StarField) l.stars.insert(l.stars.end(), {a.x, a.y, a.xs, float(a.big)});
  return l;
}

int HazardCount() {
  int n = 0;
  for (const ar& a : StarField) n += a.big;
  return n;
}

class LevelTest : public ::testing::Test {
 protected:
  void SetUp() override { Display = DisplayRecord{}; }  // 1280 x 960
};

TEST_F(LevelTest, StartsTheCraftAndRoyalsInPlace) {
  LevelNumber = 4;
  CrashTimer = 30;
  CrashCause = 2;
  CraftVX = 3;
  RoyalState = {0, 1, 2};
  SetUpLevel();
  EXPECT_EQ(CraftX, 640);
  EXPECT_EQ(CraftY, -20);
  EXPECT_EQ(CraftVX, 0);
  EXPECT_EQ(CraftVY, 0);
  EXPECT_EQ(StartHold, 120);
  EXPECT_EQ(LevelBonus, 1500);
  EXPECT_EQ(CrashTimer, 0);
  EXPECT_EQ(CrashCause, 0);
  EXPECT_EQ(PoleTop, 668);
  for (int k = 1; k <= 2; ++k) {
    EXPECT_EQ(RoyalX[k], -64);
    EXPECT_FLOAT_EQ(RoyalY[k], 960 - 84.8f);
    EXPECT_EQ(RoyalState[k], 0);
  }
  for (float t : LevelTint) {
    EXPECT_GE(t, 0.2f);
    EXPECT_LT(t, 1.1f);
  }
  for (int row = 1; row <= 4; ++row) {
    EXPECT_GE(RowOffset[row], -1280);
    EXPECT_LE(RowOffset[row], -640);
  }
  ASSERT_EQ(StarField.size(), 500u);
  for (const ar& a : StarField) {
    EXPECT_TRUE(a.x >= 0 && a.x < 1310 && a.y >= 0 && a.y < 960) << a.x << "," << a.y;
    EXPECT_TRUE(a.xs >= 0.5f && a.xs < 3) << a.xs;
  }
}

TEST_F(LevelTest, TheSameNumberGivesTheSameLayoutAndAnotherNumberAnother) {
  for (int level : {0, 1, 2, 13, 29}) {
    LevelNumber = level;
    SetUpLevel();
    const Layout first = Snapshot();
    platform::SeedRandom(999);  // whatever the generator did in between
    platform::RandomInt(0, 10);
    SetUpLevel();
    const Layout again = Snapshot();
    EXPECT_EQ(first.tint, again.tint) << level;
    EXPECT_EQ(first.poles, again.poles) << level;
    EXPECT_EQ(first.rows, again.rows) << level;
    EXPECT_EQ(first.stars, again.stars) << level;

    LevelNumber = level + 1;
    SetUpLevel();
    EXPECT_NE(Snapshot().stars, first.stars) << level;
  }
}

TEST_F(LevelTest, RoyalsHeadForDifferentPolesAndEveryPoleIsUsed) {
  std::set<int> seen;
  for (int level = 0; level < 60; ++level) {
    LevelNumber = level;
    SetUpLevel();
    EXPECT_NE(RoyalPole[1], RoyalPole[2]) << level;
    for (int k = 1; k <= 2; ++k) {
      EXPECT_TRUE(RoyalPole[k] >= 1 && RoyalPole[k] <= 3) << level;
      seen.insert(RoyalPole[k] * 10 + k);
    }
  }
  EXPECT_EQ(seen.size(), 6u);  // each royal at each pole, some time
}

TEST_F(LevelTest, HazardsGrowWithTheLevelAndAvoidTheStartZone) {
  struct Case {
    int level, fewest, most;
  };
  // A hazard may be chosen twice and still count, so a level can have fewer.
  for (const Case& c : {Case{0, 0, 0}, Case{1, 1, 3}, Case{2, 1, 6}, Case{30, 60, 90}}) {
    LevelNumber = c.level;
    SetUpLevel();
    EXPECT_GE(HazardCount(), c.fewest) << c.level;
    EXPECT_LE(HazardCount(), c.most) << c.level;
  }
  for (int level = 1; level <= 60; ++level) {
    LevelNumber = level;
    SetUpLevel();
    for (const ar& a : StarField) {
      if (a.big == 1) {
        EXPECT_FALSE(a.x > 440 && a.x < 840 && a.y < 300) << level << ": " << a.x << "," << a.y;
      }
    }
  }
}

TEST_F(LevelTest, RoyalsStopCentredOnTheirPoles) {
  for (auto [width, left, centre, right] :
       {std::array<int, 4>{1280, 208, 608, 1008}, std::array<int, 4>{1600, 208, 768, 1328},
        std::array<int, 4>{1441, 208, 688, 1169}}) {
    Display.VirtualWidth = width;
    EXPECT_EQ(PoleStopX(1), left);
    EXPECT_EQ(PoleStopX(2), centre);
    EXPECT_EQ(PoleStopX(3), right);
  }
}

}  // namespace
