// soak.cpp - the whole program for a long stretch of simulated play, watching memory.
//
//   build/bench/soak [FRAMES] [SEED]      (default 216000 frames: an hour at 60 Hz)
//
// Runs start-up and the front end on the headless backend in a copy of the
// built program folder, fed a random script of a careless player: tab keys,
// pointer moves and clicks, the settings overlay (Tab, always closed again),
// games started with the fire key, the pause menu (Escape, then Up/Down and
// Space), thrust and steering, and names typed at the name prompt. The
// script is timed on the simulated clock because the pause menu waits for
// Escape's release without presenting a frame. A close request at the end
// takes the program through its farewell; should the player's keys have
// quit it earlier (Escape on the title screen), it is started again, as a
// player would, and the restart is counted.
//
// A sampler thread reads the allocator's bytes in use and the resident set
// size (VmRSS) every 5 ms of wall time. The report gives frames, wall and
// simulated time, those figures along the run, their peaks and final values,
// and the growth from the second to the last tenth of the frames (medians,
// so a passing reload does not count). Exits non-zero when the program did not end through its own
// shutdown or when the run presented fewer frames than asked.
#include <algorithm>   // Required for: std::max
#include <atomic>      // Required for: the sampler's stop flag
#include <chrono>      // Required for: wall time
#include <cstdio>      // Required for: the report
#include <cstdlib>     // Required for: std::strtoll
#include <filesystem>  // Required for: the copy of the program folder
#include <fstream>     // Required for: /proc/self/status
#include <mutex>       // Required for: the samples
#include <random>      // Required for: the player's script
#include <string>      // Required for: status lines
#include <thread>      // Required for: the sampler
#include <vector>      // Required for: samples

#include <unistd.h>  // Required for: getpid, naming the folder

#include "platform/headless/headless.h"  // Required for: AtTime, PresentCount, ProcessEnded
#include "platform/platform.h"           // Required for: Init, MemoryInUse
#include "scores/scores.h"               // Required for: LocalScores, the games played
#include "shell/front_end.h"             // Required for: RunFrontEnd
#include "shell/startup.h"               // Required for: RunStartup

namespace {

namespace fs = std::filesystem;
namespace hl = platform::headless;
using Kind = hl::InputEvent::Kind;

constexpr int kEscape = 27, kTab = 9, kReturn = 13, kSpace = 32, kBackspace = 8;
constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40;
constexpr int kKey1 = 49, kKey3 = 51, kZ = 90, kX = 88;
constexpr double kFrameMs = 1000.0 / 60;

struct Sample {
  double wallS;
  int64_t frames;
  int64_t inUse;
  int64_t rssKb;
};

int64_t ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtoll(line.c_str() + 6, nullptr, 10);
  }
  return 0;
}

// Writes the random player's script, timed in simulated milliseconds, up to endMs.
class Script {
 public:
  explicit Script(unsigned seed) : rng_(seed) {}

  void Build(int64_t endMs) {
    int64_t t = 2000;
    while (t < endMs) {
      switch (Pick(0, 9)) {
        case 0: case 1: t = TitleBrowsing(t); break;
        case 2: t = OverlayVisit(t); break;
        default: t = Game(t); break;
      }
    }
  }

 private:
  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

  void At(int64_t ms, const hl::InputEvent& e) { hl::AtTime(ms, e); }
  // A key held for a while; the time after its release.
  int64_t Tap(int64_t t, int code, int holdMs = 0) {
    if (holdMs == 0) holdMs = Pick(40, 160);
    At(t, hl::KeyPress(code));
    At(t + holdMs, hl::KeyRelease(code));
    return t + holdMs + Pick(30, 250);
  }
  int64_t PointAndClick(int64_t t, bool click) {
    hl::InputEvent move;
    move.kind = Kind::PointerTo;
    move.x = float(Pick(0, 1919));
    move.y = float(Pick(0, 1079));
    At(t, move);
    t += Pick(20, 300);
    if (!click) return t;
    hl::InputEvent down, up;
    down.kind = Kind::MouseDown;
    up.kind = Kind::MouseUp;
    down.code = up.code = Pick(1, 10) == 1 ? 2 : 1;
    At(t, down);
    At(t + Pick(40, 150), up);
    return t + 200;
  }

