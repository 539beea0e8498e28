// assets.h - the game's own images, loaded from the game folder.
#pragma once

#include "platform/platform.h"

namespace crownlift {

extern platform::Image* TitleLogo;   // logo.png, the front end's title
extern platform::Image* FolkImage;   // folk.png, 100 cells of 32 x 32: the two royals
extern platform::Image* TopImage;    // top.png, terrain row tile
extern platform::Image* BotImage;    // bot.png, ground strip tile
extern platform::Image* StickImage;  // stick.png, a pole
extern platform::Image* CraftImage;  // wockit.png, the craft
extern platform::Image* GripImage;   // grip.png, hangs below the craft
extern platform::Image* SmashImage;  // smash.png, crash explosion
extern platform::Image* HazardImage; // smashb.png, a hazard

// Runs the performance calibration, then (re)loads the images above from the
// current folder. A missing image ends the program with a message naming it.
void LoadGameAssets();
void UnloadGameAssets();

}  // namespace crownlift
