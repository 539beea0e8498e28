// Raster: the small vector painter every image of the game is drawn with.
//
// Shapes are signed-distance functions in pixel units (negative inside), so
// every edge is anti-aliased from the exact distance, outlines are a shape
// grown by a width, and unions or cut-outs are a min or max. Paint gives the
// colour at a point (solid, gradients, lit spheres). A Canvas holds
// premultiplied RGBA floats; ToRgba8 turns it into the bytes we ship.
//
// The game loads every image masked: pure black is transparent. ToRgba8
// therefore keeps one rule: a pixel is either (0,0,0,0) or has a visible
// colour that is never pure black. Dark parts are drawn in near-black.
#pragma once

#include <cstdint>     // Required for: uint8_t
#include <functional>  // Required for: std::function (shapes and paints)
#include <vector>      // Required for: pixel storage, polygon points

namespace assetgen {

struct Colour {
  float r = 0, g = 0, b = 0;
};
Colour Rgb(int r, int g, int b);
Colour Mix(Colour a, Colour b, float t);   // t 0 gives a, 1 gives b
Colour Scale(Colour c, float f);           // brightness factor, clamped to 0..1

struct Vec {
  float x = 0, y = 0;
};

// Signed distance to a shape's edge in pixels; negative inside.
using Shape = std::function<float(float x, float y)>;
// Colour of the paint at a point.
using Paint = std::function<Colour(float x, float y)>;

// Primitive shapes.
Shape Circle(float cx, float cy, float r);
Shape Ellipse(float cx, float cy, float rx, float ry);
Shape Box(float x0, float y0, float x1, float y1, float radius = 0);
Shape Capsule(float ax, float ay, float bx, float by, float r);
Shape Polygon(std::vector<Vec> points);
// A ring segment: the band between radii r0 and r1, angles a0..a1 in degrees
// (0 is right, 90 is down), with round ends.
Shape Arc(float cx, float cy, float r, float a0, float a1, float width);

// Combining shapes.
Shape Union(Shape a, Shape b);
Shape Union(std::vector<Shape> parts);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);
Shape Grow(Shape s, float by);                     // negative shrinks
Shape Move(Shape s, float dx, float dy);
Shape Rotate(Shape s, float cx, float cy, float degrees);
Shape MirrorX(Shape s, float axisX);                // the shape and its mirror

// Paints.
Paint Solid(Colour c);
Paint VGradient(float y0, Colour top, float y1, Colour bottom);
Paint HGradient(float x0, Colour left, float x1, Colour right);
// A ball lit from the upper left: base colour, darker rim, a highlight.
Paint Lit(float cx, float cy, float r, Colour base);
// A cylinder along y lit from the left.
Paint LitColumn(float x0, float x1, Colour base);

struct Pixel {
  float r = 0, g = 0, b = 0, a = 0;  // premultiplied
};

struct Canvas {
  int width = 0;
  int height = 0;
  std::vector<Pixel> px;
  Pixel& At(int x, int y) { return px[static_cast<size_t>(y) * width + x]; }
  const Pixel& At(int x, int y) const { return px[static_cast<size_t>(y) * width + x]; }
};

Canvas MakeCanvas(int width, int height);
// Paints the shape over the canvas. Only pixels within the optional clip
// rectangle [x0,x1) x [y0,y1) are touched (default: the whole canvas).
void Fill(Canvas& c, const Shape& s, const Paint& p, float opacity = 1);
void FillClipped(Canvas& c, const Shape& s, const Paint& p, int x0, int y0, int x1, int y1,
                 float opacity = 1);
// Draws a ring of the given colour around everything already on the canvas,
// behind it: the clean dark edge that keeps sprites readable when scaled.
void Outline(Canvas& c, Colour colour, float width);
// Multiplies the colour of what is there (keeps alpha): shading passes.
void Darken(Canvas& c, const Shape& s, float factor);
// Copies src over dst with its top-left at (x, y), optionally scaled by an
// integer factor (nearest) or a real factor (bilinear).
void Blit(Canvas& dst, const Canvas& src, int x, int y);
void BlitScaled(Canvas& dst, const Canvas& src, float x, float y, float scale);
// Draws the cell (sx, sy, sw, sh) of src centred at (cx, cy), scaled, turned
// clockwise by `degrees`, multiplied by `tint` and faded by `alpha`, with
// bilinear smoothing: how the game draws a filtered image. For previews.
void DrawTransformed(Canvas& dst, const Canvas& src, int sx, int sy, int sw, int sh, float cx,
                     float cy, float scale, float degrees, Colour tint, float alpha);
// Mirrors the canvas left to right.
Canvas FlipX(const Canvas& c);

// Bytes as shipped: RGBA, straight alpha, with the mask rule applied.
std::vector<uint8_t> ToRgba8(const Canvas& c);

}  // namespace assetgen
