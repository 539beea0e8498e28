// pause.h - the pause menu and screenshots, both started from FrameEnd.
#pragma once

#include <string>  // Required for: file names

namespace crownlift {

// The pause menu over the frozen game picture; returns 1 Continue or 99 Quit.
int PauseMenu();

// Saves the frame in progress as a PNG in Files/ and reports it.
void SaveScreenshot();

// Removes # ' , ` . \ / : | * ? and the double quote.
std::string SanitiseFileName(const std::string& text);

}  // namespace crownlift
