// frame_end.h - the service that ends every frame of every screen.
//
// There is no central main loop: each screen clears, draws and then calls
// FrameEnd once. FrameEnd handles the global keys (Tab settings, F11
// screenshot, Esc pause during a game, F12 debug overlay), draws the overlays,
// the pointer and the message log, samples the pointer, paces to 60 frames
// per second, presents, keeps the frame-rate average, and takes the window's
// close request. It also owns the on-screen message log.
#pragma once

#include <list>    // Required for: MessageLog (entries leave while it is walked)
#include <string>  // Required for: message texts

namespace crownlift {

// One message-log entry.
struct ment {
  int tick = 0;     // frames shown so far
  std::string txt;  // the message
  int c = 0;        // colour code given by the caller (all entries draw alike)
};

extern int FrameParity;          // flips at the end of every frame
extern int LastFrameTime;        // Millisecs at the end of the previous frame
extern int FrameMillis;          // time between the last two frame ends
extern int FpsAverage;           // running frames-per-second average
extern int DebugOverlay;         // performance overlay on/off
extern int SettingsOpen;         // settings overlay shown
extern int LastCollectionBytes;  // bytes the last memory collection freed
extern int MouseX, MouseY;       // pointer in logical coordinates, sampled once per frame
extern int PrevMouseX, PrevMouseY;
extern int MouseHitLeft, MouseHitRight;
extern std::list<ment> MessageLog;  // oldest first

void AddMessage(const std::string& text, int c);

// Ends the frame. showPointer 1 draws the pointer. Returns 0, or the pause
// menu's result (1 Continue, 99 Quit) in the frame in which it ran. Does not
// return when the window is being closed.
int FrameEnd(int showPointer);

// The message log's drawing step, also used by tests: ticks, draws and
// retires the entries.
void DrawMessageLog();

}  // namespace crownlift
