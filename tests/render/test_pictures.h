// test_pictures.h - pictures made in code for the drawing tests.
//
// Tests draw their own PNG files: a throw-away folder, pixmaps filled by
// rectangles of colour, and a writer that puts them on disk with SavePng.
#pragma once

#include <cstdint>     // Required for: uint8_t
#include <cstdlib>     // Required for: mkdtemp
#include <filesystem>  // Required for: removing the folder
#include <string>      // Required for: paths

#include "platform/platform.h"

namespace render_test {

struct Rgba {
  uint8_t r = 0, g = 0, b = 0, a = 255;
};

class TempFolder {
 public:
  TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "crownlift-render-XXXXXX").string();
    root_ = std::string(mkdtemp(pattern.data())) + "/";
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  std::string Path(const std::string& name) const { return root_ + name; }

 private:
  std::string root_;
};

inline platform::Pixmap Canvas(int width, int height, Rgba fill) {
  platform::Pixmap p;
  p.width = width;
  p.height = height;
  p.rgba.resize(size_t(width) * height * 4);
  for (size_t i = 0; i < p.rgba.size(); i += 4) {
    p.rgba[i] = fill.r;
    p.rgba[i + 1] = fill.g;
    p.rgba[i + 2] = fill.b;
    p.rgba[i + 3] = fill.a;
  }
  return p;
}

inline void Fill(platform::Pixmap& p, int x, int y, int w, int h, Rgba c) {
  for (int py = y; py < y + h; ++py) {
    for (int px = x; px < x + w; ++px) {
      uint8_t* o = &p.rgba[(size_t(py) * p.width + px) * 4];
      o[0] = c.r;
      o[1] = c.g;
      o[2] = c.b;
      o[3] = c.a;
    }
  }
}

inline Rgba PixelAt(const platform::Pixmap& p, int x, int y) {
  const uint8_t* i = &p.rgba[(size_t(y) * p.width + x) * 4];
  return {i[0], i[1], i[2], i[3]};
}

// Writes the pixmap as name in the folder and returns the path.
inline std::string WritePicture(const TempFolder& folder, const std::string& name,
                                const platform::Pixmap& p) {
  const std::string path = folder.Path(name);
  platform::SavePng(p, path, 6);
  return path;
}

}  // namespace render_test
