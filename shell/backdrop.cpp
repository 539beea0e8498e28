// backdrop.cpp - the diagonal colour-band background.
#include "shell/backdrop.h"

#include "engine/draw.h"   // Required for: ResetDrawState, SetDrawColour, SetDrawRotation
#include "shell/state.h"   // Required for: Display

namespace crownlift {

BackdropRgb BackdropColour;
BackdropRgb BackdropTarget;

namespace {

void EaseTowards(float& c, float target) {
  c = c - (c - target) / 16;
  if (c - target < 0.005f && target - c < 0.005f) c = target;
}

}  // namespace

void DrawBackdrop() {
  ResetDrawState();
  EaseTowards(BackdropColour.r, BackdropTarget.r);
  EaseTowards(BackdropColour.g, BackdropTarget.g);
  EaseTowards(BackdropColour.b, BackdropTarget.b);

  SetDrawRotation(-45);
  float shade = 25;
  const float width = static_cast<float>(Display.VirtualWidth + 1800);
  for (int y = 0; y <= Display.VirtualHeight; y += 10) {
    shade += 1;
    SetDrawColour(shade * BackdropColour.r, shade * BackdropColour.g, shade * BackdropColour.b);
    platform::DrawRect(-100, static_cast<float>(3 * y), width, 30);
  }
  ResetDrawState();
}

}  // namespace crownlift
