// gl_pixels_test.cpp - what the OpenGL renderer really puts in the back buffer.
//
// Runs on the SDL backend under Xvfb (Mesa's software rasteriser): a window of
// 800 x 600, drawing, then the frame in progress read back and its pixels
// checked. Most tests use a logical size equal to the window so a logical
// pixel is a window pixel.
#include <gtest/gtest.h>

#include <cstdlib>  // Required for: std::abs

#include "platform/common/font_raster.h"  // Required for: the built-in glyphs
#include "platform/platform.h"
#include "platform/sdl/gl_atlas.h"      // Required for: the trimmed quad of a frame
#include "platform/sdl/gl_batch.h"      // Required for: draw calls and quads queued
#include "platform/sdl/sdl_internal.h"  // Required for: window <-> logical mapping
#include "tests/render/test_pictures.h"

namespace {

using render_test::PixelAt;
using render_test::Rgba;

constexpr int kWidth = 800, kHeight = 600;
const char* kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

class Window : public testing::Environment {
 public:
  void SetUp() override {
    platform::Init();
    ASSERT_TRUE(platform::OpenDisplay(kWidth, kHeight, 0, 60)) << platform::LastDisplayError();
  }
  void TearDown() override {
    platform::CloseDisplay();
    platform::Shutdown();
  }
};
const auto* const kWindow = testing::AddGlobalTestEnvironment(new Window);

class GlPixelsTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(platform::DisplayIsOpen());
    platform::SetLogicalSize(kWidth, kHeight);
    platform::SetColour(255, 255, 255);
    platform::SetAlpha(1);
    platform::SetBlend(platform::Blend::Alpha);
    platform::SetScale(1, 1);
    platform::SetRotation(0);
    platform::SetFont(nullptr);
    platform::ClearBackBuffer();
  }
  void TearDown() override { platform::Present(platform::Sync::None); }

  static platform::Pixmap Grab() { return platform::GrabBackBuffer(0, 0, kWidth, kHeight); }

  render_test::TempFolder folder;
};

::testing::AssertionResult Near(Rgba got, Rgba want, int tolerance = 2) {
  if (std::abs(got.r - want.r) <= tolerance && std::abs(got.g - want.g) <= tolerance &&
      std::abs(got.b - want.b) <= tolerance) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "got (" << int(got.r) << ", " << int(got.g) << ", " << int(got.b) << "), want ("
         << int(want.r) << ", " << int(want.g) << ", " << int(want.b) << ")";
}

TEST_F(GlPixelsTest, FilledRectangleCoversExactlyItsPixelsInItsColour) {
  platform::SetColour(200, 100, 50);
  platform::DrawRect(100, 120, 50, 40);
  const platform::Pixmap p = Grab();
  EXPECT_TRUE(Near(PixelAt(p, 100, 120), {200, 100, 50}));
  EXPECT_TRUE(Near(PixelAt(p, 149, 159), {200, 100, 50}));
  EXPECT_TRUE(Near(PixelAt(p, 99, 120), {0, 0, 0}));
  EXPECT_TRUE(Near(PixelAt(p, 150, 120), {0, 0, 0}));
  EXPECT_TRUE(Near(PixelAt(p, 100, 160), {0, 0, 0}));
  EXPECT_EQ(PixelAt(p, 120, 130).a, 255);
}

struct BlendCase {
  const char* name;
  platform::Blend blend;
  Rgba under;      // drawn first, solid
  Rgba over;       // colour of the second rectangle
  float alpha;     // its alpha
  Rgba expected;
};

