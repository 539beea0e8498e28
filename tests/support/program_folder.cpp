// program_folder.cpp - a throw-away program folder for tests of the whole engine.
#include "tests/support/program_folder.h"

#include <cmath>       // Required for: the test tone
#include <cstdint>     // Required for: sample values
#include <cstdlib>     // Required for: mkdtemp
#include <filesystem>  // Required for: folder creation and removal
#include <fstream>     // Required for: writing and reading files

#include "platform/headless/headless.h"
#include "platform/platform.h"

namespace testing_support {
namespace fs = std::filesystem;

ProgramFolder::ProgramFolder() {
  previous_ = fs::current_path().string();
  std::string pattern = (fs::temp_directory_path() / "crownlift-XXXXXX").string();
  root_ = std::string(mkdtemp(pattern.data())) + "/";
  fs::create_directories(root_ + "Files/Common");
  fs::create_directories(root_ + "Files/270");
  fs::current_path(root_);

  const std::string common = root_ + "Files/Common/";
  const std::string game = root_ + "Files/270/";
  WriteTestImage(common + "icons.png", 128, 128, 16);
  WriteTestImage(common + "logopack.png", 400, 200, 200);
  WriteTestImage(common + "Brasslane.png", 400, 200, 200);
  WriteTestImage(game + "badges.png", 256, 256, 64);
  WriteTestImage(game + "logo.png", 600, 200, 200);
  WriteTestImage(game + "folk.png", 320, 320, 32);
  WriteTestImage(game + "top.png", 320, 64, 64);
  WriteTestImage(game + "bot.png", 320, 32, 32);
  WriteTestImage(game + "stick.png", 8, 64, 8);
  WriteTestImage(game + "wockit.png", 32, 32, 32);
  WriteTestImage(game + "grip.png", 16, 16, 16);
  WriteTestImage(game + "smash.png", 32, 32, 32);
  WriteTestImage(game + "smashb.png", 16, 16, 16);

  platform::Init();
  platform::headless::Reset();
}

ProgramFolder::~ProgramFolder() {
  platform::Shutdown();
  std::error_code ignored;
  fs::current_path(previous_, ignored);
  fs::remove_all(root_, ignored);
}

void ProgramFolder::WriteTestImage(const std::string& path, int width, int height, int cell) {
  platform::Pixmap pixmap;
  pixmap.width = width;
  pixmap.height = height;
  pixmap.rgba.assign(static_cast<size_t>(width) * height * 4, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int cw = cell < width ? cell : width, ch = cell < height ? cell : height;
      const float dx = (x % cw) - cw / 2.0f + 0.5f, dy = (y % ch) - ch / 2.0f + 0.5f;
      const bool inside = dx * dx + dy * dy <= (cw / 2.0f) * (ch / 2.0f);
      uint8_t* p = &pixmap.rgba[(static_cast<size_t>(y) * width + x) * 4];
      p[0] = inside ? 200 : 0;
      p[1] = inside ? 160 : 0;
      p[2] = inside ? 90 : 0;
      p[3] = 255;
    }
  }
  platform::SavePng(pixmap, path, 1);
}

void ProgramFolder::WriteTestWave(const std::string& path, int milliseconds) {
  const int rate = 22050;
  const int frames = rate * milliseconds / 1000;
  std::string data;
  for (int i = 0; i < frames; ++i) {
    const auto s = static_cast<int16_t>(8000 * std::sin(i * 0.05));
    data.push_back(static_cast<char>(s & 0xFF));
    data.push_back(static_cast<char>((s >> 8) & 0xFF));
  }
  auto u32 = [](uint32_t v) {
    return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 24)};
  };
  auto u16 = [](uint16_t v) { return std::string{static_cast<char>(v), static_cast<char>(v >> 8)}; };
  std::string wav = "RIFF" + u32(36 + static_cast<uint32_t>(data.size())) + "WAVE";
  wav += "fmt " + u32(16) + u16(1) + u16(1) + u32(rate) + u32(rate * 2) + u16(2) + u16(16);
  wav += "data" + u32(static_cast<uint32_t>(data.size())) + data;
  std::ofstream(path, std::ios::binary) << wav;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> SplitCrLfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace testing_support
