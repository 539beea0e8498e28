// Writers: PNG through libpng, WAV by hand, Ogg Vorbis through libvorbisenc.
#include "writers.h"

#include <png.h>                // Required for: png_create_write_struct, png_write_*
#include <vorbis/vorbisenc.h>   // Required for: vorbis_encode_init_vbr, vorbis_analysis*

#include <algorithm>  // Required for: std::clamp
#include <cmath>      // Required for: std::lround
#include <csetjmp>    // Required for: setjmp (libpng error handling)
#include <cstdio>     // Required for: FILE, fopen, fwrite

namespace assetgen {
namespace {

// Any fixed number: the Ogg stream serial is part of every page.
constexpr int kOggSerial = 0x0C20270F;

struct File {
  FILE* f = nullptr;
  explicit File(const std::string& path) : f(std::fopen(path.c_str(), "wb")) {}
  ~File() {
    if (f) std::fclose(f);
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
};

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void PutU16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void PutTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

bool WritePages(FILE* f, ogg_stream_state& os, bool flush) {
  ogg_page page;
  while (flush ? ogg_stream_flush(&os, &page) : ogg_stream_pageout(&os, &page)) {
    if (std::fwrite(page.header, 1, page.header_len, f) != static_cast<size_t>(page.header_len))
      return false;
    if (std::fwrite(page.body, 1, page.body_len, f) != static_cast<size_t>(page.body_len))
      return false;
  }
  return true;
}

}  // namespace

bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba) {
  File file(path);
  if (!file.f) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return false;
  }
  png_init_io(png, file.f);
  png_set_compression_level(png, 9);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y) {
    png_write_row(png, rgba.data() + static_cast<size_t>(y) * width * 4);
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

bool WriteWav(const std::string& path, const std::vector<float>& samples) {
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
  std::vector<uint8_t> out;
  PutTag(out, "RIFF");
  PutU32(out, 36 + dataBytes);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutU32(out, 16);
  PutU16(out, 1);  // PCM
  PutU16(out, 1);  // mono
  PutU32(out, kSampleRate);
  PutU32(out, kSampleRate * 2);
  PutU16(out, 2);
  PutU16(out, 16);
  PutTag(out, "data");
  PutU32(out, dataBytes);
  for (float s : samples) {
    long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
    PutU16(out, static_cast<uint16_t>(static_cast<int16_t>(v)));
  }
  File file(path);
  return file.f && std::fwrite(out.data(), 1, out.size(), file.f) == out.size();
}

bool WriteOgg(const std::string& path, const std::vector<float>& samples) {
  File file(path);
  if (!file.f) return false;
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, 1, kSampleRate, 0.5f) != 0) {
    vorbis_info_clear(&vi);
    return false;
  }
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_comment_add_tag(&vc, "TITLE", "Crownlift start-up");
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, kOggSerial);

  ogg_packet header, comment, code;
  vorbis_analysis_headerout(&vd, &vc, &header, &comment, &code);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &comment);
  ogg_stream_packetin(&os, &code);
  bool ok = WritePages(file.f, os, true);  // audio starts on a fresh page

  // Feed the samples in chunks; a final call with 0 samples ends the stream.
  const size_t kChunk = 1024;
  size_t pos = 0;
  while (ok) {
    size_t n = std::min(kChunk, samples.size() - pos);
    if (n > 0) {
      float** buffer = vorbis_analysis_buffer(&vd, static_cast<int>(n));
      for (size_t i = 0; i < n; ++i) buffer[0][i] = samples[pos + i];
    }
    vorbis_analysis_wrote(&vd, static_cast<int>(n));
    pos += n;
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&vd, &packet)) {
        ogg_stream_packetin(&os, &packet);
        ok = ok && WritePages(file.f, os, false);
      }
    }
    if (n == 0) break;
  }
  ok = ok && WritePages(file.f, os, true);

  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return ok;
}

}  // namespace assetgen
