// Scenery: the terrain row tile (top.png) and the ground strip (bot.png).
//
// Both are drawn side by side 640 logical pixels apart at scale 2, so they
// are 320 pixels wide and must join seamlessly: every wave in them has a
// period that divides 320. The game tints each of the four terrain rows,
// darker toward the back, so the tile is light and nearly neutral; its dark
// crest line separates the layered rows. Below its hill line it is opaque
// (the back rows are where the craft crashes).
#include "art.h"

#include <algorithm>  // Required for: std::min, std::max
#include <cmath>      // Required for: std::sin, std::sqrt
#include <vector>     // Required for: the land's parts

namespace assetgen {
namespace {

constexpr float kPi = 3.14159265358979f;
constexpr int kTileWidth = 320;

// A wave that repeats exactly `cycles` times across the tile.
float Wave(float x, int cycles, float phase) {
  return std::sin((x / kTileWidth * cycles + phase) * 2 * kPi);
}

// Height of the hill line (y of the crest) at x.
float Crest(float x) {
  return 24 + 9 * Wave(x, 1, 0.1f) + 6 * Wave(x, 2, 0.62f) + 3 * Wave(x, 5, 0.3f) +
         1.2f * Wave(x, 11, 0.8f);
}

// Small deterministic noise from integer coordinates, 0..1.
float Hash(int x, int y) {
  unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return static_cast<float>((h ^ (h >> 16)) & 0xFFFF) / 65535.0f;
}

}  // namespace

Canvas DrawTop() {
  Canvas c = MakeCanvas(kTileWidth, 64);
  // The land: everything below the crest, plus round bushes sitting on it.
  // A bush near an edge is repeated one tile over so the tile still joins.
  Shape hill = [](float x, float y) {
    float slope = (Crest(x + 0.5f) - Crest(x - 0.5f));
    return (Crest(x) - y) / std::sqrt(1 + slope * slope);
  };
  std::vector<Shape> parts = {hill};
  const float bushX[] = {18, 26, 96, 150, 157, 232, 296, 305};
  const float bushR[] = {5, 3.6f, 4.4f, 5.4f, 3.8f, 4.6f, 5, 3.8f};
  for (int i = 0; i < 8; ++i) {
    for (float wrap : {-1.0f, 0.0f, 1.0f}) {
      float x = bushX[i] + wrap * kTileWidth;
      parts.push_back(Circle(x, Crest(bushX[i]) + bushR[i] * 0.35f, bushR[i]));
    }
  }
  Shape land = Union(parts);
  Fill(c, land, [&](float x, float y) {
    float depth = -land(x, y);  // pixels inside the edge
    if (depth < 1.5f) return Ink();  // crest line
    if (depth < 3.4f) return Rgb(255, 255, 255);  // bright lip just under it
    // Body: light at the top, a little darker deeper down, with soft strata
    // that follow the crest and a grain of small stones.
    float below = y - Crest(x);
    float shade = 0.95f - 0.22f * std::min(1.0f, std::max(0.0f, below) / 40);
    float strata = std::sin(below * 0.42f + Wave(x, 4, 0.2f) * 1.5f);
    if (strata > 0.86f) shade -= 0.1f;
    float grain = Hash(static_cast<int>(x) / 2, static_cast<int>(y) / 2);
    if (grain > 0.93f) shade -= 0.12f;
    if (grain < 0.04f) shade += 0.05f;
    if (below < 0) shade = 0.86f + 0.1f * std::min(1.0f, -below / 6);  // bushes: lit tops
    return Scale(Rgb(236, 238, 230), shade);
  });
  return c;
}

Canvas DrawBot() {
  // Cobbles in two courses under a grassy lip; each course has a whole
  // number of stones across the tile.
  Canvas c = MakeCanvas(kTileWidth, 32);
  Fill(c, Box(0, 0, kTileWidth, 32), Solid(Rgb(62, 60, 66)));  // mortar
  const int courses = 2;
  const int stones[courses] = {16, 20};
  for (int row = 0; row < courses; ++row) {
    float top = 5 + row * 13.5f, bottom = top + 12;
    float w = static_cast<float>(kTileWidth) / stones[row];
    for (int i = 0; i <= stones[row]; ++i) {
      float x0 = i * w - (row == 1 ? w / 2 : 0) + 1;
      float x1 = x0 + w - 2;
      float tone = 0.82f + 0.16f * Hash(i, row + 7);
      Shape stone = Box(x0, top + 0.5f, x1, bottom, 3);
      Fill(c, stone, VGradient(top, Scale(Rgb(240, 236, 226), tone), bottom,
                               Scale(Rgb(176, 170, 160), tone)));
      Fill(c, Capsule(x0 + 3, top + 2.6f, x1 - 4, top + 2.6f, 0.8f), Solid(Rgb(255, 255, 250)),
           0.5f);
    }
  }
  // Grass lip along the top, wavy but periodic.
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < kTileWidth; ++x) {
      float edge = 3.5f + 1.5f * Wave(x + 0.5f, 40, 0) + 0.8f * Wave(x + 0.5f, 16, 0.3f);
      float cover = std::min(1.0f, std::max(0.0f, edge - (y + 0.5f) + 0.5f));
      if (cover <= 0) continue;
      Colour g = y < 2 ? Rgb(250, 255, 240) : Rgb(200, 214, 186);
      Pixel& p = c.At(x, y);
      p.r = g.r * cover + p.r * (1 - cover);
      p.g = g.g * cover + p.g * (1 - cover);
      p.b = g.b * cover + p.b * (1 - cover);
    }
  }
  return c;
}

}  // namespace assetgen
