// pause_test.cpp - the pause menu, screenshots and how FrameEnd starts them.
//
// The menu is a loop of its own: each of its frames ends in FrameEnd, which
// presents once, so input scripted for presented frame base + k reaches the
// menu at the end of its k-th frame (its Esc check) and in its frame k + 1.
#include <gtest/gtest.h>

#include <filesystem>  // Required for: making the screenshot's name unwritable
#include <map>         // Required for: draws by frame
#include <string>
#include <vector>

#include "engine/pause.h"
#include "tests/services/services_fixture.h"

namespace {
using namespace crownlift;
using namespace services_test;

constexpr int kKeyEscape = 27, kKeySpace = 32, kKeyUp = 38, kKeyDown = 40;
constexpr int kKeyW = 87, kKeyF11 = 122;

class PauseMenuTest : public ServicesTest {
 protected:
  void SetUp() override {
    ServicesTest::SetUp();
    WindowTitle = ComposeWindowTitle();
    GameContext.GameState = 2;  // as FrameEnd runs it
    base_ = hl::PresentCount();
    start_ = Millisecs();
  }
  // Input applied after the menu's k-th frame.
  void At(int k, const Event& event) { hl::AtFrame(base_ + k, event); }
  // Esc pressed after frame k, and let go later by the clock, while the menu
  // waits for it on the way out.
  void EscapeAfter(int k) {
    At(k, hl::KeyPress(kKeyEscape));
    hl::AtTime(start_ + 5000, hl::KeyRelease(kKeyEscape));
  }
  int Frames() const { return static_cast<int>(hl::PresentCount() - base_); }

  // The highlighted item of each menu frame: "Continue", "Quit" or "".
  std::vector<std::string> Highlights() {
    std::map<int64_t, std::string> byFrame;
    for (const auto& d : hl::Draws()) {
      if (d.kind != Kind::Text || (d.text != "Continue" && d.text != "Quit")) continue;
      byFrame.try_emplace(d.presented, "");
      if (d.b == 0) byFrame[d.presented] = d.text;  // yellow
    }
    std::vector<std::string> result;
    for (const auto& entry : byFrame) result.push_back(entry.second);
    return result;
  }

