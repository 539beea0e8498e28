// system_test.cpp - calendar texts, the random generator and the file calls.
#include "platform/common/datetime.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <algorithm>   // Required for: std::sort, std::min, std::max
#include <climits>     // Required for: INT32_MAX, INT32_MIN
#include <cmath>       // Required for: std::nextafter
#include <cstdlib>     // Required for: mkdtemp
#include <filesystem>  // Required for: listing a test folder
#include <set>         // Required for: values a generator produced

namespace {

std::tm When(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return t;
}

TEST(DateTimeTest, FormatsDateAndTime) {
  struct Case {
    std::tm when;
    const char* date;
    const char* time;
  };
  const Case cases[] = {
      {When(2010, 3, 5, 14, 3, 22), "05 Mar 2010", "14:03:22"},
      {When(1999, 12, 31, 23, 59, 59), "31 Dec 1999", "23:59:59"},
      {When(2024, 1, 1, 0, 0, 0), "01 Jan 2024", "00:00:00"},  // midnight
      {When(2021, 9, 9, 9, 5, 7), "09 Sep 2021", "09:05:07"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::FormatDate(c.when), c.date);
    EXPECT_EQ(platform::FormatTime(c.when), c.time);
  }
}

TEST(DateTimeTest, EveryMonthHasItsEnglishAbbreviation) {
  const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(platform::FormatDate(When(2000, m, 15, 0, 0, 0)),
              std::string("15 ") + months[m - 1] + " 2000");
  }
}

std::vector<int> Draw(int64_t seed, int count) {
  platform::SeedRandom(seed);
  std::vector<int> values;
  for (int i = 0; i < count; ++i) values.push_back(platform::RandomInt(0, 1000000));
  return values;
}

TEST(RandomTest, SameSeedRepeatsAndAnotherSeedDiffers) {
  EXPECT_EQ(Draw(42, 50), Draw(42, 50));
  EXPECT_NE(Draw(42, 50), Draw(43, 50));
  EXPECT_NE(Draw(0, 50), Draw(-1, 50));
}

TEST(RandomTest, IntCoversBothEndsInclusively) {
  platform::SeedRandom(7);
  std::set<int> seen;
  for (int i = 0; i < 2000; ++i) {
    int v = platform::RandomInt(-3, 3);
    ASSERT_GE(v, -3);
    ASSERT_LE(v, 3);
    seen.insert(v);
  }
  EXPECT_EQ(seen.size(), 7u);
}

TEST(RandomTest, IntAcceptsSwappedArgumentsAndExtremes) {
  platform::SeedRandom(9);
  std::set<int> seen;
  for (int i = 0; i < 500; ++i) {
    int v = platform::RandomInt(5, 2);
    ASSERT_GE(v, 2);
    ASSERT_LE(v, 5);
    seen.insert(v);
  }
  EXPECT_EQ(seen.size(), 4u);
  EXPECT_EQ(platform::RandomInt(4, 4), 4);
  // The full range must not overflow, and must reach both halves.
  bool negative = false, positive = false;
  for (int i = 0; i < 100; ++i) {
    int v = platform::RandomInt(INT32_MAX, INT32_MIN);
    negative |= v < 0;
    positive |= v > 0;
  }
  EXPECT_TRUE(negative && positive);
  for (int i = 0; i < 100; ++i) {
    EXPECT_GE(platform::RandomInt(INT32_MAX - 1, INT32_MAX), INT32_MAX - 1);
  }
}

TEST(RandomTest, RealStaysInHalfOpenRange) {
  platform::SeedRandom(11);
  double low = 1e9, high = -1e9;
  for (int i = 0; i < 5000; ++i) {
    double v = platform::RandomReal(-2.0, 3.0);
    ASSERT_GE(v, -2.0);
    ASSERT_LT(v, 3.0);
    low = std::min(low, v);
    high = std::max(high, v);
  }
  EXPECT_LT(low, -1.9);  // the whole range is used, not a corner of it
  EXPECT_GT(high, 2.9);
  // A range so narrow that rounding would reach hi still stays below it.
  double hi = std::nextafter(1.0, 2.0);
  for (int i = 0; i < 1000; ++i) ASSERT_LT(platform::RandomReal(1.0, hi), hi);
  EXPECT_EQ(platform::RandomReal(5.0, 5.0), 5.0);
}

// A fresh folder per test, removed afterwards.
class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/crownlift-files-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = std::string(pattern) + "/";
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  std::string dir_;
};

