// random.cpp - the seedable pseudo-random generator of both backends.
//
// Our own splitmix64, so the same seed gives the same sequence on every
// machine, compiler and backend (levels are laid out from a seed: a level must
// look the same in the tests as on the player's screen). Not for security.
#include "platform/platform.h"

#include <cmath>    // Required for: std::nextafter
#include <utility>  // Required for: std::swap

namespace platform {

namespace {

// The state before any SeedRandom is the state after SeedRandom(0).
uint64_t state = 0;

uint64_t NextBits() {
  state += 0x9E3779B97F4A7C15ull;
  uint64_t z = state;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// Uniform in [0, 1) with 53 bits of resolution.
double NextUnit() { return double(NextBits() >> 11) * 0x1.0p-53; }

}  // namespace

void SeedRandom(int64_t seed) { state = uint64_t(seed); }

double RandomReal(double lo, double hi) {
  if (!(lo < hi)) return lo + (hi - lo) * NextUnit();  // empty or reversed range
  double value = lo + (hi - lo) * NextUnit();
  // Rounding can land exactly on hi for wide ranges; the range is half-open.
  return value < hi ? value : std::nextafter(hi, lo);
}

int RandomInt(int lo, int hi) {
  if (lo > hi) std::swap(lo, hi);
  uint64_t span = uint64_t(int64_t(hi) - int64_t(lo)) + 1;  // 1 .. 2^32
  // Reject the top partial block so every value is equally likely.
  uint64_t limit = UINT64_MAX - UINT64_MAX % span;
  uint64_t bits;
  do {
    bits = NextBits();
  } while (bits >= limit);
  return int(int64_t(lo) + int64_t(bits % span));
}

}  // namespace platform
