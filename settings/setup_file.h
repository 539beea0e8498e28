// setup_file.h - Setup.ini: the settings and bindings file, and the field splitter.
//
// Start-up reads Setup.ini once (ReadSetupFile) and then picks the audio driver
// (ChooseAudioDriver). The file is rewritten whole, in a fixed layout, whenever
// the settings overlay opens or closes, on Apply and at shutdown
// (WriteSetupFile). The reader is forgiving so the file can be edited by hand:
// keys match without regard to case, lines it does not understand are skipped,
// and nothing in the file can make it fail.
//
// Depends on: Settings and the log (shell/state.h), Bindings
// (controls/bindings.h), files and audio drivers (platform/platform.h).
#pragma once

#include <string>  // Required for: texts, driver names
#include <vector>  // Required for: AudioDrivers

namespace crownlift {

// The platform's audio driver names, taken once by ReadSetupFile; Settings
// slot AudioDriver indexes it.
extern std::vector<std::string> AudioDrivers;
// Whether Setup.ini had an "AudioDriver" line (found or not); a named driver
// turns the automatic choice off.
extern bool DriverNamedInFile;

// Field n (from 1) of text split at separator. The text as a whole is trimmed
// of characters of code 32 or less, the field itself is not. Field 2 of a text
// without separator is the whole text; a field further than the separators go
// is "-+-". With a longer separator, fields after the first keep the rest of
// the separator at their start: field 2 of "a-+-b" split at "-+-" is "+-b".
// An empty separator is never found.
std::string FieldOf(const std::string& text, const std::string& separator, int n);

// The integer at the start of text: leading white space, an optional sign,
// then digits up to the first other character; 0 when there are none.
// Out-of-range values saturate instead of wrapping.
int LeadingInteger(const std::string& text);
// LeadingInteger made non-negative; a text holding the most negative int gives
// the largest one.
int LeadingMagnitude(const std::string& text);

// Reads Setup.ini from the current folder (Files/) into Settings and Bindings.
// A missing file leaves every default in place.
void ReadSetupFile();
// Chooses the driver (automatically unless the file named one) and makes it
// the platform's current driver.
void ChooseAudioDriver();
// Writes Files/Setup.ini while the game folder (Files/270/) is current, and
// leaves the game folder current. The old file is replaced in one step, so a
// crash while writing can't leave it half written.
void WriteSetupFile();

}  // namespace crownlift
