// system.cpp - the headless backend's clock, calendar, process and reset.
//
// The clock is simulated: it starts at 0 and moves only when the program
// sleeps, when a test advances it, or when Present charges the simulated
// render cost. A loop that polls the clock without ever sleeping would spin
// for ever on a frozen clock, so every 100,000th read in a row moves it on by
// 1 ms; any real movement of the clock starts the count again.
// EndProcess throws ProcessEnded so the test that drives the program sees the
// status instead of the test runner exiting.
#include "platform/headless/headless.h"
#include "platform/headless/headless_internal.h"

#include "platform/common/audio_internal.h"  // Required for: ShutdownAudio

namespace platform {

namespace {

constexpr int64_t kReadsPerNudge = 100000;
const char* const kDefaultDate = "05 Mar 2010";
const char* const kDefaultTime = "14:03:22";

int64_t nowMs = 0;
int64_t readsWithoutMoving = 0;
std::string dateText = kDefaultDate;
std::string timeText = kDefaultTime;
std::string programFolder;

void MoveClock(int64_t ms) {
  if (ms <= 0) return;
  nowMs += ms;
  readsWithoutMoving = 0;
  headless::ApplyDueInput();
}

}  // namespace

void Init() { programFolder = CurrentFolder(); }

void Shutdown() {
  ShutdownAudio();
  CloseDisplay();
}

int64_t ClockMillis() {
  if (++readsWithoutMoving >= kReadsPerNudge) MoveClock(1);
  headless::ApplyDueInput();
  return nowMs;
}

void SleepMillis(int ms) { MoveClock(ms); }

std::string DateText() { return dateText; }
std::string TimeText() { return timeText; }

// The folder that was current when the backend started: tests run the
// program from a folder they prepared.
std::string ProgramFolder() {
  if (programFolder.empty()) programFolder = CurrentFolder();
  return programFolder;
}

void EndProcess(int status) { throw headless::ProcessEnded{status}; }

namespace headless {

int64_t ClockNow() { return nowMs; }

void AdvanceClock(int64_t ms) { MoveClock(ms); }

void SetDateTime(const std::string& date, const std::string& time) {
  dateText = date;
  timeText = time;
}

void Reset() {
  nowMs = 0;
  readsWithoutMoving = 0;
  dateText = kDefaultDate;
  timeText = kDefaultTime;
  SeedRandom(0);
  ResetInput();
  ResetAudio();
  ResetDisplay();
  ResetDraws();
}

}  // namespace headless

}  // namespace platform
