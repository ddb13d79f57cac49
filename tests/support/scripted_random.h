// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <stdexcept>

#include "core/cls_random_source.h"

namespace glyph {

// A random source that returns the values a test gives it, in order, so
// that each drawing rule can be checked exactly.
class clsScriptedRandom : public clsRandomSource {
 public:
  explicit clsScriptedRandom(double timeOfDay = 0.25) : timeOfDay_(timeOfDay) {}

  void Push(double value) { values_.push_back(value); }
  // A draw as the generator and the cipher make it: a reseed factor, then the value.
  void PushDraw(double value, double reseedFactor = 0.5) {
    Push(reseedFactor);
    Push(value);
  }

  double Random() override {
    if (values_.empty()) throw std::logic_error("clsScriptedRandom: script exhausted");
    const double value = values_.front();
    values_.pop_front();
    return value;
  }
  void Reseed(double) override {}
  double TimeOfDay() override { return timeOfDay_; }

  std::size_t Remaining() const { return values_.size(); }

 private:
  std::deque<double> values_;
  double timeOfDay_;
};

}  // namespace glyph
