// services_fixture.h - a small engine set up for the in-game services.
//
// A throw-away program folder with the game folder current, a display open
// at 800 x 600 with the 1280 x 960 logical area, the icon strips loaded, the
// default bindings and settings, no joysticks, and every value the frame
// services keep put back to its start. Fonts stay unloaded (the built-in font
// measures text), so text positions are exact and fast to compute.
#pragma once

#include <gtest/gtest.h>

#include <string>  // Required for: texts
#include <vector>  // Required for: draw lists

#include "controls/bindings.h"
#include "engine/draw.h"
#include "engine/frame_end.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "settings/overlay.h"
#include "settings/setup_file.h"
#include "shell/assets.h"
#include "shell/state.h"
#include "tests/support/program_folder.h"

namespace services_test {

namespace hl = platform::headless;
using Kind = hl::DrawRecord::Kind;
using Event = hl::InputEvent;

inline void Press(int key) { hl::ApplyNow(hl::KeyPress(key)); }
inline void Release(int key) { hl::ApplyNow(hl::KeyRelease(key)); }
inline void PointerTo(float x, float y) {
  Event e;
  e.kind = Event::Kind::PointerTo;
  e.x = x;
  e.y = y;
  hl::ApplyNow(e);
}
inline Event MouseButton(int button, bool down) {
  Event e;
  e.kind = down ? Event::Kind::MouseDown : Event::Kind::MouseUp;
  e.code = button;
  return e;
}
inline Event JoyButton(int port, int button, bool down) {
  Event e;
  e.kind = down ? Event::Kind::JoyButtonDown : Event::Kind::JoyButtonUp;
  e.port = port;
  e.code = button;
  return e;
}
inline Event JoyAxis(int port, platform::Axis axis, float value) {
  Event e;
  e.kind = Event::Kind::JoyAxis;
  e.port = port;
  e.axis = axis;
  e.value = value;
  return e;
}

// Draws of one kind whose text (or image file name) matches, from a list.
inline std::vector<hl::DrawRecord> Find(const std::vector<hl::DrawRecord>& draws, Kind kind,
                                        const std::string& text) {
  std::vector<hl::DrawRecord> found;
  for (const auto& d : draws) {
    if (d.kind == kind && d.text == text) found.push_back(d);
  }
  return found;
}

class ServicesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    using namespace crownlift;
    platform::ChangeFolder(folder.Path("Files/270/"));
    Settings.fill(0);
    Settings[Width] = 800;
    Settings[Height] = 600;
    Settings[MasterVolume] = Settings[SoundVolume] = Settings[MusicVolume] = 50;
    Display = DisplayRecord{};
    platform::OpenDisplay(800, 600, 0, 60);
    platform::SetLogicalSize(1280, 960);
    Icons = platform::LoadStrip("../Common/icons.png", 16, 16, 0, 64, platform::kImageMasked);
    IconsSharp = platform::LoadStrip("../Common/icons.png", 16, 16, 0, 64, platform::kImageMasked);
    ASSERT_NE(Icons, nullptr);
    ASSERT_NE(IconsSharp, nullptr);
    Fonts.fill(nullptr);
    DrawBudgets.fill(2000);
    DrawCounts.fill(0);
    DetectJoysticks();
    ResetBindings();
    AudioDrivers = platform::AudioDriverNames();
    GameContext = GameContextRecord{};
    MessageLog.clear();
    FrameParity = 0;
    DebugOverlay = 0;
    SettingsOpen = 0;
    OverlayOffset = -300;
    MouseX = MouseY = -1000;
    MouseHitLeft = MouseHitRight = 0;
    LastFrameTime = Millisecs();
    hl::ClearDraws();
  }
  void TearDown() override {
    using namespace crownlift;
    platform::UnloadImage(Icons);
    platform::UnloadImage(IconsSharp);
    Icons = IconsSharp = nullptr;
    CloseLog();
  }

  // Puts the pointer at (x, y) for the next FrameEnd to sample, and into the
  // sampled values at once, for code that is called directly.
  void PointAt(int x, int y) {
    PointerTo(static_cast<float>(x), static_cast<float>(y));
    crownlift::MouseX = x;
    crownlift::MouseY = y;
  }

  testing_support::ProgramFolder folder;
};

}  // namespace services_test
