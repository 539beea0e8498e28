// calibration_test.cpp - the sprite budgets for a fast and a slow machine.
#include <gtest/gtest.h>

#include "engine/calibration.h"
#include "engine/draw.h"
#include "engine/frame_end.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "shell/assets.h"
#include "shell/state.h"
#include "tests/support/program_folder.h"

namespace {
using namespace crownlift;
namespace hl = platform::headless;

class CalibrationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    hl::SetRecordDraws(false);
    Settings.fill(0);
    Display = DisplayRecord{};
    platform::OpenDisplay(800, 600, 0, 60);
    platform::SetLogicalSize(1280, 960);
    IconsSharp = platform::LoadStrip("Files/Common/icons.png", 16, 16, 0, 64, platform::kImageMasked);
    FrameParity = 0;
    FpsAverage = 0;
    DebugOverlay = 1;
    LastFrameTime = Millisecs();
    OpenLog(folder.Path("calibration.log"));
  }
  void TearDown() override {
    CloseLog();
    platform::UnloadImage(IconsSharp);
    IconsSharp = nullptr;
  }
  std::vector<std::string> Log() {
    return testing_support::SplitCrLfLines(testing_support::ReadFile(folder.Path("calibration.log")));
  }
  testing_support::ProgramFolder folder;
};

TEST_F(CalibrationTest, AMachineThatHoldsSixtyToTheEndGetsTheTopBudgets) {
  EngineTest(60, 1);
  EXPECT_EQ(DrawBudgets[1], 8000);
  EXPECT_EQ(DrawBudgets[2], 8000);
  EXPECT_EQ(DrawBudgets[3], 4000);
  EXPECT_EQ(Settings[SlowSystem], 0);
  EXPECT_EQ(TargetFps, 60);
  EXPECT_EQ(DebugOverlay, 0);
  const auto log = Log();
  EXPECT_EQ(log[1], "Aiming for 60,1");
  EXPECT_EQ(std::count(log.begin(), log.end(),
                       "Settings Overwritten, Set to Default Lower Limits at 30fps."), 0);
}

TEST_F(CalibrationTest, AMachineThatFailsEarlyIsSwitchedToSlowSystem) {
  hl::SetRenderCost(0, 10);  // 10 us a quad: 1000 sprites already cost 10 ms
  EngineTest(60, 1);
  EXPECT_EQ(DrawBudgets[1], 1000);
  EXPECT_EQ(DrawBudgets[2], 500);
  EXPECT_EQ(DrawBudgets[3], 250);
  EXPECT_EQ(Settings[SlowSystem], 1);
  EXPECT_EQ(TargetFps, 30);
  const auto log = Log();
  EXPECT_NE(std::find(log.begin(), log.end(), "\tMain sprites : 0"), log.end());
  EXPECT_NE(std::find(log.begin(), log.end(),
                      "Settings Overwritten, Set to Default Lower Limits at 30fps."),
            log.end());
}

TEST_F(CalibrationTest, AMiddlingMachineGetsFortyPercentOfItsBestLoad) {
  // Half a microsecond a quad: frames pass 17 ms somewhere past 4000 sprites.
  hl::SetRenderCost(0, 0.5);
  EngineTest(60, 1);
  EXPECT_GT(DrawBudgets[1], 1000);
  EXPECT_LT(DrawBudgets[1], 8000);
  EXPECT_EQ(DrawBudgets[1] % 200, 0);  // 0.4 x a multiple of 500
  EXPECT_EQ(DrawBudgets[2], DrawBudgets[1]);
  EXPECT_EQ(DrawBudgets[3], DrawBudgets[1] / 2);
  EXPECT_EQ(Settings[SlowSystem], 0);
}

TEST_F(CalibrationTest, SlowSystemAimsForThirtyAndSaysSo) {
  Settings[SlowSystem] = 1;
  EngineTest(60, 1);
  const auto log = Log();
  EXPECT_EQ(log[1], "Aiming for 30,1");
  EXPECT_EQ(TargetFps, 30);
  EXPECT_NE(std::find(log.begin(), log.end(),
                      "Settings Overwritten, Set to Default Lower Limits at 30fps."),
            log.end());
}

}  // namespace
