// shutdown.h - the one way the program ends.
#pragma once

namespace crownlift {

// Saves the settings and the scores, writes the last log lines, shows the
// farewell screen until the player presses something, then closes the
// display and the log and ends the process with status 0.
[[noreturn]] void ShutDown();

}  // namespace crownlift
