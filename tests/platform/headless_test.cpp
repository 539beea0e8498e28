// headless_test.cpp - the headless backend's own behaviour: its clock, its
// input script, its display record and Present.
#include "platform/headless/headless.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

namespace {

namespace hl = platform::headless;
using Kind = hl::InputEvent::Kind;

hl::InputEvent Event(Kind kind, int code = 0) {
  hl::InputEvent event;
  event.kind = kind;
  event.code = code;
  return event;
}

class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override { hl::Reset(); }
  void TearDown() override { hl::Reset(); }
};

TEST_F(HeadlessTest, ClockMovesOnlyWhenSleepingOrAdvanced) {
  EXPECT_EQ(platform::ClockMillis(), 0);
  EXPECT_EQ(platform::ClockMillis(), 0);
  platform::SleepMillis(16);
  EXPECT_EQ(platform::ClockMillis(), 16);
  hl::AdvanceClock(2500);
  EXPECT_EQ(platform::ClockMillis(), 2516);
  platform::SleepMillis(0);
  platform::SleepMillis(-5);  // never backwards
  EXPECT_EQ(platform::ClockMillis(), 2516);
}

TEST_F(HeadlessTest, BusyWaitIsNudgedEveryHundredThousandReads) {
  platform::SleepMillis(10);
  for (int i = 1; i < 100000; ++i) ASSERT_EQ(platform::ClockMillis(), 10) << "read " << i;
  EXPECT_EQ(platform::ClockMillis(), 11);  // the 100,000th read in a row
  // A sleep starts the count again.
  for (int i = 1; i < 50000; ++i) platform::ClockMillis();
  platform::SleepMillis(1);
  for (int i = 1; i < 100000; ++i) ASSERT_EQ(platform::ClockMillis(), 12);
  // So a loop that waits on the clock alone always ends.
  const int64_t start = platform::ClockMillis();
  while (platform::ClockMillis() < start + 5) {
  }
  EXPECT_EQ(platform::ClockMillis(), start + 5);
}

TEST_F(HeadlessTest, CalendarAndProcessEnd) {
  EXPECT_EQ(platform::DateText(), "05 Mar 2010");
  EXPECT_EQ(platform::TimeText(), "14:03:22");
  hl::SetDateTime("31 Dec 1999", "23:59:59");
  EXPECT_EQ(platform::DateText(), "31 Dec 1999");
  EXPECT_EQ(platform::TimeText(), "23:59:59");
  try {
    platform::EndProcess(3);
    FAIL() << "EndProcess returned";
  } catch (const hl::ProcessEnded& ended) {
    EXPECT_EQ(ended.status, 3);
  }
  hl::Reset();
  EXPECT_EQ(platform::DateText(), "05 Mar 2010");
}

TEST_F(HeadlessTest, ProgramFolderIsTheFolderAtInit) {
  const std::string here = platform::CurrentFolder();
  platform::Init();
  ASSERT_TRUE(platform::ChangeFolder("/"));
  EXPECT_EQ(platform::ProgramFolder(), here);
  ASSERT_TRUE(platform::ChangeFolder(here));
}

TEST_F(HeadlessTest, KeyHitsCountPressesAndResetWhenRead) {
  hl::ApplyNow(hl::KeyPress(65));
  hl::ApplyNow(hl::KeyRelease(65));
  hl::ApplyNow(hl::KeyPress(65));
  EXPECT_TRUE(platform::KeyDown(65));
  EXPECT_EQ(platform::KeyHits(65), 2);
  EXPECT_EQ(platform::KeyHits(65), 0);
  EXPECT_TRUE(platform::KeyDown(65));  // reading hits does not release
  hl::ApplyNow(hl::KeyRelease(65));
  EXPECT_FALSE(platform::KeyDown(65));
  EXPECT_FALSE(platform::KeyDown(0));
  EXPECT_FALSE(platform::KeyDown(256));
  EXPECT_EQ(platform::KeyHits(-1), 0);

  for (int button : {1, 2, 3}) {
    hl::ApplyNow(Event(Kind::MouseDown, button));
    EXPECT_TRUE(platform::MouseDown(button));
    EXPECT_EQ(platform::MouseHits(button), 1);
    EXPECT_EQ(platform::MouseHits(button), 0);
    hl::ApplyNow(Event(Kind::MouseUp, button));
    EXPECT_FALSE(platform::MouseDown(button));
  }
  hl::ApplyNow(Event(Kind::MouseDown, 4));
  EXPECT_FALSE(platform::MouseDown(4));
}

