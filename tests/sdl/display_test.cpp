// display_test.cpp - the real backend's display under a private Xvfb: the
// mode list, a window with its title, a frame cleared, presented and read
// back from the X server, the pointer mapped through the logical resolution, and keys and text
// typed into the window by xdotool as a player would.

#include "platform/platform.h"
#include "platform/sdl/sdl_internal.h"

#include <GL/gl.h>
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

class SdlDisplay : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run under tests/e2e/with_xvfb.sh";
    platform::Init();
  }
  void TearDown() override { platform::Shutdown(); }
};

TEST_F(SdlDisplay, ModeListIsOfferedAndQueried) {
  std::vector<platform::DisplayMode> modes = platform::ListDisplayModes();
  ASSERT_FALSE(modes.empty());
  for (const platform::DisplayMode& mode : modes) {
    EXPECT_GT(mode.width, 0);
    EXPECT_GT(mode.height, 0);
    EXPECT_GE(mode.depth, 15);
    EXPECT_TRUE(platform::DisplayModeExists(mode.width, mode.height, mode.depth));
  }
  EXPECT_FALSE(platform::DisplayModeExists(modes[0].width, modes[0].height, 7));
  EXPECT_FALSE(platform::DisplayModeExists(123, 77, modes[0].depth));
}

TEST_F(SdlDisplay, WindowOpensAtItsSizeWithTheTitleAndPointerSetBefore) {
  platform::SetWindowTitle("#270 : Reelpack -  Crownlift");
  platform::HidePointer();
  ASSERT_TRUE(platform::OpenDisplay(800, 600, 0, 60)) << platform::LastDisplayError();
  EXPECT_TRUE(platform::DisplayIsOpen());
  SDL_Window* window = platform::sdl::Window();
  ASSERT_NE(window, nullptr);
  EXPECT_STREQ(SDL_GetWindowTitle(window), "#270 : Reelpack -  Crownlift");
  int w = 0, h = 0;
  SDL_GetWindowSize(window, &w, &h);
  EXPECT_EQ(w, 800);
  EXPECT_EQ(h, 600);
  EXPECT_FALSE(SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN);
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
  platform::ShowPointer();
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);

  platform::SetWindowTitle("Renamed");
  EXPECT_STREQ(SDL_GetWindowTitle(window), "Renamed");
  platform::CloseDisplay();
  EXPECT_FALSE(platform::DisplayIsOpen());
  EXPECT_EQ(platform::sdl::Window(), nullptr);
}

// The pixels of the window with this title as the X server holds them (what
// a player sees), read with ImageMagick's import: rows top first, 3 bytes a pixel.
std::vector<unsigned char> ScreenPixelsOf(const std::string& title) {
  std::string command = "import -window '";
  command += title;
  command += "' -depth 8 rgb:- 2>/dev/null";
  std::vector<unsigned char> pixels;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    unsigned char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
      pixels.insert(pixels.end(), buffer, buffer + n);
    }
    pclose(pipe);
  }
  return pixels;
}

