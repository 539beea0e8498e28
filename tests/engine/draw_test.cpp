// draw_test.cpp - the draw-state helpers and the budgeted sprite draws.
#include <gtest/gtest.h>

#include <cmath>  // Required for: NAN

#include "engine/draw.h"
#include "engine/frame_end.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "shell/state.h"
#include "tests/support/program_folder.h"

namespace {
using namespace crownlift;
namespace hl = platform::headless;

class DrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::ProgramFolder::WriteTestImage(folder.Path("sprite.png"), 32, 16, 16);
    sprite = platform::LoadStrip("sprite.png", 16, 16, 0, 2, platform::kImageMasked);
    glow = platform::LoadStrip("sprite.png", 16, 16, 0, 2, platform::kImageMasked);
    ASSERT_NE(sprite, nullptr);
    Settings.fill(0);
    DrawCounts.fill(0);
    DrawBudgets.fill(0);
    DrawBudgets[1] = DrawBudgets[2] = 50000;
    FrameParity = 0;
    ResetDrawState();
    hl::ClearDraws();
  }
  void TearDown() override {
    platform::UnloadImage(sprite);
    platform::UnloadImage(glow);
  }
  std::vector<hl::DrawRecord> Images() {
    std::vector<hl::DrawRecord> out;
    for (const auto& d : hl::Draws()) {
      if (d.kind == hl::DrawRecord::Kind::Image) out.push_back(d);
    }
    return out;
  }
  testing_support::ProgramFolder folder;
  platform::Image* sprite = nullptr;
  platform::Image* glow = nullptr;
};

TEST_F(DrawTest, SetDrawColourClampsTruncatesAndKeepsAlphaWhenOmitted) {
  platform::SetAlpha(0.3f);
  SetDrawColour(300, -5, 127.9f);
  int r, g, b;
  platform::GetColour(r, g, b);
  EXPECT_EQ(r, 255);
  EXPECT_EQ(g, 0);
  EXPECT_EQ(b, 127);
  EXPECT_FLOAT_EQ(platform::GetAlpha(), 0.3f);
  SetDrawColour(0, 0, 0, 1.7f);
  EXPECT_FLOAT_EQ(platform::GetAlpha(), 1.0f);
  SetDrawColour(NAN, 10, 10, -2);
  platform::GetColour(r, g, b);
  EXPECT_EQ(r, 0);
  EXPECT_FLOAT_EQ(platform::GetAlpha(), 0.0f);
}

TEST_F(DrawTest, ScaleBlendAndReset) {
  float sx, sy;
  SetDrawScale(2);
  platform::GetScale(sx, sy);
  EXPECT_EQ(sx, 2);
  EXPECT_EQ(sy, 2);
  SetDrawScale(1, 3);
  platform::GetScale(sx, sy);
  EXPECT_EQ(sx, 1);
  EXPECT_EQ(sy, 3);
  SetEngineBlend(2);
  SetEngineBlend(7);
  EXPECT_EQ(platform::GetBlend(), platform::Blend::Shade);
  SetEngineBlend(0);
  EXPECT_EQ(platform::GetBlend(), platform::Blend::Solid);
  SetDrawRotation(30);
  ResetDrawState();
  platform::GetScale(sx, sy);
  EXPECT_EQ(sx, 1);
  EXPECT_EQ(sy, 1);
  EXPECT_EQ(platform::GetRotation(), 0);
  EXPECT_EQ(platform::GetBlend(), platform::Blend::Alpha);
}

TEST_F(DrawTest, ClampFloatAppliesTheUpperBoundFirst) {
  EXPECT_EQ(ClampFloat(5, 0, 1), 1);
  EXPECT_EQ(ClampFloat(-5, 0, 1), 0);
  EXPECT_EQ(ClampFloat(0.5f, 0, 1), 0.5f);
  EXPECT_EQ(ClampFloat(0.5f, 3, 1), 3);  // lo above hi: lo wins
  EXPECT_EQ(ClampFloat(NAN, 2, 4), 2);
}

TEST_F(DrawTest, DrawTextAlignedOffsetsByTheUnscaledExtents) {
  const std::string text = "Abc";
  const int w = platform::TextWidth(text), h = platform::TextHeight();
  ASSERT_GT(w, 0);
  ASSERT_GT(h, 0);
  const struct {
    int hAlign, vAlign;
    int x, y;
  } cases[] = {{0, 0, 100, 50}, {1, 0, 100 - w / 2, 50}, {2, 2, 100 - w, 50 - h},
               {1, 1, 100 - w / 2, 50 - h / 2}, {5, -1, 100, 50}};
  for (const auto& c : cases) {
    hl::ClearDraws();
    DrawTextAligned(100, 50, text, c.hAlign, c.vAlign);
    ASSERT_EQ(hl::Draws().size(), 1u);
    EXPECT_EQ(hl::Draws()[0].kind, hl::DrawRecord::Kind::Text);
    EXPECT_EQ(hl::Draws()[0].x, c.x) << c.hAlign << "," << c.vAlign;
    EXPECT_EQ(hl::Draws()[0].y, c.y) << c.hAlign << "," << c.vAlign;
  }
}