  int64_t base_ = 0;
  int start_ = 0;
};

TEST_F(PauseMenuTest, SelectionWrapsBothWaysAndMovesOncePerPress) {
  At(1, hl::KeyPress(kKeyUp));      // frame 2: Continue -> wraps to Quit
  At(3, hl::KeyRelease(kKeyUp));    // frame 3 still held: no move
  At(4, hl::KeyPress(kKeyDown));    // frame 5: past Quit -> wraps to Continue
  At(6, hl::KeyRelease(kKeyDown));
  At(7, hl::KeyPress(kKeySpace));   // frame 8: choose
  EXPECT_EQ(PauseMenu(), 1);
  EXPECT_EQ(Frames(), 8);
  const std::vector<std::string> expected = {"Continue", "Quit", "Quit", "Quit",
                                             "",  // the frame in which the selection wraps
                                             "Continue", "Continue", "Continue"};
  EXPECT_EQ(Highlights(), expected);
}

TEST_F(PauseMenuTest, FireOnQuitQuitsAndTheHighlightIsIndented) {
  At(1, hl::KeyPress(kKeyDown));
  At(2, hl::KeyRelease(kKeyDown));
  At(3, hl::KeyPress(kKeySpace));
  EXPECT_EQ(PauseMenu(), 99);
  const auto last = hl::DrawsOfLastFrame();
  const auto quit = Find(last, Kind::Text, "Quit");
  const auto cont = Find(last, Kind::Text, "Continue");
  ASSERT_EQ(quit.size(), 1u);
  ASSERT_EQ(cont.size(), 1u);
  // 0.1 of the width, plus 10, plus 20 for the highlighted item.
  EXPECT_EQ(quit[0].x, 128 + 20 + 10);
  EXPECT_EQ(quit[0].y, 360 + 120);
  EXPECT_EQ(cont[0].x, 128 + 10);
  EXPECT_EQ(cont[0].y, 360 + 60);
  EXPECT_EQ(cont[0].r, 255);
  EXPECT_EQ(cont[0].b, 255);  // white
}

TEST_F(PauseMenuTest, InputsHeldAsItOpensChooseNothingUntilLetGo) {
  // Esc that opened the menu is waited out first; Space and a player's Up
  // binding are still down when the first frame runs.
  Press(kKeyEscape);
  hl::AtTime(start_ + 40, hl::KeyRelease(kKeyEscape));
  Press(kKeySpace);
  Press(kKeyUp);
  At(5, hl::KeyRelease(kKeySpace));
  At(5, hl::KeyRelease(kKeyUp));
  At(7, hl::KeyPress(kKeySpace));
  EXPECT_EQ(PauseMenu(), 1);  // Up never moved the highlight
  EXPECT_EQ(Frames(), 8);
  EXPECT_GE(Millisecs() - start_, 40);
}

TEST_F(PauseMenuTest, PlayerBindingsDriveTheMenu) {
  // Player 3's Down on W and Action2 on a joystick button-less key: Return.
  Bindings[40 + Down] = kKeyW;
  Bindings[40 + Action2] = 13;
  At(1, hl::KeyPress(kKeyW));
  At(2, hl::KeyRelease(kKeyW));
  At(3, hl::KeyPress(13));
  EXPECT_EQ(PauseMenu(), 99);
}

struct EscapeCase {
  const char* name;
  int downPresses;  // before Esc
  int result;
};

class PauseEscape : public PauseMenuTest, public ::testing::WithParamInterface<EscapeCase> {};

TEST_P(PauseEscape, EscapeContinuesUnlessQuitIsHighlighted) {
  const EscapeCase& c = GetParam();
  int k = 1;
  for (int i = 0; i < c.downPresses; ++i, k += 2) {
    At(k, hl::KeyPress(kKeyDown));
    At(k + 1, hl::KeyRelease(kKeyDown));
  }
  EscapeAfter(k + 1);
  EXPECT_EQ(PauseMenu(), c.result);
  EXPECT_EQ(Frames(), k + 1);
  EXPECT_FALSE(platform::KeyDown(kKeyEscape));  // returned only once Esc was let go
}

INSTANTIATE_TEST_SUITE_P(Escape, PauseEscape,
                         ::testing::Values(EscapeCase{"on_continue", 0, 1},
                                           EscapeCase{"on_quit", 1, 99},
                                           EscapeCase{"wrapped_back_to_continue", 2, 1}),
                         [](const ::testing::TestParamInfo<EscapeCase>& p) {
                           return std::string(p.param.name);
                         });

TEST_F(PauseMenuTest, TheTitleSwirlKeepsItsPlacesAndColoursEveryFrame) {
  At(3, hl::KeyPress(kKeySpace));
  PauseMenu();
  std::map<int64_t, std::vector<hl::DrawRecord>> titles;
  for (const auto& d : hl::Draws()) {
    if (d.kind == Kind::Text && d.text == WindowTitle) titles[d.presented].push_back(d);
  }
  ASSERT_EQ(titles.size(), 4u);
  const auto& first = titles.begin()->second;
  const auto& last = titles.rbegin()->second;
  ASSERT_EQ(first.size(), 180u);
  ASSERT_EQ(last.size(), 180u);
  bool coloursVary = false;
  for (size_t i = 0; i < 180; ++i) {
    EXPECT_EQ(first[i].x, last[i].x) << "copy " << i;
    EXPECT_EQ(first[i].y, last[i].y) << "copy " << i;
    EXPECT_EQ(first[i].r, last[i].r) << "copy " << i;
    EXPECT_EQ(first[i].g, last[i].g) << "copy " << i;
    EXPECT_EQ(first[i].b, last[i].b) << "copy " << i;
    EXPECT_EQ(first[i].r % 50, 0);
    EXPECT_FLOAT_EQ(first[i].alpha, 0.4f);
    coloursVary = coloursVary || first[i].r != first[0].r || first[i].g != first[0].g;
    // Each copy turns 2 degrees further; the whole swirl turns 0.1 per frame.
    EXPECT_NEAR(first[i].rotation, 0.1f + 2.0f * (i + 1), 0.01f);
    EXPECT_NEAR(last[i].rotation, 0.4f + 2.0f * (i + 1), 0.01f);
  }
  EXPECT_TRUE(coloursVary);
  EXPECT_NE(first[0].scaleX, last[0].scaleX);  // only the wobble moves
}

TEST_F(PauseMenuTest, TheFrozenPictureAndThePanelAreDrawnEachFrame) {
  At(1, hl::KeyPress(kKeySpace));
  PauseMenu();
  int pictures = 0, panels = 0;
  for (const auto& d : hl::DrawsOfLastFrame()) {
    if (d.kind == Kind::Image && d.image != Icons && d.x == 640 && d.y == 480) {
      ++pictures;
      EXPECT_EQ(d.w, 800);  // the screen's size, not the logical one
      EXPECT_EQ(d.h, 600);
    }
    if (d.kind == Kind::Rect && d.x == 128 && d.y == 360 && d.w == 213 && d.h == 240) {
      ++panels;
      EXPECT_FLOAT_EQ(d.alpha, 0.5f);
    }
  }
  EXPECT_EQ(pictures, 1);
  EXPECT_EQ(panels, 1);
}

TEST_F(PauseMenuTest, TheGeneratorIsSeededFromTheClockAfterwards) {
  At(1, hl::KeyPress(kKeySpace));
  PauseMenu();
  const int now = Millisecs();
  std::vector<int> after, expected;
  for (int i = 0; i < 8; ++i) after.push_back(platform::RandomInt(0, 1000000));
  platform::SeedRandom(now);
  for (int i = 0; i < 8; ++i) expected.push_back(platform::RandomInt(0, 1000000));
  EXPECT_EQ(after, expected);
}

// ---- FrameEnd starts the menu --------------------------------------------------

TEST_F(PauseMenuTest, EscapeDuringAGameOpensTheMenuAndFrameEndHandsOnItsResult) {
  GameContext.GameState = 1;
  Press(kKeyEscape);
  hl::AtTime(start_ + 30, hl::KeyRelease(kKeyEscape));
  At(2, hl::KeyPress(kKeyDown));
  At(3, hl::KeyRelease(kKeyDown));
  At(4, hl::KeyPress(kKeySpace));
  EXPECT_EQ(FrameEnd(0), 99);
  EXPECT_EQ(GameContext.GameState, 1);
  EXPECT_EQ(Frames(), 5 + 1);  // the menu's frames, then the game's own
  EXPECT_EQ(FrameEnd(0), 0);
}

TEST_F(PauseMenuTest, EscapeOutsideARunningGameDoesNothing) {
  for (int state : {0, 2}) {
    GameContext.GameState = state;
    Press(kKeyEscape);
    EXPECT_EQ(FrameEnd(0), 0);
    EXPECT_EQ(GameContext.GameState, state);
    Release(kKeyEscape);
  }
  EXPECT_EQ(Frames(), 2);
}

TEST_F(PauseMenuTest, ASlowSystemLooksAtEscapeOnlyOnPresentedFrames) {
  Settings[SlowSystem] = 1;
  GameContext.GameState = 1;
  FrameParity = 1;
  Press(kKeyEscape);
  hl::AtTime(start_ + 200, hl::KeyRelease(kKeyEscape));
  hl::AtTime(start_ + 300, hl::KeyPress(kKeySpace));
  EXPECT_EQ(FrameEnd(0), 0);  // a dropped frame: Esc waits
  EXPECT_EQ(Frames(), 0);
  EXPECT_EQ(FrameEnd(0), 1);  // the next one opens the menu; Space continues
  EXPECT_GE(Millisecs() - start_, 300);
}

// ---- Screenshots -----------------------------------------------------------------

struct SanitiseCase {
  const char* text;
  const char* expected;
};

TEST(SanitiseFileNameTest, RemovesEveryReservedCharacter) {
  const SanitiseCase cases[] = {
      {"", ""},
      {"plain name (1)", "plain name (1)"},
      {"#'.,`\\/:|*?\"", ""},
      {"a#b'c,d`e.f\\g/h:i|j*k?l\"m", "abcdefghijklm"},
      {"14:03:22", "140322"},
      {"../../etc/passwd", "etcpasswd"},
      {"Reelpack -  Crownlift (Screenshot_05 Mar 2010_14:03:22)",
       "Reelpack -  Crownlift (Screenshot_05 Mar 2010_140322)"},
      {"<>-_ []!", "<>-_ []!"},
  };
  for (const SanitiseCase& c : cases) EXPECT_EQ(SanitiseFileName(c.text), c.expected) << c.text;
}

class ScreenshotTest : public ServicesTest {
 protected:
  void SetUp() override {
    ServicesTest::SetUp();
    OpenLog(folder.Path("Files/Debug.txt"));
    hl::SetDateTime("05 Mar 2010", "14:03:22");
  }
  std::vector<std::string> LogLines() {
    CloseLog();
    return testing_support::SplitCrLfLines(testing_support::ReadFile(folder.Path("Files/Debug.txt")));
  }
  const std::string kName = "Reelpack -  Crownlift (Screenshot_05 Mar 2010_140322).png";
};

TEST_F(ScreenshotTest, SavesAPngOfTheScreenInFilesAndReturnsToTheGameFolder) {
  SaveScreenshot();
  platform::Pixmap saved;
  ASSERT_TRUE(platform::LoadPng(folder.Path("Files/") + kName, saved));
  EXPECT_EQ(saved.width, 800);
  EXPECT_EQ(saved.height, 600);
  EXPECT_EQ(platform::CurrentFolder(), folder.Path("Files/270/"));
  ASSERT_EQ(MessageLog.size(), 1u);
  EXPECT_EQ(MessageLog.front().txt, "Saved Screenshot");
  EXPECT_EQ(MessageLog.front().c, 1);
  const std::vector<std::string> expected = {
      "", "\tScreenshot", "\tGrabbing Screenshot", "\tSaving Screenshot : " + kName,
      "\tSaved Screenshot 1", ""};
  EXPECT_EQ(LogLines(), expected);

  // The notice is presented while the file is written.
  const auto notice = Find(hl::DrawsOfLastFrame(), Kind::Text, "Saving Screenshot");
  ASSERT_EQ(notice.size(), 1u);
  EXPECT_NEAR(notice[0].x + platform::TextWidth("Saving Screenshot") / 2, 640, 1);
  EXPECT_EQ(Find(hl::DrawsOfLastFrame(), Kind::Text, "Sometimes, this takes a while!").size(), 1u);
}

TEST_F(ScreenshotTest, AFileThatCannotBeWrittenIsLoggedAndTheGameGoesOn) {
  std::filesystem::create_directory(folder.Path("Files/") + kName);  // in the way
  SaveScreenshot();
  EXPECT_EQ(platform::CurrentFolder(), folder.Path("Files/270/"));
  ASSERT_EQ(MessageLog.size(), 1u);
  EXPECT_EQ(MessageLog.front().txt, "Saved Screenshot");
  const std::vector<std::string> lines = LogLines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[4], "\tSaved Screenshot 0");
  FrameEnd(0);  // and the next frame runs as usual
}

TEST_F(ScreenshotTest, FrameEndTakesOneOnF11AndASlowSystemOnItsNextPresentedFrame) {
  Settings[SlowSystem] = 1;
  FrameParity = 1;
  Press(kKeyF11);
  FrameEnd(0);
  EXPECT_FALSE(platform::PathExists(folder.Path("Files/") + kName));
  FrameEnd(0);
  EXPECT_TRUE(platform::PathExists(folder.Path("Files/") + kName));
  EXPECT_EQ(MessageLog.size(), 1u);
  FrameEnd(0);
  EXPECT_EQ(MessageLog.size(), 1u);  // one press, one screenshot
}

}  // namespace
