// key_names.cpp - the short text shown for an input code.
//
// Keys are named from a fixed table; joystick codes are named by their input
// alone (axis direction, hat direction or button number), never by the
// joystick's number, so a pad's button 0 reads "0" just like the 0 key.
#include "controls/key_names.h"

#include <string_view>  // Required for: table entries without allocation

namespace crownlift {

namespace {

constexpr int kFirstJoystickCode = 300;
// Codes with no row in the table, code 0 included. Kept short because the
// binding widget centres its label on a 48-pixel square.
constexpr std::string_view kUnnamed = "?";

struct NamedKey {
  int code;
  std::string_view name;
};

constexpr NamedKey kNamedKeys[] = {
    {1, "Left Mousebutton"}, {2, "Right Mousebutton"}, {3, "Middle Mousebutton"},
    {8, "Backspace"},        {9, "Tab"},               {12, "Clear"},
    {13, "Return"},          {19, "Pause"},            {20, "CapsLock"},
    {27, "Escape"},          {32, "Space"},            {33, "Page Up"},
    {34, "Page Down"},       {35, "End"},              {36, "Home"},
    {37, "Left"},            {38, "Up"},               {39, "Right"},
    {40, "Down"},            {41, "Select"},           {42, "Print"},
    {43, "Execute"},         {44, "Screen"},           {45, "Insert"},
    {46, "Delete"},          {91, "Sys Left"},         {92, "Sys Right"},
    {106, "*"},              {107, "+"},               {109, "-"},
    {110, "."},              {111, "/"},               {144, "NumLock"},
    {145, "ScrollLock"},     {160, "LShift"},          {161, "RShift"},
    {162, "LControl"},       {163, "RControl"},        {164, "LAlt"},
    {165, "RAlt"},           {173, "Mute"},            {174, "Volume Down"},
    {175, "Volume Up"},      {186, ";"},               {187, "="},
    {188, ","},              {189, "-"},               {190, "."},
    {191, "/"},              {192, "'"},               {219, "["},
    {220, "\\"},             {221, "]"},               {222, "#"},
    {223, "`"},              {226, "\\"},
};

// The rows that follow a pattern: digits, letters, keypad digits, F-keys.
// Empty when the code is not in one of them.
std::string PatternKeyName(int code) {
  if (code >= 48 && code <= 57) return std::to_string(code - 48);
  if (code >= 96 && code <= 105) return std::to_string(code - 96);  // keypad digits look the same
  if (code >= 65 && code <= 90) return std::string(1, static_cast<char>(code));
  std::string name;
  if (code >= 112 && code <= 123) name.append("F").append(std::to_string(code - 111));
  return name;
}

std::string JoystickInputName(int r) {
  switch (r) {
    case 0: return "Y-";
    case 1: return "Y+";
    case 2: return "X-";
    case 3: return "X+";
    case 4: return "Z-";
    case 5: return "Z+";
    case 6: return "U-";
    case 7: return "U+";
    case 8: return "V-";
    case 9: return "V+";
    case 10: return "R-";
    case 11: return "R+";
    case 20: return "Up";
    case 23: return "Left";
    case 25: return "Right";
    case 28: return "Down";
    // Buttons 0..19 sit at r 30..49; any other r gives a negative number,
    // which is what the player sees for an input that names nothing.
    default: return std::to_string(r - 30);
  }
}

}  // namespace

std::string KeyName(int code) {
  if (code >= kFirstJoystickCode) return JoystickInputName(code % 50);
  std::string name = PatternKeyName(code);
  if (!name.empty()) return name;
  for (const NamedKey& key : kNamedKeys) {
    if (key.code == code) return std::string(key.name);
  }
  return std::string(kUnnamed);
}

}  // namespace crownlift