const BlendCase kBlends[] = {
    {"solid replaces whatever alpha says", platform::Blend::Solid, {200, 200, 200}, {10, 20, 30}, 0.3f, {10, 20, 30}},
    {"alpha mixes by alpha", platform::Blend::Alpha, {255, 255, 255}, {0, 0, 255}, 0.5f, {128, 128, 255}},
    {"alpha 0 leaves the destination", platform::Blend::Alpha, {90, 60, 30}, {255, 0, 0}, 0.0f, {90, 60, 30}},
    {"shade multiplies by the source colour", platform::Blend::Shade, {200, 200, 200}, {128, 255, 0}, 1.0f, {100, 200, 0}},
    {"light adds the source", platform::Blend::Light, {100, 50, 0}, {100, 100, 100}, 1.0f, {200, 150, 100}},
    {"light adds the source weighted by alpha", platform::Blend::Light, {100, 50, 0}, {100, 100, 100}, 0.5f, {150, 100, 50}},
    {"light saturates", platform::Blend::Light, {200, 200, 200}, {100, 100, 100}, 1.0f, {255, 255, 255}},
};

TEST_F(GlPixelsTest, BlendModesCombineWithTheDestination) {
  for (const BlendCase& c : kBlends) {
    SCOPED_TRACE(c.name);
    platform::ClearBackBuffer();
    platform::SetBlend(platform::Blend::Solid);
    platform::SetColour(c.under.r, c.under.g, c.under.b);
    platform::DrawRect(10, 10, 100, 100);
    platform::SetBlend(c.blend);
    platform::SetColour(c.over.r, c.over.g, c.over.b);
    platform::SetAlpha(c.alpha);
    platform::DrawRect(30, 30, 40, 40);
    const platform::Pixmap p = Grab();
    EXPECT_TRUE(Near(PixelAt(p, 50, 50), c.expected));
    EXPECT_TRUE(Near(PixelAt(p, 20, 20), c.under)) << "outside the second rectangle";
    platform::SetAlpha(1);
  }
}

// A 16 x 16 picture in four coloured quadrants: red top-left, green
// top-right, blue bottom-right, yellow bottom-left.
platform::Pixmap Quadrants() {
  platform::Pixmap q = render_test::Canvas(16, 16, {255, 0, 0, 255});
  render_test::Fill(q, 8, 0, 8, 8, {0, 255, 0, 255});
  render_test::Fill(q, 8, 8, 8, 8, {0, 0, 255, 255});
  render_test::Fill(q, 0, 8, 8, 8, {255, 255, 0, 255});
  return q;
}

TEST_F(GlPixelsTest, SpriteIsCentredScaledAndRotatedClockwiseAboutItsCentre) {
  platform::Image* quad =
      platform::LoadImage(render_test::WritePicture(folder, "quad.png", Quadrants()), 0);
  ASSERT_NE(quad, nullptr);
  const Rgba red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255}, yellow{255, 255, 0}, black{};

  platform::SetScale(4, 4);
  platform::DrawImage(quad, 400, 300, 0);
  platform::Pixmap p = Grab();
  // 64 x 64 centred on (400, 300): pixels 368..431 and 268..331.
  EXPECT_TRUE(Near(PixelAt(p, 368, 268), red));
  EXPECT_TRUE(Near(PixelAt(p, 431, 268), green));
  EXPECT_TRUE(Near(PixelAt(p, 431, 331), blue));
  EXPECT_TRUE(Near(PixelAt(p, 368, 331), yellow));
  EXPECT_TRUE(Near(PixelAt(p, 367, 268), black));
  EXPECT_TRUE(Near(PixelAt(p, 432, 331), black));
  EXPECT_TRUE(Near(PixelAt(p, 368, 267), black));
  EXPECT_TRUE(Near(PixelAt(p, 431, 332), black));

  // A quarter turn clockwise: each corner moves one place round.
  platform::ClearBackBuffer();
  platform::SetRotation(90);
  platform::DrawImage(quad, 400, 300, 0);
  p = Grab();
  EXPECT_TRUE(Near(PixelAt(p, 430, 270), red));
  EXPECT_TRUE(Near(PixelAt(p, 430, 329), green));
  EXPECT_TRUE(Near(PixelAt(p, 370, 329), blue));
  EXPECT_TRUE(Near(PixelAt(p, 370, 270), yellow));

  // An eighth turn: the corners stand on the axes, 32 * sqrt(2) = 45.25 out.
  platform::ClearBackBuffer();
  platform::SetRotation(45);
  platform::DrawImage(quad, 400, 300, 0);
  p = Grab();
  EXPECT_TRUE(Near(PixelAt(p, 400, 300 - 43), red)) << "top corner";
  EXPECT_TRUE(Near(PixelAt(p, 400 + 43, 300), green)) << "right corner";
  EXPECT_TRUE(Near(PixelAt(p, 400, 300 + 43), blue)) << "bottom corner";
  EXPECT_TRUE(Near(PixelAt(p, 400 - 43, 300), yellow)) << "left corner";
  EXPECT_TRUE(Near(PixelAt(p, 400, 300 - 47), black));
  EXPECT_TRUE(Near(PixelAt(p, 400 + 34, 300 - 34), black)) << "outside the diamond's edge";
  platform::UnloadImage(quad);
}

