// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <emscripten/val.h>

#include <optional>

#include "session/session_view.h"
#include "storage/statistics.h"

namespace glyph {

class clsCatalogue;

// The session's view as the page paints it: a plain object of UTF-8 texts,
// numbers and picture addresses. Each picture is the desktop's own SVG, in
// the dark colours under pictures/dark/; every cell brings the name a
// screen reader says of it.
emscripten::val ViewObject(const SessionView& view, const clsCatalogue& catalogue);

// The player's record in the statistics' categories, in their order, with
// the times as the game writes them.
emscripten::val StatisticsObject(const clsStatistics& statistics, std::optional<StatsCategory> newBest);

}  // namespace glyph
