// input.cpp - keyboard, mouse, typed text, joysticks and the close request
// over SDL2's event queue.
//
// Events are drained by PollEvents (Present calls it once per frame) into
// plain state: held flags and hit counts per engine key code and mouse
// button, the pointer in window pixels, and a queue of typed characters.
// Every query also drains the queue, at most once per millisecond, so a
// loop that only waits for a key release still sees it arrive. Joysticks go
// through SDL's raw joystick API (not the game-controller one): the engine
// wants the device's own axes, hat and buttons, and devices without a
// controller mapping must work too.
//
// Depends on: SDL2; the renderer for window-to-logical pointer mapping.

// SDL comes first: sdl_internal.h names `union SDL_Event` in a declaration
// inside its namespace, which means SDL's own type only when that is already
// declared.
#include <SDL2/SDL.h>  // Required for: events, joysticks, mouse warping

#include "platform/platform.h"
#include "platform/common/audio_internal.h"  // Required for: UpdateAudio
#include "platform/sdl/sdl_internal.h"

#include <algorithm>  // Required for: std::clamp, std::find_if
#include <array>      // Required for: key and button tables
#include <deque>      // Required for: the typed-character queue
#include <utility>    // Required for: std::exchange (read a count and reset it)

namespace platform {
namespace {

constexpr int kKeyCount = 256;
constexpr int kButtonCount = 4;  // 1 left, 2 right, 3 middle

struct InputState {
  std::array<bool, kKeyCount> keyHeld{};
  std::array<int, kKeyCount> keyHits{};
  std::array<bool, kButtonCount> buttonHeld{};
  std::array<int, kButtonCount> buttonHits{};
  float pointerX = 0, pointerY = 0;  // window pixels
  std::deque<int> typed;
  bool closeRequested = false;
  int64_t lastPumpMillis = -1;
  std::vector<SDL_Joystick*> joysticks;  // ports in the order they appeared
};

InputState state;

// Engine mouse buttons are 1 left, 2 right, 3 middle; SDL counts the middle
// button as 2.
int EngineButton(uint8_t sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
    default: return 0;
  }
}

// Appends each code point of a UTF-8 text; malformed bytes are skipped.
void QueueUtf8(const char* text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text);
  while (*p) {
    unsigned lead = *p++;
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2
                              : (lead >> 3) == 0x1E ? 3 : -1;
    if (extra < 0) continue;
    unsigned cp = extra == 0 ? lead : lead & (0x3F >> extra);
    bool ok = true;
    for (int i = 0; i < extra; ++i) {
      if ((*p & 0xC0) != 0x80) { ok = false; break; }
      cp = (cp << 6) | (*p++ & 0x3F);
    }
    if (ok) state.typed.push_back(int(cp));
  }
}

void ForgetHeldInput() {
  state.keyHeld.fill(false);
  state.buttonHeld.fill(false);
}

void OpenJoystick(int deviceIndex) {
  SDL_Joystick* joystick = SDL_JoystickOpen(deviceIndex);
  if (!joystick) return;
  if (std::find(state.joysticks.begin(), state.joysticks.end(), joystick) !=
      state.joysticks.end()) {
    SDL_JoystickClose(joystick);  // already ours; SDL counted one more reference
    return;
  }
  state.joysticks.push_back(joystick);
}

void CloseJoystick(SDL_JoystickID id) {
  auto it = std::find_if(state.joysticks.begin(), state.joysticks.end(),
                         [id](SDL_Joystick* j) { return SDL_JoystickInstanceID(j) == id; });
  if (it == state.joysticks.end()) return;
  SDL_JoystickClose(*it);
  state.joysticks.erase(it);
}

// Drains the event queue unless that already happened this millisecond.
void PumpIfDue() {
  int64_t now = ClockMillis();
  if (now != state.lastPumpMillis) PollEvents();
}

SDL_Joystick* JoystickAt(int port) {
  PumpIfDue();
  if (port < 0 || port >= int(state.joysticks.size())) return nullptr;
  return state.joysticks[size_t(port)];
}

}  // namespace

namespace sdl {

void InputInit() {
  state = InputState{};
  // Joysticks already plugged in are also announced by SDL_JOYDEVICEADDED;
  // OpenJoystick ignores the second sighting.
  for (int i = 0; i < SDL_NumJoysticks(); ++i) OpenJoystick(i);
}

void InputShutdown() {
  for (SDL_Joystick* joystick : state.joysticks) SDL_JoystickClose(joystick);
  state = InputState{};
}

void HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_KEYDOWN: {
      int code = EngineKeyCode(event.key.keysym);
      if (code > 0 && code < kKeyCount) {
        state.keyHeld[size_t(code)] = true;
        if (!event.key.repeat) ++state.keyHits[size_t(code)];
      }
      // Editing keys type no text of their own, but line editing wants them.
      if (code == 8 || code == 13) state.typed.push_back(code);
      break;
    }
    case SDL_KEYUP: {
      int code = EngineKeyCode(event.key.keysym);
      if (code > 0 && code < kKeyCount) state.keyHeld[size_t(code)] = false;
      break;
    }
    case SDL_TEXTINPUT:
      QueueUtf8(event.text.text);
      break;
    case SDL_MOUSEMOTION:
      state.pointerX = float(event.motion.x);
      state.pointerY = float(event.motion.y);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      int button = EngineButton(event.button.button);
      if (button == 0) break;
      bool down = event.type == SDL_MOUSEBUTTONDOWN;
      state.buttonHeld[size_t(button)] = down;
      if (down) ++state.buttonHits[size_t(button)];
      state.pointerX = float(event.button.x);
      state.pointerY = float(event.button.y);
      break;
    }
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) state.closeRequested = true;
      // Keys released while another window has focus never report their
      // release here; forget them rather than leave them stuck down.
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) ForgetHeldInput();
      if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        sdl::RendererResize(event.window.data1, event.window.data2);
      }
      break;
    case SDL_QUIT:
      state.closeRequested = true;
      break;
    case SDL_JOYDEVICEADDED:
      OpenJoystick(event.jdevice.which);
      break;
    case SDL_JOYDEVICEREMOVED:
      CloseJoystick(event.jdevice.which);
      break;
    default:
      break;
  }
}

}  // namespace sdl

