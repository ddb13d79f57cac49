// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/accessible_texts.h"

#include <array>

#include "core/text_marks.h"
#include "i18n/cls_catalogue.h"

namespace glyph {

namespace {

constexpr const char* kModule = kMainWindowModule;

std::string LookName(const clsCatalogue& catalogue, GridLook look) {
  switch (look) {
    case GridLook::Plain: return catalogue.GetTranslation(kModule, "strAccOpen", "open");
    case GridLook::No: return catalogue.GetTranslation(kModule, "strAccNo", "ruled out");
    case GridLook::Yes: return catalogue.GetTranslation(kModule, "strAccYes", "declared");
    case GridLook::Greyed: return catalogue.GetTranslation(kModule, "strAccGreyed", "greyed");
    case GridLook::GreyedNo: return catalogue.GetTranslation(kModule, "strAccGreyedNo", "greyed and ruled out");
  }
  return {};
}

// What each style's pictures show: the classic spheres differ by the
// coloured part, the figures of the new style by shape and colour.
constexpr std::array<std::array<const char*, 10>, 2> kSymbolNames{{
    {"blue right half", "red lower half", "green upper left quarter", "yellow lower right quarter", "magenta core",
     "orange belt", "violet stripe", "brown quarters", "navy ring", "pink dot"},
    {"blue square", "red circle", "green triangle", "purple diamond", "orange octagon", "yellow star", "teal hexagon",
     "navy cross", "magenta pentagon", "brown ring"},
}};
constexpr std::array<const char*, 2> kStyleKeys{"strAccClassic", "strAccModern"};

std::string PictureName(const clsCatalogue& catalogue, int style, const BoardPicture& picture) {
  switch (picture.kind) {
    case PictureKind::Symbol: return SymbolName(catalogue, style, picture.index);
    case PictureKind::Digit: return DigitName(catalogue, picture.index);
    case PictureKind::Plus: return catalogue.GetTranslation(kModule, "strAccPlus", "plus");
    case PictureKind::Minus: return catalogue.GetTranslation(kModule, "strAccMinus", "minus");
    case PictureKind::Equals: return catalogue.GetTranslation(kModule, "strAccEquals", "equals");
    case PictureKind::None: break;
  }
  return {};
}

}  // namespace

std::string SymbolName(const clsCatalogue& catalogue, int style, int symbol) {
  if (style < 0 || style >= static_cast<int>(kStyleKeys.size()) || symbol < 0 || symbol > 9) {
    return FillMark(catalogue.GetTranslation(kModule, "strAccSymbol", "Symbol %1"), "%1", std::to_string(symbol + 1));
  }
  const auto s = static_cast<std::size_t>(style);
  const auto k = static_cast<std::size_t>(symbol);
  return catalogue.GetTranslation(kModule, kStyleKeys[s] + std::to_string(symbol), kSymbolNames[s][k]);
}

std::string DigitName(const clsCatalogue& catalogue, int digit) {
  return FillMark(catalogue.GetTranslation(kModule, "strAccDigit", "Digit %1"), "%1", std::to_string(digit));
}

std::string GridCellName(const clsCatalogue& catalogue, int style, int index, GridLook look) {
  std::string text = catalogue.GetTranslation(kModule, "strAccGridCell", "%1, digit %2: %3");
  text = FillMark(text, "%1", SymbolName(catalogue, style, index / 10));
  text = FillMark(text, "%2", std::to_string(index % 10));
  return FillMark(text, "%3", LookName(catalogue, look));
}

std::string BoardCellName(const clsCatalogue& catalogue, int style, const BoardCell& cell) {
  const std::string name = PictureName(catalogue, style, cell.picture);
  switch (cell.mark) {
    case VerdictMark::Right: return name + ": " + catalogue.GetTranslation(kModule, "strAccRight", "right");
    case VerdictMark::Wrong: return name + ": " + catalogue.GetTranslation(kModule, "strAccWrong", "wrong");
    case VerdictMark::None: break;
  }
  return name;
}

}  // namespace glyph