TEST_F(HeadlessTest, EventsAtATimeWaitForTheClock) {
  hl::AtTime(100, hl::KeyPress(27));
  hl::AtTime(100, hl::Typed("x"));
  hl::AtTime(40, hl::KeyPress(13));
  platform::SleepMillis(39);
  EXPECT_FALSE(platform::KeyDown(13));
  platform::SleepMillis(1);
  EXPECT_TRUE(platform::KeyDown(13));
  EXPECT_FALSE(platform::KeyDown(27));
  hl::AdvanceClock(60);
  EXPECT_TRUE(platform::KeyDown(27));
  EXPECT_EQ(platform::NextTypedChar(), 'x');
  // A wait loop that only reads the clock still sees its key.
  hl::AtTime(200, hl::KeyRelease(27));
  while (platform::KeyDown(27)) platform::SleepMillis(1);
  EXPECT_EQ(platform::ClockMillis(), 200);
}

TEST_F(HeadlessTest, EventsAtAFrameApplyWhenThatFrameStarts) {
  hl::AtFrame(2, hl::KeyPress(32));
  hl::AtFrame(0, hl::KeyPress(90));
  EXPECT_TRUE(platform::KeyDown(90));  // frame 0 is before the first Present
  EXPECT_FALSE(platform::KeyDown(32));
  platform::Present(platform::Sync::None);
  EXPECT_EQ(hl::PresentCount(), 1);
  EXPECT_FALSE(platform::KeyDown(32));
  platform::Present(platform::Sync::None);
  EXPECT_TRUE(platform::KeyDown(32));
  EXPECT_EQ(platform::KeyHits(32), 1);
}

TEST_F(HeadlessTest, TypedQueueKeepsOrderOneCharacterPerEntry) {
  hl::ApplyNow(hl::Typed("Ab"));
  hl::ApplyNow(hl::Typed(std::string("c\xE9 ", 3)));  // Latin-1 e-acute
  const int expected[] = {'A', 'b', 'c', 0xE9, ' ', 0, 0};
  for (int code : expected) EXPECT_EQ(platform::NextTypedChar(), code);
}

TEST_F(HeadlessTest, FlushForgetsInputButNotTheCloseRequestOrPointer) {
  hl::ApplyNow(hl::KeyPress(13));
  hl::ApplyNow(Event(Kind::MouseDown, 1));
  hl::ApplyNow(hl::Typed("abc"));
  hl::InputEvent to = Event(Kind::PointerTo);
  to.x = 640.5f;
  to.y = 480.25f;
  hl::ApplyNow(to);
  hl::ApplyNow(Event(Kind::CloseRequest));
  platform::FlushInput();
  EXPECT_FALSE(platform::KeyDown(13));
  EXPECT_EQ(platform::KeyHits(13), 0);
  EXPECT_FALSE(platform::MouseDown(1));
  EXPECT_EQ(platform::MouseHits(1), 0);
  EXPECT_EQ(platform::NextTypedChar(), 0);
  EXPECT_FLOAT_EQ(platform::PointerX(), 640.5f);
  EXPECT_FLOAT_EQ(platform::PointerY(), 480.25f);
  EXPECT_TRUE(platform::CloseRequested());
  EXPECT_TRUE(platform::CloseRequested());  // stays set
  platform::MovePointer(10, 20);
  EXPECT_FLOAT_EQ(platform::PointerX(), 10);
  EXPECT_FLOAT_EQ(platform::PointerY(), 20);
}

TEST_F(HeadlessTest, FakeJoysticks) {
  hl::FakeJoystick pad;
  pad.name = "Pad One";
  pad.buttonMask = 0xF;
  hl::SetJoysticks({pad, hl::FakeJoystick{}});
  ASSERT_EQ(platform::JoystickCount(), 2);
  EXPECT_EQ(platform::JoystickName(0), "Pad One");
  EXPECT_EQ(platform::JoystickButtonMask(0), 0xFu);
  EXPECT_EQ(platform::JoystickName(1), "Test Pad");

  hl::InputEvent axis = Event(Kind::JoyAxis);
  axis.port = 1;
  axis.axis = platform::Axis::R;
  axis.value = 0.31f;
  hl::AtFrame(1, axis);
  hl::InputEvent hat = Event(Kind::JoyHat);
  hat.port = 0;
  hat.value = 0.125f;
  hl::AtFrame(1, hat);
  hl::InputEvent button = Event(Kind::JoyButtonDown, 3);
  button.port = 1;
  hl::AtFrame(1, button);
  hl::InputEvent tooFar = Event(Kind::JoyAxis);
  tooFar.axis = platform::Axis::Y;
  tooFar.value = -7;
  hl::AtFrame(1, tooFar);

  EXPECT_FLOAT_EQ(platform::JoystickHat(0), -1);  // centred until frame 1
  platform::Present(platform::Sync::None);
  EXPECT_FLOAT_EQ(platform::JoystickAxis(1, platform::Axis::R), 0.31f);
  EXPECT_FLOAT_EQ(platform::JoystickAxis(1, platform::Axis::X), 0);
  EXPECT_FLOAT_EQ(platform::JoystickAxis(0, platform::Axis::Y), -1);  // kept within -1..1
  EXPECT_FLOAT_EQ(platform::JoystickHat(0), 0.125f);
  EXPECT_TRUE(platform::JoystickButtonDown(1, 3));
  EXPECT_FALSE(platform::JoystickButtonDown(0, 3));
  hl::InputEvent release = Event(Kind::JoyButtonUp, 3);
  release.port = 1;
  hl::ApplyNow(release);
  EXPECT_FALSE(platform::JoystickButtonDown(1, 3));

  // Ports that do not exist read as nothing.
  EXPECT_EQ(platform::JoystickName(2), "");
  EXPECT_EQ(platform::JoystickButtonMask(-1), 0u);
  EXPECT_FLOAT_EQ(platform::JoystickHat(5), -1);
  EXPECT_FLOAT_EQ(platform::JoystickAxis(2, platform::Axis::X), 0);
}

