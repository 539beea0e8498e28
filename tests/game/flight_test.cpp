// flight_test.cpp - the craft's physics as tables of frames.
#include <gtest/gtest.h>

#include <string>  // Required for: control strings
#include <vector>  // Required for: the frames of a case

#include "game/flight.h"
#include "game/level.h"
#include "shell/state.h"

namespace {
using namespace crownlift;

struct Craft {
  float x, y, vx, vy;
  int hold;
};

// One frame: the controls held ("U"p, "D"own, "L"eft, "R"ight) and the
// craft after the frame.
struct Frame {
  std::string held;
  Craft after;
};

struct Case {
  const char* name;
  Craft start;
  int crashTimer;
  std::vector<Frame> frames;
};

FlightControls Controls(const std::string& held) {
  FlightControls c;
  c.up = held.find('U') != std::string::npos;
  c.down = held.find('D') != std::string::npos;
  c.left = held.find('L') != std::string::npos;
  c.right = held.find('R') != std::string::npos;
  return c;
}

// Float sums written out the way the craft accumulates them.
constexpr float kG = 0.1f, kT = 0.2f, kP = 0.1f, kR = 0.05f;

const std::vector<Case> kCases = {
    {"UpEndsTheHoldAndThrustsThenGravityPulls", {640, -20, 0, 0, 120}, 0,
     {{"U", {640, -20, 0, -kT, 0}},
      {"", {640, -20 - kT, 0, -kT + kG, 0}},
      {"", {640, -20 - kT + (-kT + kG), 0, -kT + kG + kG, 0}}}},
    {"DownEndsTheHoldWithoutThrust", {640, -20, 0, 0, 120}, 0,
     {{"D", {640, -20, 0, 0, 0}}, {"", {640, -20, 0, kG, 0}}, {"", {640, -20 + kG, 0, kG + kG, 0}}}},
    {"TheHoldKeepsGravityOffButLetsTheCraftSlide", {640, -20, 0, 0, 3}, 0,
     {{"R", {640, -20, kP, 0, 2}},
      {"", {640 + kP, -20, kP - kR, 0, 1}},
      // The hold runs out in this frame and gravity acts at once.
      {"", {640 + kP + (kP - kR), -20, 0, kG, 0}},
      {"", {640 + kP + (kP - kR), -20 + kG, 0, kG + kG, 0}}}},
    {"SidewaysPushAndReturnToRestStopAtZero", {100, 300, 0, 0, 0}, 0,
     {{"L", {100, 300, -kP, kG, 0}},
      {"L", {100 - kP, 300 + kG, -kP - kP, kG + kG, 0}},
      {"", {100 - kP - (kP + kP), 300 + kG + (kG + kG), -kP - kP + kR, kG + kG + kG, 0}},
      {"U", {100 - kP - (kP + kP) + (-kP - kP + kR), 300 + kG + (kG + kG) + (kG + kG + kG),
             -kP - kP + kR + kR, kG + kG + kG - kT, 0}}}},
    {"ReturnToRestDoesNotOvershoot", {500, 300, 0.03f, 0, 0}, 0,
     {{"U", {500.03f, 300, 0, -kT, 0}}}},
    {"ReturnToRestDoesNotOvershootLeftward", {500, 300, -0.03f, 0, 0}, 0,
     {{"U", {499.97f, 300, 0, -kT, 0}}}},
    {"PushingAgainstTheMotionSlowsByPushAndReturn", {500, 300, 2, 0, 0}, 0,
     {{"LU", {502, 300, 2 - kP - kR, -kT, 0}}}},
    {"BothSidesHeldCancelAndNeitherReturns", {500, 300, 1, 0, 0}, 0,
     {{"LRU", {501, 300, 1 - kP + kP, -kT, 0}}}},
    {"FallSpeedIsAtMostTen", {500, 100, 0, 9.95f, 0}, 0, {{"", {500, 109.95f, 0, 10, 0}}}},
    {"ClimbSpeedIsAtMostSix", {500, 100, 0, -5.9f, 0}, 0, {{"U", {500, 94.1f, 0, -6, 0}}}},
    {"SidewaysSpeedIsAtMostEight", {500, 100, 7.95f, 0, 0}, 0,
     {{"RU", {507.95f, 100, 8, -kT, 0}}, {"LU", {515.95f, 100 - kT, 8 - kP - kR, -kT - kT, 0}}}},
    {"SidewaysSpeedIsAtLeastMinusEight", {500, 100, -8, 0, 0}, 0,
     {{"LU", {492, 100, -8, -kT, 0}}}},
    {"XIsKeptWithin128PixelsRightOfTheScreen", {1405, 100, 8, 0, 0}, 0,
     {{"RU", {1408, 100, 8, -kT, 0}}, {"RU", {1408, 100 - kT, 8, -kT - kT, 0}}}},
    {"XIsKeptWithin128PixelsLeftOfTheScreen", {-125, 100, -8, 0, 0}, 0,
     {{"LU", {-128, 100, -8, -kT, 0}}}},
    {"YHasNoLimit", {500, -5000, 0, -6, 0}, 0, {{"U", {500, -5006, 0, -6, 0}}}},
    {"ACrashedCraftFreezesButIsStillKeptInX", {1500, 200, 3, 4, 50}, 5,
     {{"UR", {1408, 200, 3, 4, 50}}, {"", {1408, 200, 3, 4, 50}}}},
};

class FlightTest : public ::testing::TestWithParam<Case> {};

TEST_P(FlightTest, FollowsTheFrames) {
  Display = DisplayRecord{};  // 1280 wide
  const Case& c = GetParam();
  CraftX = c.start.x;
  CraftY = c.start.y;
  CraftVX = c.start.vx;
  CraftVY = c.start.vy;
  StartHold = c.start.hold;
  CrashTimer = c.crashTimer;
  int n = 0;
  for (const Frame& f : c.frames) {
    ++n;
    StepFlight(Controls(f.held));
    EXPECT_FLOAT_EQ(CraftX, f.after.x) << "frame " << n;
    EXPECT_FLOAT_EQ(CraftY, f.after.y) << "frame " << n;
    EXPECT_NEAR(CraftVX, f.after.vx, 1e-6) << "frame " << n;
    EXPECT_NEAR(CraftVY, f.after.vy, 1e-6) << "frame " << n;
    EXPECT_EQ(StartHold, f.after.hold) << "frame " << n;
  }
}

INSTANTIATE_TEST_SUITE_P(Frames, FlightTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& p) { return std::string(p.param.name); });

TEST(FlightHoldTest, GravityWaits120FramesWithoutInput) {
  Display = DisplayRecord{};
  CraftX = 640;
  CraftY = -20;
  CraftVX = CraftVY = 0;
  StartHold = 120;
  CrashTimer = 0;
  for (int frame = 1; frame < 120; ++frame) StepFlight({});
  EXPECT_EQ(CraftVY, 0);
  EXPECT_EQ(StartHold, 1);
  StepFlight({});  // the 120th frame ends the hold and gravity acts in it
  EXPECT_EQ(CraftY, -20);
  EXPECT_FLOAT_EQ(CraftVY, 0.1f);
}

}  // namespace
