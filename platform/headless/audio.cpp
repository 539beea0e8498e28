// audio.cpp - the headless backend's audio drivers and channel records.
//
// The backend offers drivers under whatever names a test sets (by default
// "OpenAL Default" and "Silent"), all of them the silent time-keeping driver
// underneath; a name starting with "OpenAL" (any case) counts as an OpenAL
// driver and needs EnableOpenAL, which succeeds unless the test said OpenAL
// is missing. Channels() reports what the program did with its channels.
#include "platform/headless/headless.h"
#include "platform/headless/headless_internal.h"

#include "platform/common/audio_internal.h"  // Required for: the driver seam

#include <cctype>  // Required for: std::toupper

namespace platform {

namespace {

const std::vector<std::string> kDefaultNames = {"OpenAL Default", "Silent"};

std::vector<std::string> driverNames = kDefaultNames;
bool openALAvailable = true;

bool NamesOpenAL(const std::string& name) {
  static const char kPrefix[] = "OPENAL";
  if (name.size() < 6) return false;
  for (size_t i = 0; i < 6; ++i) {
    if (std::toupper(static_cast<unsigned char>(name[i])) != kPrefix[i]) return false;
  }
  return true;
}

}  // namespace

std::vector<AudioDriverEntry> BackendAudioDrivers() {
  std::vector<AudioDriverEntry> entries;
  for (const std::string& name : driverNames) {
    entries.push_back({name, NamesOpenAL(name), MakeSilentDriver});
  }
  return entries;
}

bool BackendOpenALAvailable() { return openALAvailable; }

namespace headless {

void SetAudioDrivers(const std::vector<std::string>& names, bool openAL) {
  driverNames = names;
  openALAvailable = openAL;
}

std::vector<ChannelRecord> Channels() {
  std::vector<ChannelRecord> records;
  for (const ChannelState& state : LiveChannelStates()) {
    ChannelRecord record;
    record.id = state.id;
    record.sound = state.sound;
    record.volume = state.volume;
    record.pan = state.pan;
    record.rate = state.rate;
    record.paused = state.paused;
    record.playing = state.playing;
    record.cues = state.cues;
    records.push_back(record);
  }
  return records;
}

void ResetAudio() {
  ShutdownAudio();
  driverNames = kDefaultNames;
  openALAvailable = true;
}

}  // namespace headless

}  // namespace platform