  // Tabs, difficulty and the pointer on the title screen.
  int64_t TitleBrowsing(int64_t t) {
    for (int n = Pick(2, 12); n > 0; --n) {
      switch (Pick(0, 4)) {
        case 0: t = Tap(t, Pick(0, 1) ? kKey1 : kKey3); break;
        case 1: t = Tap(t, Pick(0, 1) ? kUp : kDown); break;
        default: t = PointAndClick(t, Pick(0, 1) == 1); break;
      }
    }
    return t;
  }

  // The settings overlay down, poked at, and up again (each Tab writes Setup.ini).
  int64_t OverlayVisit(int64_t t) {
    t = Tap(t, kTab) + 600;
    for (int n = Pick(1, 8); n > 0; --n) {
      t = PointAndClick(t, true);
      if (Pick(0, 2) == 0) t = Tap(t, Pick(0, 1) ? kX : kRight);  // what a waiting widget binds
    }
    return Tap(t, kTab) + 600;
  }

  // A game: start, fly for a while, maybe pause, and a name at the end.
  int64_t Game(int64_t t) {
    t = Tap(t, kZ, 100) + 500;
    const int64_t end = t + Pick(5, 90) * 1000;
    bool paused = false;
    while (t < end) {
      switch (Pick(0, 9)) {
        case 0:
          if (!paused && Pick(0, 3) == 0) {
            // The pause menu: wander, then choose (Continue or Quit).
            paused = true;
            t = Tap(t, kEscape, 120) + 300;
            for (int n = Pick(0, 4); n > 0; --n) t = Tap(t, Pick(0, 1) ? kUp : kDown);
            t = Tap(t, kSpace) + 300;
          }
          break;
        case 1: t = PointAndClick(t, false); break;
        default: {
          // Thrust and steer, sometimes together.
          static constexpr int kFlightKeys[] = {kUp, kLeft, kRight, kZ, kX};
          const int key = kFlightKeys[Pick(0, 4)];
          t = Tap(t, key, Pick(50, 1500));
          break;
        }
      }
    }
    // Wait out the crash and the game over, then a name: letters, a rub-out, Return.
    t += Pick(2, 20) * 1000;
    At(t, hl::Typed(std::string(1, char('A' + Pick(0, 25))) + "oak"));
    t = Tap(t + 200, kBackspace);
    return Tap(t, kReturn) + 1500;
  }

  std::mt19937 rng_;
};

class Sampler {
 public:
  Sampler() : start_(std::chrono::steady_clock::now()), thread_([this] { Loop(); }) {}
  ~Sampler() { Stop(); }
  void Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  std::vector<Sample> Samples() {
    std::lock_guard<std::mutex> lock(mutex_);
    return samples_;
  }

 private:
  void Loop() {
    while (!stop_) {
      Take();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    Take();
  }
  void Take() {
    // The frame count is read while the program runs; a torn or stale figure
    // only places a sample a frame off.
    Sample s{WallSeconds(), hl::PresentCount(), platform::MemoryInUse(), ResidentKb()};
    std::lock_guard<std::mutex> lock(mutex_);
    samples_.push_back(s);
  }
  double WallSeconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  }

  std::chrono::steady_clock::time_point start_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<Sample> samples_;
  std::thread thread_;
};

// The copy of the built program folder the soak runs in.
fs::path MakeProgramFolder() {
  fs::path dir = fs::temp_directory_path() / ("crownlift-soak-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::copy(CROWNLIFT_GAME_DIR, dir, fs::copy_options::recursive);
  fs::remove(dir / "Files" / "Setup.ini");
  fs::remove(dir / "Files" / "270" / "nuscores.dat");
  return dir;
}

double Mib(int64_t bytes) { return double(bytes) / (1024.0 * 1024.0); }

}  // namespace

