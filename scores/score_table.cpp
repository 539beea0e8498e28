// score_table.cpp - the top-25 list, the history graph and the details box.
#include "scores/score_table.h"

#include "engine/draw.h"       // Required for: draw-state helpers, counted draws
#include "engine/frame_end.h"  // Required for: MouseInRect's pointer (MouseX, MouseY)
#include "platform/platform.h"
#include "shell/assets.h"      // Required for: Fonts, Icons, BadgeImages
#include "shell/state.h"       // Required for: Display, GameContext.BadgeCount

namespace crownlift {

std::array<const Scores*, kTopTableSize + 1> TopTable{};
const Scores* Highlighted = nullptr;
int Selection = 0;
int GraphScroll = 0;
int64_t MaxScore = 1;

namespace {

constexpr int kGraphHeight = 150;
constexpr int kListRow = 17;
constexpr int kSelectRowBase = 1000;

// A highlighted run that pruning removed in the same call: its details are
// still shown this frame, from this copy.
Scores prunedHighlight;

bool Matches(const Scores& record, int difficulty, int variantLevel, int variantFlags) {
  return record.Level == variantLevel && record.GameMode == difficulty &&
         record.GameFlags == variantFlags;
}

bool InTopTable(const Scores* record) {
  for (int slot = 1; slot <= kTopTableSize; ++slot) {
    if (TopTable[slot] == record) return true;
  }
  return false;
}

void BuildTopTable(const std::list<Scores>& list, int difficulty, int variantLevel,
                   int variantFlags) {
  TopTable.fill(nullptr);
  MaxScore = 0;
  for (const Scores& record : list) {
    if (!Matches(record, difficulty, variantLevel, variantFlags)) continue;
    if (record.Score > MaxScore) MaxScore = record.Score;
    // Below the last run with the same score, so equal scores stay newest first.
    int slot = 1;
    while (slot <= kTopTableSize && TopTable[slot] && TopTable[slot]->Score >= record.Score) ++slot;
    if (slot > kTopTableSize) continue;
    for (int below = kTopTableSize; below > slot; --below) TopTable[below] = TopTable[below - 1];
    TopTable[slot] = &record;
  }
  if (MaxScore == 0) MaxScore = 1;
}

// Height of a run's point above the bottom line, 0..150. A hand-edited file
// can hold any 64-bit score, so the product is taken in 128 bits; a negative
// score sits on the bottom line.
int GraphLift(int64_t score) {
  if (score <= 0) return 0;
  __extension__ typedef __int128 Wide;
  return static_cast<int>(static_cast<Wide>(score) * kGraphHeight / MaxScore);
}

std::string Padded(int64_t value, int digits) {
  std::string text = std::to_string(value);
  if (static_cast<int>(text.size()) < digits) text.insert(0, digits - text.size(), '0');
  return text;
}

void DrawGraph(std::list<Scores>& list, int px, int pw, int difficulty, int variantLevel,
               int variantFlags) {
  const int vw = Display.VirtualWidth, vh = Display.VirtualHeight;
  const int bottom = vh - 10, top = vh - 10 - kGraphHeight;

  ResetDrawState();
  SetDrawColour(0, 0, 0, 0.6f);
  platform::DrawRect(static_cast<float>(px + 7), static_cast<float>(vh - 585),
                     static_cast<float>(pw + 2), 575);
  SetDrawColour(0, 0, 80, 1);
  platform::DrawLine(static_cast<float>(px + 7), static_cast<float>(top), static_cast<float>(vw - 8),
                     static_cast<float>(top));

  Highlighted = nullptr;
  bool havePrevious = false;
  int previousX = 0, previousY = 0;
  int k = 0;
  int x = vw - 24 + GraphScroll;
  for (auto it = list.begin(); it != list.end();) {
    const Scores& record = *it;
    if (!Matches(record, difficulty, variantLevel, variantFlags)) {
      ++it;
      continue;
    }
    ++k;
    if (k == Selection && !Highlighted) Highlighted = &record;
    const bool prune = k > kKeptRecent && !InTopTable(&record);

    if (x > px + 1) {
      const int v = GraphLift(record.Score);
      const int y = bottom - v;
      SetDrawColour(static_cast<float>(255 - v), 255, 80, 1);
      DrawCountedImage(Icons, x - 8, y - 8, 7, 1);
      SetDrawColour(255, static_cast<float>(80 + v), 80);
      if (havePrevious) {
        platform::DrawLine(static_cast<float>(x), static_cast<float>(y),
                           static_cast<float>(previousX), static_cast<float>(previousY));
      }
      SetDrawColour(0, 0, 0, 0.3f);
      platform::DrawLine(static_cast<float>(x - 9), static_cast<float>(top),
                         static_cast<float>(x - 9), static_cast<float>(vh - 11));
      havePrevious = true;
      previousX = x;
      previousY = y;
      if (MouseInRect(x - 9, top, 19, kGraphHeight)) {
        Highlighted = &record;
        if (platform::MouseDown(1)) Selection = k;
      }
      if (Highlighted == &record) {
        SetDrawColour(255, 255, 255, 0.3f);
        platform::DrawRect(static_cast<float>(x - 9), static_cast<float>(top), 19, kGraphHeight);
      }
      x -= 18;
    }

    if (prune) {
      if (Highlighted == &record) {
        prunedHighlight = record;
        Highlighted = &prunedHighlight;
      }
      it = list.erase(it);
    } else {
      ++it;
    }
  }

  // Resting the pointer at either end of the graph scrolls it, a step a frame.
  if (MouseInRect(vw - pw - 32, top, 64, kGraphHeight) && GraphScroll < 1000) GraphScroll += 8;
  if (MouseInRect(vw - 32, top, 62, kGraphHeight) && GraphScroll > 0) GraphScroll -= 8;
}

void DrawList(int px, int pw) {
  const int listTop = Display.VirtualHeight - 589;
  platform::SetFont(Fonts[3]);
  for (int r = 1; r <= kTopTableSize; ++r) {
    const Scores* record = TopTable[r];
    if (!record) continue;
    const int y = listTop + kListRow * (r - 1);
    if (r == Selection - kSelectRowBase && !Highlighted) Highlighted = record;
    SetDrawColour(255, 255, 255);
    if (MouseInRect(px + 9, y, pw, 18)) {
      Highlighted = record;
      if (platform::MouseDown(1)) Selection = kSelectRowBase + r;
    }
    DrawTextAligned(px + 9, y, record->Name.substr(0, 24), 0, 0);
    const std::string padded = "000000000000" + std::to_string(record->Score);
    DrawTextAligned(px + pw + 1, y, padded.substr(padded.size() - 12), 2, 0);
    if (Highlighted == record) {
      SetDrawColour(255, 255, 255, 0.3f);
      platform::DrawRect(static_cast<float>(px + 9), static_cast<float>(y), static_cast<float>(pw),
                         kListRow);
    }
  }
}

void DrawDetails(int px, int pw) {
  const Scores& record = *Highlighted;
  const int listTop = Display.VirtualHeight - 589;
  SetDrawColour(255, 255, 255, 0.6f);
  platform::DrawRect(static_cast<float>(px + 3), static_cast<float>(listTop - 140),
                     static_cast<float>(pw), 140);
  platform::SetFont(Fonts[1]);
  SetDrawColour(80, 80, 0);
  DrawTextAligned(px + 9, listTop - 136, record.Name, 0, 0);
  SetDrawColour(0, 0, 80);
  DrawTextAligned(px + pw + 1, listTop - 115, std::to_string(record.Score), 2, 0);
  platform::SetFont(Fonts[4]);
  SetDrawColour(0, 80, 0);
  if (record.Best[30] == 1) DrawTextAligned(px + 9, listTop - 90, "Complete!", 0, 1);
  SetDrawColour(0, 0, 0);
  platform::SetFont(Fonts[3]);
  const std::string when = DateText(record.Timestamp) + ", " + TimeText(record.Timestamp);
  DrawTextAligned(px + 9, listTop - 4, when, 0, 2);
  SetDrawScale(0.28f);
  SetDrawColour(255, 255, 255);
  for (int b = 1; b <= GameContext.BadgeCount; ++b) {
    if (HasBadge(record.Badges, b)) {
      DrawCountedImage(BadgeImages, px + 11 + 20 * (b - 1), listTop - 50, b - 1, 1);
    }
  }
  SetDrawScale(1);
}

}  // namespace

void DrawScoreTable(std::list<Scores>& list, int panelX, int panelWidth, int difficulty,
                    int variantLevel, int variantFlags, bool draw) {
  BuildTopTable(list, difficulty, variantLevel, variantFlags);
  if (!draw) return;
  DrawGraph(list, panelX, panelWidth, difficulty, variantLevel, variantFlags);
  DrawList(panelX, panelWidth);
  if (Highlighted) DrawDetails(panelX, panelWidth);
}

std::string TimeText(int64_t stamp) {
  return Padded(stamp / 3600 % 24, 2) + ":" + Padded(stamp / 60 % 60, 2) + ":" +
         Padded(stamp % 60, 2);
}

std::string DateText(int64_t stamp) {
  const int64_t days = stamp / 86400;
  const int64_t day = (days - 1) % 31 + 1;
  const int64_t months = (days - day) / 31;
  const int64_t month = (months - 1) % 12 + 1;
  const int64_t year = (months - month) / 12;
  return Padded(day, 2) + "-" + Padded(month, 2) + "-" + Padded(year, 4);
}

bool HasBadge(int32_t badges, int b) {
  if (b < 1 || b > 32) return false;
  return (static_cast<uint32_t>(badges) >> (b - 1) & 1u) != 0;
}

}  // namespace crownlift
