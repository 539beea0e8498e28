// headless.h - controls and records of the headless backend, for tests.
//
// The headless backend implements all of platform.h without a display, a
// sound device or a real clock:
//   - the clock moves only when the program sleeps (SleepMillis) or when a
//     test advances it, so a 2.5-second wait or 10,000 frames take
//     milliseconds and always run the same way; a loop that reads the clock
//     100,000 times without sleeping is nudged on by 1 ms, so a busy wait
//     can never hang a test;
//   - input is a script of events, each applied at the start of a given
//     presented frame or once the clock reaches a given time;
//   - every draw call is recorded with the full draw state;
//   - audio runs on silent drivers whose channels are recorded;
//   - EndProcess throws ProcessEnded instead of ending the test runner.
// Text metrics, image masks and the overlap test are the same code as in the
// real backend. Reset() puts everything back as after Init().
#pragma once

#include <cstdint>  // Required for: int64_t
#include <string>   // Required for: texts, names
#include <vector>   // Required for: records

#include "platform/platform.h"

namespace platform::headless {

// Thrown by EndProcess; the test catches it to see the exit status.
struct ProcessEnded {
  int status;
};

void Reset();  // clears script, records, clock, files are untouched

// --- Clock and calendar -----------------------------------------------------
void AdvanceClock(int64_t ms);
void SetDateTime(const std::string& date, const std::string& time);  // "05 Mar 2010", "14:03:22"
// Simulated rendering cost: each Present advances the clock by
// perFrameMs + perQuadMicros * quads drawn since the last Present / 1000.
void SetRenderCost(double perFrameMs, double perQuadMicros);
int64_t PresentCount();  // frames presented since Reset

// --- Input script -----------------------------------------------------------
struct InputEvent {
  enum class Kind {
    KeyDown, KeyUp,            // code = engine key code; KeyDown also counts a hit
    MouseDown, MouseUp,        // code = button 1..3
    PointerTo,                 // x, y in logical coordinates
    Type,                      // text: one typed character per byte (Latin-1)
    CloseRequest,
    JoyButtonDown, JoyButtonUp,  // port, code = button
    JoyAxis,                   // port, axis, value
    JoyHat,                    // port, value
  };
  Kind kind = Kind::KeyDown;
  int code = 0;
  float x = 0, y = 0;
  std::string text;
  int port = 0;
  Axis axis = Axis::X;
  float value = 0;
};
// Applied at the start of presented frame `frame` (0 = before the first
// Present, 1 = right after it, ...).
void AtFrame(int64_t frame, const InputEvent& event);
// Applied as soon as ClockMillis() reaches `ms` (checked on every clock read,
// sleep and poll), for waits that do not present.
void AtTime(int64_t ms, const InputEvent& event);
void ApplyNow(const InputEvent& event);
// Convenience builders.
InputEvent KeyPress(int code);    // KeyDown
InputEvent KeyRelease(int code);  // KeyUp
InputEvent Typed(const std::string& text);

// Joysticks present from the next DetectJoysticks-style query on.
struct FakeJoystick {
  std::string name = "Test Pad";
  uint32_t buttonMask = 0xFFF;
  float axes[6] = {0, 0, 0, 0, 0, 0};  // indexed by Axis
  float hat = -1;
  uint32_t buttons = 0;
};
void SetJoysticks(const std::vector<FakeJoystick>& pads);

// --- Display ----------------------------------------------------------------
void SetDisplayModes(const std::vector<DisplayMode>& modes);
void SetDisplayOpenFails(bool fails);
struct DisplayState {
  bool open = false;
  int width = 0, height = 0, depth = 0, refresh = 0;
  int logicalWidth = 0, logicalHeight = 0;
  std::string title;
  bool pointerVisible = true;
};
DisplayState Display();

// --- Draw records -----------------------------------------------------------
struct DrawRecord {
  enum class Kind { Clear, Rect, Oval, Line, Text, Image, Present };
  Kind kind = Kind::Clear;
  float x = 0, y = 0, w = 0, h = 0;  // Rect/Oval: rectangle; Line: x,y to w,h; Text/Image: point
  std::string text;                  // Text: the string; Image: the image's file name
  int frame = 0;                     // Image: frame
  const Image* image = nullptr;
  const Font* font = nullptr;
  int r = 255, g = 255, b = 255;
  float alpha = 1;
  Blend blend = Blend::Alpha;
  float scaleX = 1, scaleY = 1, rotation = 0;
  int64_t presented = 0;  // index of the frame this draw belongs to
};
const std::vector<DrawRecord>& Draws();       // since the last ClearDraws
std::vector<DrawRecord> DrawsOfLastFrame();   // between the last two Presents
void ClearDraws();
void SetRecordDraws(bool on);  // off by default for long soaks? on after Reset

// --- Audio ------------------------------------------------------------------
// Driver names the backend offers (default: {"OpenAL Default", "Silent"}).
void SetAudioDrivers(const std::vector<std::string>& names, bool openALAvailable);
struct ChannelRecord {
  int id = 0;
  std::string sound;  // file name of the cued sound
  float volume = 1, pan = 0, rate = 1;
  bool paused = false, playing = false;
  int cues = 0;  // how many sounds were cued on it
};
std::vector<ChannelRecord> Channels();

}  // namespace platform::headless
