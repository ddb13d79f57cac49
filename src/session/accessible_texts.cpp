#include "session/accessible_texts.h"

#include "i18n/cls_catalogue.h"

namespace glyph {

namespace {

constexpr char kModule[] = "frmSymbol";

// Puts value in place of the first "%1" (or "%2", ...) of a text.
std::string Fill(std::string text, const char* mark, const std::string& value) {
  const std::size_t at = text.find(mark);
  return at == std::string::npos ? text : text.replace(at, 2, value);
}

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
      return Fill(catalogue.GetTranslation(kModule, "strAccSymbol", "Symbol %1"), "%1",
                  std::to_string(picture.index + 1));
    case PictureKind::Digit:
      return Fill(catalogue.GetTranslation(kModule, "strAccDigit", "Digit %1"), "%1", std::to_string(picture.index));
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
  text = Fill(text, "%1", std::to_string(index / 10 + 1));
  text = Fill(text, "%2", std::to_string(index % 10));
  return Fill(text, "%3", LookName(catalogue, look));
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
