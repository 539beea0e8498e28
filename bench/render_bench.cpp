// render_bench.cpp - how fast the calibration's sprite load draws, several ways.
//
//   tests/e2e/with_xvfb.sh build/bench/render_bench [rounds] [icons.png]
//
// The workload is the performance calibration's: N sprites per frame, each
// frame 0 of the engine's icon strip (the build's Files/Common/icons.png, cut
// into 16 x 16 cells and masked as the engine loads it; its frame 0 is a
// small light spark, about 6 x 6 pixels in the middle of its cell),
// rotated by a whole number of degrees and drawn centred at a random point of
// the 1280 x 960 logical area, in a window of 800 x 600. Two variants: tinted
// (a random colour, alpha 1) and transparent (colour 0, 0, 0, alpha 0, what
// the calibration really draws). The sprites are drawn
//   ours       through platform.h exactly as the engine does it
//              (SetRotation, SetColour, SetAlpha, SetScale, DrawImage, Present);
//              our renderer trims each frame's quad to the frame's visible box
//              (the output says how much of the cell that is), so it fills
//              fewer pixels than the ways below that draw the whole cell
//   sdl        SDL_Renderer (OpenGL driver, batching on) with SDL_RenderCopyExF
//              of the whole 16 x 16 cell
//   immediate  one glBegin/glEnd per sprite, the classic way, whole cell
//   limit      all sprites built once into one buffer of indexed quads and
//              drawn with a single call per frame: what the rasteriser costs
//              for whole cells
// and, so that the gain from trimming stands apart from the gain from
// batching, two ways given the same trimmed quads as ours:
//   sdl-trim   SDL_RenderCopyExF of the visible box, placed and turned as ours
//   limit-trim the single prebuilt draw of the trimmed quads
// Every frame is cleared, presented (buffer swap) and finished (glFinish).
// The ways take turns in rounds, so a burst of load elsewhere on the machine
// hits them alike, and each figure is the median over all its frames. Two
// tables: wall-clock milliseconds per frame, and processor milliseconds per
// frame summed over the process's threads (the rasteriser's workers
// included), which other programs running at the same time disturb less.
// The ratios compare ways measured side by side in this one run.
#include <SDL2/SDL.h>  // Required for: the comparison windows and SDL_Renderer

#include <algorithm>  // Required for: std::sort
#include <chrono>     // Required for: timing
#include <cmath>      // Required for: rotating corners
#include <cstdio>     // Required for: the table
#include <cstdlib>    // Required for: std::atoi
#include <ctime>      // Required for: processor time of the process
#include <functional> // Required for: frame bodies
#include <random>     // Required for: sprite placement
#include <string>     // Required for: paths
#include <vector>     // Required for: sprite lists

#include "platform/common/image_data.h"  // Required for: the frame's visible box
#include "platform/platform.h"          // Required for: our renderer
#include "platform/sdl/gl_api.h"        // Required for: immediate mode and the single draw
#include "platform/sdl/sdl_internal.h"  // Required for: our window, to switch back to it

namespace {

constexpr int kWindowWidth = 800, kWindowHeight = 600;
constexpr int kLogicalWidth = 1280, kLogicalHeight = 960;
constexpr int kCell = 16;  // the icon strip's cells; the calibration draws frame 0
const int kCounts[] = {1000, 5000, 10000, 20000};

struct Sprite {
  float x, y, degrees;
  uint8_t r, g, b, a;
};

std::vector<Sprite> MakeSprites(int n, bool transparent, unsigned seed) {
  std::mt19937 random(seed);
  auto between = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  std::vector<Sprite> sprites(static_cast<size_t>(n));
  for (Sprite& s : sprites) {
    s.degrees = float(between(1, 360));
    s.x = float(between(1, kLogicalWidth));
    s.y = float(between(1, kLogicalHeight));
    if (transparent) {
      s.r = s.g = s.b = s.a = 0;
    } else {
      s.r = uint8_t(between(0, 255));
      s.g = uint8_t(between(0, 255));
      s.b = uint8_t(between(0, 255));
      s.a = 255;
    }
  }
  return sprites;
}

// Masked RGBA of the sheet, for the comparison ways.
std::vector<uint8_t> MaskedSheet(const platform::Pixmap& sheet) {
  std::vector<uint8_t> rgba = sheet.rgba;
  for (size_t i = 0; i < rgba.size(); i += 4) {
    if (!rgba[i] && !rgba[i + 1] && !rgba[i + 2]) rgba[i + 3] = 0;
  }
  return rgba;
}

// Milliseconds of processor time used so far by every thread of this
// process (the rasteriser's worker threads included).
double ProcessCpuMillis() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1.0e6;
}

