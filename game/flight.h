// flight.h - the craft's controls and physics, one frame at a time.
//
// Thrust 0.2 upwards, gravity 0.1 downwards only while not thrusting and
// only once the start hold is over, a sideways push of 0.1 with a return to
// rest of 0.05 on each side whose key is released, and speed limits of 10
// falling, 6 climbing and 8 sideways. Positions move by the previous frame's
// speeds before the speeds change.
#pragma once

namespace crownlift {

// The four controls the craft answers to, as held this frame.
struct FlightControls {
  bool up = false, down = false, left = false, right = false;
};

// Player 1's Up, Down, Left and Right bindings as held now.
FlightControls ReadFlightControls();

// Moves the craft one frame while it flies (CrashTimer 0), then keeps CraftX
// within the screen and 128 pixels beyond, crashed or not.
void StepFlight(const FlightControls& controls);

}  // namespace crownlift
