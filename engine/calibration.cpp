// calibration.cpp - the performance calibration.
#include "engine/calibration.h"

#include <string>  // Required for: log lines

#include "engine/draw.h"        // Required for: ClearFrame, ResetDrawState, DrawBudgets
#include "engine/frame_end.h"   // Required for: FrameEnd, FpsAverage, DebugOverlay
#include "platform/platform.h"  // Required for: the random generator, DrawImage
#include "shell/assets.h"       // Required for: SeriesLogo, SiteLogo, IconsSharp
#include "shell/backdrop.h"     // Required for: DrawBackdrop
#include "shell/state.h"

namespace crownlift {

int TargetFps = 60;

namespace {

void DrawLogos(float t) {
  const float vw = static_cast<float>(Display.VirtualWidth);
  const float vh = static_cast<float>(Display.VirtualHeight);
  SetDrawScale(1.5f);
  platform::DrawImage(SeriesLogo, 0.3f * vw * t, 0.3f * vh, 0);
  platform::DrawImage(SiteLogo, vw - 0.3f * vw * t, vh - 0.3f * vh, 0);
  SetDrawScale(1);
}

// One measured frame with n + 1 fully transparent, rotated test sprites.
void DrawMeasuredFrame(int n, int spriteScale) {
  ClearFrame();
  ResetDrawState();
  DrawBackdrop();
  DrawLogos(1);
  const int vw = Display.VirtualWidth, vh = Display.VirtualHeight;
  for (int i = 0; i <= n; ++i) {
    SetDrawRotation(static_cast<float>(platform::RandomInt(1, 360)));
    SetDrawColour(0, 0, 0, 0);
    SetDrawScale(static_cast<float>(spriteScale));
    platform::DrawImage(IconsSharp, static_cast<float>(platform::RandomInt(1, vw)),
                        static_cast<float>(platform::RandomInt(1, vh)), 0);
  }
  FrameEnd(0);
}

}  // namespace

void EngineTest(int target, int spriteScale) {
  DebugOverlay = 0;
  if (Settings[SlowSystem] == 1) target = 30;
  TargetFps = target;
  DrawBudgets[1] = 500;
  DrawBudgets[2] = 500;
  DrawBudgets[3] = 250;
  int best = 0;
  LogLine("Starting Engine Test");
  LogLine("Aiming for " + std::to_string(target) + "," + std::to_string(spriteScale));

  for (int n = 500; n <= 15000; n += 500) {
    ClearFrame();
    ResetDrawState();
    DrawBackdrop();
    float t = static_cast<float>(n) / 500.0f / 15.0f - 1.0f;
    t = ClampFloat(t, -1, 1);
    DrawLogos(t);
    FrameEnd(0);
  }

  for (int n = 500; n <= 20000; n += 500) {
    for (int frame = 0; frame < 8; ++frame) DrawMeasuredFrame(n, spriteScale);
    if (FpsAverage >= target - 2 && n > 500) best = n;
    if (FpsAverage <= target - 2 && n > 500) n = 20000;
  }
  LogLine("Test Complete");

  DrawBudgets[1] = static_cast<int>(best * 0.4);
  DrawBudgets[2] = static_cast<int>(best * 0.4);
  DrawBudgets[3] = static_cast<int>(best * 0.2);
  LogLine("");
  LogLine("Engine Test Results");
  LogLine("");
  LogLine("\tMaximum Sprites Allowed for " + std::to_string(target) + " Frames Per Second");
  LogLine("\tMain sprites : " + std::to_string(DrawBudgets[1]));
  LogLine("\tGlowy Sprites : " + std::to_string(DrawBudgets[2]));
  LogLine("\tParticles : " + std::to_string(DrawBudgets[3]));
  LogLine("");

  if (DrawBudgets[1] < 1000) {
    DrawBudgets[1] = 1000;
    TargetFps = 30;
    Settings[SlowSystem] = 1;
  }
  if (DrawBudgets[2] < 500) DrawBudgets[2] = 500;
  if (DrawBudgets[3] < 250) DrawBudgets[3] = 250;
  if (TargetFps == 30) LogLine("Settings Overwritten, Set to Default Lower Limits at 30fps.");
  LogLine("");
  DebugOverlay = 0;
}

}  // namespace crownlift
