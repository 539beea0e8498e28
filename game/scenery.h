// scenery.h - the drifting field, the terrain rows, the poles and the ground.
//
// Each call draws one layer of the play screen in the play loop's order and
// runs that layer's collision tests against the craft (and, for hazards,
// against the carried royals). Every test is pixel-exact under the draw
// state the layer was drawn with. The front rows and the ground never crash.
#pragma once

namespace crownlift {

// Moves every drifting object left, wrapping it to the right edge, draws it
// and tests each hazard against the craft and the carried royals.
void DrawDriftingObjects();
// Terrain rows 1 and 2, tested against the craft.
void DrawBackRows();
// The left, right and centre poles, tested against the craft.
void DrawPoles();
// Terrain rows 3 and 4, the ground strip and the ground band.
void DrawFrontRowsAndGround();

}  // namespace crownlift
