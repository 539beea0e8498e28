// sound_decode.cpp - WAV and OGG Vorbis files into 16-bit PCM.
//
// Sounds are decoded once, when loaded, so playing never touches the disk or
// a codec. Both decoders treat the file as untrusted: every length read from
// it is checked against the bytes actually present, a file that is cut short
// or inconsistent is refused as a whole, and nothing loops on the file's say.
//   WAV: RIFF/WAVE, PCM 8-bit unsigned or 16-bit signed, mono or stereo, any
//        rate; chunks other than "fmt " and "data" are skipped.
//   OGG: Vorbis through libvorbisfile, read from memory, mono or stereo.
#include "platform/common/audio_internal.h"

#include <algorithm>  // Required for: std::min
#include <bit>        // Required for: std::endian, to ask libvorbisfile for host order
#include <cstring>    // Required for: std::memcmp, std::memcpy

#include <vorbis/vorbisfile.h>  // Required for: ov_open_callbacks, ov_read

namespace platform {

namespace {

// Rates outside this are not sounds but damaged headers.
constexpr uint32_t kMinRate = 1000;
constexpr uint32_t kMaxRate = 384000;

uint32_t ReadU32(const unsigned char* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t ReadU16(const unsigned char* p) { return uint16_t(p[0] | p[1] << 8); }

struct WavFormat {
  uint16_t tag = 0, channels = 0, bits = 0;
  uint32_t rate = 0;
};

bool ReadWavFormat(const unsigned char* p, uint32_t size, WavFormat& format) {
  if (size < 16) return false;
  format.tag = ReadU16(p);
  format.channels = ReadU16(p + 2);
  format.rate = ReadU32(p + 4);
  format.bits = ReadU16(p + 14);
  // WAVE_FORMAT_EXTENSIBLE: the real format is the first two bytes of the
  // sub-format GUID at offset 24.
  if (format.tag == 0xFFFE) {
    if (size < 40) return false;
    format.tag = ReadU16(p + 24);
  }
  return format.tag == 1 && (format.channels == 1 || format.channels == 2) &&
         (format.bits == 8 || format.bits == 16) && format.rate >= kMinRate &&
         format.rate <= kMaxRate;
}

// libvorbisfile reads through these from a byte string in memory.
struct MemoryReader {
  const std::string* bytes;
  size_t position;
};

size_t ReadMemory(void* out, size_t size, size_t count, void* source) {
  auto* reader = static_cast<MemoryReader*>(source);
  if (size == 0) return 0;
  size_t left = reader->bytes->size() - reader->position;
  size_t items = std::min(count, left / size);
  std::memcpy(out, reader->bytes->data() + reader->position, items * size);
  reader->position += items * size;
  return items;
}

int SeekMemory(void* source, ogg_int64_t offset, int whence) {
  auto* reader = static_cast<MemoryReader*>(source);
  ogg_int64_t base = whence == SEEK_SET   ? 0
                     : whence == SEEK_CUR ? ogg_int64_t(reader->position)
                                          : ogg_int64_t(reader->bytes->size());
  ogg_int64_t target = base + offset;
  if (target < 0 || target > ogg_int64_t(reader->bytes->size())) return -1;
  reader->position = size_t(target);
  return 0;
}

long TellMemory(void* source) { return long(static_cast<MemoryReader*>(source)->position); }

}  // namespace

bool DecodeWav(const std::string& bytes, PcmData& pcm) {
  pcm = PcmData{};
  const auto* file = reinterpret_cast<const unsigned char*>(bytes.data());
  const uint64_t size = bytes.size();
  if (size < 12 || std::memcmp(file, "RIFF", 4) != 0 || std::memcmp(file + 8, "WAVE", 4) != 0)
    return false;

  WavFormat format;
  bool haveFormat = false;
  const unsigned char* data = nullptr;
  uint32_t dataSize = 0;
  // Every step moves on by at least the 8-byte chunk header, so this ends.
  uint64_t at = 12;
  while (at + 8 <= size && !(haveFormat && data)) {
    const unsigned char* chunk = file + at;
    uint32_t chunkSize = ReadU32(chunk + 4);
    if (chunkSize > size - at - 8) return false;  // cut short or a lying length
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (haveFormat || !ReadWavFormat(chunk + 8, chunkSize, format)) return false;
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (data) return false;
      data = chunk + 8;
      dataSize = chunkSize;
    }
    at += 8 + uint64_t(chunkSize) + (chunkSize & 1);  // chunks are padded to even sizes
  }
  if (!haveFormat || !data) return false;

