// SPDX-License-Identifier: GPL-3.0-or-later
// Several language files in a row (separated by NUL bytes in the input), then
// the start-up choice and lookups.
#include <cstddef>
#include <cstdint>
#include <string>

#include "i18n/cls_catalogue.h"
#include "i18n/language_choice.h"
#include "storage/cls_memory_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  glyph::clsCatalogue catalogue;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = input.find('\0', start);
    catalogue.ReadLanguageContent(input.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  glyph::clsMemorySettings settings;
  glyph::ChooseLanguage(catalogue, settings, "0407");
  catalogue.GetTranslation("frmSymbol", "cmdNew", "New game");
  catalogue.GetTranslation("FRMSYMBOL", "CAPTION", "Glyphmatic");
  return 0;
}
