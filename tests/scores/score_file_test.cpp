// score_file_test.cpp - records, their order, the time stamp and nuscores.dat,
// including the files a crash, an editor or another program could leave.
#include <gtest/gtest.h>

#include <climits>     // Required for: INT32_MAX, INT64_MAX, INT64_MIN
#include <filesystem>  // Required for: a folder in the way of a file
#include <fstream>     // Required for: writing prepared files
#include <random>      // Required for: hostile bytes from a fixed seed
#include <tuple>       // Required for: comparing whole records
#include <vector>

#include "engine/frame_end.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "scores/scores.h"
#include "shell/assets.h"
#include "shell/startup.h"
#include "tests/scores/reference_encoder.h"
#include "tests/support/program_folder.h"

namespace {
using namespace crownlift;
namespace hl = platform::headless;
using testing_support::ReadFile;
using testing_support::SplitCrLfLines;

auto Fields(const Scores& s) {
  return std::tie(s.Score, s.Timestamp, s.Badges, s.Name, s.Best, s.Level, s.GameMode, s.GameFlags,
                  s.Quit);
}

std::vector<std::string> Names() {
  std::vector<std::string> names;
  for (const Scores& s : LocalScores) names.push_back(s.Name);
  return names;
}

Scores Record(const std::string& name, int64_t stamp, int64_t score = 100) {
  Scores s;
  s.Name = name;
  s.Timestamp = stamp;
  s.Score = score;
  return s;
}

class ScoreFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(platform::ChangeFolder(folder.Path("Files/270/")));
    BuildTitleKey();
    CreateScoreLists();
  }
  std::string GamePath(const std::string& name) { return folder.Path("Files/270/" + name); }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(GamePath(name), std::ios::binary) << bytes;
  }
  std::string Saved() { return ReadFile(GamePath("nuscores.dat")); }
  // Start-up again: the lists as a fresh program would find them.
  void Reload() {
    CreateScoreLists();
    LoadScores();
  }
  // A file in the format, written by the reference encoder.
  static std::string ReferenceFile(const std::string& credentials,
                                   const std::vector<std::string>& records,
                                   const std::string& lineEnd = "\r\n") {
    std::string bytes = reference::Encode(credentials, GameCode) + lineEnd;
    for (const std::string& r : records) bytes += reference::Encode(r, reference::TitleKey()) + lineEnd;
    return bytes;
  }

  testing_support::ProgramFolder folder;
};

TEST_F(ScoreFileTest, SavingAndLoadingKeepsEveryFieldAndTheOrder) {
  Scores full = Record("  Ann Lee  ", 2000, INT64_MIN);
  for (int i = 1; i <= 30; ++i) full.Best[i] = i * 1000 + i;
  full.Best[30] = 1;
  full.Best[7] = INT32_MAX;
  full.Badges = 0xFFFF;
  full.Level = 3;
  full.GameMode = 2;
  full.GameFlags = 5;
  full.Quit = 1;
  LocalScores = {full, Record("Big", 3000, INT64_MAX), Record("", 1000, -7),
                 Record("caf\xE9 \x7E", 2500, 0)};
  AccountName = "me";
  AccountPassword = "pw 1";
  SaveScores();

  Reload();
  ASSERT_EQ(LocalScores.size(), 4u);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Big", "caf\xE9 \x7E", "Ann Lee", ""}));
  Scores expected = full;
  expected.Name = "Ann Lee";  // the spaces around a name do not come back
  EXPECT_EQ(Fields(*std::next(LocalScores.begin(), 2)), Fields(expected));
  EXPECT_EQ(LocalScores.front().Score, INT64_MAX);
  EXPECT_EQ(LocalScores.back().Score, -7);
  EXPECT_EQ(AccountName, "me");
  EXPECT_EQ(AccountPassword, "pw 1");
  EXPECT_EQ(PlayerName, "Big");  // the newest record's name

  // What was loaded saves to the same bytes every time.
  SaveScores();
  const std::string once = Saved();
  Reload();
  SaveScores();
  EXPECT_EQ(Saved(), once);
}

