// overlay_rows.h - the two kinds of control the settings overlay is built from.
//
// Both draw relative to OverlayOffset and read the pointer sampled by
// FrameEnd (MouseX, MouseY) and the presses sampled by the overlay
// (MouseHitLeft); neither keeps state between frames.
#pragma once

#include <array>   // Required for: the row's labels
#include <string>  // Required for: labels

namespace crownlift {

inline constexpr int kOptionLabelCount = 6;
using OptionLabels = std::array<std::string, kOptionLabelCount>;

// A clickable row that cycles Settings[entry] through as many values as it
// has non-empty labels, drawn at (x, OverlayOffset + y) with icon frame
// icon + value. A label holding "|" is drawn on two lines. A first label of
// "AUDIO" turns the row into the audio driver list. Returns true while the
// pointer is over the row.
bool OptionRow(int entry, int x, int y, int icon, const OptionLabels& labels);

// A percentage slider with its track at (x, y) (y already includes the
// overlay's offset); returns the value, set from the pointer while the left
// button is held over the track. The caller snaps the result.
int VolumeSlider(int value, int x, int y, const std::string& label);

}  // namespace crownlift
