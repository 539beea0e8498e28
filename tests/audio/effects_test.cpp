// effects_test.cpp - the numbered sound effects and their ring of channels.
#include <gtest/gtest.h>

#include <algorithm>  // Required for: std::count
#include <cmath>      // Required for: NAN
#include <string>     // Required for: log lines

#include "audio/effects.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "shell/state.h"
#include "tests/support/program_folder.h"

namespace {
using namespace crownlift;
namespace hl = platform::headless;

class EffectsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Only 002 and 098 exist; 002 lasts long enough to be playing still
    // when the ring comes round.
    testing_support::ProgramFolder::WriteTestWave(folder.Path("Files/270/002.wav"), 2000);
    testing_support::ProgramFolder::WriteTestWave(folder.Path("Files/270/098.wav"), 100);
    OpenLog(folder.Path("Files/Debug.txt"));
    platform::ChangeFolder(folder.Path("Files/270/"));
    Settings.fill(0);
    Settings[MasterVolume] = 50;
    Settings[SoundVolume] = 50;
    SoundEffects.fill(nullptr);  // the previous test's sounds went with its platform
    EffectChannels.fill(nullptr);
    EffectCursor = kRingFirst;
    LoadSoundEffects();
  }
  void TearDown() override {
    CloseLog();
    for (platform::Sound*& sound : SoundEffects) {
      platform::UnloadSound(sound);
      sound = nullptr;
    }
    EffectChannels.fill(nullptr);
  }
  testing_support::ProgramFolder folder;
};

TEST_F(EffectsTest, OnlyPresentFilesLoadAndMissingOnesAreSilent) {
  CloseLog();
  const auto log = testing_support::SplitCrLfLines(
      testing_support::ReadFile(folder.Path("Files/Debug.txt")));
  const std::vector<std::string> expected = {"", "Loading Sound effects", "\tSFX(2)", "\tSFX(98)",
                                             "Sounds loaded", ""};
  EXPECT_EQ(log, expected);
  for (int effect : {0, 1, 3, 97, 99, 200, 201, -5}) PlayEffect(effect, 1, 1, 0);
  EXPECT_TRUE(hl::Channels().empty());
  EXPECT_EQ(EffectCursor, kRingFirst);  // nothing played, nothing moved
  PlayEffect(2, 1, 1, 0);
  PlayEffect(98, 1, 1, 0);
  const auto channels = hl::Channels();
  ASSERT_EQ(channels.size(), 2u);
  EXPECT_EQ(channels[0].sound, "002.wav");
  EXPECT_EQ(channels[1].sound, "098.wav");
}

TEST_F(EffectsTest, EffectsGoRoundTheRingInOrderAndTheVolumeOffSkipsNoEntry) {
  PlayEffect(2, 1, 1, 0);
  EXPECT_EQ(EffectCursor, 21);  // entry 20 is reached only after the first wrap
  EXPECT_NE(EffectChannels[21], nullptr);
  Settings[SoundVolume] = 0;
  PlayEffect(2, 1, 1, 0);
  EXPECT_EQ(EffectCursor, 21);
  EXPECT_EQ(hl::Channels().size(), 1u);
  Settings[SoundVolume] = 50;
  for (int n = 2; n <= 235; ++n) PlayEffect(98, 1, 1, 0);
  EXPECT_EQ(EffectCursor, 255);
  PlayEffect(98, 1, 1, 0);
  EXPECT_EQ(EffectCursor, 20);
  PlayEffect(98, 1, 1, 0);
  EXPECT_EQ(EffectCursor, 21);
  for (int entry = 0; entry < kChannelCount; ++entry) {
    EXPECT_EQ(EffectChannels[entry] != nullptr, entry >= 20 && entry <= 255) << entry;
  }
}

TEST_F(EffectsTest, TheTwoHundredAndThirtySeventhEffectCutsOffTheFirst) {
  for (int n = 1; n <= 236; ++n) PlayEffect(2, 1, 1, 0);
  auto channels = hl::Channels();
  ASSERT_EQ(channels.size(), 236u);
  for (const auto& c : channels) EXPECT_TRUE(c.playing) << c.id;
  PlayEffect(98, 1, 1, 0);
  // The oldest entry's channel, still sounding, now plays the new effect
  // (it is reused rather than replaced, so no device voice leaks).
  channels = hl::Channels();
  ASSERT_EQ(channels.size(), 236u);
  EXPECT_EQ(EffectCursor, 21);
  EXPECT_EQ(channels[0].sound, "098.wav");
  EXPECT_EQ(channels[0].cues, 2);
  EXPECT_TRUE(channels[0].playing);
  for (size_t i = 1; i < channels.size(); ++i) {
    EXPECT_EQ(channels[i].sound, "002.wav") << i;
    EXPECT_TRUE(channels[i].playing) << i;
  }
}

TEST_F(EffectsTest, AFinishedChannelIsReusedWithoutAllocating) {
  PlayEffect(98, 1, 1, 0);
  hl::AdvanceClock(1000);  // 098 lasts 100 ms
  for (int n = 2; n <= 237; ++n) PlayEffect(98, 1, 1, 0);
  // Entry 21 came round again: its channel had finished and was cued anew.
  const auto channels = hl::Channels();
  ASSERT_EQ(channels.size(), 236u);
  EXPECT_EQ(channels[0].cues, 2);
}

struct LevelCase {
  const char* name;
  int master, sound;
  float volume, rate, pan;
  float channelVolume, channelRate, channelPan;
};

class EffectLevelsTest : public EffectsTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(EffectLevelsTest, TheChannelFollowsTheSettingsAndTheClamps) {
  const LevelCase& c = GetParam();
  Settings[MasterVolume] = c.master;
  Settings[SoundVolume] = c.sound;
  PlayEffect(98, c.rate, c.volume, c.pan);
  const auto channels = hl::Channels();
  ASSERT_EQ(channels.size(), 1u);
  EXPECT_FLOAT_EQ(channels[0].volume, c.channelVolume);
  EXPECT_FLOAT_EQ(channels[0].rate, c.channelRate);
  EXPECT_FLOAT_EQ(channels[0].pan, c.channelPan);
  EXPECT_FALSE(channels[0].paused);  // resumed after being set up
}

INSTANTIATE_TEST_SUITE_P(
    Levels, EffectLevelsTest,
    ::testing::Values(LevelCase{"Defaults", 50, 50, 1, 1, 0, 0.25f, 1, 0},
                      LevelCase{"FullSettingsHalfVolume", 100, 100, 0.5f, 1, 0, 0.5f, 1, 0},
                      LevelCase{"MasterAboveHundredPassedOn", 200, 100, 1, 1, 0, 2, 1, 0},
                      LevelCase{"ClampedHighAndLow", 100, 100, 3, 8, -3, 1, 4, -1},
                      LevelCase{"ClampedLowAndHigh", 100, 100, -1, 0.1f, 3, 0, 0.25f, 1},
                      LevelCase{"NotANumberTakesTheLowerBound", 100, 100, NAN, NAN, NAN, 0, 0.25f, -1}),
    [](const ::testing::TestParamInfo<LevelCase>& p) { return std::string(p.param.name); });

}  // namespace
