// apply_test.cpp - Apply in the settings overlay on a fully started engine:
// it closes the panel, writes Setup.ini and sets the display up again in one
// frame, keeps the runs recorded since start-up, and twenty Applies in a row
// leave memory and open files where they were.
#include <gtest/gtest.h>

#include <dirent.h>  // Required for: counting open file descriptors

#include <algorithm>   // Required for: std::find
#include <filesystem>  // Required for: copying a font into the program folder
#include <string>
#include <vector>

#include "audio/effects.h"
#include "game/assets.h"
#include "scores/scores.h"
#include "shell/startup.h"
#include "tests/services/services_fixture.h"

namespace {
using namespace crownlift;
using namespace services_test;

int OpenFileCount() {
  int count = 0;
  if (DIR* dir = opendir("/proc/self/fd")) {
    while (readdir(dir)) ++count;
    closedir(dir);
  }
  return count;
}

class ApplyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A real face for the font table, so reloading fonts is really exercised.
    const char* face = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    if (std::filesystem::exists(face)) {
      std::filesystem::copy_file(face, folder.Path("Files/Common/SVBasicManual.ttf"));
      std::filesystem::copy_file(face, folder.Path("Files/Common/November.ttf"));
    }
    testing_support::ProgramFolder::WriteTestWave(folder.Path("Files/270/002.wav"), 50);
    hl::SetRecordDraws(false);
    hl::SetDisplayModes({{800, 600, 32, 60}, {1024, 768, 32, 60}, {1600, 900, 32, 60}});
    RunStartup();
    hl::SetRecordDraws(true);
  }
  // What start-up and the last Apply loaded goes before the platform does.
  void TearDown() override {
    UnloadCommonAssets();
    UnloadGameAssets();
    for (platform::Channel* channel : EffectChannels) {
      if (channel) platform::StopChannel(channel);
    }
    for (platform::Sound*& sound : SoundEffects) {
      platform::UnloadSound(sound);
      sound = nullptr;
    }
    CloseLog();
  }

  // Presses Apply with the panel down, as the player would.
  void PressApply() {
    SettingsOpen = 1;
    OverlayOffset = 20;
    PointerTo(25, 20 + 262);
    MouseX = 25;
    MouseY = 20 + 262;
    hl::ApplyNow(MouseButton(1, true));
    hl::ApplyNow(MouseButton(1, false));
    DrawSettingsOverlay();
  }

  testing_support::ProgramFolder folder;
};

TEST_F(ApplyTest, ClosesWritesAndReopensTheDisplayInOneFrameKeepingTheRuns) {
  Scores survivor;
  survivor.Name = "Survivor";
  survivor.Score = 4321;
  LocalScores.push_front(survivor);
  const size_t runs = LocalScores.size();
  Settings[Width] = 1600;  // as the resolution row would leave them
  Settings[Height] = 900;

  hl::ClearDraws();
  PressApply();

  EXPECT_EQ(SettingsOpen, 0);
  EXPECT_EQ(MouseHitLeft, 0);
  const auto opened = hl::Display();
  EXPECT_EQ(opened.width, 1600);
  EXPECT_EQ(opened.logicalWidth, 1600);
  EXPECT_EQ(Display.VirtualWidth, 1600);
  EXPECT_EQ(Settings[Widescreen], 1);
  const auto lines =
      testing_support::SplitCrLfLines(testing_support::ReadFile(folder.Path("Files/Setup.ini")));
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Width=1600"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Height=900"), lines.end());
  const std::string log = testing_support::ReadFile(folder.Path("Files/Debug.txt"));
  EXPECT_NE(log.find("\tChanged Graphics Mode ingame."), std::string::npos);
  EXPECT_EQ(platform::CurrentFolder(), folder.Path("Files/270/"));
  ASSERT_EQ(LocalScores.size(), runs);
  EXPECT_EQ(LocalScores.front().Name, "Survivor");

  // The rest of the frame draws with the reloaded font, not the freed one.
  const auto apply = Find(hl::Draws(), Kind::Text, "Apply");
  ASSERT_FALSE(apply.empty());
  EXPECT_EQ(apply.back().font, Fonts[2]);
  if (std::filesystem::exists(folder.Path("Files/Common/November.ttf"))) {
    EXPECT_NE(Fonts[2], nullptr);
  }

  // The calibration that the reload runs ends frames of its own, and the
  // panel has slid away in them.
  EXPECT_EQ(OverlayOffset, -300);
}

TEST_F(ApplyTest, TwentyAppliesLeaveMemoryAndOpenFilesWhereTheyWere) {
  hl::SetRecordDraws(false);
  PressApply();  // the first reload may settle caches for good
  FrameEnd(0);
  const int64_t memoryBefore = platform::MemoryInUse();
  const int filesBefore = OpenFileCount();
  for (int i = 0; i < 20; ++i) {
    PressApply();
    FrameEnd(0);
  }
  const int64_t grown = platform::MemoryInUse() - memoryBefore;
  EXPECT_EQ(OpenFileCount(), filesBefore);
  // One leaked reload keeps at least an icon strip (64 KB) and a font, so
  // twenty would keep megabytes. The slack is the C library's own caches of
  // freed blocks, which its figure counts as in use (some 30 KB here); the
  // sanitizer's figure is exact and stays put.
  EXPECT_LT(grown, 256 * 1024) << "grew by " << grown << " bytes";
}

}  // namespace
