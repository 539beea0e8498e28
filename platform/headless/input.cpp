// input.cpp - the headless backend's scripted input.
//
// A test schedules events for a presented frame (AtFrame) or a clock reading
// (AtTime); they are applied, in the order they were scheduled, as soon as
// their moment has come and anything looks: a Present, a poll, a clock read
// or sleep, or any input query. The state they build is what the real
// backend keeps: held keys and buttons, hit counts reset when read, the
// pointer in logical coordinates, the typed-character queue, the close
// request and the joysticks.
#include "platform/headless/headless.h"
#include "platform/headless/headless_internal.h"

#include "platform/common/audio_internal.h"  // Required for: UpdateAudio

#include <algorithm>  // Required for: std::clamp
#include <deque>      // Required for: the typed-character queue
#include <map>        // Required for: events ordered by frame or time

namespace platform {

namespace {

struct InputState {
  bool keys[256] = {};
  int keyHits[256] = {};
  bool buttons[4] = {};
  int buttonHits[4] = {};
  float pointerX = 0, pointerY = 0;
  std::deque<int> typed;
  bool closeRequested = false;
};

InputState input;
std::vector<headless::FakeJoystick> joysticks;
// multimap keeps events of the same moment in the order they were added.
std::multimap<int64_t, headless::InputEvent> frameEvents;
std::multimap<int64_t, headless::InputEvent> timeEvents;

bool ValidKey(int code) { return code >= 1 && code <= 255; }
bool ValidButton(int button) { return button >= 1 && button <= 3; }

headless::FakeJoystick* Pad(int port) {
  if (port < 0 || size_t(port) >= joysticks.size()) return nullptr;
  return &joysticks[size_t(port)];
}

void Apply(const headless::InputEvent& event) {
  using Kind = headless::InputEvent::Kind;
  switch (event.kind) {
    case Kind::KeyDown:
      if (ValidKey(event.code)) {
        input.keys[event.code] = true;
        ++input.keyHits[event.code];
      }
      break;
    case Kind::KeyUp:
      if (ValidKey(event.code)) input.keys[event.code] = false;
      break;
    case Kind::MouseDown:
      if (ValidButton(event.code)) {
        input.buttons[event.code] = true;
        ++input.buttonHits[event.code];
      }
      break;
    case Kind::MouseUp:
      if (ValidButton(event.code)) input.buttons[event.code] = false;
      break;
    case Kind::PointerTo:
      input.pointerX = event.x;
      input.pointerY = event.y;
      break;
    case Kind::Type:
      for (char c : event.text) input.typed.push_back(static_cast<unsigned char>(c));
      break;
    case Kind::CloseRequest:
      input.closeRequested = true;
      break;
    case Kind::JoyButtonDown:
    case Kind::JoyButtonUp:
      if (headless::FakeJoystick* pad = Pad(event.port)) {
        if (event.code < 0 || event.code >= 32) break;
        uint32_t bit = 1u << event.code;
        pad->buttons = event.kind == Kind::JoyButtonDown ? pad->buttons | bit : pad->buttons & ~bit;
      }
      break;
    case Kind::JoyAxis:
      if (headless::FakeJoystick* pad = Pad(event.port)) {
        pad->axes[int(event.axis)] = std::clamp(event.value, -1.0f, 1.0f);
      }
      break;
    case Kind::JoyHat:
      if (headless::FakeJoystick* pad = Pad(event.port)) pad->hat = event.value;
      break;
  }
}

void ApplyDue(std::multimap<int64_t, headless::InputEvent>& events, int64_t now) {
  while (!events.empty() && events.begin()->first <= now) {
    headless::InputEvent event = std::move(events.begin()->second);
    events.erase(events.begin());
    Apply(event);
  }
}

}  // namespace

// --- platform.h -------------------------------------------------------------

void PollEvents() {
  headless::ApplyDueInput();
  UpdateAudio();
}

bool KeyDown(int code) {
  headless::ApplyDueInput();
  return ValidKey(code) && input.keys[code];
}

int KeyHits(int code) {
  headless::ApplyDueInput();
  if (!ValidKey(code)) return 0;
  int hits = input.keyHits[code];
  input.keyHits[code] = 0;
  return hits;
}

bool MouseDown(int button) {
  headless::ApplyDueInput();
  return ValidButton(button) && input.buttons[button];
}

int MouseHits(int button) {
  headless::ApplyDueInput();
  if (!ValidButton(button)) return 0;
  int hits = input.buttonHits[button];
  input.buttonHits[button] = 0;
  return hits;
}

float PointerX() {
  headless::ApplyDueInput();
  return input.pointerX;
}

float PointerY() {
  headless::ApplyDueInput();
  return input.pointerY;
}

void MovePointer(int x, int y) {
  input.pointerX = float(x);
  input.pointerY = float(y);
}

int NextTypedChar() {
  headless::ApplyDueInput();
  if (input.typed.empty()) return 0;
  int code = input.typed.front();
  input.typed.pop_front();
  return code;
}

void FlushInput() {
  headless::ApplyDueInput();
  bool closeRequested = input.closeRequested;  // a close request is not input to forget
  float x = input.pointerX, y = input.pointerY;
  input = InputState{};
  input.closeRequested = closeRequested;
  input.pointerX = x;
  input.pointerY = y;
}

bool CloseRequested() {
  headless::ApplyDueInput();
  return input.closeRequested;
}

int JoystickCount() {
  headless::ApplyDueInput();
  return int(joysticks.size());
}

std::string JoystickName(int port) {
  const headless::FakeJoystick* pad = Pad(port);
  return pad ? pad->name : std::string();
}

uint32_t JoystickButtonMask(int port) {
  const headless::FakeJoystick* pad = Pad(port);
  return pad ? pad->buttonMask : 0;
}

bool JoystickButtonDown(int port, int button) {
  headless::ApplyDueInput();
  const headless::FakeJoystick* pad = Pad(port);
  return pad && button >= 0 && button < 32 && (pad->buttons >> button & 1u);
}

float JoystickAxis(int port, Axis axis) {
  headless::ApplyDueInput();
  const headless::FakeJoystick* pad = Pad(port);
  int index = int(axis);
  return pad && index >= 0 && index < 6 ? pad->axes[index] : 0.0f;
}

float JoystickHat(int port) {
  headless::ApplyDueInput();
  const headless::FakeJoystick* pad = Pad(port);
  return pad ? pad->hat : -1.0f;
}

// --- headless.h -------------------------------------------------------------

namespace headless {

void AtFrame(int64_t frame, const InputEvent& event) { frameEvents.emplace(frame, event); }
void AtTime(int64_t ms, const InputEvent& event) { timeEvents.emplace(ms, event); }
void ApplyNow(const InputEvent& event) { Apply(event); }

InputEvent KeyPress(int code) {
  InputEvent event;
  event.kind = InputEvent::Kind::KeyDown;
  event.code = code;
  return event;
}

InputEvent KeyRelease(int code) {
  InputEvent event;
  event.kind = InputEvent::Kind::KeyUp;
  event.code = code;
  return event;
}

InputEvent Typed(const std::string& text) {
  InputEvent event;
  event.kind = InputEvent::Kind::Type;
  event.text = text;
  return event;
}

void SetJoysticks(const std::vector<FakeJoystick>& pads) { joysticks = pads; }

void ApplyDueInput() {
  ApplyDue(frameEvents, CurrentFrame());
  ApplyDue(timeEvents, ClockNow());
}

void ResetInput() {
  input = InputState{};
  joysticks.clear();
  frameEvents.clear();
  timeEvents.clear();
}

}  // namespace headless

}  // namespace platform
