// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialogButtonBox>
#include <QPushButton>
#include <QString>

class QDialog;
class QLabel;

namespace glyph {

// The confirm and Cancel buttons of a dialog, named as the dialogs' controls
// are (cmdOK or another name for the confirming one, cmdCancel), the first
// one pressed by Enter; Cancel rejects the dialog.
struct DialogButtons {
  QDialogButtonBox* box;
  QPushButton* confirm;
  QPushButton* cancel;
};
DialogButtons MakeDialogButtons(QDialog* dialog, const QString& confirmText = "OK", const char* confirmName = "cmdOK");

// The line of a dialog that says why its answer was refused: bold plain
// text, hidden until there is something to say.
QLabel* MakeRefusalLine(QDialog* dialog);

}  // namespace glyph
