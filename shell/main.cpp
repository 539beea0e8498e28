// main.cpp - the program's entry point.
//
// For now it brings the platform up, makes the program's own folder current,
// opens the default 800 x 600 window under the game's title and keeps it
// presented until the window is closed. The start-up sequence proper grows
// here as the engine shell is built.
#include "platform/platform.h"  // Required for: everything outside the program
#include "shell/identity.h"     // Required for: the window title

#include <cstdio>  // Required for: the one error line when no display opens

int main() {
  platform::Init();
  platform::ChangeFolder(platform::ProgramFolder());
  platform::SetWindowTitle(crownlift::ComposeWindowTitle());
  if (!platform::OpenDisplay(800, 600, 0, 60)) {
    std::fprintf(stderr, "crownlift: cannot open the display: %s\n",
                 platform::LastDisplayError().c_str());
    platform::Shutdown();
    return 1;
  }
  platform::SetLogicalSize(1280, 960);
  while (!platform::CloseRequested() && !platform::KeyDown(27)) {
    platform::ClearBackBuffer();
    platform::Present(platform::Sync::Default);
  }
  platform::Shutdown();
  platform::EndProcess(0);
}
