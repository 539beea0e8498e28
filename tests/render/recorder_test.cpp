// recorder_test.cpp - the draw state and what the headless backend records.
#include <gtest/gtest.h>

#include <array>  // Required for: comparing colours and rectangles at once

#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "tests/render/test_pictures.h"

namespace {

using Kind = platform::headless::DrawRecord::Kind;

class RecorderTest : public testing::Test {
 protected:
  void SetUp() override {
    platform::Init();
    platform::headless::Reset();
  }
  void TearDown() override { platform::Shutdown(); }
  render_test::TempFolder folder;
};

TEST_F(RecorderTest, DrawStateStartsAtDefaultsAndClampsWhatItIsGiven) {
  int r = 0, g = 0, b = 0;
  float sx = 0, sy = 0;
  platform::GetColour(r, g, b);
  platform::GetScale(sx, sy);
  EXPECT_EQ((std::array<int, 3>{r, g, b}), (std::array<int, 3>{255, 255, 255}));
  EXPECT_EQ(platform::GetAlpha(), 1.0f);
  EXPECT_EQ(platform::GetBlend(), platform::Blend::Alpha);
  EXPECT_EQ(sx, 1.0f);
  EXPECT_EQ(sy, 1.0f);
  EXPECT_EQ(platform::GetRotation(), 0.0f);
  EXPECT_EQ(platform::GetFont(), nullptr);

  platform::SetColour(300, -5, 127);
  platform::GetColour(r, g, b);
  EXPECT_EQ((std::array<int, 3>{r, g, b}), (std::array<int, 3>{255, 0, 127}));
  platform::SetAlpha(1.7f);
  EXPECT_EQ(platform::GetAlpha(), 1.0f);
  platform::SetAlpha(-0.2f);
  EXPECT_EQ(platform::GetAlpha(), 0.0f);
  platform::SetScale(1, 3);
  platform::GetScale(sx, sy);
  EXPECT_EQ(sx, 1.0f);
  EXPECT_EQ(sy, 3.0f);
  platform::SetBlend(platform::Blend::Shade);
  EXPECT_EQ(platform::GetBlend(), platform::Blend::Shade);
  platform::SetBlend(static_cast<platform::Blend>(7));
  EXPECT_EQ(platform::GetBlend(), platform::Blend::Shade);

  platform::headless::Reset();
  EXPECT_EQ(platform::GetBlend(), platform::Blend::Alpha);
  EXPECT_EQ(platform::GetAlpha(), 1.0f);
}

TEST_F(RecorderTest, EveryDrawIsRecordedWithTheStateOfItsMoment) {
  platform::Image* strip = platform::LoadStrip(
      render_test::WritePicture(folder, "cells.png", render_test::Canvas(32, 16, {1, 2, 3, 255})),
      16, 16, 0, 2, platform::kImageMasked);
  ASSERT_NE(strip, nullptr);
  platform::Font* font =
      platform::LoadFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 18, true);
  ASSERT_NE(font, nullptr);

  platform::ClearBackBuffer();
  platform::SetColour(10, 20, 30);
  platform::SetAlpha(0.5f);
  platform::SetBlend(platform::Blend::Light);
  platform::SetScale(2, 3);
  platform::SetRotation(45);
  platform::DrawImage(strip, 100.5f, 200, 1);
  platform::SetRotation(0);
  platform::SetScale(1, 1);
  platform::SetBlend(platform::Blend::Shade);
  platform::SetFont(font);
  platform::DrawText("Quit", 7, 8);
  platform::SetFont(nullptr);
  platform::SetColour(255, 255, 0);
  platform::SetAlpha(0.7f);
  platform::SetBlend(platform::Blend::Solid);
  platform::DrawRect(0, 944, 320, 16);
  platform::DrawOval(3, 4, 2, 2);
  platform::DrawLine(1, 2, 3, 4);

  const auto& draws = platform::headless::Draws();
  ASSERT_EQ(draws.size(), 6u);
  EXPECT_EQ(draws[0].kind, Kind::Clear);

  const auto& sprite = draws[1];
  EXPECT_EQ(sprite.kind, Kind::Image);
  EXPECT_EQ(sprite.image, strip);
  EXPECT_EQ(sprite.text, "cells.png");
  EXPECT_EQ(sprite.frame, 1);
  EXPECT_EQ(sprite.x, 100.5f);
  EXPECT_EQ(sprite.y, 200.0f);
  EXPECT_EQ((std::array<int, 3>{sprite.r, sprite.g, sprite.b}), (std::array<int, 3>{10, 20, 30}));
  EXPECT_EQ(sprite.alpha, 0.5f);
  EXPECT_EQ(sprite.blend, platform::Blend::Light);
  EXPECT_EQ(sprite.scaleX, 2.0f);
  EXPECT_EQ(sprite.scaleY, 3.0f);
  EXPECT_EQ(sprite.rotation, 45.0f);

