// score_table_test.cpp - the top 25, pruning, the graph, selection and
// scrolling, the details box, and the date and time of a stamp.
#include <gtest/gtest.h>

#include <cstdint>  // Required for: 64-bit scores
#include <limits>   // Required for: extreme scores
#include <list>     // Required for: score lists
#include <string>   // Required for: names
#include <vector>   // Required for: tables

#include "engine/frame_end.h"
#include "scores/score_table.h"
#include "scores/scores.h"
#include "tests/frontend/frontend_fixture.h"

namespace {
using namespace frontend_testing;
using crownlift::DrawScoreTable;
using crownlift::Scores;

constexpr int kPx = 860, kPw = 415;      // the panel in place, 800 x 600 window
constexpr int kVw = 1280, kVh = 960;
constexpr int kListTop = kVh - 589;      // row 1 of the list
constexpr int kFirstColumn = kVw - 24;   // the newest run's graph column, unscrolled

int64_t Stamp(int year, int month, int day, int hours, int minutes, int seconds) {
  return ((((int64_t{year} * 12 + month) * 31 + day) * 24 + hours) * 60 + minutes) * 60 + seconds;
}

// A list newest first: entry i gets the i-th score and an older stamp than entry i - 1.
std::list<Scores> ListOf(const std::vector<int64_t>& scores, int gameMode = 0) {
  std::list<Scores> list;
  int64_t stamp = Stamp(2010, 6, 1, 12, 0, 0);
  int n = 0;
  for (int64_t score : scores) {
    Scores record;
    record.Score = score;
    record.Timestamp = stamp--;
    record.GameMode = gameMode;
    record.Name = "Run" + std::to_string(++n);
    list.push_back(record);
  }
  return list;
}

std::vector<std::string> TopNames() {
  std::vector<std::string> names;
  for (int slot = 1; slot <= crownlift::kTopTableSize; ++slot) {
    if (crownlift::TopTable[slot]) names.push_back(crownlift::TopTable[slot]->Name);
  }
  return names;
}

class ScoreTableTest : public StartedProgram {
 protected:
  // One drawing call with the pointer sampled at (x, y).
  void Draw(std::list<Scores>& list, int x, int y, bool draw = true) {
    crownlift::MouseX = x;
    crownlift::MouseY = y;
    platform::headless::ClearDraws();
    DrawScoreTable(list, kPx, kPw, 0, 0, 0, draw);
  }
};

TEST_F(ScoreTableTest, TopTableRanksByScoreWithEqualScoresNewestFirst) {
  struct Case {
    const char* what;
    std::vector<int64_t> scores;  // newest first
    std::vector<std::string> top;
    int64_t maxScore;
  };
  std::vector<int64_t> thirty;
  for (int i = 1; i <= 30; ++i) thirty.push_back(i);
  std::vector<std::string> topOfThirty;
  for (int i = 30; i >= 6; --i) topOfThirty.push_back("Run" + std::to_string(i));
  const std::vector<Case> cases = {
      {"ties keep the newer above",
       {5, 9, 5, 7, 9, 1},
       {"Run2", "Run5", "Run4", "Run1", "Run3", "Run6"},
       9},
      {"only 25 enter", thirty, topOfThirty, 30},
      {"all zero scales by 1", {0, 0}, {"Run1", "Run2"}, 1},
      {"negative scores rank below zero", {-3, 0, -1}, {"Run2", "Run3", "Run1"}, 1},
      {"empty", {}, {}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto list = ListOf(c.scores);
    // Runs of another difficulty take no part.
    auto other = ListOf({1000}, 1);
    list.splice(list.begin(), other);
    DrawScoreTable(list, kPx, kPw, 0, 0, 0, false);
    EXPECT_EQ(TopNames(), c.top);
    EXPECT_EQ(crownlift::MaxScore, c.maxScore);
  }
}

TEST_F(ScoreTableTest, ShowingPrunesOldRunsOutsideTheTopOnly) {
  // 60 matching runs: the 49 newest score 101..149 and the 50th 1 (out of
  // the top, but among the 50 newest); of the ten oldest, every other one
  // scores 1051.. (in the top 25) or 1 (not in it). Three runs of another
  // difficulty lie among the old ones and are never touched.
  std::vector<int64_t> scores;
  for (int k = 1; k <= 49; ++k) scores.push_back(100 + k);
  scores.push_back(1);
  for (int k = 51; k <= 60; ++k) scores.push_back(k % 2 == 1 ? 1000 + k : 1);
  auto list = ListOf(scores);
  auto others = ListOf({7, 8, 9}, 2);
  list.splice(std::next(list.begin(), 52), others);

  Draw(list, 0, 0, false);
  EXPECT_EQ(list.size(), 63u) << "a hidden table prunes nothing";

  Draw(list, 0, 0, true);
  ASSERT_EQ(list.size(), 58u);
  int matching = 0, otherModes = 0;
  std::vector<std::string> lowKept;
  for (const Scores& record : list) {
    if (record.GameMode != 0) {
      ++otherModes;
      continue;
    }
    ++matching;
    if (record.Score == 1) lowKept.push_back(record.Name);
  }
  EXPECT_EQ(lowKept, std::vector<std::string>{"Run50"}) << "only the newest 50 keep low scores";
  EXPECT_EQ(matching, 55);
  EXPECT_EQ(otherModes, 3);

  Draw(list, 0, 0, true);
  EXPECT_EQ(list.size(), 58u) << "a second showing finds nothing more to prune";
}

TEST_F(ScoreTableTest, GraphPointsScaleToTheBestRunWithoutOverflow) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  struct Case {
    int64_t score;
    int lift;  // expected height above the bottom line
  };
  const Case cases[] = {{kMax, 150}, {kMax / 2, 74}, {kMax / 150, 0}, {kMax / 150 + kMax / 150, 1},
                        {0, 0},      {-5, 0},        {kMin, 0}};
  std::vector<int64_t> scores;
  for (const Case& c : cases) scores.push_back(c.score);
  auto list = ListOf(scores);
  Draw(list, 0, 0);

  const auto points = Find(platform::headless::Draws(), DrawRecord::Kind::Image, "icons.png");
  ASSERT_EQ(points.size(), std::size(cases));
  for (size_t i = 0; i < points.size(); ++i) {
    SCOPED_TRACE("score " + std::to_string(cases[i].score));
    EXPECT_EQ(points[i].frame, 7);
    EXPECT_EQ(points[i].x, kFirstColumn - 18 * static_cast<int>(i));
    EXPECT_EQ(points[i].y, kVh - 10 - cases[i].lift);
    EXPECT_EQ(points[i].r, 255 - cases[i].lift);
  }
}

TEST_F(ScoreTableTest, OnlyPointsInsideThePanelAreDrawn) {
  std::vector<int64_t> scores(40, 10);
  auto list = ListOf(scores);
  // Columns step 18 pixels left from 1256 and stop at the panel's edge (x > 861).
  Draw(list, 0, 0);
  EXPECT_EQ(Find(platform::headless::Draws(), DrawRecord::Kind::Image, "icons.png").size(), 22u);
  // Sliding the panel in from the right shows fewer.
  platform::headless::ClearDraws();
  DrawScoreTable(list, kPx + 300, kPw, 0, 0, 0, true);
  EXPECT_EQ(Find(platform::headless::Draws(), DrawRecord::Kind::Image, "icons.png").size(), 6u);
}

TEST_F(ScoreTableTest, HoverAndClickSelectAGraphColumnOrAListRow) {
  auto list = ListOf({10, 50, 30, 20, 40});
  const int column3 = kFirstColumn - 2 * 18;  // the third newest run, "Run3"
  const int graphY = kVh - 80;

  Draw(list, column3, graphY);
  ASSERT_NE(crownlift::Highlighted, nullptr);
  EXPECT_EQ(crownlift::Highlighted->Name, "Run3");
  EXPECT_EQ(crownlift::Selection, 0) << "hovering does not select";

  Draw(list, 0, 0);
  EXPECT_EQ(crownlift::Highlighted, nullptr) << "without a click the details go with the pointer";

  Button(1, true);
  Draw(list, column3, graphY);
  Button(1, false);
  EXPECT_EQ(crownlift::Selection, 3);
  Draw(list, 0, 0);
  ASSERT_NE(crownlift::Highlighted, nullptr);
  EXPECT_EQ(crownlift::Highlighted->Name, "Run3");
  EXPECT_EQ(Texts(platform::headless::Draws(), "Run3").size(), 2u) << "list row and details";

  // Row 2 of the list holds the second best score, Run5 (40).
  const int row2 = kListTop + 17 + 5;
  Button(1, true);
  Draw(list, kPx + 20, row2);
  Button(1, false);
  EXPECT_EQ(crownlift::Selection, 1002);
  Draw(list, 0, 0);
  ASSERT_NE(crownlift::Highlighted, nullptr);
  EXPECT_EQ(crownlift::Highlighted->Name, "Run5");

  // The pointer wins over the selection while it rests on another run.
  Draw(list, kPx + 20, kListTop + 5);
  ASSERT_NE(crownlift::Highlighted, nullptr);
  EXPECT_EQ(crownlift::Highlighted->Name, "Run2");
}

TEST_F(ScoreTableTest, SelectionIsAPositionNotARecord) {
  auto list = ListOf({10, 20, 30});
  crownlift::Selection = 2;
  Draw(list, 0, 0);
  ASSERT_NE(crownlift::Highlighted, nullptr);
  EXPECT_EQ(crownlift::Highlighted->Name, "Run2");
  auto newer = ListOf({99});
  newer.front().Name = "Newest";
  newer.front().Timestamp = Stamp(2011, 1, 1, 0, 0, 0);
  list.splice(list.begin(), newer);
  Draw(list, 0, 0);
  ASSERT_NE(crownlift::Highlighted, nullptr);
  EXPECT_EQ(crownlift::Highlighted->Name, "Run1");
}

TEST_F(ScoreTableTest, SelectedRunPrunedInTheSameFrameStillShowsItsDetails) {
  std::vector<int64_t> scores(60, 100);
  scores.back() = 1;  // the oldest: outside the top 25, pruned when shown
  auto list = ListOf(scores);
  list.back().Name = "Oldest";
  crownlift::Selection = 60;
  Draw(list, 0, 0);
  EXPECT_EQ(list.size(), 50u);
  ASSERT_NE(crownlift::Highlighted, nullptr);
  EXPECT_EQ(crownlift::Highlighted->Name, "Oldest");
  EXPECT_EQ(Texts(platform::headless::Draws(), "Oldest").size(), 1u);
}

TEST_F(ScoreTableTest, HoveringAtEitherEndScrollsTheGraphWithinItsRange) {
  auto list = ListOf({1, 2, 3});
  const int left = kVw - kPw - 32 + 10, right = kVw - 10, y = kVh - 80;
  struct Step {
    int x, calls, scroll;
  };
  const Step steps[] = {{left, 1, 8}, {left, 10, 88}, {left, 200, 1000}, {0, 5, 1000},
                        {right, 1, 992}, {right, 124, 0}, {right, 3, 0}};
  for (const Step& step : steps) {
    for (int i = 0; i < step.calls; ++i) Draw(list, step.x, y);
    EXPECT_EQ(crownlift::GraphScroll, step.scroll) << "x " << step.x;
  }
  // A hidden table does not scroll.
  Draw(list, left, y, false);
  EXPECT_EQ(crownlift::GraphScroll, 0);
  // Scrolled by 8 pixels, the newest run's point moves right with it.
  Draw(list, left, y);
  Draw(list, 0, 0);
  const auto points = Find(platform::headless::Draws(), DrawRecord::Kind::Image, "icons.png");
  ASSERT_FALSE(points.empty());
  EXPECT_EQ(points[0].x, kFirstColumn + 8);
}

TEST_F(ScoreTableTest, ListCutsLongNamesButTheDetailsShowThemWhole) {
  auto list = ListOf({1234});
  list.front().Name = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123";
  list.front().Timestamp = Stamp(2010, 12, 31, 23, 59, 7);
  list.front().Best[30] = 1;
  list.front().Badges = 0b101;
  Draw(list, kPx + 20, kListTop + 5);
  const auto& draws = platform::headless::Draws();

  const auto cut = Texts(draws, "ABCDEFGHIJKLMNOPQRSTUVWX");
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].x, kPx + 9);
  EXPECT_EQ(cut[0].y, kListTop);
  const auto padded = Texts(draws, "000000001234");
  ASSERT_EQ(padded.size(), 1u);
  EXPECT_EQ(static_cast<int>(padded[0].x + padded[0].w), kPx + kPw + 1);

  const auto whole = Texts(draws, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123");
  ASSERT_EQ(whole.size(), 1u);
  EXPECT_EQ(whole[0].y, kListTop - 136);
  EXPECT_EQ(whole[0].r, 80);
  const auto score = Texts(draws, "1234");
  ASSERT_EQ(score.size(), 1u);
  EXPECT_EQ(static_cast<int>(score[0].x + score[0].w), kPx + kPw + 1);
  EXPECT_EQ(Texts(draws, "Complete!").size(), 1u);
  const auto when = Texts(draws, "31-12-2010, 23:59:07");
  ASSERT_EQ(when.size(), 1u);
  EXPECT_EQ(static_cast<int>(when[0].y + when[0].h), kListTop - 4);

  // Badges 1 and 3, a fifth of a cell wide apart, at a small scale.
  const auto badges = Find(draws, DrawRecord::Kind::Image, "badges.png");
  ASSERT_EQ(badges.size(), 2u);
  EXPECT_EQ(badges[0].frame, 0);
  EXPECT_EQ(badges[1].frame, 2);
  EXPECT_FLOAT_EQ(badges[0].scaleX, 0.28f);
  EXPECT_FLOAT_EQ(badges[1].x - badges[0].x, 40);
}

