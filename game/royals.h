// royals.h - the two royals: walking, climbing, waiting, picked up, carried.
//
// A free royal walks in from the left edge along the ground, climbs its
// pole at 8 pixels a frame and waits on top; touching it with the grip picks
// it up for good. The royals are drawn in two passes so that those on the
// ground stand in front of the ground band and those above it behind the
// front terrain rows.
#pragma once

#include <array>  // Required for: RoyalFrame

namespace crownlift {

// Animation frame of each royal (1, 2) chosen this frame: 0 standing or
// climbing, 1 or 2 walking, 4 royal 1 hanging, 3 royal 2 hanging. Royal 2's
// image frames are these plus 10.
extern std::array<int, 3> RoyalFrame;

// First pass: walk, climb, test the grip, hang from the grip, and draw the
// royals that are above the ground band's top.
void MoveRoyals();
// Second pass: carried royals take their place under the grip (the place
// the next frame's hazard tests use), and royals on the ground are drawn.
void DrawRoyalsInFront();

// The grip's centre, which swings back against the sideways speed.
float GripX();
float GripY();

}  // namespace crownlift
