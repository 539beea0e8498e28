// frame_end.cpp - the frame-end service and the message log.
#include "engine/frame_end.h"

#include "engine/draw.h"            // Required for: ResetDrawState, SetDrawColour, DrawCounts
#include "engine/pause.h"           // Required for: SaveScreenshot on F11, PauseMenu on Esc
#include "platform/platform.h"      // Required for: input, clock, present
#include "settings/overlay.h"       // Required for: DrawSettingsOverlay every frame
#include "settings/setup_file.h"    // Required for: WriteSetupFile on Tab
#include "shell/assets.h"           // Required for: Fonts, Icons
#include "shell/shutdown.h"         // Required for: ShutDown on a close request
#include "shell/state.h"            // Required for: Settings, Display, GameContext

namespace crownlift {

int FrameParity = 0;
int LastFrameTime = 0;
int FrameMillis = 0;
int FpsAverage = 0;
int DebugOverlay = 1;
int SettingsOpen = 0;
int LastCollectionBytes = 0;
int MouseX = 0, MouseY = 0;
int PrevMouseX = 0, PrevMouseY = 0;
int MouseHitLeft = 0, MouseHitRight = 0;
std::list<ment> MessageLog;

namespace {

constexpr int kKeyTab = 9, kKeyEscape = 27, kKeyF4 = 115, kKeyF11 = 122, kKeyF12 = 123;
constexpr int kKeyLeftAlt = 164, kKeyRightAlt = 165;

void DrawDebugOverlay() {
  auto budgetLine = [](const char* label, int slot) {
    return std::string(label) + std::to_string(DrawCounts[slot]) + "/" +
           std::to_string(DrawBudgets[slot]);
  };
  platform::SetFont(Fonts[1]);
  DrawTextAligned(2, 2, std::to_string(FpsAverage), 0, 0);
  platform::SetFont(Fonts[2]);
  DrawTextAligned(2, 40, "Collection : " + std::to_string(LastCollectionBytes), 0, 0);
  DrawTextAligned(2, 60, "Used Memory : " + std::to_string(platform::MemoryInUse()), 0, 0);
  DrawTextAligned(2, 80, budgetLine("Drawn Images : ", 1), 0, 0);
  DrawTextAligned(2, 100, budgetLine("Drawn Glow : ", 2), 0, 0);
  DrawTextAligned(2, 120, budgetLine("Drawn Particles : ", 3), 0, 0);
  DrawTextAligned(2, 150, "Hit F12 to remove this", 0, 0);
}

// Sleep-and-poll pacing against a 16.67 ms period with 2 ms of slack; at
// least one 1 ms sleep always happens.
void PaceFrame() {
  const double due = LastFrameTime - 2 + 1000.0 / 60.0;
  do {
    platform::SleepMillis(1);
  } while (Millisecs() < due);
}

bool CloseWanted() {
  const bool altF4 = platform::KeyDown(kKeyF4) &&
                     (platform::KeyDown(kKeyLeftAlt) || platform::KeyDown(kKeyRightAlt));
  return altF4 || platform::CloseRequested();
}

}  // namespace

void AddMessage(const std::string& text, int c) { MessageLog.push_back(ment{0, text, c}); }

void DrawMessageLog() {
  int y = Display.VirtualHeight - 16;
  SetDrawScale(1);
  platform::SetFont(Fonts[3]);
  for (auto it = MessageLog.begin(); it != MessageLog.end();) {
    ment& entry = *it;
    ++entry.tick;
    const bool fresh = entry.tick < 60;
    if (fresh) {
      SetDrawColour(255, 255, 0, 0.7f);
    } else {
      SetDrawColour(0, 0, 0, 0.7f);
    }
    platform::DrawRect(0, static_cast<float>(y), static_cast<float>(platform::TextWidth(entry.txt)),
                       static_cast<float>(platform::TextHeight()));
    if (fresh) {
      SetDrawColour(0, 0, 0, 1);
    } else {
      SetDrawColour(255, 255, 255, 1);
    }
    platform::DrawText(entry.txt, 0, static_cast<float>(y));
    y -= 14;
    it = entry.tick == 180 ? MessageLog.erase(it) : std::next(it);
  }
}

int FrameEnd(int showPointer) {
  int result = 0;

  ResetDrawState();
  platform::SetFont(Fonts[3]);

  if (platform::KeyHits(kKeyTab) > 0) {
    SettingsOpen = 1 - SettingsOpen;
    WriteSetupFile();
  }

  if (FrameParity == 1) {
    LastCollectionBytes = static_cast<int>(platform::CollectMemory());
  }

  // On a slow system only presented frames look at F11 and Esc; a press made
  // on a dropped frame waits in its hit count for the next one.
  if (Settings[SlowSystem] == 0 || FrameParity == 0) {
    if (platform::KeyHits(kKeyF11) > 0) SaveScreenshot();
    if (platform::KeyDown(kKeyEscape) && GameContext.GameState == 1) {
      GameContext.GameState = 2;
      result = PauseMenu();
      GameContext.GameState = 1;
    }
  }

  DrawSettingsOverlay();

  ResetDrawState();
  SetDrawScale(1.5f);
  platform::SetFont(Fonts[1]);
  if (platform::KeyHits(kKeyF12) > 0) DebugOverlay = 1 - DebugOverlay;
  if (DebugOverlay == 1) DrawDebugOverlay();

  if ((showPointer == 1 || SettingsOpen == 1) && Icons) {
    platform::DrawImage(Icons, platform::PointerX() + 12, platform::PointerY() + 12, 63);
  }

  PrevMouseX = MouseX;
  PrevMouseY = MouseY;
  MouseX = static_cast<int>(platform::PointerX());
  MouseY = static_cast<int>(platform::PointerY());
  MouseHitLeft = platform::MouseHits(1);
  MouseHitRight = platform::MouseHits(2);

  PaceFrame();

  DrawMessageLog();

  if (Settings[SlowSystem] == 0 || FrameParity == 0) {
    platform::Present(platform::Sync::None);
  }

  FrameMillis = Millisecs() - LastFrameTime;
  if (FrameMillis > 0) FpsAverage = (1000 / FrameMillis + 2 * FpsAverage) / 3;
  LastFrameTime = Millisecs();
  FrameParity = 1 - FrameParity;

  if (CloseWanted()) ShutDown();

  return result;
}

}  // namespace crownlift
