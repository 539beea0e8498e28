// bindings_test.cpp - held inputs through bindings, keys and simulated joysticks.
//
// Joysticks are simulated by the headless backend: SetJoysticks decides what
// detection sees, later axis, hat and button events move them.
#include <gtest/gtest.h>

#include <climits>  // Required for: INT_MIN, INT_MAX codes
#include <set>      // Required for: sets of held codes

#include "controls/bindings.h"
#include "platform/headless/headless.h"

namespace {

using crownlift::ControlHeld;
using crownlift::FirstHeldInput;
using crownlift::InputCode;
using crownlift::InputHeld;
using platform::Axis;
namespace headless = platform::headless;
using Event = headless::InputEvent;

constexpr int kKeyA = 65, kKeyUpArrow = 38, kKeyZ = 90, kKeyF11 = 122, kKeyF12 = 123;

Event JoyEvent(Event::Kind kind, int port) {
  Event event;
  event.kind = kind;
  event.port = port;
  return event;
}
void MoveAxis(int port, Axis axis, float value) {
  Event event = JoyEvent(Event::Kind::JoyAxis, port);
  event.axis = axis;
  event.value = value;
  headless::ApplyNow(event);
}
void MoveHat(int port, float value) {
  Event event = JoyEvent(Event::Kind::JoyHat, port);
  event.value = value;
  headless::ApplyNow(event);
}
void PressButton(int port, int button) {
  Event event = JoyEvent(Event::Kind::JoyButtonDown, port);
  event.code = button;
  headless::ApplyNow(event);
}
void PressKey(int code) { headless::ApplyNow(headless::KeyPress(code)); }
void ReleaseKey(int code) { headless::ApplyNow(headless::KeyRelease(code)); }

// A pad centred everywhere, with a hat and buttons 0..11.
headless::FakeJoystick Pad(const std::string& name = "Test Pad") {
  headless::FakeJoystick pad;
  pad.name = name;
  return pad;
}

class BindingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    Detect({});
    crownlift::ResetBindings();
  }
  void TearDown() override {
    headless::SetJoysticks({});
    headless::Reset();
  }
  static void Detect(const std::vector<headless::FakeJoystick>& pads) {
    headless::SetJoysticks(pads);
    crownlift::DetectJoysticks();
  }
  // Which of the given codes read as held right now.
  static std::set<InputCode> HeldAmong(const std::vector<InputCode>& codes) {
    std::set<InputCode> held;
    for (InputCode code : codes) {
      if (InputHeld(code)) held.insert(code);
    }
    return held;
  }
};

// ---- Defaults and the slot arithmetic -------------------------------------------

TEST_F(BindingsTest, PlayerOneDefaultsFollowArrowsAndZxcv) {
  struct Case {
    int slot;
    int key;
  };
  const Case cases[] = {{crownlift::Up, 38},      {crownlift::Left, 37},   {crownlift::Right, 39},
                        {crownlift::Down, 40},    {crownlift::Action1, 90}, {crownlift::Action2, 88},
                        {crownlift::Action3, 67}, {crownlift::Action4, 86}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.slot);
    EXPECT_FALSE(ControlHeld(c.slot, 1));
    PressKey(c.key);
    EXPECT_TRUE(ControlHeld(c.slot, 1));
    ReleaseKey(c.key);
    EXPECT_FALSE(ControlHeld(c.slot, 1));
  }
}

TEST_F(BindingsTest, OtherPlayersAndUnnamedSlotsStartUnbound) {
  for (int key : {37, 38, 39, 40, 67, 86, 88, 90}) PressKey(key);
  for (int player = 2; player <= 4; ++player) {
    for (int slot = 0; slot < crownlift::kSlotsPerPlayer; ++slot) {
      EXPECT_FALSE(ControlHeld(slot, player)) << "player " << player << " slot " << slot;
    }
  }
  for (int slot : {1, 2, 4, 6, 7, 9, 14, 15, 16, 17, 18, 19}) {
    EXPECT_EQ(crownlift::Bindings[slot], 0) << slot;
  }
  EXPECT_EQ(crownlift::Bindings[100], 0);
}

TEST_F(BindingsTest, ControlHeldAddressesPlayerTimesTwentyPlusSlot) {
  crownlift::Bindings[(3 - 1) * 20 + crownlift::Action2] = kKeyA;
  PressKey(kKeyA);
  EXPECT_TRUE(ControlHeld(crownlift::Action2, 3));
  EXPECT_FALSE(ControlHeld(crownlift::Action2, 2));
  EXPECT_FALSE(ControlHeld(crownlift::Action2, 4));
}

