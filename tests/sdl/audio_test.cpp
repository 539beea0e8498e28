// audio_test.cpp - the SDL backend's audio outputs: the software mixer that
// feeds the OSS device (checked sample by sample) and the OpenAL driver on
// OpenAL Soft's "null" output (ALSOFT_DRIVERS=null, set by the test runner),
// which mixes in real time without a sound card.

#include "platform/platform.h"
#include "platform/sdl/audio_drivers.h"
#include "platform/sdl/soft_mixer.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using platform::PcmData;

PcmData Constant(int rate, int frames, int16_t left, int16_t right, int channels) {
  PcmData pcm;
  pcm.rate = rate;
  pcm.channels = channels;
  for (int i = 0; i < frames; ++i) {
    pcm.samples.push_back(left);
    if (channels == 2) pcm.samples.push_back(right);
  }
  return pcm;
}

// --- Software mixer --------------------------------------------------------

class SoftMixerTest : public ::testing::Test {
 protected:
  static constexpr int kRate = 44100;
  platform::sdl::SoftMixer mixer{kRate};

  // Mixes frames and returns them as interleaved left/right samples.
  std::vector<int16_t> Mix(int frames) {
    std::vector<int16_t> out(size_t(frames) * 2, 12345);
    mixer.Mix(out.data(), frames);
    return out;
  }
  int Play(int sound, float volume = 1, float pan = 0, float rate = 1) {
    int channel = mixer.AllocChannel();
    mixer.Cue(channel, sound);
    mixer.SetVolume(channel, volume);
    mixer.SetPan(channel, pan);
    mixer.SetRate(channel, rate);
    mixer.Resume(channel);
    return channel;
  }
};

TEST_F(SoftMixerTest, CuedChannelIsSilentButCountsAsPlaying) {
  int sound = mixer.AddSound(Constant(kRate, 100, 1000, 0, 1), false);
  int channel = mixer.AllocChannel();
  mixer.Cue(channel, sound);
  EXPECT_TRUE(mixer.Playing(channel));
  for (int16_t sample : Mix(50)) ASSERT_EQ(sample, 0);
  mixer.Resume(channel);
  EXPECT_EQ(Mix(1)[0], 1000) << "resumed from the sound's first frame";
}

TEST_F(SoftMixerTest, VolumeAndPanShapeEachSide) {
  struct PanCase {
    float volume, pan;
    int left, right;
  } cases[] = {
      {1.0f, 0.0f, 8000, 8000},  {0.5f, 0.0f, 4000, 4000}, {0.5f, -1.0f, 4000, 0},
      {1.0f, 1.0f, 0, 8000},     {1.0f, 0.5f, 4000, 8000}, {2.0f, 0.0f, 16000, 16000},
  };
  int sound = mixer.AddSound(Constant(kRate, 1000, 8000, 0, 1), false);
  for (const PanCase& c : cases) {
    int channel = Play(sound, c.volume, c.pan);
    std::vector<int16_t> out = Mix(10);
    EXPECT_EQ(out[10], c.left) << "volume " << c.volume << " pan " << c.pan;
    EXPECT_EQ(out[11], c.right) << "volume " << c.volume << " pan " << c.pan;
    mixer.Stop(channel);
  }
}

TEST_F(SoftMixerTest, StereoSoundsKeepTheirSides) {
  int sound = mixer.AddSound(Constant(kRate, 100, 3000, -2000, 2), false);
  Play(sound);
  std::vector<int16_t> out = Mix(4);
  EXPECT_EQ(out[6], 3000);
  EXPECT_EQ(out[7], -2000);
}

