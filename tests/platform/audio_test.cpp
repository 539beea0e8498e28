// audio_test.cpp - channels on the silent driver, driver choice by name, and
// handles that stay safe when the driver changes, on the headless backend.
#include "platform/headless/headless.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstdlib>     // Required for: mkdtemp
#include <filesystem>  // Required for: removing the fixture folder

namespace {

namespace hl = platform::headless;

// Writes a mono 16-bit WAV of `frames` silent frames at `rate`.
std::string WriteWav(const std::string& path, int rate, int frames) {
  auto u32 = [](uint32_t v) {
    return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
  };
  std::string fmt = std::string("\x01\x00\x01\x00", 4) + u32(uint32_t(rate)) +
                    u32(uint32_t(rate * 2)) + std::string("\x02\x00\x10\x00", 4);
  std::string data(size_t(frames) * 2, '\0');
  std::string body = "WAVEfmt " + u32(16) + fmt + "data" + u32(uint32_t(data.size())) + data;
  EXPECT_TRUE(platform::WriteFileAtomically(path, "RIFF" + u32(uint32_t(body.size())) + body));
  return path;
}

class AudioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    hl::Reset();
    char pattern[] = "/tmp/crownlift-audio-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = std::string(pattern) + "/";
    // One second at 22050 Hz.
    second_ = platform::LoadSound(WriteWav(dir_ + "002.wav", 22050, 22050), false);
    ASSERT_NE(second_, nullptr);
  }
  void TearDown() override {
    platform::UnloadSound(second_);
    hl::Reset();
    std::filesystem::remove_all(dir_);
  }
  std::string dir_;
  platform::Sound* second_ = nullptr;
};

TEST_F(AudioTest, ChannelPlaysForLengthOverRate) {
  struct Case {
    float rate;
    int64_t lastPlayingMs;  // still playing this long after resuming
  };
  for (const Case c : {Case{1, 999}, Case{2, 499}, Case{0.5f, 1999}, Case{4, 249}}) {
    SCOPED_TRACE(c.rate);
    platform::Channel* channel = platform::AllocChannel();
    ASSERT_NE(channel, nullptr);
    EXPECT_FALSE(platform::ChannelPlaying(channel));  // nothing cued yet
    platform::CueSound(second_, channel);
    platform::SetChannelRate(channel, c.rate);
    hl::AdvanceClock(5000);
    EXPECT_TRUE(platform::ChannelPlaying(channel));  // paused counts as playing
    platform::ResumeChannel(channel);
    hl::AdvanceClock(c.lastPlayingMs);
    EXPECT_TRUE(platform::ChannelPlaying(channel));
    hl::AdvanceClock(1);
    EXPECT_FALSE(platform::ChannelPlaying(channel));
  }
}

TEST_F(AudioTest, RateChangeMidwayCountsTimeAlreadyPlayed) {
  platform::Channel* channel = platform::AllocChannel();
  platform::CueSound(second_, channel);
  platform::ResumeChannel(channel);
  hl::AdvanceClock(500);  // half the sound at rate 1
  platform::SetChannelRate(channel, 2);
  hl::AdvanceClock(249);  // the other half takes 250 ms at rate 2
  EXPECT_TRUE(platform::ChannelPlaying(channel));
  hl::AdvanceClock(1);
  EXPECT_FALSE(platform::ChannelPlaying(channel));
}

