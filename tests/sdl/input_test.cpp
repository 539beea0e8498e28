// input_test.cpp - the SDL backend's key map and its input state, fed with
// SDL events pushed into SDL's own queue; no window is needed.
//
// The key table lists every key the redefine screen can name, so a key that
// reaches the engine with the wrong code (or none) shows up here by name.

#include "platform/platform.h"
#include "platform/sdl/sdl_internal.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

SDL_Keysym Key(SDL_Scancode scancode, SDL_Keycode keycode) {
  SDL_Keysym key{};
  key.scancode = scancode;
  key.sym = keycode;
  return key;
}

// The keycode a US layout gives the key: its character, or for keys that
// print nothing SDL's scancode-derived code.
SDL_Keycode UsKeycode(SDL_Scancode scancode) {
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) return 'a' + (scancode - SDL_SCANCODE_A);
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) return '1' + (scancode - SDL_SCANCODE_1);
  switch (scancode) {
    case SDL_SCANCODE_0: return '0';
    case SDL_SCANCODE_RETURN: return SDLK_RETURN;
    case SDL_SCANCODE_ESCAPE: return SDLK_ESCAPE;
    case SDL_SCANCODE_BACKSPACE: return SDLK_BACKSPACE;
    case SDL_SCANCODE_TAB: return SDLK_TAB;
    case SDL_SCANCODE_SPACE: return ' ';
    case SDL_SCANCODE_MINUS: return '-';
    case SDL_SCANCODE_EQUALS: return '=';
    case SDL_SCANCODE_LEFTBRACKET: return '[';
    case SDL_SCANCODE_RIGHTBRACKET: return ']';
    case SDL_SCANCODE_BACKSLASH: return '\\';
    case SDL_SCANCODE_SEMICOLON: return ';';
    case SDL_SCANCODE_APOSTROPHE: return '\'';
    case SDL_SCANCODE_GRAVE: return '`';
    case SDL_SCANCODE_COMMA: return ',';
    case SDL_SCANCODE_PERIOD: return '.';
    case SDL_SCANCODE_SLASH: return '/';
    case SDL_SCANCODE_DELETE: return SDLK_DELETE;
    default: return SDL_SCANCODE_TO_KEYCODE(scancode);
  }
}

SDL_Keysym UsKey(SDL_Scancode scancode) { return Key(scancode, UsKeycode(scancode)); }

struct KeyCase {
  std::string name;
  SDL_Keysym key;
  int code;
};