TEST_F(SoftMixerTest, LengthFollowsSoundRateAndChannelRate) {
  struct LengthCase {
    int soundRate;
    float rate;
    int expectedFrames;  // output frames the 1000-frame sound lasts
  } cases[] = {{kRate, 1.0f, 1000}, {kRate, 2.0f, 500}, {kRate / 2, 1.0f, 2000},
               {kRate, 0.25f, 4000}};
  for (const LengthCase& c : cases) {
    int sound = mixer.AddSound(Constant(c.soundRate, 1000, 500, 0, 1), false);
    int channel = Play(sound, 1, 0, c.rate);
    std::vector<int16_t> out = Mix(c.expectedFrames + 10);
    EXPECT_EQ(out[size_t(c.expectedFrames - 1) * 2], 500) << "rate " << c.soundRate << " x " << c.rate;
    EXPECT_EQ(out[size_t(c.expectedFrames) * 2], 0) << "rate " << c.soundRate << " x " << c.rate;
    EXPECT_FALSE(mixer.Playing(channel));
  }
}

TEST_F(SoftMixerTest, SlowerRateInterpolatesBetweenSamples) {
  PcmData ramp;
  ramp.rate = kRate;
  ramp.channels = 1;
  ramp.samples = {0, 1000, 2000, 3000};
  Play(mixer.AddSound(ramp, false), 1, 0, 0.5f);
  std::vector<int16_t> out = Mix(4);
  EXPECT_EQ(out[0], 0);
  EXPECT_EQ(out[2], 500);
  EXPECT_EQ(out[4], 1000);
  EXPECT_EQ(out[6], 1500);
}

TEST_F(SoftMixerTest, LoopingSoundWrapsAndPlaysUntilStopped) {
  PcmData pulse;
  pulse.rate = kRate;
  pulse.channels = 1;
  pulse.samples = {100, 200, 300};
  int channel = Play(mixer.AddSound(pulse, true));
  std::vector<int16_t> out = Mix(7);
  std::vector<int16_t> left;
  for (size_t i = 0; i < out.size(); i += 2) left.push_back(out[i]);
  EXPECT_EQ(left, (std::vector<int16_t>{100, 200, 300, 100, 200, 300, 100}));
  EXPECT_TRUE(mixer.Playing(channel));
  mixer.Stop(channel);
  EXPECT_FALSE(mixer.Playing(channel));
  EXPECT_EQ(Mix(1)[0], 0);
}

TEST_F(SoftMixerTest, SumIsClippedNotWrapped) {
  int loud = mixer.AddSound(Constant(kRate, 10, 30000, 0, 1), false);
  int a = Play(loud), b = Play(loud);
  EXPECT_EQ(Mix(1)[0], 32767);
  mixer.Stop(a);
  mixer.Stop(b);
  int low = mixer.AddSound(Constant(kRate, 10, -30000, 0, 1), false);
  Play(low);
  Play(low);
  EXPECT_EQ(Mix(1)[0], -32768);
}

TEST_F(SoftMixerTest, RemovedSoundFallsSilent) {
  int sound = mixer.AddSound(Constant(kRate, 100, 1000, 0, 1), false);
  int channel = Play(sound);
  mixer.RemoveSound(sound);
  EXPECT_FALSE(mixer.Playing(channel));
  EXPECT_EQ(Mix(1)[0], 0);
  mixer.Cue(channel, sound);
  EXPECT_FALSE(mixer.Playing(channel)) << "a removed sound cannot be cued";
}

// --- OpenAL on OpenAL Soft's null output ------------------------------------

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
  for (int waited = 0; waited < timeoutMs; waited += 5) {
    if (done()) return true;
    platform::SleepMillis(5);
  }
  return done();
}

class OpenALTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::Init();
    driver = platform::sdl::MakeOpenALDriver("");
    ASSERT_TRUE(driver->Open()) << "run with ALSOFT_DRIVERS=null";
  }
  void TearDown() override {
    driver.reset();
    platform::Shutdown();
  }
  std::unique_ptr<platform::AudioDriver> driver;
};

