// main.cpp - the program's entry point.
//
// Takes no arguments and reads no environment: start-up finds everything
// beside the program file. The program ends inside ShutDown.
#include "platform/platform.h"  // Required for: Init
#include "shell/shutdown.h"     // Required for: ShutDown
#include "shell/startup.h"      // Required for: RunStartup

int main() {
  platform::Init();
  crownlift::RunStartup();
  crownlift::ShutDown();
}
