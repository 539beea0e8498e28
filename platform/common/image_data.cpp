// image_data.cpp - PNG reading and writing, cutting sheets into frames, masks.
//
// Reading uses libpng's simplified interface, which turns every PNG colour
// type and depth into 8-bit RGBA. Writing uses the classic interface because
// only it takes a compression level (screenshots are written at level 9).
#include "platform/common/image_data.h"

#include <png.h>  // Required for: reading and writing PNG files

#include <algorithm>  // Required for: std::min, std::max
#include <csetjmp>    // Required for: libpng's error return (setjmp)
#include <cstdio>     // Required for: FILE for the PNG writer
#include <cstring>    // Required for: std::memcpy

namespace platform {

bool LoadPng(const std::string& path, Pixmap& pixmap) {
  pixmap = Pixmap{};
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str())) return false;
  png.format = PNG_FORMAT_RGBA;
  // Reject sizes whose pixel count would not fit comfortably in memory.
  if (png.width == 0 || png.height == 0 || png.width > 16384 || png.height > 16384) {
    png_image_free(&png);
    return false;
  }
  std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(png));
  if (!png_image_finish_read(&png, nullptr, rgba.data(), 0, nullptr)) {
    png_image_free(&png);
    return false;
  }
  pixmap.width = int(png.width);
  pixmap.height = int(png.height);
  pixmap.rgba = std::move(rgba);
  return true;
}

namespace {

// The classic writer reports errors by longjmp; nothing with a destructor may
// live in this function's frame between setjmp and the end.
bool WritePngFile(FILE* file, const Pixmap& pixmap, int level, const png_bytep* rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_compression_level(png, level);
  png_set_IHDR(png, info, png_uint_32(pixmap.width), png_uint_32(pixmap.height), 8,
               PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, const_cast<png_bytepp>(rows));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool SavePng(const Pixmap& pixmap, const std::string& path, int compressionLevel) {
  if (pixmap.width <= 0 || pixmap.height <= 0 ||
      pixmap.rgba.size() != size_t(pixmap.width) * pixmap.height * 4) {
    return false;
  }
  const int level = compressionLevel < 0 ? 0 : compressionLevel > 9 ? 9 : compressionLevel;
  std::vector<png_bytep> rows(size_t(pixmap.height));
  for (int y = 0; y < pixmap.height; ++y) {
    rows[size_t(y)] = const_cast<png_bytep>(pixmap.rgba.data() + size_t(y) * pixmap.width * 4);
  }
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = WritePngFile(file, pixmap, level, rows.data());
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    std::remove(path.c_str());
    return false;
  }
  return true;
}

std::string FileNameOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

namespace {

void BuildMasks(Image& image) {
  image.maskWords = (image.width + 63) / 64;
  image.masks.assign(size_t(image.frames) * image.height * image.maskWords, 0);
  for (int f = 0; f < image.frames; ++f) {
    const uint8_t* px = FramePixels(image, f);
    for (int y = 0; y < image.height; ++y) {
      uint64_t* row = image.masks.data() + (size_t(f) * image.height + y) * image.maskWords;
      for (int x = 0; x < image.width; ++x) {
        if (px[(size_t(y) * image.width + x) * 4 + 3] >= kOpaqueAlpha) {
          row[x >> 6] |= uint64_t(1) << (x & 63);
        }
      }
    }
  }
}

void FindVisibleBoxes(Image& image) {
  image.visibleBoxes.assign(size_t(image.frames), PixelBox{});
  for (int f = 0; f < image.frames; ++f) {
    const uint8_t* px = FramePixels(image, f);
    PixelBox box{image.width, image.height, 0, 0};
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        if (px[(size_t(y) * image.width + x) * 4 + 3] == 0) continue;
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x + 1);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y + 1);
      }
    }
    if (!box.Empty()) image.visibleBoxes[size_t(f)] = box;
  }
}

void ApplyMaskColour(Image& image) {
  for (size_t i = 0; i + 3 < image.pixels.size(); i += 4) {
    uint8_t* p = &image.pixels[i];
    if (p[0] == 0 && p[1] == 0 && p[2] == 0) p[3] = 0;
  }
}

}  // namespace

Image* BuildImage(const Pixmap& sheet, const std::string& name, int cellWidth, int cellHeight,
                  int firstCell, int cellCount, unsigned flags) {
  if (cellWidth <= 0 || cellHeight <= 0 || firstCell < 0) return nullptr;
  if (sheet.rgba.size() != size_t(sheet.width) * sheet.height * 4) return nullptr;
  const int across = sheet.width / cellWidth;
  const int down = sheet.height / cellHeight;
  const int available = across * down - firstCell;
  if (across <= 0 || down <= 0 || available <= 0) return nullptr;
  if (cellCount <= 0) cellCount = available;
  if (cellCount > available) return nullptr;

  Image* image = new Image;
  image->name = name;
  image->width = cellWidth;
  image->height = cellHeight;
  image->frames = cellCount;
  image->flags = flags;
  image->handleX = cellWidth / 2;
  image->handleY = cellHeight / 2;
  image->pixels.resize(size_t(cellCount) * cellWidth * cellHeight * 4);
  const size_t rowBytes = size_t(cellWidth) * 4;
  for (int f = 0; f < cellCount; ++f) {
    const int cell = firstCell + f;
    const int left = (cell % across) * cellWidth;
    const int top = (cell / across) * cellHeight;
    uint8_t* out = image->pixels.data() + size_t(f) * cellWidth * cellHeight * 4;
    for (int y = 0; y < cellHeight; ++y) {
      std::memcpy(out + y * rowBytes,
                  sheet.rgba.data() + (size_t(top + y) * sheet.width + left) * 4, rowBytes);
    }
  }
  if (flags & kImageMasked) ApplyMaskColour(*image);
  BuildMasks(*image);
  FindVisibleBoxes(*image);
  return image;
}

Image* BuildSingleImage(const Pixmap& picture, const std::string& name, unsigned flags) {
  return BuildImage(picture, name, picture.width, picture.height, 0, 1, flags);
}

Image* LoadImageData(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                     int cellCount, unsigned flags) {
  Pixmap sheet;
  if (!LoadPng(path, sheet)) return nullptr;
  if (cellWidth <= 0) return BuildSingleImage(sheet, FileNameOf(path), flags);
  return BuildImage(sheet, FileNameOf(path), cellWidth, cellHeight, firstCell, cellCount, flags);
}

void DestroyImageData(Image* image) { delete image; }

int ImageWidth(const Image* image) { return image ? image->width : 0; }
int ImageHeight(const Image* image) { return image ? image->height : 0; }
int ImageFrames(const Image* image) { return image ? image->frames : 0; }

}  // namespace platform
