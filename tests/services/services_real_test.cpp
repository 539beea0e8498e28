// services_real_test.cpp - the settings overlay on the real backend, under a
// private Xvfb, with the program's own assets: an SDL virtual joystick is
// listed in the overlay and, bound there to player 1's fire, starts a game
// from the title screen; and twenty Applies leave textures, memory and open
// files where they were.
//
// Start-up runs from the test program's folder, so the built game's Files/
// is copied beside it first (fresh each run: no Setup.ini, no scores).
#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <dirent.h>
#include <gtest/gtest.h>

#include <cstdlib>     // Required for: getenv
#include <filesystem>  // Required for: copying the game's files
#include <fstream>     // Required for: reading Setup.ini and the log
#include <iterator>    // Required for: reading a whole file
#include <string>

#include "audio/effects.h"
#include "controls/bindings.h"
#include "engine/draw.h"
#include "engine/frame_end.h"
#include "game/assets.h"
#include "platform/platform.h"
#include "settings/overlay.h"
#include "settings/setup_file.h"
#include "shell/assets.h"
#include "shell/front_end.h"
#include "shell/startup.h"
#include "shell/state.h"

namespace {
using namespace crownlift;
namespace fs = std::filesystem;

// Window pixels per logical pixel in the 800 x 600 window of 1280 x 960.
constexpr float kToWindow = 800.0f / 1280.0f;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool HasLine(const std::string& bytes, const std::string& line) {
  return ("\r\n" + bytes).find("\r\n" + line + "\r\n") != std::string::npos;
}

int OpenFileCount() {
  int count = 0;
  if (DIR* dir = opendir("/proc/self/fd")) {
    while (readdir(dir)) ++count;
    closedir(dir);
  }
  return count;
}

// Texture names alive in the current GL context.
int LiveTextures() {
  int count = 0;
  for (GLuint name = 1; name < 20000; ++name) count += glIsTexture(name) == GL_TRUE;
  return count;
}

void PushMouse(Uint32 type, float lx, float ly) {
  SDL_Event event{};
  event.type = type;
  event.button.button = SDL_BUTTON_LEFT;
  event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
  event.button.x = static_cast<Sint32>(lx * kToWindow);
  event.button.y = static_cast<Sint32>(ly * kToWindow);
  if (type == SDL_MOUSEMOTION) {
    event.motion.x = event.button.x;
    event.motion.y = event.button.y;
  }
  SDL_PushEvent(&event);
}

int games = 0;
int gameStateInGame = -1;
void CountGame() {
  ++games;
  gameStateInGame = GameContext.GameState;
}

class ServicesReal : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run under tests/e2e/with_xvfb.sh";
    const fs::path files = fs::path(platform::ProgramFolder()) / "Files";
    fs::remove_all(files);
    fs::copy(fs::path(CROWNLIFT_GAME_DIR) / "Files", files, fs::copy_options::recursive);
    fs::remove(files / "Setup.ini");
    fs::remove(files / "270" / "nuscores.dat");
    platform::Init();
    games = 0;
  }
  void TearDown() override {
    UnloadCommonAssets();
    UnloadGameAssets();
    for (platform::Channel* channel : EffectChannels) {
      if (channel) platform::StopChannel(channel);
    }
    for (platform::Sound*& sound : SoundEffects) {
      platform::UnloadSound(sound);
      sound = nullptr;
    }
    CloseLog();
    if (pad_) SDL_JoystickClose(pad_);
    if (device_ >= 0) SDL_JoystickDetachVirtual(device_);
    platform::Shutdown();
  }

  void PlugPad() {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = 6;
    desc.nbuttons = 12;
    desc.nhats = 1;
    desc.name = "Crownlift Test Pad";
    device_ = SDL_JoystickAttachVirtualEx(&desc);
    ASSERT_GE(device_, 0) << SDL_GetError();
    pad_ = SDL_JoystickOpen(device_);
    ASSERT_NE(pad_, nullptr) << SDL_GetError();
    platform::PollEvents();
  }
  void PressPad(int button, bool down) {
    SDL_JoystickSetVirtualButton(pad_, button, down ? 1 : 0);
    platform::PollEvents();
  }
  // Title-screen frames, with a game that only counts that it was started.
  void TitleFrames(int n) {
    for (int i = 0; i < n; ++i) FrontEndFrame(state_, CountGame);
  }
  // The frame in progress, overlay included, read back before presenting.
  platform::Pixmap GrabOverlayFrame(const std::string& file) {
    ClearFrame();
    DrawSettingsOverlay();
    platform::Pixmap picture = platform::GrabBackBuffer(0, 0, 800, 600);
    platform::SavePng(picture, platform::ProgramFolder() + file, 6);
    platform::Present(platform::Sync::None);
    return picture;
  }
  void ClickAt(float lx, float ly) {
    PushMouse(SDL_MOUSEMOTION, lx, ly);
    platform::PollEvents();
    FrameEnd(1);
    PushMouse(SDL_MOUSEBUTTONDOWN, lx, ly);
    PushMouse(SDL_MOUSEBUTTONUP, lx, ly);
    platform::PollEvents();
    FrameEnd(1);
  }

  int device_ = -1;
  SDL_Joystick* pad_ = nullptr;
  FrontEndState state_;
};

