// wav_fuzz.cpp - a WAV file as any bytes: DecodeWav either refuses it or
// gives whole frames of a sane shape, never reading outside the bytes.
#include <cstdint>  // Required for: uint8_t
#include <string>   // Required for: the bytes

#include "platform/common/audio_internal.h"  // Required for: DecodeWav, DecodeSound, PcmData

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A private copy of exactly size bytes, so ASan sees a read past the end.
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  platform::PcmData pcm;
  if (platform::DecodeWav(bytes, pcm)) {
    if (pcm.channels < 1 || pcm.channels > 2 || pcm.rate <= 0) __builtin_trap();
    if (pcm.samples.size() % size_t(pcm.channels) != 0) __builtin_trap();
  } else if (!pcm.samples.empty() || pcm.rate != 0) {
    __builtin_trap();  // a refused file must leave pcm empty
  }
  platform::DecodeSound(bytes, pcm);
  return 0;
}
