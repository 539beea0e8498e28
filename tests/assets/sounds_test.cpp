// Sounds the build ships: the effect waves are 16-bit mono PCM of sensible
// length, loud but never clipped, and start and end at rest (no click); the
// jingle is Ogg Vorbis that decodes to one to two seconds.
#include <gtest/gtest.h>  // Required for: TEST, EXPECT_*

#include <algorithm>  // Required for: std::max
#include <cmath>      // Required for: std::abs
#include <cstdio>     // Required for: std::snprintf
#include <cstdlib>    // Required for: std::abs (integers)
#include <string>     // Required for: paths

#include "asset_files.h"  // Required for: ReadWav, DecodeOgg, FilesDir

namespace assettest {
namespace {

struct WaveCase {
  const char* file;
  double minSeconds, maxSeconds;
};

// 098 is replayed at rates up to 2 as a menu blip: it must stay short.
const WaveCase kWaves[] = {
    {"002.wav", 0.3, 1.5}, {"003.wav", 0.2, 1.0}, {"004.wav", 0.2, 1.0},
    {"096.wav", 0.8, 2.5}, {"097.wav", 0.5, 2.0}, {"098.wav", 0.04, 0.12},
};

class EffectWave : public testing::TestWithParam<WaveCase> {};

TEST_P(EffectWave, IsShortLoudUnclippedMonoPcm) {
  const WaveCase& c = GetParam();
  Wav w = ReadWav(FilesDir() + "/270/" + c.file);
  ASSERT_TRUE(w.ok) << c.file;
  EXPECT_EQ(w.format, 1);
  EXPECT_EQ(w.channels, 1);
  EXPECT_EQ(w.bits, 16);
  ASSERT_GT(w.rate, 0);
  ASSERT_FALSE(w.samples.empty());
  double seconds = static_cast<double>(w.samples.size()) / w.rate;
  EXPECT_GE(seconds, c.minSeconds) << c.file;
  EXPECT_LE(seconds, c.maxSeconds) << c.file;

  int peak = 0, atRail = 0;
  for (int16_t s : w.samples) {
    peak = std::max(peak, std::abs(static_cast<int>(s)));
    atRail += s >= 32767 || s <= -32767;
  }
  EXPECT_EQ(atRail, 0) << c.file << " clips";
  EXPECT_LT(peak, 32767 * 0.95) << c.file;
  EXPECT_GT(peak, 32767 * 0.5) << c.file << " is too quiet";
  // At rest at both ends: a sound cut or started mid-swing clicks.
  EXPECT_LT(std::abs(static_cast<int>(w.samples.front())), 300) << c.file;
  EXPECT_LT(std::abs(static_cast<int>(w.samples.back())), 300) << c.file;
}

INSTANTIATE_TEST_SUITE_P(Files, EffectWave, testing::ValuesIn(kWaves),
                         [](const testing::TestParamInfo<WaveCase>& param) {
                           return "sfx" + std::string(param.param.file).substr(0, 3);
                         });

TEST(EffectWaves, OnlyTheUsedNumbersArePresent) {
  int present = 0;
  for (int n = 1; n <= 200; ++n) {
    char name[16];
    std::snprintf(name, sizeof name, "%03d.wav", n);
    present += ReadWav(FilesDir() + "/270/" + name).ok;
  }
  EXPECT_EQ(present, 6);
}

TEST(EffectWaves, TheTwoPickUpChimesDiffer) {
  Wav queen = ReadWav(FilesDir() + "/270/003.wav");
  Wav king = ReadWav(FilesDir() + "/270/004.wav");
  ASSERT_TRUE(queen.ok && king.ok);
  EXPECT_NE(queen.samples, king.samples);
}

TEST(Jingle, DecodesAsOggVorbisOfOneToTwoSeconds) {
  Ogg ogg = DecodeOgg(FilesDir() + "/Common/open.ogg");
  ASSERT_TRUE(ogg.ok);
  EXPECT_EQ(ogg.channels, 1);
  ASSERT_GT(ogg.rate, 0);
  double seconds = static_cast<double>(ogg.samples.size()) / ogg.rate;
  EXPECT_GE(seconds, 1.0);
  EXPECT_LE(seconds, 2.0);
  float peak = 0;
  for (float s : ogg.samples) peak = std::max(peak, std::abs(s));
  EXPECT_GT(peak, 0.3f);
  EXPECT_LT(peak, 0.99f);
}

}  // namespace
}  // namespace assettest
