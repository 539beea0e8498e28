// gl_atlas.cpp - atlas pages, shelf packing and texture uploads.
#include "platform/sdl/gl_atlas.h"

#include <algorithm>  // Required for: std::find, std::min, std::max, std::clamp

#include "platform/sdl/gl_api.h"    // Required for: textures
#include "platform/sdl/gl_batch.h"  // Required for: forgetting deleted textures

namespace platform::sdl {

uint32_t gAtlasGeneration = 1;

namespace {

constexpr int kWhiteArea = 6;  // the 4 x 4 solid block and its border

struct Shelf {
  int y = 0, height = 0, x = 0;
};

struct Page {
  GLuint texture = 0;
  int width = 0, height = 0;
  bool filtered = false;
  bool dedicated = false;
  int users = 0;
  std::vector<Shelf> shelves;
  int nextY = 0;
  float whiteU = 0, whiteV = 0;
};

struct Atlas {
  bool open = false;
  std::vector<Page> pages;  // a slot with texture 0 is free
  std::vector<FontTexture*> fonts;
  int maxTextureSize = 0;
};
Atlas atlas;

void UploadWhite(Page& page, int x, int y) {
  const std::vector<uint32_t> white(kWhiteArea * kWhiteArea, 0xFFFFFFFFu);
  glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, kWhiteArea, kWhiteArea, GL_RGBA, GL_UNSIGNED_BYTE,
                  white.data());
  page.whiteU = float(x + kWhiteArea / 2) / float(page.width);
  page.whiteV = float(y + kWhiteArea / 2) / float(page.height);
}

GLuint MakeTexture(int width, int height, bool filtered, const void* pixels) {
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  const GLint filter = filtered ? GL_LINEAR : GL_NEAREST;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
  return texture;
}

int NewPage(int width, int height, bool filtered, bool dedicated) {
  size_t slot = 0;
  while (slot < atlas.pages.size() && atlas.pages[slot].texture) ++slot;
  if (slot == atlas.pages.size()) atlas.pages.emplace_back();
  Page& page = atlas.pages[slot];
  page = Page{};
  page.width = width;
  page.height = height;
  page.filtered = filtered;
  page.dedicated = dedicated;
  page.texture = MakeTexture(width, height, filtered, nullptr);
  if (dedicated) {
    UploadWhite(page, 0, height - kWhiteArea);
  } else {
    UploadWhite(page, 0, 0);
    page.shelves.push_back({0, kWhiteArea, kWhiteArea});
    page.nextY = kWhiteArea;
  }
  // Leave the batch's binding as it was.
  glBindTexture(GL_TEXTURE_2D, gBatch.texture);
  return int(slot);
}

bool Reserve(Page& page, int w, int h, int& x, int& y) {
  Shelf* best = nullptr;
  for (Shelf& s : page.shelves) {
    if (h <= s.height && s.x + w <= page.width && (!best || s.height < best->height)) best = &s;
  }
  if (!best || best->height > h * 2) {
    if (page.nextY + h <= page.height && w <= page.width) {
      page.shelves.push_back({page.nextY, h, 0});
      page.nextY += h;
      best = &page.shelves.back();
    }
  }
  if (!best) return false;
  x = best->x;
  y = best->y;
  best->x += w;
  return true;
}

// Copies one frame into a page at (x, y) with its one-pixel repeated border.
void UploadCell(const Page& page, const Image& image, int frame, int x, int y) {
  const int w = image.width + 2, h = image.height + 2;
  std::vector<uint8_t> padded(size_t(w) * h * 4);
  const uint8_t* src = FramePixels(image, frame);
  for (int py = 0; py < h; ++py) {
    const int sy = std::clamp(py - 1, 0, image.height - 1);
    for (int px = 0; px < w; ++px) {
      const int sx = std::clamp(px - 1, 0, image.width - 1);
      const uint8_t* in = src + (size_t(sy) * image.width + sx) * 4;
      uint8_t* out = &padded[(size_t(py) * w + px) * 4];
      out[0] = in[0];
      out[1] = in[1];
      out[2] = in[2];
      out[3] = in[3];
    }
  }
  glBindTexture(GL_TEXTURE_2D, page.texture);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, w, h, GL_RGBA, GL_UNSIGNED_BYTE, padded.data());
}

// Sets the cell's quad to the frame's visible box, the cell's pixels at
// (cellX, cellY) in the page. On a smooth image a texel still tints the
// screen up to one texel beyond its own square, so the box grows by that
// much, within the cell (past the cell's edge the full quad ends too).
void TrimQuad(const Image& image, int frame, const Page& page, int cellX, int cellY,
              AtlasCell& cell) {
  PixelBox box = image.visibleBoxes[size_t(frame)];
  cell.empty = box.Empty();
  if (cell.empty) return;
  if (image.flags & kImageFiltered) {
    box.left = std::max(box.left - 1, 0);
    box.top = std::max(box.top - 1, 0);
    box.right = std::min(box.right + 1, image.width);
    box.bottom = std::min(box.bottom + 1, image.height);
  }
  cell.left = float(box.left - image.handleX);
  cell.top = float(box.top - image.handleY);
  cell.right = float(box.right - image.handleX);
  cell.bottom = float(box.bottom - image.handleY);
  cell.u0 = float(cellX + box.left) / float(page.width);
  cell.v0 = float(cellY + box.top) / float(page.height);
  cell.u1 = float(cellX + box.right) / float(page.width);
  cell.v1 = float(cellY + box.bottom) / float(page.height);
}

