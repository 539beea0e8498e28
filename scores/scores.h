// scores.h - score records, the local score list and the scrambled score file.
//
// Every finished run becomes one Scores record in LocalScores, newest first.
// The list is read from nuscores.dat in the game folder at start-up and
// written back whole; every line of the file is scrambled by the engine's own
// two-pass encoder so that a damaged or hand-edited line is recognised and
// dropped when read.
#pragma once

#include <array>    // Required for: Best
#include <cstdint>  // Required for: 64-bit scores and stamps
#include <list>     // Required for: LocalScores
#include <string>   // Required for: names and scrambled texts

namespace crownlift {

inline constexpr int kBestCount = 31;  // entries 1..30 used

class Scores {
 public:
  int64_t Score = 0;
  int64_t Timestamp = 0;
  int32_t Badges = 0;
  std::string Name;
  std::array<int32_t, kBestCount> Best{};
  int32_t Level = 0;
  int32_t GameMode = 0;
  int32_t GameFlags = 0;
  int32_t Quit = 0;

  // Negative when this record sorts before other: newest first.
  int32_t Compare(const Scores& other) const;
};

extern std::list<Scores> LocalScores;
extern std::string PlayerName;
extern std::string AccountName;
extern std::string AccountPassword;

void BuildTitleKey();
void LoadScores();
void SaveScores();
void RecordRun(int64_t finalScore, int32_t badges, const std::array<int, kBestCount>& levelResults,
               int32_t variantLevel, int32_t difficulty, int32_t variantFlags, bool quit);
void CleanAccountTexts();
int64_t StampNow();
std::string Scramble(const std::string& text, const std::string& key);
std::string Unscramble(const std::string& hex, const std::string& key);

}  // namespace crownlift
