// collide_test.cpp - the pixel-exact overlap test, as a table of placements.
//
// Pictures: a solid 16 x 16 square; a 16 x 16 square whose left half is pure
// black (transparent once masked); a 32 x 32 ring with a 16 x 16 hole; an
// 8 x 8 dot; and a two-frame strip whose second frame is empty. Each case
// places two frames at integer points under one scale and rotation.
#include <gtest/gtest.h>

#include <cctype>  // Required for: test names from case names

#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "tests/render/test_pictures.h"

namespace {

using render_test::Rgba;

struct Pictures {
  render_test::TempFolder folder;
  platform::Image* square = nullptr;
  platform::Image* halfSquare = nullptr;
  platform::Image* ring = nullptr;
  platform::Image* dot = nullptr;
  platform::Image* strip = nullptr;

  Pictures() {
    const Rgba red{220, 40, 40, 255}, black{0, 0, 0, 255};
    square = Load("square.png", render_test::Canvas(16, 16, red));
    platform::Pixmap half = render_test::Canvas(16, 16, red);
    render_test::Fill(half, 0, 0, 8, 16, black);
    halfSquare = Load("half.png", half);
    platform::Pixmap ringPicture = render_test::Canvas(32, 32, red);
    render_test::Fill(ringPicture, 8, 8, 16, 16, black);
    ring = Load("ring.png", ringPicture);
    dot = Load("dot.png", render_test::Canvas(8, 8, red));
    platform::Pixmap sheet = render_test::Canvas(32, 16, red);
    render_test::Fill(sheet, 16, 0, 16, 16, black);
    strip = platform::LoadStrip(render_test::WritePicture(folder, "strip.png", sheet), 16, 16, 0,
                                2, platform::kImageMasked);
  }
  ~Pictures() {
    for (platform::Image* image : {square, halfSquare, ring, dot, strip}) {
      platform::UnloadImage(image);
    }
  }
  platform::Image* Load(const std::string& name, const platform::Pixmap& p) {
    return platform::LoadImage(render_test::WritePicture(folder, name, p),
                               platform::kImageMasked | platform::kImageFiltered);
  }
};

enum Picture { kSquare, kHalf, kRing, kDot, kStripFull, kStripEmpty };

struct Case {
  const char* name;
  Picture a;
  int ax, ay;
  Picture b;
  int bx, by;
  float scale, rotation;
  bool overlap;
};

const Case kCases[] = {
    {"one pixel apart", kSquare, 0, 0, kSquare, 17, 0, 1, 0, false},
    {"edges meeting share no pixel", kSquare, 0, 0, kSquare, 16, 0, 1, 0, false},
    {"one column shared", kSquare, 0, 0, kSquare, 15, 0, 1, 0, true},
    {"one row shared", kSquare, 0, 0, kSquare, 0, -15, 1, 0, true},
    {"corners share one pixel", kSquare, 0, 0, kSquare, 15, 15, 1, 0, true},
    {"corners one pixel apart diagonally", kSquare, 0, 0, kSquare, 16, 16, 1, 0, false},
    {"only transparent pixels on the opaque ones", kSquare, 0, 0, kHalf, 12, 0, 1, 0, false},
    {"opaque half reaches in by one pixel", kSquare, 0, 0, kHalf, 7, 0, 1, 0, true},
    {"halves offset downwards share opaque pixels", kHalf, 0, 0, kHalf, 0, 3, 1, 0, true},
    {"square apart unrotated", kSquare, 0, 0, kSquare, 18, 0, 1, 0, false},
    {"rotated 45 degrees the corners meet", kSquare, 0, 0, kSquare, 18, 0, 1, 45, true},
    {"rotated 45 degrees corner to corner diagonal", kSquare, 0, 0, kSquare, 15, 15, 1, 45, false},
    {"rotated 45 degrees far apart", kSquare, 0, 0, kSquare, 24, 0, 1, 45, false},
    {"apart at scale 1", kSquare, 0, 0, kSquare, 24, 0, 1, 0, false},
    {"overlapping at scale 2", kSquare, 0, 0, kSquare, 24, 0, 2, 0, true},
    {"edges meeting at scale 2", kSquare, 0, 0, kSquare, 32, 0, 2, 0, false},
    {"one column shared at scale 2", kSquare, 0, 0, kSquare, 31, 0, 2, 0, true},
    {"dot inside the hole", kRing, 0, 0, kDot, 0, 0, 1, 0, false},
    {"dot touching the hole's edge from inside", kRing, 0, 0, kDot, 4, 4, 1, 0, false},
    {"dot reaching into the ring", kRing, 0, 0, kDot, 5, 0, 1, 0, true},
    {"dot inside the hole at scale 2", kRing, 0, 0, kDot, 0, 0, 2, 0, false},
    {"dot reaching into the ring at scale 2", kRing, 0, 0, kDot, 9, 0, 2, 0, true},
    {"dot inside the hole rotated", kRing, 0, 0, kDot, 0, 0, 1, 30, false},
    {"opaque strip frame", kSquare, 0, 0, kStripFull, 4, 4, 1, 0, true},
    {"empty strip frame", kSquare, 0, 0, kStripEmpty, 4, 4, 1, 0, false},
};

class CollideTest : public testing::TestWithParam<Case> {
 protected:
  void SetUp() override {
    platform::Init();
    platform::headless::Reset();
  }
  void TearDown() override { platform::Shutdown(); }