  const auto& text = draws[2];
  EXPECT_EQ(text.kind, Kind::Text);
  EXPECT_EQ(text.text, "Quit");
  EXPECT_EQ(text.font, font);
  EXPECT_EQ(text.blend, platform::Blend::Shade);
  EXPECT_EQ(text.rotation, 0.0f);

  const auto& band = draws[3];
  EXPECT_EQ(band.kind, Kind::Rect);
  EXPECT_EQ(band.font, nullptr);
  EXPECT_EQ((std::array<float, 4>{band.x, band.y, band.w, band.h}),
            (std::array<float, 4>{0, 944, 320, 16}));
  EXPECT_EQ((std::array<int, 3>{band.r, band.g, band.b}), (std::array<int, 3>{255, 255, 0}));
  EXPECT_EQ(band.alpha, 0.7f);
  EXPECT_EQ(band.blend, platform::Blend::Solid);
  EXPECT_EQ(draws[4].kind, Kind::Oval);
  EXPECT_EQ(draws[5].kind, Kind::Line);
  EXPECT_EQ((std::array<float, 4>{draws[5].x, draws[5].y, draws[5].w, draws[5].h}),
            (std::array<float, 4>{1, 2, 3, 4}));

  platform::UnloadFont(font);
  platform::UnloadImage(strip);
}

TEST_F(RecorderTest, PresentsSplitTheRecordIntoFramesAndCountQuads) {
  platform::DrawRect(0, 0, 1, 1);
  platform::Present(platform::Sync::None);
  platform::DrawRect(1, 1, 1, 1);
  platform::DrawText("ab c", 0, 0);  // three glyphs with ink: the space has none
  platform::Present(platform::Sync::None);

  const auto frame = platform::headless::DrawsOfLastFrame();
  ASSERT_EQ(frame.size(), 2u);
  EXPECT_EQ(frame[0].x, 1.0f);
  EXPECT_EQ(frame[0].presented, 1);
  EXPECT_EQ(frame[1].kind, Kind::Text);

  // The per-quad render cost sees one rectangle and three glyphs.
  platform::headless::SetRenderCost(0, 1000);  // 1 ms per quad
  platform::DrawRect(1, 1, 1, 1);
  platform::DrawText("ab c", 0, 0);
  const int64_t before = platform::ClockMillis();
  platform::Present(platform::Sync::None);
  EXPECT_EQ(platform::ClockMillis() - before, 4);
}

TEST_F(RecorderTest, RecordingCanBeSwitchedOffAndDrawsOutsideAnImageAreSkipped) {
  platform::Image* one = platform::LoadImage(
      render_test::WritePicture(folder, "one.png", render_test::Canvas(4, 4, {5, 5, 5, 255})), 0);
  ASSERT_NE(one, nullptr);
  platform::DrawImage(one, 0, 0, 1);        // no such frame
  platform::DrawImage(nullptr, 0, 0, 0);    // no image
  EXPECT_TRUE(platform::headless::Draws().empty());
  platform::headless::SetRecordDraws(false);
  platform::DrawImage(one, 0, 0, 0);
  EXPECT_TRUE(platform::headless::Draws().empty());
  platform::headless::SetRecordDraws(true);
  platform::DrawImage(one, 0, 0, 0);
  EXPECT_EQ(platform::headless::Draws().size(), 1u);
  platform::headless::ClearDraws();
  EXPECT_TRUE(platform::headless::Draws().empty());
  platform::UnloadImage(one);
}

TEST_F(RecorderTest, LogicalSizeIsReportedAndGrabsHaveTheAskedSize) {
  platform::SetLogicalSize(1600, 900);
  EXPECT_EQ(platform::headless::Display().logicalWidth, 1600);
  EXPECT_EQ(platform::headless::Display().logicalHeight, 900);
  const platform::Pixmap grab = platform::GrabBackBuffer(0, 0, 80, 60);
  EXPECT_EQ(grab.width, 80);
  EXPECT_EQ(grab.height, 60);
  EXPECT_EQ(grab.rgba.size(), 80u * 60u * 4u);
  platform::Image* frozen = platform::GrabImage(0, 0, 80, 60);
  ASSERT_NE(frozen, nullptr);
  EXPECT_EQ(platform::ImageWidth(frozen), 80);
  EXPECT_EQ(platform::ImageFrames(frozen), 1);
  platform::UnloadImage(frozen);
}

}  // namespace
