// shutdown_test.cpp - the way out: both files saved, the farewell frame, the
// release wait and the press wait, and the exit status.
#include <gtest/gtest.h>

#include <string>  // Required for: file contents
#include <vector>  // Required for: scripted inputs

#include "controls/bindings.h"
#include "scores/scores.h"
#include "shell/shutdown.h"
#include "shell/state.h"
#include "tests/frontend/frontend_fixture.h"

namespace {
using namespace frontend_testing;
using platform::headless::InputEvent;

constexpr int kKeyEscape = 27, kKeyA = 65, kKeyF4 = 115, kKeyF11 = 122, kKeyF12 = 123;
constexpr int kKeyLeftAlt = 164;

// Runs ShutDown; returns the exit status and the milliseconds it took.
struct Ending {
  int status = -1;
  int64_t millis = 0;
};
Ending RunShutDown() {
  Ending ending;
  const int64_t start = platform::ClockMillis();
  try {
    crownlift::ShutDown();
  } catch (const platform::headless::ProcessEnded& ended) {
    ending.status = ended.status;
  }
  ending.millis = platform::ClockMillis() - start;
  return ending;
}

InputEvent Mouse(int button, bool down) {
  InputEvent event;
  event.kind = down ? InputEvent::Kind::MouseDown : InputEvent::Kind::MouseUp;
  event.code = button;
  return event;
}

InputEvent Close() {
  InputEvent event;
  event.kind = InputEvent::Kind::CloseRequest;
  return event;
}

struct TimedInput {
  int at;  // milliseconds after ShutDown was called
  InputEvent event;
};

struct WaitCase {
  const char* name;
  bool escapeHeldAtStart;  // the Escape that left the front end is still down
  std::vector<TimedInput> inputs;
  int endsAt;              // about when the program ends, in milliseconds
};

void PrintTo(const WaitCase& c, std::ostream* os) { *os << c.name; }

class FarewellWait : public StartedProgram, public ::testing::WithParamInterface<WaitCase> {};

TEST_P(FarewellWait, EndsOnTheRightInput) {
  const WaitCase& c = GetParam();
  if (c.escapeHeldAtStart) Press(kKeyEscape);
  const int64_t start = platform::ClockMillis();
  for (const TimedInput& input : c.inputs) platform::headless::AtTime(start + input.at, input.event);
  const Ending ending = RunShutDown();
  EXPECT_EQ(ending.status, 0);
  EXPECT_NEAR(static_cast<double>(ending.millis), c.endsAt, 40);
}

using platform::headless::KeyPress;
using platform::headless::KeyRelease;
INSTANTIATE_TEST_SUITE_P(
    ShutDown, FarewellWait,
    ::testing::Values(
        // Held for good: the release wait gives up after 120 checks of 16 ms,
        // and the still-held Escape then ends the program at once.
        WaitCase{"EscapeHeldThroughout", true, {}, 1920},
        WaitCase{"EscapeReleasedThenAKey", true,
                 {{300, KeyRelease(kKeyEscape)}, {3000, KeyPress(kKeyA)}}, 3000},
        WaitCase{"F11DoesNotCount", false, {{500, KeyPress(kKeyF11)}, {3000, Mouse(1, true)}}, 3000},
        WaitCase{"F12DoesNotCount", false, {{500, KeyPress(kKeyF12)}, {3000, Mouse(1, true)}}, 3000},
        WaitCase{"LeftClick", false, {{500, Mouse(1, true)}}, 500},
        WaitCase{"RightClick", false, {{500, Mouse(2, true)}}, 500},
        WaitCase{"MiddleClickDoesNotCount", false,
                 {{500, Mouse(3, true)}, {2500, KeyPress(kKeyA)}}, 2500},
        WaitCase{"CloseRequest", false, {{500, Close()}}, 500},
        // F11 hides every key from the check, but Alt+F4 still ends the program.
        WaitCase{"AltF4UnderF11", false,
                 {{500, KeyPress(kKeyF11)}, {1000, KeyPress(kKeyLeftAlt)}, {1200, KeyPress(kKeyF4)}},
                 1200},
        WaitCase{"AnyKey", false, {{700, KeyPress(kKeyA)}}, 700}),
    [](const ::testing::TestParamInfo<WaitCase>& param) { return std::string(param.param.name); });

class ShutDownTest : public StartedProgram {};

TEST_F(ShutDownTest, SavesBothFilesThenShowsTheFarewellFrameAndEnds) {
  crownlift::Settings[crownlift::Width] = 1024;
  crownlift::Scores run;
  run.Score = 4321;
  run.Name = "Farewell Tester";
  run.Timestamp = 1000;
  crownlift::LocalScores.push_back(run);
  platform::DeletePath(folder.Path("Files/Setup.ini"));
  platform::DeletePath(folder.Path("Files/270/nuscores.dat"));
  const int64_t presents = platform::headless::PresentCount();
  platform::headless::AtTime(platform::ClockMillis() + 100, KeyPress(kKeyA));

  const Ending ending = RunShutDown();
  EXPECT_EQ(ending.status, 0);

  const std::string setup = testing_support::ReadFile(folder.Path("Files/Setup.ini"));
  EXPECT_NE(setup.find("Width=1024\r\n"), std::string::npos);
  using testing_support::ReadFile;
  using testing_support::SplitCrLfLines;
  const auto scoreLines = SplitCrLfLines(ReadFile(folder.Path("Files/270/nuscores.dat")));
  ASSERT_EQ(scoreLines.size(), 2u);
  EXPECT_EQ(crownlift::Unscramble(scoreLines[1], "").rfind("4321|Farewell Tester|", 0), 0u);

  // Exactly one frame was presented, and nothing was drawn after it.
  EXPECT_EQ(platform::headless::PresentCount(), presents + 1);
  const auto& all = platform::headless::Draws();
  ASSERT_FALSE(all.empty());
  EXPECT_EQ(all.back().kind, DrawRecord::Kind::Present);
  const auto frame = platform::headless::DrawsOfLastFrame();
  const auto thanks = Texts(frame, "Thanks for Playing");
  ASSERT_EQ(thanks.size(), 1u);
  EXPECT_EQ(CentreX(thanks[0]), 640);
  EXPECT_EQ(MiddleY(thanks[0]), 480);
  EXPECT_EQ(thanks[0].r, 180);
  EXPECT_EQ(thanks[0].g, 255);
  EXPECT_EQ(thanks[0].b, 255);

  struct Line {
    int offset, r, g, b;
    const char* text;
  };
  const Line lines[] = {
      {40, 255, 255, 180, "Why not take the next few minutes to hop back to the site"},
      {80, 255, 255, 180, "where you found this game, and leave a comment."},
      {130, 255, 255, 180, "Good or bad, every little helps."},
      {180, 255, 210, 180, "There are so many wonderful homebrew communities"},
      {220, 255, 210, 180, "and developers out there, who bring you hundreds"},
      {260, 255, 210, 180, "of free games, every month."},
      {320, 255, 255, 180, "Give a little back."},
      {380, 180, 255, 255, "Feedback is King"},
  };
  for (const Line& line : lines) {
    const auto found = Texts(frame, line.text);
    ASSERT_EQ(found.size(), 1u) << line.text;
    EXPECT_EQ(found[0].x, 40);
    EXPECT_EQ(found[0].y, 480 + line.offset);
    EXPECT_EQ(found[0].g, line.g) << line.text;
    EXPECT_EQ(found[0].r, line.r) << line.text;
    EXPECT_FLOAT_EQ(found[0].alpha, 1);
  }

  // The two logos, and the backdrop behind everything.
  int logosAt256 = 0;
  for (const DrawRecord& d : frame) {
    if (d.kind == DrawRecord::Kind::Image && d.y == 256 && (d.x == 256 || d.x == 1280 - 256)) {
      ++logosAt256;
    }
  }
  EXPECT_EQ(logosAt256, 2);
  ASSERT_GE(frame.size(), 2u);
  EXPECT_EQ(frame[1].kind, DrawRecord::Kind::Rect);
  EXPECT_EQ(frame[1].rotation, -45);

  // Pointer shown again, display closed, the last words in the log.
  EXPECT_TRUE(platform::headless::Display().pointerVisible);
  EXPECT_FALSE(platform::headless::Display().open);
  const auto log = SplitCrLfLines(ReadFile(folder.Path("Files/Debug.txt")));
  ASSERT_GE(log.size(), 5u);
  const std::vector<std::string> last(log.end() - 5, log.end());
  EXPECT_EQ(last, (std::vector<std::string>{"Closing Up", "", "Bye!", "", "Play again, soon!!"}));
}

}  // namespace
