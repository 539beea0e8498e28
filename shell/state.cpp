// state.cpp - storage for the engine-wide records declared in state.h.
#include "shell/state.h"

namespace crownlift {

std::array<int, kSettingCount> Settings{};
DisplayRecord Display;
GameContextRecord GameContext;
std::string WindowTitle;

}  // namespace crownlift
