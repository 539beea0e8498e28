// startup_test.cpp - the start-up sequence as the log tells it, on the headless backend.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "audio/effects.h"
#include "engine/draw.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "shell/startup.h"
#include "shell/state.h"
#include "tests/support/program_folder.h"

namespace {
using testing_support::ProgramFolder;

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ProgramFolder::WriteTestWave(folder.Path("Files/270/002.wav"), 100);
    ProgramFolder::WriteTestWave(folder.Path("Files/270/098.wav"), 60);
    platform::headless::SetRecordDraws(false);
  }
  ProgramFolder folder;
};

TEST_F(StartupTest, LogWithoutSetupFileFollowsTheStartUpSequence) {
  crownlift::RunStartup();

  const std::string bytes = testing_support::ReadFile(folder.Path("Files/Debug.txt"));
  // Every line ends in CR LF, and there is no bare LF anywhere.
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      EXPECT_EQ(bytes[i - 1], '\r') << "at byte " << i;
    }
  }

  const std::vector<std::string> expected = {
      "Quillmoor's Pacewright Engine",
      "----------------------------",
      "Week #270",
      "----------------------------",
      "#270 : Reelpack -  Crownlift",
      "----------------------------",
      "",
      "Loading",
      "Setting Audio Driver",
      "Set Audio Driver",
      "",
      "",
      "\tRequested Resolution : 800x600",
      "\tSetup Loaded",
      "",
      "Grabbing Previous Scores",
      "",
      "",
      "-=-=-=-=-=-=-=-=-=-=-=-=-=-",
      "Applying Graphical Settings",
      "\tUsing OpenGL Driver",
      "\tResolution : 800x600,0",
      "",
      "Loading : Common Objects",
      "",
      "Switching to Default Folder",
      "",
      "\tDefault Fonts",
      "\tDefault Icons",
      "\tLogos",
      "\tBadgeGet",
      "",
      "Switching to Game Folder",
      "",
      "Loading Sound effects",
      "\tSFX(2)",
      "\tSFX(98)",
      "Sounds loaded",
      "",
      "Starting Engine Test",
      "Aiming for 60,1",
      "Test Complete",
      "",
      "Engine Test Results",
      "",
      "\tMaximum Sprites Allowed for 60 Frames Per Second",
      "\tMain sprites : 8000",
      "\tGlowy Sprites : 8000",
      "\tParticles : 4000",
      "",
      "",
      "-=-=-=-=-=-=-=-=-=-=-=-=-=-",
      "Finished Loading",
  };
  EXPECT_EQ(testing_support::SplitCrLfLines(bytes), expected);

  EXPECT_FALSE(platform::PathExists(folder.Path("Files/270/crash.dat")));
  EXPECT_EQ(platform::CurrentFolder(), folder.Path("Files/270/"));
}

TEST_F(StartupTest, DefaultsOpenAnEightHundredBySixHundredWindow) {
  crownlift::RunStartup();
  using namespace crownlift;
  const auto display = platform::headless::Display();
  EXPECT_TRUE(display.open);
  EXPECT_EQ(display.width, 800);
  EXPECT_EQ(display.height, 600);
  EXPECT_EQ(display.depth, 0);
  EXPECT_EQ(display.logicalWidth, 1280);
  EXPECT_EQ(display.logicalHeight, 960);
  EXPECT_EQ(display.title, "#270 : Reelpack -  Crownlift");
  EXPECT_FALSE(display.pointerVisible);
  EXPECT_EQ(Settings[MasterVolume], 50);
  EXPECT_EQ(Settings[SoundVolume], 50);
  EXPECT_EQ(Settings[MusicVolume], 50);
  EXPECT_EQ(Settings[Fullscreen], 0);
  EXPECT_TRUE(Display.DisplayOpened);
  // The start-up jingle is absent here, so its channel stays empty; the
  // effects were loaded.
  EXPECT_NE(SoundEffects[2], nullptr);
  EXPECT_NE(SoundEffects[98], nullptr);
  EXPECT_EQ(SoundEffects[3], nullptr);
}

TEST_F(StartupTest, ReadsSetupIniFromTheFilesFolder) {
  {
    std::FILE* f = std::fopen(folder.Path("Files/Setup.ini").c_str(), "wb");
    std::fputs("[Graphics]\r\nWidth=1024\r\nHeight=768\r\n[Audio]\r\nMaster = 80\r\n", f);
    std::fclose(f);
  }
  crownlift::RunStartup();
  const auto lines = testing_support::SplitCrLfLines(testing_support::ReadFile(folder.Path("Files/Debug.txt")));
  EXPECT_NE(std::find(lines.begin(), lines.end(), "\tReading Setup File"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "\tRequested Resolution : 1024x768"), lines.end());
  EXPECT_EQ(platform::headless::Display().width, 1024);
  EXPECT_EQ(crownlift::Settings[crownlift::MasterVolume], 80);
}

}  // namespace