void DropShare(int slot) {
  if (slot < 0 || size_t(slot) >= atlas.pages.size()) return;
  Page& page = atlas.pages[size_t(slot)];
  if (!page.texture || --page.users > 0) return;
  BatchForgetTexture(page.texture);
  glDeleteTextures(1, &page.texture);
  page = Page{};
}

}  // namespace

void AtlasOpen() {
  atlas.open = true;
  ++gAtlasGeneration;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &atlas.maxTextureSize);
}

void AtlasClose() {
  BatchFlush();
  for (Page& page : atlas.pages) {
    if (page.texture) glDeleteTextures(1, &page.texture);
  }
  for (FontTexture* font : atlas.fonts) {
    if (font->texture) glDeleteTextures(1, &font->texture);
    font->texture = 0;
  }
  atlas.pages.clear();
  atlas.fonts.clear();
  atlas.open = false;
  ++gAtlasGeneration;
}

ImageTextures* PlaceImage(Image& image) {
  if (!atlas.open || image.frames <= 0) return nullptr;
  const int w = image.width + 2, h = image.height + 2;
  if (w > atlas.maxTextureSize || h + kWhiteArea > atlas.maxTextureSize) return nullptr;
  ReleaseImage(image);
  BatchFlush();
  ImageTextures* t = new ImageTextures;
  t->generation = gAtlasGeneration;
  t->cells.resize(size_t(image.frames));
  const bool filtered = (image.flags & kImageFiltered) != 0;
  const bool large = image.width > kLargeCell || image.height > kLargeCell;
  int current = -1;
  for (int f = 0; f < image.frames; ++f) {
    int x = 0, y = 0;
    int slot = -1;
    if (large) {
      slot = NewPage(std::max(w, kWhiteArea), h + kWhiteArea, filtered, true);
      x = 0;
      y = 0;
    } else {
      if (current >= 0 && Reserve(atlas.pages[size_t(current)], w, h, x, y)) {
        slot = current;
      } else {
        for (size_t i = 0; i < atlas.pages.size() && slot < 0; ++i) {
          Page& page = atlas.pages[i];
          if (page.texture && !page.dedicated && page.filtered == filtered &&
              Reserve(page, w, h, x, y)) {
            slot = int(i);
          }
        }
        if (slot < 0) {
          slot = NewPage(kAtlasPageSize, kAtlasPageSize, filtered, false);
          Reserve(atlas.pages[size_t(slot)], w, h, x, y);
        }
      }
    }
    current = slot;
    Page& page = atlas.pages[size_t(slot)];
    if (std::find(t->pages.begin(), t->pages.end(), slot) == t->pages.end()) {
      t->pages.push_back(slot);
      ++page.users;
    }
    UploadCell(page, image, f, x, y);
    AtlasCell& cell = t->cells[size_t(f)];
    cell.texture = page.texture;
    cell.whiteU = page.whiteU;
    cell.whiteV = page.whiteV;
    TrimQuad(image, f, page, x + 1, y + 1, cell);
  }
  glBindTexture(GL_TEXTURE_2D, gBatch.texture);
  image.textures = t;
  return t;
}

void ReleaseImage(Image& image) {
  ImageTextures* t = image.textures;
  if (!t) return;
  if (t->generation == gAtlasGeneration) {
    for (int slot : t->pages) DropShare(slot);
  }
  delete t;
  image.textures = nullptr;
}

FontTexture* PlaceFont(Font& font) {
  if (!atlas.open || font.atlasWidth <= 0 || font.atlasHeight <= 0) return nullptr;
  if (font.atlasWidth > atlas.maxTextureSize || font.atlasHeight > atlas.maxTextureSize) {
    return nullptr;
  }
  ReleaseFont(font);
  BatchFlush();
  std::vector<uint8_t> rgba(font.coverage.size() * 4, 255);
  for (size_t i = 0; i < font.coverage.size(); ++i) rgba[i * 4 + 3] = font.coverage[i];
  FontTexture* t = new FontTexture;
  t->generation = gAtlasGeneration;
  t->texture = MakeTexture(font.atlasWidth, font.atlasHeight, font.smooth, rgba.data());
  glBindTexture(GL_TEXTURE_2D, gBatch.texture);
  t->invWidth = 1.0f / float(font.atlasWidth);
  t->invHeight = 1.0f / float(font.atlasHeight);
  t->whiteU = float(font.whiteX + kSolidBlock / 2) * t->invWidth;
  t->whiteV = float(font.whiteY + kSolidBlock / 2) * t->invHeight;
  atlas.fonts.push_back(t);
  font.texture = t;
  return t;
}

void ReleaseFont(Font& font) {
  FontTexture* t = font.texture;
  if (!t) return;
  auto it = std::find(atlas.fonts.begin(), atlas.fonts.end(), t);
  if (it != atlas.fonts.end()) {
    if (t->texture) {
      BatchForgetTexture(t->texture);
      glDeleteTextures(1, &t->texture);
    }
    atlas.fonts.erase(it);
  }
  delete t;
  font.texture = nullptr;
}

}  // namespace platform::sdl
