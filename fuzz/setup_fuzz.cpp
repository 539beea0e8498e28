// setup_file_fuzz.cpp - Setup.ini as any bytes at all: reading it must never
// fail, and must leave every setting and binding in its allowed range.
#include <cstdint>  // Required for: uint8_t

#include "controls/bindings.h"     // Required for: Bindings, ResetBindings
#include "fuzz/fuzz_support.h"     // Required for: the scratch folder
#include "settings/setup_file.h"  // Required for: ReadSetupFile, WriteSetupFile
#include "shell/state.h"           // Required for: Settings

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& folder = fuzz_support::StartInScratchFolder("setup");
  fuzz_support::WriteInput(folder + "Setup.ini", data, size);
  crownlift::Settings.fill(0);
  crownlift::ResetBindings();
  crownlift::ReadSetupFile();
  // The same checks the regular tests make after junk: a value out of range
  // here would index a table out of bounds somewhere later.
  for (int value : crownlift::Settings) {
    if (value < 0) __builtin_trap();
  }
  for (int code : crownlift::Bindings) {
    if (code < 0) __builtin_trap();
  }
  if (crownlift::Settings[crownlift::AudioDriver] >= int(crownlift::AudioDrivers.size()) &&
      !crownlift::AudioDrivers.empty())
    __builtin_trap();
  crownlift::ChooseAudioDriver();
  return 0;
}