TEST_F(OpenALTest, ChannelIsCuedPlaysAndFinishes) {
  int sound = driver->AddSound(Constant(44100, 2205, 1000, 0, 1), false);  // 50 ms
  ASSERT_GT(sound, 0);
  int channel = driver->AllocChannel();
  driver->Cue(channel, sound);
  driver->SetVolume(channel, 2.0f);
  driver->SetPan(channel, -1.0f);
  driver->SetRate(channel, 1.5f);
  platform::SleepMillis(100);
  EXPECT_TRUE(driver->Playing(channel)) << "a cued channel waits, paused, for Resume";
  driver->Resume(channel);
  EXPECT_TRUE(driver->Playing(channel));
  EXPECT_TRUE(WaitUntil([&] { return !driver->Playing(channel); }, 3000));
  // A finished channel can be cued again, as the effect ring does.
  driver->Cue(channel, sound);
  driver->Resume(channel);
  EXPECT_TRUE(driver->Playing(channel));
  driver->Stop(channel);
  EXPECT_FALSE(driver->Playing(channel));
}

TEST_F(OpenALTest, LoopingSoundPlaysUntilStopped) {
  int sound = driver->AddSound(Constant(44100, 441, 1000, 0, 1), true);  // 10 ms
  int channel = driver->AllocChannel();
  driver->Cue(channel, sound);
  driver->Resume(channel);
  platform::SleepMillis(100);
  EXPECT_TRUE(driver->Playing(channel));
  driver->Stop(channel);
  EXPECT_FALSE(driver->Playing(channel));
}

// The engine never gives channels back, so more channels than OpenAL has
// sources must still play once earlier ones have finished.
TEST_F(OpenALTest, FinishedChannelsLendTheirSourcesToNewOnes) {
  int blip = driver->AddSound(Constant(44100, 441, 1000, 0, 1), false);      // 10 ms
  int longer = driver->AddSound(Constant(44100, 88200, 1000, 0, 1), false);  // 2 s
  std::vector<int> first;
  for (int i = 0; i < 300; ++i) {
    first.push_back(driver->AllocChannel());
    driver->Cue(first.back(), blip);
    driver->Resume(first.back());
  }
  ASSERT_TRUE(WaitUntil(
      [&] {
        for (int channel : first) {
          if (driver->Playing(channel)) return false;
        }
        return true;
      },
      5000));
  int playing = 0;
  for (int i = 0; i < 200; ++i) {
    int channel = driver->AllocChannel();
    driver->Cue(channel, longer);
    driver->Resume(channel);
    playing += driver->Playing(channel) ? 1 : 0;
  }
  EXPECT_EQ(playing, 200);
}

TEST_F(OpenALTest, RemovingASoundInUseStopsItsChannels) {
  int sound = driver->AddSound(Constant(44100, 44100, 1000, 0, 1), false);
  int channel = driver->AllocChannel();
  driver->Cue(channel, sound);
  driver->Resume(channel);
  driver->RemoveSound(sound);
  EXPECT_FALSE(driver->Playing(channel));
  int next = driver->AddSound(Constant(44100, 44100, 1000, 0, 1), false);
  driver->Cue(channel, next);
  EXPECT_TRUE(driver->Playing(channel));
}

TEST(OpenALDevices, UnknownDeviceDoesNotOpen) {
  EXPECT_FALSE(platform::sdl::MakeOpenALDriver("Crownlift No Such Device")->Open());
}

TEST(SdlAudioDrivers, OfferedInOrderAndUsableByName) {
  platform::Init();
  std::vector<std::string> expected = {"OpenAL Default", "OpenAL No Output"};
  struct stat info {};
  if (stat("/dev/dsp", &info) == 0) expected.push_back("OSS /dev/dsp");
  expected.push_back("Silent");
  EXPECT_EQ(platform::AudioDriverNames(), expected);

  EXPECT_TRUE(platform::EnableOpenAL());
  EXPECT_TRUE(platform::SetAudioDriver("openal no output"));
  EXPECT_EQ(platform::CurrentAudioDriver(), "OpenAL No Output");
  EXPECT_TRUE(platform::SetAudioDriver("Silent"));
  EXPECT_EQ(platform::CurrentAudioDriver(), "Silent");
  platform::Shutdown();
}

}  // namespace
