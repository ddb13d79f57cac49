// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "core/cls_puzzle.h"
#include "core/deduction.h"

namespace glyph {

class clsCatalogue;
class clsPageDevice;
class clsPrintProgress;
class clsRandomSource;

inline constexpr char kPrintModule[] = "frmPrint";

// Layout of the printed page, in twips.
namespace print_layout {
constexpr int kColumnPitch = 4800;
constexpr int kFirstRowTop = 500;
constexpr int kRowPitch = 2650;          // a puzzle or a solution (with its key)
constexpr int kRowPitchWithGrid = 6800;  // a puzzle with its grid
constexpr int kBottomReserve = 400;
constexpr int kGlyph = 300;
constexpr int kRightMargin = 100;
}  // namespace print_layout

// A batch holds at most this many puzzles: a typed count beyond it is
// refused rather than generated for hours.
inline constexpr int kMostPrintedPuzzles = 1000;
// Whether a count as typed is a batch the job takes (1 to the most).
bool IsPrintableCount(const std::string& count);

struct PrintOptions {
  std::string count = "1";  // as typed: read leniently, a non-number is 0
  bool grid = false;
  bool solutions = false;
  Difficulty difficulty = Difficulty::Any;  // of the new puzzles; the board's is as it is
};

struct PrintResult {
  int pages = 0;
  int puzzles = 0;
  int solutions = 0;
};

// Prints a batch: the board's puzzle first, then new ones, several to a page,
// each with an empty grid when asked, and pages of solutions when asked.
// Every printed puzzle shows the board's symbols. Returns nothing (and draws
// nothing) when the page cannot hold a single puzzle.
std::optional<PrintResult> RunPrintJob(const clsPuzzle& boardPuzzle, const PrintOptions& options, clsPageDevice& device,
                                       clsRandomSource& random, const clsCatalogue& catalogue,
                                       const std::string& webAddress, clsPrintProgress* progress = nullptr);

// The spin buttons of the count: one more, one less, from 1 to the most.
std::string CountUp(const std::string& count);
std::string CountDown(const std::string& count);

}  // namespace glyph
