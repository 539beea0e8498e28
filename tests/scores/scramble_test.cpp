// scramble_test.cpp - the line encoder: lengths, round trips, the checks and
// agreement with a second, independent encoder.
#include <gtest/gtest.h>

#include <cctype>  // Required for: isxdigit, isupper
#include <string>

#include "scores/scores.h"
#include "tests/scores/reference_encoder.h"

namespace {
using namespace crownlift;

std::string AllBytesText(size_t length) {
  std::string text;
  for (size_t i = 0; i < length; ++i) text += static_cast<char>(1 + i % 255);
  return text;
}

bool IsUpperHex(const std::string& s) {
  for (char c : s) {
    if (!std::isxdigit(static_cast<unsigned char>(c)) || std::islower(static_cast<unsigned char>(c))) {
      return false;
    }
  }
  return true;
}

class ScrambleTest : public ::testing::Test {
 protected:
  void SetUp() override { BuildTitleKey(); }
};

struct RoundTripCase {
  const char* label;
  std::string text;
  std::string key;  // empty: the title key
};

TEST_F(ScrambleTest, EveryTextComesBackAndAgreesWithTheReferenceEncoder) {
  const RoundTripCase cases[] = {
      {"one character, title key", "A", ""},
      {"one character, game code", "A", GameCode},
      {"one character, one-character key", "z", "k"},
      {"empty credentials", "|", GameCode},
      {"record line", std::string("-5|  Ann |0|2493") + SectionMark + "1|2|3", ""},
      {"every byte but zero, 5000 long", AllBytesText(5000), ""},
      {"zero bytes", std::string(40, '\0'), GameCode},
  };
  for (const RoundTripCase& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string hex = Scramble(c.text, c.key);
    EXPECT_EQ(hex.size(), 2 * (c.text.size() + 12));
    EXPECT_TRUE(IsUpperHex(hex));
    EXPECT_EQ(Unscramble(hex, c.key), c.text);
    const std::string key = c.key.empty() ? reference::TitleKey() : c.key;
    EXPECT_EQ(hex, reference::Encode(c.text, key));
  }
}

TEST_F(ScrambleTest, OneCharacterGivesTwentySixDigits) {
  const std::string hex = Scramble("Q", "");
  EXPECT_EQ(hex.size(), 26u);
  EXPECT_EQ(Unscramble(hex, ""), "Q");
}

TEST_F(ScrambleTest, TheWrongKeyFailsTheCheck) {
  EXPECT_EQ(Unscramble(Scramble("Player|secret", GameCode), ""), "XXX");
  EXPECT_EQ(Unscramble(Scramble("Player|secret", ""), GameCode), "XXX");
}

TEST_F(ScrambleTest, LowerCaseDigitsCountZeroAndFailTheCheck) {
  const std::string hex = Scramble(std::string("1200|Ann|0|99") + SectionMark + "0", "");
  std::string lower = hex;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  ASSERT_NE(lower, hex);  // the line holds at least one letter digit
  EXPECT_EQ(Unscramble(lower, ""), "XXX");
}

TEST_F(ScrambleTest, TextTooShortForItsCheckDigitsGivesXXX) {
  const std::string one = Scramble("Q", "");
  const std::string cases[] = {
      "",
      "0",
      "XXX",
      std::string(13, '0'),
      std::string(14, '0'),   // first pass leaves one character
      std::string(25, '0'),
      one.substr(0, 24),      // a real line cut by one pair
      one.substr(0, 25),      // ... or by one digit
      one.substr(2),          // ... or at its start
  };
  for (const std::string& hex : cases) {
    SCOPED_TRACE("hex \"" + hex + "\"");
    EXPECT_EQ(Unscramble(hex, ""), "XXX");
    EXPECT_EQ(Unscramble(hex, GameCode), "XXX");
  }
}

TEST_F(ScrambleTest, HexValueCountsOnlyUpperCaseAndDecimalDigits) {
  const std::pair<std::string, int64_t> cases[] = {
      {"", 0}, {"FF", 255}, {"ff", 0}, {"A0", 160}, {"G1", 1}, {"1g", 16}, {"7FFF", 32767},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(HexValue(text), value) << text;
}

TEST_F(ScrambleTest, LineChecksumWeighsEachCodeByThreeTimesItsPosition) {
  EXPECT_EQ(LineChecksum(""), 0);
  EXPECT_EQ(LineChecksum("A"), 65 * 3);
  EXPECT_EQ(LineChecksum("AB"), 65 * 3 + 66 * 6);
  // High bytes count as 128..255, and the sum stays below 4096.
  EXPECT_EQ(LineChecksum("\xFF\xFF\xFF\xFF\xFF\xFF"), (255 * 3 * 21) % 4096);
}

}  // namespace
