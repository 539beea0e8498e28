// main.cpp - the program's entry point.
//
// Takes no arguments and reads no environment: start-up finds everything
// beside the program file. The program ends inside ShutDown.
#include "platform/platform.h"  // Required for: Init
#include "shell/front_end.h"    // Required for: RunFrontEnd
#include "shell/startup.h"      // Required for: RunStartup

int main() {
  platform::Init();
  crownlift::RunStartup();
  crownlift::RunFrontEnd();
}
