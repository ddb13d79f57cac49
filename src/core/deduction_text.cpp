// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "core/deduction.h"
#include "core/text_marks.h"

namespace glyph {

namespace {

using SymbolName = std::function<std::string(int symbol)>;

// The minus sign as the language files' code page writes it (an en dash).
constexpr const char* kMinus = "\x96";

// "0", "0 or 9", "0, 4 or 9"; runs of three or more as "1 to 8" ("1 to 3 or 5").
std::string EitherOf(std::uint16_t digits, const TextSource& text) {
  std::vector<std::string> parts;
  for (int d = 0; d < 10; ++d) {
    if (!(digits & (1u << d))) continue;
    int last = d;
    while (last < 9 && (digits & (1u << (last + 1)))) ++last;
    if (last - d >= 2) {
      parts.push_back(std::to_string(d) + " " + text("strHintTo", "to") + " " + std::to_string(last));
      d = last;
    } else {
      parts.push_back(std::to_string(d));
    }
  }
  std::string list;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) list += i + 1 == parts.size() ? " " + text("strHintOr", "or") + " " : ", ";
    list += parts[i];
  }
  return list;
}

std::uint16_t DigitsOf(const std::vector<Fact>& facts) {
  std::uint16_t digits = 0;
  for (const Fact& f : facts) digits |= static_cast<std::uint16_t>(1u << f.digit);
  return digits;
}

const char* const kColumnKeys[] = {"strHintOnes", "strHintTens", "strHintHundreds"};
const char* const kColumnEnglish[] = {"ones", "tens", "hundreds"};

std::string ColumnName(int column, const TextSource& text) { return text(kColumnKeys[column], kColumnEnglish[column]); }

std::string ColumnNames(const Reason& reason, const TextSource& text) {
  if (reason.columns == 1) return ColumnName(reason.lowColumn, text);
  return ColumnName(reason.lowColumn + 1, text) + " " + text("strHintAnd", "and") + " " +
         ColumnName(reason.lowColumn, text);
}

std::string LineName(int equation, const TextSource& text) {
  static const char* const keys[] = {"strHintRow1",    "strHintRow2",    "strHintRow3",
                                     "strHintColumn1", "strHintColumn2", "strHintColumn3"};
  static const char* const english[] = {"the first row",    "the second row",    "the third row",
                                        "the first column", "the second column", "the third column"};
  return text(keys[equation], english[equation]);
}

// The columns as written on the board: "◆● + ●■ = ◆◆".
std::string WrittenColumns(const Reason& reason, const BoardShape& shape, const SymbolName& symbol) {
  const PuzzleEquation& eq = kPuzzleEquations[static_cast<std::size_t>(reason.equation)];
  const auto part = [&](int number) {
    std::string written;
    for (int c = reason.lowColumn + reason.columns - 1; c >= reason.lowColumn; --c) {
      written += symbol(shape.symbolAt[static_cast<std::size_t>(number - 1)][static_cast<std::size_t>(c)]);
    }
    return written;
  };
  const bool adds = shape.adds[static_cast<std::size_t>(reason.equation)];
  return part(eq.left) + (adds ? " + " : std::string(" ") + kMinus + " ") + part(eq.right) + " = " + part(eq.result);
}

// What the columns say of carries and borrows at their two edges.
std::string CarryNote(const Reason& reason, bool adds, const TextSource& text) {
  std::string note;
  if (reason.lowColumn == 0) {
    note += adds ? text("strHintNoCarryIn", ", nothing is carried into the ones")
                 : text("strHintNothingBorrowsOnes", ", nothing is borrowed from the ones");
  } else {
    const std::string below = ColumnName(reason.lowColumn - 1, text);
    note += FillMark(adds ? text("strHintCarryMayCome", ", perhaps with a carry from the %1")
                          : text("strHintMayBorrow", ", perhaps with the %1 borrowing from them"),
                     "%1", below);
  }
  if (reason.lowColumn + reason.columns == 3) {
    note += adds ? text("strHintNoCarryOut", ", no carry out of the hundreds")
                 : text("strHintHundredsNoBorrow", ", the hundreds borrow nothing");
  }
  return note;
}

