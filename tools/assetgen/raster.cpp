// Raster: signed-distance shapes, paints and the canvas they are painted on.
// See raster.h for the conventions.
#include "raster.h"

#include <algorithm>  // Required for: std::min, std::max, std::clamp
#include <cmath>      // Required for: std::sqrt, std::atan2, std::fmod, std::pow

namespace assetgen {
namespace {

constexpr float kPi = 3.14159265358979f;

float Len(float x, float y) { return std::sqrt(x * x + y * y); }
float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

// Shared lighting: light from the upper left and a little in front.
Colour Light(Colour base, float nx, float ny, float nz) {
  const float lx = -0.48f, ly = -0.62f, lz = 0.62f;
  float diffuse = std::max(0.0f, nx * lx + ny * ly + nz * lz);
  // Half vector between the light and the viewer (0, 0, 1).
  float hx = lx, hy = ly, hz = lz + 1;
  float hl = Len(Len(hx, hy), hz);
  float specular = std::max(0.0f, (nx * hx + ny * hy + nz * hz) / hl);
  specular = std::pow(specular, 24.0f) * 0.55f;
  float f = 0.42f + 0.72f * diffuse;
  return Colour{Clamp01(base.r * f + specular), Clamp01(base.g * f + specular),
                Clamp01(base.b * f + specular)};
}

}  // namespace

Colour Rgb(int r, int g, int b) { return Colour{r / 255.0f, g / 255.0f, b / 255.0f}; }

Colour Mix(Colour a, Colour b, float t) {
  return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Scale(Colour c, float f) {
  return Colour{Clamp01(c.r * f), Clamp01(c.g * f), Clamp01(c.b * f)};
}

Shape Circle(float cx, float cy, float r) {
  return [=](float x, float y) { return Len(x - cx, y - cy) - r; };
}

Shape Ellipse(float cx, float cy, float rx, float ry) {
  // Scaled-circle distance: exact on the axes, close enough elsewhere for
  // the small ellipses we draw.
  return [=](float x, float y) {
    float k = Len((x - cx) / rx, (y - cy) / ry);
    return (k - 1) * std::min(rx, ry);
  };
}

Shape Box(float x0, float y0, float x1, float y1, float radius) {
  float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
  return [=](float x, float y) {
    float qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
    float outside = Len(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
  };
}

Shape Capsule(float ax, float ay, float bx, float by, float r) {
  return [=](float x, float y) {
    float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
    float dd = dx * dx + dy * dy;
    float h = dd > 0 ? Clamp01((px * dx + py * dy) / dd) : 0;
    return Len(px - dx * h, py - dy * h) - r;
  };
}

Shape Polygon(std::vector<Vec> v) {
  return [v = std::move(v)](float x, float y) {
    float d = (x - v[0].x) * (x - v[0].x) + (y - v[0].y) * (y - v[0].y);
    bool inside = false;
    for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
      float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
      float wx = x - v[i].x, wy = y - v[i].y;
      float h = Clamp01((wx * ex + wy * ey) / (ex * ex + ey * ey));
      float bx = wx - ex * h, by = wy - ey * h;
      d = std::min(d, bx * bx + by * by);
      // Even-odd crossing test for the sign.
      if ((v[i].y > y) != (v[j].y > y) &&
          x < (v[j].x - v[i].x) * (y - v[i].y) / (v[j].y - v[i].y) + v[i].x) {
        inside = !inside;
      }
    }
    float dist = std::sqrt(d);
    return inside ? -dist : dist;
  };
}

Shape Arc(float cx, float cy, float r, float a0, float a1, float width) {
  float span = a1 - a0;
  float half = width / 2;
  float e0x = cx + r * std::cos(a0 * kPi / 180), e0y = cy + r * std::sin(a0 * kPi / 180);
  float e1x = cx + r * std::cos(a1 * kPi / 180), e1y = cy + r * std::sin(a1 * kPi / 180);
  return [=](float x, float y) {
    float ang = std::atan2(y - cy, x - cx) * 180 / kPi;
    float rel = std::fmod(ang - a0 + 720.0f, 360.0f);
    if (span >= 360 || rel <= span) return std::abs(Len(x - cx, y - cy) - r) - half;
    return std::min(Len(x - e0x, y - e0y), Len(x - e1x, y - e1y)) - half;
  };
}

Shape Union(Shape a, Shape b) {
  return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Shape Union(std::vector<Shape> parts) {
  return [parts = std::move(parts)](float x, float y) {
    float d = 1e9f;
    for (const Shape& s : parts) d = std::min(d, s(x, y));
    return d;
  };
}

Shape Intersect(Shape a, Shape b) {
  return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Shape Subtract(Shape a, Shape b) {
  return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

Shape Grow(Shape s, float by) {
  return [=](float x, float y) { return s(x, y) - by; };
}

Shape Move(Shape s, float dx, float dy) {
  return [=](float x, float y) { return s(x - dx, y - dy); };
}

Shape Rotate(Shape s, float cx, float cy, float degrees) {
  float c = std::cos(-degrees * kPi / 180), sn = std::sin(-degrees * kPi / 180);
  return [=](float x, float y) {
    float dx = x - cx, dy = y - cy;
    return s(cx + dx * c - dy * sn, cy + dx * sn + dy * c);
  };
}

Shape MirrorX(Shape s, float axisX) {
  return [=](float x, float y) { return std::min(s(x, y), s(2 * axisX - x, y)); };
}

Paint Solid(Colour c) {
  return [=](float, float) { return c; };
}

Paint VGradient(float y0, Colour top, float y1, Colour bottom) {
  return [=](float, float y) { return Mix(top, bottom, Clamp01((y - y0) / (y1 - y0))); };
}

Paint HGradient(float x0, Colour left, float x1, Colour right) {
  return [=](float x, float) { return Mix(left, right, Clamp01((x - x0) / (x1 - x0))); };
}

Paint Lit(float cx, float cy, float r, Colour base) {
  return [=](float x, float y) {
    float nx = (x - cx) / r, ny = (y - cy) / r;
    float nn = nx * nx + ny * ny;
    if (nn > 1) {
      float l = std::sqrt(nn);
      nx /= l;
      ny /= l;
      nn = 1;
    }
    return Light(base, nx, ny, std::sqrt(1 - nn));
  };
}

Paint LitColumn(float x0, float x1, Colour base) {
  return [=](float x, float) {
    float nx = std::clamp((x - (x0 + x1) / 2) / ((x1 - x0) / 2), -1.0f, 1.0f);
    return Light(base, nx * 0.9f, -0.25f, std::sqrt(std::max(0.0f, 1 - nx * nx * 0.81f)));
  };
}

Canvas MakeCanvas(int width, int height) {
  Canvas c;
  c.width = width;
  c.height = height;
  c.px.assign(static_cast<size_t>(width) * height, Pixel{});
  return c;
}

void FillClipped(Canvas& c, const Shape& s, const Paint& p, int x0, int y0, int x1, int y1,
                 float opacity) {
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, c.width);
  y1 = std::min(y1, c.height);
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      float fx = x + 0.5f, fy = y + 0.5f;
      float cover = Clamp01(0.5f - s(fx, fy)) * opacity;
      if (cover <= 0) continue;
      Colour col = p(fx, fy);
      Pixel& d = c.At(x, y);
      d.r = col.r * cover + d.r * (1 - cover);
      d.g = col.g * cover + d.g * (1 - cover);
      d.b = col.b * cover + d.b * (1 - cover);
      d.a = cover + d.a * (1 - cover);
    }
  }
}

void Fill(Canvas& c, const Shape& s, const Paint& p, float opacity) {
  FillClipped(c, s, p, 0, 0, c.width, c.height, opacity);
}

void Outline(Canvas& c, Colour colour, float width) {
  int reach = static_cast<int>(std::ceil(width)) + 1;
  std::vector<float> ring(c.px.size(), 0.0f);
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      float best = 0;
      for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
          int sx = x + dx, sy = y + dy;
          if (sx < 0 || sy < 0 || sx >= c.width || sy >= c.height) continue;
          float w = Clamp01(width + 0.5f - Len(static_cast<float>(dx), static_cast<float>(dy)));
          best = std::max(best, c.At(sx, sy).a * w);
        }
      }
      ring[static_cast<size_t>(y) * c.width + x] = best;
    }
  }
  for (size_t i = 0; i < c.px.size(); ++i) {
    Pixel& d = c.px[i];
    float o = ring[i] * (1 - d.a);
    d.r += colour.r * o;
    d.g += colour.g * o;
    d.b += colour.b * o;
    d.a += o;
  }
}

