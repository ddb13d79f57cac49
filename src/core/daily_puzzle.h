// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "core/cls_puzzle.h"
#include "core/deduction.h"

namespace glyph {

// The puzzle of the day: every copy of the game gives the same one for the
// same local date, so friends can play it apart and compare.
//
// Both functions take a date of the Gregorian calendar, years 1 to 9999,
// and throw std::invalid_argument for any other (the 30th of February, a
// month 13) rather than quietly giving the puzzle of a neighbouring day.

// The day's level rises over the week: Monday and Tuesday easy, Wednesday
// and Thursday medium, Friday and Saturday hard, Sunday expert.
Difficulty DailyDifficulty(int year, int month, int day);

// A puzzle of the day's level, with exactly one solution, drawn from a
// random source seeded by the date alone. The draw rests on clsSystemRandom,
// the generator's drawing rules and the rating as they are; a change to any
// of them gives other daily puzzles, which the tests pin one day against.
clsPuzzle DailyPuzzle(int year, int month, int day);

// A date as it is written to name a day's puzzle: YYYY-MM-DD in digits and
// dashes, nothing else (no sign, no space); nullopt for any other text.
// Whether that day exists, DateExists says.
struct CalendarDate {
  int year = 0;
  int month = 0;
  int day = 0;
};
std::optional<CalendarDate> ReadDate(std::string_view text);
// Whether the date is a day of the calendar the functions above take.
bool DateExists(const CalendarDate& date);

}  // namespace glyph
