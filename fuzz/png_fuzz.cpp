// png_fuzz.cpp - a PNG file as any bytes, read and cut into frames.
//
// The first two input bytes pick a cell size (0 = the whole picture) so the
// cutting, the masks and the visible boxes see odd shapes too. Bit 1 of the
// second byte has every chunk's CRC put right before the file is written:
// libpng refuses a chunk with a wrong CRC at once, so without that nearly
// every mutation would stop at the first check.
#include <zlib.h>  // Required for: crc32, the PNG chunk check

#include <cstdint>  // Required for: uint8_t
#include <vector>   // Required for: the file bytes

#include "fuzz/fuzz_support.h"           // Required for: the scratch folder
#include "platform/common/image_data.h"  // Required for: LoadImageData, LoadPng

namespace {

uint32_t ReadBigEndian(const uint8_t* p) {
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

void FixChunkChecks(std::vector<uint8_t>& file) {
  size_t at = 8;  // after the signature
  while (file.size() >= 12 && at <= file.size() - 12) {
    const uint32_t length = ReadBigEndian(&file[at]);
    if (length > file.size() - at - 12) return;
    const uint32_t crc = uint32_t(crc32(0, &file[at + 4], 4 + length));
    uint8_t* out = &file[at + 8 + length];
    out[0] = uint8_t(crc >> 24), out[1] = uint8_t(crc >> 16), out[2] = uint8_t(crc >> 8);
    out[3] = uint8_t(crc);
    at += 12 + size_t(length);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& folder = fuzz_support::StartInScratchFolder("png");
  if (size < 2) return 0;
  const std::string path = folder + "input.png";
  std::vector<uint8_t> file(data + 2, data + size);
  if (data[1] & 2) FixChunkChecks(file);
  fuzz_support::WriteInput(path, file.data(), file.size());
  const int cell = data[0] % 40;
  const unsigned flags = data[1] & 1 ? platform::kImageMasked : 0u;
  platform::Image* image =
      platform::LoadImageData(path, cell, cell ? 1 + data[1] % 40 : 0, 0, 0, flags);
  if (image) {
    // Touch every mask bit so a short mask or pixel buffer shows up.
    unsigned sum = 0;
    for (int f = 0; f < image->frames; ++f) {
      for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) sum += platform::MaskBit(*image, f, x, y);
      }
      sum += platform::FramePixels(*image, f)[size_t(image->width) * image->height * 4 - 1];
    }
    if (sum == 0xFFFFFFFFu) __builtin_trap();  // keeps the reads from being optimised out
    platform::DestroyImageData(image);
  }
  return 0;
}
