// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace glyph {

// The locale item asked for at start-up: the user's language identifier.
constexpr int kLocaleLanguageId = 1;

// One item of information about the user's locale. For kLocaleLanguageId the
// language identifier as four hexadecimal digits ("0407" for de_DE), read
// from LC_ALL, LC_MESSAGES or LANG, the first that is set, as Qt does; with
// none set the C locale's ("0409"); "" when the locale is unknown. Any other
// item gives "".
std::string GetLocaleString(int infoType);

}  // namespace glyph