// Per-frame figures of one way: wall-clock and processor milliseconds.
struct Samples {
  std::vector<double> wall, cpu;
};

// Runs frame() for at least 8 frames and a quarter of a second (after 2
// unmeasured frames) and records each frame's milliseconds.
void TimeFrames(const std::function<void()>& frame, Samples& samples) {
  using Clock = std::chrono::steady_clock;
  for (int i = 0; i < 2; ++i) frame();
  glFinish();
  const auto start = Clock::now();
  auto last = start;
  double lastCpu = ProcessCpuMillis();
  int frames = 0;
  while (frames < 8 || std::chrono::duration<double>(last - start).count() < 0.25) {
    frame();
    glFinish();
    const auto now = Clock::now();
    const double cpu = ProcessCpuMillis();
    samples.wall.push_back(std::chrono::duration<double, std::milli>(now - last).count());
    samples.cpu.push_back(cpu - lastCpu);
    last = now;
    lastCpu = cpu;
    ++frames;
  }
}

double Median(std::vector<double> samples) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

// --- ours -------------------------------------------------------------------

struct Ours {
  SDL_Window* window = nullptr;
  SDL_GLContext context = nullptr;
  platform::Image* strip = nullptr;
};

void TimeOurs(Ours& ours, const std::vector<Sprite>& sprites, Samples& samples) {
  SDL_GL_MakeCurrent(ours.window, ours.context);
  TimeFrames([&] {
    platform::ClearBackBuffer();
    for (const Sprite& s : sprites) {
      platform::SetRotation(s.degrees);
      platform::SetColour(s.r, s.g, s.b);
      platform::SetAlpha(float(s.a) / 255.0f);
      platform::SetScale(1, 1);
      platform::DrawImage(ours.strip, s.x, s.y, 0);
    }
    platform::Present(platform::Sync::None);
  }, samples);
}

// The quad each way draws, in pixels of the cell: the whole cell, or the
// visible box that our renderer trims frame 0 to.
struct Quad {
  int left, top, right, bottom;
};
constexpr Quad kWholeCell{0, 0, kCell, kCell};

// The sheet the comparison ways draw from, as the engine's loader masks it.
struct Sheet {
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;
};

// --- SDL_Renderer --------------------------------------------------------------

struct SdlWay {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
};

bool OpenSdlWay(SdlWay& w, const Sheet& sheet) {
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, "opengl");
  SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
  SDL_GL_ResetAttributes();
  w.window = SDL_CreateWindow("sdl", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWindowWidth,
                              kWindowHeight, SDL_WINDOW_OPENGL);
  w.renderer = w.window ? SDL_CreateRenderer(w.window, -1, SDL_RENDERER_ACCELERATED) : nullptr;
  if (!w.renderer) {
    std::fprintf(stderr, "render_bench: no SDL_Renderer: %s\n", SDL_GetError());
    return false;
  }
  SDL_RenderSetLogicalSize(w.renderer, kLogicalWidth, kLogicalHeight);
  w.texture = SDL_CreateTexture(w.renderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC,
                                sheet.width, sheet.height);
  SDL_UpdateTexture(w.texture, nullptr, sheet.rgba.data(), sheet.width * 4);
  SDL_SetTextureBlendMode(w.texture, SDL_BLENDMODE_BLEND);
  return true;
}

void CloseSdlWay(SdlWay& w) {
  if (w.texture) SDL_DestroyTexture(w.texture);
  if (w.renderer) SDL_DestroyRenderer(w.renderer);
  if (w.window) SDL_DestroyWindow(w.window);
}

// The quad's part of cell 0, turned about the cell's centre.
void TimeSdl(SdlWay& w, const std::vector<Sprite>& sprites, const Quad& q, Samples& samples) {
  const SDL_Rect source{q.left, q.top, q.right - q.left, q.bottom - q.top};
  const SDL_FPoint pivot{float(kCell / 2 - q.left), float(kCell / 2 - q.top)};
  TimeFrames([&] {
    SDL_SetRenderDrawColor(w.renderer, 0, 0, 0, 255);
    SDL_RenderClear(w.renderer);
    for (const Sprite& s : sprites) {
      SDL_SetTextureColorMod(w.texture, s.r, s.g, s.b);
      SDL_SetTextureAlphaMod(w.texture, s.a);
      const SDL_FRect target{s.x - pivot.x, s.y - pivot.y, float(source.w), float(source.h)};
      SDL_RenderCopyExF(w.renderer, w.texture, &source, &target, double(s.degrees), &pivot,
                        SDL_FLIP_NONE);
    }
    SDL_RenderPresent(w.renderer);
  }, samples);
}

