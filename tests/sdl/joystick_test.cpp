// joystick_test.cpp - joysticks through the SDL backend, using SDL's virtual
// joystick so the values read are exactly the values set.

#include "platform/platform.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

namespace {

class SdlJoystick : public ::testing::Test {
 protected:
  void SetUp() override { platform::Init(); }
  void TearDown() override {
    if (pad_) SDL_JoystickClose(pad_);
    if (device_ >= 0) SDL_JoystickDetachVirtual(device_);
    platform::Shutdown();
  }

  // Plugs in a pad with the given parts and returns SDL's handle to drive it.
  void Plug(const char* name, int axes, int buttons, int hats) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_UNKNOWN;
    desc.naxes = Uint16(axes);
    desc.nbuttons = Uint16(buttons);
    desc.nhats = Uint16(hats);
    desc.name = name;
    device_ = SDL_JoystickAttachVirtualEx(&desc);
    ASSERT_GE(device_, 0) << SDL_GetError();
    pad_ = SDL_JoystickOpen(device_);
    ASSERT_NE(pad_, nullptr) << SDL_GetError();
    platform::PollEvents();
  }

  int device_ = -1;
  SDL_Joystick* pad_ = nullptr;
};

TEST_F(SdlJoystick, NoPadMeansNothingHeld) {
  EXPECT_EQ(platform::JoystickCount(), 0);
  EXPECT_EQ(platform::JoystickName(0), "");
  EXPECT_EQ(platform::JoystickButtonMask(0), 0u);
  EXPECT_FALSE(platform::JoystickButtonDown(0, 0));
  EXPECT_EQ(platform::JoystickAxis(0, platform::Axis::X), 0.0f);
  EXPECT_EQ(platform::JoystickHat(0), -1.0f);
}

TEST_F(SdlJoystick, CountNameAndButtonMask) {
  Plug("Crownlift Test Pad", 6, 10, 1);
  EXPECT_EQ(platform::JoystickCount(), 1);
  EXPECT_EQ(platform::JoystickName(0), "Crownlift Test Pad");
  EXPECT_EQ(platform::JoystickButtonMask(0), 0x3FFu);
}

TEST_F(SdlJoystick, AxesMapInOrderAndScaleToMinusOneToOne) {
  Plug("Axes", 6, 0, 0);
  struct AxisCase {
    platform::Axis axis;
    Sint16 raw;
    float value;
  } cases[] = {
      {platform::Axis::X, 32767, 1.0f},      {platform::Axis::Y, -32768, -1.0f},
      {platform::Axis::Z, 16384, 0.5f},      {platform::Axis::R, -9830, -0.3f},
      {platform::Axis::U, 10158, 0.31f},     {platform::Axis::V, 0, 0.0f},
  };
  for (int i = 0; i < 6; ++i) SDL_JoystickSetVirtualAxis(pad_, i, cases[i].raw);
  platform::PollEvents();
  for (const AxisCase& c : cases) {
    EXPECT_NEAR(platform::JoystickAxis(0, c.axis), c.value, 0.001f) << "raw " << c.raw;
  }
}

TEST_F(SdlJoystick, AxesTheDeviceLacksReadZero) {
  Plug("Two axes", 2, 0, 0);
  SDL_JoystickSetVirtualAxis(pad_, 1, -32768);
  platform::PollEvents();
  EXPECT_EQ(platform::JoystickAxis(0, platform::Axis::Y), -1.0f);
  EXPECT_EQ(platform::JoystickAxis(0, platform::Axis::Z), 0.0f);
  EXPECT_EQ(platform::JoystickAxis(0, platform::Axis::V), 0.0f);
}

TEST_F(SdlJoystick, HatIsAFractionOfATurnClockwiseFromUp) {
  Plug("Hat", 0, 0, 1);
  struct HatCase {
    Uint8 sdl;
    float turn;
  } cases[] = {
      {SDL_HAT_CENTERED, -1.0f}, {SDL_HAT_UP, 0.0f},       {SDL_HAT_RIGHTUP, 0.125f},
      {SDL_HAT_RIGHT, 0.25f},    {SDL_HAT_RIGHTDOWN, 0.375f}, {SDL_HAT_DOWN, 0.5f},
      {SDL_HAT_LEFTDOWN, 0.625f}, {SDL_HAT_LEFT, 0.75f},    {SDL_HAT_LEFTUP, 0.875f},
  };
  for (const HatCase& c : cases) {
    SDL_JoystickSetVirtualHat(pad_, 0, c.sdl);
    platform::PollEvents();
    EXPECT_EQ(platform::JoystickHat(0), c.turn) << "SDL hat value " << int(c.sdl);
  }
}

TEST_F(SdlJoystick, PadWithoutHatReadsCentred) {
  Plug("No hat", 2, 2, 0);
  EXPECT_EQ(platform::JoystickHat(0), -1.0f);
}

TEST_F(SdlJoystick, ButtonsAreHeldOneByOne) {
  Plug("Buttons", 0, 4, 0);
  SDL_JoystickSetVirtualButton(pad_, 3, SDL_PRESSED);
  platform::PollEvents();
  EXPECT_TRUE(platform::JoystickButtonDown(0, 3));
  EXPECT_FALSE(platform::JoystickButtonDown(0, 0));
  EXPECT_FALSE(platform::JoystickButtonDown(0, 4)) << "beyond the device's buttons";
  SDL_JoystickSetVirtualButton(pad_, 3, SDL_RELEASED);
  platform::PollEvents();
  EXPECT_FALSE(platform::JoystickButtonDown(0, 3));
}

TEST_F(SdlJoystick, UnpluggedPadLeavesItsPort) {
  Plug("Leaving", 2, 2, 0);
  ASSERT_EQ(platform::JoystickCount(), 1);
  SDL_JoystickClose(pad_);
  pad_ = nullptr;
  ASSERT_EQ(SDL_JoystickDetachVirtual(device_), 0) << SDL_GetError();
  device_ = -1;
  platform::PollEvents();
  EXPECT_EQ(platform::JoystickCount(), 0);
}

}  // namespace
