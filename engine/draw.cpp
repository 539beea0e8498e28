// draw.cpp - the engine's draw-state helpers.
#include "engine/draw.h"

#include <cmath>  // Required for: std::isnan

#include "engine/frame_end.h"  // Required for: MouseX, MouseY, FrameParity
#include "shell/state.h"       // Required for: Settings[SlowSystem]

namespace crownlift {

std::array<int, kDrawSlotCount> DrawCounts{};
std::array<int, kDrawSlotCount> DrawBudgets{};

namespace {

// Counted draws are skipped on frames that a slow system will not present.
bool FrameIsDropped() { return Settings[SlowSystem] == 1 && FrameParity == 1; }

// The centre of a frame whose scaled top-left corner is at (x, y).
void CentreOf(const platform::Image* image, int x, int y, float sx, float sy, float& cx,
              float& cy) {
  cx = x + platform::ImageWidth(image) * sx / 2;
  cy = y + platform::ImageHeight(image) * sy / 2;
}

bool TakeFromBudget(int slot) {
  if (slot < 0 || slot >= kDrawSlotCount) return false;
  if (DrawCounts[slot] >= DrawBudgets[slot]) return false;
  ++DrawCounts[slot];
  return true;
}

}  // namespace

void ResetDrawState() {
  platform::SetRotation(0);
  platform::SetScale(1, 1);
  platform::SetColour(255, 255, 255);
  platform::SetAlpha(1);
  SetEngineBlend(1);
}

void SetDrawScale(float sx) { platform::SetScale(sx, sx); }
void SetDrawScale(float sx, float sy) { platform::SetScale(sx, sy); }
void SetDrawRotation(float degrees) { platform::SetRotation(degrees); }

void SetEngineBlend(int code) {
  switch (code) {
    case 0: platform::SetBlend(platform::Blend::Solid); break;
    case 1: platform::SetBlend(platform::Blend::Alpha); break;
    case 2: platform::SetBlend(platform::Blend::Shade); break;
    case 3: platform::SetBlend(platform::Blend::Light); break;
    default: break;
  }
}

void SetDrawColour(float r, float g, float b) {
  platform::SetColour(static_cast<int>(ClampFloat(r, 0, 255)), static_cast<int>(ClampFloat(g, 0, 255)),
                      static_cast<int>(ClampFloat(b, 0, 255)));
}

void SetDrawColour(float r, float g, float b, float alpha) {
  SetDrawColour(r, g, b);
  platform::SetAlpha(ClampFloat(alpha, 0, 1));
}

void DrawTextAligned(int x, int y, const std::string& text, int hAlign, int vAlign) {
  if (hAlign == 1) x -= platform::TextWidth(text) / 2;
  if (hAlign == 2) x -= platform::TextWidth(text);
  if (vAlign == 1) y -= platform::TextHeight() / 2;
  if (vAlign == 2) y -= platform::TextHeight();
  platform::DrawText(text, static_cast<float>(x), static_cast<float>(y));
}

void ClearFrame() {
  platform::ClearBackBuffer();
  for (int slot = 1; slot <= 10; ++slot) DrawCounts[slot] = 0;
}

bool MouseInRect(int x, int y, int w, int h) {
  return MouseX > x && MouseY > y && MouseX < x + w && MouseY < y + h;
}

float ClampFloat(float value, float lo, float hi) {
  // Upper bound first, then lower: lo wins when lo > hi, and NaN gives lo.
  if (std::isnan(value)) return lo;
  const float v = value < hi ? value : hi;
  return v > lo ? v : lo;
}

void DrawCountedImage(platform::Image* image, int x, int y, int frame, int slot) {
  if (FrameIsDropped() || !image) return;
  float sx, sy;
  platform::GetScale(sx, sy);
  if (!TakeFromBudget(slot)) return;
  float cx, cy;
  CentreOf(image, x, y, sx, sy, cx, cy);
  platform::DrawImage(image, cx, cy, frame);
}

void DrawGlowImage(platform::Image* image, int x, int y, int frame, platform::Image* glowImage,
                   float glowScale, float glowAlpha) {
  if (FrameIsDropped() || !image) return;
  float sx, sy;
  platform::GetScale(sx, sy);
  const float alpha = platform::GetAlpha();
  const platform::Blend blend = platform::GetBlend();

  DrawCountedImage(image, x, y, frame, 1);

  platform::SetScale(sx * glowScale, sy * glowScale);
  platform::SetAlpha(alpha * glowAlpha);
  SetEngineBlend(3);
  if (glowImage && TakeFromBudget(2)) {
    float cx, cy;
    CentreOf(image, x, y, sx, sy, cx, cy);
    platform::DrawImage(glowImage, cx, cy, frame);
  }

  platform::SetScale(sx, sy);
  platform::SetAlpha(alpha);
  platform::SetBlend(blend);
}

}  // namespace crownlift