TEST_F(GlPixelsTest, MaskedSpriteTintedAndTransparentWhereBlack) {
  platform::Pixmap ring = render_test::Canvas(16, 16, {255, 255, 255, 255});
  render_test::Fill(ring, 4, 4, 8, 8, {0, 0, 0, 255});
  platform::Image* image = platform::LoadImage(render_test::WritePicture(folder, "ring.png", ring),
                                               platform::kImageMasked);
  ASSERT_NE(image, nullptr);
  platform::SetBlend(platform::Blend::Solid);
  platform::SetColour(0, 90, 0);
  platform::DrawRect(0, 0, 200, 200);
  platform::SetBlend(platform::Blend::Alpha);
  platform::SetColour(255, 128, 0);
  platform::DrawImage(image, 100, 100, 0);
  const platform::Pixmap p = Grab();
  EXPECT_TRUE(Near(PixelAt(p, 93, 93), {255, 128, 0})) << "tinted white ring";
  EXPECT_TRUE(Near(PixelAt(p, 100, 100), {0, 90, 0})) << "hole shows what is under";
  platform::UnloadImage(image);
}

TEST_F(GlPixelsTest, FullyTransparentSpritesLeaveNoTrace) {
  platform::Image* quad =
      platform::LoadImage(render_test::WritePicture(folder, "quad.png", Quadrants()), 0);
  ASSERT_NE(quad, nullptr);
  platform::SetColour(0, 0, 0);
  platform::SetAlpha(0);
  for (int i = 0; i < 500; ++i) {
    platform::SetRotation(float(i % 360));
    platform::DrawImage(quad, float(i % 40) * 20, float(i / 40) * 40, 0);
  }
  const platform::Pixmap p = Grab();
  for (size_t i = 0; i < p.rgba.size(); i += 4) {
    ASSERT_EQ(p.rgba[i] | p.rgba[i + 1] | p.rgba[i + 2], 0) << "pixel " << i / 4;
  }
  platform::UnloadImage(quad);
}

// Pixels brighter than half inside and outside a rectangle.
struct Ink {
  int inside = 0, outside = 0;
};
Ink CountInk(const platform::Pixmap& p, int left, int top, int right, int bottom) {
  Ink ink;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      if (PixelAt(p, x, y).r < 128) continue;
      (x >= left && x < right && y >= top && y < bottom ? ink.inside : ink.outside)++;
    }
  }
  return ink;
}

TEST_F(GlPixelsTest, TrueTypeTextInksOnlyItsMeasuredBox) {
  platform::Font* font = platform::LoadFont(kDejaVu, 32, true);
  ASSERT_NE(font, nullptr);
  platform::SetFont(font);
  platform::DrawText("Crownlift", 100, 100);
  const int w = platform::TextWidth("Crownlift"), h = platform::TextHeight();
  const Ink ink = CountInk(Grab(), 100, 100, 100 + w, 100 + h);
  EXPECT_GT(ink.inside, 300);
  EXPECT_EQ(ink.outside, 0);

  // Twice the scale covers about four times the pixels, inside the scaled box.
  platform::ClearBackBuffer();
  platform::SetScale(2, 2);
  platform::DrawText("Crownlift", 100, 100);
  const Ink big = CountInk(Grab(), 100, 100, 100 + 2 * w, 100 + 2 * h);
  EXPECT_EQ(big.outside, 0);
  EXPECT_NEAR(double(big.inside) / ink.inside, 4.0, 0.8);
  platform::SetFont(nullptr);
  platform::UnloadFont(font);
}

