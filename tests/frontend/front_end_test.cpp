// front_end_test.cpp - the title screen frame by frame: layout and slide-in,
// tabs, the start and Escape latches, the difficulty choice, the settings
// hint, and the whole loop ending in the farewell screen.
#include <gtest/gtest.h>

#include <set>     // Required for: held keys of a step
#include <string>  // Required for: texts
#include <vector>  // Required for: tables of steps

#include "controls/bindings.h"
#include "shell/backdrop.h"
#include "shell/front_end.h"
#include "shell/state.h"
#include "tests/frontend/frontend_fixture.h"

namespace {
using namespace frontend_testing;
using crownlift::FrontEndFrame;
using crownlift::FrontEndState;
using platform::headless::DrawsOfLastFrame;

constexpr int kKeyReturn = 13, kKeyEscape = 27, kKeyUp = 38, kKeyDown = 40;
constexpr int kKey1 = 49, kKey2 = 50, kKey3 = 51, kKeyX = 88, kKeyZ = 90;
constexpr int kKeyF1 = 112, kKeyF2 = 113, kKeyF3 = 114;

// With the default 800 x 600 window: panel width 415, in place at x 860.
constexpr int kPanelWidth = 415, kPanelInPlace = 860, kCx = 432, kCy = 480;

// A stand-in for PlayGame that records how it was called.
struct GameLog {
  int games = 0;
  int stateDuringGame = -1;
  float pointerX = 0, pointerY = 0;
  bool holdEscapeOnReturn = false;
};
GameLog gameLog;

void FakeGame() {
  ++gameLog.games;
  gameLog.stateDuringGame = crownlift::GameContext.GameState;
  gameLog.pointerX = platform::PointerX();
  gameLog.pointerY = platform::PointerY();
  if (gameLog.holdEscapeOnReturn) Press(kKeyEscape);
}

class FrontEndTest : public StartedProgram {
 protected:
  void SetUp() override {
    StartedProgram::SetUp();
    gameLog = GameLog{};
  }
  // Runs n frames and returns whether the last one took Escape.
  bool Frames(int n) {
    bool quit = false;
    for (int i = 0; i < n; ++i) quit = FrontEndFrame(state, FakeGame);
    return quit;
  }
  FrontEndState state;
};

TEST_F(FrontEndTest, PanelPromptLogoAndDifficultySlideIntoPlace) {
  struct Case {
    int frame;  // frames since the screen was entered
    int off;    // expected slide offset
  };
  const Case cases[] = {{1, 775}, {2, 750}, {16, 400}, {31, 25}, {32, 0}, {40, 0}};
  int run = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE("frame " + std::to_string(c.frame));
    Frames(c.frame - run);
    run = c.frame;
    EXPECT_EQ(state.SlideIn, std::min(c.frame, 32));
    const auto frame = DrawsOfLastFrame();
    const int px = kPanelInPlace + c.off;

    bool panel = false, band = false;
    for (const DrawRecord& d : frame) {
      if (d.kind != DrawRecord::Kind::Rect || d.x != px || d.y != 5 || d.w != kPanelWidth) continue;
      if (d.r == 0 && d.g == 0 && d.b == 0 && d.alpha == 0.5f && d.h == 950) panel = true;
      if (d.r == 255 && d.alpha == 0.3f && d.h == 35) band = true;
    }
    EXPECT_TRUE(panel);
    EXPECT_TRUE(band);

    const auto hiscore = Texts(frame, "1.Hiscore");
    const auto about = Texts(frame, "3.About");
    ASSERT_EQ(hiscore.size(), 1u);
    ASSERT_EQ(about.size(), 1u);
    EXPECT_EQ(CentreX(hiscore[0]), px + 83);
    EXPECT_EQ(CentreX(about[0]), px + 332);
    EXPECT_EQ(MiddleY(hiscore[0]), 23);

    const auto title = Texts(frame, "Hiscores");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(CentreX(title[0]), px + 207);
    EXPECT_EQ(title[0].y, 50);

    const auto prompt = Texts(frame, "Press Start (Z) To Begin");
    ASSERT_EQ(prompt.size(), 1u);
    EXPECT_EQ(CentreX(prompt[0]), kCx);
    EXPECT_EQ(MiddleY(prompt[0]), kCy + c.off);

    // The logo's lower edge rests on the prompt's centre line (the test logo is 200 high).
    const auto logo = Find(frame, DrawRecord::Kind::Image, "logo.png");
    ASSERT_EQ(logo.size(), 1u);
    EXPECT_EQ(logo[0].x, kCx);
    EXPECT_EQ(logo[0].y, kCy - 100 + c.off);

    const char* words[] = {"Easy", "Medium", "Hard"};
    for (int k = 0; k < 3; ++k) {
      const auto word = Texts(frame, words[k]);
      ASSERT_EQ(word.size(), 1u);
      EXPECT_EQ(word[0].x, kCx - 100);
      EXPECT_EQ(word[0].y, kCy + 200 + 50 * k - c.off);
      EXPECT_EQ(word[0].alpha, k == 0 ? 1.0f : 0.5f);
    }
  }
}

