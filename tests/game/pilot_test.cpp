// pilot_test.cpp - a scripted pilot flies the real play loop through the
// first three levels.
//
// Each frame the pilot reads where the craft, the royals and the hazards
// are, decides which of player 1's controls to hold, and presses or lets go
// of their keys through the input script; the play loop then runs one frame
// exactly as in the game. The pilot waits for a royal on top of its pole,
// drops the grip onto it, fetches the other one, and climbs off the top,
// stepping out of the way of any hazard drifting towards it. Nothing in the
// game is touched: it proves that reading the controls, the physics,
// pick-ups, collisions, the bonus and the change of level work together.
#include <gtest/gtest.h>

#include <algorithm>  // Required for: std::clamp, std::count, std::min
#include <cmath>      // Required for: std::fabs, std::sqrt, std::hypot
#include <vector>     // Required for: the hazards played forward

#include "controls/bindings.h"
#include "game/assets.h"
#include "game/level.h"
#include "game/play.h"
#include "platform/platform.h"
#include "shell/state.h"
#include "tests/game/game_fixture.h"

namespace {
using namespace crownlift;
namespace hl = platform::headless;
using game_testing::GameTest;

struct Controls {
  bool up = false, down = false, left = false, right = false;
};

// The pilot never meets a hazard above the screen (they drift at heights 0
// to 960), so it travels there and only dives to fetch a royal: straight
// down onto it and straight back up. Before diving it plays the dive
// forward with the flight rules and the hazards' drift, and dives only when
// no hazard will cross its path; otherwise it hovers, or tries the other
// royal.
class Pilot {
 public:
  Controls Decide() {
    if (diving_ != 0) return Dive();
    if (target_ == 0 || RoyalState[target_] != 0) target_ = NearerFreeRoyal();
    if (target_ == 0) return Steer(CraftX, kCruiseY);  // both aboard: the top is on the way
    const int k = target_;
    const float tx = RoyalX[k];  // the grip's centre over the royal's centre
    if (Aligned(tx) && std::fabs(CraftY - kCruiseY) < 8) {
      const bool clear = Waiting(k) && DiveIsClear(k);
      if (clear) {
        diving_ = k;
        diveX_ = CraftX;
        diveY_ = PickUpY(k);
        climbing_ = false;
        return Dive();
      }
      // Blocked here: the other royal, if it waits and its dive will be
      // clear by the time the craft is over it.
      const int other = 3 - k;
      if (RoyalState[other] == 0 && Waiting(other) && DiveIsClear(other)) target_ = other;
    }
    return Steer(tx, kCruiseY);
  }

 private:
  static constexpr float kCruiseY = -200;
  static constexpr float kMargin = 30;  // kept between the craft's load and a hazard

  static bool Waiting(int k) { return RoyalY[k] == static_cast<float>(PoleTop - 56); }
  static float PickUpY(int k) { return RoyalY[k] - 48; }  // grip centre on royal centre
  static bool Aligned(float tx) { return std::fabs(CraftX - tx) < 2 && std::fabs(CraftVX) < 0.1f; }

  static int NearerFreeRoyal() {
    int best = 0;
    for (int k = 1; k <= 2; ++k) {
      if (RoyalState[k] != 0) continue;
      if (best == 0 || std::fabs(RoyalX[k] - CraftX) < std::fabs(RoyalX[best] - CraftX)) best = k;
    }
    return best;
  }

  Controls Dive() {
    const int k = diving_;
    // Turn back up where the plan does, whenever the grip took the royal.
    if (!climbing_ && RoyalState[k] == k && std::fabs(CraftY - diveY_) < 3 &&
        std::fabs(CraftVY) < 0.5f) {
      climbing_ = true;
    }
    if (climbing_ && CraftY <= kCruiseY + 8) diving_ = 0;
    return Steer(diveX_, climbing_ ? kCruiseY : diveY_);
  }

  // The speed wanted towards a height: as fast as can still be stopped in
  // time (thrust brakes a fall at 0.2, gravity a climb at 0.1), at most 6.
  static float WantVY(float y, float ty) {
    const float d = ty - y;
    if (d > 0) return std::min(6.0f, 0.8f * std::sqrt(2 * 0.2f * d));
    return -std::min(6.0f, 0.8f * std::sqrt(2 * 0.1f * -d));
  }

