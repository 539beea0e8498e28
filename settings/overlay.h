// overlay.h - the settings overlay that slides in over any screen.
#pragma once

namespace crownlift {

// Vertical offset of the overlay: -300 when hidden above the screen, 20 when
// fully down, negative while it slides; the binding widgets capture only from
// 0 on.
extern int OverlayOffset;

// Draws and runs the overlay; called by FrameEnd every frame. It shows while
// SettingsOpen is 1 and while it slides away.
void DrawSettingsOverlay();

}  // namespace crownlift
