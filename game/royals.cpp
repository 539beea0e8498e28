// royals.cpp - the two royals: walking, climbing, waiting, picked up, carried.
#include "game/royals.h"

#include "audio/effects.h"  // Required for: PlayEffect on a pick-up
#include "engine/draw.h"    // Required for: SetDrawColour, SetDrawScale
#include "game/assets.h"    // Required for: FolkImage, GripImage
#include "game/level.h"     // Required for: the royals' and the craft's state

namespace crownlift {

std::array<int, 3> RoyalFrame{};

namespace {

constexpr float kClimbStep = 8;
constexpr int kWaitAbovePoleTop = 56;
constexpr int kGroundBandTop = 144;  // above the base line

int Trunc(float value) { return static_cast<int>(value); }

int ImageFrame(int k) { return RoyalFrame[k] + 10 * (k - 1); }

void Draw(int k) {
  platform::DrawImage(FolkImage, RoyalX[k] + 32, RoyalY[k] + 32, ImageFrame(k));
}

void WalkOrClimb(int k) {
  const int stopX = PoleStopX(RoyalPole[k]);
  if (RoyalX[k] <= stopX) return;
  RoyalX[k] = static_cast<float>(stopX);
  RoyalY[k] -= kClimbStep;
  RoyalFrame[k] = 0;
  const float top = static_cast<float>(PoleTop - kWaitAbovePoleTop);
  if (RoyalY[k] < top) RoyalY[k] = top;
}

void TryPickUp(int k) {
  if (!platform::ImagesCollide(GripImage, Trunc(GripX()), Trunc(GripY()), 0, FolkImage,
                               Trunc(RoyalX[k] + 32), Trunc(RoyalY[k] + 32), ImageFrame(k))) {
    return;
  }
  RoyalState[k] = k;
  PlayEffect(5 - k, 1, 1, 0);  // 4 for royal 1, 3 for royal 2
}

}  // namespace

float GripX() { return CraftX + 32 - 2 * CraftVX; }
float GripY() { return CraftY + 80; }

void MoveRoyals() {
  for (int k = 1; k <= 2; ++k) {
    SetDrawScale(2);
    SetDrawColour(255, 255, 255);
    RoyalFrame[k] = platform::RandomInt(1, 2);
    RoyalX[k] += static_cast<float>(platform::RandomReal(3, 8));
    if (RoyalState[k] == 0) WalkOrClimb(k);
    if (RoyalState[k] == 0) TryPickUp(k);
    SetDrawScale(2);
    if (RoyalState[k] > 0) {
      // Royal 1 hangs 16 pixels left of the grip's centre, royal 2 16 right.
      RoyalFrame[k] = k == 1 ? 4 : 3;
      RoyalX[k] = k == 1 ? CraftX - 2 * CraftVX - 16 : CraftX + 16 - 2 * CraftVX;
      RoyalY[k] = CraftY + 52;
    }
    SetDrawColour(255, 255, 255, 1);
    if (RoyalY[k] < BaseLine() + kGroundBandTop) Draw(k);
  }
}

void DrawRoyalsInFront() {
  for (int k = 1; k <= 2; ++k) {
    SetDrawScale(2);
    SetDrawColour(255, 255, 255);
    if (RoyalState[k] > 0) {
      // In this pass both hang from the grip's right; the next frame's hazard
      // tests see them here.
      RoyalFrame[k] = k == 1 ? 4 : 3;
      RoyalX[k] = CraftX + 16 - 2 * CraftVX;
      RoyalY[k] = CraftY + 52;
    }
    SetDrawColour(255, 255, 255, 1);
    if (RoyalY[k] > BaseLine() + kGroundBandTop) Draw(k);
  }
}

}  // namespace crownlift
