// audio_drivers.cpp - which audio outputs the SDL backend offers, by name.
//
// The list is what the settings overlay shows and Setup.ini stores: OpenAL's
// default device, then every device OpenAL Soft lists (each name prefixed
// with "OpenAL ", which the engine's driver choice looks for), then the OSS
// device when this machine has one, and last the silent driver, which always
// works. Nothing is opened here except, for the availability question, the
// default OpenAL device for a moment.
//
// Depends on: OpenAL Soft (device enumeration); POSIX stat for /dev/dsp.

#include "platform/common/audio_internal.h"
#include "platform/sdl/audio_drivers.h"

#include <AL/alc.h>  // Required for: device enumeration, alcOpenDevice

#include <sys/stat.h>  // Required for: stat (is there an OSS device?)

#include <cstring>  // Required for: strlen (walking OpenAL's name list)

namespace platform {
namespace {

constexpr const char* kOssDevice = "/dev/dsp";

// OpenAL hands back its device names as one block of NUL-terminated strings
// ending in an empty one.
std::vector<std::string> OpenALDeviceNames() {
  const ALCchar* list = nullptr;
  if (alcIsExtensionPresent(nullptr, "ALC_ENUMERATE_ALL_EXT") == ALC_TRUE) {
    list = alcGetString(nullptr, ALC_ALL_DEVICES_SPECIFIER);
  } else if (alcIsExtensionPresent(nullptr, "ALC_ENUMERATION_EXT") == ALC_TRUE) {
    list = alcGetString(nullptr, ALC_DEVICE_SPECIFIER);
  }
  std::vector<std::string> names;
  for (const ALCchar* p = list; p && *p; p += std::strlen(p) + 1) names.emplace_back(p);
  return names;
}

bool OssDevicePresent() {
  struct stat info {};
  return stat(kOssDevice, &info) == 0;
}

}  // namespace

std::vector<AudioDriverEntry> BackendAudioDrivers() {
  std::vector<AudioDriverEntry> drivers;
  drivers.push_back({"OpenAL Default", true, [] { return sdl::MakeOpenALDriver(""); }});
  for (const std::string& device : OpenALDeviceNames()) {
    drivers.push_back({"OpenAL " + device, true, [device] { return sdl::MakeOpenALDriver(device); }});
  }
  if (OssDevicePresent()) {
    drivers.push_back({std::string("OSS ") + kOssDevice, false,
                       [] { return sdl::MakeOssDriver(kOssDevice); }});
  }
  drivers.push_back({"Silent", false, [] { return MakeSilentDriver(); }});
  return drivers;
}

bool BackendOpenALAvailable() {
  if (!OpenALDeviceNames().empty()) return true;
  ALCdevice* device = alcOpenDevice(nullptr);
  if (!device) return false;
  alcCloseDevice(device);
  return true;
}

}  // namespace platform
