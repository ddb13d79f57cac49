// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>
#include <utility>
#include <vector>

class QWidget;

namespace glyph {

// Shows a supposition's steps, one paragraph each, with the symbols as
// pictures, beside the window until the player closes it.
void ShowStepsDialog(QWidget* parent, const QString& title, const QString& html,
                     const std::vector<std::pair<QString, QPixmap>>& pictures);

}  // namespace glyph
