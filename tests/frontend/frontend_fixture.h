// frontend_fixture.h - a started program on the headless backend, for the
// tests of the title screen, the score table and the way out.
//
// Start-up runs in full in a throw-away program folder (with the menu click
// 098.wav present), so every screen finds its fonts, icons, logos and sound;
// the settings overlay is parked well above the screen, as once it has slid
// away. Helpers find recorded draws and the effects cued since a moment.
#pragma once

#include <gtest/gtest.h>

#include <map>     // Required for: cue counts per channel
#include <string>  // Required for: texts
#include <vector>  // Required for: draw records

#include "engine/frame_end.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "scores/score_table.h"
#include "scores/scores.h"
#include "settings/overlay.h"
#include "shell/startup.h"
#include "tests/support/program_folder.h"

namespace frontend_testing {

using platform::headless::DrawRecord;

class StartedProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::ProgramFolder::WriteTestWave(folder.Path("Files/270/098.wav"), 60);
    platform::headless::SetRecordDraws(false);
    crownlift::RunStartup();
    platform::headless::SetRecordDraws(true);
    platform::headless::ClearDraws();
    crownlift::OverlayOffset = -1000;
    crownlift::SettingsOpen = 0;
    crownlift::DebugOverlay = 0;
    crownlift::Selection = 0;
    crownlift::GraphScroll = 0;
  }

  testing_support::ProgramFolder folder;
};

// Draws of one kind whose text (a string, or an image's file name) is text.
inline std::vector<DrawRecord> Find(const std::vector<DrawRecord>& draws, DrawRecord::Kind kind,
                                    const std::string& text) {
  std::vector<DrawRecord> found;
  for (const DrawRecord& d : draws) {
    if (d.kind == kind && d.text == text) found.push_back(d);
  }
  return found;
}

inline std::vector<DrawRecord> Texts(const std::vector<DrawRecord>& draws, const std::string& text) {
  return Find(draws, DrawRecord::Kind::Text, text);
}

// The point a text was aligned to: DrawTextAligned moves the text's corner
// by whole halves of its size.
inline int CentreX(const DrawRecord& d) { return static_cast<int>(d.x) + static_cast<int>(d.w) / 2; }
inline int MiddleY(const DrawRecord& d) { return static_cast<int>(d.y) + static_cast<int>(d.h) / 2; }

// Cues per channel id, to see which effects were played since.
inline std::map<int, int> CueCounts() {
  std::map<int, int> counts;
  for (const auto& channel : platform::headless::Channels()) counts[channel.id] = channel.cues;
  return counts;
}

// Rates of the effects cued since the snapshot `before`.
inline std::vector<float> RatesPlayedSince(const std::map<int, int>& before) {
  std::vector<float> rates;
  for (const auto& channel : platform::headless::Channels()) {
    const auto it = before.find(channel.id);
    const int earlier = it == before.end() ? 0 : it->second;
    if (channel.cues > earlier && channel.sound.find("098") != std::string::npos) {
      rates.push_back(channel.rate);
    }
  }
  return rates;
}

inline void Press(int code) { platform::headless::ApplyNow(platform::headless::KeyPress(code)); }
inline void Release(int code) { platform::headless::ApplyNow(platform::headless::KeyRelease(code)); }

inline void PointerTo(float x, float y) {
  platform::headless::InputEvent event;
  event.kind = platform::headless::InputEvent::Kind::PointerTo;
  event.x = x;
  event.y = y;
  platform::headless::ApplyNow(event);
}

inline void Button(int button, bool down) {
  platform::headless::InputEvent event;
  event.kind = down ? platform::headless::InputEvent::Kind::MouseDown
                    : platform::headless::InputEvent::Kind::MouseUp;
  event.code = button;
  platform::headless::ApplyNow(event);
}

}  // namespace frontend_testing
