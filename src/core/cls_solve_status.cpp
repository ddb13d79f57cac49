// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cls_solve_status.h"

#include <stdexcept>

namespace glyph {

namespace {

void CheckIndices(int s, int d) {
  if (s < 0 || s > 9 || d < 0 || d > 9) {
    throw std::out_of_range("clsSolveStatus: symbol and digit must be 0..9");
  }
}

}  // namespace

void clsSolveStatus::ReadFromString(std::string_view text) {
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    const char c = i < text.size() ? text[i] : '0';
    cells_[i] = (c >= '0' && c <= '9') ? static_cast<std::int16_t>(c - '0') : 0;
  }
}

std::string clsSolveStatus::MakeStatusString() const {
  std::string text;
  text.reserve(kTextLength);
  for (std::int16_t value : cells_) text += static_cast<char>('0' + value);
  return text;
}

bool clsSolveStatus::HoldsOnlyCellValues() const {
  for (std::int16_t value : cells_) {
    if (value < kCellOpen || value > kCellGreyedNo) return false;
  }
  return true;
}

// Twice: the first pass finds the yes marks that stand (a later one in the
// same row or column greys an earlier one), the second greys from those
// alone, so that no greying is left from a yes mark that fell.
void clsSolveStatus::RebuildGreying() {
  const std::array<std::int16_t, 100> marks = cells_;
  std::array<std::int16_t, 100> yes = marks;
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t i = 0; i < cells_.size(); ++i) {
      cells_[i] = (marks[i] == kCellNo || marks[i] == kCellGreyedNo) ? kCellNo : kCellOpen;
    }
    for (std::size_t i = 0; i < yes.size(); ++i) {
      if (yes[i] == kCellYes) SetStatus(static_cast<int>(i / 10), static_cast<int>(i % 10), kCellYes);
    }
    yes = cells_;
  }
}

void clsSolveStatus::Assign(const clsSolveStatus& other) { cells_ = other.cells_; }

std::int16_t clsSolveStatus::GetSolvedNum(int s) const {
  CheckIndices(s, 0);
  std::int16_t result = -1;
  for (int d = 0; d < 10; ++d) {
    if (Cell(s, d) == kCellYes) result = static_cast<std::int16_t>(d);
  }
  return result;
}

void clsSolveStatus::Clear() { cells_.fill(kCellOpen); }

std::int16_t clsSolveStatus::Status(int s, int d) const {
  CheckIndices(s, d);
  return Cell(s, d);
}

void clsSolveStatus::SetStatus(int s, int d, std::int16_t value) {
  CheckIndices(s, d);
  // One decimal digit per cell keeps the text form 100 characters long.
  if (value < 0 || value > 9) throw std::invalid_argument("clsSolveStatus: cell value must be 0..9");
  const std::int16_t old = Cell(s, d);
  Cell(s, d) = value;
  if (value == kCellYes) {
    // The column first, then the row.
    for (int i = 0; i < 10; ++i) {
      if (i != s) Grey(i, d);
    }
    for (int j = 0; j < 10; ++j) {
      if (j != d) Grey(s, j);
    }
  } else if (value == kCellOpen && old == kCellYes) {
    for (int i = 0; i < 10; ++i) {
      if (i != s) Release(i, d);
    }
    for (int j = 0; j < 10; ++j) {
      if (j != d) Release(s, j);
    }
  }
}

void clsSolveStatus::Grey(int s, int d) {
  std::int16_t& cell = Cell(s, d);
  if (cell == kCellOpen || cell == kCellYes) {
    cell = kCellGreyed;
  } else if (cell == kCellNo) {
    cell = kCellGreyedNo;
  }
}

void clsSolveStatus::Release(int s, int d) {
  std::int16_t& cell = Cell(s, d);
  if (cell == kCellGreyed && CanRelease(s, d)) {
    cell = kCellOpen;
  } else if (cell == kCellGreyedNo && CanRelease(s, d)) {
    cell = kCellNo;
  }
}

bool clsSolveStatus::CanRelease(int s, int d) const {
  for (int k = 0; k < 10; ++k) {
    if (Cell(s, k) == kCellYes || Cell(k, d) == kCellYes) return false;
  }
  return true;
}

}  // namespace glyph
