// effects.h - the numbered sound effects and the ring of channels they play on.
//
// Effect n is the file nnn.wav in the game folder (001.wav to 200.wav). Effects
// play round-robin on channels 20..255 of EffectChannels; a new effect reuses
// the oldest ring entry and cuts off whatever still plays there. Loudness
// follows the master and sound volumes of the settings.
#pragma once

#include <array>  // Required for: the effect and channel tables

#include "platform/platform.h"

namespace crownlift {

inline constexpr int kEffectCount = 201;   // entries 1..200
inline constexpr int kChannelCount = 260;  // ring 20..255, 256 the start-up jingle
inline constexpr int kRingFirst = 20;
inline constexpr int kRingEnd = 256;       // one past the ring's last entry
extern std::array<platform::Sound*, kEffectCount> SoundEffects;
extern std::array<platform::Channel*, kChannelCount> EffectChannels;
extern std::array<float, kChannelCount> ChannelVolumeFactors;  // one per channel, 1 each
extern int EffectCursor;  // the ring entry used last

// Loads every nnn.wav of the current folder into SoundEffects, logging each.
void LoadSoundEffects();
// Plays effect 1..200 at a rate (1 normal), volume 0..1 and pan -1..1.
void PlayEffect(int effect, float rate, float volume, float pan);

}  // namespace crownlift