TEST_F(FilesTest, KindsCreateReadDeleteRename) {
  EXPECT_EQ(platform::KindOfPath(dir_), platform::PathKind::Folder);
  EXPECT_EQ(platform::KindOfPath(dir_ + "none"), platform::PathKind::None);
  EXPECT_FALSE(platform::PathExists(""));

  ASSERT_TRUE(platform::CreateEmptyFile(dir_ + "crash.dat"));
  EXPECT_EQ(platform::KindOfPath(dir_ + "crash.dat"), platform::PathKind::File);
  std::string bytes = "stale";
  ASSERT_TRUE(platform::ReadWholeFile(dir_ + "crash.dat", bytes));
  EXPECT_EQ(bytes, "");
  EXPECT_FALSE(platform::ReadWholeFile(dir_, bytes));  // a folder is not a file
  EXPECT_FALSE(platform::ReadWholeFile(dir_ + "none", bytes));

  ASSERT_TRUE(platform::RenamePath(dir_ + "crash.dat", dir_ + "moved.dat"));
  EXPECT_FALSE(platform::PathExists(dir_ + "crash.dat"));
  EXPECT_TRUE(platform::DeletePath(dir_ + "moved.dat"));
  EXPECT_FALSE(platform::DeletePath(dir_ + "moved.dat"));
}

TEST_F(FilesTest, ChangeFolderMovesCurrentFolderAndFailureKeepsIt) {
  std::string before = platform::CurrentFolder();
  ASSERT_EQ(before.back(), '/');
  ASSERT_TRUE(platform::ChangeFolder(dir_));
  EXPECT_EQ(std::filesystem::canonical(platform::CurrentFolder()),
            std::filesystem::canonical(dir_));
  EXPECT_FALSE(platform::ChangeFolder(dir_ + "missing/"));
  EXPECT_EQ(std::filesystem::canonical(platform::CurrentFolder()),
            std::filesystem::canonical(dir_));
  ASSERT_TRUE(platform::ChangeFolder(before));
}

TEST_F(FilesTest, AtomicWriteReplacesWholeFileAndLeavesNoTemporary) {
  const std::string path = dir_ + "Setup.ini";
  std::string big(200000, 'x');  // larger than one write, to cross buffer sizes
  ASSERT_TRUE(platform::WriteFileAtomically(path, "old contents\r\n"));
  ASSERT_TRUE(platform::WriteFileAtomically(path, big));
  std::string bytes;
  ASSERT_TRUE(platform::ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, big);
  EXPECT_EQ(Entries(), std::vector<std::string>{"Setup.ini"});

  // A write that cannot finish leaves what was there and no temporary behind:
  // here the temporary is written but cannot replace a folder.
  std::filesystem::create_directory(dir_ + "sub");
  ASSERT_TRUE(platform::WriteFileAtomically(dir_ + "sub/keep", "kept"));
  EXPECT_FALSE(platform::WriteFileAtomically(dir_ + "sub", "x"));
  EXPECT_FALSE(platform::WriteFileAtomically(dir_ + "missing/Setup.ini", "x"));
  EXPECT_EQ(Entries(), (std::vector<std::string>{"Setup.ini", "sub"}));
  ASSERT_TRUE(platform::ReadWholeFile(dir_ + "sub/keep", bytes));
  EXPECT_EQ(bytes, "kept");
}

TEST_F(FilesTest, AtomicWriteKeepsTargetPermissions) {
  const std::string path = dir_ + "nuscores.dat";
  ASSERT_TRUE(platform::WriteFileAtomically(path, "a"));
  auto perms = std::filesystem::status(path).permissions();
  EXPECT_NE(perms & std::filesystem::perms::others_read, std::filesystem::perms::none);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::owner_write);
  ASSERT_TRUE(platform::WriteFileAtomically(path, "b"));
  EXPECT_EQ(std::filesystem::status(path).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(FilesTest, LineFileBytesReachDiskBeforeClose) {
  const std::string path = dir_ + "Debug.txt";
  ASSERT_TRUE(platform::WriteFileAtomically(path, "from the last run\r\n"));
  platform::LineFile* log = platform::OpenLineFile(path);
  ASSERT_NE(log, nullptr);
  std::string bytes;
  ASSERT_TRUE(platform::ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, "");  // emptied on open
  ASSERT_TRUE(platform::WriteToLineFile(log, "Starting\r\n"));
  ASSERT_TRUE(platform::WriteToLineFile(log, "\tstep\r\n"));
  // Another reader sees every line while the file is still open, as a
  // crashed run would leave it.
  ASSERT_TRUE(platform::ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, "Starting\r\n\tstep\r\n");
  platform::CloseLineFile(log);
  platform::CloseLineFile(nullptr);
  EXPECT_FALSE(platform::WriteToLineFile(nullptr, "x"));
  EXPECT_EQ(platform::OpenLineFile(dir_ + "missing/Debug.txt"), nullptr);
}

TEST(MemoryTest, InUseFollowsAllocationsAndCollectionFreesNothing) {
  const int64_t before = platform::MemoryInUse();
  auto* block = new std::vector<char>(16 << 20, 1);
  const int64_t during = platform::MemoryInUse();
  volatile char seen = (*block)[12345];  // keeps the block from being optimised away
  EXPECT_EQ(seen, 1);
  delete block;
  const int64_t after = platform::MemoryInUse();
  EXPECT_GE(during - before, 15 << 20);
  EXPECT_LE(after, during - (15 << 20));
  EXPECT_EQ(platform::CollectMemory(), 0);
}

}  // namespace
