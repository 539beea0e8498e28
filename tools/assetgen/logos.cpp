// Logos: the title "Crownlift" (logo.png), the series "Reelpack"
// (logopack.png) and the author's "Brasslane" (Brasslane.png).
//
// All three sit on the blue diagonal backdrop of the menus, at scale 1 and
// (the two small ones, during calibration) 1.5, so each word has a dark
// outline and a stepped shadow that lifts it off any background.
#include "art.h"

#include <cmath>   // Required for: std::sin, std::cos
#include <vector>  // Required for: polygon points

#include "lettering.h"  // Required for: LayoutWord, MeasureWord

namespace assetgen {
namespace {

constexpr float kPi = 3.14159265358979f;

struct WordStyle {
  float outline;        // width of the dark outline
  float depth;          // steps of the extruded shadow, one pixel each
  Colour shadowTop, shadowBottom;
  Colour ink;           // the outline
  Colour rim;           // a light ring just inside the outline (width 0: none)
  float rimWidth;
  Colour fillTop, fillMid, fillBottom;
};

// Paints a word: extrusion, outline, light rim, gradient fill, gloss.
void PaintWord(Canvas& c, const Shape& word, float top, float bottom, const WordStyle& st) {
  Shape outer = Grow(word, st.outline + st.rimWidth);
  for (int k = static_cast<int>(st.depth); k >= 1; --k) {
    float t = k / st.depth;
    Fill(c, Move(outer, k * 0.6f, static_cast<float>(k)),
         Solid(Mix(st.shadowTop, st.shadowBottom, t)));
  }
  Fill(c, outer, Solid(st.ink));
  if (st.rimWidth > 0) Fill(c, Grow(word, st.rimWidth), Solid(st.rim));
  float mid = top + (bottom - top) * 0.55f;
  Fill(c, word, [=](float x, float y) {
    if (y < mid) return Mix(st.fillTop, st.fillMid, (y - top) / (mid - top));
    return Mix(st.fillMid, st.fillBottom, std::min(1.0f, (y - mid) / (bottom - mid)));
  });
  // Gloss over the upper part of each stroke.
  Fill(c, Intersect(word, Box(-1000, top - 50, 10000, top + (bottom - top) * 0.36f)),
       Solid(Rgb(255, 255, 255)), 0.28f);
}

Shape Sparkle(float cx, float cy, float r) {
  std::vector<Vec> v;
  for (int i = 0; i < 8; ++i) {
    float a = (i * 45.0f - 90) * kPi / 180;
    float rr = i % 2 == 0 ? r : r * 0.22f;
    v.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
  }
  return Polygon(v);
}

Shape CrownShape(float cx, float base, float w, float h) {
  float x0 = cx - w / 2, x1 = cx + w / 2;
  return Union(Polygon({{x0, base}, {x0 - w * 0.06f, base - h}, {x0 + w * 0.26f, base - h * 0.45f},
                        {cx, base - h * 1.15f}, {x1 - w * 0.26f, base - h * 0.45f},
                        {x1 + w * 0.06f, base - h}, {x1, base}}),
               Box(x0, base - h * 0.22f, x1, base + h * 0.12f, h * 0.06f));
}

}  // namespace

Canvas DrawTitleLogo() {
  Canvas c = MakeCanvas(600, 200);
  const float size = 86, weight = 0.21f, spacing = 0.09f;
  const std::string word = "Crownlift";
  float width = MeasureWord(word, size, weight, spacing);
  float x = (600 - width) / 2 - 4, top = 78;
  WordLayout lay = LayoutWord(word, x, top, size, weight, spacing, false);

  WordStyle st{7, 9, Rgb(120, 40, 150), Rgb(40, 12, 60), Rgb(22, 8, 34), Rgb(255, 246, 214), 2.2f,
               Rgb(255, 250, 190), Rgb(255, 200, 50), Rgb(232, 96, 28)};
  PaintWord(c, lay.shape, top, top + size, st);

  // A crown in place of the dot of the i, tilted a little.
  float iX = x + weight * size / 2 + MeasureWord("Crownl", size, weight, spacing) + spacing * size;
  Shape crown = Rotate(CrownShape(iX + 1, top + 24, 42, 30), iX, top + 12, 12);
  for (int k = 6; k >= 1; --k) {
    Fill(c, Move(Grow(crown, 4.5f), k * 0.6f, static_cast<float>(k)), Solid(Rgb(70, 22, 96)));
  }
  Fill(c, Grow(crown, 4.5f), Solid(st.ink));
  Fill(c, crown, VGradient(top - 8, Rgb(255, 250, 200), top + 28, Rgb(236, 150, 30)));
  Fill(c, Rotate(Circle(iX + 1, top + 14, 4), iX, top + 12, 12), Lit(iX, top + 13, 4,
                                                                    Rgb(230, 30, 70)));
  for (float gx : {-12.0f, 14.0f}) {
    Fill(c, Rotate(Circle(iX + 1 + gx, top + 18, 2.6f), iX, top + 12, 12),
         Solid(Rgb(120, 220, 255)));
  }

  // Sparkles.
  const Vec spots[] = {{x + 8, top + 4}, {x + width - 10, top - 2}, {x + width * 0.42f, top + 6}};
  const float sizes[] = {15, 12, 9};
  for (int i = 0; i < 3; ++i) {
    Fill(c, Grow(Sparkle(spots[i].x, spots[i].y, sizes[i]), 1.8f), Solid(st.ink));
    Fill(c, Sparkle(spots[i].x, spots[i].y, sizes[i]), Solid(Rgb(255, 255, 235)));
  }
  return c;
}

Canvas DrawSeriesLogo() {
  Canvas c = MakeCanvas(400, 200);
  // A strip of film as the plate: perforations along both edges.
  Shape plate = Box(14, 74, 386, 176, 14);
  Fill(c, Move(Grow(plate, 4), 3, 5), Solid(Rgb(40, 10, 60)));
  Fill(c, Grow(plate, 4), Solid(Ink()));
  Fill(c, plate, VGradient(74, Rgb(60, 40, 110), 176, Rgb(26, 18, 60)));
  for (float px = 30; px < 380; px += 22) {
    Fill(c, Box(px, 79, px + 11, 86, 2), Solid(Rgb(236, 220, 255)));
    Fill(c, Box(px, 164, px + 11, 171, 2), Solid(Rgb(236, 220, 255)));
  }
  // A film reel above the plate.
  const float rx = 200, ry = 52, rr = 40;
  Fill(c, Move(Circle(rx, ry, rr + 4), 3, 5), Solid(Rgb(40, 10, 60)));
  Fill(c, Circle(rx, ry, rr + 4), Solid(Ink()));
  Shape reel = Circle(rx, ry, rr);
  for (int i = 0; i < 5; ++i) {
    float a = (i * 72.0f - 90) * kPi / 180;
    reel = Subtract(reel, Circle(rx + 22 * std::cos(a), ry + 22 * std::sin(a), 9.5f));
  }
  reel = Subtract(reel, Circle(rx, ry, 4));
  Fill(c, reel, Lit(rx - 8, ry - 10, 50, Rgb(255, 96, 196)));
  Fill(c, Subtract(Circle(rx, ry, rr - 2), Circle(rx, ry, rr - 4.5f)), Solid(Rgb(255, 200, 240)),
       0.6f);

  const float size = 54, weight = 0.22f, spacing = 0.08f;
  const std::string word = "Reelpack";
  float width = MeasureWord(word, size, weight, spacing);
  float top = 96;
  WordLayout lay = LayoutWord(word, (400 - width) / 2, top, size, weight, spacing);
  WordStyle st{4.5f, 5, Rgb(190, 40, 150), Rgb(90, 10, 80), Ink(), Rgb(0, 0, 0), 0,
               Rgb(255, 255, 255), Rgb(170, 250, 255), Rgb(60, 190, 255)};
  PaintWord(c, lay.shape, top, top + size, st);
  return c;
}

Canvas DrawSiteLogo() {
  Canvas c = MakeCanvas(400, 200);
  // The lane: a road under the word, with a dashed centre line.
  Shape road = Polygon({{36, 128}, {364, 128}, {392, 178}, {8, 178}});
  Fill(c, Move(Grow(road, 4), 3, 4), Solid(Rgb(30, 16, 6)));
  Fill(c, Grow(road, 4), Solid(Ink()));
  Fill(c, road, VGradient(128, Rgb(90, 90, 104), 178, Rgb(46, 46, 58)));
  for (float dx = 22; dx < 380; dx += 44) {
    Shape dash = Polygon({{dx - 2, 150}, {dx + 22, 150}, {dx + 23, 156}, {dx - 3, 156}});
    Fill(c, Intersect(road, dash), Solid(Rgb(255, 226, 120)));
  }

  const float size = 50, weight = 0.22f, spacing = 0.07f;
  const std::string word = "Brasslane";
  float width = MeasureWord(word, size, weight, spacing);
  float top = 68;
  WordLayout lay = LayoutWord(word, (400 - width) / 2, top, size, weight, spacing);
  WordStyle st{5, 6, Rgb(130, 80, 30), Rgb(50, 26, 8), Rgb(34, 18, 6), Rgb(255, 236, 180), 1.6f,
               Rgb(255, 244, 196), Rgb(226, 172, 66), Rgb(150, 90, 30)};
  PaintWord(c, lay.shape, top, top + size, st);
  // Two rivets, for the brass.
  for (float bx : {26.0f, 374.0f}) {
    Fill(c, Circle(bx, 153, 7), Solid(Ink()));
    Fill(c, Circle(bx, 153, 5), Lit(bx, 153, 5, Rgb(226, 172, 66)));
  }
  return c;
}

}  // namespace assetgen
