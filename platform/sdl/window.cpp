// window.cpp - the display: mode list, the window or full screen with its
// OpenGL context, the title, the system pointer, and presenting frames.
//
// When Init could not start SDL's video subsystem (no X server), every call
// here tries again, so the rest of the program runs without a window and a
// failed OpenDisplay says why in one line (LastDisplayError). The context is
// SDL's default (compatibility) one: on Mesa, under Xvfb as on hardware, that
// is the newest version the driver has, and the renderer needs only 3.0.
// Presenting with the platform's default synchronisation uses vertical sync
// in full screen and paces a window to 60 Hz by sleeping, because a window's
// swap is not reliably tied to the monitor (and Xvfb has none at all).
//
// Depends on: SDL2 video; the renderer (render_gl.cpp) through sdl_internal.h.

#include "platform/platform.h"
#include "platform/sdl/sdl_internal.h"

#include <SDL2/SDL.h>  // Required for: windows, display modes, GL contexts, cursor

#include <chrono>   // Required for: 60 Hz pacing of windowed presents
#include <cstdlib>  // Required for: std::abs
#include <string>   // Required for: titles and error texts
#include <thread>   // Required for: std::this_thread::sleep_until

namespace platform {
namespace {

using PaceClock = std::chrono::steady_clock;
constexpr auto kFramePeriod = std::chrono::duration_cast<PaceClock::duration>(
    std::chrono::duration<double, std::milli>(1000.0 / 60.0));

struct DisplayState {
  SDL_Window* window = nullptr;
  SDL_GLContext context = nullptr;
  bool rendererOpen = false;
  bool fullscreen = false;
  std::string title;
  std::string lastError;
  bool pointerHidden = false;
  int swapInterval = -1;        // as last set on this context; -1 unknown
  bool swapIntervalWorks = true;
  PaceClock::time_point nextFrame{};
};

DisplayState display;

bool StartVideo() {
  if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return true;
  display.lastError = "no X11 or Wayland display to open a window on (is DISPLAY set?)";
  return false;
}

void ApplyPointerVisibility() {
  if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(display.pointerHidden ? SDL_DISABLE : SDL_ENABLE);
}

// The offered mode nearest to the request: same size and depth, refresh
// closest to the one asked for. False when the size and depth are not offered.
bool FindFullscreenMode(int width, int height, int depth, int refresh, SDL_DisplayMode& found) {
  bool any = false;
  for (int i = 0, n = SDL_GetNumDisplayModes(0); i < n; ++i) {
    SDL_DisplayMode mode;
    if (SDL_GetDisplayMode(0, i, &mode) != 0) continue;
    if (mode.w != width || mode.h != height || int(SDL_BITSPERPIXEL(mode.format)) != depth) {
      continue;
    }
    if (!any || std::abs(mode.refresh_rate - refresh) < std::abs(found.refresh_rate - refresh)) {
      found = mode;
      any = true;
    }
  }
  return any;
}

bool Fail(const std::string& reason) {
  display.lastError = reason + " (" + SDL_GetError() + ")";
  CloseDisplay();
  return false;
}

// False when the driver cannot set the interval (common under Xvfb).
bool UseSwapInterval(int interval) {
  if (display.swapInterval == interval) return display.swapIntervalWorks;
  display.swapInterval = interval;
  display.swapIntervalWorks = SDL_GL_SetSwapInterval(interval) == 0;
  return display.swapIntervalWorks;
}

void PaceToSixtyHertz() {
  auto now = PaceClock::now();
  // After a long frame start afresh instead of rushing to catch up.
  if (now - display.nextFrame > kFramePeriod) display.nextFrame = now;
  std::this_thread::sleep_until(display.nextFrame);
  display.nextFrame += kFramePeriod;
}

}  // namespace

namespace sdl {
SDL_Window* Window() { return display.window; }
}  // namespace sdl

std::vector<DisplayMode> ListDisplayModes() {
  std::vector<DisplayMode> modes;
  if (!StartVideo()) return modes;
  for (int i = 0, n = SDL_GetNumDisplayModes(0); i < n; ++i) {
    SDL_DisplayMode mode;
    if (SDL_GetDisplayMode(0, i, &mode) != 0) continue;
    modes.push_back({mode.w, mode.h, int(SDL_BITSPERPIXEL(mode.format)), mode.refresh_rate});
  }
  return modes;
}

bool DisplayModeExists(int width, int height, int depth) {
  for (const DisplayMode& mode : ListDisplayModes()) {
    if (mode.width == width && mode.height == height && mode.depth == depth) return true;
  }
  return false;
}

bool OpenDisplay(int width, int height, int depth, int refresh) {
  CloseDisplay();
  display.lastError.clear();
  if (width <= 0 || height <= 0) {
    display.lastError = "cannot open a display of " + std::to_string(width) + "x" +
                        std::to_string(height);
    return false;
  }
  if (!StartVideo()) return false;

  SDL_GL_ResetAttributes();
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  display.window = SDL_CreateWindow(display.title.c_str(), SDL_WINDOWPOS_CENTERED,
                                    SDL_WINDOWPOS_CENTERED, width, height,
                                    SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  if (!display.window) return Fail("cannot create a window");

  display.fullscreen = depth != 0;
  if (display.fullscreen) {
    SDL_DisplayMode mode;
    if (!FindFullscreenMode(width, height, depth, refresh, mode)) {
      SDL_SetError("not offered by the display");
      return Fail("no full-screen mode " + std::to_string(width) + "x" + std::to_string(height) +
                  "x" + std::to_string(depth));
    }
    if (SDL_SetWindowDisplayMode(display.window, &mode) != 0 ||
        SDL_SetWindowFullscreen(display.window, SDL_WINDOW_FULLSCREEN) != 0) {
      return Fail("cannot switch to full screen");
    }
  }
  SDL_ShowWindow(display.window);

  display.context = SDL_GL_CreateContext(display.window);
  if (!display.context) return Fail("cannot create an OpenGL context");
  if (SDL_GL_MakeCurrent(display.window, display.context) != 0) {
    return Fail("cannot use the OpenGL context");
  }
  display.swapInterval = -1;
  display.swapIntervalWorks = true;
  display.nextFrame = PaceClock::now();

  int drawableWidth = 0, drawableHeight = 0;
  SDL_GL_GetDrawableSize(display.window, &drawableWidth, &drawableHeight);
  // A renderer that fails half-way may still hold GL objects; it is closed
  // like an open one.
  display.rendererOpen = true;
  if (!sdl::RendererOpen(drawableWidth, drawableHeight)) {
    SDL_SetError("needs more than this OpenGL offers");
    return Fail("the renderer cannot start");
  }
  ApplyPointerVisibility();
  return true;
}

void CloseDisplay() {
  if (display.rendererOpen) {
    sdl::RendererClose();
    display.rendererOpen = false;
  }
  if (display.context) {
    SDL_GL_MakeCurrent(display.window, nullptr);
    SDL_GL_DeleteContext(display.context);
    display.context = nullptr;
  }
  if (display.window) {
    SDL_DestroyWindow(display.window);
    display.window = nullptr;
  }
  display.fullscreen = false;
}

bool DisplayIsOpen() { return display.window != nullptr; }

std::string LastDisplayError() { return display.lastError; }

void SetWindowTitle(const std::string& title) {
  display.title = title;
  if (display.window) SDL_SetWindowTitle(display.window, title.c_str());
}

void ShowPointer() {
  display.pointerHidden = false;
  ApplyPointerVisibility();
}

void HidePointer() {
  display.pointerHidden = true;
  ApplyPointerVisibility();
}

void Present(Sync sync) {
  if (display.window && display.context) {
    sdl::RendererFlush();
    bool vertical = sync == Sync::Vertical || (sync == Sync::Default && display.fullscreen);
    bool synced = UseSwapInterval(vertical ? 1 : 0) && vertical;
    // Without a working vertical sync the default still holds the frame rate.
    if (sync == Sync::Default && !synced) PaceToSixtyHertz();
    SDL_GL_SwapWindow(display.window);
  }
  PollEvents();
}

}  // namespace platform
