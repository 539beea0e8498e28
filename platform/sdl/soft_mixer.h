// soft_mixer.h - channels mixed by the program itself, for outputs that take
// finished samples (the OSS device).
//
// It is a complete audio driver without a device: sounds, channels, volume,
// pan and rate behave as on any other driver, and Mix() renders the next
// stretch of 16-bit stereo. The OSS driver adds the device on top; tests mix
// directly and look at the samples.
#pragma once

#include "platform/common/audio_internal.h"  // Required for: AudioDriver, PcmData

#include <cstdint>  // Required for: int16_t
#include <vector>   // Required for: sounds and channels

namespace platform::sdl {

class SoftMixer : public AudioDriver {
 public:
  explicit SoftMixer(int outputRate) : outputRate_(outputRate) {}

  bool Open() override { return true; }
  void Close() override;
  int AddSound(const PcmData& pcm, bool loop) override;
  void RemoveSound(int sound) override;
  int AllocChannel() override;
  void Cue(int channel, int sound) override;
  void SetVolume(int channel, float volume) override;
  void SetPan(int channel, float pan) override;
  void SetRate(int channel, float rate) override;
  void Resume(int channel) override;
  void Stop(int channel) override;
  bool Playing(int channel) override;

  // Writes the next frames of every playing channel, summed and clipped, as
  // interleaved left/right samples (frames * 2 values).
  void Mix(int16_t* stereo, int frames);
  void SetOutputRate(int rate) { outputRate_ = rate; }

 private:
  struct MixSound {
    PcmData pcm;
    bool loop = false;
    bool present = false;
  };
  struct MixChannel {
    int sound = 0;
    double position = 0;  // in the sound's frames
    bool cued = false;
    bool running = false;
    float volume = 1.0f, pan = 0.0f, rate = 1.0f;
  };

  MixChannel* ChannelAt(int channel);
  void MixChannelInto(MixChannel& channel, std::vector<float>& sum, int frames);

  int outputRate_;
  std::vector<MixSound> sounds_;
  std::vector<MixChannel> channels_;
  std::vector<float> sum_;
};

}  // namespace platform::sdl
