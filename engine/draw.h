// draw.h - the engine's draw-state helpers, used by every screen.
//
// A thin layer over the platform's draw state: one call that puts the state
// back to its defaults, setters with the engine's conventions (optional y
// scale, colours as clamped floats with an optional alpha, four blend codes),
// text aligned to a point, the per-frame clear, a pointer-in-rectangle test,
// a float clamp, and two sprite draws whose count per frame is capped by
// budgets that the performance calibration sets.
#pragma once

#include <array>   // Required for: DrawCounts, DrawBudgets
#include <string>  // Required for: DrawTextAligned

#include "platform/platform.h"

namespace crownlift {

// Per-frame draw counts and their budgets, by slot: 1 main sprites, 2 glow
// copies, 3 particles. ClearFrame zeroes slots 1..10 of the counts.
inline constexpr int kDrawSlotCount = 20;
extern std::array<int, kDrawSlotCount> DrawCounts;
extern std::array<int, kDrawSlotCount> DrawBudgets;

void ResetDrawState();
void SetDrawScale(float sx);
void SetDrawScale(float sx, float sy);
void SetDrawRotation(float degrees);
void SetEngineBlend(int code);  // 0 solid, 1 alpha, 2 shade, 3 light; others ignored
void SetDrawColour(float r, float g, float b);
void SetDrawColour(float r, float g, float b, float alpha);
// hAlign 0 left, 1 centre, 2 right; vAlign 0 top, 1 middle, 2 bottom.
void DrawTextAligned(int x, int y, const std::string& text, int hAlign, int vAlign);
void ClearFrame();
bool MouseInRect(int x, int y, int w, int h);  // strict on every edge
float ClampFloat(float value, float lo, float hi);
// Draws a frame with the scaled image's top-left corner at (x, y), within
// the slot's budget.
void DrawCountedImage(platform::Image* image, int x, int y, int frame, int slot);
// A counted main copy plus a concentric additive glow copy, budgeted apart.
void DrawGlowImage(platform::Image* image, int x, int y, int frame, platform::Image* glowImage,
                   float glowScale, float glowAlpha);

}  // namespace crownlift
