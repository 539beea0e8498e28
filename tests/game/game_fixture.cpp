// game_fixture.cpp - a program folder with a loaded game, for the game's tests.
#include "tests/game/game_fixture.h"

#include "audio/effects.h"
#include "controls/bindings.h"
#include "engine/draw.h"
#include "engine/frame_end.h"
#include "game/assets.h"
#include "platform/platform.h"
#include "scores/scores.h"
#include "shell/assets.h"
#include "shell/state.h"

namespace game_testing {
using namespace crownlift;
namespace hl = platform::headless;

void WriteShape(const std::string& path, int width, int height,
                const std::function<bool(int, int)>& opaque) {
  platform::Pixmap pixmap;
  pixmap.width = width;
  pixmap.height = height;
  pixmap.rgba.assign(static_cast<size_t>(width) * height * 4, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint8_t* p = &pixmap.rgba[(static_cast<size_t>(y) * width + x) * 4];
      const uint8_t v = opaque(x, y) ? 200 : 0;
      p[0] = p[1] = p[2] = v;
      p[3] = 255;
    }
  }
  ASSERT_TRUE(platform::SavePng(pixmap, path, 1)) << path;
}

namespace {

// What LoadGameAssets loads, without the calibration run before it (a
// second of drawing per test); assets_test checks LoadGameAssets itself.
void LoadImagesWithoutCalibration() {
  constexpr unsigned flags = platform::kImageMasked | platform::kImageFiltered;
  TitleLogo = platform::LoadImage("logo.png", flags);
  FolkImage = platform::LoadStrip("folk.png", 32, 32, 0, 100, flags);
  TopImage = platform::LoadImage("top.png", flags);
  BotImage = platform::LoadImage("bot.png", flags);
  StickImage = platform::LoadImage("stick.png", flags);
  CraftImage = platform::LoadImage("wockit.png", flags);
  GripImage = platform::LoadImage("grip.png", flags);
  SmashImage = platform::LoadImage("smash.png", flags);
  HazardImage = platform::LoadImage("smashb.png", flags);
  ASSERT_TRUE(TitleLogo && FolkImage && TopImage && BotImage && StickImage && CraftImage &&
              GripImage && SmashImage && HazardImage);
}

}  // namespace

void GameTest::SetUp() {
  const std::string game = folder.Path("Files/270/");
  auto solid = [](int, int) { return true; };
  WriteShape(game + "wockit.png", 32, 32, solid);
  WriteShape(game + "grip.png", 16, 16, solid);
  WriteShape(game + "folk.png", 320, 320, solid);
  WriteShape(game + "stick.png", 8, 64, solid);
  WriteShape(game + "smashb.png", 16, 16, [](int x, int y) {
    const float dx = x - 7.5f, dy = y - 7.5f;
    return dx * dx + dy * dy <= 64;
  });
  WriteShape(game + "top.png", 320, 64, [](int, int y) { return y >= 32; });
  for (const char* effect : {"002", "003", "004", "096", "097"}) {
    testing_support::ProgramFolder::WriteTestWave(game + effect + ".wav", 50);
  }
  platform::ChangeFolder(game);

  Settings.fill(0);
  Settings[MasterVolume] = 50;
  Settings[SoundVolume] = 50;
  Display = DisplayRecord{};
  platform::OpenDisplay(800, 600, 0, 60);
  platform::SetLogicalSize(Display.VirtualWidth, Display.VirtualHeight);
  Fonts.fill(nullptr);
  FontLadder.fill(nullptr);

  SoundEffects.fill(nullptr);  // the previous test's sounds went with its platform
  EffectChannels.fill(nullptr);
  EffectCursor = kRingFirst;
  LoadSoundEffects();
  LoadImagesWithoutCalibration();

  ResetBindings();
  GameContext = GameContextRecord{};
  GameContext.GameState = 1;
  MessageLog.clear();
  FrameParity = 0;
  SettingsOpen = 0;
  DebugOverlay = 0;
  LastFrameTime = Millisecs();
  LocalScores.clear();
  PlayerName = "Player";
  hl::ClearDraws();
}

void GameTest::TearDown() {
  UnloadGameAssets();
  for (platform::Sound*& sound : SoundEffects) {
    platform::UnloadSound(sound);
    sound = nullptr;
  }
  EffectChannels.fill(nullptr);
}

int GameTest::KeyOf(int slot) { return Bindings[slot]; }

std::vector<hl::DrawRecord> GameTest::LastFrame() { return hl::DrawsOfLastFrame(); }

std::vector<std::string> GameTest::CuedSounds() {
  std::vector<std::string> names;
  for (const hl::ChannelRecord& channel : hl::Channels()) names.push_back(channel.sound);
  return names;
}

void GameTest::ScheduleNameConfirm(int frames) {
  // The name entry forgets input at its start and then waits for Return to
  // be up; a press and release within one frame, on a steady beat, leaves a
  // hit for one of its frames to find with the key already up.
  const int64_t from = hl::PresentCount() + 1;
  for (int64_t i = 0; i < frames / 3; ++i) {
    hl::AtFrame(from + 3 * i, hl::KeyPress(13));
    hl::AtFrame(from + 3 * i, hl::KeyRelease(13));
  }
}

}  // namespace game_testing
