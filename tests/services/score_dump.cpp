// score_dump.cpp - prints the runs of a score file, one line each, for the
// end-to-end scripts: Name|Score|GameMode|Quit, newest first.
//
//   score_dump GAME_FOLDER   (the folder holding nuscores.dat, e.g. Files/270)
//
// It reads the file exactly as the game does (same key, same decoder), so a
// record the game wrote and the game can read back is what it prints.
#include <cstdio>  // Required for: the output lines

#include "platform/platform.h"  // Required for: Init, ChangeFolder
#include "scores/scores.h"      // Required for: LoadScores, LocalScores

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: score_dump GAME_FOLDER\n");
    return 2;
  }
  platform::Init();
  crownlift::CreateScoreLists();
  crownlift::BuildTitleKey();
  if (!platform::ChangeFolder(argv[1])) {
    std::fprintf(stderr, "score_dump: no folder %s\n", argv[1]);
    return 2;
  }
  crownlift::LoadScores();
  for (const crownlift::Scores& run : crownlift::LocalScores) {
    std::printf("%s|%lld|%d|%d\n", run.Name.c_str(), static_cast<long long>(run.Score),
                static_cast<int>(run.GameMode), static_cast<int>(run.Quit));
  }
  platform::Shutdown();
  return 0;
}
