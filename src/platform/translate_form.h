// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace glyph {

class clsCatalogue;

// Replaces a window's title and the captions of its labels, buttons, check
// boxes, option buttons and frames from the current language: the module is
// the window's object name, the items are "CAPTION" and the controls' object
// names, all matched without regard to case. Controls without an item, and
// controls of other kinds, keep what they show.
void TranslateForm(QWidget* form, const clsCatalogue& catalogue);

}  // namespace glyph