TEST_F(BindingsTest, ControlHeldOutsideSlotsAndPlayersIsFalse) {
  // Entry 20 is player 2's Up; asking for "slot 20 of player 1" must not reach it.
  crownlift::Bindings[20] = kKeyA;
  crownlift::Bindings[100] = kKeyA;
  PressKey(kKeyA);
  EXPECT_TRUE(ControlHeld(crownlift::Up, 2));
  EXPECT_FALSE(ControlHeld(20, 1));
  EXPECT_FALSE(ControlHeld(-1, 2));
  EXPECT_FALSE(ControlHeld(0, 0));
  EXPECT_FALSE(ControlHeld(0, 5));
  EXPECT_FALSE(ControlHeld(0, 6));  // would be entry 100
}

// ---- Key codes -----------------------------------------------------------------------

TEST_F(BindingsTest, OnlyKeyCodesTenTo254ReadKeys) {
  struct Case {
    InputCode code;
    int keyDown;
    bool held;
  };
  const Case cases[] = {
      {0, 0, false},   {8, 8, false},     {9, 9, false},  // Tab can be stored, never reads
      {10, 10, true},  {65, 65, true},    {254, 254, true}, {255, 255, false},
      {65, 66, false}, {-65, 65, false},  {65 + 256, 65, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    headless::Reset();
    if (c.keyDown) PressKey(c.keyDown);
    EXPECT_EQ(InputHeld(c.code), c.held);
  }
}

// ---- Joystick detection ---------------------------------------------------------------

TEST_F(BindingsTest, DetectionRecordsRestsNameMaskAndHat) {
  headless::FakeJoystick first = Pad("First");
  first.buttonMask = 0x3F;
  for (int a = 0; a < 6; ++a) first.axes[a] = 0.1f * float(a + 1);  // X .1 Y .2 Z .3 R .4 U .5 V .6
  headless::FakeJoystick second = Pad("Second");
  second.hat = 0;  // not centred at detection
  Detect({first, second});

  ASSERT_EQ(crownlift::JoystickCount, 2);
  const crownlift::JoystickRecord& one = crownlift::Joysticks[1];
  EXPECT_EQ(one.name, "First");
  EXPECT_EQ(one.buttonMask, 0x3Fu);
  EXPECT_FLOAT_EQ(one.restX, 0.1f);
  EXPECT_FLOAT_EQ(one.restY, 0.2f);
  EXPECT_FLOAT_EQ(one.restZ, 0.3f);
  EXPECT_FLOAT_EQ(one.restR, 0.4f);
  EXPECT_FLOAT_EQ(one.restU, 0.5f);
  EXPECT_FLOAT_EQ(one.restV, 0.6f);
  EXPECT_TRUE(one.hasHat);
  EXPECT_TRUE(one.enabled);
  EXPECT_EQ(crownlift::Joysticks[2].name, "Second");
  EXPECT_FALSE(crownlift::Joysticks[2].hasHat);
  EXPECT_FALSE(crownlift::Joysticks[3].enabled);
  EXPECT_FALSE(crownlift::Joysticks[4].enabled);
}

TEST_F(BindingsTest, AtMostFourJoysticksAreUsed) {
  Detect({Pad("1"), Pad("2"), Pad("3"), Pad("4"), Pad("5")});
  EXPECT_EQ(crownlift::JoystickCount, 4);
  PressButton(3, 0);
  PressButton(4, 0);
  EXPECT_TRUE(InputHeld(480));   // joystick 4, button 0
  EXPECT_FALSE(InputHeld(530));  // would be a fifth joystick
}

TEST_F(BindingsTest, RedetectionForgetsJoysticksThatWentAway) {
  Detect({Pad(), Pad()});
  Detect({Pad()});
  EXPECT_EQ(crownlift::JoystickCount, 1);
  PressButton(1, 0);
  EXPECT_FALSE(crownlift::Joysticks[2].enabled);
  EXPECT_FALSE(InputHeld(380));
}

// ---- Axes: the dead zone around the rest value ----------------------------------------

TEST_F(BindingsTest, AxesHoldBeyondTheDeadZoneAroundTheirRest) {
  headless::FakeJoystick centred = Pad();
  headless::FakeJoystick offCentre = Pad();
  offCentre.axes[int(Axis::X)] = 0.5f;   // a stick that rested off-centre at start-up
  offCentre.axes[int(Axis::Y)] = -1.0f;  // an axis resting at its end stop
  Detect({centred, offCentre});

  struct Case {
    int port;
    Axis axis;
    float value;
    InputCode code;
    bool held;
  };
  const Case cases[] = {
      {0, Axis::Y, 0.3f, 301, false},  {0, Axis::Y, 0.31f, 301, true},
      {0, Axis::Y, -0.31f, 300, true}, {0, Axis::Y, -0.3f, 300, false},
      {0, Axis::Y, 0.31f, 300, false}, {0, Axis::Y, -1.0f, 301, false},
      // Rest X = 0.5: the window is 0.2 .. 0.8.
      {1, Axis::X, 0.79f, 353, false}, {1, Axis::X, 0.81f, 353, true},
      {1, Axis::X, 0.21f, 352, false}, {1, Axis::X, 0.19f, 352, true},
      {1, Axis::X, 0.5f, 352, false},  {1, Axis::X, 0.5f, 353, false},
      // Rest Y = -1: the negative direction can never hold.
      {1, Axis::Y, -1.0f, 350, false}, {1, Axis::Y, -0.71f, 351, false},
      {1, Axis::Y, -0.69f, 351, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "code " << c.code << " value " << c.value);
    MoveAxis(c.port, c.axis, c.value);
    EXPECT_EQ(InputHeld(c.code), c.held);
  }
}

TEST_F(BindingsTest, EachAxisDirectionHasItsOwnCode) {
  Detect({Pad()});
  struct Case {
    Axis axis;
    InputCode negative, positive;
  };
  const Case cases[] = {{Axis::Y, 300, 301}, {Axis::X, 302, 303}, {Axis::Z, 304, 305},
                        {Axis::U, 306, 307}, {Axis::V, 308, 309}, {Axis::R, 310, 311}};
  std::vector<InputCode> axisCodes;
  for (InputCode code = 300; code <= 311; ++code) axisCodes.push_back(code);
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.axis));
    MoveAxis(0, c.axis, -0.9f);
    EXPECT_EQ(HeldAmong(axisCodes), std::set<InputCode>{c.negative});
    MoveAxis(0, c.axis, 0.9f);
    EXPECT_EQ(HeldAmong(axisCodes), std::set<InputCode>{c.positive});
    MoveAxis(0, c.axis, 0);
    EXPECT_TRUE(HeldAmong(axisCodes).empty());
  }
}

