// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>

namespace glyph {

// The clock of the network race: the current date-time as milliseconds since
// the epoch.
class clsClock {
 public:
  virtual ~clsClock() = default;
  virtual std::int64_t NowMilliseconds() = 0;
};

// Seconds between two readings, each first cut down to whole seconds
// (10:00:00.9 to 10:00:01.1 counts as 1 second).
inline std::int32_t WholeSecondsBetween(std::int64_t fromMs, std::int64_t toMs) {
  const auto floorSeconds = [](std::int64_t ms) { return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000); };
  return static_cast<std::int32_t>(floorSeconds(toMs) - floorSeconds(fromMs));
}

class clsSystemClock : public clsClock {
 public:
  std::int64_t NowMilliseconds() override {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  }
};

}  // namespace glyph
