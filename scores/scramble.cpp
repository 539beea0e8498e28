// scramble.cpp - the engine's two-pass line encoder and its keys.
//
// Each pass rotates the text by its own checksum, appends the checksum as six
// decimal digits and XORs every character with the key; the second pass
// writes hex. Decoding undoes both passes and checks both checksums, so a
// changed digit anywhere in a line is caught. Every step is one walk over the
// text, so a file of many long lines reads in time proportional to its size.
#include "scores/scores.h"

#include <cstdio>  // Required for: six-digit check texts

#include "settings/setup_file.h"  // Required for: LeadingInteger
#include "shell/identity.h"       // Required for: TitlePrefix, GameTitle, Subtitle, WeekNumber

namespace crownlift {
namespace {

constexpr int kCheckDigits = 6;
const char* const kFailed = "XXX";

// Never stored: rebuilt from the identity constants at every start.
std::string TitleKey;

const std::string& KeyFor(const std::string& key) {
  if (!key.empty()) return key;
  if (TitleKey.empty()) BuildTitleKey();
  return TitleKey;
}

int Code(char c) { return static_cast<unsigned char>(c); }

// The character at position i (from 1) of a text meets key character
// (i mod k) + 1: the first text character meets the key's second.
char KeyedAt(const std::string& key, size_t position, int code) {
  return static_cast<char>(code ^ Code(key[position % key.size()]));
}

std::string RotatedLeft(const std::string& s, size_t r) {
  return s.substr(r) + s.substr(0, r);
}

std::string RotatedRight(const std::string& s, size_t r) {
  return s.substr(s.size() - r) + s.substr(0, s.size() - r);
}

std::string CheckDigits(int checksum) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%06d", checksum);
  return digits;
}

// Rotation and check digits, before the XOR.
std::string Sealed(const std::string& s) {
  const int checksum = LineChecksum(s);
  return RotatedLeft(s, static_cast<size_t>(checksum) % s.size()) + CheckDigits(checksum);
}

// Takes the six check digits off the end and undoes the rotation; false when
// nothing would be left or the checksum does not match.
bool Unsealed(std::string& s) {
  if (s.size() <= kCheckDigits) return false;
  const int check = LeadingInteger(s.substr(s.size() - kCheckDigits));
  s.resize(s.size() - kCheckDigits);
  // A checksum lies in 0..4095; anything else cannot match.
  if (check < 0 || check > 4095) return false;
  s = RotatedRight(s, static_cast<size_t>(check) % s.size());
  return LineChecksum(s) == check;
}

}  // namespace

void BuildTitleKey() {
  const std::string t1 = std::string(TitlePrefix) + " " + GameTitle;
  const std::string t2 = Subtitle;
  const int l1 = static_cast<int>(t1.size()), l2 = static_cast<int>(t2.size());
  const int w = WeekNumber;
  TitleKey.clear();
  for (int i = 1; i <= l1 + l2; ++i) {
    int a = Code(t1[static_cast<size_t>(i % l1)]);
    a = (a + w + 7 * i) % 76 + 32;
    a = (a + w + 5 * i) % 75 + 31;
    TitleKey += static_cast<char>(a);
    int b = Code(t2[static_cast<size_t>(i % l2)]);
    b = (b + w + 3 * i) % 74 + 34;
    b = (b + w + 11 * i) % 71 + 36;
    TitleKey += static_cast<char>(b);
  }
}

int LineChecksum(const std::string& text) {
  int64_t sum = 0;
  int64_t position = 0;
  for (char c : text) {
    ++position;
    sum = (sum + (Code(c) * 3 * (position % 4096)) % 4096) % 4096;
  }
  return static_cast<int>(sum);
}

int64_t HexValue(const std::string& text) {
  // Unsigned so that a long run wraps instead of overflowing; pairs never do.
  uint64_t value = 0;
  for (char c : text) {
    int digit = 0;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    value = value * 16 + static_cast<uint64_t>(digit);
  }
  return static_cast<int64_t>(value);
}

std::string Scramble(const std::string& text, const std::string& key) {
  if (text.empty()) return "";
  const std::string& k = KeyFor(key);
  std::string first = Sealed(text);
  for (size_t i = 0; i < first.size(); ++i) first[i] = KeyedAt(k, i + 1, Code(first[i]));
  const std::string second = Sealed(first);
  static const char kHex[] = "0123456789ABCDEF";
  std::string hex;
  hex.reserve(second.size() * 2);
  for (size_t i = 0; i < second.size(); ++i) {
    const int v = Code(KeyedAt(k, i + 1, Code(second[i])));
    hex += kHex[v >> 4];
    hex += kHex[v & 15];
  }
  return hex;
}

std::string Unscramble(const std::string& hex, const std::string& key) {
  const std::string& k = KeyFor(key);
  std::string s;
  s.reserve(hex.size() / 2);
  for (size_t p = 1; 2 * p <= hex.size(); ++p) {
    const auto v = static_cast<int>(HexValue(hex.substr(2 * p - 2, 2)));
    s += KeyedAt(k, p, v);
  }
  if (!Unsealed(s)) return kFailed;
  for (size_t i = 0; i < s.size(); ++i) s[i] = KeyedAt(k, i + 1, Code(s[i]));
  if (!Unsealed(s)) return kFailed;
  return s;
}

}  // namespace crownlift
