// assets_test.cpp - loading the game's images, and a missing one.
#include <gtest/gtest.h>

#include <cstdio>  // Required for: std::remove

#include "game/assets.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "shell/state.h"
#include "tests/support/program_folder.h"

namespace {
using namespace crownlift;
namespace hl = platform::headless;

class GameAssetsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    hl::SetRecordDraws(false);  // the calibration draws a great deal
    Settings.fill(0);
    Display = DisplayRecord{};
    platform::OpenDisplay(800, 600, 0, 60);
    platform::SetLogicalSize(1280, 960);
    OpenLog(folder.Path("Files/Debug.txt"));
    platform::ChangeFolder(folder.Path("Files/270/"));
  }
  void TearDown() override {
    CloseLog();
    UnloadGameAssets();
  }
  testing_support::ProgramFolder folder;
};

TEST_F(GameAssetsTest, LoadsEveryImageWithTheRoyalsAsAStrip) {
  LoadGameAssets();
  for (platform::Image* image : {TitleLogo, FolkImage, TopImage, BotImage, StickImage,
                                 CraftImage, GripImage, SmashImage, HazardImage}) {
    EXPECT_NE(image, nullptr);
  }
  EXPECT_EQ(platform::ImageFrames(FolkImage), 100);
  EXPECT_EQ(platform::ImageWidth(FolkImage), 32);
  EXPECT_EQ(platform::ImageHeight(FolkImage), 32);
  EXPECT_EQ(platform::ImageWidth(TopImage), 320);  // single images keep their size
  EXPECT_EQ(platform::ImageFrames(TopImage), 1);
  // A display change loads them again; the replaced ones are freed (the
  // sanitizer build would report a leak otherwise).
  LoadGameAssets();
  EXPECT_EQ(platform::ImageFrames(FolkImage), 100);
}

TEST_F(GameAssetsTest, AMissingImageEndsTheProgramNamingTheFile) {
  ASSERT_EQ(std::remove(folder.Path("Files/270/smash.png").c_str()), 0);
  int status = -1;
  try {
    LoadGameAssets();
  } catch (const hl::ProcessEnded& ended) {
    status = ended.status;
  }
  EXPECT_EQ(status, 1);
  CloseLog();
  const std::string log = testing_support::ReadFile(folder.Path("Files/Debug.txt"));
  EXPECT_NE(log.find("smash.png"), std::string::npos) << log;
}

}  // namespace