// --- Plain OpenGL: immediate mode and the single prebuilt draw ---------------------

struct GlWay {
  SDL_Window* window = nullptr;
  SDL_GLContext context = nullptr;
  GLuint texture = 0, program = 0;
  int sheetWidth = 1, sheetHeight = 1;
  // The prebuilt draws: [0] whole cells, [1] trimmed quads.
  GLuint arrays[2] = {0, 0}, buffers[4] = {0, 0, 0, 0};
  GLsizei indexCounts[2] = {0, 0};
};

const char* kVertexShader = R"(#version 130
in vec2 position; in vec2 texCoord; in vec4 colour;
out vec2 uv; out vec4 tint;
void main() {
  uv = texCoord; tint = colour;
  gl_Position = vec4(position.x / 640.0 - 1.0, 1.0 - position.y / 480.0, 0.0, 1.0);
})";
const char* kFragmentShader = R"(#version 130
in vec2 uv; in vec4 tint; uniform sampler2D atlas; out vec4 fragColour;
void main() { fragColour = texture(atlas, uv) * tint; })";

struct Vertex {
  float x, y, u, v;
  uint8_t r, g, b, a;
};

void OpenGlWay(GlWay& w, const Sheet& sheet) {
  SDL_GL_ResetAttributes();
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  w.window = SDL_CreateWindow("gl", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWindowWidth,
                              kWindowHeight, SDL_WINDOW_OPENGL);
  w.context = SDL_GL_CreateContext(w.window);
  SDL_GL_MakeCurrent(w.window, w.context);
  SDL_GL_SetSwapInterval(0);
  glViewport(0, 0, kWindowWidth, kWindowHeight);  // same shape as the logical area
  glGenTextures(1, &w.texture);
  glBindTexture(GL_TEXTURE_2D, w.texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  w.sheetWidth = sheet.width;
  w.sheetHeight = sheet.height;
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, sheet.width, sheet.height, 0, GL_RGBA,
               GL_UNSIGNED_BYTE, sheet.rgba.data());
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glClearColor(0, 0, 0, 1);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, kLogicalWidth, kLogicalHeight, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);

  w.program = glCreateProgram();
  for (auto [kind, text] : {std::pair{GL_VERTEX_SHADER, kVertexShader},
                            std::pair{GL_FRAGMENT_SHADER, kFragmentShader}}) {
    GLuint shader = glCreateShader(GLenum(kind));
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    glAttachShader(w.program, shader);
    glDeleteShader(shader);
  }
  glBindAttribLocation(w.program, 0, "position");
  glBindAttribLocation(w.program, 1, "texCoord");
  glBindAttribLocation(w.program, 2, "colour");
  glLinkProgram(w.program);
  glGenVertexArrays(2, w.arrays);
  glGenBuffers(4, w.buffers);
}

void CloseGlWay(GlWay& w) {
  SDL_GL_MakeCurrent(w.window, w.context);
  glDeleteBuffers(4, w.buffers);
  glDeleteVertexArrays(2, w.arrays);
  glDeleteProgram(w.program);
  glDeleteTextures(1, &w.texture);
  SDL_GL_DeleteContext(w.context);
  SDL_DestroyWindow(w.window);
}

// A sprite's quad on screen and in the sheet, corners clockwise from top-left.
struct Corners {
  float x[4], y[4], u[4], v[4];
};
Corners CornersOf(const Sprite& s, const Quad& q, const GlWay& w) {
  const double a = double(s.degrees) * 3.14159265358979323846 / 180.0;
  const float c = float(std::cos(a)), n = float(std::sin(a));
  const int px[4] = {q.left, q.right, q.right, q.left}, py[4] = {q.top, q.top, q.bottom, q.bottom};
  Corners k;
  for (int i = 0; i < 4; ++i) {
    const float lx = float(px[i] - kCell / 2), ly = float(py[i] - kCell / 2);
    k.x[i] = s.x + lx * c - ly * n;
    k.y[i] = s.y + lx * n + ly * c;
    k.u[i] = float(px[i]) / float(w.sheetWidth);
    k.v[i] = float(py[i]) / float(w.sheetHeight);
  }
  return k;
}