TEST_F(FrontEndTest, TabsFollowKeysAndClicksOncePerPress) {
  Frames(32);
  struct Step {
    const char* what;
    std::set<int> keys;  // held during the step
    float x, y;          // pointer
    bool button;         // left button held
    int tab;             // expected afterwards
    bool click;          // expected: the tab click sounded
  };
  const float header = 20, hiscoreX = 900, middleX = 1067, aboutX = 1200;
  const std::vector<Step> steps = {
      {"3 selects About", {kKey3}, 0, 0, false, 2, true},
      {"holding 3 acts once", {kKey3}, 0, 0, false, 2, false},
      {"1 straight after 3 waits for a release", {kKey1}, 0, 0, false, 2, false},
      {"release", {}, 0, 0, false, 2, false},
      {"1 selects Hiscore", {kKey1}, 0, 0, false, 0, true},
      {"3 while 1 is held is ignored", {kKey1, kKey3}, 0, 0, false, 0, false},
      {"release", {}, 0, 0, false, 0, false},
      {"F3 selects About", {kKeyF3}, 0, 0, false, 2, true},
      {"release", {}, 0, 0, false, 2, false},
      {"2 selects nothing", {kKey2}, 0, 0, false, 2, false},
      {"release", {}, 0, 0, false, 2, false},
      {"F2 selects nothing", {kKeyF2}, 0, 0, false, 2, false},
      {"release", {}, 0, 0, false, 2, false},
      {"F1 selects Hiscore", {kKeyF1}, 0, 0, false, 0, true},
      {"release", {}, 0, 0, false, 0, false},
      {"a click on the header's middle selects nothing", {}, middleX, header, true, 0, false},
      {"release", {}, middleX, header, false, 0, false},
      {"a click on About's label", {}, aboutX, header, true, 2, true},
      {"dragging onto Hiscore is latched", {}, hiscoreX, header, true, 2, false},
      {"releasing over Hiscore", {}, hiscoreX, header, false, 2, false},
      {"a fresh click on Hiscore", {}, hiscoreX, header, true, 0, true},
      {"release", {}, hiscoreX, header, false, 0, false},
      {"a click below the click area", {}, aboutX, 56, true, 0, false},
      {"release", {}, aboutX, 56, false, 0, false},
      {"a click just inside it", {}, aboutX, 54, true, 2, true},
      {"release", {}, aboutX, 54, false, 2, false},
      {"choosing the active tab sounds again", {kKeyF3}, aboutX, 54, false, 2, true},
  };
  std::set<int> held;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    for (int key : held) {
      if (!step.keys.count(key)) Release(key);
    }
    for (int key : step.keys) {
      if (!held.count(key)) Press(key);
    }
    held = step.keys;
    const auto before = CueCounts();
    // The pointer is sampled at the end of a frame: move it, then act.
    PointerTo(step.x, step.y);
    Frames(1);
    Button(1, step.button);
    Frames(1);
    EXPECT_EQ(state.ActiveTab, step.tab);
    const auto rates = RatesPlayedSince(before);
    EXPECT_EQ(rates.size(), step.click ? 1u : 0u);
    if (step.click && !rates.empty()) {
      EXPECT_FLOAT_EQ(rates[0], 2.0f);
    }

    // Labels are drawn before the tabs are read, so they change one frame later.
    Frames(1);
    const auto frame = DrawsOfLastFrame();
    const auto hiscore = Texts(frame, "1.Hiscore"), about = Texts(frame, "3.About");
    ASSERT_EQ(hiscore.size(), 1u);
    ASSERT_EQ(about.size(), 1u);
    EXPECT_EQ(hiscore[0].r, step.tab == 0 ? 255 : 0);
    EXPECT_EQ(about[0].r, step.tab == 2 ? 255 : 0);
  }
}

