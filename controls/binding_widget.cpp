// binding_widget.cpp - the square widget that shows and redefines one binding.
//
// There is no "press a key" dialog: while the pointer rests on a widget and
// the settings overlay is fully down, whatever input is held becomes the
// binding (Backspace clears it). The widget keeps no state of its own; the
// Bindings entry is the state, so a change is live for every reader at once.
#include "controls/key_names.h"

#include "controls/bindings.h"  // Required for: Bindings, InputHeld, FirstHeldInput
#include "engine/draw.h"        // Required for: MouseInRect, DrawGlowImage, DrawTextAligned
#include "settings/overlay.h"   // Required for: OverlayOffset
#include "shell/assets.h"       // Required for: Icons, IconsSharp

namespace crownlift {

namespace {

constexpr int kWidgetSize = 48;  // a 16-pixel icon at scale 3
constexpr int kKeyClear = 8;     // Backspace

// How a binding is shown: which icon, and where its label is centred
// (axis and hat labels sit on the widget's top-left corner).
struct WidgetLook {
  bool drawn = false;
  int frame = 0;
  bool labelOnCorner = false;
};

WidgetLook LookOf(int code) {
  if (code == 0 || (code >= 9 && code <= 254)) return {true, 3, false};
  if (code < 300) return {};
  const int r = code % 50;
  if (r <= 11) return {true, 9, true};
  if (r >= 20 && r <= 29) return {true, 8, true};
  if (r >= 30) return {true, 10, false};
  return {};
}

}  // namespace

void BindingWidget(int index, int x, int y) {
  if (index < 0 || index >= kBindingCount) return;
  const int shown = Bindings[index];
  bool lit = false;

  if (MouseInRect(x, y, kWidgetSize, kWidgetSize) && OverlayOffset >= 0) {
    lit = true;
    const InputCode held = FirstHeldInput();
    if (held > kKeyClear) Bindings[index] = held;
    if (held == kKeyClear) Bindings[index] = 0;
  }
  if (InputHeld(Bindings[index])) lit = true;

  // The icon follows the binding as it was when the frame began, the label
  // the binding as it is now: a capture shows in the label one frame early.
  const WidgetLook look = LookOf(shown);
  if (!look.drawn) return;
  SetDrawScale(3);
  DrawGlowImage(IconsSharp, x, y, look.frame, Icons, 1.1f, lit ? 1.0f : 0.0f);
  SetDrawScale(1);
  const std::string label = shown == 0 ? "?!" : KeyName(Bindings[index]);
  const int half = kWidgetSize / 2;
  if (look.labelOnCorner) {
    DrawTextAligned(x, y, label, 1, 1);
  } else {
    DrawTextAligned(x + half, y + half, label, 1, 1);
  }
}

}  // namespace crownlift
