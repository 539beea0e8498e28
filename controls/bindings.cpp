// bindings.cpp - joystick detection, default bindings and the held-input queries.
//
// Every query reads the platform's state at the moment of the call; nothing is
// cached between frames except the rest positions taken at detection.
#include "controls/bindings.h"

#include "platform/platform.h"  // Required for: keys, joystick ports

namespace crownlift {

std::array<InputCode, kBindingCount> Bindings{};
std::array<JoystickRecord, kMaxJoysticks + 1> Joysticks{};
int JoystickCount = 0;

namespace {

constexpr int kKeyF11 = 122;
constexpr int kKeyF12 = 123;
constexpr int kFirstJoystickCode = 300;
constexpr int kCodesPerJoystick = 50;
constexpr int kHatUp = 20, kHatLeft = 23, kHatRight = 25, kHatDown = 28;
constexpr int kFirstButton = 30;
constexpr int kLastAxisInput = 11;
constexpr int kCapturableButtons = 19;  // button 19 exists as a code but is never captured

// Input r = 0..11 names the negative then the positive direction of Y, X, Z, U, V, R.
constexpr platform::Axis kAxisOfPair[6] = {platform::Axis::Y, platform::Axis::X,
                                           platform::Axis::Z, platform::Axis::U,
                                           platform::Axis::V, platform::Axis::R};

float RestOf(const JoystickRecord& pad, platform::Axis axis) {
  switch (axis) {
    case platform::Axis::X: return pad.restX;
    case platform::Axis::Y: return pad.restY;
    case platform::Axis::Z: return pad.restZ;
    case platform::Axis::U: return pad.restU;
    case platform::Axis::V: return pad.restV;
    case platform::Axis::R: return pad.restR;
  }
  return 0;
}

// The comparison is done in float on purpose: an axis read as 0.3f beside a
// rest of 0 sits exactly on the edge of the dead zone and must not count.
bool AxisDirectionHeld(int j, int r) {
  const JoystickRecord& pad = Joysticks[j];
  platform::Axis axis = kAxisOfPair[r / 2];
  float value = platform::JoystickAxis(j - 1, axis);
  float rest = RestOf(pad, axis);
  if (r % 2 == 0) return value < rest - kDeadZone;
  return value > rest + kDeadZone;
}

// The windows overlap on purpose, so a diagonal holds two directions.
bool HatDirectionHeld(int j, int r) {
  if (!Joysticks[j].hasHat) return false;
  float hat = platform::JoystickHat(j - 1);
  switch (r) {
    case kHatUp: return (hat >= 0 && hat < 0.2f) || hat > 0.8f;
    case kHatLeft: return hat > 0.6f && hat < 0.9f;
    case kHatRight: return hat > 0.1f && hat < 0.4f;
    case kHatDown: return hat > 0.3f && hat < 0.7f;
  }
  return false;
}

bool JoystickInputHeld(int j, int r) {
  if (r <= kLastAxisInput) return AxisDirectionHeld(j, r);
  if (r >= kFirstButton) return platform::JoystickButtonDown(j - 1, r - kFirstButton);
  return HatDirectionHeld(j, r);
}

// Only the four exact compass positions are captured, so a diagonal
// press while redefining doesn't bind the wrong direction.
InputCode CapturedHat(int j, InputCode base) {
  float hat = platform::JoystickHat(j - 1);
  if (hat == 0.0f) return base + kHatUp;
  if (hat == 0.25f) return base + kHatRight;
  if (hat == 0.5f) return base + kHatDown;
  if (hat == 0.75f) return base + kHatLeft;
  return 0;
}

InputCode FirstHeldOfJoystick(int j) {
  InputCode base = 250 + kCodesPerJoystick * j;
  for (int r = 0; r <= kLastAxisInput; ++r) {
    if (AxisDirectionHeld(j, r)) return base + r;
  }
  if (Joysticks[j].hasHat) {
    if (InputCode hat = CapturedHat(j, base)) return hat;
  }
  // The mask bounds the loop as a number, not bit by bit.
  int64_t maskBound = Joysticks[j].buttonMask;
  for (int b = 0; b < maskBound && b < kCapturableButtons; ++b) {
    if (platform::JoystickButtonDown(j - 1, b)) return base + kFirstButton + b;
  }
  return 0;
}

}  // namespace

void DetectJoysticks() {
  Joysticks = {};
  int count = platform::JoystickCount();
  JoystickCount = count < 0 ? 0 : (count > kMaxJoysticks ? kMaxJoysticks : count);
  for (int j = 1; j <= JoystickCount; ++j) {
    int port = j - 1;
    JoystickRecord& pad = Joysticks[j];
    pad.buttonMask = platform::JoystickButtonMask(port);
    pad.name = platform::JoystickName(port);
    pad.restX = platform::JoystickAxis(port, platform::Axis::X);
    pad.restY = platform::JoystickAxis(port, platform::Axis::Y);
    pad.restZ = platform::JoystickAxis(port, platform::Axis::Z);
    pad.restU = platform::JoystickAxis(port, platform::Axis::U);
    pad.restV = platform::JoystickAxis(port, platform::Axis::V);
    pad.restR = platform::JoystickAxis(port, platform::Axis::R);
    pad.enabled = true;
    pad.hasHat = platform::JoystickHat(port) == -1.0f;
  }
}

void ResetBindings() {
  Bindings = {};
  Bindings[Up] = 38;
  Bindings[Left] = 37;
  Bindings[Right] = 39;
  Bindings[Down] = 40;
  Bindings[Action1] = 90;  // Z
  Bindings[Action2] = 88;  // X
  Bindings[Action3] = 67;  // C
  Bindings[Action4] = 86;  // V
}

bool InputHeld(InputCode code) {
  if (code >= 10 && code <= 254 && platform::KeyDown(code)) return true;
  if (code < kFirstJoystickCode) return false;
  int j = code / kCodesPerJoystick - 5;
  if (j > kMaxJoysticks || !Joysticks[j].enabled) return false;
  return JoystickInputHeld(j, code % kCodesPerJoystick);
}

bool ControlHeld(int slot, int player) {
  if (slot < 0 || slot >= kSlotsPerPlayer || player < 1 || player > kMaxPlayers) return false;
  return InputHeld(Bindings[(player - 1) * kSlotsPerPlayer + slot]);
}

InputCode FirstHeldInput() {
  if (platform::KeyDown(kKeyF11) || platform::KeyDown(kKeyF12)) return 0;
  for (int k = 1; k <= 255; ++k) {
    if (platform::KeyDown(k)) return k;
  }
  for (int j = 1; j <= JoystickCount; ++j) {
    if (!Joysticks[j].enabled) continue;
    if (InputCode code = FirstHeldOfJoystick(j)) return code;
  }
  return 0;
}

}  // namespace crownlift