TEST_F(FrontEndTest, AboutPageListsItsLinesAndTurnsTheBackdrop) {
  Frames(32);
  Press(kKey3);
  Frames(1);
  const auto frame = DrawsOfLastFrame();
  EXPECT_EQ(Texts(frame, "Hiscores").size(), 0u);
  const auto title = Texts(frame, "About");
  ASSERT_EQ(title.size(), 1u);
  EXPECT_EQ(title[0].y, 50);
  ASSERT_EQ(crownlift::AboutLineCount, 34);
  for (int i = 1; i <= 34; ++i) {
    const std::string line = crownlift::AboutLines[i];
    bool found = false;
    for (const DrawRecord& d : Texts(frame, line)) {
      if (d.y == 115 + 20 * (i - 1) && CentreX(d) == kPanelInPlace + 207) found = true;
    }
    EXPECT_TRUE(found) << "line " << i << ": " << line;
  }
  EXPECT_EQ(crownlift::BackdropTarget.r, 0.0f);
  EXPECT_EQ(crownlift::BackdropTarget.g, 0.2f);
  // The score table is hidden: its black background is not drawn.
  for (const DrawRecord& d : frame) {
    EXPECT_FALSE(d.kind == DrawRecord::Kind::Rect && d.alpha == 0.6f && d.h == 575);
  }

  Release(kKey3);
  Frames(1);
  Press(kKey1);
  Frames(1);
  EXPECT_EQ(crownlift::BackdropTarget.r, 0.2f);
  EXPECT_EQ(crownlift::BackdropTarget.g, 0.0f);
  EXPECT_EQ(Texts(DrawsOfLastFrame(), "About").size(), 0u);
}

// Each step holds exactly the listed keys during one frame.
struct StartStep {
  const char* what;
  std::set<int> keys;
  int games;       // games started so far, after the frame
  int difficulty;  // after the frame
};

void RunStartSteps(FrontEndState& state, const std::vector<StartStep>& steps) {
  std::set<int> held;
  for (const StartStep& step : steps) {
    SCOPED_TRACE(step.what);
    for (int key : held) {
      if (!step.keys.count(key)) Release(key);
    }
    for (int key : step.keys) {
      if (!held.count(key)) Press(key);
    }
    held = step.keys;
    FrontEndFrame(state, FakeGame);
    EXPECT_EQ(gameLog.games, step.games);
    EXPECT_EQ(crownlift::GameContext.Difficulty, step.difficulty);
  }
}

