// overlay_test.cpp - the settings overlay: its slide, display rows and Apply,
// frame skipping, the audio driver row, the volume sliders, the joystick list
// and the binding clusters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/key_names.h"
#include "settings/overlay_rows.h"
#include "tests/services/services_fixture.h"

namespace {
using namespace crownlift;
using namespace services_test;

constexpr int kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40;

class OverlayTest : public ServicesTest {
 protected:
  void SetUp() override {
    ServicesTest::SetUp();
    Display.ModeCount = 3;
    const int sizes[4][2] = {{0, 0}, {800, 600}, {1280, 960}, {1920, 1080}};
    for (int i = 1; i <= 3; ++i) {
      Display.ModeWidths[i] = sizes[i][0];
      Display.ModeHeights[i] = sizes[i][1];
    }
    Settings[ModeIndex] = 1;
  }
  // Opens the panel fully, as ten frames after Tab would.
  void Open() {
    SettingsOpen = 1;
    OverlayOffset = 20;
  }
  void Click(int button = 1) {
    hl::ApplyNow(MouseButton(button, true));
    hl::ApplyNow(MouseButton(button, false));
  }
  // One call of the overlay; returns what it drew.
  std::vector<hl::DrawRecord> Run() {
    hl::ClearDraws();
    DrawSettingsOverlay();
    return hl::Draws();
  }
  std::vector<hl::DrawRecord> Texts(const std::string& text) { return Find(hl::Draws(), Kind::Text, text); }
};

// ---- The slide ----------------------------------------------------------------------

TEST_F(OverlayTest, TakesTenFramesToOpenAndTenToCloseAndReversesMidSlide) {
  EXPECT_TRUE(Run().empty());  // hidden: nothing drawn
  SettingsOpen = 1;
  std::vector<int> offsets;
  for (int i = 0; i < 11; ++i) {
    Run();
    offsets.push_back(OverlayOffset);
  }
  const std::vector<int> opening = {-268, -236, -204, -172, -140, -108, -76, -44, -12, 20, 20};
  EXPECT_EQ(offsets, opening);

  SettingsOpen = 0;
  offsets.clear();
  for (int i = 0; i < 9; ++i) {
    EXPECT_FALSE(Run().empty()) << "frame " << i;  // still drawn while sliding away
    offsets.push_back(OverlayOffset);
  }
  EXPECT_EQ(offsets.front(), -12);
  EXPECT_EQ(offsets.back(), -268);
  EXPECT_TRUE(Run().empty());  // the tenth frame is hidden again
  EXPECT_EQ(OverlayOffset, -300);
  Run();
  EXPECT_EQ(OverlayOffset, -300);

  // Three frames down, then back up from where it was.
  SettingsOpen = 1;
  for (int i = 0; i < 3; ++i) Run();
  EXPECT_EQ(OverlayOffset, -204);
  SettingsOpen = 0;
  Run();
  EXPECT_EQ(OverlayOffset, -236);
}

TEST_F(OverlayTest, TabInFrameEndOpensItAndTheFirstFrameAlreadySlides) {
  Press(9);
  FrameEnd(0);
  EXPECT_EQ(SettingsOpen, 1);
  EXPECT_EQ(OverlayOffset, -268);
  EXPECT_TRUE(platform::PathExists(folder.Path("Files/Setup.ini")));
  for (int i = 0; i < 9; ++i) FrameEnd(0);
  EXPECT_EQ(OverlayOffset, 20);
  // The pointer is drawn while the panel is wanted, even when the screen hides it.
  EXPECT_EQ(Find(hl::DrawsOfLastFrame(), Kind::Image, "icons.png").empty(), false);
}

TEST_F(OverlayTest, PanelAndColumnsSitAtTheirPlacesAndIconsIgnoreTheSpentBudget) {
  Open();
  DrawCounts[1] = DrawCounts[2] = 2000;  // the screen used the whole budget
  const auto draws = Run();
  ASSERT_GE(draws.size(), 3u);
  EXPECT_EQ(draws[0].kind, Kind::Rect);
  EXPECT_EQ(draws[0].h, 320);
  EXPECT_EQ(draws[0].w, 1280);
  EXPECT_EQ(draws[0].blend, platform::Blend::Shade);
  EXPECT_EQ(draws[1].h, 318);
  EXPECT_EQ(draws[2].y, 318);  // the bottom edge
  EXPECT_EQ(draws[2].h, 2);

  ASSERT_EQ(Texts("Graphics").size(), 1u);
  EXPECT_EQ(Texts("Graphics")[0].y, 24);
  ASSERT_EQ(Texts("Apply").size(), 1u);
  EXPECT_EQ(Texts("Apply")[0].x, 20);
  EXPECT_EQ(Texts("Apply")[0].y, 280);
  ASSERT_EQ(Texts("Changes require a Restart").size(), 1u);
  EXPECT_EQ(Texts("Changes require a Restart")[0].x, 1000);  // 280 from the right edge

  // Four clusters of eight widgets: players 1 and 2 at x 250, 3 and 4 at 650.
  int widgets = 0;
  bool sawPlayerThreeUp = false;
  for (const auto& d : draws) {
    if (d.kind != Kind::Image || d.image != IconsSharp || d.scaleX != 3) continue;
    ++widgets;
    if (d.x == 650 + 50 + 24 && d.y == 20 + 10 + 24) sawPlayerThreeUp = true;
  }
  EXPECT_EQ(widgets, 32);
  EXPECT_TRUE(sawPlayerThreeUp);

  GameContext.MouseControlled = true;  // a mouse-played game shows no clusters
  widgets = 0;
  for (const auto& d : Run()) widgets += d.kind == Kind::Image && d.scaleX == 3;
  EXPECT_EQ(widgets, 0);
}

// ---- Display column -----------------------------------------------------------------

TEST_F(OverlayTest, ResolutionStepsWithWrapAndTakesKeysOnlyWhileHot) {
  Open();
  auto size = [] { return std::to_string(Settings[Width]) + "x" + std::to_string(Settings[Height]); };

  // Pointer elsewhere: the arrow keys are left for the screen underneath.
  PointAt(600, 600);
  Press(kKeyRight);
  Run();
  EXPECT_EQ(Settings[ModeIndex], 1);
  EXPECT_EQ(platform::KeyHits(kKeyRight), 1);

  // In the resolution area, below the row itself.
  PointAt(100, 20 + 125);
  struct Step {
    int key;  // 0: a click instead
    int button;
    int index;
    const char* size;
  } steps[] = {
      {kKeyRight, 0, 2, "1280x960"}, {kKeyUp, 0, 3, "1920x1080"}, {0, 1, 1, "800x600"},
      {kKeyLeft, 0, 3, "1920x1080"}, {kKeyDown, 0, 2, "1280x960"}, {0, 2, 1, "800x600"},
      {0, 2, 3, "1920x1080"},
  };
  for (const Step& s : steps) {
    if (s.key) {
      Press(s.key);
      Release(s.key);
    } else {
      Click(s.button);
    }
    Run();
    EXPECT_EQ(Settings[ModeIndex], s.index) << "key " << s.key << " button " << s.button;
    EXPECT_EQ(size(), s.size);
    if (s.key) {
      EXPECT_EQ(platform::KeyHits(s.key), 0) << "consumed";
    }
  }
  // The new size is shown at once.
  ASSERT_EQ(Texts("1920x1080").size(), 1u);
  EXPECT_EQ(Texts("1920x1080")[0].x, 20);
  EXPECT_EQ(Texts("1920x1080")[0].y, 128);

  // A size that is not in the list steps back to the last mode.
  Settings[ModeIndex] = 0;
  Press(kKeyLeft);
  Run();
  EXPECT_EQ(Settings[ModeIndex], 3);
}

TEST_F(OverlayTest, ClickingTheResolutionRowResetsTheWideFlagAndStepsForward) {
  Open();
  Settings[Widescreen] = 1;
  PointAt(25, 20 + 80);  // on the row's icon
  Click();
  Run();
  EXPECT_EQ(Settings[Widescreen], 0);
  EXPECT_EQ(Settings[ModeIndex], 2);
}

TEST_F(OverlayTest, WithoutAModeListStepsLeaveZeroSizes) {
  Open();
  Display.ModeCount = 0;
  Display.ModeWidths.fill(0);
  Display.ModeHeights.fill(0);
  Settings[ModeIndex] = 0;
  PointAt(100, 20 + 125);
  Press(kKeyRight);
  Run();
  EXPECT_EQ(Settings[ModeIndex], 1);
  EXPECT_EQ(Settings[Width], 0);
  Press(kKeyLeft);
  Run();
  EXPECT_EQ(Settings[ModeIndex], 0);
  EXPECT_EQ(Settings[Height], 0);
}

struct SizeClassCase {
  int height;
  const char* text;
  int r, g, b;
};

TEST_F(OverlayTest, SizeClassTextFollowsTheHeight) {
  Open();
  const SizeClassCase cases[] = {
      {600, "Small (Bit blurry)", 255, 180, 80},  {899, "Small (Bit blurry)", 255, 180, 80},
      {900, "Native (Crisp, Clear)", 255, 255, 80}, {960, "Native (Crisp, Clear)", 255, 255, 80},
      {961, "Bigger! (High-Definition!)", 180, 255, 80},
  };
  for (const SizeClassCase& c : cases) {
    Settings[Height] = c.height;
    Run();
    const auto found = Texts(c.text);
    ASSERT_EQ(found.size(), 1u) << c.height;
    EXPECT_EQ(found[0].x, 80);
    EXPECT_EQ(found[0].y, 148);
    EXPECT_EQ(found[0].r, c.r);
    EXPECT_EQ(found[0].g, c.g);
    EXPECT_EQ(found[0].b, c.b);
  }
}

TEST_F(OverlayTest, FrameSkipRowFlipsSlowSystemAndItsTwoLineText) {
  Open();
  PointAt(30, 20 + 146 + 10);
  const struct {
    int slow;
    const char* first;
    const char* second;
    int frame;
  } states[] = {{1, "Frameskip", "Slow System", 19}, {0, "Draw all Frames", "Decent System", 18}};
  for (const auto& s : states) {
    Click();
    Run();
    EXPECT_EQ(Settings[SlowSystem], s.slow);
    FrameParity = 0;  // draw the row's new look
    Run();
    ASSERT_EQ(Texts(s.first).size(), 1u);
    ASSERT_EQ(Texts(s.second).size(), 1u);
    const int half = platform::TextHeight() / 2;
    EXPECT_EQ(Texts(s.first)[0].y, 20 + 146 + 8 - half);
    EXPECT_EQ(Texts(s.second)[0].y, 20 + 146 + 24 - half);
    EXPECT_EQ(Texts(s.first)[0].x, 20 + 38);
    bool sawIcon = false;
    for (const auto& d : hl::Draws()) sawIcon = sawIcon || (d.image == IconsSharp && d.frame == s.frame);
    EXPECT_TRUE(sawIcon) << s.frame;
  }
}

TEST_F(OverlayTest, FullscreenRowCyclesTwoValues) {
  Open();
  PointAt(30, 20 + 30 + 10);
  Click();
  Run();
  EXPECT_EQ(Settings[Fullscreen], 1);
  EXPECT_EQ(Texts("Windowed").size(), 1u);  // the text is drawn before the click counts
  Run();
  EXPECT_EQ(Texts("Fullscreen").size(), 1u);
  Click();
  Run();
  EXPECT_EQ(Settings[Fullscreen], 0);
}

// ---- Audio column -------------------------------------------------------------------

TEST_F(OverlayTest, DriverRowCyclesThroughUpToSixDrivers) {
  Open();
  PointAt(1000 + 5, 20 + 20 + 10);
  AudioDrivers = {"D0", "D1", "D2", "D3", "D4", "D5", "D6", "D7"};
  Settings[AudioDriver] = 0;
  std::vector<int> seen;
  for (int i = 0; i < 6; ++i) {
    Click();
    Run();
    seen.push_back(Settings[AudioDriver]);
  }
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 0}));

  // The row shows "Audio Driver" over the name, with icon 24 + index.
  Settings[AudioDriver] = 4;
  PointAt(600, 600);
  Run();
  EXPECT_EQ(Texts("D4").size(), 1u);
  EXPECT_EQ(Texts("Audio Driver").size(), 1u);
  EXPECT_EQ(Find(hl::Draws(), Kind::Image, "icons.png").empty(), false);
  bool sawIcon = false;
  for (const auto& d : hl::Draws()) sawIcon = sawIcon || (d.image == IconsSharp && d.frame == 28);
  EXPECT_TRUE(sawIcon);

  // A seventh driver chosen in the file shows the first name; a click brings
  // the index back into the six.
  Settings[AudioDriver] = 7;
  Run();
  EXPECT_EQ(Texts("D0").size(), 1u);
  PointAt(1000 + 5, 20 + 20 + 10);
  Click();
  Run();
  EXPECT_EQ(Settings[AudioDriver], 2);
}

