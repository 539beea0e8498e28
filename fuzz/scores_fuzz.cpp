// scores_fuzz.cpp - nuscores.dat as any bytes, then saved and read back.
//
// Random bytes almost never pass a line's check digits, so the record parser
// behind them would go untested. The first input byte therefore picks how
// the rest is used: even, as the file itself; odd, as lines of plain text
// that are scrambled with the real keys first, so every line reaches the
// field parser.
#include <cstdint>  // Required for: uint8_t
#include <string>   // Required for: lines

#include "fuzz/fuzz_support.h"  // Required for: the scratch folder
#include "scores/scores.h"      // Required for: LoadScores, SaveScores, Scramble

namespace {

std::string ScrambledFile(const std::string& text) {
  std::string file;
  size_t start = 0;
  bool first = true;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    if (!line.empty()) file += crownlift::Scramble(line, first ? crownlift::GameCode : "");
    file += "\r\n";
    first = false;
    start = end + 1;
  }
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& folder = fuzz_support::StartInScratchFolder("scores");
  static const bool keyBuilt = (crownlift::BuildTitleKey(), true);
  (void)keyBuilt;
  if (size == 0) return 0;
  const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string bytes = (data[0] & 1) ? ScrambledFile(rest) : rest;
  fuzz_support::WriteInput(folder + "nuscores.dat",
                           reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  std::remove((folder + "nuscores.dat.bad").c_str());
  crownlift::CreateScoreLists();
  crownlift::LoadScores();
  const size_t loaded = crownlift::LocalScores.size();
  // Whatever was loaded must save, and read back as the same number of runs
  // (runs with a negative mode are never saved).
  size_t saved = 0;
  for (const crownlift::Scores& record : crownlift::LocalScores) saved += record.GameMode >= 0;
  crownlift::SaveScores();
  crownlift::CreateScoreLists();
  crownlift::LoadScores();
  if (loaded == saved && crownlift::LocalScores.size() != saved) __builtin_trap();
  return 0;
}
