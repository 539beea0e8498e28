// gl_batch.cpp - the shaders, the buffers and the flush of the quad batch.
//
// Vertices are built in a CPU array and handed to a stream buffer at each
// flush (glBufferData orphans the previous contents, so the driver never
// waits for the GPU to finish with them). Indices never change: they are made
// once for the largest batch. Blend modes:
//   Solid  no blending; the texture's transparent pixels are still cut out
//   Alpha  source over destination by the source alpha
//   Shade  destination multiplied by the source colour (where the source is
//          transparent, the destination is kept)
//   Light  source, weighted by its alpha, added to the destination
#include "platform/sdl/gl_batch.h"

#include <cstddef>  // Required for: offsetof
#include <memory>   // Required for: the vertex array
#include <string>   // Required for: shader source text
#include <vector>   // Required for: indices

#include "platform/sdl/gl_api.h"  // Required for: OpenGL

namespace platform::sdl {

Batch gBatch;

namespace {

enum Mode { kModePlain = 0, kModeSolid = 1, kModeShade = 2, kModes = 3 };

struct Objects {
  std::unique_ptr<BatchVertex[]> vertices;
  // One program per way of combining texel and tint, so the common one (plain:
  // alpha and light blending) runs the shortest fragment shader.
  GLuint programs[kModes] = {0, 0, 0};
  GLint transformSlots[kModes] = {-1, -1, -1};
  GLuint vertexArray = 0, vertexBuffer = 0, indexBuffer = 0, white = 0;
  int logicalWidth = 1, logicalHeight = 1;
};
Objects gl;

const char* kVertexShader = R"(
in vec2 position;
in vec2 texCoord;
in vec4 colour;
uniform vec4 transform;  // logical -> clip space: scale x, scale y, offset x, offset y
out vec2 uv;
out vec4 tint;
void main() {
  uv = texCoord;
  tint = colour;
  gl_Position = vec4(position * transform.xy + transform.zw, 0.0, 1.0);
}
)";

const char* kFragmentShaders[kModes] = {
    // Plain: the tinted texel, blended by the GL blend function.
    R"(
in vec2 uv;
in vec4 tint;
uniform sampler2D atlas;
out vec4 fragColour;
void main() { fragColour = texture(atlas, uv) * tint; }
)",
    // Solid: opaque, but the texture's transparent pixels are still cut out.
    R"(
in vec2 uv;
in vec4 tint;
uniform sampler2D atlas;
out vec4 fragColour;
void main() {
  vec4 texel = texture(atlas, uv);
  if (texel.a < 0.5) discard;
  fragColour = vec4(texel.rgb * tint.rgb, 1.0);
}
)",
    // Shade: a multiplier for the destination, 1 where the source is transparent.
    R"(
in vec2 uv;
in vec4 tint;
uniform sampler2D atlas;
out vec4 fragColour;
void main() {
  vec4 c = texture(atlas, uv) * tint;
  fragColour = vec4(mix(vec3(1.0), c.rgb, c.a), 1.0);
}
)",
};

std::string ShaderHeader() {
  int major = 0, minor = 0;
  glGetIntegerv(GL_MAJOR_VERSION, &major);
  glGetIntegerv(GL_MINOR_VERSION, &minor);
  return major * 10 + minor >= 33 ? "#version 330 core\n" : "#version 130\n";
}

GLuint CompileShader(GLenum kind, const std::string& source) {
  GLuint shader = glCreateShader(kind);
  const char* text = source.c_str();
  glShaderSource(shader, 1, &text, nullptr);
  glCompileShader(shader);
  GLint ok = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (!ok) {
    glDeleteShader(shader);
    return 0;
  }
  return shader;
}

GLuint BuildProgram(const std::string& header, const char* fragmentShader) {
  GLuint vs = CompileShader(GL_VERTEX_SHADER, header + kVertexShader);
  GLuint fs = CompileShader(GL_FRAGMENT_SHADER, header + fragmentShader);
  if (!vs || !fs) {
    if (vs) glDeleteShader(vs);
    if (fs) glDeleteShader(fs);
    return 0;
  }
  GLuint program = glCreateProgram();
  glAttachShader(program, vs);
  glAttachShader(program, fs);
  glBindAttribLocation(program, 0, "position");
  glBindAttribLocation(program, 1, "texCoord");
  glBindAttribLocation(program, 2, "colour");
  glBindFragDataLocation(program, 0, "fragColour");
  glLinkProgram(program);
  glDeleteShader(vs);
  glDeleteShader(fs);
  GLint ok = GL_FALSE;
  glGetProgramiv(program, GL_LINK_STATUS, &ok);
  if (!ok) {
    glDeleteProgram(program);
    return 0;
  }
  glUseProgram(program);
  glUniform1i(glGetUniformLocation(program, "atlas"), 0);
  return program;
}

bool BuildPrograms() {
  const std::string header = ShaderHeader();
  for (int mode = 0; mode < kModes; ++mode) {
    gl.programs[mode] = BuildProgram(header, kFragmentShaders[mode]);
    if (!gl.programs[mode]) return false;
    gl.transformSlots[mode] = glGetUniformLocation(gl.programs[mode], "transform");
  }
  return true;
}

