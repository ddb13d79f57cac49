// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace glyph {

class clsCatalogue;
class clsSettingsStore;

// The locale code of a language identifier in hexadecimal text ("0407",
// "0x0409", "407"): leading "&", "x", "X" and "0" are dropped while two or
// more characters remain, the rest is upper-cased and looked up. "" when no
// row matches.
std::string LcidToLocaleCode(std::string_view languageId);

// The language identifier, as four hexadecimal digits, of a POSIX locale name
// such as "de_DE.UTF-8" ("0407"). A region the table does not know falls back
// to the language's own row ("de_XX" gives "0007"); "" when neither is known.
// The C and POSIX locales give US English, "0409".
std::string LanguageIdForLocaleName(std::string_view localeName);

// The name of the first language whose code (trimmed, upper case) equals the
// first two letters of the locale's code, upper case; "" when none does.
std::string GetDefaultLanguage(const clsCatalogue& catalogue, std::string_view languageId);

// The start-up choice after the files are read: the stored language, else the
// one matching the locale, else the alphabetically first; the choice is
// written back to the settings (in the file's spelling) when there is one.
void ChooseLanguage(clsCatalogue& catalogue, clsSettingsStore& settings, std::string_view languageId);

// Start-up: reads every language file of the folder, then chooses the current
// language. Returns the files that could not be read.
std::vector<std::filesystem::path> LoadLanguages(clsCatalogue& catalogue, const std::filesystem::path& folder,
                                                 clsSettingsStore& settings, std::string_view languageId);

}  // namespace glyph
