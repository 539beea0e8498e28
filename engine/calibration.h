// calibration.h - the performance calibration run at every display set-up.
//
// Measures how many sprites the machine draws per frame while holding the
// target frame rate, shown to the player as the two logos sliding in over the
// backdrop, and sets the per-frame sprite budgets from it. A machine that
// cannot manage the minimum is switched to slow-system mode at 30 fps.
#pragma once

namespace crownlift {

extern int TargetFps;  // 60, or 30 in slow-system mode

void EngineTest(int target, int spriteScale);

}  // namespace crownlift
