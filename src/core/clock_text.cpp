// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clock_text.h"

#include <algorithm>
#include <cstdio>

namespace glyph {

std::string PlayTimeText(std::chrono::milliseconds time) {
  const long long seconds = std::max<long long>(time.count(), 0) / 1000;
  char text[48];
  if (seconds < 3600) {
    std::snprintf(text, sizeof text, "%lld:%02lld", seconds / 60, seconds % 60);
  } else {
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
  }
  return text;
}

}  // namespace glyph
