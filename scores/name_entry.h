// name_entry.h - asking the player for a name after a run.
//
// Editing works on the platform's typed-character queue, one character per
// frame, so fast typing is spread over a few frames and never lost.
#pragma once

#include <string>  // Required for: the edited text

namespace crownlift {

// Whether a typed character may enter a name: codes 32..255 except "|". The
// score file keeps one byte per character and splits its fields at "|".
bool NameCharAllowed(int code);

// One editing step: at most one typed character appended and at most one
// removed by Backspace.
std::string EditLine(const std::string& text);

// The modal name-entry screen; leaves the result in PlayerName.
void EnterName();

}  // namespace crownlift
