// keymap.cpp - SDL keys to the engine's virtual-key codes.
//
// The engine names keys by the codes of its input layer (65 'A', 186 ';',
// 222 '#', ...), and the player sees those names in the redefine widgets.
// Keys that print a character are therefore looked up by their keycode, which
// follows the keyboard layout, so the name shown matches the key cap. Every
// other key (modifiers, navigation, function keys, the keypad) is looked up
// by its scancode, which names the physical key whatever the layout. A
// printing key whose character has no engine code (a Cyrillic letter, the
// AZERTY digit row) falls back to the scancode of its US position.
//
// Depends on: SDL2 (keysyms).

#include "platform/sdl/sdl_internal.h"

#include <SDL2/SDL.h>  // Required for: SDL_Keysym, SDL_Scancode, SDLK_* constants

namespace platform::sdl {
namespace {

struct ScancodeCode {
  SDL_Scancode scancode;
  int code;
};

// Keys that do not print a character, and the US positions of those that do
// (the letters A to Z follow in scancode order and are not listed).
constexpr ScancodeCode kScancodeCodes[] = {
    {SDL_SCANCODE_BACKSPACE, 8},
    {SDL_SCANCODE_TAB, 9},
    {SDL_SCANCODE_CLEAR, 12},
    {SDL_SCANCODE_RETURN, 13},
    {SDL_SCANCODE_RETURN2, 13},
    {SDL_SCANCODE_KP_ENTER, 13},
    {SDL_SCANCODE_PAUSE, 19},
    {SDL_SCANCODE_CAPSLOCK, 20},
    {SDL_SCANCODE_ESCAPE, 27},
    {SDL_SCANCODE_SPACE, 32},
    {SDL_SCANCODE_PAGEUP, 33},
    {SDL_SCANCODE_PAGEDOWN, 34},
    {SDL_SCANCODE_END, 35},
    {SDL_SCANCODE_HOME, 36},
    {SDL_SCANCODE_LEFT, 37},
    {SDL_SCANCODE_UP, 38},
    {SDL_SCANCODE_RIGHT, 39},
    {SDL_SCANCODE_DOWN, 40},
    {SDL_SCANCODE_SELECT, 41},
    // The Print Screen key pressed with Alt arrives as SysReq; that is the
    // engine's "Print" key, while Print Screen alone is its "Screen" key.
    {SDL_SCANCODE_SYSREQ, 42},
    {SDL_SCANCODE_EXECUTE, 43},
    {SDL_SCANCODE_PRINTSCREEN, 44},
    {SDL_SCANCODE_INSERT, 45},
    {SDL_SCANCODE_DELETE, 46},
    {SDL_SCANCODE_0, 48},
    {SDL_SCANCODE_1, 49},
    {SDL_SCANCODE_2, 50},
    {SDL_SCANCODE_3, 51},
    {SDL_SCANCODE_4, 52},
    {SDL_SCANCODE_5, 53},
    {SDL_SCANCODE_6, 54},
    {SDL_SCANCODE_7, 55},
    {SDL_SCANCODE_8, 56},
    {SDL_SCANCODE_9, 57},
    {SDL_SCANCODE_LGUI, 91},
    {SDL_SCANCODE_RGUI, 92},
    {SDL_SCANCODE_KP_0, 96},
    {SDL_SCANCODE_KP_1, 97},
    {SDL_SCANCODE_KP_2, 98},
    {SDL_SCANCODE_KP_3, 99},
    {SDL_SCANCODE_KP_4, 100},
    {SDL_SCANCODE_KP_5, 101},
    {SDL_SCANCODE_KP_6, 102},
    {SDL_SCANCODE_KP_7, 103},
    {SDL_SCANCODE_KP_8, 104},
    {SDL_SCANCODE_KP_9, 105},
    {SDL_SCANCODE_KP_MULTIPLY, 106},
    {SDL_SCANCODE_KP_PLUS, 107},
    {SDL_SCANCODE_KP_MINUS, 109},
    {SDL_SCANCODE_KP_PERIOD, 110},
    {SDL_SCANCODE_KP_DECIMAL, 110},
    {SDL_SCANCODE_KP_DIVIDE, 111},
    {SDL_SCANCODE_F1, 112},
    {SDL_SCANCODE_F2, 113},
    {SDL_SCANCODE_F3, 114},
    {SDL_SCANCODE_F4, 115},
    {SDL_SCANCODE_F5, 116},
    {SDL_SCANCODE_F6, 117},
    {SDL_SCANCODE_F7, 118},
    {SDL_SCANCODE_F8, 119},
    {SDL_SCANCODE_F9, 120},
    {SDL_SCANCODE_F10, 121},
    {SDL_SCANCODE_F11, 122},
    {SDL_SCANCODE_F12, 123},
    {SDL_SCANCODE_NUMLOCKCLEAR, 144},
    {SDL_SCANCODE_SCROLLLOCK, 145},
    {SDL_SCANCODE_LSHIFT, 160},
    {SDL_SCANCODE_RSHIFT, 161},
    {SDL_SCANCODE_LCTRL, 162},
    {SDL_SCANCODE_RCTRL, 163},
    {SDL_SCANCODE_LALT, 164},
    {SDL_SCANCODE_RALT, 165},
    {SDL_SCANCODE_MUTE, 173},
    {SDL_SCANCODE_AUDIOMUTE, 173},
    {SDL_SCANCODE_VOLUMEDOWN, 174},
    {SDL_SCANCODE_VOLUMEUP, 175},
    {SDL_SCANCODE_SEMICOLON, 186},
    {SDL_SCANCODE_EQUALS, 187},
    {SDL_SCANCODE_COMMA, 188},
    {SDL_SCANCODE_MINUS, 189},
    {SDL_SCANCODE_PERIOD, 190},
    {SDL_SCANCODE_SLASH, 191},
    {SDL_SCANCODE_APOSTROPHE, 192},
    {SDL_SCANCODE_LEFTBRACKET, 219},
    {SDL_SCANCODE_BACKSLASH, 220},
    {SDL_SCANCODE_RIGHTBRACKET, 221},
    {SDL_SCANCODE_NONUSHASH, 222},
    {SDL_SCANCODE_GRAVE, 223},
    {SDL_SCANCODE_NONUSBACKSLASH, 226},
};

// The engine code of a printed character, 0 when it has none.
int CharacterCode(SDL_Keycode key) {
  if (key >= 'a' && key <= 'z') return int(key - 'a') + 65;
  if (key >= 'A' && key <= 'Z') return int(key - 'A') + 65;
  if (key >= '0' && key <= '9') return int(key - '0') + 48;
  switch (key) {
    case ' ': return 32;
    case ';': return 186;
    case '=': return 187;
    case ',': return 188;
    case '-': return 189;
    case '.': return 190;
    case '/': return 191;
    case '\'': return 192;
    case '[': return 219;
    case '\\': return 220;
    case ']': return 221;
    case '#': return 222;
    case '`': return 223;
    default: return 0;
  }
}

int CodeOfScancode(SDL_Scancode scancode) {
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
    return int(scancode - SDL_SCANCODE_A) + 65;
  }
  for (const auto& entry : kScancodeCodes) {
    if (entry.scancode == scancode) return entry.code;
  }
  return 0;
}

}  // namespace

int EngineKeyCode(const SDL_Keysym& key) {
  // The extra key beside left Shift prints a backslash on most layouts too;
  // the engine tells it apart from the main backslash key.
  if (key.scancode == SDL_SCANCODE_NONUSBACKSLASH) return 226;
  if (int code = CharacterCode(key.sym)) return code;
  return CodeOfScancode(key.scancode);
}

}  // namespace platform::sdl
