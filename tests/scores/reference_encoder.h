// reference_encoder.h - a second line encoder for nuscores.dat, written for the
// tests from the file format's description alone and sharing no code with
// scores/. Another program that writes the format must agree with ours byte
// for byte; this one stands in for it.
#pragma once

#include <cstdio>  // Required for: check digits and hex pairs
#include <string>  // Required for: texts

namespace reference {

// The record lines' key: two characters per position of the two title texts.
inline std::string TitleKey() {
  const std::string t1 = "Reelpack -  Crownlift";  // prefix, one space, title
  const std::string t2 = "Rescue the game from the pits of doom!";
  const long w = 270, l1 = static_cast<long>(t1.size()), l2 = static_cast<long>(t2.size());
  std::string key;
  for (long i = 1; i <= l1 + l2; ++i) {
    long a = static_cast<unsigned char>(t1[i % l1]);
    a = (a + w + 7 * i) % 76 + 32;
    a = (a + w + 5 * i) % 75 + 31;
    long b = static_cast<unsigned char>(t2[i % l2]);
    b = (b + w + 3 * i) % 74 + 34;
    b = (b + w + 11 * i) % 71 + 36;
    key += static_cast<char>(a);
    key += static_cast<char>(b);
  }
  return key;
}

inline long Checksum(const std::string& s) {
  long sum = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    sum = (sum + static_cast<long>(static_cast<unsigned char>(s[i])) * 3 * static_cast<long>(i + 1)) %
          4096;
  }
  return sum;
}

// Rotate left by checksum mod length, append the checksum in six digits, and
// XOR character i (from 1) with key character (i mod k) + 1.
inline std::string Pass(const std::string& s, const std::string& key) {
  const long c = Checksum(s);
  const size_t r = static_cast<size_t>(c) % s.size();
  char digits[8];
  std::snprintf(digits, sizeof digits, "%06ld", c);
  std::string out = s.substr(r) + s.substr(0, r) + digits;
  for (size_t i = 1; i <= out.size(); ++i) out[i - 1] = static_cast<char>(out[i - 1] ^ key[i % key.size()]);
  return out;
}

inline std::string Encode(const std::string& text, const std::string& key) {
  const std::string twice = Pass(Pass(text, key), key);
  std::string hex;
  for (char c : twice) {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned char>(c));
    hex += pair;
  }
  return hex;
}

}  // namespace reference