  static const Pictures& Shared() {
    static Pictures pictures;
    return pictures;
  }
  static const platform::Image* ImageOf(Picture p) {
    const Pictures& s = Shared();
    switch (p) {
      case kSquare: return s.square;
      case kHalf: return s.halfSquare;
      case kRing: return s.ring;
      case kDot: return s.dot;
      case kStripFull:
      case kStripEmpty: return s.strip;
    }
    return nullptr;
  }
  static int FrameOf(Picture p) { return p == kStripEmpty ? 1 : 0; }
};

TEST_P(CollideTest, OverlapIsFoundExactlyWhenOpaquePixelsMeet) {
  const Case& c = GetParam();
  const platform::Image* a = ImageOf(c.a);
  const platform::Image* b = ImageOf(c.b);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  platform::SetScale(c.scale, c.scale);
  platform::SetRotation(c.rotation);
  EXPECT_EQ(platform::ImagesCollide(a, c.ax, c.ay, FrameOf(c.a), b, c.bx, c.by, FrameOf(c.b)),
            c.overlap);
  // The test is symmetric: swapping the two frames gives the same answer.
  EXPECT_EQ(platform::ImagesCollide(b, c.bx, c.by, FrameOf(c.b), a, c.ax, c.ay, FrameOf(c.a)),
            c.overlap);
}

std::string CaseName(const testing::TestParamInfo<Case>& info) {
  std::string name;
  for (const char* p = info.param.name; *p; ++p) name += std::isalnum(*p) ? *p : '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Placements, CollideTest, testing::ValuesIn(kCases), CaseName);

TEST(CollideEdges, MissingImagesFramesOutOfRangeAndZeroScaleNeverOverlap) {
  platform::Init();
  platform::headless::Reset();
  render_test::TempFolder folder;
  platform::Image* square = platform::LoadImage(
      render_test::WritePicture(folder, "s.png", render_test::Canvas(16, 16, {9, 9, 9, 255})), 0);
  ASSERT_NE(square, nullptr);
  EXPECT_TRUE(platform::ImagesCollide(square, 0, 0, 0, square, 1, 1, 0));
  EXPECT_FALSE(platform::ImagesCollide(nullptr, 0, 0, 0, square, 0, 0, 0));
  EXPECT_FALSE(platform::ImagesCollide(square, 0, 0, 1, square, 0, 0, 0));
  EXPECT_FALSE(platform::ImagesCollide(square, 0, 0, 0, square, 0, 0, -1));
  platform::SetScale(0, 1);
  EXPECT_FALSE(platform::ImagesCollide(square, 0, 0, 0, square, 0, 0, 0));
  platform::UnloadImage(square);
  platform::Shutdown();
}

}  // namespace