  const uint32_t frameBytes = format.channels * (format.bits / 8u);
  const size_t sampleCount = size_t(dataSize / frameBytes) * format.channels;
  pcm.samples.resize(sampleCount);
  if (format.bits == 8) {
    for (size_t i = 0; i < sampleCount; ++i) pcm.samples[i] = int16_t((data[i] - 128) * 256);
  } else {
    for (size_t i = 0; i < sampleCount; ++i) pcm.samples[i] = int16_t(ReadU16(data + 2 * i));
  }
  pcm.rate = int(format.rate);
  pcm.channels = format.channels;
  return true;
}

// Whether bytes are whole Ogg pages back to back, the last one closing its
// stream. libvorbisfile happily plays what it can of a file that was cut
// short; a cut file is damage, so it is refused here first.
bool WholeOggPages(const std::string& bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t size = bytes.size();
  size_t at = 0;
  bool closed = false;
  while (at < size) {
    if (size - at < 27 || std::memcmp(p + at, "OggS", 4) != 0 || p[at + 4] != 0) return false;
    const size_t segments = p[at + 26];
    if (size - at - 27 < segments) return false;
    size_t body = 0;
    for (size_t i = 0; i < segments; ++i) body += p[at + 27 + i];
    if (size - at - 27 - segments < body) return false;
    closed = (p[at + 5] & 0x04) != 0;
    at += 27 + segments + body;
  }
  return closed;
}

bool DecodeOgg(const std::string& bytes, PcmData& pcm) {
  pcm = PcmData{};
  if (!WholeOggPages(bytes)) return false;
  MemoryReader reader{&bytes, 0};
  ov_callbacks callbacks{ReadMemory, SeekMemory, nullptr, TellMemory};
  OggVorbis_File vf;
  if (ov_open_callbacks(&reader, &vf, nullptr, 0, callbacks) != 0) return false;

  bool ok = false;
  const vorbis_info* info = ov_info(&vf, -1);
  if (info && (info->channels == 1 || info->channels == 2) && info->rate >= long(kMinRate) &&
      info->rate <= long(kMaxRate)) {
    const int channels = info->channels;
    const long rate = info->rate;
    const int bigEndian = std::endian::native == std::endian::big ? 1 : 0;
    std::vector<int16_t> samples;
    char buffer[8192];
    int link = 0;
    int holesInARow = 0;
    ok = true;
    for (;;) {
      long got = ov_read(&vf, buffer, sizeof buffer, bigEndian, 2, 1, &link);
      if (got == 0) break;
      // A gap in the stream: what follows still decodes, but a stream that is
      // nothing but gaps is damage, not a sound.
      if (got == OV_HOLE && ++holesInARow < 64) continue;
      if (got < 0) {
        ok = false;
        break;
      }
      holesInARow = 0;
      // A chained stream that changes shape midway cannot be one sound.
      const vorbis_info* now = ov_info(&vf, link);
      if (!now || now->channels != channels || now->rate != rate) {
        ok = false;
        break;
      }
      size_t first = samples.size();
      samples.resize(first + size_t(got) / 2);
      std::memcpy(samples.data() + first, buffer, size_t(got) / 2 * 2);
    }
    if (ok) {
      pcm.rate = int(rate);
      pcm.channels = channels;
      pcm.samples = std::move(samples);
      // A stereo stream always yields whole frames; drop a stray half if not.
      pcm.samples.resize(size_t(pcm.Frames()) * size_t(channels));
    }
  }
  ov_clear(&vf);
  return ok;
}

bool DecodeSound(const std::string& bytes, PcmData& pcm) {
  if (bytes.compare(0, 4, "RIFF") == 0) return DecodeWav(bytes, pcm);
  if (bytes.compare(0, 4, "OggS") == 0) return DecodeOgg(bytes, pcm);
  pcm = PcmData{};
  return false;
}

}  // namespace platform
