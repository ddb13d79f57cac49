// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace glyph {

// Qt's own texts (the Yes and No of message boxes, the file and print
// dialogs) in the language of the given code ("de"), where Qt ships them;
// English otherwise. Called again when the language changes.
void UseQtTranslations(const std::string& languageCode);

}  // namespace glyph
