// hundred_thousand_runs_test.cpp - a nuscores.dat of 100,000 runs is loaded,
// shown in the score table and saved again, and keeps exactly the runs the
// table's pruning must keep.
//
// The times of the three steps are printed (and recorded as test properties)
// so a slow-down shows in the log; they are never asserted.
#include <gtest/gtest.h>

#include <algorithm>  // Required for: sorting the expected top 25
#include <chrono>     // Required for: timing the steps
#include <cstdio>     // Required for: the timing printout
#include <random>     // Required for: scores from a fixed seed
#include <set>        // Required for: the names that must survive
#include <string>     // Required for: names
#include <vector>     // Required for: the matching runs

#include "scores/score_table.h"
#include "scores/scores.h"
#include "tests/frontend/frontend_fixture.h"

namespace {
using namespace crownlift;

constexpr int kRuns = 100000;
constexpr int kPanelX = 860, kPanelWidth = 415;  // the panel in place, 800 x 600 window

class HundredThousandRunsTest : public frontend_testing::StartedProgram {
 protected:
  // Runs the step and reports how long it took in milliseconds.
  template <typename Step>
  double Timed(const char* what, Step step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("[ timing   ] %s: %.1f ms\n", what, ms);
    RecordProperty(what, std::to_string(static_cast<long>(ms)));
    return ms;
  }
  void Show() {
    platform::headless::ClearDraws();
    DrawScoreTable(LocalScores, kPanelX, kPanelWidth, 0, 0, 0, true);
  }
};

std::vector<std::string> TopNames() {
  std::vector<std::string> names;
  for (int slot = 1; slot <= kTopTableSize; ++slot) {
    if (TopTable[slot]) names.push_back(TopTable[slot]->Name);
  }
  return names;
}

TEST_F(HundredThousandRunsTest, LoadShowAndSaveKeepWhatPruningMustKeep) {
  // Written the way the game writes it: every third run on Hard (mode 2), the
  // rest on the difficulty the table shows (mode 0), newest first.
  std::mt19937 random(270);
  CreateScoreLists();
  struct Run {
    std::string name;
    int64_t score;
  };
  std::vector<Run> matching;  // newest first
  for (int i = 0; i < kRuns; ++i) {
    Scores record;
    record.Name = "R" + std::to_string(i);
    record.Timestamp = int64_t{24000000000} - i;
    record.Score = static_cast<int64_t>(random() % 1000000);
    record.GameMode = i % 3 == 2 ? 2 : 0;
    record.Best[1] = i % 7;
    if (record.GameMode == 0) matching.push_back({record.Name, record.Score});
    LocalScores.push_back(record);
  }
  Timed("save 100000 runs", [] { SaveScores(); });

  Timed("load 100000 runs", [] {
    CreateScoreLists();
    LoadScores();
  });
  ASSERT_EQ(LocalScores.size(), size_t{kRuns});
  EXPECT_EQ(LocalScores.front().Name, "R0");
  EXPECT_EQ(LocalScores.back().Name, "R" + std::to_string(kRuns - 1));

  // What must survive the first showing: the 25 best matching runs (equal
  // scores newest first), the 50 newest matching runs, every other run.
  std::vector<Run> byScore = matching;
  std::stable_sort(byScore.begin(), byScore.end(),
                   [](const Run& a, const Run& b) { return a.score > b.score; });
  std::vector<std::string> expectedTop;
  std::set<std::string> kept;
  for (int k = 0; k < kTopTableSize; ++k) {
    expectedTop.push_back(byScore[k].name);
    kept.insert(byScore[k].name);
  }
  for (int k = 0; k < kKeptRecent; ++k) kept.insert(matching[k].name);
  const size_t otherModes = kRuns - matching.size();

  Timed("first showing of the table (prunes)", [this] { Show(); });
  EXPECT_EQ(TopNames(), expectedTop);
  EXPECT_FALSE(platform::headless::Draws().empty());
  ASSERT_EQ(LocalScores.size(), kept.size() + otherModes);
  for (const Scores& record : LocalScores) {
    if (record.GameMode == 0) {
      EXPECT_TRUE(kept.count(record.Name)) << record.Name;
    }
  }
  Timed("next showing of the table", [this] { Show(); });
  EXPECT_EQ(LocalScores.size(), kept.size() + otherModes);

  Timed("save after pruning", [] { SaveScores(); });
  CreateScoreLists();
  LoadScores();
  EXPECT_EQ(LocalScores.size(), kept.size() + otherModes);
  Show();
  EXPECT_EQ(TopNames(), expectedTop) << "the saved file shows the same table";
}

}  // namespace
