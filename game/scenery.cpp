// scenery.cpp - the drifting field, the terrain rows, the poles and the ground.
#include "game/scenery.h"

#include "engine/draw.h"          // Required for: SetDrawColour, SetDrawScale, SetDrawRotation
#include "game/assets.h"          // Required for: the game's images
#include "game/level.h"           // Required for: the level and craft state
#include "platform/platform.h"    // Required for: DrawImage, ImagesCollide, RandomInt
#include "shell/state.h"          // Required for: Display

namespace crownlift {

namespace {

constexpr int kTilesPerRow = 6;
constexpr int kTileSpacing = 640;

int Trunc(float value) { return static_cast<int>(value); }

// Whether the craft overlaps an image frame drawn centred at (x, y) under
// the current scale and rotation.
bool CraftTouches(const platform::Image* image, int x, int y, int frame) {
  return platform::ImagesCollide(image, x, y, frame, CraftImage, Trunc(CraftX + 32),
                                 Trunc(CraftY + 32), 0);
}

// A hazard's hot colour, drawn red, green, blue in that order.
void SetHotColour() {
  const int r = platform::RandomInt(150, 255);
  const int g = platform::RandomInt(50, 180);
  const int b = platform::RandomInt(0, 50);
  SetDrawColour(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b));
}

bool CarriedRoyalTouches(int k, const ar& a) {
  return RoyalState[k] > 0 &&
         platform::ImagesCollide(HazardImage, Trunc(a.x), Trunc(a.y), 0, FolkImage,
                                 Trunc(RoyalX[k] + 32), Trunc(RoyalY[k] + 32), 1);
}

void TestHazard(const ar& a) {
  if (CrashTimer != 0) return;  // only the first overlap counts
  if (CraftTouches(HazardImage, Trunc(a.x), Trunc(a.y), 0)) {
    NoteCrash(kCauseCraft);
  } else if (CarriedRoyalTouches(1, a)) {
    NoteCrash(kCauseRoyal1);
  } else if (CarriedRoyalTouches(2, a)) {
    NoteCrash(kCauseRoyal2);
  }
}

void SetRowColour(int row) {
  SetDrawColour(50.0f * row * LevelTint[0], 50.0f * row * LevelTint[1], 50.0f * row * LevelTint[2]);
}

void DrawRow(int row, bool tested) {
  SetRowColour(row);
  const float y = static_cast<float>(BaseLine() + 24 * row + 32);
  for (int j = 0; j < kTilesPerRow; ++j) {
    const float x = static_cast<float>(RowOffset[row] + kTileSpacing * j);
    platform::DrawImage(TopImage, x, y, 0);
    if (tested && CrashTimer == 0 && CraftTouches(TopImage, Trunc(x), Trunc(y), 0)) {
      NoteCrash(kCauseCraft);
    }
  }
}

}  // namespace

void DrawDriftingObjects() {
  const float wrap = static_cast<float>(Display.VirtualWidth + 50);
  for (ar& a : StarField) {
    a.x -= a.xs;
    if (a.x < -20) a.x += wrap;
    // The dot keeps whatever rotation the last hazard left; at 2 x 2 it
    // cannot show.
    SetDrawColour(50 * a.xs, 50 * a.xs, 50 * a.xs);
    SetDrawScale(1);
    platform::DrawOval(a.x - 1, a.y - 1, 2, 2);
    if (a.big != 1) continue;
    SetHotColour();
    SetDrawScale(2);
    SetDrawRotation(static_cast<float>(platform::RandomInt(1, 360)));
    platform::DrawImage(HazardImage, a.x, a.y, 0);
    TestHazard(a);
  }
}

void DrawBackRows() {
  SetDrawRotation(0);
  SetDrawScale(2);
  DrawRow(1, true);
  DrawRow(2, true);
}

void DrawPoles() {
  SetDrawScale(2);
  SetDrawColour(200 * LevelTint[1], 200 * LevelTint[2], 200 * LevelTint[0]);
  const int y = PoleTop + 128;
  for (int x : {240, Display.VirtualWidth - 240, Display.VirtualWidth / 2}) {
    platform::DrawImage(StickImage, static_cast<float>(x), static_cast<float>(y), 0);
    if (CrashTimer == 0 && CraftTouches(StickImage, x, y, 0)) NoteCrash(kCauseCraft);
  }
}

void DrawFrontRowsAndGround() {
  SetDrawScale(2);
  DrawRow(3, false);
  DrawRow(4, false);
  // The ground strip is laid out like the rows and keeps row 4's colour; the
  // six tiles, 640 apart from an offset of -1280..-640, span any screen.
  const float groundY = static_cast<float>(BaseLine()) + 207.2f;
  for (int j = 0; j < kTilesPerRow; ++j) {
    platform::DrawImage(BotImage, static_cast<float>(RowOffset[4] + kTileSpacing * j), groundY, 0);
  }
  SetDrawScale(1);
  SetDrawColour(50 * LevelTint[2], 50 * LevelTint[0], 50 * LevelTint[1]);
  platform::DrawRect(0, GroundY(), static_cast<float>(Display.VirtualWidth), 64);
}

}  // namespace crownlift