// "◆ is 4; ● is not 2 or 3": the marks a step rests on, by symbol.
std::string MarksSaid(const std::vector<Fact>& marks, const TextSource& text, const SymbolName& symbol) {
  std::string said;
  for (int s = 0; s < 10; ++s) {
    std::uint16_t isNot = 0;
    for (const Fact& f : marks) {
      if (f.symbol != s) continue;
      if (!f.is) isNot |= static_cast<std::uint16_t>(1u << f.digit);
      if (f.is) {
        said += (said.empty() ? "" : "; ") +
                FillMark(FillMark(text("strHintIs", "%1 is %2"), "%1", symbol(s)), "%2", std::to_string(f.digit));
      }
    }
    if (isNot != 0) {
      said += (said.empty() ? "" : "; ") +
              FillMark(FillMark(text("strHintIsNot", "%1 is not %2"), "%1", symbol(s)), "%2", EitherOf(isNot, text));
    }
  }
  return said;
}

// What a supposition ends in. Where the supposed symbol itself is left
// without a digit, its last step found no way through its columns at all:
// that is what fails.
std::string Contradiction(const Deduction& supposition, const TextSource& text, const SymbolName& symbol) {
  const Reason& reason = supposition.reason;
  if (reason.brokenSymbol >= 0 && reason.brokenSymbol == supposition.facts.front().symbol &&
      !supposition.steps.empty() && supposition.steps.back().reason.kind == Reason::Kind::Columns) {
    const Reason& last = supposition.steps.back().reason;
    return FillMark(FillMark(text("strHintNoWayThrough", "no digits fit the %1 of %2"), "%1", ColumnNames(last, text)),
                    "%2", LineName(last.equation, text));
  }
  if (reason.brokenSymbol >= 0) {
    return FillMark(text("strHintNoDigitLeft", "%1 has no digit left"), "%1", symbol(reason.brokenSymbol));
  }
  return FillMark(text("strHintNoSymbolLeft", "no symbol can be %1 any more"), "%1",
                  std::to_string(reason.brokenDigit));
}

// " (0 would make ◆ and ★ the same digit)": what besides the arithmetic
// rules out a column step's digits.
std::string ObstaclesSaid(const Deduction& step, bool adds, const TextSource& text, const SymbolName& symbol) {
  std::string said;
  for (const Obstacle& obstacle : step.obstacles) {
    std::string clause;
    switch (obstacle.kind) {
      case Obstacle::Kind::SameDigit:
        clause = obstacle.symbol < 0
                     ? text("strHintWhySameDigitAny", "%1 would give two different symbols the same digit")
                     : FillMark(FillMark(text("strHintWhySameDigit", "%1 would make %2 and %3 the same digit"), "%2",
                                         symbol(obstacle.symbol)),
                                "%3", symbol(obstacle.other));
        break;
      case Obstacle::Kind::TwoDigits:
        clause = obstacle.symbol < 0 ? text("strHintWhyTwoDigitsAny", "%1 would give one symbol two different digits")
                                     : FillMark(text("strHintWhyTwoDigits", "%1 would give %2 two different digits"),
                                                "%2", symbol(obstacle.symbol));
        break;
      case Obstacle::Kind::Carry:
        if (step.reason.lowColumn == 0) {
          clause = adds ? text("strHintWhyCarryIn", "%1 would need a carry into the ones")
                        : text("strHintWhyBorrowOnes", "%1 would need something borrowed from the ones");
        } else {
          clause = adds ? text("strHintWhyCarryOut", "%1 would need a carry out of the hundreds")
                        : text("strHintWhyBorrowHundreds", "%1 would need the hundreds to borrow");
        }
        break;
    }
    said += (said.empty() ? " (" : "; ") + FillMark(clause, "%1", EitherOf(obstacle.digits, text));
  }
  return said.empty() ? said : said + ")";
}

