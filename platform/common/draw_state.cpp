// draw_state.cpp - the public Set/Get calls of the draw state.
//
// Both backends share this state; the setters clamp what they are given and
// refresh the derived values (sine, cosine, packed colour) at once.
#include "platform/common/draw_state.h"

#include <algorithm>  // Required for: std::clamp
#include <cmath>      // Required for: std::sin, std::cos, std::isnan

namespace platform {

DrawState gDrawState;

namespace {

constexpr double kDegreesToRadians = 3.14159265358979323846 / 180.0;

void PackColour() {
  DrawState& s = gDrawState;
  const uint32_t a = uint32_t(std::lround(s.alpha * 255.0f));
  const uint8_t bytes[4] = {uint8_t(s.r), uint8_t(s.g), uint8_t(s.b), uint8_t(a)};
  s.packedColour = uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
                   uint32_t(bytes[3]) << 24;
}

}  // namespace

void ResetDrawStateToDefaults() {
  gDrawState = DrawState{};
  PackColour();
}

void SetColour(int r, int g, int b) {
  gDrawState.r = std::clamp(r, 0, 255);
  gDrawState.g = std::clamp(g, 0, 255);
  gDrawState.b = std::clamp(b, 0, 255);
  PackColour();
}

void GetColour(int& r, int& g, int& b) {
  r = gDrawState.r;
  g = gDrawState.g;
  b = gDrawState.b;
}

void SetAlpha(float alpha) {
  // A value that is not a number counts as fully transparent.
  gDrawState.alpha = std::isnan(alpha) ? 0.0f : std::clamp(alpha, 0.0f, 1.0f);
  PackColour();
}

float GetAlpha() { return gDrawState.alpha; }

void SetBlend(Blend blend) {
  switch (blend) {
    case Blend::Solid:
    case Blend::Alpha:
    case Blend::Shade:
    case Blend::Light:
      gDrawState.blend = blend;
      break;
  }
}

Blend GetBlend() { return gDrawState.blend; }

void SetScale(float sx, float sy) {
  gDrawState.scaleX = sx;
  gDrawState.scaleY = sy;
}

void GetScale(float& sx, float& sy) {
  sx = gDrawState.scaleX;
  sy = gDrawState.scaleY;
}

void SetRotation(float degrees) {
  if (degrees == gDrawState.rotation) return;
  gDrawState.rotation = degrees;
  const double radians = double(degrees) * kDegreesToRadians;
  gDrawState.cosine = float(std::cos(radians));
  gDrawState.sine = float(std::sin(radians));
}

float GetRotation() { return gDrawState.rotation; }

void SetFont(Font* font) { gDrawState.font = font; }

Font* GetFont() { return gDrawState.font; }

}  // namespace platform
