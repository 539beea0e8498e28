// Sounds: the game's numbered effects and the start-up jingle.
//
// 002 crash, 003 the grip takes royal 2 (the queen), 004 it takes royal 1
// (the king), 096 game over, 097 level complete, 098 the menu blip (played
// at rates 0.95 to 2, so it is short and bright). The jingle plays once at
// start-up while the rest loads.
#include "sounds.h"

#include <algorithm>  // Required for: std::max
#include <cmath>      // Required for: std::abs

#include "synth.h"    // Required for: Voice, Render, Note
#include "writers.h"  // Required for: kSampleRate

namespace assetgen {
namespace {

// Effects peak a little under full scale: loud, never clipped.
constexpr float kPeak = 0.84f;

Voice Tone(Wave wave, float start, int note, float hold, float decay, float volume) {
  Voice v;
  v.wave = wave;
  v.start = start;
  v.freq = Note(note);
  v.attack = 0.004f;
  v.sustain = hold;
  v.decay = decay;
  v.volume = volume;
  return v;
}

std::vector<float> Crash() {
  Voice burst;  // the blast: noise falling in pitch
  burst.wave = Wave::Noise;
  burst.freq = 5200;
  burst.slide = -2.2f;
  burst.attack = 0.001f;
  burst.sustain = 0.06f;
  burst.punch = 0.8f;
  burst.decay = 0.75f;
  burst.lowpass = 7000;
  burst.volume = 0.8f;
  burst.seed = 2;
  Voice boom;  // the thump underneath
  boom.wave = Wave::Square;
  boom.duty = 0.35f;
  boom.freq = 150;
  boom.slide = -2.6f;
  boom.attack = 0.001f;
  boom.sustain = 0.04f;
  boom.decay = 0.42f;
  boom.lowpass = 900;
  boom.volume = 0.7f;
  Voice crackle = burst;  // debris a moment later
  crackle.start = 0.11f;
  crackle.freq = 1800;
  crackle.slide = -1.2f;
  crackle.punch = 0;
  crackle.decay = 0.55f;
  crackle.volume = 0.4f;
  crackle.seed = 7;
  return Render({burst, boom, crackle}, 0.95f, kPeak);
}

// A rising pick-up chime: quick square arpeggio, then a bell tone on top.
std::vector<float> Chime(const int (&notes)[4], float duty, float vibrato) {
  std::vector<Voice> voices;
  const float step = 0.045f;
  for (int i = 0; i < 4; ++i) {
    bool last = i == 3;
    Voice v = Tone(Wave::Square, i * step, notes[i], last ? 0.08f : step * 0.7f,
                   last ? 0.26f : 0.03f, 0.34f);
    v.duty = duty;
    v.dutySweep = 0.6f;
    v.lowpass = 6000;
    if (last) {
      v.vibratoDepth = vibrato;
      v.vibratoRate = 9;
    }
    voices.push_back(v);
  }
  Voice bell = Tone(Wave::Triangle, 3 * step, notes[3] + 12, 0.03f, 0.3f, 0.3f);
  voices.push_back(bell);
  return Render(voices, 0.5f, kPeak);
}

std::vector<float> GameOver() {
  std::vector<Voice> voices;
  const int fall[4] = {-2, -3, -4, -5};  // G4 F#4 F4 E4: a slow chromatic sigh
  for (int i = 0; i < 4; ++i) {
    Voice v = Tone(Wave::Square, i * 0.24f, fall[i], 0.14f, 0.08f, 0.32f);
    v.duty = 0.5f;
    v.lowpass = 3000;
    voices.push_back(v);
    Voice under = Tone(Wave::Triangle, i * 0.24f, fall[i] - 12, 0.16f, 0.06f, 0.42f);
    voices.push_back(under);
  }
  Voice last = Tone(Wave::Square, 0.96f, -17, 0.25f, 0.55f, 0.34f);  // E3, sinking
  last.duty = 0.3f;
  last.slide = -0.35f;
  last.vibratoDepth = 0.018f;
  last.vibratoRate = 5.5f;
  last.lowpass = 2200;
  voices.push_back(last);
  Voice low = Tone(Wave::Saw, 0.96f, -29, 0.25f, 0.55f, 0.3f);
  low.slide = -0.35f;
  low.lowpass = 600;
  voices.push_back(low);
  return Render(voices, 1.85f, kPeak);
}

std::vector<float> LevelComplete() {
  std::vector<Voice> voices;
  const int run[5] = {3, 7, 10, 15, 19};  // C5 E5 G5 C6 E6
  for (int i = 0; i < 5; ++i) {
    Voice v = Tone(Wave::Square, i * 0.07f, run[i], 0.04f, 0.04f, 0.3f);
    v.duty = 0.25f;
    v.lowpass = 7000;
    voices.push_back(v);
  }
  for (int n : {15, 19, 22}) {  // the held chord C6 E6 G6
    Voice v = Tone(Wave::Square, 0.38f, n, 0.22f, 0.4f, 0.2f);
    v.duty = 0.5f;
    v.dutySweep = -0.5f;
    v.vibratoDepth = 0.008f;
    v.vibratoRate = 7;
    v.lowpass = 5000;
    voices.push_back(v);
  }
  for (int i = 0; i < 3; ++i) {  // bass steps C4 G4 C5
    const int bass[3] = {-9, -2, 3};
    voices.push_back(Tone(Wave::Triangle, i * 0.14f, bass[i] - 12, 0.08f, 0.05f, 0.45f));
  }
  voices.push_back(Tone(Wave::Triangle, 0.38f, -21, 0.22f, 0.4f, 0.45f));
  return Render(voices, 1.05f, kPeak);
}

std::vector<float> MenuBlip() {
  Voice v = Tone(Wave::Square, 0, 18, 0.012f, 0.05f, 0.5f);  // D#6, lifting a little
  v.duty = 0.3f;
  v.slide = 2.5f;
  v.attack = 0.002f;
  v.lowpass = 8000;
  Voice click = Tone(Wave::Triangle, 0, 30, 0.006f, 0.03f, 0.3f);
  return Render({v, click}, 0.075f, kPeak);
}

}  // namespace

std::vector<EffectSound> MakeEffects() {
  const int king[4] = {3, 7, 10, 15};      // C5 E5 G5 C6
  const int queen[4] = {7, 11, 14, 19};    // E5 G#5 B5 E6
  return {
      {"002.wav", Crash()},
      {"003.wav", Chime(queen, 0.125f, 0.012f)},
      {"004.wav", Chime(king, 0.25f, 0)},
      {"096.wav", GameOver()},
      {"097.wav", LevelComplete()},
      {"098.wav", MenuBlip()},
  };
}

std::vector<float> MakeJingle() {
  // A bright two-bar fanfare in C: a pick-up, a rising melody, a held
  // chord. 0.12 s per step.
  std::vector<Voice> voices;
  const float s = 0.12f;
  struct Step {
    int at;    // step number
    int note;  // semitones from A4
    int len;   // steps
  };
  const Step melody[] = {{0, -2, 1}, {1, 3, 1},  {2, 7, 1},  {3, 10, 2},
                         {5, 7, 1},  {6, 10, 1}, {7, 15, 5}};
  for (const Step& m : melody) {
    float tail = m.len > 2 ? 0.43f : 0.08f;  // the last, long note rings out
    Voice v = Tone(Wave::Square, m.at * s, m.note, m.len * s - 0.03f, tail, 0.3f);
    v.duty = 0.25f;
    v.lowpass = 6500;
    if (m.len > 2) {
      v.vibratoDepth = 0.01f;
      v.vibratoRate = 6.5f;
    }
    voices.push_back(v);
    Voice octave = v;  // a quiet octave above for sparkle
    octave.freq *= 2;
    octave.wave = Wave::Triangle;
    octave.volume = 0.12f;
    voices.push_back(octave);
  }
  const Step harmony[] = {{3, 3, 2}, {5, 3, 1}, {6, 7, 1}, {7, 10, 5}, {7, 7, 5}};
  for (const Step& h : harmony) {
    Voice v = Tone(Wave::Square, h.at * s, h.note, h.len * s - 0.03f, h.len > 2 ? 0.4f : 0.06f,
                   0.13f);
    v.duty = 0.5f;
    v.lowpass = 3500;
    voices.push_back(v);
  }
  const Step bass[] = {{0, -21, 1}, {1, -9, 2}, {3, -14, 2}, {5, -9, 2}, {7, -21, 5}};
  for (const Step& b : bass) {
    voices.push_back(Tone(Wave::Triangle, b.at * s, b.note, b.len * s - 0.02f, 0.1f, 0.5f));
  }
  for (int i = 0; i < 8; ++i) {  // soft hat ticks on every step
    Voice hat;
    hat.wave = Wave::Noise;
    hat.start = i * s;
    hat.freq = 9000;
    hat.attack = 0.001f;
    hat.sustain = 0.005f;
    hat.decay = i % 2 == 0 ? 0.05f : 0.025f;
    hat.volume = i % 2 == 0 ? 0.12f : 0.07f;
    hat.seed = 11 + i;
    voices.push_back(hat);
  }
  std::vector<float> out = Render(voices, 1.9f, 1.0f);
  AddEcho(out, 0.18f, 0.22f);
  float top = 0;
  for (float v : out) top = std::max(top, std::abs(v));
  for (float& v : out) v *= 0.7f / top;  // headroom for the encoder's ripple
  // Fade the echo's tail to silence over the last 0.2 s.
  const size_t tail = static_cast<size_t>(0.2f * kSampleRate);
  for (size_t i = 0; i < tail && i < out.size(); ++i) {
    out[out.size() - 1 - i] *= static_cast<float>(i) / tail;
  }
  return out;
}

}  // namespace assetgen
