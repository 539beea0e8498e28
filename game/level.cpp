// level.cpp - the level and craft state and the seeded level layout.
//
// The order of the random draws below is what makes a level's layout a
// function of its number; changing it changes every level.
#include "game/level.h"

#include "platform/platform.h"  // Required for: SeedRandom, RandomReal, RandomInt
#include "shell/state.h"        // Required for: Display

namespace crownlift {

int LevelNumber = 0;
std::array<float, 3> LevelTint{};
std::array<int, 5> RowOffset{};
int PoleTop = 0;
std::array<int, 3> RoyalPole{};
std::array<float, 3> RoyalX{};
std::array<float, 3> RoyalY{};
std::array<int, 3> RoyalState{};
float CraftX = 0, CraftY = 0;
float CraftVX = 0, CraftVY = 0;
int CrashTimer = 0;
int CrashCause = 0;
int StartHold = 0;
int LevelBonus = 0;
std::list<ar> StarField;

namespace {

float RandomFloat(double lo, double hi) {
  return static_cast<float>(platform::RandomReal(lo, hi));
}

// Hazards are never placed where the craft starts.
bool InStartZone(const ar& a) {
  const int centre = Display.VirtualWidth / 2;
  return a.x > centre - 200 && a.x < centre + 200 && a.y < 300;
}

void PlaceHazards(int count) {
  // A pass always runs, even for none, so level 0 draws nothing here.
  do {
    for (ar& a : StarField) {
      if (count <= 0) continue;
      if (platform::RandomInt(0, 1000) == 1 && !InStartZone(a)) {
        a.big = 1;  // one chosen twice still counts, as it always has
        --count;
      }
    }
  } while (count > 0);
}

}  // namespace

int BaseLine() { return Display.VirtualHeight - 260; }

int PoleStopX(int pole) {
  switch (pole) {
    case 1: return 208;
    case 2: return Display.VirtualWidth / 2 - 32;
    default: return Display.VirtualWidth - 272;
  }
}

float GroundY() { return static_cast<float>(BaseLine()) + 175.2f; }

void SetUpLevel() {
  const int vw = Display.VirtualWidth, vh = Display.VirtualHeight;
  platform::SeedRandom(LevelNumber);
  StartHold = kStartHoldFrames;
  for (float& t : LevelTint) t = RandomFloat(0.2, 1.1);
  CrashTimer = 0;
  CrashCause = kCauseNone;

  CraftX = static_cast<float>(vw / 2);
  CraftY = -20;
  CraftVX = 0;
  CraftVY = 0;

  do {
    RoyalPole[1] = platform::RandomInt(1, 3);
    RoyalPole[2] = platform::RandomInt(1, 3);
  } while (RoyalPole[1] == RoyalPole[2]);
  for (int k = 1; k <= 2; ++k) {
    RoyalX[k] = -64;
    RoyalY[k] = GroundY();
    RoyalState[k] = 0;
  }

  PoleTop = BaseLine() - 32;
  for (int row = 1; row <= 4; ++row) RowOffset[row] = platform::RandomInt(-1280, -640);

  StarField.clear();
  for (int i = 0; i < kStarCount; ++i) {
    ar a;
    a.x = RandomFloat(0, vw + 30);
    a.y = RandomFloat(0, vh);
    a.xs = RandomFloat(0.5, 3);
    StarField.push_back(a);
  }
  PlaceHazards(3 * LevelNumber);

  LevelBonus = kLevelBonusStart;
}

void NoteCrash(int cause) {
  if (CrashTimer != 0) return;
  CrashTimer = 1;
  CrashCause = cause;
}

}  // namespace crownlift
