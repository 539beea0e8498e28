// overlay.h - the settings overlay that slides in over any screen.
#pragma once

namespace crownlift {

// Vertical offset of the overlay: negative while it is (partly) hidden above
// the screen, 0 when fully down.
extern int OverlayOffset;

// Draws and runs the overlay; called by FrameEnd every frame. It shows while
// SettingsOpen is 1 and while it slides away.
void DrawSettingsOverlay();

}  // namespace crownlift
