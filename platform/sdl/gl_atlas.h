// gl_atlas.h - textures for images and fonts.
//
// Image frames are packed into shared atlas pages (2048 x 2048, one set of
// pages for smooth images and one for sharp ones), so sprites of different
// images usually come from one texture and draw in one batch. All frames of
// one load are packed together, in order. A frame wider or taller than
// kLargeCell gets a page of its own (a grabbed screen, a big logo), which
// goes away with its image. Each cell has a one-pixel border that repeats its
// edge pixels, so smooth scaling never samples a neighbour. A page lives
// while any image on it does. Cells are stored whole; only the quads that
// draw them are trimmed.
//
// Fonts get one texture each, made from their coverage atlas.
//
// Placement happens when an image is loaded with a display open, or on its
// first draw otherwise, and again after a new GL context replaces the old one
// (the generation number tells stale placements apart).
#pragma once

#include <cstdint>  // Required for: uint32_t
#include <vector>   // Required for: cells, page lists

#include "platform/common/font_raster.h"  // Required for: Font
#include "platform/common/image_data.h"   // Required for: Image

namespace platform {

// The quad a frame is drawn with: only the part of the cell that can show
// (its visible box, widened by one texel on smooth images, since the filter
// reaches that far), so a sprite's transparent border costs no fill. Its
// corners are offsets from the handle in unscaled pixels; a frame with no
// visible pixel has no quad.
struct AtlasCell {
  unsigned texture = 0;
  bool empty = false;
  float left = 0, top = 0, right = 0, bottom = 0;
  float u0 = 0, v0 = 0, u1 = 0, v1 = 0;
  float whiteU = 0, whiteV = 0;  // the page's solid block
};

struct ImageTextures {
  uint32_t generation = 0;
  std::vector<AtlasCell> cells;  // one per frame
  std::vector<int> pages;        // pages this image holds a share of
};

struct FontTexture {
  uint32_t generation = 0;
  unsigned texture = 0;
  float invWidth = 0, invHeight = 0;
  float whiteU = 0, whiteV = 0;
};

}  // namespace platform

namespace platform::sdl {

constexpr int kAtlasPageSize = 2048;
constexpr int kLargeCell = 510;

extern uint32_t gAtlasGeneration;  // changes with every GL context

void AtlasOpen();   // a new context is current
void AtlasClose();  // deletes every texture; placements become stale

// Up-to-date placement of the image; nullptr when it cannot have one (no
// context, or a frame larger than the GL allows).
ImageTextures* PlaceImage(Image& image);
void ReleaseImage(Image& image);  // gives up its share of its pages
FontTexture* PlaceFont(Font& font);
void ReleaseFont(Font& font);

inline ImageTextures* ImagePlacement(Image& image) {
  ImageTextures* t = image.textures;
  return t && t->generation == gAtlasGeneration ? t : PlaceImage(image);
}
inline FontTexture* FontPlacement(Font& font) {
  FontTexture* t = font.texture;
  return t && t->generation == gAtlasGeneration ? t : PlaceFont(font);
}

}  // namespace platform::sdl
