// bindings.h - game actions bound to keys, joystick axes, hats and buttons.
//
// Screens never ask for a key directly. Each of four players owns twenty action
// slots, and each slot holds one InputCode; a screen asks ControlHeld(slot,
// player) and gets the level of that input now. The same codes are named on
// screen, redefined in the settings overlay and stored in Setup.ini.
//
// InputCode ranges:
//   0..9      nothing that reads as held (0 unbound, 8 the clearing key, 9 Tab)
//   10..254   the keyboard key with that code
//   300..499  joystick j = code / 50 - 5 (1..4), input r = code % 50:
//             0..11 axis directions (Y-, Y+, X-, X+, Z-, Z+, U-, U+, V-, V+, R-, R+),
//             20 hat up, 23 hat left, 25 hat right, 28 hat down,
//             30..49 buttons 0..19
//   anything else reads as not held.
//
// Joysticks are detected once, at start-up: the axis positions then become the
// centres, and a direction counts as held only beyond a dead zone of 0.3.
#pragma once

#include <array>    // Required for: Bindings, Joysticks
#include <cstdint>  // Required for: int32_t, uint32_t
#include <string>   // Required for: joystick names

namespace crownlift {

using InputCode = int32_t;

// The slots that mean something; the others (1, 2, 4, 6, 7, 9, 14..19) stay
// unused unless Setup.ini fills them.
enum ControlSlot {
  Up = 0,
  Left = 3,
  Right = 5,
  Down = 8,
  Action1 = 10,
  Action2 = 11,
  Action3 = 12,
  Action4 = 13,
};

inline constexpr int kSlotsPerPlayer = 20;
inline constexpr int kMaxPlayers = 4;
inline constexpr int kBindingCount = 101;  // players 1..4 use 0..79; the file can set 0..99
extern std::array<InputCode, kBindingCount> Bindings;

inline constexpr int kMaxJoysticks = 4;
inline constexpr float kDeadZone = 0.3f;

struct JoystickRecord {
  std::string name;
  uint32_t buttonMask = 0;  // bit b set when button b exists
  float restX = 0, restY = 0, restZ = 0, restU = 0, restV = 0, restR = 0;
  bool hasHat = false;   // the hat read exactly -1 (centred) at detection
  bool enabled = false;  // the player can switch a joystick off in the settings overlay
};
// Numbered 1..4 (joystick j is platform port j - 1); entry 0 is never used.
extern std::array<JoystickRecord, kMaxJoysticks + 1> Joysticks;
extern int JoystickCount;  // records in use, 0..4

// Reads the platform's joysticks once: names, button masks, rest positions.
void DetectJoysticks();
// All bindings 0, then player 1's defaults: arrows to move, Z X C V for actions.
void ResetBindings();

// Whether the input named by code is held now (the level, not a press).
bool InputHeld(InputCode code);
// InputHeld of slot (0..19) of player (1..4); false outside those ranges.
bool ControlHeld(int slot, int player);
// The lowest code held now (keys first, then joysticks 1..4), or 0 when none
// is held or F11 or F12 is down, so the screenshot and debug keys can't be bound.
InputCode FirstHeldInput();

}  // namespace crownlift
