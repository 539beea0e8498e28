// draw.cpp - the drawing half of the headless backend: a recorder.
//
// Nothing is rasterised. Every draw call is appended to a list with the full
// draw state at that moment, so a test can ask what was drawn where and how;
// each Present (display.cpp) stamps the frame the following draws belong to.
// Images and fonts are loaded with the same common code as the real backend,
// so sizes, frames, masks, text metrics and the overlap test are the real
// ones; only textures are missing. A grabbed back buffer is black.
//
// The logical size is drawing state in both backends, so SetLogicalSize is
// implemented here (display.cpp reads it back through LogicalSize()).
#include <algorithm>  // Required for: std::max

#include "platform/common/draw_state.h"    // Required for: gDrawState
#include "platform/common/font_raster.h"   // Required for: fonts, glyph counts
#include "platform/common/image_data.h"    // Required for: image loading
#include "platform/headless/headless.h"    // Required for: DrawRecord and the record calls
#include "platform/headless/headless_internal.h"  // Required for: the seam with display.cpp

namespace platform {

namespace {

struct Recorder {
  std::vector<headless::DrawRecord> draws;
  bool recording = true;
  int64_t frame = 0;  // the frame the next draw belongs to
  int64_t quads = 0;  // since the last Present
  int logicalWidth = 0, logicalHeight = 0;
};
Recorder recorder;

void Record(headless::DrawRecord::Kind kind, float x, float y, float w, float h, int64_t quads) {
  recorder.quads += quads;
  if (!recorder.recording) return;
  const DrawState& s = gDrawState;
  headless::DrawRecord& d = recorder.draws.emplace_back();
  d.kind = kind;
  d.x = x;
  d.y = y;
  d.w = w;
  d.h = h;
  d.font = s.font;
  d.r = s.r;
  d.g = s.g;
  d.b = s.b;
  d.alpha = s.alpha;
  d.blend = s.blend;
  d.scaleX = s.scaleX;
  d.scaleY = s.scaleY;
  d.rotation = s.rotation;
  d.presented = recorder.frame;
}

}  // namespace

// --- Seam with the rest of the headless backend ------------------------------

namespace headless {

void RecordPresent(int64_t frameIndex) {
  if (recorder.recording) {
    DrawRecord& d = recorder.draws.emplace_back();
    d.kind = DrawRecord::Kind::Present;
    d.presented = frameIndex;
  }
  recorder.frame = frameIndex + 1;
}

int64_t QuadsSinceLastPresent() {
  const int64_t quads = recorder.quads;
  recorder.quads = 0;
  return quads;
}

void ResetDraws() {
  recorder = Recorder{};
  ResetDrawStateToDefaults();
}

void LogicalSize(int& width, int& height) {
  width = recorder.logicalWidth;
  height = recorder.logicalHeight;
}

const std::vector<DrawRecord>& Draws() { return recorder.draws; }

std::vector<DrawRecord> DrawsOfLastFrame() {
  const std::vector<DrawRecord>& all = recorder.draws;
  int last = -1, previous = -1;
  for (int i = int(all.size()) - 1; i >= 0; --i) {
    if (all[size_t(i)].kind != DrawRecord::Kind::Present) continue;
    if (last < 0) {
      last = i;
    } else {
      previous = i;
      break;
    }
  }
  if (last < 0) return {};
  return std::vector<DrawRecord>(all.begin() + (previous + 1), all.begin() + last);
}

void ClearDraws() { recorder.draws.clear(); }

void SetRecordDraws(bool on) { recorder.recording = on; }

}  // namespace headless

// --- platform.h --------------------------------------------------------------

void SetLogicalSize(int width, int height) {
  recorder.logicalWidth = width;
  recorder.logicalHeight = height;
}

void ClearBackBuffer() { Record(headless::DrawRecord::Kind::Clear, 0, 0, 0, 0, 0); }

void DrawRect(float x, float y, float w, float h) {
  Record(headless::DrawRecord::Kind::Rect, x, y, w, h, 1);
}

void DrawOval(float x, float y, float w, float h) {
  Record(headless::DrawRecord::Kind::Oval, x, y, w, h, 1);
}

void DrawLine(float x1, float y1, float x2, float y2) {
  Record(headless::DrawRecord::Kind::Line, x1, y1, x2, y2, 1);
}

void DrawText(const std::string& text, float x, float y) {
  const Font& font = ResolveFont(gDrawState.font);
  int64_t glyphs = 0;
  for (unsigned char c : text) glyphs += font.glyphs[c].w > 0 ? 1 : 0;
  Record(headless::DrawRecord::Kind::Text, x, y, float(MeasureText(font, text)),
         float(font.lineHeight), glyphs);
  if (recorder.recording) recorder.draws.back().text = text;
}

void DrawImage(Image* image, float x, float y, int frame) {
  if (!image || frame < 0 || frame >= image->frames) return;
  Record(headless::DrawRecord::Kind::Image, x, y, float(image->width), float(image->height), 1);
  if (!recorder.recording) return;
  headless::DrawRecord& d = recorder.draws.back();
  d.text = image->name;
  d.frame = frame;
  d.image = image;
}

Font* LoadFont(const std::string& path, int pixelSize, bool smooth) {
  return RasteriseFont(path, pixelSize, smooth);
}

void UnloadFont(Font* font) {
  if (!font || font == BuiltinFont()) return;
  if (gDrawState.font == font) gDrawState.font = nullptr;
  DestroyFontData(font);
}

Image* LoadImage(const std::string& path, unsigned flags) {
  return LoadImageData(path, 0, 0, 0, 1, flags);
}

Image* LoadStrip(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                 int cellCount, unsigned flags) {
  if (cellWidth <= 0 || cellHeight <= 0) return nullptr;
  return LoadImageData(path, cellWidth, cellHeight, firstCell, cellCount, flags);
}

void UnloadImage(Image* image) { DestroyImageData(image); }

Pixmap GrabBackBuffer(int x, int y, int width, int height) {
  Pixmap pixmap;
  pixmap.width = std::max(width, 0);
  pixmap.height = std::max(height, 0);
  pixmap.rgba.assign(size_t(pixmap.width) * pixmap.height * 4, 0);
  for (size_t i = 3; i < pixmap.rgba.size(); i += 4) pixmap.rgba[i] = 255;
  return pixmap;
}

Image* GrabImage(int x, int y, int width, int height) {
  return BuildSingleImage(GrabBackBuffer(x, y, width, height), "", kImageFiltered);
}

}  // namespace platform
