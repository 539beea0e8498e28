// Craft: the wockit, its grip, the poles and the two tinted effects.
//
// The wockit and the grip are drawn in their own colours (the game draws
// them white). The pole, the explosion and the hazard are drawn mostly in
// light greys because the game multiplies them by a colour: light values
// take the tint, dark outlines keep the shape.
#include "art.h"

#include <cmath>   // Required for: std::sin, std::cos
#include <vector>  // Required for: polygon points

namespace assetgen {
namespace {

constexpr float kPi = 3.14159265358979f;

void Inked(Canvas& c, const Shape& s, const Paint& p, float rim = 0.75f) {
  Fill(c, Grow(s, rim), Solid(Ink()));
  Fill(c, s, p);
}

// A star polygon: `points` spikes between radii inner and outer; each spike's
// radius is varied by `jitter` with a fixed pattern so it looks hand-drawn.
Shape Burst(float cx, float cy, int points, float inner, float outer, float jitter,
            float turn) {
  std::vector<Vec> v;
  for (int i = 0; i < points * 2; ++i) {
    float a = (i * 180.0f / points + turn) * kPi / 180;
    float wobble = 1 + jitter * std::sin(i * 2.39996f + 1.3f);
    float r = (i % 2 == 0 ? outer : inner) * wobble;
    v.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  return Polygon(v);
}

}  // namespace

Canvas DrawWockit() {
  Canvas c = MakeCanvas(32, 32);
  const Colour hull = Rgb(226, 232, 242);
  const Colour stripe = Rgb(255, 136, 40);
  const Colour metal = Rgb(120, 128, 150);

  // Landing legs and feet, behind the hull.
  for (float side : {-1.0f, 1.0f}) {
    float x0 = 16 + 6 * side, x1 = 16 + 11.5f * side;
    Inked(c, Capsule(x0, 18, x1, 27, 1.2f), Solid(metal));
    Inked(c, Box(x1 - 2.6f, 26.6f, x1 + 2.6f, 28.6f, 0.9f),
          VGradient(26.6f, Rgb(180, 186, 204), 28.6f, Rgb(90, 96, 120)));
  }
  // Thruster bell under the hull.
  Shape bell = Polygon({{12.6f, 20}, {19.4f, 20}, {21, 25.4f}, {11, 25.4f}});
  Inked(c, bell, HGradient(11, Rgb(170, 176, 196), 21, Rgb(70, 74, 96)));
  Fill(c, Box(11.4f, 24.4f, 20.6f, 25.6f, 0.5f), Solid(Rgb(255, 190, 90)));  // warm nozzle rim

  // Hull: a lit saucer body with an orange band and running lights.
  Shape body = Ellipse(16, 17, 13, 5.6f);
  Inked(c, body, Lit(13, 13, 13, hull));
  Shape band = Intersect(body, Box(0, 17.4f, 32, 19.6f));
  Fill(c, band, HGradient(3, Scale(stripe, 1.1f), 29, Scale(stripe, 0.7f)));
  for (float x : {7.0f, 12.0f, 16.0f, 20.0f, 25.0f}) {
    Fill(c, Circle(x, 18.5f, 0.75f), Solid(Rgb(255, 248, 180)));
  }
  // Cockpit dome with its glass highlight and a small pilot shadow.
  Shape dome = Intersect(Circle(16, 12.6f, 7), Box(0, 0, 32, 14.2f));
  Inked(c, dome, Lit(14.2f, 10.4f, 7.5f, Rgb(96, 206, 255)));
  Fill(c, Intersect(Circle(16.8f, 13.4f, 3.4f), dome), Solid(Rgb(40, 90, 150)), 0.7f);
  Fill(c, Capsule(12.4f, 10.2f, 14.4f, 7.8f, 1.0f), Solid(Rgb(240, 252, 255)), 0.85f);
  // Dome rim ring where it meets the hull.
  Fill(c, Box(8.6f, 13.4f, 23.4f, 14.8f, 0.7f), Solid(Rgb(150, 160, 186)));
  // Antenna with a red tip.
  Inked(c, Capsule(16, 5.6f, 16, 3, 0.45f), Solid(metal), 0.5f);
  Fill(c, Circle(16, 2.6f, 1.2f), Lit(16, 2.6f, 1.2f, Rgb(255, 70, 70)));

  Outline(c, Ink(), 1.0f);
  return c;
}

Canvas DrawGrip() {
  Canvas c = MakeCanvas(16, 16);
  const Colour steel = Rgb(196, 204, 222);
  // Eye for the line, the hub, and two curved jaws opening downwards.
  Shape eye = Subtract(Circle(8, 2.6f, 2.1f), Circle(8, 2.6f, 0.9f));
  Shape hub = Box(5.2f, 3.8f, 10.8f, 7.6f, 1.2f);
  Shape jaws = MirrorX(Arc(8, 9.4f, 4.2f, 118, 250, 2.0f), 8);
  Inked(c, jaws, Lit(7, 7, 7, steel));
  Inked(c, eye, Solid(Rgb(160, 168, 190)));
  Inked(c, hub, VGradient(3.8f, Rgb(255, 214, 90), 7.6f, Rgb(210, 130, 30)));
  Fill(c, Circle(8, 5.7f, 0.9f), Solid(Rgb(120, 70, 20)));  // pivot bolt
  Outline(c, Ink(), 0.8f);
  return c;
}

Canvas DrawStick() {
  Canvas c = MakeCanvas(16, 128);
  const Colour pale = Rgb(236, 236, 236);
  // Shaft, lit as a round column, with diagonal bands like a barber's pole.
  Shape shaft = Box(5, 3, 11, 124, 0.5f);
  Inked(c, shaft, LitColumn(5, 11, pale));
  for (float y = 4; y < 124; y += 10) {
    Shape stripe = Polygon({{4, y + 3}, {12, y}, {12, y + 3.2f}, {4, y + 6.2f}});
    Fill(c, Intersect(shaft, stripe), LitColumn(5, 11, Rgb(150, 150, 160)));
  }
  // Cap the royals stand on, and a footing at the ground.
  Shape cap = Box(1, 0.6f, 15, 4.6f, 1.6f);
  Inked(c, cap, VGradient(0.6f, Rgb(255, 255, 255), 4.6f, Rgb(160, 160, 170)));
  Shape foot = Polygon({{3, 127.6f}, {13, 127.6f}, {11, 120}, {5, 120}});
  Inked(c, foot, LitColumn(3, 13, Rgb(200, 200, 206)));
  Outline(c, Ink(), 0.8f);
  return c;
}

Canvas DrawSmash() {
  // A light burst: the game tints it orange at half alpha and spins it at
  // scale 4, so value and shape matter, colour does not.
  Canvas c = MakeCanvas(40, 40);
  Fill(c, Burst(20, 20, 11, 9, 19, 0.14f, 0), Solid(Rgb(170, 170, 170)));
  Fill(c, Burst(20, 20, 9, 7, 14.5f, 0.2f, 14), Solid(Rgb(214, 214, 214)));
  Fill(c, Burst(20, 20, 7, 5, 9.5f, 0.16f, 31), Solid(Rgb(244, 244, 244)));
  Fill(c, Circle(20, 20, 4.2f), Solid(Rgb(255, 255, 255)));
  // Flying debris.
  for (int i = 0; i < 9; ++i) {
    float a = (i * 40.0f + 11) * kPi / 180;
    float r = 15.5f + 2.5f * std::sin(i * 1.7f);
    Fill(c, Circle(20 + r * std::cos(a), 20 + r * std::sin(a), 1.1f + 0.4f * (i % 2)),
         Solid(Rgb(230, 230, 230)));
  }
  return c;
}

Canvas DrawSmashB() {
  // A spiked mine: the tint colours it, the dark rim and spikes read at speed.
  Canvas c = MakeCanvas(16, 16);
  Shape spikes = Burst(8, 8, 8, 3.8f, 7.4f, 0, 0);
  Inked(c, spikes, Solid(Rgb(200, 200, 200)), 0.6f);
  Shape core = Circle(8, 8, 4.3f);
  Inked(c, core, Lit(8, 8, 4.3f, Rgb(235, 235, 235)), 0.7f);
  Fill(c, Circle(8, 8, 1.4f), Solid(Rgb(255, 255, 255)));
  Outline(c, Ink(), 0.7f);
  return c;
}

}  // namespace assetgen