int main(int argc, char** argv) {
  const int64_t frames = argc > 1 ? std::strtoll(argv[1], nullptr, 10) : 216000;
  const unsigned seed = argc > 2 ? unsigned(std::strtoul(argv[2], nullptr, 10)) : 9;
  if (frames <= 0) {
    std::fprintf(stderr, "usage: soak [FRAMES] [SEED]\n");
    return 2;
  }
  if (!fs::is_directory(fs::path(CROWNLIFT_GAME_DIR) / "Files" / "270")) {
    std::fprintf(stderr, "soak: no game folder at %s (build crownlift)\n", CROWNLIFT_GAME_DIR);
    return 2;
  }
  const fs::path folder = MakeProgramFolder();
  fs::current_path(folder);

  platform::Init();
  hl::SetRecordDraws(false);
  const int64_t endMs = int64_t(double(frames) * kFrameMs);
  Script(seed).Build(endMs);
  // Close requests from the end on, and keys for any prompt still waiting.
  for (int64_t t = endMs; t < endMs + 120000; t += 2000) {
    hl::InputEvent close;
    close.kind = Kind::CloseRequest;
    hl::AtTime(t, close);
    hl::AtTime(t + 500, hl::KeyPress(kReturn));
    hl::AtTime(t + 600, hl::KeyRelease(kReturn));
  }

  const auto wall0 = std::chrono::steady_clock::now();
  Sampler sampler;
  int restarts = 0, status = -1;
  for (;;) {
    try {
      crownlift::RunStartup();
      crownlift::RunFrontEnd();
    } catch (const hl::ProcessEnded& ended) {
      status = ended.status;
    }
    if (status != 0 || hl::PresentCount() >= frames) break;
    ++restarts;  // quit early by the player's keys: start it again
  }
  sampler.Stop();
  const double wallS =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
  const int64_t presented = hl::PresentCount();
  const size_t games = crownlift::LocalScores.size();
  size_t quits = 0;
  for (const crownlift::Scores& run : crownlift::LocalScores) quits += run.Quit != 0;
  platform::Shutdown();

  const std::vector<Sample> samples = sampler.Samples();
  int64_t peakInUse = 0, peakRss = 0;
  for (const Sample& s : samples) {
    peakInUse = std::max(peakInUse, s.inUse);
    peakRss = std::max(peakRss, s.rssKb);
  }
  std::printf("soak: %lld frames presented (%lld asked), %.1f s simulated, %.1f s wall, "
              "%d restart(s), exit status %d\n",
              (long long)presented, (long long)frames, double(presented) / 60, wallS, restarts,
              status);
  std::printf("games recorded: %zu (%zu of them left through the pause menu's Quit)\n", games,
              quits);
  std::printf("%8s %10s %12s %10s\n", "wall s", "frame", "in use MiB", "RSS MiB");
  const size_t step = std::max<size_t>(1, samples.size() / 10);
  for (size_t i = 0; i < samples.size(); i += step) {
    const Sample& s = samples[i];
    std::printf("%8.1f %10lld %12.2f %10.2f\n", s.wallS, (long long)s.frames, Mib(s.inUse),
                double(s.rssKb) / 1024);
  }
  const Sample& last = samples.back();
  std::printf("%8.1f %10lld %12.2f %10.2f  (final)\n", last.wallS, (long long)last.frames,
              Mib(last.inUse), double(last.rssKb) / 1024);
  std::printf("peak: in use %.2f MiB, RSS %.2f MiB\n", Mib(peakInUse), double(peakRss) / 1024);

  // Growth over the run, start-up and the farewell left out: the median of
  // the samples in the second tenth of the frames against the last tenth.
  auto median = [&](double from, double to, bool rss) {
    std::vector<double> v;
    for (const Sample& s : samples) {
      if (s.frames >= int64_t(from * double(frames)) && s.frames < int64_t(to * double(frames))) {
        v.push_back(rss ? double(s.rssKb) * 1024 : double(s.inUse));
      }
    }
    if (v.empty()) return 0.0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
  };
  std::printf("growth, median of the last tenth of the frames against the second: "
              "in use %+.3f MiB, RSS %+.3f MiB\n",
              (median(0.9, 1.0, false) - median(0.1, 0.2, false)) / (1024.0 * 1024.0),
              (median(0.9, 1.0, true) - median(0.1, 0.2, true)) / (1024.0 * 1024.0));

  std::error_code ignored;
  fs::current_path(fs::temp_directory_path(), ignored);
  fs::remove_all(folder, ignored);
  if (status != 0) {
    std::fprintf(stderr, "soak: the program did not end through its shutdown\n");
    return 1;
  }
  if (presented < frames) {
    std::fprintf(stderr, "soak: only %lld of %lld frames presented\n", (long long)presented,
                 (long long)frames);
    return 1;
  }
  return 0;
}
