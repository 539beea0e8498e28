// overlay.cpp - the settings overlay that slides down over any screen.
//
// It is not a screen: FrameEnd calls DrawSettingsOverlay once per frame of
// whatever loop runs, and the panel moves, draws and handles itself on top of
// that frame. Left: display mode, frame skipping and Apply. Middle: the four
// players' binding clusters. Right: audio driver, volumes, joysticks. Every
// control edits Settings, Bindings or Joysticks in place.
#include "settings/overlay.h"

#include "controls/bindings.h"       // Required for: Joysticks, JoystickCount, ControlSlot
#include "controls/key_names.h"      // Required for: BindingWidget
#include "engine/draw.h"             // Required for: draw state, MouseInRect, DrawCounts
#include "engine/frame_end.h"        // Required for: SettingsOpen, MouseHitLeft, MouseHitRight
#include "platform/platform.h"       // Required for: KeyHits, MouseHits, JoystickButtonDown
#include "settings/overlay_rows.h"   // Required for: OptionRow, VolumeSlider
#include "settings/setup_file.h"     // Required for: WriteSetupFile
#include "shell/assets.h"            // Required for: Fonts, ApplyDisplaySettings
#include "shell/state.h"             // Required for: Settings, Display, GameContext

namespace crownlift {

int OverlayOffset = -300;

namespace {

constexpr int kHidden = -300, kShown = 20, kSlideStep = 32;
constexpr int kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40;

void Slide() {
  if (SettingsOpen == 1 && OverlayOffset < 0) OverlayOffset += kSlideStep;
  if (SettingsOpen == 0 && OverlayOffset > kHidden) OverlayOffset -= kSlideStep;
}

void DrawBackground() {
  const int o = OverlayOffset;
  const float vw = static_cast<float>(Display.VirtualWidth);
  platform::SetFont(Fonts[2]);
  ResetDrawState();
  SetEngineBlend(2);
  SetDrawColour(40, 40, 40, 0.8f);
  platform::DrawRect(0, 0, vw, static_cast<float>(o + 300));
  SetEngineBlend(1);
  SetDrawColour(80, 80, 80, 0.4f);
  platform::DrawRect(0, 0, vw, static_cast<float>(o + 298));
  SetDrawColour(180, 255, 180, 1);
  platform::DrawRect(0, static_cast<float>(o + 298), vw, 2);
  // The panel's icons must never be cut by what the frame already drew.
  DrawCounts[1] = 0;
  DrawCounts[2] = 0;
}

// Both keys of a direction are asked, so neither keeps a stale press.
bool KeysHit(int first, int second) {
  const int hits = platform::KeyHits(first) + platform::KeyHits(second);
  return hits > 0;
}

void StepMode(int step) {
  int index = Settings[ModeIndex] + step;
  if (index > Display.ModeCount) index = 1;
  if (index < 1) index = Display.ModeCount;
  Settings[ModeIndex] = index;
  const bool listed = index >= 0 && index < kModeTableSize;
  Settings[Width] = listed ? Display.ModeWidths[index] : 0;
  Settings[Height] = listed ? Display.ModeHeights[index] : 0;
}

void DrawSizeClass() {
  const int height = Settings[Height];
  std::string text = "Native (Crisp, Clear)";
  if (height < 900) {
    SetDrawColour(255, 180, 80);
    text = "Small (Bit blurry)";
  } else if (height > 960) {
    SetDrawColour(180, 255, 80);
    text = "Bigger! (High-Definition!)";
  } else {
    SetDrawColour(255, 255, 80);
  }
  DrawTextAligned(80, OverlayOffset + 128, text, 0, 0);
}

void DrawDisplayColumn() {
  const int o = OverlayOffset;
  SetDrawColour(80, 255, 80, 1);
  DrawTextAligned(20, o + 4, "Graphics", 0, 0);
  OptionRow(Fullscreen, 20, 30, 13, {"Windowed", "Fullscreen"});

  bool hot = OptionRow(Widescreen, 20, 70, 11, {"Resolution"});
  if (!hot) hot = MouseInRect(20, o + 70, 200, 70);
  // The arrow keys are asked for (and so consumed) only while the area is
  // hot; elsewhere they stay available to the screen underneath.
  if (hot) {
    if (KeysHit(kKeyRight, kKeyUp) || MouseHitLeft != 0) StepMode(+1);
    if (KeysHit(kKeyLeft, kKeyDown) || MouseHitRight != 0) StepMode(-1);
  }

  SetDrawScale(1);
  DrawTextAligned(20, o + 108, std::to_string(Settings[Width]) + "x" + std::to_string(Settings[Height]),
                  0, 0);
  DrawSizeClass();

  SetDrawColour(80, 255, 80, 1);
  OptionRow(SlowSystem, 20, 146, 18, {"Draw all Frames|Decent System", "Frameskip|Slow System"});
}

void RunApplyButton() {
  const int o = OverlayOffset;
  SetDrawScale(1);
  SetDrawColour(0, 120, 0, 0.5f);
  const int w = platform::TextWidth("Apply"), h = platform::TextHeight();
  if (MouseInRect(18, o + 258, w + 4, h + 4)) {
    platform::DrawRect(18, static_cast<float>(o + 258), static_cast<float>(w + 4),
                       static_cast<float>(h + 4));
    if (MouseHitLeft != 0) {
      MouseHitLeft = 0;
      SettingsOpen = 0;
      WriteSetupFile();
      ApplyDisplaySettings();
      // Every font was reloaded; the old current font is gone.
      platform::SetFont(Fonts[2]);
    }
  }
  SetDrawColour(80, 255, 80, 1);
  DrawTextAligned(20, o + 260, "Apply", 0, 0);
}

struct ClusterWidget {
  int slot, dx, dy, r, g, b;
};
constexpr ClusterWidget kCluster[] = {
    {Up, 50, 0, 80, 255, 80},        {Left, 0, 50, 80, 255, 80},
    {Right, 100, 50, 80, 255, 80},   {Down, 50, 50, 80, 255, 80},
    {Action4, 190, 0, 255, 255, 80}, {Action3, 155, 30, 80, 80, 255},
    {Action2, 225, 30, 255, 80, 80}, {Action1, 190, 60, 80, 255, 80},
};

void DrawBindingClusters() {
  int x = 250, y = OverlayOffset + 10;
  for (int p = 1; p <= GameContext.PlayerCount && p <= kMaxPlayers; ++p) {
    if (!GameContext.MouseControlled) {
      for (const ClusterWidget& w : kCluster) {
        SetDrawColour(w.r, w.g, w.b);
        BindingWidget((p - 1) * kSlotsPerPlayer + w.slot, x + w.dx, y + w.dy);
      }
    }
    y += 150;
    if (p == 2) {
      y = OverlayOffset + 10;
      x += 400;
    }
  }
}

int Snapped(int volume) {
  if (volume < 6) return 0;
  if (volume > 94) return 100;
  return volume;
}

void DrawJoystickList(int x) {
  int y = OverlayOffset + 230;
  for (int j = 1; j <= JoystickCount && j <= kMaxJoysticks; ++j) {
    JoystickRecord& pad = Joysticks[j];
    // Button 0 is asked of the platform directly, so a switched-off pad still
    // shows that it is alive.
    if (platform::JoystickButtonDown(j - 1, 0)) {
      SetDrawColour(255, 255, 80, 1);
    } else {
      SetDrawColour(80, 255, 80, 1);
    }
    if (!pad.enabled) platform::SetAlpha(0.2f);
    if (MouseInRect(x, y, platform::TextWidth(pad.name), 14) && MouseHitLeft != 0) {
      MouseHitLeft = 0;
      pad.enabled = !pad.enabled;
    }
    DrawTextAligned(x, y, pad.name, 0, 0);
    y += 15;
  }
}

void DrawAudioColumn() {
  const int o = OverlayOffset;
  const int x = Display.VirtualWidth - 280;
  OptionRow(AudioDriver, x, 20, 24, {"AUDIO"});
  SetDrawScale(1);
  SetDrawColour(255, 180, 180, 1);
  DrawTextAligned(x, o + 50, "Changes require a Restart", 0, 0);
  Settings[MasterVolume] = Snapped(VolumeSlider(Settings[MasterVolume], x, o + 70, "Master Volume"));
  Settings[SoundVolume] = Snapped(VolumeSlider(Settings[SoundVolume], x, o + 120, "Sounds"));
  Settings[MusicVolume] = Snapped(VolumeSlider(Settings[MusicVolume], x, o + 170, "Music"));
  DrawJoystickList(x);
}

}  // namespace

void DrawSettingsOverlay() {
  MouseHitLeft = platform::MouseHits(1);
  MouseHitRight = platform::MouseHits(2);
  Slide();
  if (OverlayOffset <= kHidden) return;

  DrawBackground();
  DrawDisplayColumn();
  RunApplyButton();
  DrawBindingClusters();
  DrawAudioColumn();
}

}  // namespace crownlift
