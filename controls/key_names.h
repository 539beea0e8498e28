// key_names.h - names of inputs, and the widget that redefines a binding.
#pragma once

#include <string>  // Required for: names

namespace crownlift {

// The short text shown for an input code: key names, joystick directions
// ("X-", "Up", ...) and joystick buttons ("0".."19").
std::string KeyName(int code);

// Draws and runs the redefine widget for Bindings entry index with its
// top-left corner at (x, y): 48 x 48 pixels, capturing a new binding while the
// pointer rests on it and the settings overlay is fully down.
void BindingWidget(int index, int x, int y);

}  // namespace crownlift
