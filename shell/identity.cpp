// identity.cpp - the window title and the game folder's name.
#include "shell/identity.h"

namespace crownlift {

std::string ComposeWindowTitle() {
  return "#" + std::to_string(WeekNumber) + " : " + TitlePrefix + " " + GameTitle;
}

std::string GameFolderName(int weekNumber) {
  std::string digits = "000" + std::to_string(weekNumber);
  return digits.substr(digits.size() - 3) + "/";
}

}  // namespace crownlift