TEST_F(AudioTest, StopRecueAndLoop) {
  platform::Channel* channel = platform::AllocChannel();
  platform::CueSound(second_, channel);
  platform::ResumeChannel(channel);
  platform::StopChannel(channel);
  EXPECT_FALSE(platform::ChannelPlaying(channel));

  // A finished channel is reused: cueing again starts the sound over, paused.
  platform::CueSound(second_, channel);
  platform::ResumeChannel(channel);
  hl::AdvanceClock(2000);
  EXPECT_FALSE(platform::ChannelPlaying(channel));
  platform::CueSound(second_, channel);
  hl::AdvanceClock(2000);
  EXPECT_TRUE(platform::ChannelPlaying(channel));
  platform::ResumeChannel(channel);
  hl::AdvanceClock(999);
  EXPECT_TRUE(platform::ChannelPlaying(channel));

  platform::Sound* loop = platform::LoadSound(dir_ + "002.wav", true);
  ASSERT_NE(loop, nullptr);
  platform::CueSound(loop, channel);
  platform::ResumeChannel(channel);
  hl::AdvanceClock(60000);
  EXPECT_TRUE(platform::ChannelPlaying(channel));
  platform::StopChannel(channel);
  EXPECT_FALSE(platform::ChannelPlaying(channel));
  // Unloading a sound silences the channels that play it.
  platform::CueSound(loop, channel);
  platform::ResumeChannel(channel);
  platform::UnloadSound(loop);
  EXPECT_FALSE(platform::ChannelPlaying(channel));
}

TEST_F(AudioTest, ChannelRecordsShowWhatWasAsked) {
  platform::Channel* a = platform::AllocChannel();
  platform::Channel* b = platform::AllocChannel();
  platform::CueSound(second_, a);
  platform::SetChannelVolume(a, 0.25f);
  platform::SetChannelPan(a, -1);
  platform::SetChannelRate(a, 1.5f);
  platform::ResumeChannel(a);
  platform::CueSound(second_, b);
  platform::CueSound(second_, b);

  std::vector<hl::ChannelRecord> records = hl::Channels();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].id, 1);
  EXPECT_EQ(records[0].sound, "002.wav");
  EXPECT_FLOAT_EQ(records[0].volume, 0.25f);
  EXPECT_FLOAT_EQ(records[0].pan, -1);
  EXPECT_FLOAT_EQ(records[0].rate, 1.5f);
  EXPECT_FALSE(records[0].paused);
  EXPECT_TRUE(records[0].playing);
  EXPECT_EQ(records[0].cues, 1);
  EXPECT_EQ(records[1].id, 2);
  EXPECT_TRUE(records[1].paused);
  EXPECT_EQ(records[1].cues, 2);
  EXPECT_FLOAT_EQ(records[1].volume, 1);

  hl::AdvanceClock(1000);
  records = hl::Channels();
  EXPECT_FALSE(records[0].playing);  // 1 s at rate 1.5 is over
  EXPECT_TRUE(records[1].playing);   // still cued, paused
}

TEST_F(AudioTest, DriverNamesMatchWithoutCaseAndOpenALNeedsEnabling) {
  EXPECT_EQ(platform::AudioDriverNames(), (std::vector<std::string>{"OpenAL Default", "Silent"}));
  EXPECT_TRUE(platform::AudioDriverExists("openal default"));
  EXPECT_TRUE(platform::AudioDriverExists("SILENT"));
  EXPECT_FALSE(platform::AudioDriverExists("OpenAL"));  // whole names only
  EXPECT_FALSE(platform::AudioDriverExists(""));

  EXPECT_TRUE(platform::SetAudioDriver("silent"));
  EXPECT_EQ(platform::CurrentAudioDriver(), "Silent");  // the offered spelling
  EXPECT_FALSE(platform::SetAudioDriver("OPENAL DEFAULT"));  // not enabled yet
  EXPECT_EQ(platform::CurrentAudioDriver(), "Silent");
  EXPECT_TRUE(platform::EnableOpenAL());
  EXPECT_TRUE(platform::SetAudioDriver("OPENAL DEFAULT"));
  EXPECT_EQ(platform::CurrentAudioDriver(), "OpenAL Default");
  EXPECT_FALSE(platform::SetAudioDriver("Direct Sound"));
  EXPECT_EQ(platform::CurrentAudioDriver(), "OpenAL Default");
}

