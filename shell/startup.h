// startup.h - the program's start-up sequence.
#pragma once

namespace crownlift {

// Runs start-up top to bottom: the program's folder, the title, the shared
// tables with their defaults, the log, Setup.ini and the audio driver, the
// display with every asset and the calibration, then waits until at least
// 2.5 seconds have passed since the display set-up began.
void RunStartup();

// The 34 lines of the About page, from entry 1; AboutLineCount of them in use.
inline constexpr int kAboutLineTableSize = 100;
extern const char* AboutLines[kAboutLineTableSize];
extern int AboutLineCount;

}  // namespace crownlift
