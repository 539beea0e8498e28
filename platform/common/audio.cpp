// audio.cpp - the public audio calls, over whichever driver is current.
//
// The backend offers a list of named drivers (BackendAudioDrivers). Until the
// program sets one, the first offered driver that opens becomes current
// (OpenAL ones only when OpenAL is available); when none opens, a silent
// driver named "Silent" keeps time instead, so the game behaves the same on a
// machine without sound.
//
// Handles outlive a change of driver safely:
//   Sound    keeps its decoded PCM and is handed to a new driver the next time
//            it is cued (the driver's id is tagged with the driver's generation);
//   Channel  belongs to the driver that gave it out; once that driver is gone
//            the handle is dead: calls on it do nothing and it reports not
//            playing. Channel handles are never freed while the program runs,
//            because the engine keeps them in tables that outlive the driver.
#include "platform/common/audio_internal.h"
#include "platform/platform.h"

#include <cctype>  // Required for: std::toupper, case-insensitive names
#include <deque>   // Required for: channel handles that never move

namespace platform {

struct Sound {
  PcmData pcm;
  bool loop = false;
  std::string name;         // file name, for the records
  int id = 0;               // the driver's id for it, valid in `generation`
  uint64_t generation = 0;  // 0: not yet given to any driver
};

struct Channel {
  int id = 0;  // the driver's id
  uint64_t generation = 0;
  ChannelState state;
};

namespace {

std::unique_ptr<AudioDriver> driver;
std::string driverName;
uint64_t generation = 0;  // bumped whenever the driver changes or goes
bool openALEnabled = false;
std::deque<Channel> channels;  // every handle given out; addresses never change
int channelsOfGeneration = 0;

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

void Install(std::unique_ptr<AudioDriver> next, const std::string& name) {
  if (driver) driver->Close();
  driver = std::move(next);
  driverName = name;
  ++generation;
  channelsOfGeneration = 0;
}

// The current driver, choosing the default on first use.
AudioDriver& CurrentDriver() {
  if (driver) return *driver;
  bool openAL = BackendOpenALAvailable();
  for (const AudioDriverEntry& entry : BackendAudioDrivers()) {
    if (entry.isOpenAL && !openAL) continue;
    std::unique_ptr<AudioDriver> candidate = entry.make ? entry.make() : nullptr;
    if (candidate && candidate->Open()) {
      Install(std::move(candidate), entry.name);
      return *driver;
    }
  }
  std::unique_ptr<AudioDriver> silent = MakeSilentDriver();
  silent->Open();
  Install(std::move(silent), "Silent");
  return *driver;
}

bool Live(const Channel* channel) {
  return channel && driver && channel->generation == generation;
}

// The current driver's id for the sound, handing the sound over if needed.
int DriverSound(Sound* sound) {
  if (sound->generation != generation) {
    sound->id = CurrentDriver().AddSound(sound->pcm, sound->loop);
    sound->generation = generation;
  }
  return sound->id;
}

}  // namespace

std::vector<std::string> AudioDriverNames() {
  std::vector<std::string> names;
  for (const AudioDriverEntry& entry : BackendAudioDrivers()) names.push_back(entry.name);
  return names;
}

bool AudioDriverExists(const std::string& name) {
  for (const AudioDriverEntry& entry : BackendAudioDrivers()) {
    if (SameName(entry.name, name)) return true;
  }
  return false;
}

bool SetAudioDriver(const std::string& name) {
  for (const AudioDriverEntry& entry : BackendAudioDrivers()) {
    if (!SameName(entry.name, name)) continue;
    if (entry.isOpenAL && !openALEnabled) return false;
    if (driver && SameName(driverName, entry.name)) return true;
    std::unique_ptr<AudioDriver> next = entry.make ? entry.make() : nullptr;
    if (!next || !next->Open()) return false;
    Install(std::move(next), entry.name);
    return true;
  }
  return false;
}

std::string CurrentAudioDriver() {
  CurrentDriver();
  return driverName;
}

bool EnableOpenAL() {
  openALEnabled = BackendOpenALAvailable();
  return openALEnabled;
}

Sound* LoadSound(const std::string& path, bool loop) {
  std::string bytes;
  PcmData pcm;
  if (!ReadWholeFile(path, bytes) || !DecodeSound(bytes, pcm)) return nullptr;
  auto* sound = new Sound;
  sound->pcm = std::move(pcm);
  sound->loop = loop;
  size_t slash = path.find_last_of('/');
  sound->name = slash == std::string::npos ? path : path.substr(slash + 1);
  return sound;
}

void UnloadSound(Sound* sound) {
  if (!sound) return;
  if (driver && sound->generation == generation && sound->id > 0) driver->RemoveSound(sound->id);
  delete sound;
}

Channel* AllocChannel() {
  int id = CurrentDriver().AllocChannel();
  if (id <= 0) return nullptr;
  Channel& channel = channels.emplace_back();
  channel.id = id;
  channel.generation = generation;
  channel.state.id = ++channelsOfGeneration;
  return &channel;
}

void CueSound(Sound* sound, Channel* channel) {
  if (!sound || !Live(channel)) return;
  int id = DriverSound(sound);
  if (id <= 0) return;
  driver->Cue(channel->id, id);
  channel->state.sound = sound->name;
  channel->state.paused = true;
  ++channel->state.cues;
}

void SetChannelVolume(Channel* channel, float volume) {
  if (!Live(channel)) return;
  driver->SetVolume(channel->id, volume);
  channel->state.volume = volume;
}

void SetChannelPan(Channel* channel, float pan) {
  if (!Live(channel)) return;
  driver->SetPan(channel->id, pan);
  channel->state.pan = pan;
}

void SetChannelRate(Channel* channel, float rate) {
  if (!Live(channel)) return;
  driver->SetRate(channel->id, rate);
  channel->state.rate = rate;
}

void ResumeChannel(Channel* channel) {
  if (!Live(channel)) return;
  driver->Resume(channel->id);
  channel->state.paused = false;
}

void StopChannel(Channel* channel) {
  if (!Live(channel)) return;
  driver->Stop(channel->id);
  channel->state.paused = false;
}

bool ChannelPlaying(Channel* channel) { return Live(channel) && driver->Playing(channel->id); }

std::vector<ChannelState> LiveChannelStates() {
  std::vector<ChannelState> states;
  for (Channel& channel : channels) {
    if (!Live(&channel)) continue;
    ChannelState state = channel.state;
    state.playing = driver->Playing(channel.id);
    states.push_back(std::move(state));
  }
  return states;
}

void UpdateAudio() {
  if (driver) driver->Update();
}

void ShutdownAudio() {
  if (driver) driver->Close();
  driver.reset();
  driverName.clear();
  ++generation;
  channelsOfGeneration = 0;
  openALEnabled = false;
}

}  // namespace platform
