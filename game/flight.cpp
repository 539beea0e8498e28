// flight.cpp - the craft's controls and physics.
#include "game/flight.h"

#include "controls/bindings.h"  // Required for: ControlHeld and the slot names
#include "game/level.h"         // Required for: the craft state
#include "shell/state.h"        // Required for: Display

namespace crownlift {

namespace {

constexpr float kThrust = 0.2f, kGravity = 0.1f;
constexpr float kPush = 0.1f, kReturn = 0.05f;
constexpr float kMaxFall = 10, kMaxClimb = 6, kMaxSideways = 8;
constexpr float kXMargin = 128;

float Limit(float value, float lo, float hi) { return value < lo ? lo : value > hi ? hi : value; }

void Fly(const FlightControls& c) {
  if (StartHold > 0) --StartHold;
  CraftY += CraftVY;
  CraftX += CraftVX;
  if (!c.up && StartHold == 0) CraftVY += kGravity;
  if (c.up) {
    CraftVY -= kThrust;
    StartHold = 0;
  }
  if (c.down) StartHold = 0;
  if (c.left) CraftVX -= kPush;
  if (c.right) CraftVX += kPush;
  if (!c.left && CraftVX < 0) {
    CraftVX += kReturn;
    if (CraftVX > 0) CraftVX = 0;
  }
  if (!c.right && CraftVX > 0) {
    CraftVX -= kReturn;
    if (CraftVX < 0) CraftVX = 0;
  }
  CraftVY = Limit(CraftVY, -kMaxClimb, kMaxFall);
  CraftVX = Limit(CraftVX, -kMaxSideways, kMaxSideways);
}

}  // namespace

FlightControls ReadFlightControls() {
  FlightControls c;
  c.up = ControlHeld(Up, 1);
  c.down = ControlHeld(Down, 1);
  c.left = ControlHeld(Left, 1);
  c.right = ControlHeld(Right, 1);
  return c;
}

void StepFlight(const FlightControls& controls) {
  if (CrashTimer == 0) Fly(controls);
  CraftX = Limit(CraftX, -kXMargin, static_cast<float>(Display.VirtualWidth) + kXMargin);
}

}  // namespace crownlift
