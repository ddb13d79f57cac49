// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lenient_number.h"

#include <cstddef>
#include <limits>

namespace glyph {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Larger than any 32-bit magnitude; the integer part saturates here so that a
// long run of digits cannot overflow.
constexpr long long kSaturated = 10'000'000'000LL;

// The value of a field, held within plus or minus kSaturated.
long long ReadLenient(std::string_view field) {
  std::size_t pos = 0;
  while (pos < field.size() && IsBlank(field[pos])) ++pos;

  bool negative = false;
  if (pos < field.size() && (field[pos] == '+' || field[pos] == '-')) {
    negative = field[pos] == '-';
    ++pos;
  }

  long long magnitude = 0;
  for (; pos < field.size() && IsDigit(field[pos]); ++pos) {
    magnitude = magnitude * 10 + (field[pos] - '0');
    if (magnitude > kSaturated) magnitude = kSaturated;
  }

  // Round the fraction in decimal, so that 2.5 is an exact tie.
  if (pos < field.size() && field[pos] == '.') {
    ++pos;
    if (pos < field.size() && IsDigit(field[pos])) {
      const char first = field[pos++];
      bool moreThanHalf = first > '5';
      bool exactlyHalf = first == '5';
      for (; pos < field.size() && IsDigit(field[pos]); ++pos) {
        if (field[pos] != '0' && exactlyHalf) {
          exactlyHalf = false;
          moreThanHalf = true;
        }
      }
      if (moreThanHalf || (exactlyHalf && magnitude % 2 == 1)) ++magnitude;
    }
  }

  return negative ? -magnitude : magnitude;
}

}  // namespace

std::int32_t ReadLenientInt32(std::string_view field) {
  const long long value = ReadLenient(field);
  if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

std::optional<std::int16_t> ReadLenientInt16(std::string_view field) {
  const long long value = ReadLenient(field);
  if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(value);
}

}  // namespace glyph
