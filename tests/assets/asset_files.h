// Asset files: small readers the asset tests use to look inside what the
// build ships (PNG pixels, WAV samples, Ogg Vorbis decoding), written
// directly against libpng and libvorbisfile so the checks do not depend on
// the game's own loaders.
#pragma once

#include <cstdint>  // Required for: uint8_t, int16_t
#include <string>   // Required for: paths
#include <vector>   // Required for: pixels and samples

namespace assettest {

// Where the build put Files/ and where the generator program is.
std::string FilesDir();
std::string GeneratorPath();

struct Png {
  bool ok = false;
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;  // converted to RGBA whatever the stored format
  const uint8_t* At(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};
Png ReadPng(const std::string& path);

// Number of pixels with alpha above 0 in the cell (x, y, w, h).
int OpaqueCount(const Png& png, int x, int y, int w, int h);

struct Wav {
  bool ok = false;        // a RIFF/WAVE file with a fmt and a data chunk
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<int16_t> samples;  // only when 16-bit PCM
};
Wav ReadWav(const std::string& path);

struct Ogg {
  bool ok = false;  // opened and decoded by libvorbisfile
  int channels = 0;
  long rate = 0;
  std::vector<float> samples;  // first channel
};
Ogg DecodeOgg(const std::string& path);

std::vector<uint8_t> ReadBytes(const std::string& path);

// A fresh empty folder under the system's temporary folder.
std::string MakeTempDir(const std::string& stem);

}  // namespace assettest
