// frame_end_test.cpp - pacing, the message log, the overlays and the close request.
#include <gtest/gtest.h>

#include <algorithm>  // Required for: std::find_if

#include "engine/draw.h"
#include "engine/frame_end.h"
#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "shell/assets.h"
#include "shell/state.h"
#include "tests/support/program_folder.h"

namespace {
using namespace crownlift;
namespace hl = platform::headless;
using Kind = hl::DrawRecord::Kind;

class FrameEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::ChangeFolder(folder.Path("Files/270/"));
    Settings.fill(0);
    Display = DisplayRecord{};
    platform::OpenDisplay(800, 600, 0, 60);
    platform::SetLogicalSize(1280, 960);
    Icons = platform::LoadStrip("../Common/icons.png", 16, 16, 0, 64, platform::kImageMasked);
    ASSERT_NE(Icons, nullptr);
    Fonts.fill(nullptr);
    MessageLog.clear();
    FrameParity = 0;
    DebugOverlay = 0;
    SettingsOpen = 0;
    FpsAverage = 0;
    LastFrameTime = Millisecs();
    hl::ClearDraws();
  }
  void TearDown() override {
    platform::UnloadImage(Icons);
    Icons = nullptr;
  }
  // The draws of the frame that the last FrameEnd presented.
  std::vector<hl::DrawRecord> Drawn() { return hl::DrawsOfLastFrame(); }

  testing_support::ProgramFolder folder;
};

TEST_F(FrameEndTest, PacesFramesToNoLessThanFifteenMilliseconds) {
  FrameEnd(0);
  const int first = Millisecs();
  FrameEnd(0);
  EXPECT_GE(Millisecs() - first, 15);
  EXPECT_EQ(FrameMillis, 15);
  // The integer running average: 1000 / 15 = 66, then (66 + 2 x 22) / 3.
  EXPECT_EQ(FpsAverage, 36);
}

TEST_F(FrameEndTest, MessagesStackUpwardsAndTurnFromYellowToWhiteThenGo) {
  AddMessage("first", 1);
  AddMessage("second", 1);
  AddMessage("third", 1);
  FrameEnd(0);
  std::vector<hl::DrawRecord> texts, rects;
  for (const auto& d : Drawn()) {
    if (d.kind == Kind::Text) texts.push_back(d);
    if (d.kind == Kind::Rect) rects.push_back(d);
  }
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, "first");
  EXPECT_EQ(texts[0].y, 960 - 16);
  EXPECT_EQ(texts[1].y, 960 - 30);
  EXPECT_EQ(texts[2].y, 960 - 44);
  EXPECT_EQ(texts[0].x, 0);
  EXPECT_EQ(texts[0].r, 0);  // black on yellow while fresh
  ASSERT_EQ(rects.size(), 3u);
  EXPECT_EQ(rects[0].r, 255);
  EXPECT_EQ(rects[0].g, 255);
  EXPECT_EQ(rects[0].b, 0);
  EXPECT_FLOAT_EQ(rects[0].alpha, 0.7f);
  EXPECT_EQ(rects[0].w, platform::TextWidth("first"));
  EXPECT_EQ(MessageLog.front().tick, 1);

  for (int frame = 2; frame <= 60; ++frame) FrameEnd(0);
  EXPECT_EQ(MessageLog.front().tick, 60);
  auto firstText = [&] {
    const auto drawn = Drawn();
    return *std::find_if(drawn.begin(), drawn.end(), [](const auto& d) { return d.kind == Kind::Text; });
  };
  EXPECT_EQ(firstText().r, 255);  // white from the 60th frame on

  for (int frame = 61; frame < 180; ++frame) FrameEnd(0);
  EXPECT_EQ(MessageLog.size(), 3u);
  FrameEnd(0);
  EXPECT_TRUE(MessageLog.empty());
  // Drawn in its 180th frame, then removed.
  EXPECT_EQ(firstText().text, "first");
  FrameEnd(0);
  for (const auto& d : Drawn()) EXPECT_NE(d.kind, Kind::Text);
}

TEST_F(FrameEndTest, F12TogglesTheDebugOverlay) {
  DrawCounts[1] = 12;
  DrawBudgets[1] = 2000;
  hl::ApplyNow(hl::KeyPress(123));
  FrameEnd(0);
  EXPECT_EQ(DebugOverlay, 1);
  bool sawImages = false;
  for (const auto& d : Drawn()) {
    if (d.kind == Kind::Text && d.text == "Drawn Images : 12/2000") {
      sawImages = true;
      EXPECT_EQ(d.x, 2);
      EXPECT_EQ(d.y, 80);
      EXPECT_FLOAT_EQ(d.scaleX, 1.5f);
    }
  }
  EXPECT_TRUE(sawImages);
  hl::ApplyNow(hl::KeyRelease(123));
  hl::ApplyNow(hl::KeyPress(123));
  FrameEnd(0);
  EXPECT_EQ(DebugOverlay, 0);
}

TEST_F(FrameEndTest, PointerIsDrawnOnlyWhenAskedOrWithSettingsOpen) {
  hl::InputEvent pointer;
  pointer.kind = hl::InputEvent::Kind::PointerTo;
  pointer.x = 300;
  pointer.y = 200;
  hl::ApplyNow(pointer);
  auto pointers = [&] {
    int n = 0;
    for (const auto& d : Drawn()) {
      if (d.kind == Kind::Image && d.frame == 63) {
        ++n;
        EXPECT_EQ(d.x, 312);
        EXPECT_EQ(d.y, 212);
        EXPECT_FLOAT_EQ(d.scaleX, 1.5f);
      }
    }
    return n;
  };
  FrameEnd(0);
  EXPECT_EQ(pointers(), 0);
  FrameEnd(1);
  EXPECT_EQ(pointers(), 1);
  EXPECT_EQ(MouseX, 300);
  EXPECT_EQ(MouseY, 200);
}

TEST_F(FrameEndTest, SlowSystemPresentsEveryOtherFrame) {
  Settings[SlowSystem] = 1;
  const int64_t before = hl::PresentCount();
  for (int i = 0; i < 10; ++i) FrameEnd(0);
  EXPECT_EQ(hl::PresentCount() - before, 5);
  EXPECT_EQ(FrameParity, 0);
}

TEST_F(FrameEndTest, CloseRequestShutsDownWithStatusZero) {
  hl::InputEvent close;
  close.kind = hl::InputEvent::Kind::CloseRequest;
  hl::ApplyNow(close);
  try {
    FrameEnd(0);
    FAIL() << "FrameEnd returned after a close request";
  } catch (const hl::ProcessEnded& ended) {
    EXPECT_EQ(ended.status, 0);
  }
  // Settings were written on the way out.
  EXPECT_TRUE(platform::PathExists(folder.Path("Files/Setup.ini")));
}

}  // namespace
