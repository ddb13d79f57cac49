// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/daily_puzzle.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <stdexcept>

#include "core/cls_system_random.h"

namespace glyph {

namespace {

// Mixed into the date so that the day's draws are not the ones a test or a
// tool seeded with a small number such as 20261207 would give.
constexpr std::uint64_t kDailySalt = 0x676C797068646179ull;  // "glyphday"

// Sunday first, as std::chrono::weekday counts.
constexpr std::array<Difficulty, 7> kLevelOfWeekday{Difficulty::Expert, Difficulty::Easy,   Difficulty::Easy,
                                                    Difficulty::Medium, Difficulty::Medium, Difficulty::Hard,
                                                    Difficulty::Hard};

// The fields are range-checked before std::chrono sees them: its year,
// month and day keep only the low bits of what they are given, so month 257
// would pass as January.
std::chrono::year_month_day CheckedDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31) {
    throw std::invalid_argument("not a date");
  }
  const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                         std::chrono::day{static_cast<unsigned>(day)}};
  if (!date.ok()) throw std::invalid_argument("not a date");
  return date;
}

}  // namespace

Difficulty DailyDifficulty(int year, int month, int day) {
  const std::chrono::weekday weekday{std::chrono::sys_days{CheckedDate(year, month, day)}};
  return kLevelOfWeekday[weekday.c_encoding()];
}

clsPuzzle DailyPuzzle(int year, int month, int day) {
  const Difficulty level = DailyDifficulty(year, month, day);
  // year*10000 + month*100 + day is different for every date of 1..9999.
  clsSystemRandom random(static_cast<std::uint64_t>(year * 10000 + month * 100 + day) ^ kDailySalt);
  clsPuzzle puzzle;
  MakeRatedPuzzle(puzzle, random, level);
  return puzzle;
}

bool DateExists(const CalendarDate& date) {
  try {
    CheckedDate(date.year, date.month, date.day);
    return true;
  } catch (const std::invalid_argument&) {
    return false;
  }
}

std::optional<CalendarDate> ReadDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  std::array<int, 3> fields{};
  constexpr std::array<std::size_t, 3> kStarts{0, 5, 8};
  constexpr std::array<std::size_t, 3> kLengths{4, 2, 2};
  for (std::size_t f = 0; f < fields.size(); ++f) {
    for (std::size_t i = kStarts[f]; i < kStarts[f] + kLengths[f]; ++i) {
      if (text[i] < '0' || text[i] > '9') return std::nullopt;
      fields[f] = 10 * fields[f] + (text[i] - '0');
    }
  }
  return CalendarDate{fields[0], fields[1], fields[2]};
}

}  // namespace glyph
