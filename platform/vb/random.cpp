#include "platform/vb/random.h"

#include <chrono>
#include <cstring>
#include <random>

#include "platform/vb/date.h"

namespace vb {
namespace {

constexpr float kSteps = 16777216.0f;  // 2^24, the precision of a Single

std::minstd_rand& Generator() {
  static std::minstd_rand generator;
  return generator;
}

}  // namespace

void Randomize() {
  auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  Randomize(Timer() + static_cast<double>(ticks % 1000000) / 1e6);
}

void Randomize(double seed) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &seed, sizeof bits);
  Generator().seed(static_cast<std::minstd_rand::result_type>((bits ^ (bits >> 32)) % 2147483646 + 1));
}

float Rnd() { return static_cast<float>(Generator()() % 16777216) / kSteps; }

}  // namespace vb
