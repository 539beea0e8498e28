// openal_driver.cpp - audio output through one OpenAL Soft device.
//
// Sounds become AL buffers when loaded; a channel plays through an AL source.
// OpenAL Soft mixes in its own thread, so the program itself stays on one.
//
// Channels are cheap handles: the engine allocates a fresh one whenever it
// had to stop a busy one and never gives any back, while OpenAL offers only a
// few hundred sources. So a channel holds a source only from Cue until it is
// stopped, and the sources of finished channels are taken back when the pool
// runs dry. A cued channel sits at its sound's start, waiting for Resume
// (OpenAL has no paused-at-start state of its own, so the driver keeps it).
//
// Pan moves a mono sound along the x axis around the listener; stereo sounds
// ignore it, as OpenAL does. Volumes above 1 raise the source's gain ceiling
// so they are really louder.
//
// Depends on: OpenAL Soft.

#include "platform/common/audio_internal.h"
#include "platform/sdl/audio_drivers.h"

#include <AL/al.h>   // Required for: buffers, sources
#include <AL/alc.h>  // Required for: devices, contexts

#include <algorithm>  // Required for: std::max, std::clamp
#include <cmath>      // Required for: std::sqrt, std::isfinite

namespace platform::sdl {
namespace {

struct SoundSlot {
  ALuint buffer = 0;
  bool loop = false;
  bool present = false;
};

struct ChannelSlot {
  bool hasSource = false;
  ALuint source = 0;
  int sound = 0;
  bool cued = false;  // at the sound's start, waiting for Resume
  float volume = 1.0f, pan = 0.0f, rate = 1.0f;
};

class OpenALDriver final : public AudioDriver {
 public:
  explicit OpenALDriver(std::string device) : deviceName_(std::move(device)) {}
  ~OpenALDriver() override { Close(); }

  bool Open() override {
    Close();
    device_ = alcOpenDevice(deviceName_.empty() ? nullptr : deviceName_.c_str());
    if (!device_) return false;
    context_ = alcCreateContext(device_, nullptr);
    if (!context_ || alcMakeContextCurrent(context_) != ALC_TRUE) {
      Close();
      return false;
    }
    alGetError();  // start with a clean error state
    return true;
  }

  void Close() override {
    if (context_) {
      MakeCurrent();
      for (ChannelSlot& channel : channels_) ReleaseSource(channel);
      if (!freeSources_.empty()) alDeleteSources(ALsizei(freeSources_.size()), freeSources_.data());
      for (SoundSlot& sound : sounds_) {
        if (sound.present) alDeleteBuffers(1, &sound.buffer);
      }
      alcMakeContextCurrent(nullptr);
      alcDestroyContext(context_);
    }
    if (device_) alcCloseDevice(device_);
    context_ = nullptr;
    device_ = nullptr;
    sounds_.clear();
    channels_.clear();
    freeSources_.clear();
  }

  int AddSound(const PcmData& pcm, bool loop) override {
    if (!MakeCurrent() || pcm.rate <= 0 || (pcm.channels != 1 && pcm.channels != 2)) return 0;
    ALuint buffer = 0;
    alGetError();
    alGenBuffers(1, &buffer);
    if (alGetError() != AL_NO_ERROR) return 0;
    ALenum format = pcm.channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
    alBufferData(buffer, format, pcm.samples.data(),
                 ALsizei(pcm.samples.size() * sizeof(int16_t)), pcm.rate);
    if (alGetError() != AL_NO_ERROR) {
      alDeleteBuffers(1, &buffer);
      return 0;
    }
    sounds_.push_back({buffer, loop, true});
    return int(sounds_.size());
  }

  void RemoveSound(int sound) override {
    SoundSlot* slot = SoundAt(sound);
    if (!slot || !MakeCurrent()) return;
    // AL refuses to delete a buffer that a source still holds.
    for (ChannelSlot& channel : channels_) {
      if (channel.sound == sound) {
        ReleaseSource(channel);
        channel.sound = 0;
      }
    }
    alDeleteBuffers(1, &slot->buffer);
    *slot = SoundSlot{};
  }

  int AllocChannel() override {
    if (!context_) return 0;
    channels_.emplace_back();
    return int(channels_.size());
  }

  void Cue(int channel, int sound) override {
    ChannelSlot* slot = ChannelAt(channel);  // makes the context current
    SoundSlot* data = SoundAt(sound);
    if (!slot || !data) return;
    if (!slot->hasSource && !AcquireSource(*slot)) return;
    alSourceStop(slot->source);
    alSourcei(slot->source, AL_BUFFER, ALint(data->buffer));
    alSourcei(slot->source, AL_LOOPING, data->loop ? AL_TRUE : AL_FALSE);
    alSourceRewind(slot->source);
    slot->sound = sound;
    slot->cued = true;
    ApplySettings(*slot);
  }

