// ogg_fuzz.cpp - an Ogg Vorbis file as any bytes: DecodeOgg either refuses it
// or gives whole frames of a sane shape.
//
// libogg drops a page whose CRC is wrong, so nearly every mutation would end
// there; every whole page's CRC is put right first. (A wrong CRC is refused
// by libogg alone, before any of our code sees the page.)
#include <cstdint>  // Required for: uint8_t
#include <string>   // Required for: the bytes
#include <string_view>  // Required for: the page capture pattern

#include "platform/common/audio_internal.h"  // Required for: DecodeOgg, PcmData

namespace {

// Ogg's page check: CRC-32 with polynomial 0x04C11DB7, not reflected, start 0.
uint32_t OggCrc(const unsigned char* p, size_t n) {
  uint32_t crc = 0;
  for (size_t i = 0; i < n; ++i) {
    crc ^= uint32_t(p[i]) << 24;
    for (int bit = 0; bit < 8; ++bit) crc = crc & 0x80000000u ? crc << 1 ^ 0x04C11DB7u : crc << 1;
  }
  return crc;
}

void FixPageChecks(std::string& bytes) {
  auto* p = reinterpret_cast<unsigned char*>(bytes.data());
  const size_t size = bytes.size();
  size_t at = 0;
  while (size - at >= 27 && std::string_view(bytes).substr(at, 4) == "OggS") {
    const size_t segments = p[at + 26];
    if (size - at - 27 < segments) return;
    size_t body = 0;
    for (size_t i = 0; i < segments; ++i) body += p[at + 27 + i];
    const size_t page = 27 + segments + body;
    if (size - at < page) return;
    for (int i = 22; i < 26; ++i) p[at + i] = 0;
    const uint32_t crc = OggCrc(p + at, page);
    for (int i = 0; i < 4; ++i) p[at + 22 + i] = uint8_t(crc >> (8 * i));
    at += page;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  FixPageChecks(bytes);
  platform::PcmData pcm;
  if (platform::DecodeOgg(bytes, pcm)) {
    if (pcm.channels < 1 || pcm.channels > 2 || pcm.rate <= 0) __builtin_trap();
    if (pcm.samples.size() % size_t(pcm.channels) != 0) __builtin_trap();
  } else if (!pcm.samples.empty() || pcm.rate != 0) {
    __builtin_trap();
  }
  return 0;
}
