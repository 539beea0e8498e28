// name_entry.h - asking the player for a name after a run.
#pragma once

#include <string>  // Required for: the edited text

namespace crownlift {

// One editing step: at most one typed character appended and at most one
// removed by Backspace.
std::string EditLine(const std::string& text);

// The modal name-entry screen; leaves the result in PlayerName.
void EnterName();

}  // namespace crownlift
