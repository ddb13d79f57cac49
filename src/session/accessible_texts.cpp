// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/accessible_texts.h"

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

std::string PictureName(const clsCatalogue& catalogue, const BoardPicture& picture) {
  switch (picture.kind) {
    case PictureKind::Symbol:
      return FillMark(catalogue.GetTranslation(kModule, "strAccSymbol", "Symbol %1"), "%1",
                      std::to_string(picture.index + 1));
    case PictureKind::Digit:
      return FillMark(catalogue.GetTranslation(kModule, "strAccDigit", "Digit %1"), "%1",
                      std::to_string(picture.index));
    case PictureKind::Plus: return catalogue.GetTranslation(kModule, "strAccPlus", "plus");
    case PictureKind::Minus: return catalogue.GetTranslation(kModule, "strAccMinus", "minus");
    case PictureKind::Equals: return catalogue.GetTranslation(kModule, "strAccEquals", "equals");
    case PictureKind::None: break;
  }
  return {};
}

}  // namespace

std::string GridCellName(const clsCatalogue& catalogue, int index, GridLook look) {
  std::string text = catalogue.GetTranslation(kModule, "strAccGridCell", "Symbol %1, digit %2: %3");
  text = FillMark(text, "%1", std::to_string(index / 10 + 1));
  text = FillMark(text, "%2", std::to_string(index % 10));
  return FillMark(text, "%3", LookName(catalogue, look));
}

std::string BoardCellName(const clsCatalogue& catalogue, const BoardCell& cell) {
  const std::string name = PictureName(catalogue, cell.picture);
  switch (cell.mark) {
    case VerdictMark::Right: return name + ": " + catalogue.GetTranslation(kModule, "strAccRight", "right");
    case VerdictMark::Wrong: return name + ": " + catalogue.GetTranslation(kModule, "strAccWrong", "wrong");
    case VerdictMark::None: break;
  }
  return name;
}

}  // namespace glyph