void Darken(Canvas& c, const Shape& s, float factor) {
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      float cover = Clamp01(0.5f - s(x + 0.5f, y + 0.5f));
      if (cover <= 0) continue;
      float f = 1 + (factor - 1) * cover;
      Pixel& d = c.At(x, y);
      d.r = std::min(d.r * f, d.a);
      d.g = std::min(d.g * f, d.a);
      d.b = std::min(d.b * f, d.a);
    }
  }
}

void Blit(Canvas& dst, const Canvas& src, int x, int y) {
  for (int sy = 0; sy < src.height; ++sy) {
    for (int sx = 0; sx < src.width; ++sx) {
      int dx = x + sx, dy = y + sy;
      if (dx < 0 || dy < 0 || dx >= dst.width || dy >= dst.height) continue;
      const Pixel& s = src.At(sx, sy);
      Pixel& d = dst.At(dx, dy);
      d.r = s.r + d.r * (1 - s.a);
      d.g = s.g + d.g * (1 - s.a);
      d.b = s.b + d.b * (1 - s.a);
      d.a = s.a + d.a * (1 - s.a);
    }
  }
}

void BlitScaled(Canvas& dst, const Canvas& src, float x, float y, float scale) {
  int w = static_cast<int>(src.width * scale), h = static_cast<int>(src.height * scale);
  auto sample = [&](int sx, int sy) {
    sx = std::clamp(sx, 0, src.width - 1);
    sy = std::clamp(sy, 0, src.height - 1);
    return src.At(sx, sy);
  };
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      int dx = static_cast<int>(x) + i, dy = static_cast<int>(y) + j;
      if (dx < 0 || dy < 0 || dx >= dst.width || dy >= dst.height) continue;
      float u = (i + 0.5f) / scale - 0.5f, v = (j + 0.5f) / scale - 0.5f;
      int u0 = static_cast<int>(std::floor(u)), v0 = static_cast<int>(std::floor(v));
      float fu = u - u0, fv = v - v0;
      Pixel p00 = sample(u0, v0), p10 = sample(u0 + 1, v0);
      Pixel p01 = sample(u0, v0 + 1), p11 = sample(u0 + 1, v0 + 1);
      auto lerp = [&](float a, float b, float c2, float d2) {
        return (a * (1 - fu) + b * fu) * (1 - fv) + (c2 * (1 - fu) + d2 * fu) * fv;
      };
      Pixel s{lerp(p00.r, p10.r, p01.r, p11.r), lerp(p00.g, p10.g, p01.g, p11.g),
              lerp(p00.b, p10.b, p01.b, p11.b), lerp(p00.a, p10.a, p01.a, p11.a)};
      Pixel& d = dst.At(dx, dy);
      d.r = s.r + d.r * (1 - s.a);
      d.g = s.g + d.g * (1 - s.a);
      d.b = s.b + d.b * (1 - s.a);
      d.a = s.a + d.a * (1 - s.a);
    }
  }
}

