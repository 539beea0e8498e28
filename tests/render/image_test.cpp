// image_test.cpp - PNG files, masks and the cutting of strips into frames.
#include <gtest/gtest.h>

#include <fstream>  // Required for: damaging a file on purpose
#include <random>   // Required for: a noisy picture

#include "platform/common/image_data.h"  // Required for: pixels and masks of a loaded image
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "tests/render/test_pictures.h"

namespace {

using render_test::Rgba;

class ImageTest : public testing::Test {
 protected:
  void SetUp() override {
    platform::Init();
    platform::headless::Reset();
  }
  void TearDown() override { platform::Shutdown(); }
  render_test::TempFolder folder;
};

TEST_F(ImageTest, PngWrittenAtEveryLevelReadsBackEqual) {
  platform::Pixmap noise = render_test::Canvas(37, 23, {});
  std::mt19937 random(7);
  for (uint8_t& byte : noise.rgba) byte = uint8_t(random());
  for (int level : {0, 6, 9}) {
    const std::string path = folder.Path("noise" + std::to_string(level) + ".png");
    ASSERT_TRUE(platform::SavePng(noise, path, level));
    platform::Pixmap back;
    ASSERT_TRUE(platform::LoadPng(path, back));
    EXPECT_EQ(back.width, 37);
    EXPECT_EQ(back.height, 23);
    EXPECT_EQ(back.rgba, noise.rgba) << "level " << level;
  }
}

TEST_F(ImageTest, HigherCompressionLevelGivesNoLargerFile) {
  platform::Pixmap stripes = render_test::Canvas(256, 256, {10, 20, 30, 255});
  for (int y = 0; y < 256; y += 4) render_test::Fill(stripes, 0, y, 256, 2, {200, 100, 0, 255});
  ASSERT_TRUE(platform::SavePng(stripes, folder.Path("fast.png"), 0));
  ASSERT_TRUE(platform::SavePng(stripes, folder.Path("small.png"), 9));
  std::ifstream fast(folder.Path("fast.png"), std::ios::binary | std::ios::ate);
  std::ifstream small(folder.Path("small.png"), std::ios::binary | std::ios::ate);
  EXPECT_LT(small.tellg(), fast.tellg());
}

TEST_F(ImageTest, BadFilesAndBadPixmapsFailCleanly) {
  platform::Pixmap p;
  EXPECT_FALSE(platform::LoadPng(folder.Path("missing.png"), p));
  {
    std::ofstream text(folder.Path("text.png"));
    text << "not a picture";
  }
  EXPECT_FALSE(platform::LoadPng(folder.Path("text.png"), p));
  // A PNG cut off half way.
  const platform::Pixmap big = render_test::Canvas(64, 64, {1, 2, 3, 255});
  ASSERT_TRUE(platform::SavePng(big, folder.Path("whole.png"), 0));
  std::string bytes;
  ASSERT_TRUE(platform::ReadWholeFile(folder.Path("whole.png"), bytes));
  {
    std::ofstream cut(folder.Path("cut.png"), std::ios::binary);
    cut << bytes.substr(0, bytes.size() / 2);
  }
  EXPECT_FALSE(platform::LoadPng(folder.Path("cut.png"), p));
  EXPECT_EQ(platform::LoadImage(folder.Path("cut.png"), 0), nullptr);

  platform::Pixmap wrongSize = render_test::Canvas(4, 4, {});
  wrongSize.rgba.pop_back();
  EXPECT_FALSE(platform::SavePng(wrongSize, folder.Path("wrong.png"), 9));
  EXPECT_FALSE(platform::SavePng(big, folder.Path("no/such/folder.png"), 9));
}

// A 3 x 2 sheet of 8 x 8 cells (plus 3 spare columns that make no cell),
// each cell filled with red = 10 x its index.
platform::Pixmap NumberedSheet() {
  platform::Pixmap sheet = render_test::Canvas(27, 16, {});
  for (int cell = 0; cell < 6; ++cell) {
    render_test::Fill(sheet, (cell % 3) * 8, (cell / 3) * 8, 8, 8,
                      {uint8_t(10 * (cell + 1)), 0, 0, 255});
  }
  return sheet;
}

TEST_F(ImageTest, StripFramesReadLeftToRightThenTopToBottomFromTheFirstCell) {
  const std::string path = render_test::WritePicture(folder, "sheet.png", NumberedSheet());
  platform::Image* strip = platform::LoadStrip(path, 8, 8, 2, 3, 0);
  ASSERT_NE(strip, nullptr);
  EXPECT_EQ(platform::ImageWidth(strip), 8);
  EXPECT_EQ(platform::ImageHeight(strip), 8);
  EXPECT_EQ(platform::ImageFrames(strip), 3);
  for (int frame = 0; frame < 3; ++frame) {
    const uint8_t* px = platform::FramePixels(*strip, frame);
    // Cells 2, 3 and 4: the last of the first row, then the second row.
    EXPECT_EQ(px[0], 10 * (frame + 3)) << "frame " << frame;
    EXPECT_EQ(px[(7 * 8 + 7) * 4], 10 * (frame + 3)) << "frame " << frame;
  }
  platform::UnloadImage(strip);
}

TEST_F(ImageTest, StripAskingForMoreCellsThanTheSheetHoldsFails) {
  const std::string path = render_test::WritePicture(folder, "sheet.png", NumberedSheet());
  EXPECT_EQ(platform::LoadStrip(path, 8, 8, 4, 3, 0), nullptr);
  EXPECT_EQ(platform::LoadStrip(path, 8, 8, 6, 1, 0), nullptr);
  EXPECT_EQ(platform::LoadStrip(path, 32, 8, 0, 1, 0), nullptr);
  EXPECT_EQ(platform::LoadStrip(path, 0, 8, 0, 1, 0), nullptr);
  platform::Image* lastTwo = platform::LoadStrip(path, 8, 8, 4, 2, 0);
  ASSERT_NE(lastTwo, nullptr);
  EXPECT_EQ(platform::ImageFrames(lastTwo), 2);
  platform::UnloadImage(lastTwo);
  EXPECT_EQ(platform::LoadStrip(folder.Path("missing.png"), 8, 8, 0, 1, 0), nullptr);
}

TEST_F(ImageTest, MaskTurnsOnlyPureBlackTransparent) {
  platform::Pixmap p = render_test::Canvas(4, 1, {0, 0, 0, 255});
  render_test::Fill(p, 1, 0, 1, 1, {1, 0, 0, 255});     // nearly black
  render_test::Fill(p, 2, 0, 1, 1, {0, 0, 1, 255});     // nearly black
  render_test::Fill(p, 3, 0, 1, 1, {90, 90, 90, 60});   // faint: below the opaque limit
  const std::string path = render_test::WritePicture(folder, "mask.png", p);

  platform::Image* masked = platform::LoadImage(path, platform::kImageMasked);
  ASSERT_NE(masked, nullptr);
  EXPECT_FALSE(platform::MaskBit(*masked, 0, 0, 0));
  EXPECT_EQ(platform::FramePixels(*masked, 0)[3], 0);
  EXPECT_TRUE(platform::MaskBit(*masked, 0, 1, 0));
  EXPECT_TRUE(platform::MaskBit(*masked, 0, 2, 0));
  EXPECT_FALSE(platform::MaskBit(*masked, 0, 3, 0));

  platform::Image* plain = platform::LoadImage(path, 0);
  ASSERT_NE(plain, nullptr);
  EXPECT_TRUE(platform::MaskBit(*plain, 0, 0, 0));
  EXPECT_EQ(platform::FramePixels(*plain, 0)[3], 255);
  platform::UnloadImage(masked);
  platform::UnloadImage(plain);
}

TEST_F(ImageTest, MasksFollowEachFrameAcrossWideCells) {
  // 70-pixel-wide cells need two mask words per row; mark one pixel beyond the first.
  platform::Pixmap sheet = render_test::Canvas(140, 3, {0, 0, 0, 255});
  render_test::Fill(sheet, 66, 1, 1, 1, {255, 255, 255, 255});   // frame 0, x 66
  render_test::Fill(sheet, 70 + 2, 2, 1, 1, {255, 255, 255, 255});  // frame 1, x 2
  platform::Image* strip = platform::LoadStrip(
      render_test::WritePicture(folder, "wide.png", sheet), 70, 3, 0, 2, platform::kImageMasked);
  ASSERT_NE(strip, nullptr);
  int opaque[2] = {0, 0};
  for (int f = 0; f < 2; ++f) {
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 70; ++x) opaque[f] += platform::MaskBit(*strip, f, x, y);
    }
  }
  EXPECT_EQ(opaque[0], 1);
  EXPECT_EQ(opaque[1], 1);
  EXPECT_TRUE(platform::MaskBit(*strip, 0, 66, 1));
  EXPECT_TRUE(platform::MaskBit(*strip, 1, 2, 2));
  platform::UnloadImage(strip);
}

