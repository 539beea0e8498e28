// setup_file_test.cpp - Setup.ini read, written and survived; the field splitter;
// the audio driver choice.
//
// Each test runs in its own scratch folder laid out like the program's:
// <scratch>/Files/ (Setup.ini, Debug.txt) and <scratch>/Files/270/.
#include <gtest/gtest.h>

#include <unistd.h>  // Required for: getpid, to keep parallel runs apart

#include <array>       // Required for: snapshots of the tables
#include <climits>     // Required for: INT_MAX, INT_MIN
#include <filesystem>  // Required for: scratch folders
#include <fstream>     // Required for: writing fixtures, reading results
#include <optional>    // Required for: "no file" cases
#include <random>      // Required for: seeded junk
#include <set>         // Required for: folder listings

#include "controls/bindings.h"
#include "platform/headless/headless.h"
#include "settings/setup_file.h"
#include "shell/state.h"

namespace {

namespace fs = std::filesystem;
namespace headless = platform::headless;
using crownlift::Bindings;
using crownlift::FieldOf;
using crownlift::Settings;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A literal that may hold zero bytes.
template <size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// Start-up's defaults: everything 0 but the size and the volumes.
void ResetState() {
  Settings.fill(0);
  Settings[crownlift::Width] = 800;
  Settings[crownlift::Height] = 600;
  Settings[crownlift::MasterVolume] = 50;
  Settings[crownlift::SoundVolume] = 50;
  Settings[crownlift::MusicVolume] = 50;
  crownlift::ResetBindings();
  crownlift::AudioDrivers.clear();
  crownlift::DriverNamedInFile = false;
}

class SetupFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset();
    headless::SetAudioDrivers({"A", "B"}, true);
    original_ = fs::current_path();
    const char* name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    root_ = fs::temp_directory_path() /
            ("crownlift-setup-" + std::to_string(getpid()) + "-" + name);
    fs::remove_all(root_);
    fs::create_directories(root_ / "Files" / "270");
    root_ = fs::canonical(root_);
    files_ = root_ / "Files";
    game_ = files_ / "270";
    ASSERT_TRUE(platform::ChangeFolder(files_.string()));
    RestartLog();
    ResetState();
  }

  void TearDown() override {
    crownlift::CloseLog();
    platform::ChangeFolder(original_.string());
    fs::remove_all(root_);
    headless::Reset();
  }

  void RestartLog() {
    crownlift::CloseLog();
    crownlift::OpenLog((files_ / "Debug.txt").string());
  }

  // Debug.txt split into lines; every line must end in CR LF.
  std::vector<std::string> LogLines() {
    std::string bytes = ReadBytes(files_ / "Debug.txt");
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
      lines.push_back(bytes.substr(start, end - start));
    }
    EXPECT_EQ(start, bytes.size()) << "the log ends in the middle of a line";
    return lines;
  }

  void ReadFromText(const std::string& bytes) {
    WriteBytes(files_ / "Setup.ini", bytes);
    crownlift::ReadSetupFile();
  }

  // Writes as the program does: from the game folder.
  std::string WriteAndFetch() {
    EXPECT_TRUE(platform::ChangeFolder(game_.string()));
    crownlift::WriteSetupFile();
    return ReadBytes(files_ / "Setup.ini");
  }

  fs::path original_, root_, files_, game_;
};

// ---- FieldOf ----------------------------------------------------------------------

