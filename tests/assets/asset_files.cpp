// Asset files: see asset_files.h.
#include "asset_files.h"

#include <png.h>               // Required for: png_image (simplified reading API)
#include <unistd.h>            // Required for: getpid (unique temp folders)
#include <vorbis/vorbisfile.h> // Required for: ov_fopen, ov_read_float

#include <cstring>     // Required for: std::memcmp
#include <filesystem>  // Required for: temp_directory_path, create_directories
#include <fstream>     // Required for: std::ifstream

namespace assettest {
namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint16_t U16(const std::vector<uint8_t>& b, size_t at) {
  return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

}  // namespace

std::string FilesDir() { return CROWNLIFT_FILES_DIR; }
std::string GeneratorPath() { return CROWNLIFT_ASSETGEN; }

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
}

Png ReadPng(const std::string& path) {
  Png out;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return out;
  image.format = PNG_FORMAT_RGBA;
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  out.rgba.resize(PNG_IMAGE_SIZE(image));
  out.ok = png_image_finish_read(&image, nullptr, out.rgba.data(), 0, nullptr) != 0;
  png_image_free(&image);
  return out;
}

int OpaqueCount(const Png& png, int x, int y, int w, int h) {
  int n = 0;
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) n += png.At(i, j)[3] > 0;
  return n;
}

Wav ReadWav(const std::string& path) {
  Wav out;
  std::vector<uint8_t> b = ReadBytes(path);
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 ||
      std::memcmp(b.data() + 8, "WAVE", 4) != 0) {
    return out;
  }
  bool haveFormat = false, haveData = false;
  for (size_t at = 12; at + 8 <= b.size();) {
    uint32_t size = U32(b, at + 4);
    size_t body = at + 8;
    if (body + size > b.size()) return out;
    if (std::memcmp(b.data() + at, "fmt ", 4) == 0 && size >= 16) {
      out.format = U16(b, body);
      out.channels = U16(b, body + 2);
      out.rate = static_cast<int>(U32(b, body + 4));
      out.bits = U16(b, body + 14);
      haveFormat = true;
    } else if (std::memcmp(b.data() + at, "data", 4) == 0) {
      if (haveFormat && out.format == 1 && out.bits == 16) {
        for (size_t i = 0; i + 1 < size; i += 2) {
          out.samples.push_back(static_cast<int16_t>(U16(b, body + i)));
        }
      }
      haveData = true;
    }
    at = body + size + (size & 1);
  }
  out.ok = haveFormat && haveData;
  return out;
}

Ogg DecodeOgg(const std::string& path) {
  Ogg out;
  OggVorbis_File vf;
  if (ov_fopen(path.c_str(), &vf) != 0) return out;
  vorbis_info* info = ov_info(&vf, -1);
  out.channels = info->channels;
  out.rate = info->rate;
  int section = 0;
  for (;;) {
    float** pcm = nullptr;
    long n = ov_read_float(&vf, &pcm, 4096, &section);
    if (n < 0) {
      ov_clear(&vf);
      return out;
    }
    if (n == 0) break;
    out.samples.insert(out.samples.end(), pcm[0], pcm[0] + n);
  }
  ov_clear(&vf);
  out.ok = true;
  return out;
}

std::string MakeTempDir(const std::string& stem) {
  static int counter = 0;
  std::filesystem::path dir = std::filesystem::temp_directory_path() /
                              (stem + "-" + std::to_string(getpid()) + "-" +
                               std::to_string(counter++));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir.string();
}

}  // namespace assettest
