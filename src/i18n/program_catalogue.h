// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "i18n/cls_catalogue.h"

namespace glyph {

// The program's one catalogue, filled at start-up and read by every window.
clsCatalogue& ProgramCatalogue();

// The text to show for module, item and English default, from the program's
// catalogue.
std::string GetTranslation(std::string_view moduleName, std::string_view itemName, std::string_view defaultText);

}  // namespace glyph
