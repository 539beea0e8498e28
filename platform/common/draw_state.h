// draw_state.h - the current draw state that every draw call applies.
//
// Colour, alpha, blend mode, scale, rotation and font are set by the public
// Set/Get calls of platform.h (draw_state.cpp) and read by both backends and
// by the overlap test. Besides the values as set, the state keeps what each
// draw would otherwise recompute: the sine and cosine of the rotation and the
// colour packed into four bytes, so drawing tens of thousands of sprites a
// frame costs no trigonometry or packing per sprite.
#pragma once

#include <cstdint>  // Required for: uint32_t

#include "platform/platform.h"  // Required for: Blend, Font

namespace platform {

struct DrawState {
  int r = 255, g = 255, b = 255;  // 0..255 each
  float alpha = 1;                // 0..1
  Blend blend = Blend::Alpha;
  float scaleX = 1, scaleY = 1;
  float rotation = 0;  // degrees, clockwise on screen (y grows downwards)
  Font* font = nullptr;  // nullptr: the built-in font
  // Kept in step by the setters.
  float cosine = 1, sine = 0;
  uint32_t packedColour = 0xFFFFFFFFu;  // bytes r, g, b, a in memory order
};

// The one draw state of the process.
extern DrawState gDrawState;

void ResetDrawStateToDefaults();

// The linear part of the current transform: a local offset (u, v) from an
// object's pivot lands at (u * ux + v * vx, u * uy + v * vy) from the pivot.
struct LinearMap {
  float ux, uy, vx, vy;
};
inline LinearMap CurrentLinearMap() {
  const DrawState& s = gDrawState;
  return {s.cosine * s.scaleX, s.sine * s.scaleX, -s.sine * s.scaleY, s.cosine * s.scaleY};
}

}  // namespace platform
