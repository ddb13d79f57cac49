// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace glyph {

// Context numbers of the help topics; each is an anchor of the help page.
constexpr int kHelpMainWindow = 1000;
constexpr int kHelpSinglePlayer = 1001;
constexpr int kHelpNetworkGame = 1004;

// The help page of a language: the program's folder + "glyph_" + code +
// ".html". Without a current language, or where that page does not exist,
// the English page.
std::filesystem::path HelpFileFor(const std::filesystem::path& programFolder, const std::string* languageCode);

}  // namespace glyph
