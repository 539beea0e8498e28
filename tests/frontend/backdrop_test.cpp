// backdrop_test.cpp - the diagonal colour bands and their fade to a tab's colour.
#include <gtest/gtest.h>

#include <vector>  // Required for: band records

#include "engine/draw.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "shell/backdrop.h"
#include "shell/state.h"
#include "tests/support/program_folder.h"

namespace {
using crownlift::BackdropColour;
using crownlift::BackdropRgb;
using crownlift::BackdropTarget;
using platform::headless::DrawRecord;

class BackdropTest : public ::testing::Test {
 protected:
  void TearDown() override { crownlift::Display = crownlift::DisplayRecord{}; }

  static std::vector<DrawRecord> Bands() {
    platform::headless::ClearDraws();
    crownlift::DrawBackdrop();
    std::vector<DrawRecord> bands;
    for (const DrawRecord& d : platform::headless::Draws()) {
      if (d.kind == DrawRecord::Kind::Rect) bands.push_back(d);
    }
    return bands;
  }
  testing_support::ProgramFolder folder;
};

TEST_F(BackdropTest, BandsRiseToTheRightAndBrightenDownwards) {
  struct Case {
    int virtualWidth, virtualHeight;
    int bands;     // one every 10 logical units, both ends included
    int lastShade;
  };
  const Case cases[] = {{1280, 960, 97, 122}, {1600, 900, 91, 116}, {1440, 900, 91, 116}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.virtualWidth) + "x" + std::to_string(c.virtualHeight));
    crownlift::Display.VirtualWidth = c.virtualWidth;
    crownlift::Display.VirtualHeight = c.virtualHeight;
    BackdropColour = BackdropTarget = BackdropRgb{0.2f, 0.0f, 1.0f};
    // A tilted scale or a tint left behind must not leak into the bands.
    platform::SetScale(3, 3);
    platform::SetColour(9, 9, 9);

    const auto bands = Bands();
    ASSERT_EQ(static_cast<int>(bands.size()), c.bands);
    for (size_t i = 0; i < bands.size(); ++i) {
      const DrawRecord& d = bands[i];
      const int shade = 26 + static_cast<int>(i);
      EXPECT_EQ(d.x, -100);
      EXPECT_EQ(d.y, 30 * static_cast<int>(i));
      EXPECT_EQ(d.w, c.virtualWidth + 1800);
      EXPECT_EQ(d.h, 30);
      EXPECT_EQ(d.rotation, -45);
      EXPECT_EQ(d.scaleX, 1);
      EXPECT_EQ(d.r, static_cast<int>(shade * 0.2f));
      EXPECT_EQ(d.g, 0);
      EXPECT_EQ(d.b, shade);
    }
    EXPECT_EQ(bands.front().b, 26);
    EXPECT_EQ(bands.back().b, c.lastShade);
    // Left reset for whoever draws next.
    EXPECT_EQ(platform::GetRotation(), 0);
    int r, g, b;
    platform::GetColour(r, g, b);
    EXPECT_EQ(r + g + b, 3 * 255);
  }
}

TEST_F(BackdropTest, ColourFadesToTheTargetAndSettlesExactly) {
  BackdropColour = BackdropRgb{0.2f, 0.0f, 1.0f};
  BackdropTarget = BackdropRgb{0.0f, 0.2f, 1.0f};

  auto bands = Bands();
  // A sixteenth of the way: red 0.1875, green 0.0125.
  EXPECT_FLOAT_EQ(BackdropColour.r, 0.1875f);
  EXPECT_FLOAT_EQ(BackdropColour.g, 0.0125f);
  EXPECT_EQ(BackdropColour.b, 1.0f);
  ASSERT_FALSE(bands.empty());
  EXPECT_EQ(bands.back().r, static_cast<int>(122 * 0.1875f));
  EXPECT_EQ(bands.back().g, static_cast<int>(122 * 0.0125f));

  int calls = 1;
  float previousRed = BackdropColour.r;
  while (BackdropColour.r != BackdropTarget.r && calls < 1000) {
    Bands();
    ++calls;
    EXPECT_LT(BackdropColour.r, previousRed);
    previousRed = BackdropColour.r;
  }
  // Within 0.005 of the target it snaps: after some fifty-odd frames, not never.
  EXPECT_GT(calls, 50);
  EXPECT_LT(calls, 70);
  EXPECT_EQ(BackdropColour.g, BackdropTarget.g);
  bands = Bands();
  EXPECT_EQ(bands.back().r, 0);
  EXPECT_EQ(bands.back().g, static_cast<int>(122 * 0.2f));
}

}  // namespace