TEST_F(HeadlessTest, DisplayRecordAndModes) {
  EXPECT_TRUE(platform::DisplayModeExists(1280, 960, 32));
  EXPECT_FALSE(platform::DisplayModeExists(1280, 960, 16));
  EXPECT_FALSE(platform::DisplayModeExists(1366, 768, 32));
  EXPECT_EQ(platform::ListDisplayModes().size(), 7u);

  platform::SetWindowTitle("#270 : Reelpack -  Crownlift");
  EXPECT_FALSE(platform::OpenDisplay(1366, 768, 32, 60));  // no such full-screen mode
  EXPECT_FALSE(platform::DisplayIsOpen());
  EXPECT_NE(platform::LastDisplayError(), "");
  ASSERT_TRUE(platform::OpenDisplay(1366, 768, 0, 60));  // any window size opens
  platform::SetLogicalSize(1600, 900);
  platform::HidePointer();
  hl::DisplayState state = hl::Display();
  EXPECT_TRUE(state.open);
  EXPECT_EQ(state.width, 1366);
  EXPECT_EQ(state.depth, 0);
  EXPECT_EQ(state.logicalWidth, 1600);
  EXPECT_EQ(state.logicalHeight, 900);
  EXPECT_EQ(state.title, "#270 : Reelpack -  Crownlift");
  EXPECT_FALSE(state.pointerVisible);

  platform::CloseDisplay();
  hl::SetDisplayOpenFails(true);
  EXPECT_FALSE(platform::OpenDisplay(800, 600, 0, 60));
  hl::SetDisplayModes({{1680, 1050, 24, 75}});
  hl::SetDisplayOpenFails(false);
  EXPECT_TRUE(platform::OpenDisplay(1680, 1050, 24, 75));
  EXPECT_EQ(platform::ListDisplayModes().size(), 1u);
}

TEST_F(HeadlessTest, PresentChargesTheRenderCost) {
  hl::SetRenderCost(2.5, 0);
  platform::Present(platform::Sync::None);
  EXPECT_EQ(platform::ClockMillis(), 2);
  platform::Present(platform::Sync::None);
  EXPECT_EQ(platform::ClockMillis(), 5);  // the half milliseconds add up
  hl::SetRenderCost(0, 250);
  for (int i = 0; i < 10; ++i) platform::DrawRect(0, 0, 4, 4);
  platform::Present(platform::Sync::Default);
  EXPECT_EQ(platform::ClockMillis(), 7);  // 10 quads at 250 us
  EXPECT_EQ(hl::PresentCount(), 3);
}

TEST_F(HeadlessTest, ResetClearsScriptClockAndRecords) {
  hl::AtFrame(1, hl::KeyPress(65));
  hl::AtTime(10, hl::KeyPress(66));
  hl::ApplyNow(hl::KeyPress(67));
  hl::SetJoysticks({hl::FakeJoystick{}});
  platform::SleepMillis(5);
  platform::Present(platform::Sync::None);
  hl::Reset();
  EXPECT_EQ(platform::ClockMillis(), 0);
  EXPECT_EQ(hl::PresentCount(), 0);
  EXPECT_FALSE(platform::KeyDown(67));
  EXPECT_EQ(platform::JoystickCount(), 0);
  platform::Present(platform::Sync::None);
  platform::SleepMillis(20);
  EXPECT_FALSE(platform::KeyDown(65));
  EXPECT_FALSE(platform::KeyDown(66));
}

}  // namespace
