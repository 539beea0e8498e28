// collide.cpp - the pixel-exact overlap test of two image frames.
//
// Each frame is placed with its handle (centre) on an integer point and both
// are transformed by the current scale and rotation, exactly as they would be
// drawn. The test first compares the two transformed bounding boxes; where
// they meet, it visits every logical pixel whose centre lies in the common
// box, maps that centre back into each frame and looks the source pixel up in
// the frame's opaque mask. One pixel opaque in both frames is an overlap.
// Sampling at pixel centres is what a nearest-sampled draw would show, so
// frames that merely touch along an edge do not overlap. Both backends run
// this same code.
#include <algorithm>  // Required for: std::min, std::max
#include <cmath>      // Required for: std::floor, std::ceil, std::fabs

#include "platform/common/draw_state.h"  // Required for: the current scale and rotation
#include "platform/common/image_data.h"  // Required for: Image, MaskBit

namespace platform {

namespace {

struct Box {
  double left, top, right, bottom;
};

// One frame placed in the world: its pivot, mask and the inverse of the draw
// transform (world offset from the pivot -> local offset from the handle).
struct Placed {
  const Image* image;
  int frame;
  double cx, cy;
  Box box;
};

Placed Place(const Image* image, int frame, int x, int y, const LinearMap& m) {
  Placed p{image, frame, double(x), double(y), {}};
  const double left = -image->handleX, top = -image->handleY;
  const double right = image->width - image->handleX, bottom = image->height - image->handleY;
  const double xs[4] = {left, right, right, left};
  const double ys[4] = {top, top, bottom, bottom};
  p.box = {1e300, 1e300, -1e300, -1e300};
  for (int i = 0; i < 4; ++i) {
    const double wx = p.cx + xs[i] * m.ux + ys[i] * m.vx;
    const double wy = p.cy + xs[i] * m.uy + ys[i] * m.vy;
    p.box.left = std::min(p.box.left, wx);
    p.box.right = std::max(p.box.right, wx);
    p.box.top = std::min(p.box.top, wy);
    p.box.bottom = std::max(p.box.bottom, wy);
  }
  return p;
}

bool Opaque(const Placed& p, double localX, double localY) {
  const double sx = std::floor(localX + p.image->handleX);
  const double sy = std::floor(localY + p.image->handleY);
  if (sx < 0 || sy < 0 || sx >= p.image->width || sy >= p.image->height) return false;
  return MaskBit(*p.image, p.frame, int(sx), int(sy));
}

}  // namespace

bool ImagesCollide(const Image* a, int ax, int ay, int aframe, const Image* b, int bx, int by,
                   int bframe) {
  if (!a || !b || aframe < 0 || bframe < 0 || aframe >= a->frames || bframe >= b->frames) {
    return false;
  }
  const LinearMap m = CurrentLinearMap();
  const double det = double(m.ux) * m.vy - double(m.vx) * m.uy;
  if (std::fabs(det) < 1e-12) return false;  // a zero scale covers no pixels
  const Placed pa = Place(a, aframe, ax, ay, m);
  const Placed pb = Place(b, bframe, bx, by, m);

  const Box common{std::max(pa.box.left, pb.box.left), std::max(pa.box.top, pb.box.top),
                   std::min(pa.box.right, pb.box.right), std::min(pa.box.bottom, pb.box.bottom)};
  if (common.left >= common.right || common.top >= common.bottom) return false;

  // Pixel px has its centre at px + 0.5; take those strictly inside the box.
  const int firstX = int(std::floor(common.left + 0.5)), lastX = int(std::ceil(common.right - 0.5)) - 1;
  const int firstY = int(std::floor(common.top + 0.5)), lastY = int(std::ceil(common.bottom - 0.5)) - 1;

  // Inverse of the linear map, as the change of local coordinates per world step.
  const double invUX = m.vy / det, invUY = -m.vx / det;  // local x per world x, per world y
  const double invVX = -m.uy / det, invVY = m.ux / det;  // local y per world x, per world y

  for (int py = firstY; py <= lastY; ++py) {
    const double wy = py + 0.5;
    const double wx0 = firstX + 0.5;
    double aLocalX = (wx0 - pa.cx) * invUX + (wy - pa.cy) * invUY;
    double aLocalY = (wx0 - pa.cx) * invVX + (wy - pa.cy) * invVY;
    double bLocalX = (wx0 - pb.cx) * invUX + (wy - pb.cy) * invUY;
    double bLocalY = (wx0 - pb.cx) * invVX + (wy - pb.cy) * invVY;
    for (int px = firstX; px <= lastX; ++px) {
      if (Opaque(pa, aLocalX, aLocalY) && Opaque(pb, bLocalX, bLocalY)) return true;
      aLocalX += invUX;
      aLocalY += invVX;
      bLocalX += invUX;
      bLocalY += invVX;
    }
  }
  return false;
}

}  // namespace platform
