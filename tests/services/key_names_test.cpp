// key_names_test.cpp - the names of inputs and the widget that redefines a binding.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/key_names.h"
#include "tests/services/services_fixture.h"

namespace {
using namespace crownlift;
using namespace services_test;

struct NameCase {
  int code;
  const char* name;
};

// Every row of the key-name table that is not a run of digits, letters or
// F-keys, and the joystick rule by input.
const NameCase kNamedCodes[] = {
    {1, "Left Mousebutton"}, {2, "Right Mousebutton"}, {3, "Middle Mousebutton"},
    {8, "Backspace"}, {9, "Tab"}, {12, "Clear"}, {13, "Return"}, {19, "Pause"},
    {20, "CapsLock"}, {27, "Escape"}, {32, "Space"}, {33, "Page Up"}, {34, "Page Down"},
    {35, "End"}, {36, "Home"}, {37, "Left"}, {38, "Up"}, {39, "Right"}, {40, "Down"},
    {41, "Select"}, {42, "Print"}, {43, "Execute"}, {44, "Screen"}, {45, "Insert"},
    {46, "Delete"}, {91, "Sys Left"}, {92, "Sys Right"}, {106, "*"}, {107, "+"}, {109, "-"},
    {110, "."}, {111, "/"}, {144, "NumLock"}, {145, "ScrollLock"}, {160, "LShift"},
    {161, "RShift"}, {162, "LControl"}, {163, "RControl"}, {164, "LAlt"}, {165, "RAlt"},
    {173, "Mute"}, {174, "Volume Down"}, {175, "Volume Up"}, {186, ";"}, {187, "="},
    {188, ","}, {189, "-"}, {190, "."}, {191, "/"}, {192, "'"}, {219, "["}, {220, "\\"},
    {221, "]"}, {222, "#"}, {223, "`"}, {226, "\\"},
    // Joysticks: the input alone names the code, whichever joystick it is.
    {300, "Y-"}, {301, "Y+"}, {302, "X-"}, {303, "X+"}, {304, "Z-"}, {305, "Z+"},
    {306, "U-"}, {307, "U+"}, {308, "V-"}, {309, "V+"}, {310, "R-"}, {311, "R+"},
    {320, "Up"}, {323, "Left"}, {325, "Right"}, {328, "Down"}, {370, "Up"}, {473, "Left"},
    {330, "0"}, {331, "1"}, {345, "15"}, {349, "19"}, {380, "0"}, {499, "19"},
    // Inputs that name nothing still get a number: r - 30.
    {315, "-15"}, {312, "-18"}, {321, "-9"},
    // Codes without a row.
    {0, "?"}, {-1, "?"}, {4, "?"}, {10, "?"}, {47, "?"}, {58, "?"}, {64, "?"}, {93, "?"},
    {95, "?"}, {108, "?"}, {124, "?"}, {146, "?"}, {225, "?"}, {254, "?"}, {299, "?"},
};

TEST(KeyNameTest, NamesEveryRowOfTheTable) {
  for (const NameCase& c : kNamedCodes) EXPECT_EQ(KeyName(c.code), c.name) << "code " << c.code;
}

TEST(KeyNameTest, DigitsLettersKeypadAndFunctionKeysFollowTheirRows) {
  for (int d = 0; d <= 9; ++d) {
    EXPECT_EQ(KeyName(48 + d), std::to_string(d));
    EXPECT_EQ(KeyName(96 + d), std::to_string(d)) << "keypad " << d;
  }
  for (int l = 0; l < 26; ++l) EXPECT_EQ(KeyName(65 + l), std::string(1, char('A' + l)));
  for (int f = 1; f <= 12; ++f) {
    std::string expected = "F";
    expected += std::to_string(f);
    EXPECT_EQ(KeyName(111 + f), expected);
  }
}

// ---- BindingWidget ---------------------------------------------------------

constexpr int kWX = 300, kWY = 100;  // the widget under test, top-left corner
constexpr int kUpEntry = 0;          // player 1's Up, bound to the Up arrow
constexpr int kKeyW = 87, kKeyBackspace = 8;

class BindingWidgetTest : public ServicesTest {
 protected:
  void SetUp() override {
    ServicesTest::SetUp();
    OverlayOffset = 20;  // fully down
  }

