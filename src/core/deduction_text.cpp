#include <string>

#include "core/deduction.h"
#include "core/text_marks.h"

namespace glyph {

namespace {

// "0", "0 or 9", "0, 4 or 9".
std::string DigitList(std::uint16_t digits, const TextSource& text) {
  std::string list;
  int left = __builtin_popcount(digits);
  for (int d = 0; d < 10; ++d) {
    if (!(digits & (1u << d))) continue;
    --left;
    list += std::to_string(d);
    if (left > 1) list += ", ";
    if (left == 1) list += " " + text("strHintOr", "or") + " ";
  }
  return list;
}

std::string ColumnNames(const Reason& reason, const TextSource& text) {
  static const char* const keys[] = {"strHintOnes", "strHintTens", "strHintHundreds"};
  static const char* const english[] = {"ones", "tens", "hundreds"};
  const auto low = static_cast<std::size_t>(reason.lowColumn);
  if (reason.columns == 1) return text(keys[low], english[low]);
  return text(keys[low + 1], english[low + 1]) + " " + text("strHintAnd", "and") + " " + text(keys[low], english[low]);
}

std::string LineName(int equation, const TextSource& text) {
  static const char* const keys[] = {"strHintRow1",    "strHintRow2",    "strHintRow3",
                                     "strHintColumn1", "strHintColumn2", "strHintColumn3"};
  static const char* const english[] = {"the first row",    "the second row",    "the third row",
                                        "the first column", "the second column", "the third column"};
  return text(keys[equation], english[equation]);
}

// The columns as written on the board: "◆● + ●■ = ◆◆".
std::string WrittenColumns(const Reason& reason, const BoardShape& shape,
                           const std::function<std::string(int)>& symbol) {
  const PuzzleEquation& eq = kPuzzleEquations[static_cast<std::size_t>(reason.equation)];
  const auto part = [&](int number) {
    std::string written;
    for (int c = reason.lowColumn + reason.columns - 1; c >= reason.lowColumn; --c) {
      written += symbol(shape.symbolAt[static_cast<std::size_t>(number - 1)][static_cast<std::size_t>(c)]);
    }
    return written;
  };
  const bool adds = shape.adds[static_cast<std::size_t>(reason.equation)];
  return part(eq.left) + (adds ? " + " : " - ") + part(eq.right) + " = " + part(eq.result);
}

// What the columns say of carries: none comes into the ones, none leaves the hundreds.
std::string CarryNote(const Reason& reason, bool adds, const TextSource& text) {
  std::string note;
  if (reason.lowColumn == 0) {
    note += adds ? text("strHintNoCarryIn", ", no carry into the ones")
                 : text("strHintNoBorrowIn", ", no borrow in the ones");
  }
  if (reason.lowColumn + reason.columns == 3) {
    note += adds ? text("strHintNoCarryOut", ", no carry out of the hundreds")
                 : text("strHintNoBorrowOut", ", no borrow out of the hundreds");
  }
  return note;
}

}  // namespace

std::string Explain(const Deduction& deduction, const BoardShape& shape, const TextSource& text,
                    const std::function<std::string(int symbol)>& symbol) {
  const Reason& reason = deduction.reason;
  const std::string s = symbol(deduction.fact.symbol);
  const std::string d = std::to_string(deduction.fact.digit);
  std::string said;
  switch (reason.kind) {
    case Reason::Kind::OnlyDigit:
      said = text("strHintOnlyDigit", "Every digit but %2 is ruled out for %1, so %1 is %2.");
      break;
    case Reason::Kind::OnlySymbol:
      said = text("strHintOnlySymbol", "No symbol but %1 can still be %2, so %1 is %2.");
      break;
    case Reason::Kind::Columns:
      said = text("strHintColumns", "In the %3 of %4 (%5%6), %1 can only be %7, so %1 is not %2.");
      said = FillMark(said, "%3", ColumnNames(reason, text));
      said = FillMark(said, "%4", LineName(reason.equation, text));
      said = FillMark(said, "%5", WrittenColumns(reason, shape, symbol));
      said = FillMark(said, "%6", CarryNote(reason, shape.adds[static_cast<std::size_t>(reason.equation)], text));
      said = FillMark(said, "%7", DigitList(reason.allowed, text));
      break;
    case Reason::Kind::Trial:
      said = text("strHintTrial",
                  "Suppose %1 were %2: %3 steps of the simpler rules lead to a contradiction, so %1 is not %2.");
      said = FillMark(said, "%3", std::to_string(reason.steps));
      break;
    case Reason::Kind::Search:
      said = text("strHintSearch",
                  "None of the %3 ways to fill in the six sums that fit the grid makes %1 %2, so %1 is not %2.");
      said = FillMark(said, "%3", std::to_string(reason.steps));
      break;
  }
  return FillMark(FillMark(said, "%1", s), "%2", d);
}

}  // namespace glyph
