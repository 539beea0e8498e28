// Sounds: the effect waves and the start-up jingle, as samples.
#pragma once

#include <string>  // Required for: file names
#include <vector>  // Required for: samples

namespace assetgen {

struct EffectSound {
  std::string file;            // e.g. "002.wav"
  std::vector<float> samples;  // mono, -1..1, at kSampleRate
};

std::vector<EffectSound> MakeEffects();
std::vector<float> MakeJingle();

}  // namespace assetgen
