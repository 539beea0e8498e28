// Preview: the art put together the way the game draws it, for looking at.
//
// play.png is one frame of the play field in the 1280 x 960 logical area
// (terrain rows, poles, royals, the craft carrying both royals, hazards, an
// explosion) with the tints, scales and positions the game uses; menu.png
// is the title logo and the two small logos over a stand-in of the blue
// backdrop. Neither is shipped: they are for the contact sheet and for
// whoever changes the art.
#include "preview.h"

#include <algorithm>  // Required for: std::clamp
#include <cmath>      // Required for: std::fmod, std::floor

#include "art.h"      // Required for: the Draw* functions
#include "writers.h"  // Required for: WritePng

namespace assetgen {
namespace {

// The pixels the game will load: what ToRgba8 ships, back as a canvas.
Canvas Shipped(const Canvas& c) {
  std::vector<uint8_t> bytes = ToRgba8(c);
  Canvas out = MakeCanvas(c.width, c.height);
  for (size_t i = 0; i < out.px.size(); ++i) {
    float a = bytes[i * 4 + 3] / 255.0f;
    out.px[i] = Pixel{bytes[i * 4] / 255.0f * a, bytes[i * 4 + 1] / 255.0f * a,
                      bytes[i * 4 + 2] / 255.0f * a, a};
  }
  return out;
}

void Draw(Canvas& dst, const Canvas& img, float cx, float cy, float scale, Colour tint,
          float degrees = 0, float alpha = 1) {
  DrawTransformed(dst, img, 0, 0, img.width, img.height, cx, cy, scale, degrees, tint, alpha);
}

void DrawCell(Canvas& dst, const Canvas& sheet, int cell, float cx, float cy) {
  DrawTransformed(dst, sheet, (cell % 10) * 32, (cell / 10) * 32, 32, 32, cx, cy, 2, 0,
                  Colour{1, 1, 1}, 1);
}

void Rect(Canvas& dst, float x, float y, float w, float h, Colour c) {
  FillClipped(dst, Box(x, y, x + w, y + h), Solid(c), static_cast<int>(x), static_cast<int>(y),
              static_cast<int>(x + w) + 1, static_cast<int>(y + h) + 1);
}

Canvas PlayField() {
  const int VW = 1280, VH = 960, B = VH - 260;
  const float t0 = 0.95f, t1 = 0.62f, t2 = 0.34f;  // one level's tint
  const int rowOffset[5] = {0, -1100, -760, -930, -1210};
  Canvas field = MakeCanvas(VW, VH);
  Rect(field, 0, 0, VW, VH, Rgb(1, 1, 2));
  Canvas top = Shipped(DrawTop()), bot = Shipped(DrawBot()), stick = Shipped(DrawStick());
  Canvas folk = Shipped(DrawFolk()), wockit = Shipped(DrawWockit()), grip = Shipped(DrawGrip());
  Canvas smash = Shipped(DrawSmash()), smashb = Shipped(DrawSmashB());

  for (int i = 0; i < 300; ++i) {  // drifting dots
    float x = std::fmod(i * 397.0f, VW), y = std::fmod(i * 211.0f, VH);
    float xs = 0.5f + std::fmod(i * 0.37f, 2.5f);
    FillClipped(field, Circle(x, y, 1), Solid(Scale(Colour{1, 1, 1}, 50 * xs / 255)),
                static_cast<int>(x) - 2, static_cast<int>(y) - 2, static_cast<int>(x) + 3,
                static_cast<int>(y) + 3);
  }
  const float hazards[][2] = {{300, 240}, {980, 420}, {1120, 180}};
  for (int i = 0; i < 3; ++i) {
    Draw(field, smashb, hazards[i][0], hazards[i][1], 2, Rgb(240, 120 + 20 * i, 20), 37.0f * i);
  }
  auto row = [&](int i) {
    Colour tint = Rgb(static_cast<int>(50 * i * t0), static_cast<int>(50 * i * t1),
                      static_cast<int>(50 * i * t2));
    for (int j = 0; j < 6; ++j) {
      Draw(field, top, static_cast<float>(rowOffset[i] + 640 * j), B + 24.0f * i + 32, 2, tint);
    }
  };
  row(1);
  row(2);
  const int poleTop = B - 32;
  Colour poleTint = Rgb(static_cast<int>(200 * t1), static_cast<int>(200 * t2),
                        static_cast<int>(200 * t0));
  for (int px : {240, VW - 240, VW / 2}) Draw(field, stick, px, poleTop + 128.0f, 2, poleTint);
  // King waiting on the right pole, queen climbing the left pole.
  DrawCell(field, folk, 0, VW - 272 + 32, poleTop - 56 + 32);
  DrawCell(field, folk, 10, 208 + 32, poleTop + 60 + 32);
  row(3);
  row(4);
  Colour rowFour = Rgb(static_cast<int>(200 * t0), static_cast<int>(200 * t1),
                       static_cast<int>(200 * t2));
  for (int j = 0; j < 6; ++j) Draw(field, bot, -640.0f + 320 + 640 * j, B + 207.2f, 2, rowFour);
  Rect(field, 0, B + 175.2f, VW, 64, Rgb(static_cast<int>(50 * t2), static_cast<int>(50 * t0),
                                         static_cast<int>(50 * t1)));
  // Royals walking on the ground (second pass, in front of the band).
  DrawCell(field, folk, 1, 500 + 32, B + 175.2f + 32);
  DrawCell(field, folk, 12, 760 + 32, B + 175.2f + 32);

  // A craft carrying both royals (first pass positions), drifting left.
  const float craftX = 560, craftY = 330, vx = -1.5f;
  DrawCell(field, folk, 4, craftX - 2 * vx - 16 + 32, craftY + 52 + 32);
  DrawCell(field, folk, 13, craftX + 16 - 2 * vx + 32, craftY + 52 + 32);
  FillClipped(field, Capsule(craftX + 32, craftY + 32, craftX + 32 - 2 * vx, craftY + 80, 0.5f),
              Solid(Colour{1, 1, 1}), 0, 0, VW, VH);
  Draw(field, wockit, craftX + 32, craftY + 32, 2, Colour{1, 1, 1});
  Draw(field, grip, craftX + 32 - 2 * vx, craftY + 80, 2, Colour{1, 1, 1});
  // An empty craft still in its start hold, and an explosion.
  Draw(field, wockit, VW / 2 + 32 + 300, -20 + 32 + 80, 2, Colour{1, 1, 1});
  Draw(field, grip, VW / 2 + 32 + 300, -20 + 80 + 80, 2, Colour{1, 1, 1});
  Draw(field, smash, 1000, 600, 4, Rgb(240, 130, 30), 20, 0.5f);
  Draw(field, smash, 1000, 600, 4, Rgb(200, 90, 10), 75, 0.5f);
  return field;
}

Canvas Menu() {
  const int VW = 1280, VH = 960;
  Canvas menu = MakeCanvas(VW, VH);
  // The backdrop: diagonal bands rising to the right, dark to light.
  for (int y = 0; y < VH; ++y) {
    for (int x = 0; x < VW; ++x) {
      float band = std::floor((x + y) / 42.4f);
      float shade = std::clamp(26 + band, 0.0f, 122.0f) / 255;
      menu.At(x, y) = Pixel{0.2f * shade, 0, shade, 1};
    }
  }
  Canvas logo = Shipped(DrawTitleLogo());
  Canvas pack = Shipped(DrawSeriesLogo()), site = Shipped(DrawSiteLogo());
  const float cx = (VW - 335) / 2.0f, cy = VH / 2.0f;
  Draw(menu, logo, cx, cy - logo.height / 2.0f, 1, Colour{1, 1, 1});
  Draw(menu, pack, 0.3f * VW, 0.3f * VH - 120, 1.5f, Colour{1, 1, 1});
  Draw(menu, site, 0.7f * VW + 60, 0.7f * VH + 120, 1.5f, Colour{1, 1, 1});
  return menu;
}

bool Save(const std::string& path, const Canvas& c) {
  std::vector<uint8_t> bytes(c.px.size() * 4);
  for (size_t i = 0; i < c.px.size(); ++i) {
    const Pixel& p = c.px[i];
    bytes[i * 4] = static_cast<uint8_t>(std::clamp(p.r, 0.0f, 1.0f) * 255 + 0.5f);
    bytes[i * 4 + 1] = static_cast<uint8_t>(std::clamp(p.g, 0.0f, 1.0f) * 255 + 0.5f);
    bytes[i * 4 + 2] = static_cast<uint8_t>(std::clamp(p.b, 0.0f, 1.0f) * 255 + 0.5f);
    bytes[i * 4 + 3] = 255;
  }
  return WritePng(path, c.width, c.height, bytes);
}

}  // namespace

bool WritePreviews(const std::string& folder) {
  return Save(folder + "/play.png", PlayField()) && Save(folder + "/menu.png", Menu());
}

}  // namespace assetgen
