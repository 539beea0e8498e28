// display_test.cpp - the mode list, the logical area and the font ladder.
#include <gtest/gtest.h>

#include "engine/frame_end.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "shell/assets.h"
#include "shell/state.h"
#include "tests/support/program_folder.h"

namespace {
using namespace crownlift;
using platform::DisplayMode;

struct ModeCase {
  const char* name;
  std::vector<DisplayMode> offered;
  int requestW, requestH;
  int modeCount;       // distinct usable sizes listed
  int modeIndex;       // position of the request, 0 when absent
  int openedW, openedH;
  int virtualW, virtualH, widescreen;
};

class DisplayModesTest : public ::testing::TestWithParam<ModeCase> {
 protected:
  void SetUp() override { platform::headless::SetRecordDraws(false); }
  testing_support::ProgramFolder folder;
};

TEST_P(DisplayModesTest, ListsUsableSizesAndOpensTheRequestOrTheLastSize) {
  const ModeCase& c = GetParam();
  platform::headless::SetDisplayModes(c.offered);
  Settings.fill(0);
  Settings[Width] = c.requestW;
  Settings[Height] = c.requestH;
  Settings[SoundVolume] = 50;
  Settings[MasterVolume] = 50;
  Display = DisplayRecord{};
  Display.DisplayOpened = true;  // no first-run frame or jingle here
  platform::ChangeFolder(folder.Path("Files/270/"));

  ApplyDisplaySettings();

  EXPECT_EQ(Display.ModeCount, c.modeCount);
  EXPECT_EQ(Settings[ModeIndex], c.modeIndex);
  EXPECT_EQ(Display.ScreenWidth, c.openedW);
  EXPECT_EQ(Display.ScreenHeight, c.openedH);
  EXPECT_EQ(Settings[Width], c.openedW);
  EXPECT_EQ(Settings[Height], c.openedH);
  EXPECT_EQ(Display.VirtualWidth, c.virtualW);
  EXPECT_EQ(Display.VirtualHeight, c.virtualH);
  EXPECT_EQ(Settings[Widescreen], c.widescreen);
  const auto opened = platform::headless::Display();
  EXPECT_EQ(opened.width, c.openedW);
  EXPECT_EQ(opened.logicalWidth, c.virtualW);
  EXPECT_EQ(opened.logicalHeight, c.virtualH);
  EXPECT_EQ(platform::CurrentFolder(), folder.Path("Files/270/"));
}

const std::vector<DisplayMode> kDesk = {
    {800, 600, 32, 60}, {1024, 768, 32, 60}, {1280, 1024, 32, 60}, {1280, 960, 32, 60},
    {1280, 960, 16, 75}, {1366, 768, 32, 60}, {1680, 1050, 32, 60}, {1920, 1080, 32, 60},
    {1920, 1080, 24, 50},
};

INSTANTIATE_TEST_SUITE_P(
    Modes, DisplayModesTest,
    ::testing::Values(
        ModeCase{"defaults", kDesk, 800, 600, 6, 1, 800, 600, 1280, 960, 0},
        ModeCase{"five_by_four_is_not_listed", kDesk, 1280, 1024, 6, 0, 800, 600, 1280, 960, 0},
        ModeCase{"repeated_size_once", kDesk, 1280, 960, 6, 3, 1280, 960, 1280, 960, 0},
        ModeCase{"full_hd_is_wide", kDesk, 1920, 1080, 6, 6, 1920, 1080, 1600, 900, 1},
        ModeCase{"sixteen_by_ten", kDesk, 1680, 1050, 6, 5, 1680, 1050, 1440, 900, 1},
        ModeCase{"odd_wide_size", kDesk, 1366, 768, 6, 4, 1366, 768, 1600, 900, 1},
        ModeCase{"four_by_three", kDesk, 1024, 768, 6, 2, 1024, 768, 1280, 960, 0},
        ModeCase{"zero_width", kDesk, 0, 600, 6, 0, 800, 600, 1280, 960, 0},
        ModeCase{"huge_width", kDesk, 2147483647, 600, 6, 0, 800, 600, 1280, 960, 0},
        ModeCase{"no_modes_at_all", {}, 1024, 768, 0, 0, 800, 600, 1280, 960, 0}),
    [](const ::testing::TestParamInfo<ModeCase>& param) { return std::string(param.param.name); });

TEST(FullscreenTest, FallsBackToAWindowWithAMessageWhenNoDepthFits) {
  testing_support::ProgramFolder folder;
  platform::headless::SetDisplayModes({{800, 600, 8, 60}, {1024, 768, 24, 60}, {1024, 768, 16, 60}});
  Settings.fill(0);
  Display = DisplayRecord{};
  MessageLog.clear();

  Display.ScreenWidth = 800;
  Display.ScreenHeight = 600;
  EXPECT_EQ(ChooseDisplayDepth(), 0);  // a window was asked for: no message
  EXPECT_TRUE(MessageLog.empty());

  Settings[Fullscreen] = 1;
  EXPECT_EQ(ChooseDisplayDepth(), 0);
  ASSERT_EQ(MessageLog.size(), 1u);
  EXPECT_EQ(MessageLog.front().txt, "Can't set to fullscreen in this resolution.");
  EXPECT_EQ(MessageLog.front().c, 1);

  Display.ScreenWidth = 1024;
  Display.ScreenHeight = 768;
  EXPECT_EQ(ChooseDisplayDepth(), 24);  // the deepest offered
  EXPECT_EQ(MessageLog.size(), 1u);
  EXPECT_EQ(Settings[Fullscreen], 1);
}

struct FontCase {
  int screenWidth;
  float m1, m2;
  const char* familyA;
  int entry2Size, entry5Size, ladderStep2, ladderStep7;
};

TEST(FontLadderTest, SizesFollowTheScreenWidth) {
  const FontCase cases[] = {
      {512, 1.5f, 2.0f, "SVBasicManual", 32, 144, 27, 96},
      {640, 1.2f, 1.4f, "SVBasicManual", 22, 115, 21, 76},
      {800, 1.2f, 1.4f, "SVBasicManual", 22, 115, 21, 76},
      {1024, 1.0f, 1.0f, "November", 16, 96, 18, 64},
  };
  for (const FontCase& c : cases) {
    SCOPED_TRACE(c.screenWidth);
    const FontFactors f = FontFactorsFor(c.screenWidth);
    EXPECT_FLOAT_EQ(f.m1, c.m1);
    EXPECT_FLOAT_EQ(f.m2, c.m2);
    EXPECT_EQ(FamilyAName(c.screenWidth), c.familyA);
    EXPECT_EQ(FontPixelSize(16, f.m2), c.entry2Size);
    EXPECT_EQ(FontPixelSize(96, f.m1), c.entry5Size);
    EXPECT_EQ(FontPixelSize(18, f.m1), c.ladderStep2);
    EXPECT_EQ(FontPixelSize(64, f.m1), c.ladderStep7);
  }
  EXPECT_EQ(FontPixelSize(24, 1.2f), 28);
}

TEST(SelectFontTest, ClampsFamilyAndStep) {
  platform::Init();
  platform::headless::Reset();
  FontLadder.fill(nullptr);
  const char* face = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
  platform::Font* a = platform::LoadFont(face, 10, true);
  platform::Font* b = platform::LoadFont(face, 20, true);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  FontLadder[0] = a;
  FontLadder[18] = b;  // family 2, step 8
  const struct {
    int family, step;
    platform::Font* expected;
  } cases[] = {{0, 9, a}, {4, -1, a}, {1, 0, a}, {2, 8, b}, {2, 9, nullptr}, {3, 4, nullptr}};
  for (const auto& c : cases) {
    SelectFont(c.family, c.step);
    EXPECT_EQ(platform::GetFont(), c.expected) << c.family << "," << c.step;
  }
  platform::UnloadFont(a);
  platform::UnloadFont(b);
  FontLadder.fill(nullptr);
  platform::Shutdown();
}

}  // namespace
