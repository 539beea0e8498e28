// Icons: the engine's 16 x 16 icon sheet (icons.png, 8 x 8 cells).
//
// The settings overlay and the redefine widgets tint most icons and draw
// them at scale 2 or 3 (the slider track at 3.1 x 1.5), unfiltered, so the
// icons are light greys with near-black edges, laid on whole pixels. Cells
// the engine uses: 0 test sprite, 3 key cap, 7 graph point, 8 hat, 9 stick,
// 10 button, 11/12 normal/wide resolution, 13/14 window/full screen,
// 18/19 all frames/frame skip, 21/22 slider track halves, 23 slider knob,
// 24..29 audio drivers, 63 the pointer (tip at the top-left corner).
#include "art.h"


namespace assetgen {
namespace {

const Colour kLight = Rgb(236, 238, 244);
const Colour kMid = Rgb(176, 180, 194);
const Colour kShade = Rgb(110, 114, 132);

void Inked(Canvas& c, const Shape& s, const Paint& p, float rim = 0.8f) {
  Fill(c, Grow(s, rim), Solid(Ink()));
  Fill(c, s, p);
}

Paint Bevel(float y0, float y1) { return VGradient(y0, kLight, y1, kMid); }

// A monitor of the given screen width, centred.
void Monitor(Canvas& c, float halfWidth) {
  float x0 = 8 - halfWidth, x1 = 8 + halfWidth;
  Inked(c, Box(6.5f, 11, 9.5f, 13.5f), Solid(kMid));
  Inked(c, Box(4.5f, 13, 11.5f, 14.5f, 0.6f), Solid(kMid));
  Inked(c, Box(x0, 2.5f, x1, 11.5f, 1), Bevel(2.5f, 11.5f));
  Fill(c, Box(x0 + 1.5f, 4, x1 - 1.5f, 10, 0.5f), VGradient(4, Rgb(120, 190, 255), 10,
                                                          Rgb(40, 80, 160)));
}

void Speaker(Canvas& c, float x) {
  Shape body = Union(Box(x, 6, x + 3, 10),
                     Polygon({{x + 2, 6}, {x + 6, 3}, {x + 6, 13}, {x + 2, 10}}));
  Inked(c, body, Bevel(3, 13));
}

void Film(Canvas& c, bool skip) {
  Inked(c, Box(1.5f, 3, 14.5f, 13, 0.6f), Solid(kShade));
  for (int i = 0; i < 4; ++i) {
    float x = 2.5f + i * 3;
    bool shown = !skip || i % 2 == 0;
    Fill(c, Box(x, 5.5f, x + 2.2f, 10.5f, 0.4f),
         Solid(shown ? kLight : Rgb(70, 72, 86)));
    Fill(c, Box(x + 0.4f, 3.6f, x + 1.6f, 4.6f), Solid(kLight));
    Fill(c, Box(x + 0.4f, 11.4f, x + 1.6f, 12.4f), Solid(kLight));
  }
  if (skip) {
    Inked(c, Polygon({{9, 14.8f}, {15, 14.8f}, {12, 11.2f}}), Solid(Rgb(255, 220, 90)), 0.6f);
  }
}

// Each used cell's painter, by cell number.
void PaintCell(Canvas& c, int cell) {
  switch (cell) {
    case 0:  // calibration test sprite: a small spark, so the benchmark measures
             // sprite count rather than fill; light, so the random tints show
      Fill(c, Circle(8, 8, 3), Solid(Rgb(255, 228, 170)), 0.6f);
      Fill(c, Circle(8, 8, 2), Solid(Rgb(255, 244, 214)), 0.85f);
      Fill(c, Circle(8, 8, 1.2f), Solid(Rgb(255, 255, 248)));
      break;
    case 3:  // key cap: a face for the label on a bevelled base
      Inked(c, Box(1, 1.5f, 15, 15, 2.5f), Solid(kShade));
      Fill(c, Box(2.2f, 2.2f, 13.8f, 12.6f, 2), Bevel(2.2f, 12.6f));
      break;
    case 7:  // graph point
      Inked(c, Circle(8, 8, 3.6f), Lit(8, 8, 3.6f, kLight));
      break;
    case 8:  // joystick hat: a direction pad
      Inked(c, Union(Box(5.5f, 1.5f, 10.5f, 14.5f, 1), Box(1.5f, 5.5f, 14.5f, 10.5f, 1)),
            Bevel(1.5f, 14.5f));
      Fill(c, Circle(8, 8, 1.6f), Solid(kShade));
      for (int i = 0; i < 4; ++i) {
        Fill(c, Rotate(Polygon({{8, 2.6f}, {9.6f, 4.6f}, {6.4f, 4.6f}}), 8, 8, i * 90.0f),
             Solid(kShade));
      }
      break;
    case 9:  // joystick stick: a ball on a shaft over its base
      Inked(c, Ellipse(8, 13, 6.5f, 2.2f), Solid(kShade));
      Inked(c, Capsule(8, 12.5f, 8, 6, 1.2f), Solid(kMid));
      Inked(c, Circle(8, 5, 3.6f), Lit(8, 5, 3.6f, kLight));
      break;
    case 10:  // joystick button: a round cap, room for the label
      Inked(c, Circle(8, 8.8f, 6.8f), Solid(kShade));
      Fill(c, Circle(8, 7.8f, 5.8f), Lit(8, 7.8f, 6.4f, kLight));
      break;
    case 11:  // resolution: normal (4:3)
      Monitor(c, 5);
      break;
    case 12:  // resolution: wide
      Monitor(c, 7);
      break;
    case 13:  // windowed: a window with its title bar
      Inked(c, Box(1.5f, 2.5f, 14.5f, 13.5f, 0.8f), Solid(kLight));
      Fill(c, Box(1.5f, 2.5f, 14.5f, 5.5f, 0.8f), Solid(Rgb(110, 160, 240)));
      Fill(c, Box(11, 3.3f, 13.4f, 4.7f), Solid(kLight));
      Fill(c, Box(3, 7, 13, 12), Solid(Rgb(200, 204, 216)));
      break;
    case 14:  // full screen: a screen with arrows to its corners
      Inked(c, Box(1.5f, 1.5f, 14.5f, 14.5f, 0.8f), Solid(Rgb(120, 190, 255)));
      for (int i = 0; i < 4; ++i) {
        Shape arrow = Union(Polygon({{2.5f, 2.5f}, {7, 2.5f}, {2.5f, 7}}),
                            Capsule(3.5f, 3.5f, 6.5f, 6.5f, 0.8f));
        Fill(c, Rotate(arrow, 8, 8, i * 90.0f), Solid(kLight));
      }
      break;
    case 18:  // draw all frames
      Film(c, false);
      break;
    case 19:  // frame skip
      Film(c, true);
      break;
    case 21:  // slider track, left half: rounded outer end, open inner end
      Fill(c, Box(1, 5, 20, 11, 3), Solid(Ink()));
      Fill(c, Box(2, 6, 20, 10, 2), VGradient(6, kShade, 10, kLight));
      break;
    case 22:  // slider track, right half
      Fill(c, Box(-4, 5, 15, 11, 3), Solid(Ink()));
      Fill(c, Box(-4, 6, 14, 10, 2), VGradient(6, kShade, 10, kLight));
      break;
    case 23:  // slider knob with grip lines
      Inked(c, Box(4, 1.5f, 12, 14.5f, 2), HGradient(4, kLight, 12, kMid));
      for (float y : {6.0f, 8.0f, 10.0f}) Fill(c, Box(6, y - 0.4f, 10, y + 0.4f), Solid(kShade));
      break;
    case 24:  // audio driver: speaker with sound waves
      Speaker(c, 1.5f);
      Inked(c, Arc(8, 8, 3, -50, 50, 1.2f), Solid(kLight), 0.6f);
      Inked(c, Arc(8, 8, 6, -50, 50, 1.2f), Solid(kLight), 0.6f);
      break;
    case 25:  // audio driver: a sound card
      Inked(c, Box(1.5f, 3.5f, 14.5f, 11.5f, 0.8f), Solid(Rgb(120, 200, 140)));
      Fill(c, Box(4, 5.5f, 9, 9.5f, 0.5f), Solid(kShade));
      Fill(c, Circle(12, 7.5f, 1.3f), Solid(kLight));
      for (float x = 3; x < 14; x += 2) Inked(c, Box(x, 11.5f, x + 1, 14), Solid(Gold()), 0.4f);
      break;
    case 26:  // audio driver: silent (a crossed-out speaker)
      Speaker(c, 1.5f);
      Inked(c, Capsule(9.5f, 5.5f, 14, 10.5f, 0.9f), Solid(Rgb(255, 110, 110)), 0.5f);
      Inked(c, Capsule(9.5f, 10.5f, 14, 5.5f, 0.9f), Solid(Rgb(255, 110, 110)), 0.5f);
      break;
    case 27:  // audio driver: headphones
      Inked(c, Arc(8, 9, 5.5f, 180, 360, 1.6f), Solid(kMid));
      Inked(c, Box(1.5f, 8.5f, 5, 14, 1.2f), Bevel(8.5f, 14));
      Inked(c, Box(11, 8.5f, 14.5f, 14, 1.2f), Bevel(8.5f, 14));
      break;
    case 28:  // audio driver: a musical note
      Inked(c, Union({Ellipse(5.5f, 12, 2.8f, 2.1f), Capsule(7.8f, 12, 7.8f, 2.5f, 0.8f),
                      Polygon({{7.2f, 2}, {12.5f, 4.5f}, {12.5f, 7}, {7.2f, 4.6f}})}),
            Bevel(2, 14));
      break;
    case 29:  // audio driver: a waveform
      Inked(c, Box(1, 2.5f, 15, 13.5f, 1.5f), Solid(kShade));
      for (int i = 0; i < 6; ++i) {
        float h = (i % 3 == 0 ? 4.0f : i % 3 == 1 ? 2.6f : 1.4f);
        Fill(c, Capsule(3.2f + i * 1.9f, 8 - h, 3.2f + i * 1.9f, 8 + h, 0.6f), Solid(kLight));
      }
      break;
    case 63: {  // pointer: the tip is pixel (0, 0)
      Shape arrow = Polygon({{0.2f, 0.2f}, {0.2f, 12.6f}, {3.4f, 9.6f}, {5.8f, 14.6f},
                             {8.0f, 13.6f}, {5.6f, 8.8f}, {9.8f, 8.8f}});
      Fill(c, Grow(arrow, 0.9f), Solid(Ink()));
      Fill(c, arrow, VGradient(0, Rgb(255, 255, 255), 14, Rgb(200, 210, 230)));
      break;
    }
    default:
      break;
  }
}

}  // namespace

Canvas DrawIcons() {
  Canvas sheet = MakeCanvas(128, 128);
  for (int cell = 0; cell < 64; ++cell) {
    Canvas c = MakeCanvas(16, 16);
    PaintCell(c, cell);
    Blit(sheet, c, (cell % 8) * 16, (cell / 8) * 16);
  }
  return sheet;
}

}  // namespace assetgen
