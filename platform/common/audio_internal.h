// audio_internal.h - what the audio half of the platform is built from.
//
// The public audio calls of platform.h live once, in common/audio.cpp: they
// keep the list of drivers, the current driver, and forward channel calls to
// it. A driver is a small object with one implementation per output:
//   common/silent_driver.cpp   keeps time only (a channel plays for the
//                              sound's length divided by its rate); used when
//                              no device works, and by the headless backend
//   sdl/openal_driver.cpp      OpenAL Soft, one driver per device it lists
//   sdl/oss_driver.cpp         the OSS device /dev/dsp, mixed on each poll
// Each backend says which drivers it offers through BackendAudioDrivers().
// Sounds are decoded once, at load, into 16-bit PCM (common/sound_decode.cpp).
#pragma once

#include <cstdint>     // Required for: int16_t
#include <functional>  // Required for: driver factories
#include <memory>      // Required for: std::unique_ptr
#include <string>      // Required for: driver names
#include <vector>      // Required for: sample buffers, driver lists

namespace platform {

// Decoded sound: interleaved signed 16-bit samples.
struct PcmData {
  int rate = 0;      // frames per second
  int channels = 0;  // 1 mono, 2 stereo
  std::vector<int16_t> samples;  // frames * channels
  int64_t Frames() const { return channels ? int64_t(samples.size()) / channels : 0; }
  double Seconds() const { return rate ? double(Frames()) / rate : 0.0; }
};

// Both return false, leaving pcm empty, on anything malformed or truncated;
// they never read outside the given bytes.
bool DecodeWav(const std::string& bytes, PcmData& pcm);
bool DecodeOgg(const std::string& bytes, PcmData& pcm);
// Picks the decoder by content ("RIFF" or "OggS").
bool DecodeSound(const std::string& bytes, PcmData& pcm);

// One output. Channel and sound ids are the driver's own small integers
// (>= 1); 0 means none. Every call must be cheap: PlayEffect runs per frame.
class AudioDriver {
 public:
  virtual ~AudioDriver() = default;
  virtual bool Open() = 0;    // acquire the device; false when it cannot be used
  virtual void Close() = 0;   // release it; channels and sounds become invalid
  virtual int AddSound(const PcmData& pcm, bool loop) = 0;
  virtual void RemoveSound(int sound) = 0;
  virtual int AllocChannel() = 0;
  virtual void Cue(int channel, int sound) = 0;  // paused at the sound's start
  virtual void SetVolume(int channel, float volume) = 0;
  virtual void SetPan(int channel, float pan) = 0;
  virtual void SetRate(int channel, float rate) = 0;
  virtual void Resume(int channel) = 0;
  virtual void Stop(int channel) = 0;
  virtual bool Playing(int channel) = 0;
  virtual void Update() {}  // called from PollEvents (OSS mixes here)
};

struct AudioDriverEntry {
  std::string name;  // as shown to the player and stored in Setup.ini
  bool isOpenAL = false;  // needs EnableOpenAL() first
  std::function<std::unique_ptr<AudioDriver>()> make;
};

// Implemented by each backend: the drivers it offers, in order. The common
// code falls back to a silent driver named "Silent" when none opens.
std::vector<AudioDriverEntry> BackendAudioDrivers();
bool BackendOpenALAvailable();

std::unique_ptr<AudioDriver> MakeSilentDriver();  // common/silent_driver.cpp

// What the program last asked of each live channel (one of the current
// driver), in allocation order; the headless backend shows these to tests.
struct ChannelState {
  int id = 0;          // 1, 2, ... in allocation order since ShutdownAudio
  std::string sound;   // file name of the sound cued last; "" before any cue
  float volume = 1, pan = 0, rate = 1;
  bool paused = false;   // cued and not resumed since
  bool playing = false;  // what ChannelPlaying says now
  int cues = 0;          // sounds cued on it so far
};
std::vector<ChannelState> LiveChannelStates();

// Called by the backends' PollEvents.
void UpdateAudio();
// Called by Shutdown: stop every channel, free sounds, close the driver.
void ShutdownAudio();

}  // namespace platform
