// soft_mixer.cpp - sums the playing channels into 16-bit stereo.
//
// Each channel steps through its sound at (sound rate / output rate) x its
// own rate, reading between samples by linear interpolation, so any sound
// rate plays at its true pitch. Pan is a balance: the far side fades out
// linearly while the near side stays at the channel's volume. Volumes above
// 1 are applied as given; the sum is clipped once, at the end.
//
// Depends on: nothing outside the platform's audio types.

#include "platform/sdl/soft_mixer.h"

#include <algorithm>  // Required for: std::clamp, std::max, std::fill
#include <cmath>      // Required for: std::isfinite, std::fmod, std::lround

namespace platform::sdl {

void SoftMixer::Close() {
  sounds_.clear();
  channels_.clear();
}

int SoftMixer::AddSound(const PcmData& pcm, bool loop) {
  if (pcm.rate <= 0 || (pcm.channels != 1 && pcm.channels != 2)) return 0;
  sounds_.push_back({pcm, loop, true});
  return int(sounds_.size());
}

void SoftMixer::RemoveSound(int sound) {
  if (sound < 1 || sound > int(sounds_.size())) return;
  for (MixChannel& channel : channels_) {
    if (channel.sound == sound) {
      channel.sound = 0;
      channel.cued = false;
      channel.running = false;
    }
  }
  sounds_[size_t(sound - 1)] = MixSound{};
}

int SoftMixer::AllocChannel() {
  channels_.emplace_back();
  return int(channels_.size());
}

SoftMixer::MixChannel* SoftMixer::ChannelAt(int channel) {
  if (channel < 1 || channel > int(channels_.size())) return nullptr;
  return &channels_[size_t(channel - 1)];
}

void SoftMixer::Cue(int channel, int sound) {
  MixChannel* slot = ChannelAt(channel);
  if (!slot || sound < 1 || sound > int(sounds_.size()) || !sounds_[size_t(sound - 1)].present) {
    return;
  }
  slot->sound = sound;
  slot->position = 0;
  slot->cued = true;
  slot->running = false;
}

void SoftMixer::SetVolume(int channel, float volume) {
  if (MixChannel* slot = ChannelAt(channel); slot && std::isfinite(volume)) {
    slot->volume = std::max(volume, 0.0f);
  }
}

void SoftMixer::SetPan(int channel, float pan) {
  if (MixChannel* slot = ChannelAt(channel); slot && std::isfinite(pan)) {
    slot->pan = std::clamp(pan, -1.0f, 1.0f);
  }
}

void SoftMixer::SetRate(int channel, float rate) {
  if (MixChannel* slot = ChannelAt(channel); slot && std::isfinite(rate) && rate > 0) {
    slot->rate = rate;
  }
}

void SoftMixer::Resume(int channel) {
  MixChannel* slot = ChannelAt(channel);
  if (!slot || !slot->cued) return;
  slot->cued = false;
  slot->running = true;
}

void SoftMixer::Stop(int channel) {
  if (MixChannel* slot = ChannelAt(channel)) {
    slot->cued = false;
    slot->running = false;
    slot->sound = 0;
  }
}

bool SoftMixer::Playing(int channel) {
  MixChannel* slot = ChannelAt(channel);
  return slot && (slot->cued || slot->running);
}

void SoftMixer::MixChannelInto(MixChannel& channel, std::vector<float>& sum, int frames) {
  const MixSound& sound = sounds_[size_t(channel.sound - 1)];
  const PcmData& pcm = sound.pcm;
  const int64_t length = pcm.Frames();
  if (length == 0) {
    channel.running = false;
    return;
  }
  const double step = double(pcm.rate) / outputRate_ * channel.rate;
  const float left = channel.volume * (channel.pan > 0 ? 1.0f - channel.pan : 1.0f);
  const float right = channel.volume * (channel.pan < 0 ? 1.0f + channel.pan : 1.0f);
  const int stride = pcm.channels;
  const int16_t* samples = pcm.samples.data();

  for (int i = 0; i < frames; ++i) {
    if (channel.position >= double(length)) {
      if (!sound.loop) {
        channel.running = false;
        return;
      }
      channel.position = std::fmod(channel.position, double(length));
    }
    int64_t index = int64_t(channel.position);
    float t = float(channel.position - double(index));
    int64_t next = index + 1 < length ? index + 1 : (sound.loop ? 0 : index);
    const int16_t* a = samples + index * stride;
    const int16_t* b = samples + next * stride;
    float l = a[0] + (b[0] - a[0]) * t;
    float r = stride == 2 ? a[1] + (b[1] - a[1]) * t : l;
    sum[size_t(i) * 2] += l * left;
    sum[size_t(i) * 2 + 1] += r * right;
    channel.position += step;
  }
}

void SoftMixer::Mix(int16_t* stereo, int frames) {
  if (frames <= 0) return;
  sum_.assign(size_t(frames) * 2, 0.0f);
  for (MixChannel& channel : channels_) {
    if (channel.running && channel.sound > 0) MixChannelInto(channel, sum_, frames);
  }
  for (size_t i = 0; i < sum_.size(); ++i) {
    stereo[i] = int16_t(std::clamp(std::lround(sum_[i]), -32768L, 32767L));
  }
}

}  // namespace platform::sdl
