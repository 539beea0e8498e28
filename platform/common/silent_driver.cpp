// silent_driver.cpp - an audio driver that plays nothing but keeps time.
//
// A channel that was resumed plays for the sound's length divided by its
// rate, measured on platform::ClockMillis(); a looping sound plays until it
// is stopped, and a cued channel that was never resumed counts as playing
// (paused). This keeps the game's channel ring behaving the same on a machine
// without sound, and under the headless backend's simulated clock.
#include "platform/common/audio_internal.h"
#include "platform/platform.h"

#include <cmath>  // Required for: std::isfinite

namespace platform {

namespace {

class SilentDriver final : public AudioDriver {
 public:
  bool Open() override { return true; }

  void Close() override {
    sounds_.clear();
    channels_.clear();
  }

  int AddSound(const PcmData& pcm, bool loop) override {
    sounds_.push_back({true, loop, pcm.Seconds() * 1000.0});
    return int(sounds_.size());
  }

  void RemoveSound(int sound) override {
    if (!ValidSound(sound)) return;
    sounds_[size_t(sound - 1)].used = false;
    for (Voice& voice : channels_) {
      if (voice.sound == sound) voice.active = false;
    }
  }

  int AllocChannel() override {
    channels_.emplace_back();
    return int(channels_.size());
  }

  void Cue(int channel, int sound) override {
    Voice* voice = Find(channel);
    if (!voice || !ValidSound(sound)) return;
    voice->sound = sound;
    voice->active = true;
    voice->paused = true;
    voice->progressMs = 0;
  }

  void SetVolume(int, float) override {}
  void SetPan(int, float) override {}

  void SetRate(int channel, float rate) override {
    Voice* voice = Find(channel);
    if (!voice) return;
    Settle(*voice);  // time played so far counts at the old rate
    voice->rate = rate;
  }

  void Resume(int channel) override {
    Voice* voice = Find(channel);
    if (!voice || !voice->active || !voice->paused) return;
    voice->paused = false;
    voice->since = ClockMillis();
  }

  void Stop(int channel) override {
    if (Voice* voice = Find(channel)) voice->active = false;
  }

  bool Playing(int channel) override {
    Voice* voice = Find(channel);
    if (!voice || !voice->active) return false;
    if (voice->paused) return true;
    const SoundInfo& sound = sounds_[size_t(voice->sound - 1)];
    if (sound.loop) return true;
    Settle(*voice);
    if (voice->progressMs >= sound.lengthMs) voice->active = false;
    return voice->active;
  }

 private:
  struct SoundInfo {
    bool used = false;
    bool loop = false;
    double lengthMs = 0;
  };
  struct Voice {
    int sound = 0;
    bool active = false;  // cued and neither stopped nor finished
    bool paused = false;
    float rate = 1;
    double progressMs = 0;  // of the sound's own time
    int64_t since = 0;      // clock reading progress was last brought up to
  };

  bool ValidSound(int sound) const {
    return sound >= 1 && size_t(sound) <= sounds_.size() && sounds_[size_t(sound - 1)].used;
  }

  Voice* Find(int channel) {
    if (channel < 1 || size_t(channel) > channels_.size()) return nullptr;
    return &channels_[size_t(channel - 1)];
  }

  // Brings progress up to now. A rate that is not a positive number freezes
  // the channel rather than letting time run backwards or vanish.
  static void Settle(Voice& voice) {
    if (!voice.active || voice.paused) return;
    int64_t now = ClockMillis();
    double rate = std::isfinite(voice.rate) && voice.rate > 0 ? voice.rate : 0.0;
    voice.progressMs += double(now - voice.since) * rate;
    voice.since = now;
  }

  std::vector<SoundInfo> sounds_;
  std::vector<Voice> channels_;
};

}  // namespace

std::unique_ptr<AudioDriver> MakeSilentDriver() { return std::make_unique<SilentDriver>(); }

}  // namespace platform
