// make_corpus.cpp - writes the seed corpus in fuzz/corpus/ with the project's
// own writers, so every seed is a file the game itself could have made.
//
//   crownlift_fuzz_corpus <corpus folder>   (fuzz/run.sh --seeds runs it)
//
// The seeds are kept tiny: libFuzzer mutates small inputs far faster, and the
// interesting structure (chunk headers, Ogg pages, PNG chunks) is all at the
// start of a file anyway.
#include <cmath>       // Required for: std::sin
#include <cstdio>      // Required for: messages
#include <filesystem>  // Required for: making the folders
#include <fstream>     // Required for: copying files, writing text seeds
#include <string>      // Required for: paths
#include <vector>      // Required for: samples and pixels

#include "controls/bindings.h"             // Required for: ResetBindings
#include "platform/headless/headless.h"    // Required for: Reset
#include "platform/platform.h"             // Required for: Init, ChangeFolder
#include "scores/scores.h"                 // Required for: SaveScores
#include "settings/setup_file.h"           // Required for: WriteSetupFile
#include "shell/state.h"                   // Required for: Settings
#include "tools/assetgen/writers.h"        // Required for: WritePng, WriteWav, WriteOgg

namespace fs = std::filesystem;

namespace {

std::vector<float> Tone(int samples) {
  std::vector<float> out(samples);
  for (int i = 0; i < samples; ++i) out[i] = 0.5f * std::sin(i * 0.07f) * (1.0f - float(i) / samples);
  return out;
}

std::vector<uint8_t> Pixels(int width, int height) {
  std::vector<uint8_t> rgba(size_t(width) * height * 4);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint8_t* p = &rgba[(size_t(y) * width + x) * 4];
      p[0] = uint8_t(x * 40);
      p[1] = uint8_t(y * 40);
      p[2] = (x + y) % 3 ? 0 : 255;
      p[3] = (x == y) ? 0 : 255;  // some transparent pixels, some black ones
    }
  }
  return rgba;
}

void Copy(const fs::path& from, const fs::path& to) {
  fs::copy_file(from, to, fs::copy_options::overwrite_existing);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
    return 2;
  }
  const fs::path out = fs::absolute(argv[1]);
  for (const char* target : {"setup", "scores", "png", "wav", "ogg"}) fs::create_directories(out / target);
  const fs::path work = fs::temp_directory_path() / "crownlift-fuzz-corpus";
  fs::remove_all(work);
  fs::create_directories(work / "Files" / "270");

  // Images: the first two bytes of a png seed are the target's cell size and flags.
  bool ok = true;
  const std::pair<int, int> sizes[] = {{1, 1}, {4, 3}, {8, 8}};
  for (const auto& [w, h] : sizes) {
    const fs::path png = work / "seed.png";
    ok &= assetgen::WritePng(png.string(), w, h, Pixels(w, h));
    std::ifstream in(png, std::ios::binary);
    std::ofstream seed(out / "png" / ("rgba_" + std::to_string(w) + "x" + std::to_string(h)),
                       std::ios::binary);
    seed << char(w > 1 ? 2 : 0) << char(3) << in.rdbuf();  // masked, CRCs put right
  }
  ok &= assetgen::WriteWav((out / "wav" / "tone.wav").string(), Tone(64));
  ok &= assetgen::WriteWav((out / "wav" / "empty.wav").string(), {});
  ok &= assetgen::WriteOgg((out / "ogg" / "tone.ogg").string(), Tone(256));

  // Setup.ini and nuscores.dat as the game writes them.
  platform::Init();
  platform::headless::Reset();
  platform::ChangeFolder((work / "Files" / "270").string());
  crownlift::Settings.fill(0);
  crownlift::Settings[crownlift::Width] = 800;
  crownlift::Settings[crownlift::Height] = 600;
  crownlift::Settings[crownlift::MasterVolume] = 50;
  crownlift::ResetBindings();
  crownlift::AudioDrivers = platform::AudioDriverNames();
  crownlift::WriteSetupFile();
  Copy(work / "Files" / "Setup.ini", out / "setup" / "Setup.ini");

  crownlift::BuildTitleKey();
  crownlift::CreateScoreLists();
  crownlift::AccountName = "acct";
  crownlift::AccountPassword = "pw";
  for (int i = 0; i < 3; ++i) {
    crownlift::Scores record;
    record.Name = "Pilot" + std::to_string(i);
    record.Score = 1000 * (i + 1);
    record.Timestamp = 24000000000 + i;
    record.Badges = 5 << i;
    record.Best[1] = 3;
    record.Best[30] = i == 2;
    record.GameMode = i;
    record.Quit = i == 1;
    crownlift::LocalScores.push_back(record);
  }
  crownlift::SaveScores();
  {
    // Even first byte: the file as it is.
    std::ifstream in(work / "Files" / "270" / "nuscores.dat", std::ios::binary);
    std::ofstream seed(out / "scores" / "saved", std::ios::binary);
    seed << char(0) << in.rdbuf();
  }
  {
    // Odd first byte: plain lines the target scrambles itself.
    std::ofstream seed(out / "scores" / "plain", std::ios::binary);
    const std::string mark = crownlift::SectionMark;
    seed << char(1) << "acct|pw\n";
    for (const crownlift::Scores& record : crownlift::LocalScores) {
      seed << crownlift::ScoreLine(record) << mark << crownlift::BestLine(record) << "\n";
    }
  }
  fs::remove_all(work);
  if (!ok) std::fprintf(stderr, "a writer failed\n");
  return ok ? 0 : 1;
}
