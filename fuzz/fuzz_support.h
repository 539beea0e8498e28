// fuzz_support.h - what every fuzz target needs: a private scratch folder on
// the headless backend, and a way to hand the input to a loader that only
// reads files.
//
// The loaders under test read from the current folder (Setup.ini,
// nuscores.dat) or from a path (PNG), so the input is written to a file
// first; the scratch folder lives in /dev/shm when it exists, so that costs
// a memory copy rather than a disk write.
#pragma once

#include <unistd.h>  // Required for: getpid, to keep parallel fuzzers apart

#include <cstdint>     // Required for: uint8_t
#include <cstdio>      // Required for: writing the input file
#include <cstdlib>     // Required for: atexit, to remove the scratch folder
#include <filesystem>  // Required for: the scratch folder
#include <string>      // Required for: paths

#include "platform/headless/headless.h"  // Required for: Reset
#include "platform/platform.h"           // Required for: Init, ChangeFolder

namespace fuzz_support {

// The scratch folder, removed when the fuzzer ends normally (after a crash it
// stays, with the files the last input left).
inline std::filesystem::path& ScratchPath() {
  static std::filesystem::path path;
  return path;
}

// Starts the headless platform once and makes a fresh scratch folder current;
// returns the folder (ending in "/").
inline const std::string& StartInScratchFolder(const char* target) {
  static const std::string folder = [target] {
    namespace fs = std::filesystem;
    fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    fs::path path = base / ("crownlift-fuzz-" + std::string(target) + "-" +
                            std::to_string(getpid()));
    fs::remove_all(path);
    fs::create_directories(path);
    platform::Init();
    platform::headless::Reset();
    platform::ChangeFolder(path.string());
    ScratchPath() = path;
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(ScratchPath(), ignored);
    });
    return path.string() + "/";
  }();
  return folder;
}

inline void WriteInput(const std::string& path, const uint8_t* data, size_t size) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) __builtin_trap();  // the scratch folder vanished: nothing below means anything
  if (size) std::fwrite(data, 1, size, file);
  std::fclose(file);
}

}  // namespace fuzz_support