void BuildBuffers() {
  glGenVertexArrays(1, &gl.vertexArray);
  glBindVertexArray(gl.vertexArray);
  glGenBuffers(1, &gl.vertexBuffer);
  glBindBuffer(GL_ARRAY_BUFFER, gl.vertexBuffer);
  glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(sizeof(BatchVertex)) * 4 * kBatchQuads, nullptr,
               GL_STREAM_DRAW);
  const GLsizei stride = sizeof(BatchVertex);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<const void*>(offsetof(BatchVertex, x)));
  glEnableVertexAttribArray(1);
  glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<const void*>(offsetof(BatchVertex, u)));
  glEnableVertexAttribArray(2);
  glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                        reinterpret_cast<const void*>(offsetof(BatchVertex, colour)));

  std::vector<uint32_t> indices(size_t(kBatchQuads) * 6);
  for (uint32_t q = 0; q < uint32_t(kBatchQuads); ++q) {
    const uint32_t first = q * 4;
    const uint32_t quad[6] = {first, first + 1, first + 2, first + 2, first + 3, first};
    for (int i = 0; i < 6; ++i) indices[q * 6 + i] = quad[i];
  }
  glGenBuffers(1, &gl.indexBuffer);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, gl.indexBuffer);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(indices.size() * sizeof(uint32_t)),
               indices.data(), GL_STATIC_DRAW);

  // The texture shapes use when nothing else is bound: all white.
  const uint32_t white[16] = {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu,
                              0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu,
                              0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu,
                              0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};
  glGenTextures(1, &gl.white);
  glBindTexture(GL_TEXTURE_2D, gl.white);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 4, 4, 0, GL_RGBA, GL_UNSIGNED_BYTE, white);
}

void ApplyBlend(Blend blend) {
  switch (blend) {
    case Blend::Solid:
      glDisable(GL_BLEND);
      glUseProgram(gl.programs[kModeSolid]);
      break;
    case Blend::Alpha:
      glEnable(GL_BLEND);
      glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
      glUseProgram(gl.programs[kModePlain]);
      break;
    case Blend::Shade:
      glEnable(GL_BLEND);
      glBlendFunc(GL_DST_COLOR, GL_ZERO);
      glUseProgram(gl.programs[kModeShade]);
      break;
    case Blend::Light:
      glEnable(GL_BLEND);
      glBlendFunc(GL_SRC_ALPHA, GL_ONE);
      glUseProgram(gl.programs[kModePlain]);
      break;
  }
}

}  // namespace

bool BatchOpen() {
  gl = Objects{};
  gl.vertices.reset(new BatchVertex[size_t(kBatchQuads) * 4]);
  gBatch = Batch{};
  gBatch.vertices = gl.vertices.get();
  if (!BuildPrograms()) return false;
  BuildBuffers();
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  glActiveTexture(GL_TEXTURE0);
  gBatch.texture = gl.white;
  gBatch.whiteU = gBatch.whiteV = 0.5f;
  gBatch.blend = Blend::Alpha;
  glBindTexture(GL_TEXTURE_2D, gl.white);
  ApplyBlend(gBatch.blend);
  BatchSetLogicalSize(gl.logicalWidth, gl.logicalHeight);
  return glGetError() == GL_NO_ERROR;
}

void BatchClose() {
  for (GLuint program : gl.programs) {
    if (program) glDeleteProgram(program);
  }
  if (gl.vertexBuffer) glDeleteBuffers(1, &gl.vertexBuffer);
  if (gl.indexBuffer) glDeleteBuffers(1, &gl.indexBuffer);
  if (gl.vertexArray) glDeleteVertexArrays(1, &gl.vertexArray);
  if (gl.white) glDeleteTextures(1, &gl.white);
  gl = Objects{};
  gBatch = Batch{};
}

void BatchSetLogicalSize(int width, int height) {
  BatchFlush();
  gl.logicalWidth = width > 0 ? width : 1;
  gl.logicalHeight = height > 0 ? height : 1;
  if (!gl.programs[kModePlain]) return;
  GLint current = 0;
  glGetIntegerv(GL_CURRENT_PROGRAM, &current);
  for (int mode = 0; mode < kModes; ++mode) {
    glUseProgram(gl.programs[mode]);
    glUniform4f(gl.transformSlots[mode], 2.0f / float(gl.logicalWidth),
                -2.0f / float(gl.logicalHeight), -1.0f, 1.0f);
  }
  glUseProgram(GLuint(current));
}

void BatchFlush() {
  if (gBatch.quads == 0 || !gl.programs[kModePlain]) {
    gBatch.quads = 0;
    return;
  }
  glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(sizeof(BatchVertex)) * 4 * gBatch.quads,
               gBatch.vertices, GL_STREAM_DRAW);
  glDrawElements(GL_TRIANGLES, GLsizei(gBatch.quads) * 6, GL_UNSIGNED_INT, nullptr);
  gBatch.quads = 0;
  ++gBatch.drawCalls;
}

void BatchSwitch(unsigned texture, float whiteU, float whiteV, Blend blend) {
  BatchFlush();
  if (texture != gBatch.texture) {
    glBindTexture(GL_TEXTURE_2D, texture);
    gBatch.texture = texture;
  }
  gBatch.whiteU = whiteU;
  gBatch.whiteV = whiteV;
  if (blend != gBatch.blend) {
    ApplyBlend(blend);
    gBatch.blend = blend;
  }
}

void BatchForgetTexture(unsigned texture) {
  BatchFlush();
  if (gBatch.texture != texture || !gl.white) return;
  glBindTexture(GL_TEXTURE_2D, gl.white);
  gBatch.texture = gl.white;
  gBatch.whiteU = gBatch.whiteV = 0.5f;
}

BatchVertex* ReserveShapeQuad(Blend blend) {
  if (blend != gBatch.blend || gBatch.quads == kBatchQuads) {
    BatchSwitch(gBatch.texture, gBatch.whiteU, gBatch.whiteV, blend);
  }
  return gBatch.vertices + 4 * gBatch.quads++;
}

}  // namespace platform::sdl
