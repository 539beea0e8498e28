// Lettering: a small stroke alphabet of our own for the logos.
//
// Each glyph is a few strokes (straight lines and circular arcs) on a grid
// where capitals run from y 0 (top) to y 1 (baseline), the x-height is at
// 0.42 and descenders reach 1.3. A word becomes one Shape, so the logo
// painters can outline, extrude and shade it like any other shape. Only the
// letters our logos use are drawn; others are skipped.
#pragma once

#include <string>  // Required for: the word to letter

#include "raster.h"  // Required for: Shape

namespace assetgen {

struct WordLayout {
  Shape shape;       // the whole word
  float width = 0;   // advance in pixels, from the left edge of the first stroke
};

// The word with its cap top-left at (x, y), capital height `size` pixels,
// strokes `weight` x size thick, letters `spacing` x size apart.
// With dotI false an 'i' has no dot, for a logo that puts something else there.
WordLayout LayoutWord(const std::string& word, float x, float y, float size, float weight,
                      float spacing, bool dotI = true);

// Width in pixels the word would take, for centring.
float MeasureWord(const std::string& word, float size, float weight, float spacing);

}  // namespace assetgen
