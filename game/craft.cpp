// craft.cpp - drawing the craft with its grip, and the crash explosion.
#include "game/craft.h"

#include "audio/effects.h"  // Required for: PlayEffect when a crash begins
#include "engine/draw.h"    // Required for: SetDrawColour, SetDrawScale, SetDrawRotation
#include "game/assets.h"    // Required for: CraftImage, GripImage, SmashImage
#include "game/level.h"     // Required for: the craft and crash state
#include "game/royals.h"    // Required for: GripX, GripY

namespace crownlift {

void DrawCraft() {
  SetDrawColour(255, 255, 255);
  SetDrawScale(1);
  platform::DrawLine(CraftX + 32, CraftY + 32, GripX(), GripY());
  SetDrawScale(2);
  platform::DrawImage(CraftImage, CraftX + 32, CraftY + 32, 0);
  platform::DrawImage(GripImage, GripX(), GripY(), 0);
}

void DrawCrash() {
  if (CrashTimer <= 0) return;
  if (CrashTimer == 1) PlayEffect(2, 1, 1, 0);
  ++CrashTimer;
  SetDrawScale(4);
  SetDrawRotation(static_cast<float>(platform::RandomInt(1, 360)));
  const int r = platform::RandomInt(150, 255);
  const int g = platform::RandomInt(50, 180);
  const int b = platform::RandomInt(0, 50);
  SetDrawColour(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b), 0.5f);
  if (CrashCause == kCauseCraft) {
    platform::DrawImage(SmashImage, CraftX + 32, CraftY + 32, 0);
  } else if (CrashCause == kCauseRoyal1 || CrashCause == kCauseRoyal2) {
    // A royal's explosion sits on the royal's top-left corner, as it always has.
    const int k = CrashCause == kCauseRoyal1 ? 1 : 2;
    platform::DrawImage(SmashImage, RoyalX[k], RoyalY[k], 0);
  }
  SetDrawScale(2);
  SetDrawRotation(0);
}

}  // namespace crownlift
