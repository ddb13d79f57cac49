// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace glyph {

// Where a file dialog opens: the folder the player last chose a file in, or
// the documents folder the first time (never the current directory, which
// for a game started from a menu is nobody's choice).
QString FileDialogFolder();
// Remembers the folder of a chosen file for the next dialog.
void RememberFileDialogFolder(const QString& chosenFile);

}  // namespace glyph