// ---- Hats -------------------------------------------------------------------------------

TEST_F(BindingsTest, HatWindowsOverlapOnDiagonals) {
  Detect({Pad()});
  const std::vector<InputCode> hatCodes = {320, 323, 325, 328};
  struct Case {
    float hat;
    std::set<InputCode> held;
  };
  const Case cases[] = {
      {-1.0f, {}},          {0.0f, {320}},        {0.125f, {320, 325}}, {0.25f, {325}},
      {0.375f, {325, 328}}, {0.5f, {328}},        {0.625f, {323, 328}}, {0.75f, {323}},
      {0.875f, {320, 323}}, {0.2f, {325}},        {0.95f, {320}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hat);
    MoveHat(0, c.hat);
    EXPECT_EQ(HeldAmong(hatCodes), c.held);
  }
}

TEST_F(BindingsTest, HatThatWasNotCentredAtDetectionNeverHolds) {
  headless::FakeJoystick pad = Pad();
  pad.hat = 0.25f;  // held at start-up, or a device reporting something else
  Detect({pad});
  for (float hat : {0.0f, 0.125f, 0.25f, 0.5f, 0.75f}) {
    MoveHat(0, hat);
    EXPECT_TRUE(HeldAmong({320, 323, 325, 328}).empty()) << hat;
  }
}

// ---- Buttons, switched-off joysticks and codes that name nothing ----------------------

TEST_F(BindingsTest, ButtonCodesReadTheirButton) {
  Detect({Pad(), Pad()});
  PressButton(0, 0);
  PressButton(1, 19);
  EXPECT_EQ(HeldAmong({330, 331, 349, 380, 398, 399}), (std::set<InputCode>{330, 399}));
}

TEST_F(BindingsTest, SwitchedOffJoystickNeverHolds) {
  Detect({Pad()});
  PressButton(0, 0);
  MoveAxis(0, Axis::X, 1.0f);
  MoveHat(0, 0);
  ASSERT_TRUE(InputHeld(330));
  crownlift::Joysticks[1].enabled = false;
  EXPECT_TRUE(HeldAmong({303, 320, 330}).empty());
  crownlift::Bindings[crownlift::Action1] = 330;
  EXPECT_FALSE(ControlHeld(crownlift::Action1, 1));
}

