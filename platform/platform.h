// platform.h - the one door between Crownlift and the outside world.
//
// Everything the engine and the game need from the operating system is listed
// here: time, files, random numbers, input, audio, the display and 2D drawing.
// Engine and game code include this header and nothing else of the outside
// world (no SDL, GL or AL headers anywhere above platform/).
//
// Two backends implement it, and the choice is made when linking:
//   platform/sdl/       the real one: SDL2 window, OpenGL renderer, OpenAL Soft,
//                       OSS (/dev/dsp) or a silent audio driver.
//   platform/headless/  the test one: a clock that moves only when the program
//                       sleeps, scripted input, recorded draws and channels.
// Pieces that must behave identically in both (PNG and font rasterising, image
// masks and the pixel-exact overlap test, sound decoding, files, the random
// generator) live once in platform/common/.
//
// Conventions: positions are logical pixels (x right, y down); angles are
// degrees; colours are 0..255 per channel with alpha 0..1; key codes are the
// engine's virtual-key codes (8 Backspace, 9 Tab, 13 Return, 27 Escape,
// 32 Space, 37..40 arrows, 48..57 digits, 65..90 letters, 112..123 F1..F12,
// 160..165 left/right Shift, Control, Alt); mouse buttons are 1 left,
// 2 right, 3 middle. No call throws, except EndProcess in the headless
// backend, which unwinds to the test that is driving the program.
#pragma once

#include <cstdint>  // Required for: int64_t, uint8_t, uint32_t
#include <string>   // Required for: file names, texts
#include <vector>   // Required for: mode lists, driver lists, pixel buffers