TEST_F(GlPixelsTest, BuiltInFontDrawsItsGlyphsPixelForPixel) {
  platform::SetFont(nullptr);
  platform::DrawText("Hi!", 50, 60);
  const platform::Pixmap p = Grab();
  const platform::Font& font = *platform::BuiltinFont();
  int pen = 50, checked = 0;
  for (char c : std::string("Hi!")) {
    const platform::Glyph& g = font.glyphs[int(c)];
    for (int y = 0; y < g.h; ++y) {
      for (int x = 0; x < g.w; ++x) {
        const bool ink = font.coverage[size_t(g.y + y) * font.atlasWidth + g.x + x] > 0;
        const Rgba got = PixelAt(p, pen + g.left + x, 60 + g.top + y);
        EXPECT_EQ(got.r > 128, ink) << c << " at " << x << ", " << y;
        ++checked;
      }
    }
    pen += g.advance;
  }
  EXPECT_GT(checked, 0);
  EXPECT_EQ(CountInk(p, 50, 60, 50 + platform::TextWidth("Hi!"), 60 + platform::TextHeight()).outside, 0);
}

struct LetterboxCase {
  int logicalWidth, logicalHeight;
  int left, top, width, height;  // the picture in window pixels
};

TEST_F(GlPixelsTest, LogicalAreaIsScaledToFitAndLetterboxed) {
  const LetterboxCase cases[] = {
      {1280, 960, 0, 0, 800, 600},    // same shape: fills the window
      {1600, 900, 0, 75, 800, 450},   // wider: bars above and below
      {1440, 900, 0, 50, 800, 500},   // 16:10
      {600, 600, 100, 0, 600, 600},   // narrower: bars left and right
  };
  for (const LetterboxCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.logicalWidth) + "x" + std::to_string(c.logicalHeight));
    platform::SetLogicalSize(c.logicalWidth, c.logicalHeight);
    platform::ClearBackBuffer();
    platform::SetColour(255, 255, 255);
    platform::DrawRect(0, 0, float(c.logicalWidth), float(c.logicalHeight));
    // Logical (0, 0) at the picture's top-left, right/bottom edge at its far side.
    platform::SetColour(255, 0, 0);
    platform::DrawRect(0, 0, float(c.logicalWidth) / 10, float(c.logicalHeight) / 10);
    const platform::Pixmap p = Grab();
    const int right = c.left + c.width, bottom = c.top + c.height;
    EXPECT_TRUE(Near(PixelAt(p, c.left + 2, c.top + 2), {255, 0, 0}));
    EXPECT_TRUE(Near(PixelAt(p, right - 2, bottom - 2), {255, 255, 255}));
    if (c.top > 0) {
      EXPECT_TRUE(Near(PixelAt(p, 400, c.top - 2), {0, 0, 0}));
      EXPECT_TRUE(Near(PixelAt(p, 400, bottom + 1), {0, 0, 0}));
    }
    if (c.left > 0) {
      EXPECT_TRUE(Near(PixelAt(p, c.left - 2, 300), {0, 0, 0}));
      EXPECT_TRUE(Near(PixelAt(p, right + 1, 300), {0, 0, 0}));
    }
    // The pointer is mapped through the same rectangle, both ways.
    float lx = 0, ly = 0, wx = 0, wy = 0;
    platform::sdl::WindowToLogical(float(c.left), float(c.top), lx, ly);
    EXPECT_NEAR(lx, 0, 0.01);
    EXPECT_NEAR(ly, 0, 0.01);
    platform::sdl::WindowToLogical(float(right), float(bottom), lx, ly);
    EXPECT_NEAR(lx, c.logicalWidth, 0.01);
    EXPECT_NEAR(ly, c.logicalHeight, 0.01);
    platform::sdl::LogicalToWindow(float(c.logicalWidth) / 2, float(c.logicalHeight) / 2, wx, wy);
    EXPECT_NEAR(wx, c.left + c.width / 2.0, 0.01);
    EXPECT_NEAR(wy, c.top + c.height / 2.0, 0.01);
  }
}