  struct Look {
    bool drawn = false;
    int frame = -1;
    float glowAlpha = -1;
    std::string label;
    float labelCentreX = 0, labelCentreY = 0;
  };

  // Runs the widget once and reads back what it drew.
  Look Run(int index = kUpEntry) {
    hl::ClearDraws();
    BindingWidget(index, kWX, kWY);
    Look look;
    for (const auto& d : hl::Draws()) {
      if (d.kind == Kind::Image && d.image == IconsSharp) {
        look.drawn = true;
        look.frame = d.frame;
        EXPECT_FLOAT_EQ(d.scaleX, 3);
        EXPECT_EQ(d.x, kWX + 24);  // 48 x 48 with its top-left corner on the point
        EXPECT_EQ(d.y, kWY + 24);
      }
      if (d.kind == Kind::Image && d.image == Icons) look.glowAlpha = d.alpha;
      if (d.kind == Kind::Text) {
        look.label = d.text;
        look.labelCentreX = d.x + platform::TextWidth(d.text) / 2;
        look.labelCentreY = d.y + platform::TextHeight() / 2;
      }
    }
    return look;
  }
  void Hover() { PointAt(kWX + 10, kWY + 10); }
  void Away() { PointAt(kWX + 100, kWY + 100); }
};

struct ShownCase {
  const char* name;
  int code;
  int frame;  // -1: nothing drawn
  const char* label;
  bool onCorner;
};

class BindingWidgetShows : public BindingWidgetTest,
                           public ::testing::WithParamInterface<ShownCase> {};

TEST_P(BindingWidgetShows, IconAndLabelFollowTheKindOfBinding) {
  const ShownCase& c = GetParam();
  Bindings[kUpEntry] = c.code;
  Away();
  const Look look = Run();
  if (c.frame < 0) {
    EXPECT_FALSE(look.drawn);
    EXPECT_EQ(look.label, "");
    return;
  }
  EXPECT_EQ(look.frame, c.frame);
  EXPECT_EQ(look.label, c.label);
  EXPECT_FLOAT_EQ(look.glowAlpha, 0);  // not lit
  const int cx = c.onCorner ? kWX : kWX + 24, cy = c.onCorner ? kWY : kWY + 24;
  EXPECT_NEAR(look.labelCentreX, cx, 1);
  EXPECT_NEAR(look.labelCentreY, cy, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, BindingWidgetShows,
    ::testing::Values(ShownCase{"unbound", 0, 3, "?!", false},
                      ShownCase{"tab", 9, 3, "Tab", false},
                      ShownCase{"key", 90, 3, "Z", false},
                      ShownCase{"key_without_name", 254, 3, "?", false},
                      ShownCase{"axis", 302, 9, "X-", true},
                      ShownCase{"last_axis", 311, 9, "R+", true},
                      ShownCase{"hat", 328, 8, "Down", true},
                      ShownCase{"button", 380, 10, "0", false},
                      ShownCase{"mouse_code", 1, -1, "", false},
                      ShownCase{"clearing_key", 8, -1, "", false},
                      ShownCase{"gap_below_joysticks", 255, -1, "", false},
                      ShownCase{"gap_top", 299, -1, "", false},
                      ShownCase{"joystick_gap", 315, -1, "", false},
                      ShownCase{"negative", -5, -1, "", false}),
    [](const ::testing::TestParamInfo<ShownCase>& p) { return std::string(p.param.name); });

TEST_F(BindingWidgetTest, HoveringWhileAKeyIsHeldRebindsAndStaysLitWhileHeld) {
  Hover();
  Press(kKeyW);
  Look look = Run();
  EXPECT_EQ(Bindings[kUpEntry], kKeyW);
  EXPECT_EQ(look.label, "W");
  EXPECT_FLOAT_EQ(look.glowAlpha, 1);

  // The pointer leaves: no more capture, but the widget lights while W is held.
  Away();
  Press(65);  // A, held as well, must not be captured away from the widget
  look = Run();
  EXPECT_EQ(Bindings[kUpEntry], kKeyW);
  EXPECT_FLOAT_EQ(look.glowAlpha, 1);
  Release(kKeyW);
  look = Run();
  EXPECT_FLOAT_EQ(look.glowAlpha, 0);
  EXPECT_EQ(look.label, "W");
}

TEST_F(BindingWidgetTest, HoveringAloneLightsWithoutChangingTheBinding) {
  Hover();
  const Look look = Run();
  EXPECT_EQ(Bindings[kUpEntry], 38);
  EXPECT_FLOAT_EQ(look.glowAlpha, 1);
}

TEST_F(BindingWidgetTest, BackspaceClearsAndTheWidgetShowsUnboundFromTheNextFrame) {
  Hover();
  Press(kKeyBackspace);
  Look look = Run();
  EXPECT_EQ(Bindings[kUpEntry], 0);
  EXPECT_EQ(look.label, KeyName(0));  // this frame still draws the key's look
  EXPECT_EQ(look.frame, 3);
  look = Run();
  EXPECT_EQ(look.label, "?!");
}

TEST_F(BindingWidgetTest, CodesOneToSevenChangeNothing) {
  Hover();
  Press(5);
  Run();
  EXPECT_EQ(Bindings[kUpEntry], 38);
}

TEST_F(BindingWidgetTest, NothingIsCapturedWhileTheOverlaySlides) {
  for (int offset : {-268, -12, -1}) {
    OverlayOffset = offset;
    Hover();
    Press(kKeyW);
    const Look look = Run();
    EXPECT_EQ(Bindings[kUpEntry], 38) << "offset " << offset;
    EXPECT_FLOAT_EQ(look.glowAlpha, 0) << "offset " << offset;
    Release(kKeyW);
  }
  OverlayOffset = 0;  // fully down counts from 0
  Press(kKeyW);
  Run();
  EXPECT_EQ(Bindings[kUpEntry], kKeyW);
}

TEST_F(BindingWidgetTest, FunctionKeysElevenAndTwelveBlockCapture) {
  for (int blocker : {122, 123}) {
    Hover();
    Press(blocker);
    Press(kKeyW);
    Run();
    EXPECT_EQ(Bindings[kUpEntry], 38) << "key " << blocker;
    Release(blocker);
    Release(kKeyW);
  }
}

TEST_F(BindingWidgetTest, AJoystickCaptureShowsInTheLabelOneFrameBeforeTheIcon) {
  hl::SetJoysticks({hl::FakeJoystick{}, hl::FakeJoystick{}});
  DetectJoysticks();
  Hover();
  hl::ApplyNow(JoyAxis(0, platform::Axis::X, -1));
  Look look = Run();
  EXPECT_EQ(Bindings[kUpEntry], 302);
  EXPECT_EQ(look.frame, 3);  // still the key's icon
  EXPECT_EQ(look.label, "X-");
  EXPECT_NEAR(look.labelCentreX, kWX + 24, 1);

  Away();
  look = Run();
  EXPECT_EQ(look.frame, 9);
  EXPECT_EQ(look.label, "X-");
  EXPECT_NEAR(look.labelCentreX, kWX, 1);  // on the corner now
  EXPECT_NEAR(look.labelCentreY, kWY, 1);
  EXPECT_FLOAT_EQ(look.glowAlpha, 1);  // the stick is still pushed

  // Joystick 2's button 0 over player 2's Action1.
  hl::ApplyNow(JoyAxis(0, platform::Axis::X, 0));
  const int entry = 20 + Action1;
  Hover();
  hl::ApplyNow(JoyButton(1, 0, true));
  Run(entry);
  EXPECT_EQ(Bindings[entry], 380);
  look = Run(entry);
  EXPECT_EQ(look.frame, 10);
  EXPECT_EQ(look.label, "0");
}

}  // namespace