std::vector<KeyCase> NamedKeys() {
  std::vector<KeyCase> cases = {
      {"Backspace", UsKey(SDL_SCANCODE_BACKSPACE), 8},
      {"Tab", UsKey(SDL_SCANCODE_TAB), 9},
      {"Clear", UsKey(SDL_SCANCODE_CLEAR), 12},
      {"Return", UsKey(SDL_SCANCODE_RETURN), 13},
      {"keypad Enter", UsKey(SDL_SCANCODE_KP_ENTER), 13},
      {"Pause", UsKey(SDL_SCANCODE_PAUSE), 19},
      {"CapsLock", UsKey(SDL_SCANCODE_CAPSLOCK), 20},
      {"Escape", UsKey(SDL_SCANCODE_ESCAPE), 27},
      {"Space", UsKey(SDL_SCANCODE_SPACE), 32},
      {"Page Up", UsKey(SDL_SCANCODE_PAGEUP), 33},
      {"Page Down", UsKey(SDL_SCANCODE_PAGEDOWN), 34},
      {"End", UsKey(SDL_SCANCODE_END), 35},
      {"Home", UsKey(SDL_SCANCODE_HOME), 36},
      {"Left", UsKey(SDL_SCANCODE_LEFT), 37},
      {"Up", UsKey(SDL_SCANCODE_UP), 38},
      {"Right", UsKey(SDL_SCANCODE_RIGHT), 39},
      {"Down", UsKey(SDL_SCANCODE_DOWN), 40},
      {"Select", UsKey(SDL_SCANCODE_SELECT), 41},
      {"Print (SysReq)", UsKey(SDL_SCANCODE_SYSREQ), 42},
      {"Execute", UsKey(SDL_SCANCODE_EXECUTE), 43},
      {"Screen (Print Screen)", UsKey(SDL_SCANCODE_PRINTSCREEN), 44},
      {"Insert", UsKey(SDL_SCANCODE_INSERT), 45},
      {"Delete", UsKey(SDL_SCANCODE_DELETE), 46},
      {"Sys Left", UsKey(SDL_SCANCODE_LGUI), 91},
      {"Sys Right", UsKey(SDL_SCANCODE_RGUI), 92},
      {"keypad *", UsKey(SDL_SCANCODE_KP_MULTIPLY), 106},
      {"keypad +", UsKey(SDL_SCANCODE_KP_PLUS), 107},
      {"keypad -", UsKey(SDL_SCANCODE_KP_MINUS), 109},
      {"keypad .", UsKey(SDL_SCANCODE_KP_PERIOD), 110},
      {"keypad /", UsKey(SDL_SCANCODE_KP_DIVIDE), 111},
      {"NumLock", UsKey(SDL_SCANCODE_NUMLOCKCLEAR), 144},
      {"ScrollLock", UsKey(SDL_SCANCODE_SCROLLLOCK), 145},
      {"LShift", UsKey(SDL_SCANCODE_LSHIFT), 160},
      {"RShift", UsKey(SDL_SCANCODE_RSHIFT), 161},
      {"LControl", UsKey(SDL_SCANCODE_LCTRL), 162},
      {"RControl", UsKey(SDL_SCANCODE_RCTRL), 163},
      {"LAlt", UsKey(SDL_SCANCODE_LALT), 164},
      {"RAlt", UsKey(SDL_SCANCODE_RALT), 165},
      {"Mute", UsKey(SDL_SCANCODE_AUDIOMUTE), 173},
      {"Volume Down", UsKey(SDL_SCANCODE_VOLUMEDOWN), 174},
      {"Volume Up", UsKey(SDL_SCANCODE_VOLUMEUP), 175},
      {";", UsKey(SDL_SCANCODE_SEMICOLON), 186},
      {"=", UsKey(SDL_SCANCODE_EQUALS), 187},
      {",", UsKey(SDL_SCANCODE_COMMA), 188},
      {"-", UsKey(SDL_SCANCODE_MINUS), 189},
      {".", UsKey(SDL_SCANCODE_PERIOD), 190},
      {"/", UsKey(SDL_SCANCODE_SLASH), 191},
      {"' (UK, left of Return)", Key(SDL_SCANCODE_APOSTROPHE, '\''), 192},
      {"[", UsKey(SDL_SCANCODE_LEFTBRACKET), 219},
      {"backslash (US)", UsKey(SDL_SCANCODE_BACKSLASH), 220},
      {"]", UsKey(SDL_SCANCODE_RIGHTBRACKET), 221},
      // X11 reports the UK # key on the US backslash position.
      {"# (UK)", Key(SDL_SCANCODE_BACKSLASH, '#'), 222},
      {"` (UK, left of 1)", UsKey(SDL_SCANCODE_GRAVE), 223},
      {"extra backslash (UK, beside left Shift)", Key(SDL_SCANCODE_NONUSBACKSLASH, '\\'), 226},
  };
  for (int i = 0; i < 10; ++i) {
    const char digit = char('0' + i);
    SDL_Scancode main = i == 0 ? SDL_SCANCODE_0 : SDL_Scancode(SDL_SCANCODE_1 + i - 1);
    SDL_Scancode pad = i == 0 ? SDL_SCANCODE_KP_0 : SDL_Scancode(SDL_SCANCODE_KP_1 + i - 1);
    cases.push_back({std::string("digit ") += digit, UsKey(main), 48 + i});
    cases.push_back({std::string("keypad ") += digit, UsKey(pad), 96 + i});
  }
  for (int i = 0; i < 26; ++i) {
    cases.push_back({std::string(1, char('A' + i)),
                     UsKey(SDL_Scancode(SDL_SCANCODE_A + i)), 65 + i});
  }
  for (int i = 0; i < 12; ++i) {
    cases.push_back({std::string("F") += std::to_string(i + 1),
                     UsKey(SDL_Scancode(SDL_SCANCODE_F1 + i)), 112 + i});
  }
  return cases;
}

