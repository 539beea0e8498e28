// sound_decode_test.cpp - WAV and OGG decoding of fixtures made here, and
// refusal of damaged files without crashing, hanging or reading past the end.
#include "platform/common/audio_internal.h"

#include <gtest/gtest.h>

#include <algorithm>  // Required for: std::min
#include <cmath>    // Required for: std::sin, the test tone
#include <cstring>  // Required for: std::memcpy
#include <random>   // Required for: corrupting fixtures reproducibly

#include <vorbis/vorbisenc.h>  // Required for: encoding the OGG fixtures

namespace {

using platform::PcmData;

void PutU32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out += char(v >> (8 * i) & 0xFF);
}
void PutU16(std::string& out, uint16_t v) {
  out += char(v & 0xFF);
  out += char(v >> 8);
}
std::string Chunk(const std::string& id, const std::string& body) {
  std::string out = id;
  PutU32(out, uint32_t(body.size()));
  out += body;
  if (body.size() % 2) out += '\0';  // pad to even
  return out;
}
std::string FmtBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
  std::string body;
  PutU16(body, tag);
  PutU16(body, channels);
  PutU32(body, rate);
  PutU32(body, rate * channels * bits / 8);
  PutU16(body, uint16_t(channels * bits / 8));
  PutU16(body, bits);
  return body;
}
std::string Riff(const std::string& chunks) {
  std::string out = "RIFF";
  PutU32(out, uint32_t(4 + chunks.size()));
  return out + "WAVE" + chunks;
}
std::string Wav(uint16_t channels, uint32_t rate, uint16_t bits, const std::string& data) {
  return Riff(Chunk("fmt ", FmtBody(1, channels, rate, bits)) + Chunk("data", data));
}
std::string Samples16(std::initializer_list<int16_t> values) {
  std::string out;
  for (int16_t v : values) PutU16(out, uint16_t(v));
  return out;
}