TEST_F(SdlDisplay, ClearedFrameIsPresentedAndReadBack) {
  constexpr int kWidth = 640, kHeight = 480;
  platform::SetWindowTitle("Crownlift clear test");
  ASSERT_TRUE(platform::OpenDisplay(kWidth, kHeight, 0, 60)) << platform::LastDisplayError();
  glClearColor(0.2f, 0.6f, 1.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  unsigned char back[4] = {};
  glReadPixels(kWidth / 2, kHeight / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, back);
  EXPECT_EQ(back[2], 255) << "the clear reached the back buffer";
  platform::Present(platform::Sync::None);

  // The X server may take a moment to show the swapped frame.
  std::vector<unsigned char> pixels;
  for (int attempt = 0; attempt < 20; ++attempt) {
    pixels = ScreenPixelsOf("Crownlift clear test");
    if (pixels.size() == size_t(kWidth) * kHeight * 3 && pixels[2] == 255) break;
    platform::SleepMillis(50);
    platform::PollEvents();
  }
  ASSERT_EQ(pixels.size(), size_t(kWidth) * kHeight * 3);
  struct Spot {
    int x, y;
  } spots[] = {{0, 0}, {kWidth - 1, kHeight - 1}, {kWidth / 2, kHeight / 2}, {17, 401}};
  for (const Spot& spot : spots) {
    const unsigned char* rgb = &pixels[(size_t(spot.y) * kWidth + size_t(spot.x)) * 3];
    EXPECT_NEAR(rgb[0], 51, 1) << "at " << spot.x << "," << spot.y;
    EXPECT_NEAR(rgb[1], 153, 1) << "at " << spot.x << "," << spot.y;
    EXPECT_EQ(rgb[2], 255) << "at " << spot.x << "," << spot.y;
  }
}

TEST_F(SdlDisplay, ReopeningGivesAFreshWorkingWindow) {
  ASSERT_TRUE(platform::OpenDisplay(800, 600, 0, 60)) << platform::LastDisplayError();
  ASSERT_TRUE(platform::OpenDisplay(1024, 768, 0, 60)) << platform::LastDisplayError();
  int w = 0, h = 0;
  SDL_GetWindowSize(platform::sdl::Window(), &w, &h);
  EXPECT_EQ(w, 1024);
  EXPECT_EQ(h, 768);
  platform::ClearBackBuffer();
  platform::Present(platform::Sync::Default);
}

TEST_F(SdlDisplay, FullScreenOpensAtAnOfferedMode) {
  std::vector<platform::DisplayMode> modes = platform::ListDisplayModes();
  ASSERT_FALSE(modes.empty());
  const platform::DisplayMode& mode = modes[0];
  ASSERT_TRUE(platform::OpenDisplay(mode.width, mode.height, mode.depth, mode.refresh))
      << platform::LastDisplayError();
  EXPECT_TRUE(SDL_GetWindowFlags(platform::sdl::Window()) & SDL_WINDOW_FULLSCREEN);
  int w = 0, h = 0;
  SDL_GetWindowSize(platform::sdl::Window(), &w, &h);
  EXPECT_EQ(w, mode.width);
  EXPECT_EQ(h, mode.height);
  platform::ClearBackBuffer();
  platform::Present(platform::Sync::Default);
}

TEST_F(SdlDisplay, ImpossibleRequestsFailWithAReason) {
  EXPECT_FALSE(platform::OpenDisplay(0, 600, 0, 60));
  EXPECT_FALSE(platform::LastDisplayError().empty());
  EXPECT_FALSE(platform::OpenDisplay(123, 77, 32, 60)) << "no such full-screen mode";
  EXPECT_NE(platform::LastDisplayError().find("123x77"), std::string::npos)
      << platform::LastDisplayError();
  EXPECT_FALSE(platform::DisplayIsOpen());
}

TEST_F(SdlDisplay, DefaultSyncPacesAWindowToSixtyHertz) {
  ASSERT_TRUE(platform::OpenDisplay(320, 240, 0, 60)) << platform::LastDisplayError();
  platform::Present(platform::Sync::Default);
  platform::Present(platform::Sync::Default);  // now on the 60 Hz beat
  int64_t start = platform::ClockMillis();
  for (int i = 0; i < 6; ++i) platform::Present(platform::Sync::Default);
  // Six frames at 60 Hz cannot take less than 100 ms, however fast the machine.
  EXPECT_GE(platform::ClockMillis() - start, 95);
}

TEST_F(SdlDisplay, PointerIsMovedAndReadInLogicalCoordinates) {
  ASSERT_TRUE(platform::OpenDisplay(800, 600, 0, 60)) << platform::LastDisplayError();
  platform::SetLogicalSize(1280, 960);
  platform::Present(platform::Sync::None);
  platform::MovePointer(640, 480);
  EXPECT_NEAR(platform::PointerX(), 640.0f, 2.0f);
  EXPECT_NEAR(platform::PointerY(), 480.0f, 2.0f);
  // The X server reports the warp back as motion; it must agree.
  for (int i = 0; i < 10; ++i) {
    platform::SleepMillis(10);
    platform::PollEvents();
  }
  int x = 0, y = 0;
  SDL_GetMouseState(&x, &y);
  EXPECT_NEAR(x, 400, 1);
  EXPECT_NEAR(y, 300, 1);
  EXPECT_NEAR(platform::PointerX(), 640.0f, 2.0f);
  EXPECT_NEAR(platform::PointerY(), 480.0f, 2.0f);
}

// Keys and text really typed into the window arrive with engine codes.
TEST_F(SdlDisplay, TypingIntoTheWindowReachesKeysAndTypedText) {
  platform::SetWindowTitle("Crownlift typing test");
  ASSERT_TRUE(platform::OpenDisplay(320, 240, 0, 60)) << platform::LastDisplayError();
  platform::Present(platform::Sync::None);
  platform::FlushInput();
  std::string command =
      "xdotool search --sync --name 'Crownlift typing test' windowfocus --sync "
      "type --delay 20 'hi' && xdotool key --delay 20 BackSpace Return F11";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  std::vector<int> typed;
  int hitsH = 0, hitsF11 = 0;
  for (int i = 0; i < 200 && typed.size() < 4; ++i) {
    platform::Present(platform::Sync::None);
    hitsH += platform::KeyHits(72);
    hitsF11 += platform::KeyHits(122);
    while (int c = platform::NextTypedChar()) typed.push_back(c);
    platform::SleepMillis(5);
  }
  for (int i = 0; i < 10; ++i) {
    platform::Present(platform::Sync::None);
    hitsH += platform::KeyHits(72);
    hitsF11 += platform::KeyHits(122);
  }
  EXPECT_EQ(typed, (std::vector<int>{'h', 'i', 8, 13}));
  EXPECT_EQ(hitsH, 1);
  EXPECT_EQ(hitsF11, 1);
  EXPECT_FALSE(platform::KeyDown(72)) << "released keys read as up";
}

}  // namespace
