// identity.h - the constants that name this game inside the engine.
#pragma once

#include <string>  // Required for: the composed title

namespace crownlift {

inline constexpr int WeekNumber = 270;
inline constexpr const char* TitlePrefix = "Reelpack - ";
inline constexpr const char* GameTitle = "Crownlift";
inline constexpr const char* Subtitle = "Rescue the game from the pits of doom!";

// "#" + week + " : " + prefix + " " + title: "#270 : Reelpack -  Crownlift".
std::string ComposeWindowTitle();
// The game folder inside Files/: the last three digits of the week, then "/".
std::string GameFolderName(int weekNumber);

}  // namespace crownlift
