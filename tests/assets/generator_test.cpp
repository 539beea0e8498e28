// The generator: two runs give the same bytes (the build must not produce a
// different game each time), and the build folder holds the fonts with
// their licences under the names the program loads.
#include <gtest/gtest.h>  // Required for: TEST, EXPECT_*

#include <cstdlib>     // Required for: std::system
#include <fstream>     // Required for: std::ofstream
#include <filesystem>  // Required for: directory iteration, remove_all
#include <map>         // Required for: file name -> bytes
#include <string>      // Required for: paths

#include "asset_files.h"  // Required for: GeneratorPath, MakeTempDir, ReadBytes

namespace assettest {
namespace {

namespace fs = std::filesystem;

// The generator's command line for an output folder, both paths quoted.
std::string Command(const std::string& dir, bool quiet) {
  std::string out;
  for (const std::string& part : {GeneratorPath(), dir}) {
    if (part.empty()) continue;
    out.push_back('"');
    out.append(part);
    out.append("\" ");
  }
  if (quiet) out.append("> /dev/null 2>&1");
  return out;
}

std::map<std::string, std::vector<uint8_t>> Generate(const std::string& dir) {
  std::string command = Command(dir, false);
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  std::map<std::string, std::vector<uint8_t>> files;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(dir)) {
    if (e.is_regular_file()) files[fs::relative(e.path(), dir).string()] = ReadBytes(e.path());
  }
  return files;
}

TEST(Generator, TwoRunsWriteTheSameBytes) {
  std::string a = MakeTempDir("crownlift-assets-a"), b = MakeTempDir("crownlift-assets-b");
  auto first = Generate(a), second = Generate(b);
  fs::remove_all(a);
  fs::remove_all(b);
  // 4 common files (icons, two logos, jingle) and 16 game files.
  EXPECT_EQ(first.size(), 20u);
  ASSERT_EQ(first.size(), second.size());
  for (const auto& [name, bytes] : first) {
    ASSERT_TRUE(second.count(name)) << name;
    EXPECT_FALSE(bytes.empty()) << name;
    EXPECT_TRUE(bytes == second.at(name)) << name << " differs between runs";
  }
}

TEST(Generator, RefusesAMissingOrUnwritableTarget) {
  EXPECT_NE(std::system(Command("", true).c_str()), 0);
  std::string blocked = MakeTempDir("crownlift-assets-blocked");
  // A file where the Common folder should go: nothing can be written there.
  { std::ofstream(blocked + "/Common") << "x"; }
  EXPECT_NE(std::system(Command(blocked, true).c_str()), 0);
  fs::remove_all(blocked);
}

TEST(BuildFolder, HoldsTheFourFontsWithTheirLicences) {
  for (const char* name : {"SVBasicManual", "November", "Blue Highway", "Acknowledge TT BRK"}) {
    std::string base = FilesDir() + "/Common/" + name;
    std::vector<uint8_t> font = ReadBytes(base + ".ttf");
    ASSERT_GE(font.size(), 4u) << name;
    // TrueType outlines start with version 1.0 (0x00010000) or 'true'.
    bool trueType = (font[0] == 0 && font[1] == 1 && font[2] == 0 && font[3] == 0) ||
                    (font[0] == 't' && font[1] == 'r' && font[2] == 'u' && font[3] == 'e');
    EXPECT_TRUE(trueType) << name;
    std::vector<uint8_t> licence = ReadBytes(base + ".LICENSE.txt");
    std::string text(licence.begin(), licence.end());
    EXPECT_NE(text.find("License"), std::string::npos) << name;
  }
}

}  // namespace
}  // namespace assettest