  void SetVolume(int channel, float volume) override {
    if (ChannelSlot* slot = ChannelAt(channel); slot && std::isfinite(volume)) {
      slot->volume = std::max(volume, 0.0f);
      if (slot->hasSource) ApplySettings(*slot);
    }
  }

  void SetPan(int channel, float pan) override {
    if (ChannelSlot* slot = ChannelAt(channel); slot && std::isfinite(pan)) {
      slot->pan = std::clamp(pan, -1.0f, 1.0f);
      if (slot->hasSource) ApplySettings(*slot);
    }
  }

  void SetRate(int channel, float rate) override {
    // AL accepts only positive pitches.
    if (ChannelSlot* slot = ChannelAt(channel); slot && std::isfinite(rate) && rate > 0) {
      slot->rate = rate;
      if (slot->hasSource) ApplySettings(*slot);
    }
  }

  void Resume(int channel) override {
    ChannelSlot* slot = ChannelAt(channel);
    if (!slot || !slot->hasSource) return;
    ALint state = SourceState(*slot);
    if (slot->cued || state == AL_PAUSED) alSourcePlay(slot->source);
    slot->cued = false;
  }

  void Stop(int channel) override {
    if (ChannelSlot* slot = ChannelAt(channel)) ReleaseSource(*slot);
  }

  bool Playing(int channel) override {
    ChannelSlot* slot = ChannelAt(channel);
    if (!slot || !slot->hasSource) return false;
    if (slot->cued) return true;
    ALint state = SourceState(*slot);
    return state == AL_PLAYING || state == AL_PAUSED;
  }

 private:
  // AL calls act on the current context. Another driver may have taken that
  // over (the next one opens before the last one closes), so every entry
  // point claims it back.
  bool MakeCurrent() {
    if (!context_) return false;
    if (alcGetCurrentContext() != context_) alcMakeContextCurrent(context_);
    return true;
  }

  SoundSlot* SoundAt(int sound) {
    if (sound < 1 || sound > int(sounds_.size()) || !sounds_[size_t(sound - 1)].present) {
      return nullptr;
    }
    return &sounds_[size_t(sound - 1)];
  }

  ChannelSlot* ChannelAt(int channel) {
    if (!MakeCurrent() || channel < 1 || channel > int(channels_.size())) return nullptr;
    return &channels_[size_t(channel - 1)];
  }

  static ALint SourceState(const ChannelSlot& slot) {
    ALint state = AL_STOPPED;
    alGetSourcei(slot.source, AL_SOURCE_STATE, &state);
    return state;
  }

  bool AcquireSource(ChannelSlot& slot) {
    if (freeSources_.empty()) {
      ALuint source = 0;
      alGetError();
      alGenSources(1, &source);
      if (alGetError() == AL_NO_ERROR) {
        freeSources_.push_back(source);
      } else {
        ReclaimFinishedSources();
      }
    }
    if (freeSources_.empty()) return false;
    slot.source = freeSources_.back();
    freeSources_.pop_back();
    slot.hasSource = true;
    // Positions are relative to the listener and never fade with distance:
    // the position only carries the pan.
    alSourcei(slot.source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSourcef(slot.source, AL_ROLLOFF_FACTOR, 0.0f);
    return true;
  }

  void ReleaseSource(ChannelSlot& slot) {
    if (!slot.hasSource) return;
    alSourceStop(slot.source);
    alSourcei(slot.source, AL_BUFFER, 0);
    freeSources_.push_back(slot.source);
    slot.hasSource = false;
    slot.cued = false;
  }

  void ReclaimFinishedSources() {
    for (ChannelSlot& slot : channels_) {
      if (slot.hasSource && !slot.cued && SourceState(slot) == AL_STOPPED) ReleaseSource(slot);
    }
  }

  static void ApplySettings(const ChannelSlot& slot) {
    alSourcef(slot.source, AL_MAX_GAIN, std::max(1.0f, slot.volume));
    alSourcef(slot.source, AL_GAIN, slot.volume);
    alSourcef(slot.source, AL_PITCH, slot.rate);
    // On a unit circle in front of the listener: full left, centre, full right.
    float x = slot.pan;
    float z = -std::sqrt(std::max(0.0f, 1.0f - x * x));
    alSource3f(slot.source, AL_POSITION, x, 0.0f, z);
  }

  std::string deviceName_;
  ALCdevice* device_ = nullptr;
  ALCcontext* context_ = nullptr;
  std::vector<SoundSlot> sounds_;
  std::vector<ChannelSlot> channels_;
  std::vector<ALuint> freeSources_;
};

}  // namespace

std::unique_ptr<AudioDriver> MakeOpenALDriver(const std::string& device) {
  return std::make_unique<OpenALDriver>(device);
}

}  // namespace platform::sdl
