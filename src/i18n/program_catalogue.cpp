// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/program_catalogue.h"

namespace glyph {

clsCatalogue& ProgramCatalogue() {
  static clsCatalogue catalogue;
  return catalogue;
}

std::string GetTranslation(std::string_view moduleName, std::string_view itemName, std::string_view defaultText) {
  return ProgramCatalogue().GetTranslation(moduleName, itemName, defaultText);
}

}  // namespace glyph
