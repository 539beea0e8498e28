// Art: every image the game ships, each drawn by one function.
//
// Sizes follow how the program draws them: the play sprites at scale 2 in
// a 1280 x 960 logical field, strips as square-ish sheets of cells read left
// to right, top to bottom. The palette below is shared so the royals, the
// craft and the scenery sit together.
#pragma once

#include "raster.h"  // Required for: Canvas, Colour

namespace assetgen {

// Shared palette.
inline Colour Ink() { return Rgb(10, 10, 18); }        // outlines: near-black, never the mask
inline Colour Gold() { return Rgb(255, 204, 64); }
inline Colour Skin() { return Rgb(246, 196, 160); }
inline Colour Snow() { return Rgb(244, 244, 240); }

// Files/270/
Canvas DrawFolk();      // 320 x 320: 100 cells of 32 x 32, royals in cells 0..19
Canvas DrawWockit();    // 32 x 32: the craft
Canvas DrawGrip();      // 16 x 16: the claw on its line
Canvas DrawTop();       // 320 x 64: terrain row tile
Canvas DrawBot();       // 320 x 32: ground strip tile
Canvas DrawStick();     // 16 x 128: the pole
Canvas DrawSmash();     // 40 x 40: crash explosion (tinted)
Canvas DrawSmashB();    // 16 x 16: drifting hazard (tinted)
Canvas DrawBadges();    // 256 x 256: 16 cells of 64 x 64
Canvas DrawTitleLogo(); // about 600 x 200: "Crownlift"

// Files/Common/
Canvas DrawIcons();       // 128 x 128: 64 cells of 16 x 16
Canvas DrawSeriesLogo();  // about 400 x 200: "Reelpack"
Canvas DrawSiteLogo();    // about 400 x 200: "Brasslane"

}  // namespace assetgen
