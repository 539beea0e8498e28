// Synth: oscillators, envelopes and the mix. See synth.h.
#include "synth.h"

#include <algorithm>  // Required for: std::clamp, std::max
#include <cmath>      // Required for: std::sin, std::pow, std::exp, std::fmod

#include "writers.h"  // Required for: kSampleRate

namespace assetgen {
namespace {

constexpr float kTwoPi = 6.28318530718f;

// Band-limits the jump of a square or saw edge (polyBLEP): softens aliasing.
float Blep(float t, float dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1;
  }
  if (t > 1 - dt) {
    t = (t - 1) / dt;
    return t * t + t + t + 1;
  }
  return 0;
}

float Envelope(const Voice& v, float t) {
  if (t < 0) return 0;
  if (t < v.attack) return t / v.attack;
  t -= v.attack;
  if (t < v.sustain) return 1 + v.punch * (1 - t / v.sustain);
  t -= v.sustain;
  if (t < v.decay) {
    float x = 1 - t / v.decay;
    return x * x;
  }
  return 0;
}

void RenderVoice(const Voice& v, std::vector<float>& mix) {
  const float dt = 1.0f / kSampleRate;
  const float length = v.attack + v.sustain + v.decay;
  size_t first = static_cast<size_t>(v.start * kSampleRate);
  size_t count = static_cast<size_t>(length * kSampleRate) + 1;
  float phase = 0, held = 0, filtered = 0;
  uint32_t rng = v.seed * 2654435761u + 12345u;
  float duty = v.duty;
  for (size_t i = 0; i < count && first + i < mix.size(); ++i) {
    float t = i * dt;
    float octaves = v.slide * t + 0.5f * v.slideAccel * t * t;
    float f = v.freq * std::pow(2.0f, octaves);
    if (v.arpAt > 0 && t >= v.arpAt) f *= v.arpRatio;
    if (v.vibratoDepth > 0) f *= 1 + v.vibratoDepth * std::sin(kTwoPi * v.vibratoRate * t);
    f = std::clamp(f, 20.0f, 20000.0f);
    float step = f * dt;
    duty = std::clamp(v.duty + v.dutySweep * t, 0.05f, 0.95f);

    float s = 0;
    switch (v.wave) {
      case Wave::Square:
        s = phase < duty ? 1.0f : -1.0f;
        s += Blep(phase, step);
        s -= Blep(std::fmod(phase + 1 - duty, 1.0f), step);
        break;
      case Wave::Saw:
        s = 2 * phase - 1 - Blep(phase, step);
        break;
      case Wave::Triangle:
        s = 1 - 4 * std::abs(phase - 0.5f);
        break;
      case Wave::Sine:
        s = std::sin(kTwoPi * phase);
        break;
      case Wave::Noise:
        s = held;
        break;
    }
    phase += step;
    if (phase >= 1) {
      phase -= 1;
      rng = rng * 1664525u + 1013904223u;
      held = static_cast<float>(rng >> 8) / static_cast<float>(1u << 24) * 2 - 1;
    }
    if (v.lowpass > 0) {
      float a = 1 - std::exp(-kTwoPi * v.lowpass * dt);
      filtered += a * (s - filtered);
      s = filtered;
    }
    mix[first + i] += s * Envelope(v, t) * v.volume;
  }
}

}  // namespace

std::vector<float> Render(const std::vector<Voice>& voices, float seconds, float peak) {
  std::vector<float> mix(static_cast<size_t>(seconds * kSampleRate), 0.0f);
  for (const Voice& v : voices) RenderVoice(v, mix);
  float top = 0;
  for (float s : mix) top = std::max(top, std::abs(s));
  if (top > 0) {
    for (float& s : mix) s *= peak / top;
  }
  // Short fades at both ends: no click when the sound starts or is cut.
  const size_t fadeIn = kSampleRate / 500, fadeOut = kSampleRate / 100;
  for (size_t i = 0; i < fadeIn && i < mix.size(); ++i) mix[i] *= static_cast<float>(i) / fadeIn;
  for (size_t i = 0; i < fadeOut && i < mix.size(); ++i) {
    mix[mix.size() - 1 - i] *= static_cast<float>(i) / fadeOut;
  }
  return mix;
}

void AddEcho(std::vector<float>& samples, float delaySeconds, float feedback) {
  size_t delay = static_cast<size_t>(delaySeconds * kSampleRate);
  for (size_t i = delay; i < samples.size(); ++i) samples[i] += samples[i - delay] * feedback;
}

float Note(int semitonesFromA4) { return 440.0f * std::pow(2.0f, semitonesFromA4 / 12.0f); }

}  // namespace assetgen
