// gl_batch.h - the one vertex buffer that every quad of a frame goes into.
//
// Draw calls transform their corners on the CPU (scale, rotation, colour and
// alpha already applied) and append four vertices here. The batch is drawn
// with one glDrawElements over a static index buffer (two triangles per quad)
// only when the texture or the blend mode of the next quad differs, when it
// is full, when pixels are read back, and at present. Every quad is texture
// times vertex colour; the blend mode chooses the GL blend function and, for
// solid and shade, a fragment shader of its own.
//
// Every texture the renderer makes holds a small solid white block, and the
// batch remembers where it is in the bound texture: filled rectangles, ovals
// and lines sample that block, so shapes between sprites break no batch.
#pragma once

#include <cstdint>  // Required for: uint32_t

#include "platform/platform.h"  // Required for: Blend

namespace platform::sdl {

struct BatchVertex {
  float x, y;       // logical coordinates
  float u, v;       // texture coordinates
  uint32_t colour;  // bytes r, g, b, a
};

constexpr int kBatchQuads = 32768;  // 20,001 calibration sprites fit in one draw

struct Batch {
  BatchVertex* vertices = nullptr;  // kBatchQuads * 4, owned by gl_batch.cpp
  int quads = 0;
  unsigned texture = 0;
  Blend blend = Blend::Alpha;
  float whiteU = 0, whiteV = 0;  // the solid block in `texture`
  int drawCalls = 0;             // since the last present
  int lastFrameDrawCalls = 0;    // in the frame presented last, for tests and benchmarks
};
extern Batch gBatch;

bool BatchOpen();   // a GL context is current; false when shaders or buffers fail
void BatchClose();  // before the context goes
void BatchFlush();  // draws what is queued
void BatchSetLogicalSize(int width, int height);  // the coordinates the vertices use
void BatchSwitch(unsigned texture, float whiteU, float whiteV, Blend blend);  // flushes first
// Call before deleting a texture: draws what is queued and, if the texture is
// the bound one, binds the plain white texture instead.
void BatchForgetTexture(unsigned texture);

// Four vertices for a quad with this texture, in the current blend mode.
inline BatchVertex* ReserveQuad(unsigned texture, float whiteU, float whiteV, Blend blend) {
  if (texture != gBatch.texture || blend != gBatch.blend || gBatch.quads == kBatchQuads) {
    BatchSwitch(texture, whiteU, whiteV, blend);
  }
  return gBatch.vertices + 4 * gBatch.quads++;
}

// Four vertices for a solid shape: any texture will do, since every texture
// has a white block, so the one bound stays bound.
BatchVertex* ReserveShapeQuad(Blend blend);

}  // namespace platform::sdl
