// scores_dump.cpp - prints the runs a score file holds, so the play-through
// script can check what the real program saved without decoding it in shell.
//
//   scores_dump GAME_FOLDER   -> one line per run, newest first:
//                                name<TAB>difficulty<TAB>score<TAB>quit
//
// Reads GAME_FOLDER/nuscores.dat through the engine's own loader; a missing
// or unreadable file prints nothing and exits 1.
#include <cstdio>  // Required for: printf

#include "platform/platform.h"  // Required for: Init, ChangeFolder, KindOfPath
#include "scores/scores.h"      // Required for: LoadScores, LocalScores

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: scores_dump GAME_FOLDER\n");
    return 2;
  }
  platform::Init();
  if (!platform::ChangeFolder(argv[1]) ||
      platform::KindOfPath("nuscores.dat") != platform::PathKind::File) {
    std::fprintf(stderr, "scores_dump: no nuscores.dat in %s\n", argv[1]);
    return 1;
  }
  crownlift::CreateScoreLists();
  crownlift::BuildTitleKey();
  crownlift::LoadScores();
  for (const crownlift::Scores& run : crownlift::LocalScores) {
    std::printf("%s\t%d\t%lld\t%d\n", run.Name.c_str(), run.GameMode,
                static_cast<long long>(run.Score), run.Quit);
  }
  platform::Shutdown();
  return 0;
}
