// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <iostream>
#include <string>

#include "print/cls_page_device.h"

namespace glyph {

// A long batch's progress on standard error: nothing during its first
// second, then "glyphtool VERB: k of n WHAT" at most once a second.
class clsToolProgress : public clsPrintProgress {
 public:
  clsToolProgress(std::string verb, std::string what) : verb_(std::move(verb)), what_(std::move(what)) {}

  void Start(int maximum) override {
    maximum_ = maximum;
    nextReport_ = Clock::now() + std::chrono::seconds(1);
  }
  void Advance(int value) override {
    if (value >= maximum_ || Clock::now() < nextReport_) return;
    std::cerr << "glyphtool " << verb_ << ": " << value << " of " << maximum_ << " " << what_ << "\n";
    nextReport_ = Clock::now() + std::chrono::seconds(1);
  }
  void Finish() override {}

 private:
  using Clock = std::chrono::steady_clock;
  std::string verb_;
  std::string what_;
  int maximum_ = 0;
  Clock::time_point nextReport_;
};

}  // namespace glyph
