// Folk: the two royals of folk.png, a king in crimson and a queen in blue.
//
// Cells (32 x 32): 0 arms raised (climbing, or calling from the pole top),
// 1 and 2 a two-step walk to the right, 3 hanging with the grip on the left
// (the hand sits where the claw's right jaw falls, 16 px left of the cell
// centre at scale 2), 4 the same mirrored. King in cells 0..4, queen in
// 10..14; the rest of the 10 x 10 sheet stays empty.
#include "art.h"

#include <vector>  // Required for: polygon points

namespace assetgen {
namespace {

enum class Kind { King, Queen };

struct Pose {
  float cx;         // body centre line
  float headY;      // head centre
  float shoulderY;  // top of the robe
  float hemY;       // bottom of the robe
  float footY;      // centre of the feet
  float footBack, footFront;  // x of the feet
  Vec handBack, handFront;    // hand positions
};

Pose PoseFor(int frame, Kind kind) {
  bool queen = kind == Kind::Queen;
  float hem = queen ? 30.2f : 26.8f;
  switch (frame) {
    case 0:  // both arms up: climbing, or waving for rescue on the pole top
      return {16, 11.5f, 16, hem, 29.8f, 14, 18, {9, 8.5f}, {23, 8.5f}};
    case 1:  // stride
      return {16, 11, 15.5f, hem, 29.8f, 12, 20.5f, {10.5f, 22.5f}, {22, 21}};
    case 2:  // passing, one pixel up
      return {16, 10, 14.5f, hem - 1, 28.8f, 15, 17.5f, {13.5f, 22}, {19, 22}};
    default:  // hanging by the left hand (mirrored for frame 4)
      return {19.5f, 14, 18.5f, queen ? 29.6f : 27.2f, 30.2f, 17.5f, 21.5f, {12.0f, 12.4f},
              {26.5f, 22.5f}};
  }
}

struct Look {
  Colour robe, robeDark, sleeve, trim, legs, shoes, hair, crownGem;
};

Look LookFor(Kind kind) {
  if (kind == Kind::King) {
    return {Rgb(206, 40, 58), Rgb(120, 18, 44), Rgb(176, 30, 50), Snow(), Rgb(96, 56, 120),
            Rgb(92, 52, 30), Rgb(236, 236, 228), Rgb(230, 30, 60)};
  }
  return {Rgb(74, 128, 240), Rgb(34, 58, 150), Rgb(60, 108, 220), Rgb(196, 232, 255),
          Rgb(0, 0, 0), Rgb(40, 40, 110), Rgb(160, 78, 42), Rgb(255, 90, 170)};
}

// A shape with a thin dark rim of its own, so overlapping parts stay apart.
void Inked(Canvas& c, const Shape& s, const Paint& p, float rim = 0.75f) {
  Fill(c, Grow(s, rim), Solid(Ink()));
  Fill(c, s, p);
}

// Robe colour: lit from the upper left, darker toward the hem.
Paint RobePaint(const Look& look, float cx, float top, float bottom) {
  return [=](float x, float y) {
    float across = (x - (cx - 8)) / 16;
    float down = (y - top) / (bottom - top);
    Colour c = Mix(Scale(look.robe, 1.15f), look.robeDark, 0.55f * across + 0.3f * down);
    return c;
  };
}

Shape Arm(const Pose& p, Vec hand, float side) {
  return Capsule(p.cx + 3.4f * side, p.shoulderY + 1.4f, hand.x, hand.y, 1.45f);
}

void DrawHand(Canvas& c, Vec hand) {
  Fill(c, Grow(Circle(hand.x, hand.y, 1.4f), 0.6f), Solid(Ink()));
  Fill(c, Circle(hand.x, hand.y, 1.4f), Lit(hand.x, hand.y, 1.4f, Skin()));
}

void DrawCrown(Canvas& c, Kind kind, float cx, float top) {
  if (kind == Kind::King) {
    Shape band = Box(cx - 4, top + 3.6f, cx + 4.4f, top + 5.8f, 0.4f);
    Shape points = Polygon({{cx - 4, top + 4}, {cx - 3.6f, top}, {cx - 1.6f, top + 2.6f},
                            {cx + 0.2f, top - 0.8f}, {cx + 2, top + 2.6f}, {cx + 4, top},
                            {cx + 4.4f, top + 4}});
    Shape crown = Union(band, points);
    Fill(c, Grow(crown, 0.7f), Solid(Ink()));
    Fill(c, crown, VGradient(top - 1, Rgb(255, 244, 150), top + 6, Rgb(224, 150, 30)));
    Fill(c, Circle(cx + 0.2f, top + 4.7f, 0.9f), Solid(Rgb(230, 30, 60)));
  } else {
    Shape band = Box(cx - 3.2f, top + 4, cx + 3.6f, top + 5.6f, 0.5f);
    Shape points = Polygon({{cx - 3, top + 4.4f}, {cx - 2.2f, top + 2.2f}, {cx - 1, top + 4},
                            {cx + 0.2f, top + 0.4f}, {cx + 1.4f, top + 4}, {cx + 2.6f, top + 2.2f},
                            {cx + 3.4f, top + 4.4f}});
    Shape tiara = Union(band, points);
    Fill(c, Grow(tiara, 0.7f), Solid(Ink()));
    Fill(c, tiara, VGradient(top, Rgb(255, 250, 210), top + 6, Rgb(220, 180, 90)));
    Fill(c, Circle(cx + 0.2f, top + 4.6f, 0.85f), Solid(Rgb(255, 90, 170)));
  }
}

Canvas DrawRoyal(Kind kind, int frame) {
  Canvas c = MakeCanvas(32, 32);
  Pose p = PoseFor(frame, kind);
  Look look = LookFor(kind);
  bool queen = kind == Kind::Queen;
  float cx = p.cx;

  // Hair falls behind the queen's head and shoulders.
  if (queen) {
    Shape hair = Union(Ellipse(cx - 0.6f, p.headY + 0.6f, 4.9f, 5.1f),
                       Polygon({{cx - 5.2f, p.headY}, {cx + 1, p.headY}, {cx - 1, p.headY + 9.5f},
                                {cx - 6.4f, p.headY + 8.5f}}));
    Inked(c, hair, VGradient(p.headY - 5, Scale(look.hair, 1.15f), p.headY + 9,
                             Scale(look.hair, 0.7f)));
  }

  // Back arm, then legs (the king's show below his robe; the queen's shoes
  // peek out under the hem).
  Inked(c, Arm(p, p.handBack, -1), Solid(Scale(look.sleeve, 0.75f)));
  Fill(c, Circle(p.handBack.x, p.handBack.y, 1.35f), Solid(Scale(Skin(), 0.85f)));
  if (!queen) {
    for (float fx : {p.footBack, p.footFront}) {
      float hipX = cx + (fx < cx ? -1.8f : 1.8f);
      Inked(c, Capsule(hipX, p.hemY - 1.5f, fx, p.footY - 0.6f, 1.4f), Solid(look.legs));
    }
  }
  for (float fx : {p.footBack, p.footFront}) {
    float fy = queen ? p.hemY + 0.4f : p.footY;
    Inked(c, Ellipse(fx + 0.9f, fy, queen ? 2 : 2.4f, queen ? 1.2f : 1.4f),
          VGradient(fy - 1.5f, Scale(look.shoes, 1.5f), fy + 1.5f, look.shoes), 0.6f);
  }

  // Robe or gown.
  std::vector<Vec> robe;
  if (queen) {
    robe = {{cx - 3.8f, p.shoulderY}, {cx + 3.8f, p.shoulderY}, {cx + 3, p.shoulderY + 4.5f},
            {cx + 8, p.hemY}, {cx - 8.4f, p.hemY}, {cx - 3, p.shoulderY + 4.5f}};
  } else {
    robe = {{cx - 4.6f, p.shoulderY}, {cx + 4.4f, p.shoulderY}, {cx + 6.4f, p.hemY},
            {cx - 7.6f, p.hemY}};
  }
  Shape body = Polygon(robe);
  Inked(c, body, RobePaint(look, cx, p.shoulderY, p.hemY));
  // Trim along the hem, and a belt or bodice line.
  Shape hemBand = Intersect(body, Box(cx - 10, p.hemY - 2, cx + 10, p.hemY + 1));
  Fill(c, hemBand, Solid(look.trim));
  if (!queen) {
    for (float x = cx - 6; x < cx + 6; x += 3) {
      Fill(c, Intersect(hemBand, Circle(x, p.hemY - 1, 0.5f)), Solid(Ink()));
    }
    Fill(c, Intersect(body, Box(cx - 10, p.shoulderY + 5.4f, cx + 10, p.shoulderY + 6.8f)),
         Solid(Gold()));
  } else {
    Fill(c, Intersect(body, Box(cx - 10, p.shoulderY + 4, cx + 10, p.shoulderY + 5)),
         Solid(Gold()));
  }
  // Collar: ermine for the king, a light neckline for the queen.
  Fill(c, Ellipse(cx, p.shoulderY + 0.4f, queen ? 3.6f : 5, 1.6f), Solid(look.trim));
  if (!queen) Fill(c, Circle(cx + 1.5f, p.shoulderY + 0.5f, 0.45f), Solid(Ink()));

  // Head.
  float hx = cx + 0.6f, hy = p.headY;
  Inked(c, Circle(hx, hy, 4.2f), Lit(hx, hy, 4.2f, Skin()));
  Fill(c, Circle(hx + 4.1f, hy + 0.6f, 1.0f), Solid(Skin()));  // nose
  if (queen) {
    // Fringe over the brow, on the side away from the face.
    Fill(c, Intersect(Circle(hx - 0.4f, hy - 0.6f, 4.5f), Box(hx - 6, hy - 6, hx + 5, hy - 2.6f)),
         Solid(look.hair));
    Fill(c, Intersect(Circle(hx - 0.4f, hy, 4.5f), Box(hx - 6, hy - 6, hx - 2.4f, hy + 3)),
         Solid(look.hair));
    Fill(c, Circle(hx + 2.9f, hy + 2.4f, 0.55f), Solid(Rgb(214, 60, 96)));  // lips
  } else {
    // White beard and moustache on the lower face.
    Shape beard = Intersect(Ellipse(hx + 1.2f, hy + 2.6f, 3.8f, 3.4f),
                            Box(hx - 4, hy + 1, hx + 6, hy + 7));
    Inked(c, beard, VGradient(hy + 1, look.hair, hy + 6, Rgb(190, 190, 200)), 0.5f);
  }
  Fill(c, Circle(hx + 2.2f, hy - 0.6f, 0.8f), Solid(Ink()));  // eye
  Fill(c, Circle(hx + 2.7f, hy + 1.0f, 0.9f), Solid(Rgb(240, 130, 120)), 0.5f);  // cheek
  DrawCrown(c, kind, hx - 0.2f, hy - 8.6f);

  // Front arm last, over the robe.
  Inked(c, Arm(p, p.handFront, 1), Solid(look.sleeve));
  DrawHand(c, p.handFront);
  // The back hand again on top when it is raised above the shoulders (it holds).
  if (p.handBack.y < p.shoulderY) DrawHand(c, p.handBack);

  Outline(c, Ink(), 1.0f);
  return c;
}

}  // namespace

Canvas DrawFolk() {
  Canvas sheet = MakeCanvas(320, 320);
  for (int royal = 0; royal < 2; ++royal) {
    Kind kind = royal == 0 ? Kind::King : Kind::Queen;
    for (int frame = 0; frame < 5; ++frame) {
      Canvas cell = DrawRoyal(kind, frame < 4 ? frame : 3);
      if (frame == 4) cell = FlipX(cell);
      int index = royal * 10 + frame;
      Blit(sheet, cell, (index % 10) * 32, (index / 10) * 32);
    }
  }
  return sheet;
}

}  // namespace assetgen
