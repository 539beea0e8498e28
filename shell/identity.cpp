// identity.cpp - the window title and the game folder's name.
#include "shell/identity.h"

namespace crownlift {

std::string ComposeWindowTitle() {
  std::string title = "#";
  title += std::to_string(WeekNumber);
  title += " : ";
  title += TitlePrefix;
  title += " ";
  title += GameTitle;
  return title;
}

std::string GameFolderName(int weekNumber) {
  std::string digits = "000" + std::to_string(weekNumber);
  return digits.substr(digits.size() - 3) + "/";
}

}  // namespace crownlift