void TimeImmediate(GlWay& w, const std::vector<Sprite>& sprites, Samples& samples) {
  SDL_GL_MakeCurrent(w.window, w.context);
  glUseProgram(0);
  glBindVertexArray(0);
  glEnable(GL_TEXTURE_2D);
  TimeFrames([&] {
    glClear(GL_COLOR_BUFFER_BIT);
    for (const Sprite& s : sprites) {
      const Corners k = CornersOf(s, kWholeCell, w);
      glColor4ub(s.r, s.g, s.b, s.a);
      glBegin(GL_QUADS);
      for (int i = 0; i < 4; ++i) {
        glTexCoord2f(k.u[i], k.v[i]);
        glVertex2f(k.x[i], k.y[i]);
      }
      glEnd();
    }
    SDL_GL_SwapWindow(w.window);
  }, samples);
  glDisable(GL_TEXTURE_2D);
}

// Builds the sprites once into prebuilt draw `which` of indexed quads.
void BuildLimit(GlWay& w, int which, const std::vector<Sprite>& sprites, const Quad& q) {
  SDL_GL_MakeCurrent(w.window, w.context);
  std::vector<Vertex> vertices;
  std::vector<uint32_t> indices;
  for (const Sprite& s : sprites) {
    const Corners k = CornersOf(s, q, w);
    const uint32_t first = uint32_t(vertices.size());
    for (int i = 0; i < 4; ++i) {
      vertices.push_back({k.x[i], k.y[i], k.u[i], k.v[i], s.r, s.g, s.b, s.a});
    }
    for (uint32_t i : {0u, 1u, 2u, 2u, 3u, 0u}) indices.push_back(first + i);
  }
  glBindVertexArray(w.arrays[which]);
  glBindBuffer(GL_ARRAY_BUFFER, w.buffers[2 * which]);
  glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices.size() * sizeof(Vertex)), vertices.data(),
               GL_STATIC_DRAW);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, w.buffers[2 * which + 1]);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(indices.size() * sizeof(uint32_t)),
               indices.data(), GL_STATIC_DRAW);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(0));
  glEnableVertexAttribArray(1);
  glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(8));
  glEnableVertexAttribArray(2);
  glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(Vertex),
                        reinterpret_cast<void*>(16));
  glBindVertexArray(0);
  w.indexCounts[which] = GLsizei(indices.size());
}

void TimeLimit(GlWay& w, int which, Samples& samples) {
  SDL_GL_MakeCurrent(w.window, w.context);
  glUseProgram(w.program);
  glBindVertexArray(w.arrays[which]);
  TimeFrames([&] {
    glClear(GL_COLOR_BUFFER_BIT);
    glDrawElements(GL_TRIANGLES, w.indexCounts[which], GL_UNSIGNED_INT, nullptr);
    SDL_GL_SwapWindow(w.window);
  }, samples);
  glBindVertexArray(0);
  glUseProgram(0);
}

enum Way { kOurs, kSdl, kImmediate, kLimit, kSdlTrim, kLimitTrim, kWays };
const char* const kWayNames[kWays] = {"ours", "sdl", "immediate", "limit", "sdl-trim",
                                      "limit-trim"};

struct Row {
  const char* variant;
  int n;
  double ms[kWays];
};

void PrintTable(const char* title, const std::vector<Row>& rows) {
  std::printf("\n%s\n%-12s %6s", title, "variant", "N");
  for (const char* name : kWayNames) std::printf(" %10s", name);
  std::printf("  %10s %15s %9s %14s %15s\n", "ours/limit", "ours/limit-trim", "sdl/ours",
              "sdl-trim/ours", "immediate/ours");
  for (const Row& r : rows) {
    std::printf("%-12s %6d", r.variant, r.n);
    for (double ms : r.ms) std::printf(" %10.2f", ms);
    const double ours = r.ms[kOurs];
    std::printf("  %10.2f %15.2f %9.2f %14.2f %15.2f\n", ours / r.ms[kLimit],
                ours / r.ms[kLimitTrim], r.ms[kSdl] / ours, r.ms[kSdlTrim] / ours,
                r.ms[kImmediate] / ours);
  }
  for (const Row& r : rows) {
    if (r.n != 20000) continue;
    const double ours = r.ms[kOurs];
    std::printf("%s at 20000: ours/limit %.2f (target <= 1.15), sdl/ours %.2f (target >= 1.40); "
                "same quads: ours/limit-trim %.2f, sdl-trim/ours %.2f\n",
                r.variant, ours / r.ms[kLimit], r.ms[kSdl] / ours, ours / r.ms[kLimitTrim],
                r.ms[kSdlTrim] / ours);
  }
}

// The strip as the engine loads it: 16 x 16 cells, black masked away.
bool LoadSheet(const std::string& path, Sheet& sheet) {
  platform::Pixmap pixmap;
  if (!platform::LoadPng(path, pixmap)) return false;
  sheet.width = pixmap.width;
  sheet.height = pixmap.height;
  sheet.rgba = MaskedSheet(pixmap);
  return true;
}

}  // namespace

