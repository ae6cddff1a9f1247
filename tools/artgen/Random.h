#pragma once
// A small seeded generator (PCG32) with our own float mapping, so every build draws the same art:
// the standard distributions may differ between library versions.
#include <cstdint>

namespace artgen {

class Random {
public:
  explicit Random(std::uint64_t seed) : state_(0) {
    Next();
    state_ += seed;
    Next();
  }
  std::uint32_t Next() {
    std::uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + 1442695040888963407ULL;
    auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    auto rot = static_cast<std::uint32_t>(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32 - rot) & 31));
  }
  // Uniform in [0, 1).
  float Unit() { return (Next() >> 8) * (1.0f / 16777216.0f); }
  float Range(float lo, float hi) { return lo + (hi - lo) * Unit(); }
  // Roughly normal (sum of four uniforms), mean 0, deviation about 1.
  float Gauss() { return (Unit() + Unit() + Unit() + Unit() - 2.0f) * 1.7320508f; }

private:
  std::uint64_t state_;
};

}  // namespace artgen