// "Suppose ◆ were 0: after 4 steps of the simpler rules, ● has no digit left"
std::string Supposition(const Deduction& deduction, const TextSource& text, const SymbolName& symbol) {
  const Reason& reason = deduction.reason;
  std::string said;
  if (reason.steps == 0) {
    said = text("strHintTrialAtOnce", "Suppose %1 were %2: at once %4");
  } else {
    said = text("strHintTrialAfter", "Suppose %1 were %2: after %3, %4");
    said = FillMark(said, "%3",
                    reason.steps == 1 ? text("strHintOneStep", "one step of the simpler rules")
                                      : FillMark(text("strHintSteps", "%1 steps of the simpler rules"), "%1",
                                                 std::to_string(reason.steps)));
  }
  return FillMark(said, "%4", Contradiction(deduction, text, symbol));
}

}  // namespace

std::string Explain(const Deduction& deduction, const BoardShape& shape, const TextSource& text,
                    const SymbolName& symbol) {
  const Reason& reason = deduction.reason;
  const Fact& first = deduction.facts.front();
  std::string said;
  switch (reason.kind) {
    case Reason::Kind::OnlyDigit:
      said = text("strHintOnlyDigit", "Every digit but %2 is ruled out for %1, so %1 is %2.");
      break;
    case Reason::Kind::OnlySymbol:
      said = text("strHintOnlySymbol", "No symbol but %1 can still be %2, so %1 is %2.");
      break;
    case Reason::Kind::Columns:
      said = reason.allowed == 0 ? text("strHintColumnsNoneWhy", "In the %3 of %4 (%5%6), no digit is left for %1")
                                 : text("strHintColumnsWhy", "In the %3 of %4 (%5%6), %1 can only be %7");
      said = FillMark(said, "%3", ColumnNames(reason, text));
      said = FillMark(said, "%4", LineName(reason.equation, text));
      said = FillMark(said, "%5", WrittenColumns(reason, shape, symbol));
      said = FillMark(said, "%6", CarryNote(reason, shape.adds[static_cast<std::size_t>(reason.equation)], text));
      break;
    case Reason::Kind::Trial: said = Supposition(deduction, text, symbol); break;
    case Reason::Kind::Search:
      said = text("strHintSearchWhy", "Every way to fill in the six sums that fits the grid leaves %1 only %7");
      break;
  }
  if (reason.kind != Reason::Kind::OnlyDigit && reason.kind != Reason::Kind::OnlySymbol) {
    said = FillMark(said, "%7", EitherOf(reason.allowed, text));
    if (reason.kind == Reason::Kind::Columns) {
      said += ObstaclesSaid(deduction, shape.adds[static_cast<std::size_t>(reason.equation)], text, symbol);
    }
    said += text("strHintSoNot", ", so %1 is not %2.");
  }
  if (reason.kind == Reason::Kind::Columns && !deduction.because.empty()) {
    said +=
        " " + FillMark(text("strHintBecause", "It rests on: %8."), "%8", MarksSaid(deduction.because, text, symbol));
  }
  const std::string digits = first.is ? std::to_string(first.digit) : EitherOf(DigitsOf(deduction.facts), text);
  return FillMark(FillMark(said, "%1", symbol(first.symbol)), "%2", digits);
}

std::vector<std::string> ExplainSteps(const Deduction& supposition, const BoardShape& shape, const TextSource& text,
                                      const SymbolName& symbol) {
  std::vector<std::string> lines;
  const Fact& supposed = supposition.facts.front();
  lines.push_back(FillMark(FillMark(text("strHintStepsSuppose", "Suppose %1 were %2."), "%1", symbol(supposed.symbol)),
                           "%2", std::to_string(supposed.digit)));
  for (std::size_t i = 0; i < supposition.steps.size(); ++i) {
    lines.push_back(std::to_string(i + 1) + ". " + Explain(supposition.steps[i], shape, text, symbol));
  }
  lines.push_back(FillMark(text("strHintStepsEnd", "Then %1: a contradiction, so the supposition is wrong."), "%1",
                           Contradiction(supposition, text, symbol)));
  return lines;
}

}  // namespace glyph