TEST_F(OverlayTest, DriverRowWithThreeDriversAndWithNone) {
  Open();
  PointAt(1000 + 5, 20 + 20 + 10);
  AudioDrivers = {"A", "B", "C"};
  Settings[AudioDriver] = 2;
  Click();
  Run();
  EXPECT_EQ(Settings[AudioDriver], 0);

  AudioDrivers.clear();
  Run();
  EXPECT_EQ(Texts("AUDIO").size(), 1u);
  Click();
  Run();
  EXPECT_EQ(Settings[AudioDriver], 0);
}

struct SliderCase {
  int pointerX;
  int shown;    // the text of that frame
  int settled;  // after snapping
};

TEST_F(OverlayTest, VolumeSlidersFollowTheHeldButtonAndSnapAtTheEnds) {
  Open();
  const int left = 1000 - 2;  // the track's hot area starts 2 left of the column
  const SliderCase cases[] = {
      {left + 1, 1, 0},   {left + 5, 5, 0},   {left + 6, 6, 6},     {left + 50, 50, 50},
      {left + 94, 94, 94}, {left + 95, 95, 100}, {left + 99, 99, 100},
  };
  hl::ApplyNow(MouseButton(1, true));
  for (const SliderCase& c : cases) {
    PointAt(c.pointerX, 20 + 70 + 5);
    Run();
    EXPECT_EQ(Settings[MasterVolume], c.settled) << c.pointerX;
    EXPECT_EQ(Texts("Master Volume : " + std::to_string(c.shown)).size(), 1u) << c.pointerX;
  }
  EXPECT_EQ(Settings[SoundVolume], 50);
  EXPECT_EQ(Settings[MusicVolume], 50);

  // The knob follows the snapped value on the next frame.
  Run();
  bool knob = false;
  for (const auto& d : hl::Draws()) {
    if (d.image == IconsSharp && d.frame == 23 && d.y == 20 + 70 + 12) {
      knob = knob || d.x == 1000 + 100 - 9 + 8;
    }
  }
  EXPECT_TRUE(knob);

  // Button up: the value stays.
  hl::ApplyNow(MouseButton(1, false));
  PointAt(left + 30, 20 + 120 + 5);
  Run();
  EXPECT_EQ(Settings[SoundVolume], 50);
  hl::ApplyNow(MouseButton(1, true));
  Run();
  EXPECT_EQ(Settings[SoundVolume], 30);
}