TEST_F(FrontEndTest, FireStartsAGameOneFrameLaterAndUpDownNever) {
  Frames(32);
  RunStartSteps(state, {
                           {"Z is first seen", {kKeyZ}, 0, 0},
                           {"the next frame starts the game", {kKeyZ}, 1, 0},
                           {"holding Z does not repeat", {kKeyZ}, 1, 0},
                           {"still held", {kKeyZ}, 1, 0},
                           {"released", {}, 1, 0},
                           {"Return is a start input too", {kKeyReturn}, 1, 0},
                           {"and starts the next frame", {kKeyReturn}, 2, 0},
                           {"released", {}, 2, 0},
                           {"Up from Easy gives Hard", {kKeyUp}, 2, 2},
                           {"held Up changes it once", {kKeyUp}, 2, 2},
                           {"and never starts a game", {kKeyUp}, 2, 2},
                           {"released", {}, 2, 2},
                           {"Down from Hard gives Easy", {kKeyDown}, 2, 0},
                           {"held Down", {kKeyDown}, 2, 0},
                           {"released", {}, 2, 0},
                           {"Down from Easy gives Medium", {kKeyDown}, 2, 1},
                           {"Z while Down is held does not start", {kKeyDown, kKeyZ}, 2, 1},
                           {"nor later", {kKeyZ}, 2, 1},
                           {"released", {}, 2, 1},
                       });
}

TEST_F(FrontEndTest, StartingAGameSetsItUpAndTheScreenSlidesInAgain) {
  Frames(40);
  crownlift::GraphScroll = 64;
  crownlift::Selection = 3;
  Press(kKeyZ);
  Frames(1);
  const auto before = CueCounts();
  Frames(1);
  ASSERT_EQ(gameLog.games, 1);
  EXPECT_EQ(gameLog.stateDuringGame, 1);
  EXPECT_EQ(gameLog.pointerX, 1280);
  EXPECT_EQ(gameLog.pointerY, 960);
  const auto rates = RatesPlayedSince(before);
  ASSERT_EQ(rates.size(), 1u);
  EXPECT_FLOAT_EQ(rates[0], 1.5f);
  EXPECT_EQ(crownlift::GameContext.GameState, 0);
  EXPECT_EQ(crownlift::GraphScroll, 0);
  EXPECT_EQ(crownlift::Selection, 0);
  EXPECT_EQ(state.SlideIn, 0);
  Frames(1);
  EXPECT_EQ(state.SlideIn, 1);
  const auto prompt = Texts(DrawsOfLastFrame(), "Press Start (Z) To Begin");
  ASSERT_EQ(prompt.size(), 1u);
  EXPECT_EQ(MiddleY(prompt[0]), kCy + 775);
}

TEST_F(FrontEndTest, AnOpenOverlayHoldsTheStartUntilItHasSlidAway) {
  Frames(32);
  Press(kKeyZ);
  for (int offset : {0, -100, -250}) {
    crownlift::OverlayOffset = offset;
    Frames(1);
    EXPECT_EQ(gameLog.games, 0) << "overlay at " << offset;
  }
  crownlift::OverlayOffset = -251;
  Frames(1);
  EXPECT_EQ(gameLog.games, 1);
}

TEST_F(FrontEndTest, TabsAndDifficultyClicksStillWorkUnderTheOverlay) {
  Frames(32);
  crownlift::OverlayOffset = 0;
  crownlift::SettingsOpen = 1;
  Press(kKey3);
  Frames(1);
  EXPECT_EQ(state.ActiveTab, 2);
  Release(kKey3);
  PointerTo(kCx - 100 + 20, kCy + 250 + 20);  // inside "Medium"
  Frames(1);
  Button(1, true);
  Frames(1);
  EXPECT_EQ(crownlift::GameContext.Difficulty, 1);
  PointerTo(kCx - 100 + 20, kCy + 300 + 20);  // dragged onto "Hard": latched
  Frames(2);
  EXPECT_EQ(crownlift::GameContext.Difficulty, 1);
  Button(1, false);
  Frames(1);
  Button(1, true);
  Frames(1);
  EXPECT_EQ(crownlift::GameContext.Difficulty, 2);
}