// Usage: render_bench [rounds] [icons.png]
//   rounds: default 3; each round times every way once
//   icons.png: default the build's own, made by the game_assets target
int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  const std::string sheetPath =
      argc > 2 ? argv[2] : std::string(CROWNLIFT_GAME_DIR) + "/Files/Common/icons.png";
  platform::Init();
  Sheet sheet;
  if (!LoadSheet(sheetPath, sheet) || sheet.width < kCell || sheet.height < kCell) {
    std::fprintf(stderr, "render_bench: cannot read the icon strip %s (build game_assets)\n",
                 sheetPath.c_str());
    return 1;
  }

  // All four ways keep a window of their own open, so the rounds interleave.
  if (!platform::OpenDisplay(kWindowWidth, kWindowHeight, 0, 60)) {
    std::fprintf(stderr, "render_bench: %s\n", platform::LastDisplayError().c_str());
    return 1;
  }
  platform::SetLogicalSize(kLogicalWidth, kLogicalHeight);
  Ours ours{platform::sdl::Window(), SDL_GL_GetCurrentContext(), nullptr};
  ours.strip = platform::LoadStrip(sheetPath, kCell, kCell, 0, 64, platform::kImageMasked);
  if (!ours.strip || ours.strip->visibleBoxes.empty() || ours.strip->visibleBoxes[0].Empty()) {
    std::fprintf(stderr, "render_bench: frame 0 of %s shows nothing\n", sheetPath.c_str());
    return 1;
  }
  const platform::PixelBox box = ours.strip->visibleBoxes[0];
  const Quad trimmed{box.left, box.top, box.right, box.bottom};
  SdlWay sdl;
  if (!OpenSdlWay(sdl, sheet)) return 1;
  GlWay gl;
  OpenGlWay(gl, sheet);

  std::vector<Row> wallRows, cpuRows;
  for (bool transparent : {false, true}) {
    for (int n : kCounts) {
      const std::vector<Sprite> sprites = MakeSprites(n, transparent, unsigned(n));
      BuildLimit(gl, 0, sprites, kWholeCell);
      BuildLimit(gl, 1, sprites, trimmed);
      Samples samples[kWays];
      for (int round = 0; round < rounds; ++round) {
        TimeOurs(ours, sprites, samples[kOurs]);
        TimeSdl(sdl, sprites, kWholeCell, samples[kSdl]);
        TimeImmediate(gl, sprites, samples[kImmediate]);
        TimeLimit(gl, 0, samples[kLimit]);
        TimeSdl(sdl, sprites, trimmed, samples[kSdlTrim]);
        TimeLimit(gl, 1, samples[kLimitTrim]);
      }
      Row wall{transparent ? "transparent" : "tinted", n, {}}, cpu = wall;
      for (int way = 0; way < kWays; ++way) {
        wall.ms[way] = Median(samples[way].wall);
        cpu.ms[way] = Median(samples[way].cpu);
      }
      wallRows.push_back(wall);
      cpuRows.push_back(cpu);
      std::fprintf(stderr, "  %s %d done\n", wall.variant, n);
    }
  }
  CloseGlWay(gl);
  CloseSdlWay(sdl);
  SDL_GL_MakeCurrent(ours.window, ours.context);
  platform::UnloadImage(ours.strip);
  platform::CloseDisplay();

  std::printf("render_bench: %d x %d window, logical %d x %d, rotated 16 x 16 sprites (frame 0 "
              "of %s); medians of every frame of %d interleaved rounds\n",
              kWindowWidth, kWindowHeight, kLogicalWidth, kLogicalHeight, sheetPath.c_str(),
              rounds);
  std::printf("ours trims each quad to the frame's visible box, %d x %d of the %d x %d cell "
              "(%.0f%% of its pixels); sdl, immediate and limit draw the whole cell as a "
              "renderer without trimming does; sdl-trim and limit-trim draw the same trimmed "
              "quads as ours.\n",
              trimmed.right - trimmed.left, trimmed.bottom - trimmed.top, kCell, kCell,
              100.0 * (trimmed.right - trimmed.left) * (trimmed.bottom - trimmed.top) /
                  (kCell * kCell));
  PrintTable("Wall-clock ms per frame (draw, present, finish):", wallRows);
  PrintTable("Processor ms per frame, all threads of the process (steadier on a busy machine):",
             cpuRows);
  platform::Shutdown();
  return 0;
}
