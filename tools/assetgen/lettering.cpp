// Lettering: the glyph strokes and the word layout. See lettering.h.
#include "lettering.h"

#include <vector>  // Required for: stroke lists

namespace assetgen {
namespace {

struct Stroke {
  bool arc = false;
  float ax = 0, ay = 0, bx = 0, by = 0;  // a line from a to b
  float cx = 0, cy = 0, r = 0, a0 = 0, a1 = 0;  // an arc (degrees, y down)
};

Stroke L(float ax, float ay, float bx, float by) { return Stroke{false, ax, ay, bx, by}; }
Stroke A(float cx, float cy, float r, float a0, float a1) {
  Stroke s;
  s.arc = true;
  s.cx = cx;
  s.cy = cy;
  s.r = r;
  s.a0 = a0;
  s.a1 = a1;
  return s;
}

struct Glyph {
  float width = 0;  // extent of the centre lines
  std::vector<Stroke> strokes;
};

// Lower-case bowls share one circle: centre y 0.71, radius 0.29.
constexpr float kBowlY = 0.71f, kBowlR = 0.29f, kXh = 0.42f;

Glyph GlyphFor(char ch) {
  switch (ch) {
    case 'B':
      return {0.58f, {L(0, 0, 0, 1), L(0, 0, 0.3f, 0), A(0.3f, 0.24f, 0.24f, 270, 450),
                      L(0, 0.48f, 0.32f, 0.48f), A(0.32f, 0.74f, 0.26f, 270, 450),
                      L(0, 1, 0.32f, 1)}};
    case 'C':
      return {0.86f, {A(0.5f, 0.5f, 0.5f, 42, 318)}};
    case 'R':
      return {0.6f, {L(0, 0, 0, 1), L(0, 0, 0.3f, 0), A(0.3f, 0.25f, 0.25f, 270, 450),
                     L(0, 0.5f, 0.3f, 0.5f), L(0.26f, 0.5f, 0.6f, 1)}};
    case 'a':
      return {0.58f, {A(0.29f, kBowlY, kBowlR, 0, 360), L(0.58f, kXh, 0.58f, 1)}};
    case 'c':
      return {0.56f, {A(0.29f, kBowlY, kBowlR, 45, 315)}};
    case 'e':
      return {0.58f, {A(0.29f, kBowlY, kBowlR, 42, 360), L(0, kBowlY, 0.58f, kBowlY)}};
    case 'f':
      return {0.4f, {L(0.12f, 1, 0.12f, 0.22f), A(0.34f, 0.22f, 0.22f, 180, 300),
                     L(-0.04f, 0.45f, 0.36f, 0.45f)}};
    case 'i':
      return {0, {L(0, kXh, 0, 1), A(0, 0.19f, 0.0f, 0, 360)}};
    case 'k':
      return {0.46f, {L(0, 0, 0, 1), L(0.44f, kXh, 0, 0.76f), L(0.14f, 0.66f, 0.46f, 1)}};
    case 'l':
      return {0.16f, {L(0, 0, 0, 0.82f), A(0.18f, 0.82f, 0.18f, 90, 180)}};
    case 'n':
      return {0.54f, {L(0, kXh, 0, 1), A(0.27f, 0.69f, 0.27f, 180, 360),
                      L(0.54f, 0.69f, 0.54f, 1)}};
    case 'o':
      return {0.58f, {A(0.29f, kBowlY, kBowlR, 0, 360)}};
    case 'p':
      return {0.58f, {A(0.29f, kBowlY, kBowlR, 0, 360), L(0, kXh, 0, 1.3f)}};
    case 'r':
      return {0.4f, {L(0, kXh, 0, 1), A(0.27f, 0.69f, 0.27f, 180, 290)}};
    case 's':
      return {0.48f, {A(0.24f, 0.565f, 0.145f, 90, 340), A(0.24f, 0.855f, 0.145f, 270, 520)}};
    case 't':
      return {0.34f, {L(0.1f, 0.16f, 0.1f, 0.82f), A(0.28f, 0.82f, 0.18f, 90, 180),
                      L(-0.04f, kXh, 0.34f, kXh)}};
    case 'w':
      return {0.74f, {L(0, kXh, 0.17f, 1), L(0.17f, 1, 0.37f, 0.58f), L(0.37f, 0.58f, 0.57f, 1),
                      L(0.57f, 1, 0.74f, kXh)}};
    default:
      return {0.4f, {}};
  }
}

}  // namespace

float MeasureWord(const std::string& word, float size, float weight, float spacing) {
  float x = 0;
  for (size_t i = 0; i < word.size(); ++i) {
    x += GlyphFor(word[i]).width * size;
    if (i + 1 < word.size()) x += (weight + spacing) * size;
  }
  return x + weight * size;
}

WordLayout LayoutWord(const std::string& word, float x, float y, float size, float weight,
                      float spacing, bool dotI) {
  std::vector<Shape> parts;
  float half = weight * size / 2;
  float pen = x + half;
  for (char ch : word) {
    Glyph g = GlyphFor(ch);
    for (const Stroke& s : g.strokes) {
      if (s.arc) {
        if (s.r == 0) {  // a dot
          if (!dotI) continue;
          parts.push_back(Circle(pen + s.cx * size, y + s.cy * size, half * 1.15f));
        } else {
          parts.push_back(Arc(pen + s.cx * size, y + s.cy * size, s.r * size, s.a0, s.a1,
                              weight * size));
        }
      } else {
        parts.push_back(Capsule(pen + s.ax * size, y + s.ay * size, pen + s.bx * size,
                                y + s.by * size, half));
      }
    }
    pen += (g.width + weight + spacing) * size;
  }
  WordLayout out;
  out.shape = Union(std::move(parts));
  out.width = MeasureWord(word, size, weight, spacing);
  return out;
}

}  // namespace assetgen
