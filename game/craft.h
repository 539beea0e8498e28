// craft.h - drawing the craft with its grip, and the crash explosion.
#pragma once

namespace crownlift {

// The line, the craft and the grip that hangs below it.
void DrawCraft();

// While crashed: plays the crash effect on the frame of the hit, counts the
// crash frames and draws the explosion over whatever was hit.
void DrawCrash();

}  // namespace crownlift