TEST_F(AudioTest, DefaultIsFirstUsableDriverElseSilent) {
  hl::Reset();
  hl::SetAudioDrivers({"OpenAL Soft", "OSS /dev/dsp"}, false);
  EXPECT_EQ(platform::CurrentAudioDriver(), "OSS /dev/dsp");  // OpenAL missing here
  EXPECT_FALSE(platform::EnableOpenAL());
  EXPECT_FALSE(platform::SetAudioDriver("OpenAL Soft"));

  hl::Reset();
  hl::SetAudioDrivers({"OpenAL Soft", "OSS /dev/dsp"}, true);
  EXPECT_EQ(platform::CurrentAudioDriver(), "OpenAL Soft");

  hl::Reset();
  hl::SetAudioDrivers({}, false);
  EXPECT_TRUE(platform::AudioDriverNames().empty());
  EXPECT_EQ(platform::CurrentAudioDriver(), "Silent");
  EXPECT_FALSE(platform::AudioDriverExists("Silent"));  // a fallback, not an offer
  platform::Channel* channel = platform::AllocChannel();
  platform::CueSound(second_, channel);
  platform::ResumeChannel(channel);
  hl::AdvanceClock(999);
  EXPECT_TRUE(platform::ChannelPlaying(channel));  // it still keeps time
  hl::AdvanceClock(1);
  EXPECT_FALSE(platform::ChannelPlaying(channel));
}

TEST_F(AudioTest, HandlesStaySafeAcrossADriverChange) {
  ASSERT_TRUE(platform::SetAudioDriver("Silent"));
  platform::Channel* old = platform::AllocChannel();
  platform::CueSound(second_, old);
  platform::ResumeChannel(old);
  ASSERT_TRUE(platform::EnableOpenAL());
  ASSERT_TRUE(platform::SetAudioDriver("OpenAL Default"));

  // The old driver's channel is dead: it reports silence and ignores calls.
  EXPECT_FALSE(platform::ChannelPlaying(old));
  platform::CueSound(second_, old);
  platform::SetChannelVolume(old, 0.5f);
  platform::ResumeChannel(old);
  platform::StopChannel(old);
  EXPECT_FALSE(platform::ChannelPlaying(old));
  EXPECT_TRUE(hl::Channels().empty());

  // The sound moves to the new driver the next time it is cued.
  platform::Channel* fresh = platform::AllocChannel();
  platform::CueSound(second_, fresh);
  platform::ResumeChannel(fresh);
  EXPECT_TRUE(platform::ChannelPlaying(fresh));
  ASSERT_EQ(hl::Channels().size(), 1u);
  EXPECT_EQ(hl::Channels()[0].id, 1);

  // After a shutdown every channel is dead and sounds still unload cleanly.
  platform::Shutdown();
  EXPECT_FALSE(platform::ChannelPlaying(fresh));
}

TEST_F(AudioTest, BadFilesAndNullHandlesAreHarmless) {
  EXPECT_EQ(platform::LoadSound(dir_ + "missing.wav", false), nullptr);
  const std::string bad("RIFF\x10\x00\x00\x00WAVEjunk", 16);
  ASSERT_TRUE(platform::WriteFileAtomically(dir_ + "bad.wav", bad));
  EXPECT_EQ(platform::LoadSound(dir_ + "bad.wav", false), nullptr);
  EXPECT_EQ(platform::LoadSound(dir_, false), nullptr);  // a folder

  platform::Channel* channel = platform::AllocChannel();
  platform::CueSound(nullptr, channel);
  EXPECT_FALSE(platform::ChannelPlaying(channel));
  platform::CueSound(second_, nullptr);
  platform::SetChannelVolume(nullptr, 1);
  platform::SetChannelPan(nullptr, 0);
  platform::SetChannelRate(nullptr, 1);
  platform::ResumeChannel(nullptr);
  platform::StopChannel(nullptr);
  EXPECT_FALSE(platform::ChannelPlaying(nullptr));
  platform::UnloadSound(nullptr);
}

}  // namespace