void DrawTransformed(Canvas& dst, const Canvas& src, int sx, int sy, int sw, int sh, float cx,
                     float cy, float scale, float degrees, Colour tint, float alpha) {
  float rad = degrees * kPi / 180, cs = std::cos(rad), sn = std::sin(rad);
  float reach = 0.75f * scale * static_cast<float>(std::max(sw, sh));
  int x0 = static_cast<int>(cx - reach), x1 = static_cast<int>(cx + reach) + 1;
  int y0 = static_cast<int>(cy - reach), y1 = static_cast<int>(cy + reach) + 1;
  // Edges clamp, as a textured quad does: tiles laid side by side join.
  auto texel = [&](int u, int v) {
    return src.At(sx + std::clamp(u, 0, sw - 1), sy + std::clamp(v, 0, sh - 1));
  };
  for (int y = std::max(y0, 0); y < std::min(y1, dst.height); ++y) {
    for (int x = std::max(x0, 0); x < std::min(x1, dst.width); ++x) {
      float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
      // Back into the cell: undo the turn, then the scale.
      float u = (dx * cs + dy * sn) / scale + sw / 2.0f - 0.5f;
      float v = (-dx * sn + dy * cs) / scale + sh / 2.0f - 0.5f;
      if (u < -0.5f || v < -0.5f || u >= sw - 0.5f || v >= sh - 0.5f) continue;
      int u0 = static_cast<int>(std::floor(u)), v0 = static_cast<int>(std::floor(v));
      float fu = u - u0, fv = v - v0;
      Pixel p00 = texel(u0, v0), p10 = texel(u0 + 1, v0);
      Pixel p01 = texel(u0, v0 + 1), p11 = texel(u0 + 1, v0 + 1);
      auto lerp = [&](float a, float b, float c2, float d2) {
        return (a * (1 - fu) + b * fu) * (1 - fv) + (c2 * (1 - fu) + d2 * fu) * fv;
      };
      float a = lerp(p00.a, p10.a, p01.a, p11.a) * alpha;
      float k = alpha;
      Pixel& d = dst.At(x, y);
      d.r = lerp(p00.r, p10.r, p01.r, p11.r) * tint.r * k + d.r * (1 - a);
      d.g = lerp(p00.g, p10.g, p01.g, p11.g) * tint.g * k + d.g * (1 - a);
      d.b = lerp(p00.b, p10.b, p01.b, p11.b) * tint.b * k + d.b * (1 - a);
      d.a = a + d.a * (1 - a);
    }
  }
}

