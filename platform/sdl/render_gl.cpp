// render_gl.cpp - the 2D drawing calls of platform.h on OpenGL.
//
// Screens draw in a logical resolution (SetLogicalSize) that is scaled to the
// window with its aspect kept: the picture fills the window's width or its
// height and the rest is black bars (the letterbox). The pointer is mapped
// back through the same rectangle (WindowToLogical).
//
// Every draw call becomes quads in the batch (gl_batch.h), transformed on the
// CPU by the current draw state: images and text are scaled and rotated
// about their pivot (an image's centre, the top-left corner of a text,
// rectangle or oval), lines have their far end transformed about their start.
// Images and glyphs come from the atlases (gl_atlas.h); an image frame's quad
// covers only its visible box, placed where that box lies in the whole cell.
//
// Needs from the window side (sdl/window.cpp): a current OpenGL 3.0 or later
// context, compatibility or core, before RendererOpen; RendererFlush before
// every buffer swap; RendererResize when the drawable changes size.
#include <algorithm>  // Required for: std::min, std::max, std::clamp
#include <cmath>      // Required for: std::lround, std::sqrt, std::cos, std::sin

#include "platform/common/draw_state.h"   // Required for: gDrawState, CurrentLinearMap
#include "platform/common/font_raster.h"  // Required for: fonts and glyphs
#include "platform/common/image_data.h"   // Required for: images
#include "platform/sdl/gl_api.h"          // Required for: clearing and reading pixels
#include "platform/sdl/gl_atlas.h"        // Required for: image and font textures
#include "platform/sdl/gl_batch.h"        // Required for: the quad batch
#include "platform/sdl/sdl_internal.h"    // Required for: the seam with window.cpp

