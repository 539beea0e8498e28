// audio_drivers.h - the audio outputs of the SDL backend, for the driver list
// (audio_drivers.cpp) and for tests that drive one output directly.
//
//   MakeOpenALDriver   one OpenAL Soft device; "" is OpenAL's default device
//   MakeOssDriver      an OSS device file such as /dev/dsp, mixed in Update()
#pragma once

#include "platform/common/audio_internal.h"  // Required for: AudioDriver

#include <memory>  // Required for: std::unique_ptr
#include <string>  // Required for: device names

namespace platform::sdl {

std::unique_ptr<AudioDriver> MakeOpenALDriver(const std::string& device);
std::unique_ptr<AudioDriver> MakeOssDriver(const std::string& path);

}  // namespace platform::sdl
