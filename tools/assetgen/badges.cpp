// Badges: 16 medals of 64 x 64 (badges.png, 4 x 4 cells).
//
// The score table draws them at scale 0.28 (about 18 pixels), so each is a
// bold emblem on a medal of its own colour: they must differ by colour and
// silhouette, not by detail.
#include "art.h"

#include <cmath>   // Required for: std::sin, std::cos
#include <vector>  // Required for: polygon points

namespace assetgen {
namespace {

constexpr float kPi = 3.14159265358979f;

Shape Star(float cx, float cy, int points, float inner, float outer, float turn = -90) {
  std::vector<Vec> v;
  for (int i = 0; i < points * 2; ++i) {
    float a = (turn + i * 180.0f / points) * kPi / 180;
    float r = i % 2 == 0 ? outer : inner;
    v.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  return Polygon(v);
}

Shape Heart(float cx, float cy, float s) {
  return Union({Circle(cx - 0.5f * s, cy - 0.25f * s, 0.55f * s),
                Circle(cx + 0.5f * s, cy - 0.25f * s, 0.55f * s),
                Polygon({{cx - 1.02f * s, cy - 0.05f * s}, {cx + 1.02f * s, cy - 0.05f * s},
                         {cx, cy + 1.05f * s}})});
}

Shape Emblem(int badge) {
  const float c = 32;
  switch (badge) {
    case 0: return Star(c, c + 1, 5, 6.5f, 15);
    case 1:  // crown
      return Union(Polygon({{18, 40}, {17, 24}, {24, 31}, {32, 20}, {40, 31}, {47, 24}, {46, 40}}),
                   Box(18, 38, 46, 44, 1.5f));
    case 2:  // lightning bolt
      return Polygon({{35, 15}, {22, 35}, {31, 35}, {27, 50}, {42, 28}, {33, 28}, {38, 15}});
    case 3: return Heart(c, c, 11);
    case 4:  // shield
      return Polygon({{20, 19}, {32, 15}, {44, 19}, {43, 33}, {32, 48}, {21, 33}});
    case 5:  // gem
      return Polygon({{22, 26}, {27, 19}, {37, 19}, {42, 26}, {32, 46}});
    case 6:  // the craft
      return Union({Ellipse(c, 34, 13, 5.5f), Intersect(Circle(c, 31, 7.5f), Box(0, 0, 64, 32)),
                    Capsule(24, 37, 20, 45, 1.6f), Capsule(40, 37, 44, 45, 1.6f)});
    case 7:  // trophy
      return Union({Intersect(Circle(c, 22, 11), Box(0, 22, 64, 64)), Box(21, 17, 43, 23),
                    Box(29.5f, 31, 34.5f, 40), Box(24, 40, 40, 46, 1.5f),
                    Subtract(Circle(21, 26, 5), Circle(21, 26, 2.6f)),
                    Subtract(Circle(43, 26, 5), Circle(43, 26, 2.6f))});
    case 8:  // crescent moon
      return Subtract(Circle(30, 32, 13), Circle(37, 27, 11));
    case 9:  // flame
      return Union({Circle(c, 38, 9),
                    Polygon({{23.3f, 36}, {30, 14}, {35, 25}, {39, 19}, {40.7f, 36}})});
    case 10:  // clover
      return Union({Circle(c, 24, 6.5f), Circle(24, 32, 6.5f), Circle(40, 32, 6.5f),
                    Circle(c, 40, 6.5f), Capsule(c, c, 38, 48, 1.8f)});
    case 11:  // music note
      return Union({Ellipse(26, 42, 6.5f, 5), Box(30, 18, 33.5f, 42),
                    Polygon({{30, 16}, {42, 21}, {42, 28}, {33.5f, 24}})});
    case 12:  // stopwatch
      return Union({Subtract(Circle(c, 35, 12), Circle(c, 35, 8.5f)), Box(29, 17, 35, 22, 1),
                    Capsule(c, 35, c, 28, 1.6f), Capsule(c, 35, 37, 35, 1.6f)});
    case 13:  // target
      return Union({Subtract(Circle(c, c, 14), Circle(c, c, 10.5f)),
                    Subtract(Circle(c, c, 7.5f), Circle(c, c, 4)), Circle(c, c, 2)});
    case 14:  // key
      return Union({Subtract(Circle(23, 26, 8), Circle(23, 26, 4)),
                    Capsule(28, 31, 44, 47, 2.6f), Capsule(38, 41, 42, 37, 2.2f),
                    Capsule(42, 45, 46, 41, 2.2f)});
    default:  // rocket going up
      return Union({Ellipse(c, 30, 6.5f, 13), Polygon({{25.5f, 34}, {20, 46}, {26, 42}}),
                    Polygon({{38.5f, 34}, {44, 46}, {38, 42}})});
  }
}

struct Medal {
  Colour rim, face, emblem;
};

const Medal kMedals[16] = {
    {Rgb(232, 170, 40), Rgb(120, 60, 10), Rgb(255, 230, 90)},     // star
    {Rgb(150, 70, 200), Rgb(60, 20, 90), Rgb(255, 210, 70)},      // crown
    {Rgb(60, 120, 230), Rgb(20, 36, 100), Rgb(255, 250, 120)},    // bolt
    {Rgb(230, 70, 110), Rgb(100, 14, 40), Rgb(255, 120, 150)},    // heart
    {Rgb(80, 170, 90), Rgb(20, 70, 30), Rgb(210, 235, 255)},      // shield
    {Rgb(60, 200, 220), Rgb(10, 70, 90), Rgb(170, 255, 240)},     // gem
    {Rgb(220, 220, 230), Rgb(60, 64, 90), Rgb(255, 150, 60)},     // craft
    {Rgb(240, 200, 60), Rgb(140, 90, 10), Rgb(255, 244, 170)},    // trophy
    {Rgb(90, 90, 200), Rgb(16, 16, 70), Rgb(250, 240, 170)},      // moon
    {Rgb(250, 120, 40), Rgb(110, 30, 10), Rgb(255, 220, 80)},     // flame
    {Rgb(100, 210, 80), Rgb(20, 80, 20), Rgb(190, 255, 150)},     // clover
    {Rgb(200, 80, 220), Rgb(70, 20, 80), Rgb(255, 230, 255)},     // note
    {Rgb(190, 190, 200), Rgb(50, 50, 64), Rgb(255, 255, 255)},    // stopwatch
    {Rgb(230, 60, 60), Rgb(90, 10, 10), Rgb(255, 240, 240)},      // target
    {Rgb(200, 160, 90), Rgb(80, 50, 20), Rgb(255, 214, 120)},     // key
    {Rgb(70, 200, 180), Rgb(10, 60, 70), Rgb(255, 140, 90)},      // rocket
};

Canvas DrawBadge(int badge) {
  Canvas c = MakeCanvas(64, 64);
  const Medal& m = kMedals[badge];
  // A scalloped rim, the medal face, then the emblem with its own dark rim.
  Shape rim = Union(Circle(32, 32, 28), Star(32, 32, 16, 27, 30.5f, 0));
  Fill(c, rim, Lit(26, 24, 34, m.rim));
  Fill(c, Circle(32, 32, 23.5f), Solid(Ink()));
  Fill(c, Circle(32, 32, 22), VGradient(10, Scale(m.face, 1.5f), 54, m.face));
  // Emblems are drawn on a 64 grid and enlarged a little about the centre so
  // they still read at the score table's small size.
  const float k = 1.18f;
  Shape base = Emblem(badge);
  Shape emblem = [base, k](float x, float y) {
    return base(32 + (x - 32) / k, 32 + (y - 32) / k) * k;
  };
  Fill(c, Grow(emblem, 2.2f), Solid(Ink()));
  Fill(c, emblem, VGradient(14, Scale(m.emblem, 1.1f), 50, Scale(m.emblem, 0.78f)));
  // A light glint over the upper left of the emblem.
  Fill(c, Intersect(emblem, Circle(22, 20, 14)), Solid(Rgb(255, 255, 255)), 0.25f);
  Outline(c, Ink(), 1.6f);
  return c;
}

}  // namespace

Canvas DrawBadges() {
  Canvas sheet = MakeCanvas(256, 256);
  for (int b = 0; b < 16; ++b) Blit(sheet, DrawBadge(b), (b % 4) * 64, (b / 4) * 64);
  return sheet;
}

}  // namespace assetgen
