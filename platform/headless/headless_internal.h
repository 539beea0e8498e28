// headless_internal.h - the seam between the headless backend's halves.
//
// headless/system.cpp, input.cpp, audio.cpp and display.cpp own the clock,
// the input script, the audio drivers and the display record (including
// Present); headless/draw.cpp records draw calls. Present calls into the
// recorder so each frame's draws are stamped and counted; Reset() in
// system.cpp calls each part's own reset.
#pragma once

#include <cstdint>  // Required for: int64_t

namespace platform::headless {

// draw.cpp
void RecordPresent(int64_t frameIndex);  // appends a Present record; next draws belong to frameIndex + 1
int64_t QuadsSinceLastPresent();         // images, rects, ovals, lines and glyph quads since the last call
void ResetDraws();                       // part of Reset()
void LogicalSize(int& width, int& height);  // current logical size, for recorders that need it

// display.cpp
int64_t CurrentFrame();  // presented frames so far
void ResetDisplay();     // part of Reset()

// system.cpp
int64_t ClockNow();  // the simulated clock, without counting as a read of it

// input.cpp
void ApplyDueInput();  // applies scripted events whose frame or time has come
void ResetInput();     // part of Reset()

// audio.cpp
void ResetAudio();  // part of Reset()

}  // namespace platform::headless