TEST_F(OverlayTest, JoystickSwitchDimsTheNameAndSilencesItsBindings) {
  hl::FakeJoystick first, second;
  first.name = "First Pad";
  second.name = "Second Pad";
  hl::SetJoysticks({first, second});
  DetectJoysticks();
  Bindings[Action1] = 330;  // player 1 fires with pad 1's button 0
  Open();

  Run();
  ASSERT_EQ(Texts("First Pad").size(), 1u);
  ASSERT_EQ(Texts("Second Pad").size(), 1u);
  EXPECT_EQ(Texts("First Pad")[0].y, 20 + 230);
  EXPECT_EQ(Texts("Second Pad")[0].y, 20 + 245);
  EXPECT_FLOAT_EQ(Texts("First Pad")[0].alpha, 1);

  hl::ApplyNow(JoyButton(0, 0, true));
  EXPECT_TRUE(ControlHeld(Action1, 1));
  PointAt(1000 + 5, 20 + 230 + 5);
  Click();
  Run();
  EXPECT_FALSE(Joysticks[1].enabled);
  EXPECT_TRUE(Joysticks[2].enabled);
  EXPECT_FALSE(ControlHeld(Action1, 1));
  // Dimmed from the next frame, and still yellow while its button is down.
  PointAt(600, 600);
  Run();
  EXPECT_FLOAT_EQ(Texts("First Pad")[0].alpha, 0.2f);
  EXPECT_EQ(Texts("First Pad")[0].b, 80);
  EXPECT_EQ(Texts("First Pad")[0].r, 255);
  EXPECT_FLOAT_EQ(Texts("Second Pad")[0].alpha, 1);
  EXPECT_EQ(Texts("Second Pad")[0].r, 80);

  PointAt(1000 + 5, 20 + 230 + 5);
  Click();
  Run();
  EXPECT_TRUE(Joysticks[1].enabled);
  EXPECT_TRUE(ControlHeld(Action1, 1));
}

TEST_F(OverlayTest, WidgetsCaptureOnlyOnceThePanelIsDown) {
  PointAt(250 + 50 + 10, 20 + 10 + 10);  // player 1's Up where the open panel puts it
  Press(87);
  SettingsOpen = 1;
  for (int i = 0; i < 9; ++i) Run();
  EXPECT_EQ(Bindings[Up], 38);  // the panel was still sliding
  Run();
  EXPECT_EQ(OverlayOffset, 20);
  EXPECT_EQ(Bindings[Up], 87);
}

}  // namespace