// Pixels of the picture inside a logical box whose colour is the overlay's green.
int GreenPixels(const platform::Pixmap& picture, int lx, int ly, int lw, int lh) {
  int count = 0;
  const int x0 = static_cast<int>(lx * kToWindow), y0 = static_cast<int>(ly * kToWindow);
  const int x1 = static_cast<int>((lx + lw) * kToWindow), y1 = static_cast<int>((ly + lh) * kToWindow);
  for (int y = y0; y < y1 && y < picture.height; ++y) {
    for (int x = x0; x < x1 && x < picture.width; ++x) {
      const uint8_t* p = &picture.rgba[(static_cast<size_t>(y) * picture.width + x) * 4];
      count += p[1] > 180 && p[0] < 160 && p[2] < 160;
    }
  }
  return count;
}

TEST_F(ServicesReal, AJoystickIsListedAndItsButtonBoundThereStartsAGame) {
  PlugPad();
  RunStartup();
  ASSERT_EQ(JoystickCount, 1);
  EXPECT_EQ(Joysticks[1].name, "Crownlift Test Pad");

  SettingsOpen = 1;
  TitleFrames(12);
  ASSERT_EQ(OverlayOffset, 20);
  platform::SetFont(Fonts[2]);
  const int nameWidth = platform::TextWidth(Joysticks[1].name);
  const int listX = Display.VirtualWidth - 280, listY = 20 + 230;
  platform::Pixmap shown = GrabOverlayFrame("overlay_joystick.png");
  EXPECT_GT(GreenPixels(shown, listX, listY, nameWidth, 16), 30) << "the pad's name is not drawn";

  // Switched off in the list, its name dims; switched on again.
  ClickAt(static_cast<float>(listX + 5), static_cast<float>(listY + 6));
  EXPECT_FALSE(Joysticks[1].enabled);
  shown = GrabOverlayFrame("overlay_joystick_off.png");
  EXPECT_LT(GreenPixels(shown, listX, listY, nameWidth, 16), 5);
  ClickAt(static_cast<float>(listX + 5), static_cast<float>(listY + 6));
  EXPECT_TRUE(Joysticks[1].enabled);

  // Rest the pointer on player 1's fire widget and press the pad's button 3.
  platform::MovePointer(250 + 190 + 24, 20 + 10 + 60 + 24);
  TitleFrames(2);
  PressPad(3, true);
  for (int i = 0; i < 10 && Bindings[Action1] != 333; ++i) TitleFrames(1);
  EXPECT_EQ(Bindings[Action1], 333);
  PressPad(3, false);
  platform::MovePointer(600, 800);
  TitleFrames(2);
  EXPECT_EQ(games, 0);  // nothing starts while the overlay is down

  SettingsOpen = 0;
  WriteSetupFile();  // as Tab does
  TitleFrames(12);
  ASSERT_EQ(OverlayOffset, -300);
  EXPECT_EQ(games, 0);
  EXPECT_TRUE(HasLine(ReadFile(platform::ProgramFolder() + "Files/Setup.ini"), "Key=10,333"));

  PressPad(3, true);
  for (int i = 0; i < 10 && games == 0; ++i) TitleFrames(1);
  EXPECT_EQ(games, 1);
  EXPECT_EQ(gameStateInGame, 1);
  PressPad(3, false);
}

TEST_F(ServicesReal, TwentyAppliesLeaveTexturesMemoryAndOpenFilesWhereTheyWere) {
  RunStartup();
  auto applyAndDraw = [this] {
    // Under Xvfb the calibration finds a slow system; aiming at 30 frames
    // per second it would then measure up to 20000 sprites on every reload.
    // Aiming at 60 again keeps each reload to a second without changing
    // what is loaded.
    Settings[SlowSystem] = 0;
    SettingsOpen = 1;
    OverlayOffset = 20;
    ClickAt(25, 20 + 262);
    // One full frame with the overlay, so every texture in use is placed.
    SettingsOpen = 1;
    OverlayOffset = 20;
    GrabOverlayFrame("overlay_after_apply.png");
  };
  applyAndDraw();
  const int64_t memoryBefore = platform::MemoryInUse();
  const int filesBefore = OpenFileCount();
  const int texturesBefore = LiveTextures();
  EXPECT_GT(texturesBefore, 0);

  for (int i = 0; i < 20; ++i) applyAndDraw();

  const std::string after = ReadFile(platform::ProgramFolder() + "Files/Debug.txt");
  size_t reopened = 0;
  for (size_t at = after.find("Changed Graphics Mode ingame."); at != std::string::npos;
       at = after.find("Changed Graphics Mode ingame.", at + 1)) {
    ++reopened;
  }
  EXPECT_EQ(reopened, 21u);
  EXPECT_EQ(LiveTextures(), texturesBefore);
  EXPECT_EQ(OpenFileCount(), filesBefore);
  const int64_t grown = platform::MemoryInUse() - memoryBefore;
  RecordProperty("textures", texturesBefore);
  RecordProperty("memory_growth_bytes", std::to_string(grown));
  // The GL driver's own allocations come and go with each context; a leaked
  // reload would keep megabytes of fonts and images per Apply.
  EXPECT_LT(grown, 1024 * 1024) << "grew by " << grown << " bytes";
}

}  // namespace
