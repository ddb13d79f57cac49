// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace glyph {

// Makes a window fit the screen it opens on and stand wholly on it: no
// larger than the screen's free room (a window manager's frame allowed for),
// placed over the window it belongs to, and moved inside the room when it
// reaches past an edge. For windows of any size and screen scale.
void FitOnScreen(QWidget* window);

}  // namespace glyph
