// font_raster.h - fonts rasterised once into a glyph atlas, and text metrics.
//
// A Font is a TrueType face rendered by FreeType at one pixel size into a
// single coverage atlas holding the glyphs of character codes 32..255 (text
// is one byte per character, read as Latin-1). Text is laid out by advances
// only; the width of a text is the sum of its advances, and the height of a
// font is its line height. The built-in font (builtin_font.cpp) has the same
// shape, built from a small bitmap drawn in code, and is what a missing font
// file or SetFont(nullptr) gives. Both backends measure text here, so the
// tests measure what the player sees.
//
// Each atlas keeps a small solid block (whiteX, whiteY; 4 x 4 pixels) so the
// renderer can draw filled shapes with the font's texture still bound.
#pragma once

#include <cstdint>  // Required for: uint8_t
#include <string>   // Required for: file names, texts
#include <vector>   // Required for: the atlas

#include "platform/platform.h"  // Required for: Font

namespace platform {

struct FontTexture;  // the real renderer's texture of a font's atlas

struct Glyph {
  int x = 0, y = 0, w = 0, h = 0;  // rectangle in the atlas (w or h 0: nothing to draw)
  int left = 0;                    // from the pen to the bitmap's left edge
  int top = 0;                     // from the line's top to the bitmap's top edge
  int advance = 0;                 // pen movement
};

struct Font {
  std::string name;  // file name as loaded; "built-in" for the built-in font
  int pixelSize = 0;
  bool smooth = true;  // filtered when drawn scaled
  int lineHeight = 0;
  Glyph glyphs[256];
  int atlasWidth = 0, atlasHeight = 0;
  std::vector<uint8_t> coverage;  // atlasWidth x atlasHeight, top row first
  int whiteX = 0, whiteY = 0;
  FontTexture* texture = nullptr;
};

constexpr int kSolidBlock = 4;  // side of the solid block in every atlas

// nullptr when the file is missing or FreeType cannot use it.
Font* RasteriseFont(const std::string& path, int pixelSize, bool smooth);
void DestroyFontData(Font* font);  // the backend releases `texture` first
Font* BuiltinFont();               // made on first use, lives until the process ends
const Font& ResolveFont(const Font* font);  // nullptr -> the built-in font

int MeasureText(const Font& font, const std::string& text);

// Used by the built-in font: packs glyph bitmaps into the font's atlas.
struct GlyphBitmap {
  int code = 0;
  int width = 0, height = 0;
  std::vector<uint8_t> coverage;
  int left = 0, top = 0, advance = 0;
};
void PackGlyphs(Font& font, const std::vector<GlyphBitmap>& bitmaps);

}  // namespace platform
