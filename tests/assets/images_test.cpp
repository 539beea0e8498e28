// Images the build ships: sizes, cell counts, the mask rule, and the few
// geometric promises the game's drawing relies on (cells that are used hold
// something, the pointer's tip is its cell's corner, tiles join, the pole
// reaches from its top to the ground).
#include <gtest/gtest.h>  // Required for: TEST, EXPECT_*

#include <cctype>   // Required for: std::isalnum (test names)
#include <cstdlib>  // Required for: std::abs
#include <string>   // Required for: paths
#include <vector>   // Required for: cell bytes

#include "asset_files.h"  // Required for: ReadPng, FilesDir, OpaqueCount

namespace assettest {
namespace {

struct ImageCase {
  const char* path;  // under Files/
  int width, height;
  int cellWidth, cellHeight, cells;  // the strip the program asks for
};

const ImageCase kImages[] = {
    {"Common/icons.png", 128, 128, 16, 16, 64},
    {"Common/logopack.png", 400, 200, 400, 200, 1},
    {"Common/Brasslane.png", 400, 200, 400, 200, 1},
    {"270/logo.png", 600, 200, 600, 200, 1},
    {"270/folk.png", 320, 320, 32, 32, 100},
    {"270/badges.png", 256, 256, 64, 64, 16},
    {"270/wockit.png", 32, 32, 32, 32, 1},
    {"270/grip.png", 16, 16, 16, 16, 1},
    {"270/top.png", 320, 64, 320, 64, 1},
    {"270/bot.png", 320, 32, 320, 32, 1},
    {"270/stick.png", 16, 128, 16, 128, 1},
    {"270/smash.png", 40, 40, 40, 40, 1},
    {"270/smashb.png", 16, 16, 16, 16, 1},
};

Png Load(const std::string& path) { return ReadPng(FilesDir() + "/" + path); }

class ShippedImage : public testing::TestWithParam<ImageCase> {};

TEST_P(ShippedImage, HasItsSizeAndHoldsTheCellsTheProgramAsksFor) {
  const ImageCase& c = GetParam();
  Png png = Load(c.path);
  ASSERT_TRUE(png.ok) << c.path;
  EXPECT_EQ(png.width, c.width);
  EXPECT_EQ(png.height, c.height);
  EXPECT_GE((png.width / c.cellWidth) * (png.height / c.cellHeight), c.cells);
}

// Masked loading makes pure black transparent: a visible pixel must never be
// pure black (it would vanish), and a transparent one must be pure black
// (so a loader that ignores alpha still sees it as transparent).
TEST_P(ShippedImage, KeepsTheMaskRule) {
  const ImageCase& c = GetParam();
  Png png = Load(c.path);
  ASSERT_TRUE(png.ok) << c.path;
  int visibleBlack = 0, hiddenColour = 0, visible = 0;
  for (int y = 0; y < png.height; ++y) {
    for (int x = 0; x < png.width; ++x) {
      const uint8_t* p = png.At(x, y);
      bool black = p[0] == 0 && p[1] == 0 && p[2] == 0;
      if (p[3] > 0) ++visible;
      if (p[3] > 0 && black) ++visibleBlack;
      if (p[3] == 0 && !black) ++hiddenColour;
    }
  }
  EXPECT_EQ(visibleBlack, 0) << c.path;
  EXPECT_EQ(hiddenColour, 0) << c.path;
  EXPECT_GT(visible, 0) << c.path;
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedImage, testing::ValuesIn(kImages),
                         [](const testing::TestParamInfo<ImageCase>& param) {
                           std::string name = param.param.path;
                           for (char& ch : name)
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return name;
                         });

TEST(StripCells, EveryCellTheGameDrawsHoldsASprite) {
  struct Strip {
    const char* path;
    int cell;
    std::vector<int> used;
  };
  const Strip strips[] = {
      {"270/folk.png", 32, {0, 1, 2, 3, 4, 10, 11, 12, 13, 14}},
      {"270/badges.png", 64, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
      // Cell 0 is small on purpose; it has its own test below.
      {"Common/icons.png", 16, {3, 7, 8, 9, 10, 11, 12, 13, 14, 18, 19, 21, 22, 23, 24, 25,
                                26, 27, 28, 29, 63}},
  };
  for (const Strip& s : strips) {
    Png png = Load(s.path);
    ASSERT_TRUE(png.ok) << s.path;
    int across = png.width / s.cell;
    for (int cell : s.used) {
      int x = (cell % across) * s.cell, y = (cell / across) * s.cell;
      // A real sprite, not a speck: at least a tenth of the cell.
      EXPECT_GT(OpaqueCount(png, x, y, s.cell, s.cell), s.cell * s.cell / 10)
          << s.path << " cell " << cell;
    }
  }
}

TEST(StripCells, WalkAndHangFramesDifferAndTheRoyalsDifferFromEachOther) {
  Png folk = Load("270/folk.png");
  ASSERT_TRUE(folk.ok);
  auto cellBytes = [&](int cell) {
    std::vector<uint8_t> out;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const uint8_t* p = folk.At((cell % 10) * 32 + x, (cell / 10) * 32 + y);
        out.insert(out.end(), p, p + 4);
      }
    return out;
  };
  auto countDistinct = [](const std::vector<std::vector<uint8_t>>& cells) {
    size_t distinct = 0;
    for (size_t i = 0; i < cells.size(); ++i) {
      bool seen = false;
      for (size_t j = 0; j < i; ++j) seen = seen || cells[i] == cells[j];
      distinct += !seen;
    }
    return distinct;
  };
  for (int royal : {0, 10}) {
    std::vector<std::vector<uint8_t>> frames;
    for (int f = 0; f < 5; ++f) frames.push_back(cellBytes(royal + f));
    EXPECT_EQ(countDistinct(frames), 5u) << "royal starting at cell " << royal;
  }
  for (int f = 0; f < 5; ++f) EXPECT_NE(cellBytes(f), cellBytes(10 + f)) << "frame " << f;

  Png badges = Load("270/badges.png");
  ASSERT_TRUE(badges.ok);
  std::vector<std::vector<uint8_t>> cells;
  for (int b = 0; b < 16; ++b) {
    std::vector<uint8_t> cell;
    for (int y = 0; y < 64; ++y) {
      const uint8_t* row = badges.At((b % 4) * 64, (b / 4) * 64 + y);
      cell.insert(cell.end(), row, row + 64 * 4);
    }
    cells.push_back(cell);
  }
  EXPECT_EQ(countDistinct(cells), 16u);
}

// The calibration draws thousands of cell 0 to time the machine's sprite
// throughput, so it must be a small sprite, not a cell full of pixels to fill:
// everything inside the centre 8 x 8, with a solid core light enough that the
// calibration's tints colour it.
TEST(TestSprite, Cell0IsASmallLightSpriteInTheCentre) {
  Png icons = Load("Common/icons.png");
  ASSERT_TRUE(icons.ok);
  EXPECT_EQ(OpaqueCount(icons, 0, 0, 16, 16), OpaqueCount(icons, 4, 4, 8, 8));
  EXPECT_GE(OpaqueCount(icons, 4, 4, 8, 8), 16);
  const uint8_t* core = icons.At(8, 8);
  EXPECT_EQ(core[3], 255);
  for (int channel = 0; channel < 3; ++channel) EXPECT_GE(core[channel], 224) << channel;
}

TEST(Pointer, TipIsTheTopLeftPixelOfCell63) {
  Png icons = Load("Common/icons.png");
  ASSERT_TRUE(icons.ok);
  const int x = (63 % 8) * 16, y = (63 / 8) * 16;
  EXPECT_GT(icons.At(x, y)[3], 0);
  // The arrow points up-left: its top row is narrow, its top-right corner empty.
  EXPECT_EQ(icons.At(x + 15, y)[3], 0);
  EXPECT_LE(OpaqueCount(icons, x, y, 16, 1), 3);
}

TEST(Scenery, TilesJoinAndAreSolidWhereTheyMeetTheGround) {
  Png top = Load("270/top.png");
  ASSERT_TRUE(top.ok);
  // Seamless: the first and last columns start their solid part at about
  // the same height.
  auto firstSolid = [&](int x) {
    for (int y = 0; y < top.height; ++y)
      if (top.At(x, y)[3] == 255) return y;
    return top.height;
  };
  EXPECT_LE(std::abs(firstSolid(0) - firstSolid(top.width - 1)), 1);
  // Rows overlap with no see-through gap: the lowest row is fully opaque.
  EXPECT_EQ(OpaqueCount(top, 0, top.height - 1, top.width, 1), top.width);
  // The hill line leaves sky above it somewhere (it is a line, not a block).
  EXPECT_LT(OpaqueCount(top, 0, 0, top.width, 1), top.width / 2);

  Png bot = Load("270/bot.png");
  ASSERT_TRUE(bot.ok);
  EXPECT_EQ(OpaqueCount(bot, 0, 0, bot.width, bot.height), bot.width * bot.height);
}

TEST(Scenery, PoleReachesFromItsTopToTheGround) {
  // Drawn at scale 2 centred 128 below the pole top: its first and last
  // rows are the pole top and the ground.
  Png stick = Load("270/stick.png");
  ASSERT_TRUE(stick.ok);
  EXPECT_GT(OpaqueCount(stick, 0, 0, stick.width, 2), 0);
  EXPECT_GT(OpaqueCount(stick, 0, stick.height - 2, stick.width, 2), 0);
  for (int y = 0; y < stick.height; y += 8) {
    EXPECT_GT(OpaqueCount(stick, 0, y, stick.width, 1), 0) << "gap at row " << y;
  }
}

}  // namespace
}  // namespace assettest
