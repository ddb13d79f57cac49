// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

#include "core/cls_random_source.h"

namespace glyph {

// The real random source: a splitmix64 generator. Every reseed value is
// hashed and xor-ed into the 64-bit state, which is a bijection on the state,
// so a reseed never makes the state more predictable than it was.
class clsSystemRandom : public clsRandomSource {
 public:
  // Seeded from the system's entropy; the time of day is read from the clock.
  clsSystemRandom();
  // Reproducible: a fixed start state and a fixed time of day, so that the
  // same seed gives the same numbers on every run.
  explicit clsSystemRandom(std::uint64_t seed);

  double Random() override;
  void Reseed(double seed) override;
  double TimeOfDay() override;

 private:
  std::uint64_t NextBits();

  std::uint64_t state_;
  std::function<double()> timeOfDay_;
};

// The local time of day as a fraction of a day, read from the system clock.
double LocalTimeOfDay();

}  // namespace glyph
