// font_raster.cpp - FreeType rasterising, glyph atlas packing, text metrics.
//
// A font is rendered once, when it is loaded: every glyph of codes 32..255 at
// the requested pixel size, anti-aliased, packed into one coverage atlas with
// a pixel of clear space around each glyph so filtered (smooth) drawing never
// picks up a neighbour. Metrics are rounded to whole pixels, so text widths
// are integers and the same wherever they are measured.
#include "platform/common/font_raster.h"

#include <ft2build.h>  // Required for: FreeType's configuration
#include FT_FREETYPE_H  // Required for: FT_Face, FT_Load_Char, rendering

#include <algorithm>  // Required for: std::sort, std::max
#include <cstring>    // Required for: std::memcpy

#include "platform/common/draw_state.h"  // Required for: the current font
#include "platform/common/image_data.h"  // Required for: FileNameOf

namespace platform {

namespace {

constexpr int kGap = 1;  // clear pixels around every glyph in the atlas

int RoundedPixels(long f26dot6) { return int((f26dot6 + 32) >> 6); }

}  // namespace

void PackGlyphs(Font& font, const std::vector<GlyphBitmap>& bitmaps) {
  // Shelf packing, tallest first, into a width that keeps the atlas roughly square.
  std::vector<const GlyphBitmap*> order;
  long area = (kSolidBlock + 2 * kGap) * (kSolidBlock + 2 * kGap);
  int widest = kSolidBlock + 2 * kGap;
  for (const GlyphBitmap& g : bitmaps) {
    order.push_back(&g);
    area += long(g.width + kGap) * (g.height + kGap);
    widest = std::max(widest, g.width + 2 * kGap);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const GlyphBitmap* l, const GlyphBitmap* r) { return l->height > r->height; });
  int width = 64;
  while (long(width) * width < area * 5 / 4 && width < 4096) width *= 2;
  width = std::max(width, widest);

  struct Spot {
    const GlyphBitmap* glyph;
    int x, y;
  };
  std::vector<Spot> spots;
  // The solid block comes first, on the first shelf.
  int x = kGap + kSolidBlock + kGap, y = kGap, shelf = kSolidBlock;
  for (const GlyphBitmap* g : order) {
    if (g->width == 0 || g->height == 0) {
      spots.push_back({g, 0, 0});
      continue;
    }
    if (x + g->width + kGap > width) {
      y += shelf + kGap;
      x = kGap;
      shelf = 0;
    }
    spots.push_back({g, x, y});
    x += g->width + kGap;
    shelf = std::max(shelf, g->height);
  }
  font.atlasWidth = width;
  font.atlasHeight = y + shelf + kGap;
  font.coverage.assign(size_t(font.atlasWidth) * font.atlasHeight, 0);
  font.whiteX = kGap;
  font.whiteY = kGap;
  for (int row = 0; row < kSolidBlock; ++row) {
    std::memset(&font.coverage[size_t(kGap + row) * width + kGap], 255, kSolidBlock);
  }
  for (const Spot& s : spots) {
    const GlyphBitmap& g = *s.glyph;
    if (g.code < 0 || g.code > 255) continue;
    Glyph& out = font.glyphs[g.code];
    out = Glyph{s.x, s.y, g.width, g.height, g.left, g.top, g.advance};
    for (int row = 0; row < g.height; ++row) {
      std::memcpy(&font.coverage[size_t(s.y + row) * width + s.x],
                  g.coverage.data() + size_t(row) * g.width, size_t(g.width));
    }
  }
}

Font* RasteriseFont(const std::string& path, int pixelSize, bool smooth) {
  if (pixelSize <= 0 || pixelSize > 1024) return nullptr;
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) return nullptr;
  FT_Face face = nullptr;
  if (FT_New_Face(library, path.c_str(), 0, &face) != 0 ||
      FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixelSize)) != 0) {
    if (face) FT_Done_Face(face);
    FT_Done_FreeType(library);
    return nullptr;
  }
  const int ascender = RoundedPixels(face->size->metrics.ascender);
  Font* font = new Font;
  font->name = FileNameOf(path);
  font->pixelSize = pixelSize;
  font->smooth = smooth;
  font->lineHeight = RoundedPixels(face->size->metrics.height);

  std::vector<GlyphBitmap> bitmaps;
  for (int code = 32; code <= 255; ++code) {
    if (FT_Load_Char(face, FT_ULong(code), FT_LOAD_RENDER) != 0) continue;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    GlyphBitmap g;
    g.code = code;
    g.advance = RoundedPixels(slot->advance.x);
    g.left = slot->bitmap_left;
    g.top = ascender - slot->bitmap_top;
    if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
      g.width = int(bitmap.width);
      g.height = int(bitmap.rows);
      g.coverage.resize(size_t(g.width) * g.height);
      for (int row = 0; row < g.height; ++row) {
        std::memcpy(&g.coverage[size_t(row) * g.width], bitmap.buffer + row * bitmap.pitch,
                    size_t(g.width));
      }
    }
    bitmaps.push_back(std::move(g));
  }
  FT_Done_Face(face);
  FT_Done_FreeType(library);
  PackGlyphs(*font, bitmaps);
  return font;
}

void DestroyFontData(Font* font) {
  if (font && font != BuiltinFont()) delete font;
}

const Font& ResolveFont(const Font* font) { return font ? *font : *BuiltinFont(); }

int MeasureText(const Font& font, const std::string& text) {
  int width = 0;
  for (unsigned char c : text) width += font.glyphs[c].advance;
  return width;
}

int TextWidth(const std::string& text) { return MeasureText(ResolveFont(gDrawState.font), text); }

int TextHeight() { return ResolveFont(gDrawState.font).lineHeight; }

}  // namespace platform
