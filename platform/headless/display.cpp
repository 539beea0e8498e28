// display.cpp - the headless backend's display record and Present.
//
// Nothing is shown: the display is a record of what the program asked for
// (mode, title, pointer visibility; the logical size is kept by the draw
// recorder) that tests can read, with
// a list of modes a test can replace and an opening that a test can make
// fail. Present is the heartbeat of a headless run: it closes the frame's
// draw record, charges the simulated render cost to the clock, counts the
// frame, applies the input scripted for the new frame and polls.
#include "platform/headless/headless.h"
#include "platform/headless/headless_internal.h"

#include <cmath>  // Required for: std::floor

namespace platform {

namespace {

std::vector<DisplayMode> DefaultModes() {
  std::vector<DisplayMode> modes;
  const int sizes[][2] = {{640, 480},   {800, 600},   {1024, 768}, {1280, 720},
                          {1280, 960},  {1280, 1024}, {1920, 1080}};
  for (const auto& size : sizes) modes.push_back({size[0], size[1], 32, 60});
  return modes;
}

struct DisplayRecord {
  std::vector<DisplayMode> modes = DefaultModes();
  bool openFails = false;
  headless::DisplayState state;
  std::string lastError;
  int64_t presents = 0;
  double perFrameMs = 0, perQuadMicros = 0;
  double costCarriedMs = 0;  // render cost below 1 ms, kept for later frames
};

DisplayRecord display;

}  // namespace

// --- platform.h -------------------------------------------------------------

std::vector<DisplayMode> ListDisplayModes() { return display.modes; }

bool DisplayModeExists(int width, int height, int depth) {
  for (const DisplayMode& mode : display.modes) {
    if (mode.width == width && mode.height == height && mode.depth == depth) return true;
  }
  return false;
}

bool OpenDisplay(int width, int height, int depth, int refresh) {
  CloseDisplay();
  if (display.openFails) {
    display.lastError = "the display refused to open (simulated)";
    return false;
  }
  if (width <= 0 || height <= 0) {
    display.lastError = "no display of " + std::to_string(width) + "x" + std::to_string(height);
    return false;
  }
  if (depth != 0 && !DisplayModeExists(width, height, depth)) {
    display.lastError = "no full-screen mode " + std::to_string(width) + "x" +
                        std::to_string(height) + " at " + std::to_string(depth) + " bits";
    return false;
  }
  display.state.open = true;
  display.state.width = width;
  display.state.height = height;
  display.state.depth = depth;
  display.state.refresh = refresh;
  display.lastError.clear();
  return true;
}

void CloseDisplay() {
  display.state.open = false;
  display.state.width = display.state.height = display.state.depth = display.state.refresh = 0;
}

bool DisplayIsOpen() { return display.state.open; }
std::string LastDisplayError() { return display.lastError; }
void SetWindowTitle(const std::string& title) { display.state.title = title; }

void ShowPointer() { display.state.pointerVisible = true; }
void HidePointer() { display.state.pointerVisible = false; }

// Every sync mode is the same here: the simulated clock has no display to
// wait for, and the frame-end service does its own pacing with sleeps.
void Present(Sync) {
  headless::RecordPresent(display.presents);
  double costMs = display.perFrameMs +
                  display.perQuadMicros * double(headless::QuadsSinceLastPresent()) / 1000.0 +
                  display.costCarriedMs;
  if (!(costMs > 0)) costMs = 0;
  double wholeMs = std::floor(costMs);
  display.costCarriedMs = costMs - wholeMs;
  ++display.presents;
  headless::AdvanceClock(int64_t(wholeMs));
  PollEvents();
}

// --- headless.h -------------------------------------------------------------

namespace headless {

void SetRenderCost(double perFrameMs, double perQuadMicros) {
  display.perFrameMs = perFrameMs;
  display.perQuadMicros = perQuadMicros;
}

int64_t PresentCount() { return display.presents; }
int64_t CurrentFrame() { return display.presents; }

void SetDisplayModes(const std::vector<DisplayMode>& modes) { display.modes = modes; }
void SetDisplayOpenFails(bool fails) { display.openFails = fails; }

DisplayState Display() {
  // The logical size is drawing state, kept by the recorder; until it is
  // set, drawing is in the window's own pixels.
  DisplayState state = display.state;
  int width = 0, height = 0;
  LogicalSize(width, height);
  state.logicalWidth = width > 0 ? width : state.width;
  state.logicalHeight = height > 0 ? height : state.height;
  return state;
}

void ResetDisplay() { display = DisplayRecord{}; }

}  // namespace headless

}  // namespace platform
