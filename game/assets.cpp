// assets.cpp - loading the game's images.
#include "game/assets.h"

#include "engine/calibration.h"  // Required for: EngineTest
#include "shell/assets.h"        // Required for: FailMissingImage

namespace crownlift {

platform::Image* TitleLogo = nullptr;
platform::Image* FolkImage = nullptr;
platform::Image* TopImage = nullptr;
platform::Image* BotImage = nullptr;
platform::Image* StickImage = nullptr;
platform::Image* CraftImage = nullptr;
platform::Image* GripImage = nullptr;
platform::Image* SmashImage = nullptr;
platform::Image* HazardImage = nullptr;

namespace {

constexpr unsigned kDefaultFlags = platform::kImageMasked | platform::kImageFiltered;

void Replace(platform::Image*& slot, platform::Image* image, const char* file) {
  if (!image) FailMissingImage(file);
  platform::UnloadImage(slot);
  slot = image;
}

void LoadSingle(platform::Image*& slot, const char* file) {
  Replace(slot, platform::LoadImage(file, kDefaultFlags), file);
}

}  // namespace

void LoadGameAssets() {
  EngineTest(60, 1);
  LoadSingle(TitleLogo, "logo.png");
  Replace(FolkImage, platform::LoadStrip("folk.png", 32, 32, 0, 100, kDefaultFlags), "folk.png");
  LoadSingle(TopImage, "top.png");
  LoadSingle(BotImage, "bot.png");
  LoadSingle(StickImage, "stick.png");
  LoadSingle(CraftImage, "wockit.png");
  LoadSingle(GripImage, "grip.png");
  LoadSingle(SmashImage, "smash.png");
  LoadSingle(HazardImage, "smashb.png");
}

void UnloadGameAssets() {
  for (platform::Image** slot : {&TitleLogo, &FolkImage, &TopImage, &BotImage, &StickImage,
                                 &CraftImage, &GripImage, &SmashImage, &HazardImage}) {
    platform::UnloadImage(*slot);
    *slot = nullptr;
  }
}

}  // namespace crownlift
