// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace glyph {

// SIGTERM, SIGHUP and SIGINT (the desktop session ending, the terminal
// closing, Ctrl+C) end the program the way quitting does: the handler runs
// in the event loop, not inside the signal, and then the program quits.
void QuitGracefullyOnSignals(std::function<void()> beforeQuitting);

}  // namespace glyph
