// name_entry_test.cpp - the editing step and the name-entry screen, driven by
// scripted keys, typing and clicks on the headless backend.
#include <gtest/gtest.h>

#include <string>
#include <tuple>  // Required for: comparing colours
#include <vector>

#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "scores/name_entry.h"
#include "scores/scores.h"
#include "shell/assets.h"
#include "shell/startup.h"
#include "shell/state.h"
#include "tests/support/program_folder.h"

namespace {
using namespace crownlift;
namespace hl = platform::headless;
using Event = hl::InputEvent;

Event MouseEvent(Event::Kind kind) {
  Event e;
  e.kind = kind;
  e.code = 1;
  return e;
}

TEST(NameCharTest, AcceptsOnlyWhatTheScoreFileCanCarry) {
  const std::pair<int, bool> cases[] = {
      {0, false},  {8, false},    {13, false},  {31, false},   {32, true},   {'A', true},
      {'|', false}, {'~', true},  {127, true},  {0xE9, true},  {255, true},  {256, false},
      {0x20AC, false}, {-1, false},
  };
  for (const auto& [code, allowed] : cases) EXPECT_EQ(NameCharAllowed(code), allowed) << code;
}

class EditLineTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::FlushInput(); }
  testing_support::ProgramFolder folder;
};

TEST_F(EditLineTest, TakesOneTypedCharacterPerCallInOrder) {
  hl::ApplyNow(hl::Typed("ab|\x07" "c"));
  std::vector<std::string> steps;
  std::string text = "x";
  for (int i = 0; i < 6; ++i) steps.push_back(text = EditLine(text));
  // "|" and the control character are taken from the queue but not added.
  EXPECT_EQ(steps, (std::vector<std::string>{"xa", "xab", "xab", "xab", "xabc", "xabc"}));
}

TEST_F(EditLineTest, BackspaceRemovesAtMostOneCharacterPerCall) {
  struct Case {
    std::string text;
    int hits;
    std::string afterOne, afterTwo;
  };
  const Case cases[] = {
      {"abc", 1, "ab", "ab"},
      {"abc", 3, "ab", "ab"},  // the hits are used up by the first call
      {"x", 1, "", ""},
      {"", 2, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text + " with " + std::to_string(c.hits) + " hits");
    for (int i = 0; i < c.hits; ++i) hl::ApplyNow(hl::KeyPress(8));
    const std::string one = EditLine(c.text);
    EXPECT_EQ(one, c.afterOne);
    EXPECT_EQ(EditLine(one), c.afterTwo);
    hl::ApplyNow(hl::KeyRelease(8));
  }
}

TEST_F(EditLineTest, ACharacterAndABackspaceInOneCallCancelOut) {
  hl::ApplyNow(hl::Typed("k"));
  hl::ApplyNow(hl::KeyPress(8));
  EXPECT_EQ(EditLine("ab"), "ab");
}

// The whole screen after a started program; fonts fall back to the built-in one.
class NameEntryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    hl::SetRecordDraws(false);
    RunStartup();
    hl::SetRecordDraws(true);
    hl::ClearDraws();
    GameContext.GameState = 0;
    base = hl::PresentCount();
    start = platform::ClockMillis();
  }
  // The name line of every presented frame, cursor included: green text on
  // the name's own row.
  std::vector<hl::DrawRecord> NameDraws() {
    platform::SetFont(Fonts[5]);
    const float row = static_cast<float>(Display.VirtualHeight / 2 - platform::TextHeight() / 2);
    std::vector<hl::DrawRecord> found;
    for (const hl::DrawRecord& d : hl::Draws()) {
      if (d.kind == hl::DrawRecord::Kind::Text && d.y == row && d.g == 255 && d.r == 0 &&
          d.text != "Enter Your Name") {
        found.push_back(d);
      }
    }
    return found;
  }
  // Presses Return after `frame` frames, so the entry ends with frame + 1,
  // and lets it go a long while later.
  void ConfirmAtFrame(int64_t frame) {
    hl::AtFrame(base + frame, hl::KeyPress(13));
    hl::AtTime(start + 60000, hl::KeyRelease(13));
  }
  int64_t Frames() { return hl::PresentCount() - base; }

  testing_support::ProgramFolder folder;
  int64_t base = 0, start = 0;
};

