// scores.h - score records, the local score list and the scrambled score file.
//
// Every finished run becomes one Scores record in LocalScores, newest first.
// The list is read from nuscores.dat in the game folder once at start-up and
// written back whole after every run and at shutdown; every line of the file
// is scrambled by the engine's own two-pass encoder so that a damaged or
// hand-edited line is recognised and dropped when read. A file that lost a
// line that way is first copied to nuscores.dat.bad, so nothing is lost for
// good.
//
// File layout (one byte per character, CR LF after every line, uppercase hex):
//   line 1   Scramble(AccountName + "|" + AccountPassword, GameCode)
//   line 2.. Scramble(ScoreLine + SectionMark + BestLine, TitleKey), newest first
//
// Depends on: FieldOf and the number readers (settings/setup_file.h), the
// identity constants (shell/identity.h), files and the calendar
// (platform/platform.h).
#pragma once

#include <array>    // Required for: Best
#include <cstdint>  // Required for: 64-bit scores and stamps
#include <list>     // Required for: LocalScores (stable merge sort, removal while walking)
#include <string>   // Required for: names and scrambled texts

namespace crownlift {

inline constexpr int kBestCount = 31;  // entries 1..30 used

class Scores {
 public:
  int64_t Score = 0;
  int64_t Timestamp = 0;  // see StampNow
  int32_t Badges = 0;     // badge b (1..16) is bit b - 1
  std::string Name;
  std::array<int32_t, kBestCount> Best{};  // entry 30 == 1 marks a completed game
  int32_t Level = 0;                       // variant level
  int32_t GameMode = 0;                    // difficulty; a negative one is never saved
  int32_t GameFlags = 0;                   // variant flags
  int32_t Quit = 0;                        // 1 when the run ended by Quit in the pause menu

  // -1, 0 or 1: the sign of other.Timestamp - Timestamp, so sorting ascending
  // puts the newest first. The sign is taken from the full 64-bit stamps;
  // a difference cut to 32 bits would misorder stamps 68 years apart.
  int32_t Compare(const Scores& other) const;
};

// The key of the credentials line.
inline constexpr const char* GameCode = "H2JM8VE6";
// Separates a record's main fields from its Best values; byte 0xA5 is the yen sign.
inline constexpr const char* SectionMark = "#~^=\xA5!Q58pW3&";

extern std::list<Scores> LocalScores;
extern std::string PlayerName;       // "Player" until a file or the name entry says otherwise
extern std::string AccountName;      // carried through the file, edited by nothing here
extern std::string AccountPassword;

// Start-up: empty score lists and credentials, PlayerName "Player", and the
// file marked as not yet read.
void CreateScoreLists();
// Start-up: derives the key of the record lines from the identity constants.
void BuildTitleKey();

// Reads nuscores.dat from the current folder, the first time it is called
// after CreateScoreLists; later calls (a display change) keep the list in
// memory, with the runs recorded since start-up.
void LoadScores();
// Replaces nuscores.dat in the current folder in one step. Does nothing while
// a damaged file could not yet be copied to nuscores.dat.bad.
void SaveScores();
// Appends a record of a finished run, sorts the list and saves it.
void RecordRun(int64_t finalScore, int32_t badges, const std::array<int, kBestCount>& levelResults,
               int32_t variantLevel, int32_t difficulty, int32_t variantFlags, bool quit);
// Replaces the characters the account texts may not hold by "_".
void CleanAccountTexts();
// The local date and time in a calendar of 12 months of 31 days, in seconds.
int64_t StampNow();

// The text forms of a record inside a file line.
std::string ScoreLine(const Scores& record);
std::string BestLine(const Scores& record);

// The encoder: two passes of rotate, append six check digits, XOR with the
// key; the second pass writes uppercase hex. An empty key means the title
// key. text must not be empty (an empty one gives "").
std::string Scramble(const std::string& text, const std::string& key);
// The text that was scrambled, or "XXX" when a check fails or the hex is
// too short to carry its check digits (fewer than 26 digits).
std::string Unscramble(const std::string& hex, const std::string& key);
// Sum of code x 3 x position (from 1), modulo 4096.
int LineChecksum(const std::string& text);
// "A".."F" and "0".."9" are digits, every other character counts 0.
int64_t HexValue(const std::string& text);
// The decimal number at the start of text (blanks, sign, digits), clamped
// to the 64-bit range instead of overflowing; 0 when there is none.
int64_t LeadingInteger64(const std::string& text);

}  // namespace crownlift
