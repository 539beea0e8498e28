// image_data.h - what an image is, independent of where it is drawn.
//
// An Image is one picture or an animation strip of equal cells. Both
// backends build it here from a PNG: the cells are cut from the sheet left to
// right, top to bottom, starting at the first cell asked for; a masked load
// turns pure black (0, 0, 0) transparent; each frame gets a bit mask of its
// opaque pixels for the overlap test and the box of its visible pixels, so a
// renderer need not spend fill on a frame's transparent border; the handle
// sits at the centre (integer halving, so a 33-pixel-wide frame has its
// handle at x = 16).
//
// The pixels stay in memory after loading: the real renderer packs them into
// its texture atlases when it first needs them and again whenever a new
// OpenGL context replaces the old one. What the renderer keeps about an image
// hangs off `textures`, a type only it defines (the headless backend leaves it
// empty).
//
// Also here: LoadPng and SavePng of platform.h, on libpng.
#pragma once

#include <cstdint>  // Required for: uint8_t, uint64_t
#include <string>   // Required for: file names
#include <vector>   // Required for: pixel and mask storage

#include "platform/platform.h"  // Required for: Image, Pixmap, ImageFlags

namespace platform {

struct ImageTextures;  // the real renderer's atlas placement of an image

// A pixel counts as opaque for the overlap test from this alpha on.
constexpr uint8_t kOpaqueAlpha = 128;

// A rectangle of a frame's pixels: columns left..right - 1, rows top..bottom - 1.
struct PixelBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Empty() const { return right <= left || bottom <= top; }
};

struct Image {
  std::string name;  // file name as loaded (without folders); "" for grabbed pictures
  int width = 0, height = 0;  // one cell
  int frames = 0;
  unsigned flags = 0;
  int handleX = 0, handleY = 0;  // the centre, integer halves
  // Frame after frame, each height rows of width RGBA pixels, top row first.
  std::vector<uint8_t> pixels;
  // Frame after frame, each height rows of maskWords 64-bit words; bit
  // (x % 64) of word (x / 64) is set when pixel x of that row is opaque.
  int maskWords = 0;
  std::vector<uint64_t> masks;
  // One per frame: the tight box round the pixels that are not fully
  // transparent (alpha above 0, after the mask colour); empty when there are none.
  std::vector<PixelBox> visibleBoxes;
  ImageTextures* textures = nullptr;
};

inline const uint8_t* FramePixels(const Image& image, int frame) {
  return image.pixels.data() + size_t(frame) * image.width * image.height * 4;
}
inline const uint64_t* MaskRow(const Image& image, int frame, int y) {
  return image.masks.data() + (size_t(frame) * image.height + y) * image.maskWords;
}
inline bool MaskBit(const Image& image, int frame, int x, int y) {
  return (MaskRow(image, frame, y)[x >> 6] >> (x & 63)) & 1u;
}

// Cuts cellCount cells of cellWidth x cellHeight from sheet, starting at
// firstCell; nullptr when the sheet holds too few cells or a size is not
// positive. A cellCount of 0 or less takes every cell from firstCell on.
Image* BuildImage(const Pixmap& sheet, const std::string& name, int cellWidth, int cellHeight,
                  int firstCell, int cellCount, unsigned flags);
// The whole picture as one frame.
Image* BuildSingleImage(const Pixmap& picture, const std::string& name, unsigned flags);
// Reads a PNG file and cuts it as above; nullptr when the file is missing or
// not a readable PNG. cellWidth 0 means the whole picture as one frame.
Image* LoadImageData(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                     int cellCount, unsigned flags);
// Frees the pixels and masks; the backend releases `textures` first.
void DestroyImageData(Image* image);

std::string FileNameOf(const std::string& path);

}  // namespace platform