TEST(SdlKeyMap, EveryNamedKeyHasItsEngineCode) {
  for (const KeyCase& c : NamedKeys()) {
    EXPECT_EQ(platform::sdl::EngineKeyCode(c.key), c.code) << c.name;
  }
}

TEST(SdlKeyMap, PrintingKeysFollowTheLayout) {
  struct LayoutCase {
    const char* name;
    SDL_Keysym key;
    int code;
  } cases[] = {
      // German layout: Z and Y swap places, and the name must follow the cap.
      {"German Z on the US Y position", Key(SDL_SCANCODE_Y, 'z'), 90},
      {"German Y on the US Z position", Key(SDL_SCANCODE_Z, 'y'), 89},
      // AZERTY: the digit row prints symbols; the key is still that digit.
      {"AZERTY 1 key printing &", Key(SDL_SCANCODE_1, '&'), 49},
      // Cyrillic letters have no engine code; the US position names them.
      {"Cyrillic ef on the A position", Key(SDL_SCANCODE_A, 0x444), 65},
      {"F13 has no engine code", UsKey(SDL_SCANCODE_F13), 0},
      {"Menu key has no engine code", UsKey(SDL_SCANCODE_APPLICATION), 0},
  };
  for (const LayoutCase& c : cases) {
    EXPECT_EQ(platform::sdl::EngineKeyCode(c.key), c.code) << c.name;
  }
}

// The backend started without a window: events arrive through SDL's queue
// exactly as the window system would deliver them.
class SdlInput : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::Init();
    platform::FlushInput();
  }
  void TearDown() override { platform::Shutdown(); }

  static void PushKey(Uint32 type, SDL_Scancode scancode, bool repeat = false) {
    SDL_Event event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat ? 1 : 0;
    event.key.keysym = UsKey(scancode);
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
  }

  static void PushText(const char* utf8) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    std::strncpy(event.text.text, utf8, sizeof event.text.text - 1);
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
  }

  static void PushButton(Uint32 type, Uint8 button) {
    SDL_Event event{};
    event.type = type;
    event.button.button = button;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
  }

  static std::vector<int> DrainTyped() {
    std::vector<int> typed;
    while (int c = platform::NextTypedChar()) typed.push_back(c);
    return typed;
  }
};

TEST_F(SdlInput, KeysAreHeldUntilReleasedAndHitsCountPressesNotRepeats) {
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_Z);
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_Z, true);
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_Z, true);
  platform::PollEvents();
  EXPECT_TRUE(platform::KeyDown(90));
  EXPECT_FALSE(platform::KeyDown(88));
  EXPECT_EQ(platform::KeyHits(90), 1);
  EXPECT_EQ(platform::KeyHits(90), 0) << "asking resets the count";

  PushKey(SDL_KEYUP, SDL_SCANCODE_Z);
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_Z);
  PushKey(SDL_KEYUP, SDL_SCANCODE_Z);
  platform::PollEvents();
  EXPECT_FALSE(platform::KeyDown(90));
  EXPECT_EQ(platform::KeyHits(90), 1) << "a press and release between two frames still counts";
}

TEST_F(SdlInput, QueriesDrainTheQueueWithoutAFrame) {
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE);
  platform::PollEvents();
  ASSERT_TRUE(platform::KeyDown(27));
  PushKey(SDL_KEYUP, SDL_SCANCODE_ESCAPE);
  // A wait loop that never presents must still see the release.
  bool released = false;
  for (int i = 0; i < 100 && !released; ++i) {
    released = !platform::KeyDown(27);
    platform::SleepMillis(1);
  }
  EXPECT_TRUE(released);
}