TEST_F(ScoreTableTest, EmptyListDrawsOnlyTheBackgroundAndTheGraphLine) {
  std::list<Scores> list;
  Draw(list, kPx + 20, kListTop + 5);
  const auto& draws = platform::headless::Draws();
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0].kind, DrawRecord::Kind::Rect);
  EXPECT_EQ(draws[0].x, kPx + 7);
  EXPECT_EQ(draws[0].y, kVh - 585);
  EXPECT_EQ(draws[0].w, kPw + 2);
  EXPECT_EQ(draws[0].h, 575);
  EXPECT_FLOAT_EQ(draws[0].alpha, 0.6f);
  EXPECT_EQ(draws[1].kind, DrawRecord::Kind::Line);
  EXPECT_EQ(draws[1].b, 80);
  EXPECT_EQ(draws[1].y, kVh - 160);
  EXPECT_EQ(draws[1].w, kVw - 8);
  EXPECT_EQ(crownlift::Highlighted, nullptr);
}

TEST(ScoreTableTexts, DateAndTimeComeBackFromTheStamp) {
  struct Case {
    int year, month, day, hours, minutes, seconds;
    const char* date;
    const char* time;
  };
  const Case cases[] = {
      {2010, 12, 31, 23, 59, 59, "31-12-2010", "23:59:59"},
      {2011, 1, 1, 0, 0, 0, "01-01-2011", "00:00:00"},
      {2010, 2, 31, 12, 5, 9, "31-02-2010", "12:05:09"},  // every month has 31 days here
      {999, 6, 9, 7, 5, 3, "09-06-0999", "07:05:03"},
  };
  for (const Case& c : cases) {
    const int64_t stamp = Stamp(c.year, c.month, c.day, c.hours, c.minutes, c.seconds);
    EXPECT_EQ(crownlift::DateText(stamp), c.date);
    EXPECT_EQ(crownlift::TimeText(stamp), c.time);
  }
}

TEST_F(ScoreTableTest, StampOfTheLastAndFirstDayOfTheYearReadsBack) {
  struct Case {
    const char* date;
    const char* time;
    const char* shown;
  };
  const Case cases[] = {{"31 Dec 2010", "23:59:58", "31-12-2010, 23:59:58"},
                        {"01 Jan 2011", "00:00:01", "01-01-2011, 00:00:01"}};
  for (const Case& c : cases) {
    platform::headless::SetDateTime(c.date, c.time);
    const int64_t stamp = crownlift::StampNow();
    EXPECT_EQ(crownlift::DateText(stamp) + ", " + crownlift::TimeText(stamp), c.shown);
  }
}

TEST(ScoreTableTexts, HasBadgeReadsBitBMinusOne) {
  struct Case {
    int32_t bits;
    int badge;
    bool set;
  };
  const Case cases[] = {{0b101, 1, true}, {0b101, 2, false}, {0b101, 3, true}, {0, 16, false},
                        {1 << 15, 16, true}, {-1, 32, true},  {-1, 0, false},  {-1, 33, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(crownlift::HasBadge(c.bits, c.badge), c.set) << c.bits << " badge " << c.badge;
  }
}

}  // namespace
