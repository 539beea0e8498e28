// Synth: a small retro sound-effect synthesiser.
//
// A sound is a list of voices mixed together. Each voice is one oscillator
// (square with a duty cycle, saw, triangle, sine, or noise that holds a new
// random value every period) shaped by an attack / sustain / decay envelope
// with an optional punch, a pitch slide (with acceleration), one arpeggio
// jump, vibrato, a duty sweep and a one-pole low-pass. Everything is
// computed from fixed numbers and fixed noise seeds, so a sound renders to
// the same samples every time.
#pragma once

#include <cstdint>  // Required for: uint32_t (noise seed)
#include <vector>   // Required for: voice lists and samples

namespace assetgen {

enum class Wave { Square, Saw, Triangle, Sine, Noise };

struct Voice {
  Wave wave = Wave::Square;
  float start = 0;       // seconds from the start of the sound
  float attack = 0.004f;
  float sustain = 0.05f;
  float decay = 0.2f;
  float punch = 0;       // extra level at the start of the sustain, fading out over it
  float freq = 440;      // Hz at the start
  float slide = 0;       // octaves per second
  float slideAccel = 0;  // octaves per second per second
  float arpAt = 0;       // seconds after the start; 0 for no jump
  float arpRatio = 1;    // frequency factor after the jump
  float duty = 0.5f;     // square only
  float dutySweep = 0;   // per second
  float vibratoDepth = 0;  // fraction of the frequency
  float vibratoRate = 0;   // Hz
  float lowpass = 0;     // cut-off in Hz; 0 for none
  float volume = 0.5f;
  uint32_t seed = 1;     // noise only
};

// Mixes the voices into `seconds` of samples at kSampleRate, then scales the
// mix so its peak is `peak`, and fades the first and last milliseconds so
// the sound starts and stops without a click.
std::vector<float> Render(const std::vector<Voice>& voices, float seconds, float peak);

// A feedback echo, for the jingle's sense of space.
void AddEcho(std::vector<float>& samples, float delaySeconds, float feedback);

// Frequency of a note: semitones from A4 (440 Hz).
float Note(int semitonesFromA4);

}  // namespace assetgen