TEST_F(FrontEndTest, EscapeQuitsAtOnceButNotWhileHeldFromAGame) {
  Press(kKeyEscape);
  EXPECT_TRUE(Frames(1)) << "Escape held in the first frame quits";
  Release(kKeyEscape);

  FrontEndState fresh;
  state = fresh;
  Frames(32);
  gameLog.holdEscapeOnReturn = true;  // the player leaves the game with Escape still down
  Press(kKeyZ);
  Frames(1);
  EXPECT_FALSE(Frames(1));
  ASSERT_EQ(gameLog.games, 1);
  Release(kKeyZ);
  EXPECT_FALSE(Frames(5)) << "Escape still held from the game";
  Release(kKeyEscape);
  EXPECT_FALSE(Frames(1));
  Press(kKeyEscape);
  EXPECT_TRUE(Frames(1));
}

TEST_F(FrontEndTest, SettingsHintBlinksOnlyAtTheDefaultWidth) {
  struct Case {
    int width;
    int phase;  // Millisecs modulo 800 when the frame is drawn
    bool yellow;
  };
  const Case cases[] = {{800, 0, true},     {800, 399, true},   {800, 400, false},
                        {800, 799, false},  {1024, 100, false}, {1024, 500, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE("width " + std::to_string(c.width) + " at " + std::to_string(c.phase));
    crownlift::Settings[crownlift::Width] = c.width;
    const int now = crownlift::Millisecs();
    platform::headless::AdvanceClock(((c.phase - now % 800) + 800) % 800);
    Frames(1);
    const auto frame = DrawsOfLastFrame();
    const auto hint = Texts(frame, "Hit [Tab] for settings");
    ASSERT_EQ(hint.size(), 1u);
    EXPECT_EQ(hint[0].x, 4);
    EXPECT_EQ(hint[0].y, 4);
    EXPECT_EQ(hint[0].b, c.yellow ? 0 : 255);
    EXPECT_EQ(hint[0].r, 255);
    EXPECT_EQ(hint[0].g, 255);
    const char* lines[] = {"Redefine Controls", "Audio Options", "and Hi-Def gaming!"};
    for (int i = 0; i < 3; ++i) {
      const auto line = Texts(frame, lines[i]);
      ASSERT_EQ(line.size(), 1u);
      EXPECT_EQ(line[0].y, 35 + 20 * i);
      EXPECT_EQ(line[0].r, 180);
      EXPECT_EQ(line[0].b, 180);
    }
  }
}

TEST_F(FrontEndTest, PromptNamesPlayerOnesFireBinding) {
  Frames(1);
  EXPECT_EQ(Texts(DrawsOfLastFrame(), "Press Start (Z) To Begin").size(), 1u);
  crownlift::Bindings[crownlift::Action1] = kKeyX;
  Frames(1);
  EXPECT_EQ(Texts(DrawsOfLastFrame(), "Press Start (X) To Begin").size(), 1u);
}

TEST_F(FrontEndTest, LoopEndsThroughTheFarewellScreenOnEscape) {
  // Escape comes with the 40th frame and stays down: the farewell screen's
  // release wait gives up on it, and the held key then ends the program.
  const int64_t first = platform::headless::PresentCount();
  platform::headless::AtFrame(first + 40, platform::headless::KeyPress(kKeyEscape));
  int status = -1;
  try {
    crownlift::RunFrontEnd();
  } catch (const platform::headless::ProcessEnded& ended) {
    status = ended.status;
  }
  EXPECT_EQ(status, 0);
  // Forty frames of the title screen, then the one farewell frame.
  EXPECT_EQ(platform::headless::PresentCount() - first, 41);
  EXPECT_EQ(Texts(DrawsOfLastFrame(), "Thanks for Playing").size(), 1u);
  EXPECT_TRUE(platform::PathExists(folder.Path("Files/Setup.ini")));
  EXPECT_TRUE(platform::PathExists(folder.Path("Files/270/nuscores.dat")));
  EXPECT_FALSE(platform::headless::Display().open);
}

}  // namespace