namespace platform {

namespace {

struct View {
  bool open = false;
  int windowWidth = 0, windowHeight = 0;
  int logicalWidth = 0, logicalHeight = 0;  // 0: the window's size
  // The letterboxed picture inside the window, in window pixels (top-left origin).
  int left = 0, top = 0, width = 1, height = 1;
};
View view;

int LogicalWidth() { return view.logicalWidth > 0 ? view.logicalWidth : view.windowWidth; }
int LogicalHeight() { return view.logicalHeight > 0 ? view.logicalHeight : view.windowHeight; }

void UpdateViewport() {
  const int lw = std::max(LogicalWidth(), 1), lh = std::max(LogicalHeight(), 1);
  const int ww = std::max(view.windowWidth, 1), wh = std::max(view.windowHeight, 1);
  if (int64_t(ww) * lh >= int64_t(wh) * lw) {  // window wider than the picture: bars left and right
    view.height = wh;
    view.width = int(std::lround(double(wh) * lw / lh));
  } else {
    view.width = ww;
    view.height = int(std::lround(double(ww) * lh / lw));
  }
  view.left = (ww - view.width) / 2;
  view.top = (wh - view.height) / 2;
  if (!view.open) return;
  sdl::BatchFlush();
  glViewport(view.left, wh - view.top - view.height, view.width, view.height);
  sdl::BatchSetLogicalSize(lw, lh);
}

inline void PutVertex(sdl::BatchVertex& v, float x, float y, float u, float t, uint32_t c) {
  v.x = x;
  v.y = y;
  v.u = u;
  v.v = t;
  v.colour = c;
}

// A shape quad: local corners (l, t)-(r, b) about the pivot (px, py).
void ShapeQuad(float px, float py, float l, float t, float r, float b) {
  const LinearMap m = CurrentLinearMap();
  sdl::BatchVertex* v = sdl::ReserveShapeQuad(gDrawState.blend);
  const float u = sdl::gBatch.whiteU, w = sdl::gBatch.whiteV;
  const uint32_t c = gDrawState.packedColour;
  PutVertex(v[0], px + l * m.ux + t * m.vx, py + l * m.uy + t * m.vy, u, w, c);
  PutVertex(v[1], px + r * m.ux + t * m.vx, py + r * m.uy + t * m.vy, u, w, c);
  PutVertex(v[2], px + r * m.ux + b * m.vx, py + r * m.uy + b * m.vy, u, w, c);
  PutVertex(v[3], px + l * m.ux + b * m.vx, py + l * m.uy + b * m.vy, u, w, c);
}

}  // namespace

// --- Seam with window.cpp ----------------------------------------------------

namespace sdl {

bool RendererOpen(int windowWidth, int windowHeight) {
  view.open = false;
  view.windowWidth = windowWidth;
  view.windowHeight = windowHeight;
  if (!BatchOpen()) return false;
  AtlasOpen();
  view.open = true;
  UpdateViewport();
  glClearColor(0, 0, 0, 1);
  return true;
}

void RendererClose() {
  if (view.open) {
    BatchFlush();
    ReleaseFont(*BuiltinFont());
    AtlasClose();
  }
  BatchClose();
  view.open = false;
}

void RendererFlush() {
  if (!view.open) return;
  BatchFlush();
  gBatch.lastFrameDrawCalls = gBatch.drawCalls;
  gBatch.drawCalls = 0;
}

void RendererResize(int windowWidth, int windowHeight) {
  view.windowWidth = windowWidth;
  view.windowHeight = windowHeight;
  UpdateViewport();
}

void WindowToLogical(float wx, float wy, float& lx, float& ly) {
  lx = (wx - float(view.left)) * float(LogicalWidth()) / float(std::max(view.width, 1));
  ly = (wy - float(view.top)) * float(LogicalHeight()) / float(std::max(view.height, 1));
}

void LogicalToWindow(float lx, float ly, float& wx, float& wy) {
  wx = float(view.left) + lx * float(view.width) / float(std::max(LogicalWidth(), 1));
  wy = float(view.top) + ly * float(view.height) / float(std::max(LogicalHeight(), 1));
}

}  // namespace sdl

// --- platform.h: the frame ---------------------------------------------------

void SetLogicalSize(int width, int height) {
  view.logicalWidth = std::max(width, 0);
  view.logicalHeight = std::max(height, 0);
  UpdateViewport();
}

void ClearBackBuffer() {
  if (!view.open) return;
  // Whatever is still queued would be cleared away: drop it.
  sdl::gBatch.quads = 0;
  glClear(GL_COLOR_BUFFER_BIT);
}

// --- platform.h: shapes and text ----------------------------------------------

void DrawRect(float x, float y, float w, float h) {
  if (!view.open) return;
  ShapeQuad(x, y, 0, 0, w, h);
}

void DrawOval(float x, float y, float w, float h) {
  if (!view.open) return;
  const LinearMap m = CurrentLinearMap();
  const float rx = w * 0.5f, ry = h * 0.5f;
  // Enough segments that the outline stays smooth on screen at this size.
  const float extent = std::max(std::fabs(rx * gDrawState.scaleX), std::fabs(ry * gDrawState.scaleY));
  const int segments = std::clamp(int(extent * 0.75f) * 2, 12, 128);
  const uint32_t c = gDrawState.packedColour;
  auto at = [&](int i, float& ox, float& oy) {
    const double a = 6.283185307179586 * double(i) / segments;
    const float lx = rx + rx * float(std::cos(a)), ly = ry + ry * float(std::sin(a));
    ox = x + lx * m.ux + ly * m.vx;
    oy = y + lx * m.uy + ly * m.vy;
  };
  const float cx = x + rx * m.ux + ry * m.vx, cy = y + rx * m.uy + ry * m.vy;
  // Each quad is two fan triangles: centre, i, i+1 and i+1, i+2, centre.
  for (int i = 0; i < segments; i += 2) {
    sdl::BatchVertex* v = sdl::ReserveShapeQuad(gDrawState.blend);
    const float u = sdl::gBatch.whiteU, t = sdl::gBatch.whiteV;
    float px, py;
    PutVertex(v[0], cx, cy, u, t, c);
    at(i, px, py);
    PutVertex(v[1], px, py, u, t, c);
    at(i + 1, px, py);
    PutVertex(v[2], px, py, u, t, c);
    at(i + 2, px, py);
    PutVertex(v[3], px, py, u, t, c);
  }
}

void DrawLine(float x1, float y1, float x2, float y2) {
  if (!view.open) return;
  const LinearMap m = CurrentLinearMap();
  const float dx = x2 - x1, dy = y2 - y1;
  const float ex = dx * m.ux + dy * m.vx, ey = dx * m.uy + dy * m.vy;
  // One logical pixel wide, but never thinner than a window pixel.
  const float thickness =
      std::max(1.0f, float(LogicalWidth()) / float(std::max(view.width, 1)));
  const float length = std::sqrt(ex * ex + ey * ey);
  float nx = 0, ny = thickness * 0.5f, ax = 0, ay = 0;
  if (length > 0) {
    nx = -ey / length * thickness * 0.5f;
    ny = ex / length * thickness * 0.5f;
  } else {
    ax = thickness * 0.5f;  // a dot
  }
  sdl::BatchVertex* v = sdl::ReserveShapeQuad(gDrawState.blend);
  const float u = sdl::gBatch.whiteU, t = sdl::gBatch.whiteV;
  const uint32_t c = gDrawState.packedColour;
  PutVertex(v[0], x1 + nx - ax, y1 + ny - ay, u, t, c);
  PutVertex(v[1], x1 + ex + nx + ax, y1 + ey + ny + ay, u, t, c);
  PutVertex(v[2], x1 + ex - nx + ax, y1 + ey - ny + ay, u, t, c);
  PutVertex(v[3], x1 - nx - ax, y1 - ny - ay, u, t, c);
}

void DrawText(const std::string& text, float x, float y) {
  if (!view.open) return;
  Font& font = const_cast<Font&>(ResolveFont(gDrawState.font));
  FontTexture* tex = sdl::FontPlacement(font);
  if (!tex) return;
  const LinearMap m = CurrentLinearMap();
  const uint32_t c = gDrawState.packedColour;
  float pen = 0;
  for (unsigned char ch : text) {
    const Glyph& g = font.glyphs[ch];
    if (g.w > 0 && g.h > 0) {
      const float l = pen + float(g.left), t = float(g.top);
      const float r = l + float(g.w), b = t + float(g.h);
      const float u0 = float(g.x) * tex->invWidth, v0 = float(g.y) * tex->invHeight;
      const float u1 = float(g.x + g.w) * tex->invWidth, v1 = float(g.y + g.h) * tex->invHeight;
      sdl::BatchVertex* v =
          sdl::ReserveQuad(tex->texture, tex->whiteU, tex->whiteV, gDrawState.blend);
      PutVertex(v[0], x + l * m.ux + t * m.vx, y + l * m.uy + t * m.vy, u0, v0, c);
      PutVertex(v[1], x + r * m.ux + t * m.vx, y + r * m.uy + t * m.vy, u1, v0, c);
      PutVertex(v[2], x + r * m.ux + b * m.vx, y + r * m.uy + b * m.vy, u1, v1, c);
      PutVertex(v[3], x + l * m.ux + b * m.vx, y + l * m.uy + b * m.vy, u0, v1, c);
    }
    pen += float(g.advance);
  }
}

Font* LoadFont(const std::string& path, int pixelSize, bool smooth) {
  Font* font = RasteriseFont(path, pixelSize, smooth);
  if (font && view.open) sdl::PlaceFont(*font);
  return font;
}

void UnloadFont(Font* font) {
  if (!font || font == BuiltinFont()) return;
  if (gDrawState.font == font) gDrawState.font = nullptr;
  sdl::ReleaseFont(*font);
  DestroyFontData(font);
}

// --- platform.h: images --------------------------------------------------------

void DrawImage(Image* image, float x, float y, int frame) {
  if (!image || unsigned(frame) >= unsigned(image->frames) || !view.open) return;
  ImageTextures* placed = sdl::ImagePlacement(*image);
  if (!placed) return;
  const AtlasCell& cell = placed->cells[size_t(frame)];
  // Nothing of it could show, in any blend mode. (A transparent draw state is
  // still drawn: it costs what a visible sprite costs, which the calibration
  // relies on.)
  if (cell.empty) return;
  const DrawState& s = gDrawState;
  sdl::BatchVertex* v = sdl::ReserveQuad(cell.texture, cell.whiteU, cell.whiteV, s.blend);
  const float ux = s.cosine * s.scaleX, uy = s.sine * s.scaleX;
  const float vx = -s.sine * s.scaleY, vy = s.cosine * s.scaleY;
  // The trimmed quad lies where its pixels lie in the whole cell.
  const float l = cell.left, t = cell.top, r = cell.right, b = cell.bottom;
  const uint32_t c = s.packedColour;
  PutVertex(v[0], x + l * ux + t * vx, y + l * uy + t * vy, cell.u0, cell.v0, c);
  PutVertex(v[1], x + r * ux + t * vx, y + r * uy + t * vy, cell.u1, cell.v0, c);
  PutVertex(v[2], x + r * ux + b * vx, y + r * uy + b * vy, cell.u1, cell.v1, c);
  PutVertex(v[3], x + l * ux + b * vx, y + l * uy + b * vy, cell.u0, cell.v1, c);
}

Image* LoadImage(const std::string& path, unsigned flags) {
  Image* image = LoadImageData(path, 0, 0, 0, 1, flags);
  if (image && view.open) sdl::PlaceImage(*image);
  return image;
}

Image* LoadStrip(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                 int cellCount, unsigned flags) {
  if (cellWidth <= 0 || cellHeight <= 0) return nullptr;
  Image* image = LoadImageData(path, cellWidth, cellHeight, firstCell, cellCount, flags);
  if (image && view.open) sdl::PlaceImage(*image);
  return image;
}

void UnloadImage(Image* image) {
  if (!image) return;
  sdl::ReleaseImage(*image);
  DestroyImageData(image);
}

// --- platform.h: reading pixels back -------------------------------------------

Pixmap GrabBackBuffer(int x, int y, int width, int height) {
  Pixmap pixmap;
  pixmap.width = std::max(width, 0);
  pixmap.height = std::max(height, 0);
  pixmap.rgba.assign(size_t(pixmap.width) * pixmap.height * 4, 0);
  for (size_t i = 3; i < pixmap.rgba.size(); i += 4) pixmap.rgba[i] = 255;
  if (!view.open || pixmap.rgba.empty()) return pixmap;
  sdl::BatchFlush();
  // Only the part inside the window can be read; the rest stays black.
  const int left = std::max(x, 0), top = std::max(y, 0);
  const int right = std::min(x + width, view.windowWidth);
  const int bottom = std::min(y + height, view.windowHeight);
  if (left >= right || top >= bottom) return pixmap;
  const int w = right - left, h = bottom - top;
  std::vector<uint8_t> rows(size_t(w) * h * 4);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(left, view.windowHeight - bottom, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
  // GL reads bottom row first.
  for (int row = 0; row < h; ++row) {
    const uint8_t* in = rows.data() + size_t(h - 1 - row) * w * 4;
    uint8_t* out = pixmap.rgba.data() + (size_t(top - y + row) * pixmap.width + (left - x)) * 4;
    for (int i = 0; i < w; ++i) {
      out[i * 4 + 0] = in[i * 4 + 0];
      out[i * 4 + 1] = in[i * 4 + 1];
      out[i * 4 + 2] = in[i * 4 + 2];
      out[i * 4 + 3] = 255;
    }
  }
  return pixmap;
}

Image* GrabImage(int x, int y, int width, int height) {
  Image* image = BuildSingleImage(GrabBackBuffer(x, y, width, height), "", kImageFiltered);
  if (image && view.open) sdl::PlaceImage(*image);
  return image;
}

}  // namespace platform