TEST_F(GlPixelsTest, GrabbedImageDrawsBackTheSamePicture) {
  platform::SetBlend(platform::Blend::Solid);
  for (int i = 0; i < 8; ++i) {
    platform::SetColour(30 * i, 255 - 30 * i, (i * 77) % 256);
    platform::DrawRect(float(i * 100), float(i * 70), 100, 70);
  }
  const platform::Pixmap before = Grab();
  platform::Image* frozen = platform::GrabImage(0, 0, kWidth, kHeight);
  ASSERT_NE(frozen, nullptr);
  EXPECT_EQ(platform::ImageWidth(frozen), kWidth);
  platform::ClearBackBuffer();
  platform::SetColour(255, 255, 255);
  platform::DrawImage(frozen, kWidth / 2, kHeight / 2, 0);
  const platform::Pixmap after = Grab();
  int differing = 0;
  for (size_t i = 0; i < before.rgba.size(); ++i) {
    differing += std::abs(int(before.rgba[i]) - int(after.rgba[i])) > 2;
  }
  EXPECT_EQ(differing, 0);
  platform::UnloadImage(frozen);
}

TEST_F(GlPixelsTest, BackBufferWrittenAsPngReadsBackTheSame) {
  platform::SetColour(12, 200, 99);
  platform::DrawOval(100, 100, 300, 200);
  const platform::Pixmap shot = Grab();
  EXPECT_TRUE(Near(PixelAt(shot, 250, 200), {12, 200, 99})) << "the oval's centre";
  EXPECT_TRUE(Near(PixelAt(shot, 105, 105), {0, 0, 0})) << "outside the oval, inside its box";
  ASSERT_TRUE(platform::SavePng(shot, folder.Path("shot.png"), 9));
  platform::Pixmap back;
  ASSERT_TRUE(platform::LoadPng(folder.Path("shot.png"), back));
  EXPECT_EQ(back.rgba, shot.rgba);
}

TEST_F(GlPixelsTest, SpritesOfSeveralLoadsAndShapesShareOneDrawCall) {
  platform::Image* a = platform::LoadImage(
      render_test::WritePicture(folder, "a.png", Quadrants()), platform::kImageMasked);
  platform::Image* b = platform::LoadStrip(
      render_test::WritePicture(folder, "b.png", render_test::Canvas(64, 16, {9, 9, 200, 255})),
      16, 16, 0, 4, platform::kImageMasked);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  platform::Present(platform::Sync::None);
  for (int i = 0; i < 3000; ++i) {
    platform::SetRotation(float(i));
    platform::DrawImage(i % 2 ? a : b, float(i % 800), float(i % 600), i % 4 * (i % 2 == 0));
    if (i % 100 == 0) platform::DrawRect(0, 0, 4, 4);
  }
  platform::Present(platform::Sync::None);
  EXPECT_EQ(platform::sdl::gBatch.lastFrameDrawCalls, 1);

  // A change of blend mode is a new batch.
  for (int i = 0; i < 10; ++i) {
    platform::SetBlend(i % 2 ? platform::Blend::Light : platform::Blend::Alpha);
    platform::DrawImage(a, 100, 100, 0);
  }
  platform::Present(platform::Sync::None);
  EXPECT_EQ(platform::sdl::gBatch.lastFrameDrawCalls, 10);
  platform::UnloadImage(a);
  platform::UnloadImage(b);
}