TEST(FieldOfTest, SplitsAsTheReaderAndScoreFileExpect) {
  struct Case {
    std::string text, separator;
    int n;
    std::string field;
  };
  const Case cases[] = {
      {"a=b", "=", 1, "a"},        {"a=b", "=", 2, "b"},        {"a=b", "=", 3, "-+-"},
      {"abc", "=", 1, "abc"},      {"abc", "=", 2, "abc"},      {"abc", "=", 3, "-+-"},
      {"a = b", "=", 2, " b"},     {"a = b", "=", 1, "a "},     {"  a=b \t", "=", 2, "b"},
      {"a=", "=", 2, ""},          {"a=  ", "=", 2, ""},        {"=b", "=", 1, ""},
      {"=b", "=", 2, "b"},         {"a=b=c", "=", 2, "b"},      {"a=b=c", "=", 3, "c"},
      {"a=b=c", "=", 4, "-+-"},    {"x==y", "=", 2, ""},        {"x==y", "=", 3, "y"},
      {"a|b|c", "|", 3, "c"},      {"a||c", "|", 2, ""},        {"a|b|c", "|", 99, "-+-"},
      {"a-+-b", "-+-", 1, "a"},    {"a-+-b", "-+-", 2, "+-b"},  {"a-+-b-+-c", "-+-", 2, "+-b"},
      {"a-+-b-+-c", "-+-", 3, "+-c"}, {"a=b", "==", 2, "a=b"},  {"", "=", 1, ""},
      {"", "=", 2, ""},            {"", "=", 3, "-+-"},         {"   ", "=", 1, ""},
      {"a,b", "", 1, "a,b"},       {"a,b", "", 2, "a,b"},       {"a=b", "=", 0, "a"},
      {"a=b", "=", -5, "a"},       {"\xE9" "a=b\xE9", "=", 1, "\xE9" "a"},
      {"a=b\xE9", "=", 2, "b\xE9"},  // bytes above 127 are not blanks
      {"\x01\x1F" "a=b\x7F ", "=", 2, "b\x7F"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FieldOf(c.text, c.separator, c.n), c.field)
        << "field " << c.n << " of \"" << c.text << "\" at \"" << c.separator << "\"";
  }
}

TEST(FieldOfTest, HugeFieldNumberEndsQuickly) {
  EXPECT_EQ(FieldOf("a,b,c", ",", INT_MAX), "-+-");
  EXPECT_EQ(FieldOf(std::string(100000, ','), ",", 100001), "");
  EXPECT_EQ(FieldOf(std::string(100000, ','), ",", 100002), "-+-");
}

// ---- The leading-integer reader ---------------------------------------------------

