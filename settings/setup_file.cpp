// setup_file.cpp - reading and writing Setup.ini, choosing the audio driver.
//
// Layout as written (CR LF after every line):
//   [Graphics] / Fullscreen = False|True / GFX Engine = OpenGL|DX9|DX7 /
//   Width=n / Height=n / (ESS=1 ; ... when slow) / "" /
//   [Audio] / Master = n / Sound = n / Music = n / AudioDriver = name /
//   "; AudioDriver = name" for each offered driver / "" /
//   [Controls] / Key=i,code for each binding above 0.
#include "settings/setup_file.h"

#include <climits>  // Required for: INT_MAX, INT_MIN when saturating

#include "controls/bindings.h"  // Required for: Bindings
#include "platform/platform.h"  // Required for: files, folders, audio drivers
#include "shell/identity.h"     // Required for: the game folder's name
#include "shell/state.h"        // Required for: Settings, LogLine

namespace crownlift {

std::vector<std::string> AudioDrivers;
bool DriverNamedInFile = false;

namespace {

constexpr const char* kSetupFileName = "Setup.ini";
constexpr const char* kMissingField = "-+-";
constexpr const char* kSlowSystemLine =
    "ESS=1 ; This is a slow system, and things must run a wee bit slower for it.  Awww..";
constexpr int kStoredBindings = 100;  // entries 0..99; entry 100 is never stored

// Bytes are compared as unsigned so that Latin-1 letters are not taken for
// control characters.
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string Trimmed(const std::string& text) {
  size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

// ASCII only, independent of the C locale.
std::string UpperCased(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

bool BeginsWith(const std::string& name, const std::string& upperPrefix) {
  return UpperCased(name.substr(0, upperPrefix.size())) == upperPrefix;
}

// 1-based position of separator at or after 1-based position start; 0 if none.
size_t PositionOf(const std::string& text, const std::string& separator, size_t start) {
  if (separator.empty() || start > text.size()) return 0;
  size_t found = text.find(separator, start - 1);
  return found == std::string::npos ? 0 : found + 1;
}

std::string DriverName(int index) {
  if (index < 0 || index >= static_cast<int>(AudioDrivers.size())) return "";
  return AudioDrivers[index];
}

void ApplyAudioDriverLine(const std::string& value) {
  DriverNamedInFile = true;
  for (size_t i = 0; i < AudioDrivers.size(); ++i) {
    if (AudioDrivers[i] == value) Settings[AudioDriver] = static_cast<int>(i);
  }
}

void ApplyKeyLine(const std::string& value) {
  int index = LeadingMagnitude(FieldOf(value, ",", 1));
  int code = LeadingMagnitude(FieldOf(value, ",", 2));
  if (index >= 0 && index < kStoredBindings) Bindings[index] = code;
}

// Every comparison is made, but the keys are distinct, so at most one applies.
void ApplySetupLine(const std::string& line) {
  std::string key = UpperCased(Trimmed(FieldOf(line, "=", 1)));
  std::string value = Trimmed(FieldOf(line, "=", 2));
  if (key == "AUDIODRIVER") ApplyAudioDriverLine(value);
  if (key == "FULLSCREEN") {
    std::string upper = UpperCased(value);
    if (upper == "TRUE" || upper == "ON") {
      Settings[Fullscreen] = 1;
      LogLine("\tSetting to Fullscreen");
    }
  }
  if (key == "GFX ENGINE" || key == "GFXENGINE") {
    std::string upper = UpperCased(value);
    if (upper == "DX9") {
      Settings[GfxEngine] = 1;
      LogLine("\tDirectX 9 Mode");
    } else if (upper == "DX7") {
      Settings[GfxEngine] = 2;
      LogLine("\tDirectX 7 Mode");
    }
  }
  if (key == "WIDTH") Settings[Width] = LeadingMagnitude(value);
  if (key == "HEIGHT") Settings[Height] = LeadingMagnitude(value);
  if (key == "ESS") {
    Settings[SlowSystem] = 1;
    LogLine("\tAssuming Emergency Slow System values.");
  }
  if (key == "KEY") ApplyKeyLine(value);
  if (key == "MASTER") Settings[MasterVolume] = LeadingMagnitude(value);
  if (key == "SOUND") Settings[SoundVolume] = LeadingMagnitude(value);
  if (key == "MUSIC") Settings[MusicVolume] = LeadingMagnitude(value);
}

std::string GfxEngineName(int engine) {
  if (engine == 1) return "DX9";
  if (engine == 2) return "DX7";
  return "OpenGL";
}

std::string ComposeSetupFile() {
  std::string text;
  auto line = [&text](const std::string& s) {
    text += s;
    text += "\r\n";
  };
  line("[Graphics]");
  line(Settings[Fullscreen] ? "Fullscreen = True" : "Fullscreen = False");
  line("GFX Engine = " + GfxEngineName(Settings[GfxEngine]));
  line("Width=" + std::to_string(Settings[Width]));
  line("Height=" + std::to_string(Settings[Height]));
  if (Settings[SlowSystem] == 1) line(kSlowSystemLine);
  line("");
  line("[Audio]");
  line("Master = " + std::to_string(Settings[MasterVolume]));
  line("Sound = " + std::to_string(Settings[SoundVolume]));
  line("Music = " + std::to_string(Settings[MusicVolume]));
  line("AudioDriver = " + DriverName(Settings[AudioDriver]));
  for (const std::string& name : AudioDrivers) line("; AudioDriver = " + name);
  line("");
  line("[Controls]");
  for (int i = 0; i < kStoredBindings; ++i) {
    if (Bindings[i] > 0) line("Key=" + std::to_string(i) + "," + std::to_string(Bindings[i]));
  }
  return text;
}

}  // namespace

std::string FieldOf(const std::string& text, const std::string& separator, int n) {
  std::string s = Trimmed(text);
  size_t start = 1, previous = 0;
  bool missing = false;
  for (int i = 1; i < n; ++i) {
    size_t q = PositionOf(s, separator, start);
    if (q + 1 <= previous) {
      // Once a field is missing every later one is too, so stop looking.
      missing = true;
      break;
    }
    previous = q + 1;
    start = previous;
  }
  if (missing) return kMissingField;
  if (start > s.size()) return "";
  size_t q = PositionOf(s, separator, start);
  if (q < start) return s.substr(start - 1);  // no further separator: to the end
  return s.substr(start - 1, q - start);
}

int LeadingInteger(const std::string& text) {
  // Saturate well before int64 could overflow; the final clamp does the rest.
  constexpr int64_t kCeiling = int64_t(INT_MAX) + 1;
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > kCeiling) magnitude = kCeiling;
  }
  int64_t value = negative ? -magnitude : magnitude;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

int LeadingMagnitude(const std::string& text) {
  int value = LeadingInteger(text);
  if (value == INT_MIN) return INT_MAX;
  return value < 0 ? -value : value;
}

void ReadSetupFile() {
  AudioDrivers = platform::AudioDriverNames();
  DriverNamedInFile = false;
  if (platform::KindOfPath(kSetupFileName) != platform::PathKind::File) return;
  LogLine("\tReading Setup File");
  std::string bytes;
  if (!platform::ReadWholeFile(kSetupFileName, bytes)) bytes.clear();
  // A line ends at LF, at a zero byte or at the end; CRs are dropped. An empty
  // file still reads as one empty line.
  size_t pos = 0;
  do {
    std::string line;
    while (pos < bytes.size()) {
      char c = bytes[pos++];
      if (c == '\n' || c == '\0') break;
      if (c != '\r') line += c;
    }
    ApplySetupLine(line);
  } while (pos < bytes.size());
}

void ChooseAudioDriver() {
  if (!DriverNamedInFile) {
    // The last "Direct..." wins; failing that the first "OpenAL..." or "Free...".
    bool chosen = false;
    for (size_t i = 0; i < AudioDrivers.size(); ++i) {
      const std::string& name = AudioDrivers[i];
      if (BeginsWith(name, "OPENAL") && !chosen) {
        Settings[AudioDriver] = static_cast<int>(i);
        chosen = true;
      }
      if (BeginsWith(name, "FREE") && !chosen) {
        Settings[AudioDriver] = static_cast<int>(i);
        chosen = true;
      }
      if (BeginsWith(name, "DIRECT")) {
        Settings[AudioDriver] = static_cast<int>(i);
        chosen = true;
      }
    }
  }
  LogLine("Setting Audio Driver");
  std::string name = DriverName(Settings[AudioDriver]);
  if (!name.empty() && platform::AudioDriverExists(name)) {
    if (!BeginsWith(name, "OPENAL")) {
      platform::SetAudioDriver(name);
    } else if (platform::EnableOpenAL()) {
      platform::SetAudioDriver(name);
    }
  }
  LogLine("Set Audio Driver");
  LogLine("");
}

void WriteSetupFile() {
  platform::ChangeFolder("..");
  // A file that cannot be written leaves the settings in memory as they are.
  platform::WriteFileAtomically(kSetupFileName, ComposeSetupFile());
  platform::ChangeFolder(GameFolderName(WeekNumber));
}

}  // namespace crownlift
