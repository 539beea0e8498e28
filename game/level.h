// level.h - the drifting objects, the level and craft state, and the seeded
// level layout.
//
// A level is a pure function of its number: SetUpLevel seeds the random
// generator with LevelNumber and draws the scenery tints, the poles the two
// royals head for, the terrain row offsets and 500 drifting objects, some of
// which become hazards from the second level on. A crash rebuilds the same
// level, so it looks exactly as before. The values below are the engine-wide
// state of the level that the play loop moves and draws.
#pragma once

#include <array>  // Required for: per-royal and per-row values
#include <list>   // Required for: StarField (walked every frame)

namespace crownlift {

// A drifting object: a dot, or a spinning hazard when big is 1.
class ar {
 public:
  float x = 0;   // centre
  float y = 0;
  float xs = 0;  // leftward drift per frame
  int big = 0;   // 0 a dot, 1 a hazard
};

inline constexpr int kStarCount = 500;
inline constexpr int kStartHoldFrames = 120;
inline constexpr int kLevelBonusStart = 1500;

// Crash causes.
inline constexpr int kCauseNone = 0;
inline constexpr int kCauseCraft = 1;
inline constexpr int kCauseRoyal1 = 2;
inline constexpr int kCauseRoyal2 = 3;

extern int LevelNumber;                  // 0 for the first level; seeds the layout
extern std::array<float, 3> LevelTint;   // t0, t1, t2 in [0.2, 1.1)
extern std::array<int, 5> RowOffset;     // rows 1..4: x of the first tile
extern int PoleTop;                      // shared by the three poles
extern std::array<int, 3> RoyalPole;     // royals 1, 2: 1 left, 2 centre, 3 right
extern std::array<float, 3> RoyalX;      // royals 1, 2: top-left corner
extern std::array<float, 3> RoyalY;
extern std::array<int, 3> RoyalState;    // 0 free, else the royal's own number (carried)
extern float CraftX, CraftY;             // top-left corner of the 64 x 64 craft
extern float CraftVX, CraftVY;           // pixels per frame, y downwards
extern int CrashTimer;                   // 0 flying; 1 at the hit, then counts frames
extern int CrashCause;                   // kCause...
extern int StartHold;                    // frames of flight before gravity acts
extern int LevelBonus;
extern std::list<ar> StarField;

// The scenery base line: VirtualHeight - 260.
int BaseLine();
// Where a royal heading for pole 1, 2 or 3 stops walking (its top-left x).
int PoleStopX(int pole);
// The y a royal walks along the ground at.
float GroundY();

// Builds the level for LevelNumber and puts the craft at its start.
void SetUpLevel();

// A collision found: the first one while flying decides the cause.
void NoteCrash(int cause);

}  // namespace crownlift
