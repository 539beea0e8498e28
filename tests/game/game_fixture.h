// game_fixture.h - a program folder with a loaded game, for the game's tests.
//
// The game images here are our own exact shapes rather than the shared test
// folder's circles, so collision tests can be placed to the pixel:
//   wockit.png, grip.png, folk.png  solid squares (craft 64 x 64, grip 32 x 32,
//                                   royal 64 x 64 on screen at scale 2)
//   smashb.png                      a disc (a hazard spins; a disc looks the
//                                   same at every angle), 32 across on screen
//   top.png                         320 x 64, opaque only in its lower half,
//                                   so a pole stands 24 pixels above row 1
//   stick.png                       solid 8 x 64 (16 x 128 on screen)
// The effects 002, 003, 004, 096 and 097 are present; the display is
// 1280 x 960 logical; player 1 has the default bindings (arrows).
#pragma once

#include <gtest/gtest.h>

#include <functional>  // Required for: the pixel predicate
#include <string>      // Required for: paths
#include <vector>      // Required for: draw records

#include "platform/headless/headless.h"
#include "tests/support/program_folder.h"

namespace game_testing {

// Writes a PNG whose pixel (x, y) is opaque (light grey) where opaque(x, y),
// else black (transparent under the engine's mask).
void WriteShape(const std::string& path, int width, int height,
                const std::function<bool(int, int)>& opaque);

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Key code of player 1's binding for a control slot.
  static int KeyOf(int slot);
  // The draws of the frame that was presented last.
  static std::vector<platform::headless::DrawRecord> LastFrame();
  // Names of the sounds cued on channels, in the order channels were made.
  static std::vector<std::string> CuedSounds();
  // Schedules Return presses for the name entry over the next frames.
  static void ScheduleNameConfirm(int frames = 300);

  testing_support::ProgramFolder folder;
};

}  // namespace game_testing