TEST(LeadingIntegerTest, ReadsSignAndDigitsAndSaturates) {
  struct Case {
    std::string text;
    int value;
    int magnitude;
  };
  const Case cases[] = {
      {"", 0, 0},           {"abc", 0, 0},          {"42", 42, 42},       {"  \t42", 42, 42},
      {"-17x", -17, 17},    {"+5", 5, 5},           {"- 5", 0, 0},        {"12 34", 12, 12},
      {"640 ; wide", 640, 640},                     {"007", 7, 7},        {"--3", 0, 0},
      {"0x10", 0, 0},       {"$10", 0, 0},          {"1e3", 1, 1},        {"3.9", 3, 3},
      {"2147483647", INT_MAX, INT_MAX},             {"2147483648", INT_MAX, INT_MAX},
      {"-2147483647", -INT_MAX, INT_MAX},           {"-2147483648", INT_MIN, INT_MAX},
      {"99999999999999999999999999", INT_MAX, INT_MAX},
      {"-99999999999999999999999999", INT_MIN, INT_MAX},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(crownlift::LeadingInteger(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(crownlift::LeadingMagnitude(c.text), c.magnitude) << '"' << c.text << '"';
  }
}

// ---- Reading Setup.ini --------------------------------------------------------------

TEST_F(SetupFileTest, LinesChangeExactlyWhatTheyName) {
  using Pairs = std::vector<std::pair<int, int>>;
  struct Case {
    std::string text;
    Pairs settings;  // slot, value; every other slot keeps its default
    Pairs bindings;  // entry, code; every other entry keeps its default
    std::vector<std::string> log;  // after "\tReading Setup File"
  };
  using namespace crownlift;
  const std::string kEss = "\tAssuming Emergency Slow System values.";
  const Case cases[] = {
      {"fullscreen = on", {{Fullscreen, 1}}, {}, {"\tSetting to Fullscreen"}},
      {"FULLSCREEN=TRUE", {{Fullscreen, 1}}, {}, {"\tSetting to Fullscreen"}},
      {"Fullscreen = True", {{Fullscreen, 1}}, {}, {"\tSetting to Fullscreen"}},
      {"Fullscreen = yes", {}, {}, {}},
      {"Fullscreen = False", {}, {}, {}},
      {"GFXENGINE=dx9", {{GfxEngine, 1}}, {}, {"\tDirectX 9 Mode"}},
      {"GFX Engine = DX7", {{GfxEngine, 2}}, {}, {"\tDirectX 7 Mode"}},
      {"gfx engine = OpenGL", {}, {}, {}},
      {"GFX  Engine = DX9", {}, {}, {}},
      {"ESS=0", {{SlowSystem, 1}}, {}, {kEss}},
      {"ESS=1 ; This is a slow system", {{SlowSystem, 1}}, {}, {kEss}},
      {"ess", {{SlowSystem, 1}}, {}, {kEss}},  // no "=": the line is the key
      {"Width= 640 ; wide", {{Width, 640}}, {}, {}},
      {"Width=-640", {{Width, 640}}, {}, {}},
      {"width = +1024", {{Width, 1024}}, {}, {}},
      {"Width=abc", {{Width, 0}}, {}, {}},
      {"Width", {{Width, 0}}, {}, {}},  // key and value are both "Width"
      {"Width=99999999999", {{Width, INT_MAX}}, {}, {}},
      {"Width=-2147483648", {{Width, INT_MAX}}, {}, {}},
      {"Width = 1 = 2", {{Width, 1}}, {}, {}},
      {"\tHEIGHT\t=\t480px ", {{Height, 480}}, {}, {}},
      {"Master = 250", {{MasterVolume, 250}}, {}, {}},
      {"SOUND=7", {{SoundVolume, 7}}, {}, {}},
      {"music=-12", {{MusicVolume, 12}}, {}, {}},
      {"Key=0,87", {}, {{0, 87}}, {}},
      {"key = 10 , 65", {}, {{10, 65}}, {}},
      {"Key=-3,40", {}, {{3, 40}}, {}},
      {"Key=99,-7", {}, {{99, 7}}, {}},
      {"Key=5", {}, {{5, 5}}, {}},  // field 2 of a text without "," is the whole text
      {"Key=20,330,9", {}, {{20, 330}}, {}},
      {"Key=100,38", {}, {}, {}},
      {"Key=2147483648,38", {}, {}, {}},
      {"Key=-2147483648,38", {}, {}, {}},
      {"Key=", {}, {{0, 0}}, {}},  // both fields empty: entry 0 cleared
      {"[Graphics]", {}, {}, {}},
      {"; Width=1", {}, {}, {}},
      {"Wid th=5", {}, {}, {}},
      {"=Width", {}, {}, {}},
      {"Width=1\nWidth=2", {{Width, 2}}, {}, {}},
      {"Width=640\r\nHeight=480\r\n", {{Width, 640}, {Height, 480}}, {}, {}},
      {"Wi\rdth=6\r40\r", {{Width, 640}}, {}, {}},  // every CR is dropped
      {Bytes("Width=6\0" "40\nHeight=7"), {{Width, 6}, {Height, 7}}, {}, {}},
      {Bytes("\0\0Master=1\0"), {{MasterVolume, 1}}, {}, {}},
      {"", {}, {}, {}},
      {"\n\n\n", {}, {}, {}},
      {"[Graphics]\nFullscreen = on\nESS=1\n[Controls]\nKey=8,83\n",
       {{Fullscreen, 1}, {SlowSystem, 1}},
       {{8, 83}},
       {"\tSetting to Fullscreen", kEss}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << '"' << c.text << '"');
    ResetState();
    auto settings = Settings;
    auto bindings = Bindings;
    for (auto [slot, value] : c.settings) settings[slot] = value;
    for (auto [entry, code] : c.bindings) bindings[entry] = code;
    RestartLog();
    ReadFromText(c.text);
    EXPECT_EQ(Settings, settings);
    EXPECT_EQ(Bindings, bindings);
    std::vector<std::string> log = {"\tReading Setup File"};
    log.insert(log.end(), c.log.begin(), c.log.end());
    EXPECT_EQ(LogLines(), log);
  }
}

TEST_F(SetupFileTest, MissingFileKeepsDefaultsAndLogsNothing) {
  auto settings = Settings;
  auto bindings = Bindings;
  crownlift::ReadSetupFile();
  EXPECT_EQ(Settings, settings);
  EXPECT_EQ(Bindings, bindings);
  EXPECT_TRUE(LogLines().empty());
  EXPECT_EQ(crownlift::AudioDrivers, (std::vector<std::string>{"A", "B"}));
  EXPECT_FALSE(crownlift::DriverNamedInFile);
}

TEST_F(SetupFileTest, FolderNamedSetupIniCountsAsNoFile) {
  fs::create_directory(files_ / "Setup.ini");
  auto settings = Settings;
  crownlift::ReadSetupFile();
  EXPECT_EQ(Settings, settings);
  EXPECT_TRUE(LogLines().empty());
}

// ---- Hostile files --------------------------------------------------------------------

// Whatever the file held, the reader stores only non-negative numbers in the
// places it owns, and the flags stay flags.
void ExpectSaneState() {
  for (int value : Settings) EXPECT_GE(value, 0);
  for (int code : Bindings) EXPECT_GE(code, 0);
  EXPECT_EQ(Bindings[100], 0);
  EXPECT_LE(Settings[crownlift::Fullscreen], 1);
  EXPECT_LE(Settings[crownlift::GfxEngine], 2);
  EXPECT_LE(Settings[crownlift::SlowSystem], 1);
  EXPECT_LT(Settings[crownlift::AudioDriver], int(crownlift::AudioDrivers.size()));
}

TEST_F(SetupFileTest, TenMegabyteLinesAreRead) {
  const size_t kTen = 10u << 20;
  ReadFromText("Width=" + std::string(kTen, '9') + "\nHeight=480");
  EXPECT_EQ(Settings[crownlift::Width], INT_MAX);
  EXPECT_EQ(Settings[crownlift::Height], 480);
  ResetState();
  ReadFromText(std::string(kTen, 'x') + "\nKey=" + std::string(kTen, ',') + "\nMaster=3");
  EXPECT_EQ(Settings[crownlift::MasterVolume], 3);
  EXPECT_EQ(Bindings[0], 0);  // "Key=,,,,": both fields empty
  ExpectSaneState();
}

TEST_F(SetupFileTest, BinaryJunkIsSurvived) {
  // Junk from pieces the reader looks for, mixed with random bytes.
  const std::string pieces[] = {"Key=", "Width=", "Height=", "ESS", "Fullscreen=on",
                                "GFXENGINE=dx9", "AudioDriver=", "Master=", ",", "-",
                                "=", "\r", "\n", std::string(1, '\0'), "2147483648", "99"};
  std::mt19937 random(270);
  for (int round = 0; round < 20; ++round) {
    std::string junk;
    while (junk.size() < 64 * 1024) {
      if (random() % 2) {
        junk += pieces[random() % std::size(pieces)];
      } else {
        junk += static_cast<char>(random() % 256);
      }
    }
    ResetState();
    ReadFromText(junk);
    ExpectSaneState();
  }
  std::string allBytes;
  for (int b = 0; b < 256; ++b) allBytes += static_cast<char>(b);
  ReadFromText(allBytes + allBytes);
  ExpectSaneState();
}

// ---- Writing Setup.ini ------------------------------------------------------------------

const char* const kDefaultFile =
    "[Graphics]\r\n"
    "Fullscreen = False\r\n"
    "GFX Engine = OpenGL\r\n"
    "Width=800\r\n"
    "Height=600\r\n"
    "\r\n"
    "[Audio]\r\n"
    "Master = 50\r\n"
    "Sound = 50\r\n"
    "Music = 50\r\n"
    "AudioDriver = A\r\n"
    "; AudioDriver = A\r\n"
    "; AudioDriver = B\r\n"
    "\r\n"
    "[Controls]\r\n"
    "Key=0,38\r\n"
    "Key=3,37\r\n"
    "Key=5,39\r\n"
    "Key=8,40\r\n"
    "Key=10,90\r\n"
    "Key=11,88\r\n"
    "Key=12,67\r\n"
    "Key=13,86\r\n";

TEST_F(SetupFileTest, WritesTheDefaultsByteForByte) {
  crownlift::ReadSetupFile();
  crownlift::ChooseAudioDriver();
  EXPECT_EQ(WriteAndFetch(), kDefaultFile);
}

TEST_F(SetupFileTest, WritesSlowSystemFullscreenAndEveryBindingAboveZero) {
  crownlift::ReadSetupFile();
  using namespace crownlift;
  Settings[Fullscreen] = 1;
  Settings[SlowSystem] = 1;
  Settings[GfxEngine] = 1;
  Settings[Width] = 1024;
  Settings[Height] = 768;
  Settings[MasterVolume] = 250;
  Settings[SoundVolume] = 0;
  Settings[MusicVolume] = 7;
  Settings[AudioDriver] = 1;
  Settings[Widescreen] = 1;  // not stored
  Settings[ModeIndex] = 3;   // not stored
  Bindings[Up] = 87;
  Bindings[Action4] = 0;
  Bindings[Action3] = -4;
  Bindings[20] = 38;
  Bindings[99] = 330;
  Bindings[100] = 5;  // never stored
  EXPECT_EQ(WriteAndFetch(),
            "[Graphics]\r\n"
            "Fullscreen = True\r\n"
            "GFX Engine = DX9\r\n"
            "Width=1024\r\n"
            "Height=768\r\n"
            "ESS=1 ; This is a slow system, and things must run a wee bit slower for it.  "
            "Awww..\r\n"
            "\r\n"
            "[Audio]\r\n"
            "Master = 250\r\n"
            "Sound = 0\r\n"
            "Music = 7\r\n"
            "AudioDriver = B\r\n"
            "; AudioDriver = A\r\n"
            "; AudioDriver = B\r\n"
            "\r\n"
            "[Controls]\r\n"
            "Key=0,87\r\n"
            "Key=3,37\r\n"
            "Key=5,39\r\n"
            "Key=8,40\r\n"
            "Key=10,90\r\n"
            "Key=11,88\r\n"
            "Key=20,38\r\n"
            "Key=99,330\r\n");
}

TEST_F(SetupFileTest, NoDriversWritesAnEmptyName) {
  headless::SetAudioDrivers({}, false);
  crownlift::ReadSetupFile();
  crownlift::ChooseAudioDriver();
  std::string written = WriteAndFetch();
  EXPECT_NE(written.find("\r\nAudioDriver = \r\n\r\n[Controls]\r\n"), std::string::npos) << written;
}

TEST_F(SetupFileTest, WritingFromTheGameFolderLandsInFilesAndReturns) {
  crownlift::ReadSetupFile();
  WriteAndFetch();
  EXPECT_EQ(platform::CurrentFolder(), game_.string() + "/");
  EXPECT_FALSE(fs::exists(game_ / "Setup.ini"));
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(files_)) {
    names.insert(entry.path().filename().string());
  }
  EXPECT_EQ(names, (std::set<std::string>{"270", "Debug.txt", "Setup.ini"}));  // no temp left
}

TEST_F(SetupFileTest, UnwritableFileLeavesStateAndFolderAlone) {
  crownlift::ReadSetupFile();
  fs::create_directory(files_ / "Setup.ini");  // cannot be replaced by a file
  auto settings = Settings;
  ASSERT_TRUE(platform::ChangeFolder(game_.string()));
  crownlift::WriteSetupFile();
  EXPECT_EQ(platform::CurrentFolder(), game_.string() + "/");
  EXPECT_TRUE(fs::is_directory(files_ / "Setup.ini"));
  EXPECT_EQ(Settings, settings);
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(files_)) {
    names.insert(entry.path().filename().string());
  }
  EXPECT_EQ(names, (std::set<std::string>{"270", "Debug.txt", "Setup.ini"}));
}