TEST_F(ScoreFileTest, MissingFileLeavesEverythingEmptyAndASaveWritesTheCredentialsLine) {
  LoadScores();
  EXPECT_TRUE(LocalScores.empty());
  EXPECT_EQ(PlayerName, "Player");
  EXPECT_EQ(AccountName, "");
  EXPECT_EQ(AccountPassword, "");

  SaveScores();
  const std::vector<std::string> lines = SplitCrLfLines(Saved());
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], reference::Encode("|", GameCode));
  EXPECT_FALSE(platform::PathExists("nuscores.dat.bad"));
}

TEST_F(ScoreFileTest, AFileWithOnlyItsCredentialsLineKeepsTheCredentials) {
  Write("nuscores.dat", ReferenceFile("someone|s3cret", {}));
  LoadScores();
  EXPECT_TRUE(LocalScores.empty());
  EXPECT_EQ(AccountName, "someone");
  EXPECT_EQ(AccountPassword, "s3cret");
  EXPECT_EQ(PlayerName, "Player");
}

TEST_F(ScoreFileTest, AFileWrittenByAnotherEncoderLoadsWithAnyLineEnd) {
  const std::string mark = SectionMark;
  const std::vector<std::string> records = {
      "450|Old Timer|3|700|0|1|0|0" + mark + "1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20|"
                                              "21|22|23|24|25|26|27|28|29|1",
      "-12| Newest |0|900|0|2|0|1" + mark + "0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|"
                                            "0|0|0",
  };
  for (const char* lineEnd : {"\r\n", "\n"}) {
    SCOPED_TRACE(lineEnd[0] == '\r' ? "CR LF" : "LF");
    std::string bytes = ReferenceFile("acc|pass", records, lineEnd);
    for (const std::string& file : {bytes, bytes.substr(0, bytes.size() - std::string(lineEnd).size())}) {
      Write("nuscores.dat", file);
      Reload();
      ASSERT_EQ(LocalScores.size(), 2u);
      const Scores& newest = LocalScores.front();
      const Scores& oldest = LocalScores.back();
      EXPECT_EQ(newest.Name, "Newest");
      EXPECT_EQ(newest.Score, -12);
      EXPECT_EQ(newest.Quit, 1);
      EXPECT_EQ(newest.GameMode, 2);
      EXPECT_EQ(oldest.Name, "Old Timer");
      EXPECT_EQ(oldest.Score, 450);
      EXPECT_EQ(oldest.Badges, 3);
      EXPECT_EQ(oldest.Timestamp, 700);
      EXPECT_EQ(oldest.Best[1], 1);
      EXPECT_EQ(oldest.Best[29], 29);
      EXPECT_EQ(oldest.Best[30], 1);
      EXPECT_EQ(PlayerName, "Old Timer");  // the first record of the file
      EXPECT_EQ(AccountName, "acc");
      EXPECT_EQ(AccountPassword, "pass");
    }
  }
  // And ours writes what the other encoder writes, byte for byte (the name
  // without the spaces it was read with).
  SaveScores();
  std::string newest = records[1];
  newest.replace(newest.find(" Newest "), 8, "Newest");
  EXPECT_EQ(Saved(), ReferenceFile("acc|pass", {newest, records[0]}));
}

TEST_F(ScoreFileTest, EqualStampsKeepTheirOrderThroughSortsAndFiles) {
  hl::SetDateTime("05 Mar 2010", "14:03:22");
  const std::array<int, kBestCount> none{};
  for (const char* name : {"first", "second", "third"}) {
    PlayerName = name;
    RecordRun(10, 0, none, 0, 1, 0, false);
  }
  hl::SetDateTime("05 Mar 2010", "14:03:23");
  PlayerName = "later";
  RecordRun(10, 0, none, 0, 1, 0, false);
  const std::vector<std::string> order = {"later", "first", "second", "third"};
  EXPECT_EQ(Names(), order);
  Reload();
  EXPECT_EQ(Names(), order);
}

TEST_F(ScoreFileTest, SwappedLinesChangeNothing) {
  LocalScores = {Record("a", 30), Record("b", 20), Record("c", 10)};
  SaveScores();
  std::vector<std::string> lines = SplitCrLfLines(Saved());
  ASSERT_EQ(lines.size(), 4u);
  std::swap(lines[1], lines[3]);
  std::string swapped;
  for (const std::string& line : lines) swapped += line + "\r\n";
  Write("nuscores.dat", swapped);
  Reload();
  EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_FALSE(platform::PathExists("nuscores.dat.bad"));
}

