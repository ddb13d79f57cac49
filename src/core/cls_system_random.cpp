// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cls_system_random.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <ctime>
#include <random>

namespace glyph {

namespace {

constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ull;
constexpr double kFixedTimeOfDay = 0.5;

std::uint64_t Mix64(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

double LocalTimeOfDay() {
  // The offset of local time from UTC is read once: converting every reading
  // with localtime_r would cost far more than the draw it seeds, and a clock
  // change during a run only shifts this source of entropy.
  using namespace std::chrono;
  static const long utcOffsetSeconds = [] {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_gmtoff;
  }();
  // The coarse clock costs a few nanoseconds where the precise one costs tens,
  // and a reseed is asked for before every draw.
  constexpr std::int64_t kMicrosPerDay = 86'400'000'000;
  // A system without it (a browser's) gives the precise one.
  timespec now{};
  if (clock_gettime(CLOCK_REALTIME_COARSE, &now) != 0) clock_gettime(CLOCK_REALTIME, &now);
  const std::int64_t micros =
      (static_cast<std::int64_t>(now.tv_sec) + utcOffsetSeconds) * 1'000'000 + now.tv_nsec / 1000;
  const std::int64_t ofDay = ((micros % kMicrosPerDay) + kMicrosPerDay) % kMicrosPerDay;
  return static_cast<double>(ofDay) / static_cast<double>(kMicrosPerDay);
}

clsSystemRandom::clsSystemRandom() : timeOfDay_(LocalTimeOfDay) {
  std::random_device device;
  state_ = (static_cast<std::uint64_t>(device()) << 32) ^ device() ^
           static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

clsSystemRandom::clsSystemRandom(std::uint64_t seed)
    : state_(Mix64(seed)), timeOfDay_([] { return kFixedTimeOfDay; }) {}

std::uint64_t clsSystemRandom::NextBits() {
  state_ += kGoldenGamma;
  return Mix64(state_);
}

double clsSystemRandom::Random() {
  // The top 53 bits give every double of [0, 1) on a 2^-53 grid.
  return static_cast<double>(NextBits() >> 11) * 0x1.0p-53;
}

void clsSystemRandom::Reseed(double seed) {
  // The seed's bits as they are (std::bit_cast, which not every standard
  // library this builds with has yet).
  std::uint64_t bits = 0;
  static_assert(sizeof bits == sizeof seed);
  std::memcpy(&bits, &seed, sizeof bits);
  state_ ^= Mix64(bits + kGoldenGamma);
}

double clsSystemRandom::TimeOfDay() { return timeOfDay_(); }

}  // namespace glyph