TEST_F(SetupFileTest, WrittenFileReadsBackToTheSameState) {
  using namespace crownlift;
  ReadFromText("Key=0,87\nMaster = 250\nGFXENGINE=dx7\nESS\nfullscreen=on\nWidth=1280\n"
               "Height=-720\nAudioDriver = B\nKey=42,301\n");
  ChooseAudioDriver();
  auto settings = Settings;
  auto bindings = Bindings;
  std::string first = WriteAndFetch();
  EXPECT_NE(first.find("\r\nKey=0,87\r\n"), std::string::npos);
  EXPECT_NE(first.find("\r\nMaster = 250\r\n"), std::string::npos);

  ResetState();
  ASSERT_TRUE(platform::ChangeFolder(files_.string()));
  ReadSetupFile();
  ChooseAudioDriver();
  EXPECT_EQ(Settings, settings);
  EXPECT_EQ(Bindings[0], 87);
  EXPECT_EQ(Bindings[42], 301);
  EXPECT_EQ(Bindings, bindings);
  EXPECT_EQ(WriteAndFetch(), first);  // closed and reopened without changes
}

// ---- The audio driver --------------------------------------------------------------------

TEST_F(SetupFileTest, ChoosesAndSetsTheAudioDriver) {
  struct Case {
    const char* what;
    std::vector<std::string> drivers;
    bool openAL;
    std::optional<std::string> file;
    int index;
    std::optional<std::string> current;  // none: the platform's default stays current
  };
  const Case cases[] = {
      {"free before openal", {"Free Sound", "OpenAL Default", "Null"}, true, {}, 0, "Free Sound"},
      {"first openal or free", {"Null", "OpenAL Default", "Free Sound"}, true, {}, 1,
       "OpenAL Default"},
      {"last direct", {"OpenAL Default", "Direct One", "Direct Two"}, true, {}, 2, "Direct Two"},
      {"prefix any case", {"Null", "openal soft"}, true, {}, 1, "openal soft"},
      {"nothing known", {"Null"}, true, {}, 0, "Null"},
      {"nothing known, later", {"Null", "Other"}, true, {}, 0, "Null"},
      {"openal unavailable", {"Null", "OpenAL Default", "Free Sound"}, false, {}, 1, {}},
      {"file names one", {"OpenAL Default", "Null"}, true, "AudioDriver = Null", 1, "Null"},
      {"file name not offered", {"Null", "OpenAL Default"}, true, "AudioDriver = Gone", 0,
       "Null"},
      {"file name case matters", {"OpenAL Default", "Null"}, true, "audiodriver = null", 0,
       "OpenAL Default"},
      {"two lines in order", {"A", "B"}, true, "AudioDriver = B\nAudioDriver = A", 0, "A"},
      {"two lines reversed", {"A", "B"}, true, "AudioDriver = A\nAudioDriver = B", 1, "B"},
      {"equal names, last wins", {"X", "X"}, true, "AudioDriver = X", 1, "X"},
      {"no drivers", {}, false, {}, 0, {}},
      {"file without driver line", {"Null", "Free Sound"}, true, "Width=640", 1, "Free Sound"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    headless::Reset();
    headless::SetAudioDrivers(c.drivers, c.openAL);
    ResetState();
    fs::remove(files_ / "Setup.ini");
    if (c.file) WriteBytes(files_ / "Setup.ini", *c.file);
    RestartLog();
    std::string before = platform::CurrentAudioDriver();
    crownlift::ReadSetupFile();
    crownlift::ChooseAudioDriver();
    EXPECT_EQ(Settings[crownlift::AudioDriver], c.index);
    EXPECT_EQ(platform::CurrentAudioDriver(), c.current.value_or(before));
    if (!c.openAL) {
      EXPECT_NE(platform::CurrentAudioDriver(), "OpenAL Default");
    }
    std::vector<std::string> log = LogLines();
    std::vector<std::string> tail = {"Setting Audio Driver", "Set Audio Driver", ""};
    ASSERT_GE(log.size(), tail.size());
    EXPECT_EQ(std::vector<std::string>(log.end() - 3, log.end()), tail);
  }
}

}  // namespace
