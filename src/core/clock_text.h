// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string>

namespace glyph {

// A game's time as a player reads it: m:ss under an hour, then h:mm:ss.
// Durations carry their unit, so seconds and milliseconds cannot be mixed up.
std::string PlayTimeText(std::chrono::milliseconds time);

// A race's clock: hh:mm:ss, each field at least two digits.
std::string RaceTimeText(std::chrono::seconds time);

}  // namespace glyph