// Four 8 x 6 frames on black: nothing; two faint dots; a white dot beside a
// black block; white all over.
TEST_F(ImageTest, VisibleBoxIsTheTightBoxOfPixelsNotFullyTransparent) {
  platform::Pixmap sheet = render_test::Canvas(32, 6, {0, 0, 0, 255});
  render_test::Fill(sheet, 8 + 2, 1, 1, 1, {40, 0, 0, 1});
  render_test::Fill(sheet, 8 + 5, 4, 1, 1, {0, 40, 0, 1});
  render_test::Fill(sheet, 16 + 2, 2, 4, 3, {0, 0, 0, 255});
  render_test::Fill(sheet, 16 + 7, 5, 1, 1, {255, 255, 255, 255});
  render_test::Fill(sheet, 24, 0, 8, 6, {255, 255, 255, 255});
  const std::string path = render_test::WritePicture(folder, "boxes.png", sheet);
  struct Case {
    unsigned flags;
    int frame;
    bool empty;
    platform::PixelBox box;
  };
  const Case cases[] = {
      {platform::kImageMasked, 0, true, {}},
      {platform::kImageMasked, 1, false, {2, 1, 6, 5}},  // alpha 1 is still visible
      {platform::kImageMasked, 2, false, {7, 5, 8, 6}},  // the masked block is not
      {platform::kImageMasked, 3, false, {0, 0, 8, 6}},
      {0, 0, false, {0, 0, 8, 6}},  // unmasked, black is a colour like any other
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("flags " + std::to_string(c.flags) + ", frame " + std::to_string(c.frame));
    platform::Image* strip = platform::LoadStrip(path, 8, 6, 0, 4, c.flags);
    ASSERT_NE(strip, nullptr);
    ASSERT_EQ(strip->visibleBoxes.size(), 4u);
    const platform::PixelBox& got = strip->visibleBoxes[size_t(c.frame)];
    EXPECT_EQ(got.Empty(), c.empty);
    if (!c.empty) {
      EXPECT_EQ(got.left, c.box.left);
      EXPECT_EQ(got.top, c.box.top);
      EXPECT_EQ(got.right, c.box.right);
      EXPECT_EQ(got.bottom, c.box.bottom);
    }
    platform::UnloadImage(strip);
  }
}

}  // namespace
