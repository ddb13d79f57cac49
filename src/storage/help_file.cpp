// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/help_file.h"

namespace glyph {

namespace {

std::filesystem::path HelpPage(const std::filesystem::path& folder, const std::string& code) {
  return folder / ("glyph_" + code + ".html");
}

}  // namespace

std::filesystem::path HelpFileFor(const std::filesystem::path& programFolder, const std::string* languageCode) {
  if (languageCode != nullptr) {
    const std::filesystem::path page = HelpPage(programFolder, *languageCode);
    std::error_code error;
    if (std::filesystem::exists(page, error)) return page;
  }
  return HelpPage(programFolder, "en");
}

}  // namespace glyph