  // Plays the dive for royal k forward frame by frame: the craft under the
  // same steering and flight rules, each hazard drifting as it does.
  static bool DiveIsClear(int k) {
    const float reach = platform::ImageWidth(HazardImage) * 1.5f;  // a spun hazard's half-size
    const float x = RoyalX[k];
    const float left = x - 40 - kMargin, right = x + 104 + kMargin;
    const float wrap = static_cast<float>(Display.VirtualWidth + 50);
    // A royal further along is reached after a flight of about this long.
    const int travel = static_cast<int>(std::fabs(x - CraftX) / 4);
    std::vector<ar> hazards;
    for (const ar& a : StarField) {
      if (a.big != 1) continue;
      hazards.push_back(a);
      for (int t = 0; t < travel; ++t) {
        hazards.back().x -= a.xs;
        if (hazards.back().x < -20) hazards.back().x += wrap;
      }
    }
    float y = CraftY, vy = CraftVY;
    bool climbing = false;
    for (int t = 0; t < 600; ++t) {
      const float target = climbing ? kCruiseY : PickUpY(k);
      const bool up = vy > WantVY(y, target);
      y += vy;
      vy = std::clamp(vy + (up ? -0.2f : 0.1f), -6.0f, 10.0f);
      if (!climbing && std::fabs(y - target) < 3 && std::fabs(vy) < 0.5f) climbing = true;
      if (climbing && y <= kCruiseY + 8) return true;
      const float top = y - kMargin, bottom = y + 116 + kMargin;  // a royal hangs 116 deep
      for (ar& a : hazards) {
        a.x -= a.xs;
        if (a.x < -20) a.x += wrap;
        if (a.x + reach > left && a.x - reach < right && a.y + reach > top &&
            a.y - reach < bottom) {
          return false;
        }
      }
    }
    return false;
  }

  static Controls Steer(float tx, float ty) {
    Controls c;
    const float dx = tx - CraftX;
    // Pushing against the motion brakes at 0.15 a frame.
    const float wantVX = (dx > 0 ? 1 : -1) * std::min(7.0f, 0.8f * std::sqrt(2 * 0.15f * std::fabs(dx)));
    if (CraftVX < wantVX - 0.06f) c.right = true;
    if (CraftVX > wantVX + 0.06f) c.left = true;
    if (CraftVY > WantVY(CraftY, ty)) c.up = true;
    if (!c.up && StartHold > 0 && ty > CraftY + 4) c.down = true;  // let gravity in
    return c;
  }

  int target_ = 0;  // the royal being made for
  int diving_ = 0;  // the royal being fetched, 0 while travelling
  float diveX_ = 0, diveY_ = 0;  // where the dive reaches down to
  bool climbing_ = false;
};

class PilotTest : public GameTest {
 protected:
  // Presses or lets go of player 1's keys to match the pilot's choice.
  void Hold(const Controls& c) {
    SetKey(Up, c.up);
    SetKey(Down, c.down);
    SetKey(Left, c.left);
    SetKey(Right, c.right);
  }
  void SetKey(int slot, bool down) {
    if (held[slot] == down) return;
    held[slot] = down;
    hl::ApplyNow(down ? hl::KeyPress(KeyOf(slot)) : hl::KeyRelease(KeyOf(slot)));
  }
  bool held[kSlotsPerPlayer] = {};
};

TEST_F(PilotTest, FliesTheFirstThreeLevelsPickingUpBothRoyalsAndDodgingHazards) {
  hl::SetRecordDraws(false);
  StartGame();
  Pilot pilot;
  int hazards[3] = {0, 0, 0};
  float closest = 1e9f;  // nearest a hazard's centre came to the craft's on levels 2 and 3
  int frames = 0;
  while (LevelNumber < 3 && frames < 12000) {
    const int level = LevelNumber;
    const int scoreBefore = GameScore, bonusBefore = LevelBonus;
    Hold(pilot.Decide());
    ASSERT_EQ(PlayFrame(), kPlaying);
    ++frames;
    ASSERT_EQ(CrashTimer, 0) << "crashed on level " << level + 1 << " (cause " << CrashCause
                             << ") at frame " << frames << ", craft " << CraftX << ","
                             << CraftY;
    if (LevelNumber != level) {
      EXPECT_EQ(LevelNumber, level + 1);
      EXPECT_EQ(GameScore, scoreBefore + bonusBefore) << "level " << level + 1;
      EXPECT_GT(bonusBefore, 0) << "level " << level + 1;
      int count = 0;
      for (const ar& a : StarField) count += a.big;
      if (LevelNumber < 3) hazards[LevelNumber] = count;
    }
    for (const ar& a : StarField) {
      if (a.big == 1 && (LevelNumber == 1 || LevelNumber == 2)) closest = std::min(closest, std::hypot(a.x - CraftX - 32, a.y - CraftY - 32));
    }
  }
  ASSERT_EQ(LevelNumber, 3) << "after " << frames << " frames";
  EXPECT_EQ(Lives, 3);
  // Levels 2 and 3 really had hazards, and the craft flew among them.
  EXPECT_TRUE(hazards[1] >= 1 && hazards[1] <= 3) << hazards[1];
  EXPECT_TRUE(hazards[2] >= 1 && hazards[2] <= 6) << hazards[2];
  EXPECT_LT(closest, 250);
  const auto sounds = CuedSounds();
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "004.wav"), 3);  // royal 1, each level
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "003.wav"), 3);  // royal 2
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "097.wav"), 3);
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "002.wav"), 0);
}

}  // namespace
