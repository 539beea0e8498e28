// text_test.cpp - text width and height, from a TrueType file and from the
// built-in font that stands in when the file is missing.
#include <gtest/gtest.h>

#include "platform/common/font_raster.h"  // Required for: looking at the built-in glyphs
#include "platform/headless/headless.h"
#include "platform/platform.h"

namespace {

const char* kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

class TextTest : public testing::Test {
 protected:
  void SetUp() override {
    platform::Init();
    platform::headless::Reset();
  }
  void TearDown() override { platform::Shutdown(); }
};

TEST_F(TextTest, TrueTypeWidthIsTheSumOfAdvancesAndProportional) {
  platform::Font* font = platform::LoadFont(kDejaVu, 20, true);
  ASSERT_NE(font, nullptr);
  platform::SetFont(font);
  EXPECT_EQ(platform::TextWidth(""), 0);
  const int i = platform::TextWidth("i"), w = platform::TextWidth("W");
  EXPECT_GT(i, 0);
  EXPECT_GT(w, 2 * i);  // a proportional face
  EXPECT_EQ(platform::TextWidth("iWiW"), 2 * i + 2 * w);
  EXPECT_EQ(platform::TextWidth("AV"), platform::TextWidth("A") + platform::TextWidth("V"))
      << "advances only, no kerning";
  // Scale is not part of the width.
  platform::SetScale(3, 3);
  EXPECT_EQ(platform::TextWidth("W"), w);
  platform::UnloadFont(font);
}

TEST_F(TextTest, LineHeightFollowsThePixelSize) {
  platform::Font* small = platform::LoadFont(kDejaVu, 16, true);
  platform::Font* large = platform::LoadFont(kDejaVu, 64, true);
  ASSERT_NE(small, nullptr);
  ASSERT_NE(large, nullptr);
  platform::SetFont(small);
  const int smallHeight = platform::TextHeight();
  const int smallWidth = platform::TextWidth("Crownlift");
  platform::SetFont(large);
  const int largeHeight = platform::TextHeight();
  const int largeWidth = platform::TextWidth("Crownlift");
  // A line is at least the pixel size and not much more.
  EXPECT_GE(smallHeight, 16);
  EXPECT_LE(smallHeight, 24);
  EXPECT_GE(largeHeight, 64);
  EXPECT_LE(largeHeight, 96);
  EXPECT_NEAR(double(largeWidth) / smallWidth, 4.0, 0.3);
  platform::UnloadFont(small);
  platform::UnloadFont(large);
}

TEST_F(TextTest, MissingFontFileFallsBackToTheBuiltInFont) {
  platform::Font* missing = platform::LoadFont("/nonexistent/November.ttf", 24, true);
  EXPECT_EQ(missing, nullptr);
  platform::SetFont(missing);
  EXPECT_EQ(platform::GetFont(), nullptr);
  // Fixed advance, one line height, for every character it draws.
  const int one = platform::TextWidth("M");
  EXPECT_GT(one, 0);
  EXPECT_EQ(platform::TextWidth("Hello, World"), 12 * one);
  EXPECT_EQ(platform::TextWidth("il"), platform::TextWidth("MW"));
  EXPECT_GT(platform::TextHeight(), 0);
}

TEST_F(TextTest, BuiltInFontHasInkForEveryPrintableCharacter) {
  const platform::Font& font = *platform::BuiltinFont();
  for (int c = 33; c < 127; ++c) {
    const platform::Glyph& g = font.glyphs[c];
    int ink = 0;
    for (int y = 0; y < g.h; ++y) {
      for (int x = 0; x < g.w; ++x) ink += font.coverage[size_t(g.y + y) * font.atlasWidth + g.x + x] > 0;
    }
    EXPECT_GT(ink, 0) << "character " << char(c);
    EXPECT_LE(g.top + g.h, font.lineHeight) << "character " << char(c);
  }
  // No two letters look the same.
  for (int a = 'A'; a <= 'z'; ++a) {
    for (int b = a + 1; b <= 'z'; ++b) {
      const platform::Glyph& ga = font.glyphs[a];
      const platform::Glyph& gb = font.glyphs[b];
      bool same = true;
      for (int y = 0; y < ga.h && same; ++y) {
        for (int x = 0; x < ga.w && same; ++x) {
          same = font.coverage[size_t(ga.y + y) * font.atlasWidth + ga.x + x] ==
                 font.coverage[size_t(gb.y + y) * font.atlasWidth + gb.x + x];
        }
      }
      EXPECT_FALSE(same) << char(a) << " and " << char(b);
    }
  }
}

TEST_F(TextTest, UnloadingTheCurrentFontSelectsTheBuiltInOne) {
  platform::Font* font = platform::LoadFont(kDejaVu, 30, false);
  ASSERT_NE(font, nullptr);
  platform::SetFont(font);
  const int trueTypeHeight = platform::TextHeight();
  platform::UnloadFont(font);
  EXPECT_EQ(platform::GetFont(), nullptr);
  EXPECT_NE(platform::TextHeight(), trueTypeHeight);
}

}  // namespace