// Each case replaces the middle record line of a three-record file.
TEST_F(ScoreFileTest, ADamagedLineIsDroppedAndTheFileKeptAsItWasBeforeTheFirstSave) {
  LocalScores = {Record("a", 30), Record("b", 20), Record("c", 10)};
  SaveScores();
  const std::vector<std::string> good = SplitCrLfLines(Saved());
  std::string lower = good[2];
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const std::pair<const char*, std::string> damages[] = {
      {"truncated", good[2].substr(0, good[2].size() / 2)},
      {"one pair short", good[2].substr(0, good[2].size() - 2)},
      {"lower case", lower},
      {"lone XXX", "XXX"},
      {"two characters", "AB"},
      {"random hex", std::string(good[2].rbegin(), good[2].rend())},
      {"no bar inside", reference::Encode("just a text", reference::TitleKey())},
      {"other key", reference::Encode("5|x|0|1|0|0|0|0", GameCode)},
  };
  for (const auto& [label, damaged] : damages) {
    SCOPED_TRACE(label);
    const std::string bytes = good[0] + "\r\n" + good[1] + "\r\n" + damaged + "\r\n" + good[3] + "\r\n";
    Write("nuscores.dat", bytes);
    platform::DeletePath("nuscores.dat.bad");
    Reload();
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(ReadFile(GamePath("nuscores.dat.bad")), bytes);
    EXPECT_EQ(Saved(), bytes);  // loading alone writes nothing over it

    SaveScores();
    EXPECT_EQ(SplitCrLfLines(Saved()), (std::vector<std::string>{good[0], good[1], good[3]}));
    EXPECT_EQ(ReadFile(GamePath("nuscores.dat.bad")), bytes);
  }
}

TEST_F(ScoreFileTest, NoSaveReplacesADamagedFileUntilItsCopyIsWritten) {
  const std::string bytes = ReferenceFile("|", {"1|kept|0|5|0|0|0|0"}) + "0BAD\r\n";
  Write("nuscores.dat", bytes);
  ASSERT_TRUE(std::filesystem::create_directory(GamePath("nuscores.dat.bad")));  // blocks the copy
  Reload();
  ASSERT_EQ(Names(), std::vector<std::string>{"kept"});
  SaveScores();
  EXPECT_EQ(Saved(), bytes);

  std::filesystem::remove(GamePath("nuscores.dat.bad"));
  SaveScores();
  EXPECT_EQ(ReadFile(GamePath("nuscores.dat.bad")), bytes);
  EXPECT_EQ(SplitCrLfLines(Saved()).size(), 2u);
}

TEST_F(ScoreFileTest, ADamagedCredentialsLineGivesXXXAndKeepsTheRecords) {
  Write("nuscores.dat", "0123\r\n" + reference::Encode("1|r|0|5|0|0|0|0", reference::TitleKey()) + "\r\n");
  LoadScores();
  EXPECT_EQ(AccountName, "XXX");
  EXPECT_EQ(AccountPassword, "XXX");
  ASSERT_EQ(LocalScores.size(), 1u);
  EXPECT_EQ(LocalScores.front().Name, "r");
  EXPECT_TRUE(platform::PathExists("nuscores.dat.bad"));
}

