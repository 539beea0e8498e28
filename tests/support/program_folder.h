// program_folder.h - a throw-away program folder for tests of the whole engine.
//
// Makes a fresh temporary folder laid out like build/game/ (Files/,
// Files/Common/, Files/270/) with small images of the right cell counts, so
// start-up finds everything it needs; the folder is the working directory
// while the test runs and is removed afterwards. Fonts are left out on
// purpose: the engine falls back to the built-in font.
#pragma once

#include <string>  // Required for: paths and file contents
#include <vector>  // Required for: the lines of a file

namespace testing_support {

class ProgramFolder {
 public:
  ProgramFolder();   // creates the folder, makes it current, starts the headless platform
  ~ProgramFolder();  // returns to the previous folder and removes this one
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  const std::string& Root() const { return root_; }  // ends in "/"
  std::string Path(const std::string& relative) const { return root_ + relative; }

  // Writes a PNG of the given size: a filled circle in each cell of cell x cell.
  static void WriteTestImage(const std::string& path, int width, int height, int cell);
  // Writes a short 16-bit mono WAV.
  static void WriteTestWave(const std::string& path, int milliseconds);

 private:
  std::string root_;
  std::string previous_;
};

std::string ReadFile(const std::string& path);
// Splits at CR LF; a final CR LF gives no empty last line.
std::vector<std::string> SplitCrLfLines(const std::string& bytes);

}  // namespace testing_support
