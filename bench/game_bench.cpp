// game_bench.cpp - what one frame of the play loop costs, and one overlap test.
//
//   build/bench/game_bench
//
// Runs on the headless backend with the game's real images (the build's
// game/Files/270/), draws not recorded, so the figures are the game's own
// work plus the draw-state calls, not a renderer's. Play-loop frames at
// level 1 (no hazards) and at level 31 (LevelNumber 30: 90 hazards placed,
// each drawn and tested against the craft every frame); the craft hovers in
// the middle of the field and the harness clears any crash before each
// frame, so every frame runs all of its collision tests. Then the pixel-exact
// overlap test of the craft and a spun hazard at scale 2: overlapping
// (found at once), a near miss whose boxes meet (the whole common box
// scanned) and boxes apart. The two kinds of figure are measured taking
// turns in rounds, and each is the median of its rounds: wall-clock and
// processor time per frame or per test.
#include <algorithm>  // Required for: std::sort
#include <chrono>     // Required for: wall-clock timing
#include <cstdio>     // Required for: the table
#include <ctime>      // Required for: processor time
#include <functional> // Required for: the measured bodies
#include <vector>     // Required for: round figures

#include "engine/draw.h"                 // Required for: SetDrawScale, SetDrawRotation
#include "engine/frame_end.h"            // Required for: LastFrameTime, DebugOverlay
#include "game/assets.h"                 // Required for: LoadGameAssets and the images
#include "game/level.h"                  // Required for: the level and craft state
#include "game/play.h"                   // Required for: StartGame, PlayFrame
#include "platform/headless/headless.h"  // Required for: SetRecordDraws
#include "platform/platform.h"
#include "shell/state.h"                 // Required for: Display, Settings, GameContext

namespace {
using namespace crownlift;

struct Cost {
  double wallUs, cpuUs;
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Runs body n times; the cost of one run.
Cost Measure(int n, const std::function<void()>& body) {
  const auto wall0 = std::chrono::steady_clock::now();
  const std::clock_t cpu0 = std::clock();
  for (int i = 0; i < n; ++i) body();
  const double cpu = double(std::clock() - cpu0) / CLOCKS_PER_SEC * 1e6;
  const double wall =
      std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - wall0).count();
  return {wall / n, cpu / n};
}

void SetUpLevelHovering(int levelNumber) {
  LevelNumber = levelNumber;
  SetUpLevel();
}

// One play-loop frame with the craft held mid-field, out of the start hold.
void HoveringFrame() {
  CraftX = 600;
  CraftY = 400;
  CraftVX = CraftVY = 0;
  StartHold = 1000;
  CrashTimer = 0;
  PlayFrame();
}

volatile int sink = 0;

// The hazard's closest diagonal offset from the craft that does not touch
// it: the boxes meet the most there while no pixel overlaps, the dearest miss.
int NearMissOffset() {
  SetDrawScale(2);
  SetDrawRotation(37);
  int d = 100;
  while (d > 0 && !platform::ImagesCollide(HazardImage, 632 + d - 1, 432 + d - 1, 0, CraftImage,
                                           632, 432, 0)) {
    --d;
  }
  return d;
}

}  // namespace

int main() {
  platform::Init();
  platform::headless::Reset();
  platform::headless::SetRecordDraws(false);
  if (!platform::ChangeFolder(CROWNLIFT_GAME_DIR "/Files/270/")) {
    std::fprintf(stderr, "game_bench: no game folder at %s/Files/270 (build game_assets)\n",
                 CROWNLIFT_GAME_DIR);
    return 1;
  }
  Settings.fill(0);  // sound off: the effects are not loaded
  platform::OpenDisplay(Display.ScreenWidth, Display.ScreenHeight, 0, 60);
  platform::SetLogicalSize(Display.VirtualWidth, Display.VirtualHeight);
  LoadGameAssets();
  GameContext.GameState = 1;
  LastFrameTime = Millisecs();
  StartGame();

  const int kFrames = 300, kTests = 20000, kRounds = 9;
  struct Row {
    const char* name;
    int n;
    std::function<void()> prepare, body;
    std::vector<double> wall, cpu;
  };
  auto collide = [](int hx, int hy) {
    return [hx, hy] {
      SetDrawScale(2);
      SetDrawRotation(37);
      sink = sink + platform::ImagesCollide(HazardImage, hx, hy, 0, CraftImage, 632, 432, 0);
    };
  };
  const int miss = NearMissOffset();
  std::vector<Row> rows = {
      {"play frame, level 1 (no hazards)", kFrames, [] { SetUpLevelHovering(0); }, HoveringFrame,
       {}, {}},
      {"play frame, level 31 (90 hazards)", kFrames, [] { SetUpLevelHovering(30); },
       HoveringFrame, {}, {}},
      {"overlap test, overlapping", kTests, [] {}, collide(640, 440), {}, {}},
      {"overlap test, near miss", kTests, [] {}, collide(632 + miss, 432 + miss), {}, {}},
      {"overlap test, boxes apart", kTests, [] {}, collide(900, 100), {}, {}},
  };
  for (int round = 0; round < kRounds; ++round) {
    for (Row& row : rows) {
      row.prepare();
      const Cost c = Measure(row.n, row.body);
      row.wall.push_back(c.wallUs);
      row.cpu.push_back(c.cpuUs);
    }
  }
  int hazards = 0;
  SetUpLevelHovering(30);
  for (const ar& a : StarField) hazards += a.big;

  std::printf("%-36s %14s %14s\n", "median of 9 rounds", "wall us/each", "cpu us/each");
  for (const Row& row : rows) {
    std::printf("%-36s %14.3f %14.3f\n", row.name, Median(row.wall), Median(row.cpu));
  }
  std::printf("near miss at a diagonal offset of %d pixels\n", miss);
  std::printf("level 31 / level 1 frame cost: %.2f (wall), %.2f (cpu); %d distinct hazards\n",
              Median(rows[1].wall) / Median(rows[0].wall), Median(rows[1].cpu) / Median(rows[0].cpu),
              hazards);
  UnloadGameAssets();
  platform::Shutdown();
  return 0;
}
