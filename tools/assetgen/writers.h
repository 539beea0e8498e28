// Writers: the three file formats the generator ships, byte-for-byte
// repeatable (no time stamps, fixed Ogg stream serial, fixed encoder set-up).
#pragma once

#include <cstdint>  // Required for: uint8_t, int16_t
#include <string>   // Required for: file paths
#include <vector>   // Required for: pixel and sample buffers

namespace assetgen {

constexpr int kSampleRate = 44100;

// RGBA rows, top to bottom; false when the file cannot be written.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba);
// Mono samples -1..1, stored as 16-bit PCM at kSampleRate.
bool WriteWav(const std::string& path, const std::vector<float>& samples);
// Mono samples -1..1, Ogg Vorbis (VBR) at kSampleRate.
bool WriteOgg(const std::string& path, const std::vector<float>& samples);

}  // namespace assetgen
