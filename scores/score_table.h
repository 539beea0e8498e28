// score_table.h - the score table in the front end's right-hand panel.
//
// For the difficulty and variant currently chosen it shows a top-25 list by
// score, a history graph of every matching run (newest on the right), and a
// details box for the run under the pointer or last clicked. The front end
// calls DrawScoreTable every frame, visible or not; drawing, and pruning old
// runs from the list, happen only while the table is shown.
//
// Depends on: the score records (scores/scores.h), the draw helpers
// (engine/draw.h), the pointer sampled by FrameEnd (engine/frame_end.h), the
// fonts, icons and badges (shell/assets.h).
#pragma once

#include <array>    // Required for: TopTable
#include <cstdint>  // Required for: 64-bit stamps and scores
#include <list>     // Required for: the score list
#include <string>   // Required for: date and time texts

#include "scores/scores.h"

namespace crownlift {

inline constexpr int kTopTableSize = 25;  // slots 1..25; slot 1 the highest score
inline constexpr int kKeptRecent = 50;    // matching runs that pruning never touches

// The top 25 of the last call, slot 0 unused; null slots are empty. Rebuilt
// on every call; valid until the list next changes.
extern std::array<const Scores*, kTopTableSize + 1> TopTable;
// The record whose details were shown by the last drawing call, or null.
extern const Scores* Highlighted;
// The last clicked entry: k for the k-th matching run of the graph, 1000 + r
// for row r of the list, 0 for none. A position, not a record.
extern int Selection;
// Horizontal scroll of the graph in pixels, 0..1000 in steps of 8.
extern int GraphScroll;
// The largest matching score of the last call, at least 1: the graph's scale.
extern int64_t MaxScore;

// Builds the top 25 of list for the given difficulty, variant level and
// variant flags; when draw is set, also draws the table inside the panel whose
// left edge is panelX and width panelWidth, follows the pointer, and removes
// from list the matching runs older than the 50 newest that are not in the
// top 25.
void DrawScoreTable(std::list<Scores>& list, int panelX, int panelWidth, int difficulty,
                    int variantLevel, int variantFlags, bool draw);

// The calendar date and the time of day a Timestamp was made from:
// "31-12-2010" and "23:59:07".
std::string DateText(int64_t stamp);
std::string TimeText(int64_t stamp);

// Whether badge b (1-based) is set in the bits, that is bit b - 1.
bool HasBadge(int32_t badges, int b);

}  // namespace crownlift