TEST_F(SdlInput, TypedTextArrivesOneCodePointPerEntryWithBackspaceAndReturn) {
  PushText("a\xC3\xA9");  // a, e acute
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_BACKSPACE);
  PushText("\xE2\x82\xAC" "Z");  // euro sign, Z
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_RETURN);
  PushText("\xF0\x9F\x98\x80");  // a character beyond the 16-bit range
  platform::PollEvents();
  EXPECT_EQ(DrainTyped(), (std::vector<int>{'a', 0xE9, 8, 0x20AC, 'Z', 13, 0x1F600}));
  EXPECT_EQ(platform::NextTypedChar(), 0);
  EXPECT_EQ(platform::KeyHits(8), 1) << "Backspace is also an ordinary key";
}

TEST_F(SdlInput, MalformedUtf8IsSkippedNotMisread) {
  PushText("x\xC3(y");  // a lead byte without its continuation
  platform::PollEvents();
  EXPECT_EQ(DrainTyped(), (std::vector<int>{'x', '(', 'y'}));
}

TEST_F(SdlInput, FlushForgetsHeldKeysHitsTypedTextAndQueuedEvents) {
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_RETURN);
  PushText("q");
  PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
  platform::PollEvents();
  PushKey(SDL_KEYDOWN, SDL_SCANCODE_A);  // still queued when the flush comes
  platform::FlushInput();
  EXPECT_FALSE(platform::KeyDown(13));
  EXPECT_FALSE(platform::KeyDown(65));
  EXPECT_EQ(platform::KeyHits(13), 0);
  EXPECT_EQ(platform::KeyHits(65), 0);
  EXPECT_FALSE(platform::MouseDown(1));
  EXPECT_EQ(platform::MouseHits(1), 0);
  EXPECT_EQ(platform::NextTypedChar(), 0);
}

TEST_F(SdlInput, MouseButtonsUseTheEngineNumbering) {
  PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE);
  PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
  PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
  PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
  platform::PollEvents();
  EXPECT_FALSE(platform::MouseDown(1));
  EXPECT_TRUE(platform::MouseDown(2));
  EXPECT_TRUE(platform::MouseDown(3));
  EXPECT_EQ(platform::MouseHits(1), 0);
  EXPECT_EQ(platform::MouseHits(2), 2);
  EXPECT_EQ(platform::MouseHits(3), 1);
  EXPECT_EQ(platform::MouseHits(2), 0);
}

TEST_F(SdlInput, QuitRequestStaysSet) {
  EXPECT_FALSE(platform::CloseRequested());
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  ASSERT_EQ(SDL_PushEvent(&quit), 1);
  platform::PollEvents();
  EXPECT_TRUE(platform::CloseRequested());
  platform::FlushInput();
  EXPECT_TRUE(platform::CloseRequested()) << "flushing input must not lose the close request";
}

// Without any display the backend still starts: the clock, files and audio
// work, and opening a display fails with a reason the program can log.
TEST(SdlWithoutDisplay, StartsAndExplainsWhyNoDisplayOpens) {
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  platform::Init();
  int64_t before = platform::ClockMillis();
  platform::SleepMillis(5);
  EXPECT_GE(platform::ClockMillis() - before, 5);
  EXPECT_TRUE(platform::ListDisplayModes().empty());
  EXPECT_FALSE(platform::OpenDisplay(800, 600, 0, 60));
  EXPECT_FALSE(platform::DisplayIsOpen());
  EXPECT_FALSE(platform::LastDisplayError().empty());
  platform::Present(platform::Sync::Default);  // nothing to show; must not crash
  platform::Shutdown();
}

TEST(SdlSystem, ProgramFolderHoldsThisProgram) {
  platform::Init();
  std::string folder = platform::ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_EQ(platform::KindOfPath(folder + "sdl_backend_test"), platform::PathKind::File);
  platform::Shutdown();
}

}  // namespace
