// system.cpp - start and stop of the SDL backend, the clock, the local date
// and time, the program's folder and ending the process.
//
// Init starts only what every run needs (events and joysticks) for certain;
// the video subsystem is tried too, but a machine without an X server still
// gets a working clock, files and audio, so the program can log why its
// display did not open instead of dying at the first call.
//
// Depends on: SDL2 (events, joysticks, video); the C library's localtime.

#include "platform/platform.h"
#include "platform/common/audio_internal.h"  // Required for: ShutdownAudio
#include "platform/common/datetime.h"        // Required for: the date and time texts
#include "platform/sdl/sdl_internal.h"

#include <SDL2/SDL.h>  // Required for: SDL_Init, SDL_Quit, SDL_GetBasePath, hints

#include <unistd.h>  // Required for: readlink

#include <chrono>   // Required for: the monotonic clock
#include <cstdio>   // Required for: fflush before exiting
#include <cstdlib>  // Required for: std::exit
#include <ctime>    // Required for: time, localtime_r
#include <thread>   // Required for: std::this_thread::sleep_for

namespace platform {
namespace {

std::chrono::steady_clock::time_point startTime = std::chrono::steady_clock::now();
bool started = false;

std::tm LocalNow() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace

void Init() {
  if (started) return;
  startTime = std::chrono::steady_clock::now();
  // Ctrl+C and kill end the program at once; the game's own way out is the
  // window's close button, which arrives as a close request.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // Joysticks are polled whether or not the window has the focus, so a pad
  // reads the same before the window appears, behind another window and
  // under a test's Xvfb.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  // Only a desktop that shows the window will do: SDL would otherwise fall
  // back to an invisible off-screen display, and the game would run unseen.
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11,wayland");
  SDL_Init(SDL_INIT_EVENTS);
  SDL_InitSubSystem(SDL_INIT_JOYSTICK);
  SDL_InitSubSystem(SDL_INIT_VIDEO);  // may fail here; OpenDisplay tries again and says why
  sdl::InputInit();
  started = true;
}

void Shutdown() {
  if (!started) return;
  CloseDisplay();
  ShutdownAudio();
  sdl::InputShutdown();
  SDL_Quit();
  started = false;
}

int64_t ClockMillis() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               startTime)
      .count();
}

void SleepMillis(int ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::string DateText() { return FormatDate(LocalNow()); }

std::string TimeText() { return FormatTime(LocalNow()); }

std::string ProgramFolder() {
  char path[4096];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length > 0) {
    std::string file(path, size_t(length));
    size_t slash = file.rfind('/');
    if (slash != std::string::npos) return file.substr(0, slash + 1);
  }
  std::string folder;
  if (char* base = SDL_GetBasePath()) {
    folder = base;
    SDL_free(base);
  }
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

void EndProcess(int status) {
  std::fflush(nullptr);
  Shutdown();
  std::exit(status);
}

}  // namespace platform