TEST_F(GlPixelsTest, ImagesSurviveTheDisplayBeingReopened) {
  platform::Image* quad =
      platform::LoadImage(render_test::WritePicture(folder, "quad.png", Quadrants()), 0);
  ASSERT_NE(quad, nullptr);
  platform::CloseDisplay();
  ASSERT_TRUE(platform::OpenDisplay(kWidth, kHeight, 0, 60));
  platform::SetLogicalSize(kWidth, kHeight);
  platform::ClearBackBuffer();
  platform::SetScale(2, 2);
  platform::DrawImage(quad, 100, 100, 0);
  platform::DrawText("ok", 300, 300);
  const platform::Pixmap p = Grab();
  EXPECT_TRUE(Near(PixelAt(p, 90, 90), {255, 0, 0}));
  EXPECT_TRUE(Near(PixelAt(p, 110, 110), {0, 0, 255}));
  EXPECT_GT(CountInk(p, 300, 300, 400, 330).inside, 10);
  platform::UnloadImage(quad);
}

// A 15 x 13 cell whose picture (four colours, so a wrong turn shows) sits off
// centre in a black border: the handle is at (7, 6), the picture covers
// columns 3..10 and rows 2..8.
platform::Pixmap BorderedPicture(Rgba border) {
  platform::Pixmap p = render_test::Canvas(15, 13, border);
  render_test::Fill(p, 3, 2, 4, 4, {255, 0, 0, 255});
  render_test::Fill(p, 7, 2, 4, 4, {0, 255, 0, 255});
  render_test::Fill(p, 7, 6, 4, 3, {0, 0, 255, 255});
  render_test::Fill(p, 3, 6, 4, 3, {255, 255, 0, 128});
  return p;
}

struct TrimCase {
  const char* name;
  unsigned flags;
  float degrees, scaleX, scaleY, x, y;
  int logicalWidth, logicalHeight;
};

const TrimCase kTrimCases[] = {
    {"upright", 0, 0, 1, 1, 200, 150, kWidth, kHeight},
    {"turned and scaled", 0, 30, 3, 3, 400, 300, kWidth, kHeight},
    {"half-pixel scale and place", 0, 137, 2.5f, 1.5f, 400.25f, 300.5f, kWidth, kHeight},
    {"smooth, an eighth turn", platform::kImageFiltered, 45, 4, 4, 300, 200, kWidth, kHeight},
    {"smooth, flipped", platform::kImageFiltered, 200, -2, 3, 350.5f, 250, kWidth, kHeight},
    {"letterboxed logical size", platform::kImageFiltered, 71, 5, 5, 640, 480, 1600, 900},
};

