// crownlift_assetgen: draws and synthesises every asset the game loads.
//
//   crownlift_assetgen OUT            writes OUT/Common/ and OUT/270/
//   crownlift_assetgen --preview DIR  writes play.png and menu.png mock-ups
//
// The build runs the first form into build/game/Files/. The output is the
// same, byte for byte, on every run: no clock, no unseeded randomness.
#include <cstdio>      // Required for: std::fprintf
#include <filesystem>  // Required for: create_directories
#include <string>      // Required for: paths

#include "art.h"      // Required for: the Draw* functions
#include "preview.h"  // Required for: WritePreviews
#include "sounds.h"   // Required for: MakeEffects, MakeJingle
#include "writers.h"  // Required for: WritePng, WriteWav, WriteOgg

namespace {

using assetgen::Canvas;

struct ImageAsset {
  const char* folder;
  const char* file;
  Canvas (*draw)();
};

const ImageAsset kImages[] = {
    {"Common", "icons.png", assetgen::DrawIcons},
    {"Common", "logopack.png", assetgen::DrawSeriesLogo},
    {"Common", "Brasslane.png", assetgen::DrawSiteLogo},
    {"270", "logo.png", assetgen::DrawTitleLogo},
    {"270", "folk.png", assetgen::DrawFolk},
    {"270", "top.png", assetgen::DrawTop},
    {"270", "bot.png", assetgen::DrawBot},
    {"270", "stick.png", assetgen::DrawStick},
    {"270", "wockit.png", assetgen::DrawWockit},
    {"270", "grip.png", assetgen::DrawGrip},
    {"270", "smash.png", assetgen::DrawSmash},
    {"270", "smashb.png", assetgen::DrawSmashB},
    {"270", "badges.png", assetgen::DrawBadges},
};

bool Fail(const std::string& path) {
  std::fprintf(stderr, "crownlift_assetgen: cannot write %s\n", path.c_str());
  return false;
}

bool WriteAll(const std::string& root) {
  std::error_code ec;
  std::filesystem::create_directories(root + "/Common", ec);
  std::filesystem::create_directories(root + "/270", ec);
  for (const ImageAsset& a : kImages) {
    std::string path = root + "/" + a.folder + "/" + a.file;
    Canvas c = a.draw();
    if (!assetgen::WritePng(path, c.width, c.height, assetgen::ToRgba8(c))) return Fail(path);
  }
  for (const assetgen::EffectSound& e : assetgen::MakeEffects()) {
    std::string path = root + "/270/" + e.file;
    if (!assetgen::WriteWav(path, e.samples)) return Fail(path);
  }
  std::string jingle = root + "/Common/open.ogg";
  if (!assetgen::WriteOgg(jingle, assetgen::MakeJingle())) return Fail(jingle);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string first = argc > 1 ? argv[1] : "";
  if (argc == 3 && first == "--preview") {
    std::error_code ec;
    std::filesystem::create_directories(argv[2], ec);
    return assetgen::WritePreviews(argv[2]) ? 0 : 1;
  }
  if (argc != 2 || first.empty() || first[0] == '-') {
    std::fprintf(stderr, "usage: crownlift_assetgen OUT | --preview DIR\n");
    return 2;
  }
  return WriteAll(first) ? 0 : 1;
}
