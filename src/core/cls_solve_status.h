// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace glyph {

// Values of one cell of the solution grid.
enum CellValue : std::int16_t {
  kCellOpen = 0,
  kCellNo = 1,        // the player ruled this digit out for this symbol
  kCellYes = 2,       // the player holds this digit to be the symbol's
  kCellGreyed = 3,    // ruled out by a yes mark in its row or column
  kCellGreyedNo = 4,  // ruled out by a yes mark, after the player had ruled it out
};

// The solution grid: one row per symbol, one column per digit. Writing a yes
// mark through SetStatus greys the rest of its row and column; removing it
// releases the cells no other yes mark holds. Bookmarks are further objects of
// this class with a name.
class clsSolveStatus {
 public:
  static constexpr std::size_t kTextLength = 100;

  // Sets all cells from the 100-character text form (symbol 0's ten cells
  // first); a missing or non-digit character gives 0. Values are stored raw.
  void ReadFromString(std::string_view text);
  std::string MakeStatusString() const;

  // True when every cell holds one of the five cell values: a grid read
  // from outside holding anything else is refused.
  bool HoldsOnlyCellValues() const;
  // Greys the cells the yes marks hold and releases every other greyed
  // cell, as if the yes marks had been made one by one: a grid read from
  // outside then shows no greying that no mark explains, so that hints and
  // checks see the grid the player sees.
  void RebuildGreying();

  // Copies the cells of another grid; the name stays.
  void Assign(const clsSolveStatus& other);

  // The digit with a yes mark for symbol s (the highest if several), or -1.
  std::int16_t GetSolvedNum(int s) const;

  // Empties every cell; the name stays.
  void Clear();

  // Cell (symbol s, digit d). Both indices must be 0..9, otherwise
  // std::out_of_range is thrown before anything changes.
  std::int16_t Status(int s, int d) const;
  // Writes a cell and applies the automatic greying and release. A value
  // outside 0..9 throws std::invalid_argument before anything changes.
  void SetStatus(int s, int d, std::int16_t value);

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  bool operator==(const clsSolveStatus& other) const { return cells_ == other.cells_; }

 private:
  std::int16_t& Cell(int s, int d) { return cells_[static_cast<std::size_t>(10 * s + d)]; }
  std::int16_t Cell(int s, int d) const { return cells_[static_cast<std::size_t>(10 * s + d)]; }
  bool CanRelease(int s, int d) const;
  void Grey(int s, int d);
  void Release(int s, int d);

  std::array<std::int16_t, 100> cells_{};
  std::string name_;
};

}  // namespace glyph