TEST_F(ScoreFileTest, HostileFilesLoadWhatTheyCanAndNeverFail) {
  std::mt19937 random(270);
  std::string noise;
  for (int i = 0; i < 20000; ++i) noise += static_cast<char>(random() & 0xFF);
  std::string hexNoise = reference::Encode("|", GameCode) + "\r\n";
  for (int line = 0; line < 200; ++line) {
    const int length = 26 + static_cast<int>(random() % 400);
    for (int i = 0; i < length; ++i) hexNoise += "0123456789ABCDEF"[random() % 16];
    hexNoise += "\r\n";
  }
  const std::string key = reference::TitleKey();
  const std::string mark = SectionMark;
  struct Case {
    const char* label;
    std::string bytes;
    size_t records;
  };
  const Case cases[] = {
      {"empty file", "", 0},
      {"lone XXX", "XXX", 0},
      {"blank lines", "\r\n\r\n\n\r\n", 0},
      {"binary noise", noise, 0},
      {"hex noise", hexNoise, 0},
      {"one long line", std::string(1 << 20, 'F') + "\r\n" + std::string(1 << 20, '7'), 0},
      {"huge numbers",
       "\r\n" + reference::Encode("99999999999999999999999|Big|99999999999|-99999999999999999999999|"
                                  "-2147483648|-3|0|1" + mark + "1|-5|x|99999999999",
                                  key),
       1},
      {"no section mark", "\r\n" + reference::Encode("7|NoMark", key), 1},
      {"bars only", "\r\n" + reference::Encode("||||||||" + mark + "||||", key), 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    Write("nuscores.dat", c.bytes);
    Reload();
    EXPECT_EQ(LocalScores.size(), c.records);
    SaveScores();  // and whatever loaded can be written back
    Reload();
    EXPECT_EQ(LocalScores.size(), c.records);
  }

  Write("nuscores.dat", cases[6].bytes);
  Reload();
  ASSERT_EQ(LocalScores.size(), 1u);
  const Scores& big = LocalScores.front();
  EXPECT_EQ(big.Score, INT64_MAX);
  EXPECT_EQ(big.Timestamp, INT64_MIN);
  EXPECT_EQ(big.Badges, INT32_MAX);
  EXPECT_EQ(big.Level, INT32_MAX);  // the most negative int made non-negative
  EXPECT_EQ(big.GameMode, 3);
  EXPECT_EQ(big.Quit, 1);
  EXPECT_EQ(big.Best[1], 1);
  EXPECT_EQ(big.Best[2], 5);
  EXPECT_EQ(big.Best[3], 0);
  EXPECT_EQ(big.Best[4], INT32_MAX);
  EXPECT_EQ(big.Best[5], 0);  // fields beyond the text read as 0
}

TEST_F(ScoreFileTest, AHundredThousandRecordsSaveAndLoadInOrder) {
  for (int i = 0; i < 100000; ++i) {
    std::string name = "p";
    name += std::to_string(i);  // (GCC 12 warns falsely about "p" + text)
    LocalScores.push_back(Record(name, i, i * 7));
  }
  SaveScores();
  Reload();
  ASSERT_EQ(LocalScores.size(), 100000u);
  EXPECT_EQ(LocalScores.front().Name, "p99999");
  EXPECT_EQ(LocalScores.back().Name, "p0");
  EXPECT_EQ(LocalScores.front().Score, 99999 * 7);
  EXPECT_EQ(PlayerName, "p99999");
}

TEST_F(ScoreFileTest, RecordRunFillsEveryFieldAndSavesAtOnce) {
  hl::SetDateTime("05 Mar 2010", "14:03:22");
  PlayerName = "Zed";
  std::array<int, kBestCount> results{};
  for (int i = 0; i < kBestCount; ++i) results[i] = 100 + i;
  RecordRun(123456789012345, 0x21, results, 4, 2, 6, true);
  ASSERT_EQ(LocalScores.size(), 1u);
  const Scores& r = LocalScores.front();
  EXPECT_EQ(r.Score, 123456789012345);
  EXPECT_EQ(r.Timestamp, StampNow());
  EXPECT_EQ(r.Badges, 0x21);
  EXPECT_EQ(r.Name, "Zed");
  EXPECT_EQ(r.Best[0], 0);  // entry 0 is never used
  EXPECT_EQ(r.Best[1], 101);
  EXPECT_EQ(r.Best[30], 130);
  EXPECT_EQ(r.Level, 4);
  EXPECT_EQ(r.GameMode, 2);
  EXPECT_EQ(r.GameFlags, 6);
  EXPECT_EQ(r.Quit, 1);

  // Already on disk: a crash now loses nothing.
  const Scores recorded = r;
  Reload();
  ASSERT_EQ(LocalScores.size(), 1u);
  EXPECT_EQ(Fields(LocalScores.front()), Fields(recorded));
}

TEST_F(ScoreFileTest, RecordsWithANegativeModeAreKeptButNeverSaved) {
  const std::array<int, kBestCount> none{};
  RecordRun(5, 0, none, 0, -1, 0, false);
  RecordRun(6, 0, none, 0, 0, 0, false);
  EXPECT_EQ(LocalScores.size(), 2u);
  Reload();
  ASSERT_EQ(LocalScores.size(), 1u);
  EXPECT_EQ(LocalScores.front().Score, 6);
}

TEST_F(ScoreFileTest, OnlyTheFirstLoadReadsTheFile) {
  LocalScores = {Record("stored", 10)};
  SaveScores();
  const std::string before = Saved();
  Reload();
  const std::array<int, kBestCount> none{};
  RecordRun(1, 0, none, 0, 0, 0, false);
  Write("nuscores.dat", before);  // a file without the new run
  LoadScores();
  EXPECT_EQ(LocalScores.size(), 2u);
}

TEST(ScoresCompareTest, OrdersByTheSignOfTheWholeStampDifference) {
  struct Case {
    int64_t self, other;
    int32_t expected;
  };
  const Case cases[] = {
      {5, 5, 0},
      {10, 3, -1},
      {3, 10, 1},
      {0, int64_t(1) << 32, 1},  // the difference cut to 32 bits is 0
      {0, int64_t(1) << 31, 1},  // ... or negative
      {int64_t(1) << 32, 0, -1},
      {INT64_MIN, INT64_MAX, 1},  // the difference itself does not fit
      {INT64_MAX, INT64_MIN, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Record("", c.self).Compare(Record("", c.other)), c.expected)
        << c.self << " vs " << c.other;
  }
}

TEST_F(ScoreFileTest, SortingPutsTheNewestFirstHoweverFarApartTheStampsAre) {
  LocalScores = {Record("old", 0), Record("far future", int64_t(1) << 32),
                 Record("near", (int64_t(1) << 31) + 5)};
  SaveScores();
  EXPECT_EQ(Names(), (std::vector<std::string>{"far future", "near", "old"}));
}

TEST_F(ScoreFileTest, StampNowFollowsTheCalendarAcrossTheYearEnd) {
  auto stamp = [](int64_t y, int64_t mo, int64_t d, int64_t h, int64_t mi, int64_t s) {
    return ((((y * 12 + mo) * 31 + d) * 24 + h) * 60 + mi) * 60 + s;
  };
  struct Case {
    const char* date;
    const char* time;
    int64_t expected;
  };
  const Case cases[] = {
      {"31 Dec 2009", "23:59:59", stamp(2009, 12, 31, 23, 59, 59)},
      {"01 Jan 2010", "00:00:00", stamp(2010, 1, 1, 0, 0, 0)},
      {"05 mar 2010", "14:03:22", stamp(2010, 3, 5, 14, 3, 22)},
      {"05 Xyz 2010", "14:03:22", stamp(2010, 0, 5, 14, 3, 22)},
      {"", "", 0},
  };
  for (const Case& c : cases) {
    hl::SetDateTime(c.date, c.time);
    EXPECT_EQ(StampNow(), c.expected) << c.date << " " << c.time;
  }
  EXPECT_LT(cases[0].expected, cases[1].expected);
}

TEST_F(ScoreFileTest, CleanAccountTextsReplacesEachRefusedCharacter) {
  AccountName = "*\"'-+&?{}[]~#\\/:;ok";
  AccountPassword = "a:b c";
  CleanAccountTexts();
  EXPECT_EQ(AccountName, std::string(17, '_') + "ok");
  EXPECT_EQ(AccountPassword, "a_b c");
}

// The whole program: start-up reads the file, a display change keeps the
// runs recorded since, and closing the window writes them.
TEST_F(ScoreFileTest, StartUpLoadsADisplayChangeKeepsRunsAndShutdownSaves) {
  LocalScores = {Record("Stored", 10)};
  SaveScores();
  platform::ChangeFolder(folder.Root());
  hl::SetRecordDraws(false);

  RunStartup();
  ASSERT_EQ(Names(), std::vector<std::string>{"Stored"});
  EXPECT_EQ(PlayerName, "Stored");
  const std::array<int, kBestCount> none{};
  PlayerName = "New";
  RecordRun(99, 0, none, 0, 0, 0, false);
  ApplyDisplaySettings();
  EXPECT_EQ(LocalScores.size(), 2u);

  LocalScores.push_back(Record("Unsaved", 5));
  hl::InputEvent close;
  close.kind = hl::InputEvent::Kind::CloseRequest;
  hl::ApplyNow(close);
  EXPECT_THROW(FrameEnd(0), hl::ProcessEnded);
  EXPECT_EQ(SplitCrLfLines(Saved()).size(), 4u);
}

}  // namespace