TEST_F(BindingsTest, CodesThatNameNothingNeverHold) {
  Detect({Pad(), Pad()});
  for (int port = 0; port < 2; ++port) {
    for (int b = 0; b < 20; ++b) PressButton(port, b);
    MoveHat(port, 0.125f);
    for (Axis axis : {Axis::X, Axis::Y, Axis::Z, Axis::R, Axis::U, Axis::V}) MoveAxis(port, axis, 1);
  }
  std::vector<InputCode> codes = {255, 256, 299, 400, 449, 450, 499, 500, 550, 600,
                                  INT_MAX, INT_MIN, -300};
  for (int r : {12, 15, 19, 21, 22, 24, 26, 27, 29}) codes.push_back(300 + r);
  EXPECT_TRUE(HeldAmong(codes).empty());
  EXPECT_TRUE(InputHeld(301));  // the same joystick does hold its real codes
}

// ---- FirstHeldInput ---------------------------------------------------------------------

TEST_F(BindingsTest, FirstHeldInputPrefersKeysThenLowerCodes) {
  struct Case {
    const char* what;
    std::vector<int> keys;
    std::vector<std::pair<int, int>> buttons;  // port, button
    InputCode expected;
  };
  const Case cases[] = {
      {"nothing", {}, {}, 0},
      {"F12 blocks", {kKeyF12, kKeyA}, {}, 0},
      {"F11 blocks", {kKeyF11}, {{0, 0}}, 0},
      {"lowest key wins", {kKeyA, kKeyUpArrow}, {}, 38},
      {"low codes count", {1}, {}, 1},
      {"key 255 is a key", {255}, {}, 255},
      {"key before joystick", {kKeyZ}, {{0, 0}}, kKeyZ},
      {"joystick 2 button 3", {}, {{1, 3}}, 383},
      {"joystick 1 first", {}, {{1, 0}, {0, 5}}, 335},
      {"button 18 is captured", {}, {{0, 18}}, 348},
      {"button 19 is not", {}, {{0, 19}}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    headless::Reset();
    Detect({Pad(), Pad()});
    for (int key : c.keys) PressKey(key);
    for (auto [port, button] : c.buttons) PressButton(port, button);
    EXPECT_EQ(FirstHeldInput(), c.expected);
  }
}

TEST_F(BindingsTest, FirstHeldInputTriesAxesThenExactHatThenButtons) {
  headless::FakeJoystick pad = Pad();
  pad.axes[int(Axis::X)] = 0.5f;
  Detect({pad});
  PressButton(0, 2);
  EXPECT_EQ(FirstHeldInput(), 332);
  MoveHat(0, 0.125f);  // diagonals are not captured
  EXPECT_EQ(FirstHeldInput(), 332);
  struct Case {
    float hat;
    InputCode code;
  };
  for (Case c : {Case{0.0f, 320}, Case{0.25f, 325}, Case{0.5f, 328}, Case{0.75f, 323}}) {
    MoveHat(0, c.hat);
    EXPECT_EQ(FirstHeldInput(), c.code) << c.hat;
  }
  MoveAxis(0, Axis::X, 0.85f);  // beyond rest 0.5 + 0.3
  EXPECT_EQ(FirstHeldInput(), 303);
  MoveAxis(0, Axis::R, -0.5f);
  EXPECT_EQ(FirstHeldInput(), 303);  // X before R
  MoveAxis(0, Axis::Y, 0.5f);
  EXPECT_EQ(FirstHeldInput(), 301);  // Y before X
  MoveAxis(0, Axis::Y, -0.5f);
  EXPECT_EQ(FirstHeldInput(), 300);
}

TEST_F(BindingsTest, FirstHeldInputBoundsButtonsByTheMaskAsANumber) {
  struct Case {
    uint32_t mask;
    int button;
    InputCode expected;
  };
  const Case cases[] = {
      {0x0, 0, 0},    // no buttons
      {0x1, 0, 330},  {0x1, 1, 0},
      {0x4, 3, 333},  // a mask of 4 lets buttons 0..3 be tried
      {0x4, 4, 0},    {0xFFFFFFFF, 18, 348}, {0xFFFFFFFF, 19, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "mask " << c.mask << " button " << c.button);
    headless::Reset();
    headless::FakeJoystick pad = Pad();
    pad.buttonMask = c.mask;
    Detect({pad});
    PressButton(0, c.button);
    EXPECT_EQ(FirstHeldInput(), c.expected);
  }
}

TEST_F(BindingsTest, FirstHeldInputSkipsSwitchedOffJoysticks) {
  Detect({Pad(), Pad()});
  PressButton(0, 0);
  PressButton(1, 3);
  crownlift::Joysticks[1].enabled = false;
  EXPECT_EQ(FirstHeldInput(), 383);
  crownlift::Joysticks[2].enabled = false;
  EXPECT_EQ(FirstHeldInput(), 0);
}

}  // namespace