TEST(DecodeWavTest, PcmShapesAndRates) {
  struct Case {
    const char* what;
    std::string file;
    int rate, channels;
    std::vector<int16_t> samples;
  };
  const Case cases[] = {
      {"8-bit mono", Wav(1, 11025, 8, std::string("\x00\x80\xFF\x40", 4)), 11025, 1,
       {-32768, 0, 32512, -16384}},
      {"8-bit stereo", Wav(2, 8000, 8, std::string("\x80\x00\xFF\x80", 4)), 8000, 2,
       {0, -32768, 32512, 0}},
      {"16-bit mono", Wav(1, 22050, 16, Samples16({0, 1, -1, 32767, -32768})), 22050, 1,
       {0, 1, -1, 32767, -32768}},
      {"16-bit stereo", Wav(2, 44100, 16, Samples16({100, -100, 200, -200})), 44100, 2,
       {100, -100, 200, -200}},
      {"odd rate", Wav(1, 12345, 16, Samples16({7, 8, 9})), 12345, 1, {7, 8, 9}},
      // A stereo data chunk with half a frame at the end keeps the whole frames.
      {"partial frame", Wav(2, 16000, 16, Samples16({1, 2, 3})), 16000, 2, {1, 2}},
      {"no samples", Wav(1, 22050, 16, ""), 22050, 1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PcmData pcm;
    ASSERT_TRUE(platform::DecodeWav(c.file, pcm));
    EXPECT_EQ(pcm.rate, c.rate);
    EXPECT_EQ(pcm.channels, c.channels);
    EXPECT_EQ(pcm.samples, c.samples);
    EXPECT_TRUE(platform::DecodeSound(c.file, pcm));  // recognised by content
  }
}

TEST(DecodeWavTest, WalksOtherChunksInAnyOrder) {
  const std::string fmt = Chunk("fmt ", FmtBody(1, 1, 22050, 16));
  const std::string data = Chunk("data", Samples16({5, 6}));
  const std::string odd = Chunk("LIST", "abc");  // odd length, padded
  // WAVE_FORMAT_EXTENSIBLE whose sub-format is PCM.
  std::string extensible = FmtBody(0xFFFE, 1, 22050, 16);
  PutU16(extensible, 22);
  PutU16(extensible, 16);
  PutU32(extensible, 0x4);
  extensible += std::string("\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 16);
  const std::string files[] = {
      Riff(odd + fmt + odd + data),
      Riff(data + fmt),
      Riff(fmt + data + std::string("\x01\x02\x03", 3)),  // trailing bytes after the data
      Riff(Chunk("fmt ", extensible) + data),
  };
  for (const std::string& file : files) {
    PcmData pcm;
    ASSERT_TRUE(platform::DecodeWav(file, pcm));
    EXPECT_EQ(pcm.samples, (std::vector<int16_t>{5, 6}));
  }
}

TEST(DecodeWavTest, RefusesMalformedAndAbsurdHeaders) {
  const std::string data = Chunk("data", Samples16({1, 2}));
  std::string hugeData = "data";
  PutU32(hugeData, 0xFFFFFFFF);
  hugeData += "ab";
  std::string hugeChunk = "JUNK";
  PutU32(hugeChunk, 0xFFFFFFFE);
  struct Case {
    const char* what;
    std::string file;
  };
  const Case cases[] = {
      {"empty", ""},
      {"only RIFF", "RIFF"},
      {"not WAVE", std::string("RIFF\x04\x00\x00\x00WAVX", 12)},
      {"no chunks", Riff("")},
      {"no fmt", Riff(data)},
      {"no data", Riff(Chunk("fmt ", FmtBody(1, 1, 22050, 16)))},
      {"fmt too short", Riff(Chunk("fmt ", FmtBody(1, 1, 22050, 16).substr(0, 12)) + data)},
      {"float samples", Riff(Chunk("fmt ", FmtBody(3, 1, 22050, 32)) + data)},
      {"24-bit", Riff(Chunk("fmt ", FmtBody(1, 1, 22050, 24)) + data)},
      {"no channels", Riff(Chunk("fmt ", FmtBody(1, 0, 22050, 16)) + data)},
      {"six channels", Riff(Chunk("fmt ", FmtBody(1, 6, 22050, 16)) + data)},
      {"rate 0", Riff(Chunk("fmt ", FmtBody(1, 1, 0, 16)) + data)},
      {"absurd rate", Riff(Chunk("fmt ", FmtBody(1, 1, 0xFFFFFFFF, 16)) + data)},
      {"data longer than file", Riff(Chunk("fmt ", FmtBody(1, 1, 22050, 16)) + hugeData)},
      {"chunk longer than file", Riff(hugeChunk + Chunk("fmt ", FmtBody(1, 1, 22050, 16)) + data)},
      {"two fmt", Riff(Chunk("fmt ", FmtBody(1, 1, 22050, 16)) +
                       Chunk("fmt ", FmtBody(1, 1, 22050, 16)) + data)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PcmData pcm;
    pcm.rate = 99;
    EXPECT_FALSE(platform::DecodeWav(c.file, pcm));
    EXPECT_EQ(pcm.rate, 0);  // left empty
    EXPECT_TRUE(pcm.samples.empty());
  }
}

TEST(DecodeWavTest, EveryTruncationFails) {
  const std::string file = Wav(2, 22050, 16, Samples16({1, 2, 3, 4, 5, 6, 7, 8}));
  for (size_t cut = 0; cut < file.size(); ++cut) {
    PcmData pcm;
    // Copied so the sanitizer sees a read past the cut as out of bounds.
    std::string prefix(file.begin(), file.begin() + long(cut));
    EXPECT_FALSE(platform::DecodeWav(prefix, pcm)) << "cut at " << cut;
  }
}

// Encodes a sine tone as OGG Vorbis (quality 0.1, small and fast).
std::string EncodeOgg(int channels, int rate, int frames) {
  vorbis_info vi;
  vorbis_info_init(&vi);
  EXPECT_EQ(vorbis_encode_init_vbr(&vi, channels, rate, 0.1f), 0);
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_dsp_state vd;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block vb;
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, 1234);

  std::string out;
  ogg_page page;
  auto writePage = [&] {
    out.append(reinterpret_cast<const char*>(page.header), size_t(page.header_len));
    out.append(reinterpret_cast<const char*>(page.body), size_t(page.body_len));
  };
  ogg_packet header, comment, code;
  vorbis_analysis_headerout(&vd, &vc, &header, &comment, &code);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &comment);
  ogg_stream_packetin(&os, &code);
  while (ogg_stream_flush(&os, &page)) writePage();

  for (int done = 0;; ) {
    int count = std::min(1024, frames - done);
    if (count > 0) {
      float** buffer = vorbis_analysis_buffer(&vd, count);
      for (int i = 0; i < count; ++i) {
        float v = 0.5f * std::sin(float(done + i) * 440.0f * 6.2831853f / float(rate));
        for (int c = 0; c < channels; ++c) buffer[c][i] = c ? -v : v;
      }
    }
    vorbis_analysis_wrote(&vd, count);  // 0 marks the end of the stream
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&vd, &packet)) {
        ogg_stream_packetin(&os, &packet);
        while (ogg_stream_pageout(&os, &page)) writePage();
      }
    }
    if (count <= 0) break;
    done += count;
  }
  while (ogg_stream_flush(&os, &page)) writePage();
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return out;
}