namespace platform {

// ---------------------------------------------------------------------------
// Lifecycle
// ---------------------------------------------------------------------------

void Init();      // start the backend's subsystems; call once, first thing in main
void Shutdown();  // release everything Init and later calls acquired

// ---------------------------------------------------------------------------
// System: time, files, process, random numbers, memory
// ---------------------------------------------------------------------------

int64_t ClockMillis();            // milliseconds since Init; monotonic, never runs backwards
void SleepMillis(int ms);         // give up the CPU for about ms milliseconds
std::string DateText();           // local date, e.g. "05 Mar 2010" (11 characters)
std::string TimeText();           // local time, 24-hour, e.g. "14:03:22"

std::string ProgramFolder();      // folder holding the program file, ending in "/"
std::string CurrentFolder();      // the working directory, ending in "/"
bool ChangeFolder(const std::string& path);  // false (and nothing changes) on failure

enum class PathKind { None, File, Folder };
PathKind KindOfPath(const std::string& path);
bool PathExists(const std::string& path);    // a file or a folder
bool CreateEmptyFile(const std::string& path);
bool DeletePath(const std::string& path);    // deletes a file; false when absent
bool ReadWholeFile(const std::string& path, std::string& bytes);
// Writes bytes to a temporary file beside path, flushes it to disk and renames
// it over path, so readers only ever see the old or the new complete file.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);
bool RenamePath(const std::string& from, const std::string& to);

// A file kept open for appending lines as they happen (the log). Every write
// reaches the operating system before the call returns.
struct LineFile;
LineFile* OpenLineFile(const std::string& path);   // created or emptied; nullptr on failure
bool WriteToLineFile(LineFile* file, const std::string& bytes);
void CloseLineFile(LineFile* file);                // nullptr is fine

[[noreturn]] void EndProcess(int status);  // flushes and ends the process

// Seedable pseudo-random generator; the same seed repeats the same sequence
// on every machine and in both backends.
void SeedRandom(int64_t seed);
double RandomReal(double lo, double hi);  // in [lo, hi)
int RandomInt(int lo, int hi);            // in lo..hi inclusive (arguments may be swapped)

int64_t MemoryInUse();   // bytes the process has allocated (best effort)
int64_t CollectMemory(); // bytes freed by a collection; no collector here, so 0

// ---------------------------------------------------------------------------
// Input. State is refreshed by PollEvents, which Present calls; every query
// below also keeps the event queue flowing, so a wait loop that only asks
// for key state still sees the key being released.
// ---------------------------------------------------------------------------

void PollEvents();

bool KeyDown(int code);       // code 1..255 in engine virtual-key codes
int KeyHits(int code);        // presses since the last KeyHits(code); resets the count
bool MouseDown(int button);   // 1 left, 2 right, 3 middle
int MouseHits(int button);    // presses since last asked; resets the count
float PointerX();             // pointer position in logical coordinates
float PointerY();
void MovePointer(int x, int y);  // logical coordinates
int NextTypedChar();          // next typed character's code (Backspace is 8, Return 13), 0 when none
void FlushInput();            // forget held keys and buttons, hit counts and typed characters
bool CloseRequested();        // the window's close button was pressed (stays true once set)

enum class Axis { X, Y, Z, R, U, V };
int JoystickCount();
std::string JoystickName(int port);          // port 0..count-1
uint32_t JoystickButtonMask(int port);       // bit b set when button b exists
bool JoystickButtonDown(int port, int button);
float JoystickAxis(int port, Axis axis);     // -1..1; 0 for an axis the device lacks
float JoystickHat(int port);                 // turn clockwise from up: 0 up, 0.125 up-right,
                                             // 0.25 right, 0.5 down, 0.75 left; -1 centred or none

// ---------------------------------------------------------------------------
// Audio. A driver is chosen by name; the device mixes on its own while the
// program keeps one thread. Channels are reused: cue (paused), set, resume.
// ---------------------------------------------------------------------------

std::vector<std::string> AudioDriverNames();        // in the order offered
bool AudioDriverExists(const std::string& name);    // compared without regard to case
bool SetAudioDriver(const std::string& name);       // also case-insensitive; false leaves the current one
std::string CurrentAudioDriver();
bool EnableOpenAL();                                // true when OpenAL can be used here

struct Sound;
struct Channel;
Sound* LoadSound(const std::string& path, bool loop);  // WAV (8/16-bit PCM) or OGG Vorbis; nullptr on failure
void UnloadSound(Sound* sound);
Channel* AllocChannel();                            // nullptr when the driver has none to give
void CueSound(Sound* sound, Channel* channel);      // queue the sound on the channel, paused
void SetChannelVolume(Channel* channel, float volume);  // 1 is full; above 1 is passed on
void SetChannelPan(Channel* channel, float pan);        // -1 left .. 1 right
void SetChannelRate(Channel* channel, float rate);      // playback-speed factor, 1 normal
void ResumeChannel(Channel* channel);
void StopChannel(Channel* channel);
bool ChannelPlaying(Channel* channel);              // cued-and-paused counts as playing

// ---------------------------------------------------------------------------
// Display
// ---------------------------------------------------------------------------

struct DisplayMode {
  int width = 0, height = 0, depth = 0, refresh = 0;
};
std::vector<DisplayMode> ListDisplayModes();                  // in the order the display offers them
bool DisplayModeExists(int width, int height, int depth);     // at any refresh rate
// depth 0 opens a window; otherwise a full screen of that colour depth.
// On failure nothing is open and a one-line reason is in LastDisplayError().
bool OpenDisplay(int width, int height, int depth, int refresh);
void CloseDisplay();
bool DisplayIsOpen();
std::string LastDisplayError();
void SetWindowTitle(const std::string& title);  // remembered for windows opened later
void SetLogicalSize(int width, int height);     // scaled to the window, aspect kept, letterboxed
void ShowPointer();
void HidePointer();

enum class Sync { None, Vertical, Default };  // Default: vertical sync in full screen, 60 Hz pacing in a window
void Present(Sync sync);                      // flushes the frame's draws, shows it, polls events

// ---------------------------------------------------------------------------
// 2D drawing. A current draw state applies to every draw call.
// ---------------------------------------------------------------------------

enum class Blend { Solid, Alpha, Shade, Light };  // shade multiplies, light adds

struct Image;  // an image or an animation strip of equal cells
struct Font;   // a TrueType face rasterised at one pixel size

void SetColour(int r, int g, int b);
void GetColour(int& r, int& g, int& b);
void SetAlpha(float alpha);
float GetAlpha();
void SetBlend(Blend blend);
Blend GetBlend();
void SetScale(float sx, float sy);
void GetScale(float& sx, float& sy);
void SetRotation(float degrees);
float GetRotation();
void SetFont(Font* font);  // nullptr selects the built-in font
Font* GetFont();

void ClearBackBuffer();  // to the clear colour (black)
// Rectangles, ovals and text are placed by their top-left corner (x, y) and
// scaled and rotated about that corner; lines are scaled and rotated about
// their first point.
void DrawRect(float x, float y, float w, float h);  // filled
void DrawOval(float x, float y, float w, float h);  // filled, inside the rectangle
void DrawLine(float x1, float y1, float x2, float y2);
void DrawText(const std::string& text, float x, float y);
int TextWidth(const std::string& text);  // unscaled pixels, current font
int TextHeight();                        // unscaled line height of the current font

Font* LoadFont(const std::string& path, int pixelSize, bool smooth);  // nullptr on failure
void UnloadFont(Font* font);

enum ImageFlags : unsigned {
  kImageMasked = 1,    // pure black (0, 0, 0) pixels become transparent
  kImageFiltered = 2,  // smoothed when drawn scaled; otherwise sharp
};
// Every image has its handle at its centre: a frame drawn at a point is
// centred on it, and scaled and rotated about it.
Image* LoadImage(const std::string& path, unsigned flags);
// An animation strip: cells of cellWidth x cellHeight read left to right, top
// to bottom, starting at firstCell. nullptr when the sheet holds too few cells.
Image* LoadStrip(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                 int cellCount, unsigned flags);
void UnloadImage(Image* image);
int ImageWidth(const Image* image);   // one cell
int ImageHeight(const Image* image);
int ImageFrames(const Image* image);
void DrawImage(Image* image, float x, float y, int frame);

// Whether two frames overlap in at least one opaque pixel, each centred at an
// integer point, both under the current scale and rotation.
bool ImagesCollide(const Image* a, int ax, int ay, int aframe, const Image* b, int bx, int by,
                   int bframe);

// Pixels read back from the frame in progress (before Present), top row first.
struct Pixmap {
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;  // width * height * 4 bytes
};
Pixmap GrabBackBuffer(int x, int y, int width, int height);  // window pixels
Image* GrabImage(int x, int y, int width, int height);       // a one-frame image of them
bool SavePng(const Pixmap& pixmap, const std::string& path, int compressionLevel);
bool LoadPng(const std::string& path, Pixmap& pixmap);

}  // namespace platform