TEST_F(DrawTest, MouseInRectIsStrictOnEveryEdge) {
  const struct {
    int mx, my;
    bool inside;
  } cases[] = {{10, 20, false}, {11, 21, true}, {40, 30, false}, {39, 29, true},
               {11, 20, false}, {10, 21, false}, {25, 30, false}};
  for (const auto& c : cases) {
    MouseX = c.mx;
    MouseY = c.my;
    EXPECT_EQ(MouseInRect(10, 20, 30, 10), c.inside) << c.mx << "," << c.my;
  }
}

TEST_F(DrawTest, CountedDrawPlacesTheScaledTopLeftAndRespectsItsBudget) {
  SetDrawScale(2);
  DrawCountedImage(sprite, 100, 50, 1, 1);
  ASSERT_EQ(Images().size(), 1u);
  EXPECT_EQ(Images()[0].x, 116);  // 100 + 16 * 2 / 2
  EXPECT_EQ(Images()[0].y, 66);
  EXPECT_EQ(Images()[0].frame, 1);
  EXPECT_EQ(DrawCounts[1], 1);

  DrawBudgets[1] = 1;
  DrawCountedImage(sprite, 0, 0, 0, 1);
  EXPECT_EQ(Images().size(), 1u);
  EXPECT_EQ(DrawCounts[1], 1);

  DrawBudgets[1] = 0;
  DrawCounts[1] = 0;
  DrawCountedImage(sprite, 0, 0, 0, 1);
  EXPECT_EQ(Images().size(), 1u);
}

TEST_F(DrawTest, SlowSystemSkipsCountedDrawsOnDroppedFrames) {
  Settings[SlowSystem] = 1;
  FrameParity = 1;
  DrawCountedImage(sprite, 0, 0, 0, 1);
  DrawGlowImage(sprite, 0, 0, 0, glow, 1.5f, 1);
  EXPECT_TRUE(Images().empty());
  EXPECT_EQ(DrawCounts[1], 0);
  EXPECT_EQ(DrawCounts[2], 0);
  FrameParity = 0;
  DrawCountedImage(sprite, 0, 0, 0, 1);
  EXPECT_EQ(Images().size(), 1u);
}

TEST_F(DrawTest, GlowIsConcentricAdditiveAndRestoresTheState) {
  SetDrawScale(2);
  platform::SetAlpha(0.5f);
  SetEngineBlend(1);
  DrawGlowImage(sprite, 10, 20, 0, glow, 1.5f, 0.8f);
  const auto images = Images();
  ASSERT_EQ(images.size(), 2u);
  EXPECT_EQ(images[0].x, images[1].x);
  EXPECT_EQ(images[0].y, images[1].y);
  EXPECT_FLOAT_EQ(images[1].scaleX, 3.0f);
  EXPECT_FLOAT_EQ(images[1].alpha, 0.4f);
  EXPECT_EQ(images[1].blend, platform::Blend::Light);
  EXPECT_EQ(DrawCounts[1], 1);
  EXPECT_EQ(DrawCounts[2], 1);
  float sx, sy;
  platform::GetScale(sx, sy);
  EXPECT_EQ(sx, 2);
  EXPECT_FLOAT_EQ(platform::GetAlpha(), 0.5f);
  EXPECT_EQ(platform::GetBlend(), platform::Blend::Alpha);

  // Budgets apart: with slot 1 spent, only the glow copy draws.
  hl::ClearDraws();
  DrawBudgets[1] = DrawCounts[1];
  DrawGlowImage(sprite, 10, 20, 0, glow, 1.5f, 0.8f);
  ASSERT_EQ(Images().size(), 1u);
  EXPECT_EQ(Images()[0].blend, platform::Blend::Light);
}

TEST_F(DrawTest, ClearFrameZeroesSlotsOneToTen) {
  DrawCounts.fill(7);
  ClearFrame();
  EXPECT_EQ(DrawCounts[0], 7);
  for (int slot = 1; slot <= 10; ++slot) EXPECT_EQ(DrawCounts[slot], 0);
  EXPECT_EQ(DrawCounts[11], 7);
}

}  // namespace