void PollEvents() {
  state.lastPumpMillis = ClockMillis();
  SDL_Event event;
  while (SDL_PollEvent(&event)) sdl::HandleEvent(event);
  UpdateAudio();
}

bool KeyDown(int code) {
  PumpIfDue();
  return code > 0 && code < kKeyCount && state.keyHeld[size_t(code)];
}

int KeyHits(int code) {
  PumpIfDue();
  if (code <= 0 || code >= kKeyCount) return 0;
  return std::exchange(state.keyHits[size_t(code)], 0);
}

bool MouseDown(int button) {
  PumpIfDue();
  return button > 0 && button < kButtonCount && state.buttonHeld[size_t(button)];
}

int MouseHits(int button) {
  PumpIfDue();
  if (button <= 0 || button >= kButtonCount) return 0;
  return std::exchange(state.buttonHits[size_t(button)], 0);
}

float PointerX() {
  PumpIfDue();
  float x = 0, y = 0;
  sdl::WindowToLogical(state.pointerX, state.pointerY, x, y);
  return x;
}

float PointerY() {
  PumpIfDue();
  float x = 0, y = 0;
  sdl::WindowToLogical(state.pointerX, state.pointerY, x, y);
  return y;
}

void MovePointer(int x, int y) {
  float wx = 0, wy = 0;
  sdl::LogicalToWindow(float(x), float(y), wx, wy);
  // Reads that come before SDL reports the move already see the new spot.
  state.pointerX = wx;
  state.pointerY = wy;
  if (SDL_Window* window = sdl::Window()) SDL_WarpMouseInWindow(window, int(wx), int(wy));
}

int NextTypedChar() {
  PumpIfDue();
  if (state.typed.empty()) return 0;
  int c = state.typed.front();
  state.typed.pop_front();
  return c;
}

void FlushInput() {
  // Whatever is still queued belongs to the input being forgotten; the close
  // request and pointer motion stay.
  SDL_PumpEvents();
  SDL_FlushEvents(SDL_KEYDOWN, SDL_TEXTINPUT);
  SDL_FlushEvents(SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP);
  PollEvents();
  ForgetHeldInput();
  state.keyHits.fill(0);
  state.buttonHits.fill(0);
  state.typed.clear();
}

bool CloseRequested() {
  PumpIfDue();
  return state.closeRequested;
}

int JoystickCount() {
  PumpIfDue();
  return int(state.joysticks.size());
}

std::string JoystickName(int port) {
  SDL_Joystick* joystick = JoystickAt(port);
  const char* name = joystick ? SDL_JoystickName(joystick) : nullptr;
  return name ? name : "";
}

uint32_t JoystickButtonMask(int port) {
  SDL_Joystick* joystick = JoystickAt(port);
  if (!joystick) return 0;
  int buttons = std::clamp(SDL_JoystickNumButtons(joystick), 0, 32);
  return buttons == 32 ? 0xFFFFFFFFu : (1u << buttons) - 1u;
}

bool JoystickButtonDown(int port, int button) {
  SDL_Joystick* joystick = JoystickAt(port);
  if (!joystick || button < 0 || button >= SDL_JoystickNumButtons(joystick)) return false;
  return SDL_JoystickGetButton(joystick, button) != 0;
}

float JoystickAxis(int port, Axis axis) {
  SDL_Joystick* joystick = JoystickAt(port);
  int index = int(axis);  // X, Y, Z, R, U, V are the device's axes 0 to 5
  if (!joystick || index >= SDL_JoystickNumAxes(joystick)) return 0.0f;
  // -32768 would reach just past -1; both ends read as full deflection.
  return std::clamp(float(SDL_JoystickGetAxis(joystick, index)) / 32767.0f, -1.0f, 1.0f);
}

float JoystickHat(int port) {
  SDL_Joystick* joystick = JoystickAt(port);
  if (!joystick || SDL_JoystickNumHats(joystick) < 1) return -1.0f;
  switch (SDL_JoystickGetHat(joystick, 0)) {
    case SDL_HAT_UP: return 0.0f;
    case SDL_HAT_RIGHTUP: return 0.125f;
    case SDL_HAT_RIGHT: return 0.25f;
    case SDL_HAT_RIGHTDOWN: return 0.375f;
    case SDL_HAT_DOWN: return 0.5f;
    case SDL_HAT_LEFTDOWN: return 0.625f;
    case SDL_HAT_LEFT: return 0.75f;
    case SDL_HAT_LEFTUP: return 0.875f;
    default: return -1.0f;
  }
}

}  // namespace platform
