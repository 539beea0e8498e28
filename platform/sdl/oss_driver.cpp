// oss_driver.cpp - audio output to an OSS device file (/dev/dsp).
//
// The device is opened non-blocking as 16-bit stereo at 44100 Hz (or the rate
// it offers instead). The program mixes the channels itself (SoftMixer) on
// every Update, which PollEvents calls once a frame, and writes as much as
// the device will take. A small fragment setting keeps that amount, and so
// the delay before a sound is heard, to about 70 ms.
//
// Depends on: the OSS ioctl interface (linux/soundcard.h); POSIX file calls.

#include "platform/sdl/audio_drivers.h"
#include "platform/sdl/soft_mixer.h"

#include <fcntl.h>              // Required for: open flags
#include <linux/soundcard.h>    // Required for: SNDCTL_DSP_* requests, AFMT_S16_NE
#include <sys/ioctl.h>          // Required for: ioctl
#include <unistd.h>             // Required for: write, close

#include <algorithm>  // Required for: std::min
#include <string>     // Required for: the device path

namespace platform::sdl {
namespace {

constexpr int kWantedRate = 44100;
constexpr int kFragments = 6;           // fragments the device may hold ...
constexpr int kFragmentSizeLog2 = 11;   // ... of 2048 bytes (512 stereo frames) each
constexpr int kMaxFramesPerUpdate = 8192;
constexpr int kFallbackChunkFrames = 1024;  // when the device cannot say how much fits

class OssDriver final : public SoftMixer {
 public:
  explicit OssDriver(std::string path) : SoftMixer(kWantedRate), path_(std::move(path)) {}
  ~OssDriver() override { CloseDevice(); }

  bool Open() override {
    Close();
    fd_ = open(path_.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd_ < 0) return false;
    int fragment = (kFragments << 16) | kFragmentSizeLog2;
    ioctl(fd_, SNDCTL_DSP_SETFRAGMENT, &fragment);  // a wish; the device may round it
    int format = AFMT_S16_NE, channels = 2, rate = kWantedRate;
    if (ioctl(fd_, SNDCTL_DSP_SETFMT, &format) < 0 || format != AFMT_S16_NE ||
        ioctl(fd_, SNDCTL_DSP_CHANNELS, &channels) < 0 || channels != 2 ||
        ioctl(fd_, SNDCTL_DSP_SPEED, &rate) < 0 || rate <= 0) {
      CloseDevice();
      return false;
    }
    SetOutputRate(rate);
    return SoftMixer::Open();
  }

  void Close() override {
    CloseDevice();
    SoftMixer::Close();
  }

  void Update() override {
    if (fd_ < 0) return;
    int mixed = 0;
    while (true) {
      if (pendingBytes_ == 0) {
        int frames = std::min(FramesTheDeviceTakes(), kMaxFramesPerUpdate - mixed);
        if (frames <= 0) break;
        pending_.resize(size_t(frames) * 2);
        Mix(pending_.data(), frames);
        mixed += frames;
        pendingOffset_ = 0;
        pendingBytes_ = pending_.size() * sizeof(int16_t);
      }
      const char* bytes = reinterpret_cast<const char*>(pending_.data()) + pendingOffset_;
      ssize_t written = write(fd_, bytes, pendingBytes_);
      if (written <= 0) break;  // full for now (EAGAIN) or gone; try again next frame
      pendingOffset_ += size_t(written);
      pendingBytes_ -= size_t(written);
    }
  }

 private:
  int FramesTheDeviceTakes() {
    audio_buf_info space{};
    if (ioctl(fd_, SNDCTL_DSP_GETOSPACE, &space) < 0) return kFallbackChunkFrames;
    return space.bytes / 4;
  }

  void CloseDevice() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
    pending_.clear();
    pendingOffset_ = 0;
    pendingBytes_ = 0;
  }

  std::string path_;
  int fd_ = -1;
  std::vector<int16_t> pending_;  // mixed but not yet taken by the device
  size_t pendingOffset_ = 0;      // in bytes
  size_t pendingBytes_ = 0;
};

}  // namespace

std::unique_ptr<AudioDriver> MakeOssDriver(const std::string& path) {
  return std::make_unique<OssDriver>(path);
}

}  // namespace platform::sdl
