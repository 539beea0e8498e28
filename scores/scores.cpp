// scores.cpp - the score records, their order, the time stamp and nuscores.dat.
//
// The file is read once per start and rewritten whole, in one step, after
// every run and at shutdown, so a crash or a kill loses nothing already
// recorded. Reading never fails: a line that does not decode is dropped and
// the rest still loads; the file as it was is first copied beside it.
#include "scores/scores.h"

#include <climits>  // Required for: INT64_MAX, INT64_MIN
#include <vector>   // Required for: the lines of the file

#include "platform/platform.h"    // Required for: files, DateText, TimeText
#include "settings/setup_file.h"  // Required for: FieldOf, LeadingMagnitude

namespace crownlift {

std::list<Scores> LocalScores;
std::string PlayerName = "Player";
std::string AccountName;
std::string AccountPassword;

namespace {

const char* const kScoreFile = "nuscores.dat";
const char* const kDamagedCopy = "nuscores.dat.bad";
constexpr int kBestUsed = 30;

// Set by the first LoadScores after start-up; a display change that runs the
// asset loading again must not throw away the runs recorded since.
bool scoresLoaded = false;
// The bytes of a file that lost lines while loading, until they are safely
// in nuscores.dat.bad; no save may replace the file before that.
bool damagedCopyPending = false;
std::string damagedBytes;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string Trimmed(const std::string& text) {
  size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

// Lines end at LF with a CR before it dropped; a final line end gives no empty
// last line. An empty file still has its (empty) first line.
std::vector<std::string> LinesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    size_t stop = end;
    if (stop > start && bytes[stop - 1] == '\r') --stop;
    lines.push_back(bytes.substr(start, stop - start));
    start = end + 1;
  }
  if (lines.empty()) lines.emplace_back();
  return lines;
}

bool WriteDamagedCopy() {
  if (!damagedCopyPending) return true;
  if (!platform::WriteFileAtomically(kDamagedCopy, damagedBytes)) return false;
  damagedCopyPending = false;
  damagedBytes.clear();
  return true;
}

void SortScores() {
  LocalScores.sort([](const Scores& a, const Scores& b) { return a.Compare(b) < 0; });
}

// A record from a decoded line, or false when its main part holds no "|".
bool RecordFromLine(const std::string& line, Scores& record) {
  const std::string mark = SectionMark;
  const size_t at = line.find(mark);
  const std::string main = line.substr(0, at);
  const std::string best = at == std::string::npos ? "" : line.substr(at + mark.size());
  if (main.find('|') == std::string::npos) return false;
  auto field = [&main](int n) { return FieldOf(main, "|", n); };
  record.Score = LeadingInteger64(field(1));
  record.Name = Trimmed(field(2));
  record.Badges = LeadingMagnitude(field(3));
  record.Timestamp = LeadingInteger64(field(4));
  record.Level = LeadingMagnitude(field(5));
  record.GameMode = LeadingMagnitude(field(6));
  record.GameFlags = LeadingMagnitude(field(7));
  record.Quit = LeadingMagnitude(field(8));
  for (int i = 1; i <= kBestUsed; ++i) record.Best[i] = LeadingMagnitude(FieldOf(best, "|", i));
  return true;
}

// Reads the file into the lists; true when a line had to be dropped.
bool ReadScoreFile(const std::string& bytes) {
  const std::vector<std::string> lines = LinesOf(bytes);
  bool damaged = false;

  const std::string credentials = Unscramble(lines[0], GameCode);
  AccountName = FieldOf(credentials, "|", 1);
  AccountPassword = FieldOf(credentials, "|", 2);
  if (credentials == "XXX" && !lines[0].empty()) damaged = true;

  LocalScores.clear();
  bool first = true;
  for (size_t i = 1; i < lines.size(); ++i) {
    std::string line = lines[i];
    if (line.size() > 2) line = Unscramble(line, "");
    Scores record;
    if (!RecordFromLine(line, record)) {
      if (!lines[i].empty()) damaged = true;
      continue;
    }
    if (first) PlayerName = record.Name;
    first = false;
    LocalScores.push_back(std::move(record));
  }
  SortScores();
  return damaged;
}

std::string StampPart(const std::string& text, size_t from, size_t count) {
  return from < text.size() ? text.substr(from, count) : "";
}

}  // namespace

int32_t Scores::Compare(const Scores& other) const {
  if (other.Timestamp > Timestamp) return 1;
  if (other.Timestamp < Timestamp) return -1;
  return 0;
}

