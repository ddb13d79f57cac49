// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string>

namespace glyph {

// A time as a player reads it, a game's, a race's or a result's alike: m:ss
// under an hour, then h:mm:ss. Durations carry their unit, so seconds and
// milliseconds cannot be mixed up.
std::string PlayTimeText(std::chrono::milliseconds time);

}  // namespace glyph