// A sprite drawn with its quad trimmed to its visible pixels gives the very
// pixels the whole cell gave. The reference is the same picture with a
// barely-there black dot (alpha 1) in each corner, which keeps its quad
// whole and adds nothing on a black screen.
TEST_F(GlPixelsTest, TrimmedSpriteDrawsThePixelsOfItsWholeCell) {
  platform::Image* trimmed = platform::LoadImage(
      render_test::WritePicture(folder, "bordered.png", BorderedPicture({0, 0, 0, 255})),
      platform::kImageMasked);
  platform::Pixmap cornered = BorderedPicture({0, 0, 0, 0});
  for (auto [x, y] : {std::pair{0, 0}, {14, 0}, {0, 12}, {14, 12}}) {
    render_test::Fill(cornered, x, y, 1, 1, {0, 0, 0, 1});
  }
  const std::string corneredPath = render_test::WritePicture(folder, "cornered.png", cornered);
  ASSERT_NE(trimmed, nullptr);

  for (const TrimCase& c : kTrimCases) {
    SCOPED_TRACE(c.name);
    platform::Image* whole = platform::LoadImage(corneredPath, c.flags);
    platform::UnloadImage(trimmed);
    trimmed = platform::LoadImage(folder.Path("bordered.png"), platform::kImageMasked | c.flags);
    ASSERT_NE(whole, nullptr);
    ASSERT_NE(trimmed, nullptr);
    // The trimmed quad really is smaller: the picture's box about the handle,
    // one texel wider on a smooth image.
    const int grow = (c.flags & platform::kImageFiltered) ? 1 : 0;
    const platform::AtlasCell& cell = platform::sdl::ImagePlacement(*trimmed)->cells[0];
    EXPECT_EQ(cell.left, float(3 - 7 - grow));
    EXPECT_EQ(cell.top, float(2 - 6 - grow));
    EXPECT_EQ(cell.right, float(11 - 7 + grow));
    EXPECT_EQ(cell.bottom, float(9 - 6 + grow));
    EXPECT_EQ(platform::sdl::ImagePlacement(*whole)->cells[0].right, float(15 - 7));

    platform::SetLogicalSize(c.logicalWidth, c.logicalHeight);
    platform::SetRotation(c.degrees);
    platform::SetScale(c.scaleX, c.scaleY);
    platform::ClearBackBuffer();
    platform::DrawImage(whole, c.x, c.y, 0);
    const platform::Pixmap expected = Grab();
    platform::ClearBackBuffer();
    platform::DrawImage(trimmed, c.x, c.y, 0);
    const platform::Pixmap got = Grab();
    int inked = 0, differing = 0;
    for (size_t i = 0; i < got.rgba.size(); i += 4) {
      inked += (expected.rgba[i] | expected.rgba[i + 1] | expected.rgba[i + 2]) != 0;
      differing += got.rgba[i] != expected.rgba[i] || got.rgba[i + 1] != expected.rgba[i + 1] ||
                   got.rgba[i + 2] != expected.rgba[i + 2];
    }
    EXPECT_GT(inked, 40) << "the picture was drawn";
    EXPECT_EQ(differing, 0);
    platform::UnloadImage(whole);
  }
  platform::UnloadImage(trimmed);
}

// Queued quads, read before the batch is flushed.
int QueuedQuads() { return platform::sdl::gBatch.quads; }

TEST_F(GlPixelsTest, EmptyFrameDrawsNothingButATransparentDrawStateStillDraws) {
  platform::Pixmap sheet = render_test::Canvas(32, 16, {0, 0, 0, 255});
  render_test::Fill(sheet, 4, 4, 8, 8, {200, 200, 200, 255});
  platform::Image* strip = platform::LoadStrip(
      render_test::WritePicture(folder, "half.png", sheet), 16, 16, 0, 2, platform::kImageMasked);
  ASSERT_NE(strip, nullptr);
  platform::SetBlend(platform::Blend::Solid);
  platform::SetColour(60, 70, 80);
  platform::DrawRect(0, 0, kWidth, kHeight);
  const platform::Pixmap before = Grab();

  platform::SetScale(3, 3);
  platform::SetRotation(20);
  platform::SetColour(255, 255, 255);
  for (platform::Blend blend : {platform::Blend::Solid, platform::Blend::Alpha,
                                platform::Blend::Shade, platform::Blend::Light}) {
    platform::SetBlend(blend);
    const int queued = QueuedQuads();
    platform::DrawImage(strip, 100, 100, 1);
    EXPECT_EQ(QueuedQuads(), queued) << "empty frame, blend " << int(blend);
  }
  EXPECT_EQ(Grab().rgba, before.rgba);

  // The calibration draws visible frames with alpha 0 to measure what
  // drawing costs: those must reach the rasteriser.
  platform::SetBlend(platform::Blend::Alpha);
  platform::SetAlpha(0);
  const int queued = QueuedQuads();
  platform::DrawImage(strip, 100, 100, 0);
  EXPECT_EQ(QueuedQuads(), queued + 1);
  EXPECT_EQ(Grab().rgba, before.rgba);
  platform::SetAlpha(1);
  platform::DrawImage(strip, 100, 100, 0);
  EXPECT_TRUE(Near(PixelAt(Grab(), 100, 100), {200, 200, 200}));
  platform::UnloadImage(strip);
}

}  // namespace