void CreateScoreLists() {
  LocalScores.clear();
  PlayerName = "Player";
  AccountName.clear();
  AccountPassword.clear();
  scoresLoaded = false;
  damagedCopyPending = false;
  damagedBytes.clear();
}

void LoadScores() {
  if (scoresLoaded) return;
  scoresLoaded = true;
  if (platform::KindOfPath(kScoreFile) != platform::PathKind::File) return;
  std::string bytes;
  if (!platform::ReadWholeFile(kScoreFile, bytes)) return;
  if (ReadScoreFile(bytes)) {
    damagedBytes = std::move(bytes);
    damagedCopyPending = true;
    WriteDamagedCopy();
  }
}

void SaveScores() {
  if (!WriteDamagedCopy()) return;
  std::string text = Scramble(AccountName + "|" + AccountPassword, GameCode) + "\r\n";
  SortScores();
  const std::string mark = SectionMark;
  for (const Scores& record : LocalScores) {
    if (record.GameMode < 0) continue;
    text += Scramble(ScoreLine(record) + mark + BestLine(record), "");
    text += "\r\n";
  }
  // A file that cannot be written keeps the old one; the list stays in memory
  // and the next save tries again.
  platform::WriteFileAtomically(kScoreFile, text);
}

void RecordRun(int64_t finalScore, int32_t badges, const std::array<int, kBestCount>& levelResults,
               int32_t variantLevel, int32_t difficulty, int32_t variantFlags, bool quit) {
  Scores record;
  record.Score = finalScore;
  record.Timestamp = StampNow();
  record.Badges = badges;
  record.Name = PlayerName;
  for (int i = 1; i <= kBestUsed; ++i) record.Best[i] = levelResults[i];
  record.Level = variantLevel;
  record.GameMode = difficulty;
  record.GameFlags = variantFlags;
  record.Quit = quit ? 1 : 0;
  LocalScores.push_back(std::move(record));
  SortScores();
  SaveScores();
}

void CleanAccountTexts() {
  static const char kRefused[] = "*\"'-+&?{}[]~#\\/:;";
  for (std::string* text : {&AccountName, &AccountPassword}) {
    for (const char* c = kRefused; *c; ++c) {
      for (char& ch : *text) {
        if (ch == *c) ch = '_';
      }
    }
  }
}

int64_t StampNow() {
  static const char* const kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                        "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  std::string date = platform::DateText();
  for (char& c : date) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  const std::string time = platform::TimeText();
  const int64_t year = LeadingMagnitude(StampPart(date, 7, 4));
  const std::string monthName = StampPart(date, 3, 3);
  int64_t month = 0;
  for (int m = 0; m < 12; ++m) {
    if (monthName == kMonths[m]) month = m + 1;
  }
  const int64_t day = LeadingMagnitude(StampPart(date, 0, 2));
  const int64_t hours = LeadingMagnitude(StampPart(time, 0, 2));
  const int64_t minutes = LeadingMagnitude(StampPart(time, 3, 2));
  const int64_t seconds = LeadingMagnitude(StampPart(time, 6, 2));
  return ((((year * 12 + month) * 31 + day) * 24 + hours) * 60 + minutes) * 60 + seconds;
}

std::string ScoreLine(const Scores& record) {
  return std::to_string(record.Score) + "|" + record.Name + "|" + std::to_string(record.Badges) +
         "|" + std::to_string(record.Timestamp) + "|" + std::to_string(record.Level) + "|" +
         std::to_string(record.GameMode) + "|" + std::to_string(record.GameFlags) + "|" +
         std::to_string(record.Quit);
}

std::string BestLine(const Scores& record) {
  std::string line;
  for (int i = 1; i <= kBestUsed; ++i) {
    if (i > 1) line += "|";
    line += std::to_string(record.Best[i]);
  }
  return line;
}

int64_t LeadingInteger64(const std::string& text) {
  // The magnitude stops growing at 2^63, which is INT64_MIN's; larger texts clamp.
  constexpr uint64_t kCeiling = uint64_t(1) << 63;
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  uint64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const auto digit = static_cast<uint64_t>(text[i] - '0');
    magnitude = magnitude > (kCeiling - digit) / 10 ? kCeiling : magnitude * 10 + digit;
  }
  if (negative) return magnitude >= kCeiling ? INT64_MIN : -static_cast<int64_t>(magnitude);
  return magnitude >= kCeiling ? INT64_MAX : static_cast<int64_t>(magnitude);
}

}  // namespace crownlift