TEST_F(NameEntryTest, TypingIsTakenOneCharacterPerFrame) {
  PlayerName = "";
  hl::AtFrame(base + 1, hl::Typed("Bob"));
  ConfirmAtFrame(6);
  EnterName();
  EXPECT_EQ(PlayerName, "Bob");
  std::vector<std::string> names;
  for (const hl::DrawRecord& d : NameDraws()) names.push_back(d.text.substr(0, d.text.size() - 1));
  EXPECT_EQ(names, (std::vector<std::string>{"", "B", "Bo", "Bob", "Bob", "Bob", "Bob"}));
}

TEST_F(NameEntryTest, ReturnHeldFromTheGameDoesNotConfirm) {
  PlayerName = "Ann";
  hl::ApplyNow(hl::KeyPress(13));  // still down from the game-over screen
  hl::AtFrame(base + 3, hl::KeyRelease(13));
  ConfirmAtFrame(5);
  EnterName();
  EXPECT_EQ(Frames(), 6);
  EXPECT_EQ(PlayerName, "Ann");
}

TEST_F(NameEntryTest, ConfirmsOnAReturnHitALeftClickOrEscapeAndWaitsForTheirRelease) {
  struct Case {
    const char* label;
    Event down, up;
  };
  const Case cases[] = {
      {"Return", hl::KeyPress(13), hl::KeyRelease(13)},
      {"left button", MouseEvent(Event::Kind::MouseDown), MouseEvent(Event::Kind::MouseUp)},
      {"Escape", hl::KeyPress(27), hl::KeyRelease(27)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    base = hl::PresentCount();
    start = platform::ClockMillis();
    hl::AtFrame(base + 3, c.down);
    hl::AtTime(start + 5000, c.up);
    EnterName();
    EXPECT_EQ(Frames(), 4);  // confirmed in the first frame that saw it
    // Returned only once let go, without drawing meanwhile.
    EXPECT_GE(platform::ClockMillis(), start + 5000);
    EXPECT_FALSE(platform::KeyDown(13) || platform::KeyDown(27) || platform::MouseDown(1));
    EXPECT_EQ(GameContext.GameState, 0);  // Escape did not open the pause menu
  }
}

TEST_F(NameEntryTest, TheNameIsCentredOnItsOwnWidthWhileTheCursorBlinks) {
  PlayerName = "Wide Name";
  ConfirmAtFrame(79);
  EnterName();
  const std::vector<hl::DrawRecord> draws = NameDraws();
  ASSERT_EQ(draws.size(), 80u);

  platform::SetFont(Fonts[5]);
  const float left = static_cast<float>(Display.VirtualWidth / 2 - platform::TextWidth("Wide Name") / 2);
  int blinks = 0, shown = 0;
  for (size_t i = 0; i < draws.size(); ++i) {
    EXPECT_EQ(draws[i].x, left) << "frame " << i;
    const char cursor = draws[i].text.back();
    ASSERT_TRUE(cursor == '_' || cursor == ' ');
    if (cursor == '_') ++shown;
    if (i > 0 && cursor != draws[i - 1].text.back()) ++blinks;
  }
  // 80 frames are about 1.3 s: two 600 ms periods, half of each with "_".
  EXPECT_GE(shown, 32);
  EXPECT_LE(shown, 48);
  EXPECT_GE(blinks, 3);
  EXPECT_LE(blinks, 5);
}

TEST_F(NameEntryTest, ThePromptIsGreenAndCentredAboveTheName) {
  PlayerName = "Kim";
  ConfirmAtFrame(1);
  EnterName();
  platform::SetFont(Fonts[6]);
  const int vw = Display.VirtualWidth, vh = Display.VirtualHeight;
  int prompts = 0;
  for (const hl::DrawRecord& d : hl::Draws()) {
    if (d.kind != hl::DrawRecord::Kind::Text || d.text != "Enter Your Name") continue;
    ++prompts;
    EXPECT_EQ(d.x, static_cast<float>(vw / 2 - platform::TextWidth("Enter Your Name") / 2));
    EXPECT_EQ(d.y, static_cast<float>(vh / 2 - 100 - platform::TextHeight() / 2));
    EXPECT_EQ(std::make_tuple(d.r, d.g, d.b), std::make_tuple(0, 255, 0));
  }
  EXPECT_EQ(prompts, 2);
}

}  // namespace
