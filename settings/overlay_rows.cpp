// overlay_rows.cpp - option rows and volume sliders of the settings overlay.
#include "settings/overlay_rows.h"

#include "engine/draw.h"          // Required for: draw state, MouseInRect, counted and glow draws
#include "engine/frame_end.h"     // Required for: MouseX, MouseHitLeft
#include "platform/platform.h"    // Required for: MouseDown, TextWidth, SetFont
#include "settings/overlay.h"     // Required for: OverlayOffset
#include "settings/setup_file.h"  // Required for: AudioDrivers, FieldOf
#include "shell/assets.h"         // Required for: Fonts, Icons, IconsSharp
#include "shell/state.h"          // Required for: Settings

namespace crownlift {

namespace {

constexpr int kRowHeight = 32;   // a 16-pixel icon at scale 2
constexpr int kTextIndent = 38;  // text starts right of the icon
constexpr int kDriverRowCount = 6;  // icons 24..29 show drivers 1..6

bool ValidEntry(int entry) { return entry >= 0 && entry < kSettingCount; }

}  // namespace

bool OptionRow(int entry, int x, int y, int icon, const OptionLabels& given) {
  if (!ValidEntry(entry)) return false;
  OptionLabels labels = given;
  if (labels[0] == "AUDIO") {
    for (int k = 0; k < kDriverRowCount && k < static_cast<int>(AudioDrivers.size()); ++k) {
      labels[k] = "Audio Driver|" + AudioDrivers[k];
    }
  }

  const int v = Settings[entry];
  const std::string& text = v >= 1 && v < kOptionLabelCount && !labels[v].empty() ? labels[v] : labels[0];
  int count = 1;
  for (int k = 1; k < kOptionLabelCount; ++k) {
    if (!labels[k].empty()) count = k + 1;
  }

  const int top = OverlayOffset + y;
  SetDrawScale(1);
  platform::SetFont(Fonts[2]);
  const bool twoLines = text.find('|') != std::string::npos;
  const std::string firstLine = twoLines ? FieldOf(text, "|", 1) : text;
  if (twoLines) {
    DrawTextAligned(x + kTextIndent, top + 8, firstLine, 0, 1);
    DrawTextAligned(x + kTextIndent, top + 24, FieldOf(text, "|", 2), 0, 1);
  } else {
    DrawTextAligned(x + kTextIndent, top + 16, text, 0, 1);
  }

  SetDrawScale(2);
  const int w = platform::TextWidth(firstLine);
  const int frame = icon + v;
  if (!MouseInRect(x, top, w, kRowHeight)) DrawCountedImage(IconsSharp, x, top, frame, 1);
  if (!MouseInRect(x, top, w + kTextIndent, kRowHeight)) return false;
  DrawGlowImage(IconsSharp, x, top, frame, Icons, 1.1f, 0.8f);
  if (MouseHitLeft != 0) Settings[entry] = ((v + 1) % count + count) % count;
  return true;
}

int VolumeSlider(int value, int x, int y, const std::string& label) {
  SetDrawColour(80, 255, 80);
  SetDrawScale(3.1f, 1.5f);
  DrawCountedImage(IconsSharp, x - 2, y, 21, 1);
  DrawCountedImage(IconsSharp, x + 48, y, 22, 1);

  SetDrawColour(255, 80, 80);
  SetDrawScale(1, 1.5f);
  DrawCountedImage(IconsSharp, x + value - 9, y, 23, 1);

  SetDrawColour(80, 180, 255);
  if (MouseInRect(x - 2, y - 4, 100, 24) && platform::MouseDown(1)) value = MouseX - (x - 2);

  SetDrawScale(1);
  DrawTextAligned(x, y + 20, label + " : " + std::to_string(value), 0, 0);
  return value;
}

}  // namespace crownlift