Canvas FlipX(const Canvas& c) {
  Canvas out = MakeCanvas(c.width, c.height);
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) out.At(c.width - 1 - x, y) = c.At(x, y);
  return out;
}

std::vector<uint8_t> ToRgba8(const Canvas& c) {
  // Coverage below this is dropped: such faint pixels would only add specks
  // to the pixel-exact collision masks.
  constexpr float kMinAlpha = 0.2f;
  std::vector<uint8_t> out(c.px.size() * 4, 0);
  for (size_t i = 0; i < c.px.size(); ++i) {
    const Pixel& p = c.px[i];
    if (p.a < kMinAlpha) continue;
    auto channel = [&](float v) {
      return static_cast<int>(std::lround(Clamp01(v / p.a) * 255));
    };
    int r = channel(p.r), g = channel(p.g), b = channel(p.b);
    if (r + g + b < 20) {  // keep dark pixels visibly near-black, never the mask colour
      r = std::max(r, 6);
      g = std::max(g, 6);
      b = std::max(b, 9);
    }
    out[i * 4 + 0] = static_cast<uint8_t>(r);
    out[i * 4 + 1] = static_cast<uint8_t>(g);
    out[i * 4 + 2] = static_cast<uint8_t>(b);
    out[i * 4 + 3] = static_cast<uint8_t>(std::lround(Clamp01(p.a) * 255));
  }
  return out;
}

}  // namespace assetgen
