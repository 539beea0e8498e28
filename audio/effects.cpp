// effects.cpp - loading and playing the numbered sound effects.
#include "audio/effects.h"

#include <cmath>  // Required for: std::isnan

#include "shell/state.h"  // Required for: Settings, LogLine

namespace crownlift {

std::array<platform::Sound*, kEffectCount> SoundEffects{};
std::array<platform::Channel*, kChannelCount> EffectChannels{};
std::array<float, kChannelCount> ChannelVolumeFactors = [] {
  std::array<float, kChannelCount> factors{};
  factors.fill(1.0f);
  return factors;
}();
int EffectCursor = kRingFirst;

namespace {

// Clamps to lo..hi; a value that is not a number takes the lower bound.
float Clamp(float value, float lo, float hi) {
  if (std::isnan(value) || value < lo) return lo;
  return value > hi ? hi : value;
}

std::string EffectFileName(int n) {
  const std::string digits = "000" + std::to_string(n);
  return digits.substr(digits.size() - 3) + ".wav";
}

}  // namespace

void LoadSoundEffects() {
  LogLine("");
  LogLine("Loading Sound effects");
  for (int n = 1; n < kEffectCount; ++n) {
    const std::string name = EffectFileName(n);
    if (!platform::PathExists(name)) continue;
    LogLine("\tSFX(" + std::to_string(n) + ")");
    platform::Sound* sound = platform::LoadSound(name, false);
    if (!sound) continue;
    // The channels still hold the old sound; a replaced effect is stopped
    // wherever it plays before its old sound is freed.
    if (SoundEffects[n]) {
      for (platform::Channel* channel : EffectChannels) {
        if (channel) platform::StopChannel(channel);
      }
      platform::UnloadSound(SoundEffects[n]);
    }
    SoundEffects[n] = sound;
  }
  LogLine("Sounds loaded");
  LogLine("");
}

void PlayEffect(int effect, float rate, float volume, float pan) {
  if (Settings[SoundVolume] <= 0) return;
  if (effect < 1 || effect >= kEffectCount || !SoundEffects[effect]) return;

  ++EffectCursor;
  if (EffectCursor >= kRingEnd) EffectCursor = kRingFirst;

  volume = Clamp(volume, 0, 1);
  rate = Clamp(rate, 0.25f, 4);
  pan = Clamp(pan, -1, 1);

  // A channel still sounding is cut off and then reused for the new effect.
  // Dropping it for a fresh one instead would leak a device voice each time,
  // and OpenAL runs out of them after a few hundred.
  platform::Channel*& channel = EffectChannels[EffectCursor];
  if (channel && platform::ChannelPlaying(channel)) platform::StopChannel(channel);
  if (!channel) channel = platform::AllocChannel();
  if (!channel) return;

  platform::CueSound(SoundEffects[effect], channel);
  const int product = Settings[SoundVolume] * Settings[MasterVolume];
  platform::SetChannelVolume(channel, static_cast<float>(product) / 100.0f / 100.0f * volume);
  platform::SetChannelPan(channel, pan);
  platform::SetChannelRate(channel, rate);
  platform::ResumeChannel(channel);
}

}  // namespace crownlift
