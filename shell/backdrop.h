// backdrop.h - the diagonal colour-band background of the menus.
//
// The start-up screen, the front end, the calibration, the name entry and
// the closing screen all draw it. Its colour eases towards a target that the
// front end's tabs set, so changing tab fades the whole backdrop.
#pragma once

namespace crownlift {

struct BackdropRgb {
  float r = 0.2f, g = 0.0f, b = 1.0f;
};
extern BackdropRgb BackdropColour;
extern BackdropRgb BackdropTarget;

// Moves BackdropColour one step towards BackdropTarget and draws the bands;
// leaves the draw state reset.
void DrawBackdrop();

}  // namespace crownlift