double Rms(const std::vector<int16_t>& samples) {
  double sum = 0;
  for (int16_t s : samples) sum += double(s) * s;
  return samples.empty() ? 0 : std::sqrt(sum / double(samples.size()));
}

TEST(DecodeOggTest, DecodesMonoAndStereo) {
  struct Case {
    int channels, rate, frames;
  };
  for (const Case c : {Case{1, 22050, 11025}, Case{2, 44100, 20000}}) {
    SCOPED_TRACE(c.channels);
    const std::string file = EncodeOgg(c.channels, c.rate, c.frames);
    PcmData pcm;
    ASSERT_TRUE(platform::DecodeOgg(file, pcm));
    EXPECT_EQ(pcm.rate, c.rate);
    EXPECT_EQ(pcm.channels, c.channels);
    EXPECT_EQ(pcm.Frames(), c.frames);
    // A 0.5-amplitude sine has an RMS of about 0.354 of full scale.
    EXPECT_NEAR(Rms(pcm.samples), 0.354 * 32767, 0.08 * 32767);
    EXPECT_TRUE(platform::DecodeSound(file, pcm));
  }
}

TEST(DecodeOggTest, RefusesTruncatedAndMalformed) {
  const std::string file = EncodeOgg(1, 22050, 22050);
  ASSERT_GT(file.size(), 200u);
  struct Case {
    const char* what;
    std::string bytes;
  };
  std::string garbage = "OggS";
  garbage += std::string(300, '\x5A');
  // One well-framed page (first and last of its stream) holding nothing valid.
  std::string page = std::string("OggS\x00\x06", 6) + std::string(20, '\x01');
  page += char(1);
  page += char(50);
  page += std::string(50, '\x33');
  std::string badVersion = file;
  badVersion[4] = 1;
  const Case cases[] = {
      {"empty", ""},
      {"magic only", "OggS"},
      {"garbage after magic", garbage},
      {"well-framed garbage page", page},
      {"first bytes", file.substr(0, 100)},
      {"half", file.substr(0, file.size() / 2)},
      {"all but the last byte", file.substr(0, file.size() - 1)},
      // Whole pages, but the stream's closing page is missing.
      {"without its last page", file.substr(0, file.rfind("OggS"))},
      {"trailing garbage", file + "xyz"},
      {"bad page version", badVersion},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PcmData pcm;
    EXPECT_FALSE(platform::DecodeOgg(c.bytes, pcm));
    EXPECT_TRUE(pcm.samples.empty());
  }
  PcmData pcm;
  EXPECT_FALSE(platform::DecodeSound("ID3\x03 not a sound we know", pcm));
}

// Random damage must never crash or hang either decoder (the sanitizer build
// catches reads outside the bytes); what is accepted must be consistent.
TEST(DecodeSoundTest, SurvivesRandomDamage) {
  const std::string fixtures[] = {Wav(2, 22050, 16, Samples16({1, 2, 3, 4, 5, 6})),
                                  EncodeOgg(1, 11025, 4000)};
  std::mt19937 rng(2010);
  for (const std::string& original : fixtures) {
    for (int round = 0; round < 300; ++round) {
      std::string damaged = original;
      int flips = 1 + int(rng() % 8);
      for (int i = 0; i < flips; ++i) damaged[rng() % damaged.size()] = char(rng());
      PcmData pcm;
      if (platform::DecodeSound(damaged, pcm)) {
        EXPECT_TRUE(pcm.channels == 1 || pcm.channels == 2);
        EXPECT_GT(pcm.rate, 0);
        EXPECT_EQ(pcm.samples.size() % size_t(pcm.channels), 0u);
      } else {
        EXPECT_TRUE(pcm.samples.empty());
      }
    }
  }
}

}  // namespace
