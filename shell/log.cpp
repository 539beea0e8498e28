// log.cpp - Debug.txt and the program clock.
//
// The log has no levels or time stamps: each line is the text, one byte per
// character (the low 8 bits of each code), then CR LF. Lines go to the
// operating system as they are written, so a crash leaves the log complete up
// to its last line. A log that cannot be created or written is skipped.
#include "platform/platform.h"  // Required for: LineFile, ClockMillis
#include "shell/state.h"

namespace crownlift {
namespace {
platform::LineFile* gLog = nullptr;
}

void OpenLog(const std::string& path) {
  CloseLog();
  gLog = platform::OpenLineFile(path);
}

void CloseLog() {
  platform::CloseLineFile(gLog);
  gLog = nullptr;
}

void LogLine(const std::string& text) {
  if (!gLog) return;
  std::string line = text;
  line += "\r\n";
  if (!platform::WriteToLineFile(gLog, line)) {
    // A full disk or a vanished folder: stop trying rather than fail each line.
    CloseLog();
  }
}

int Millisecs() { return static_cast<int>(platform::ClockMillis()); }

}  // namespace crownlift
