// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QGuiApplication>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "tool/tool_verbs.h"

int main(int argc, char* argv[]) {
  std::vector<std::string> args(argv + 1, argv + argc);
  // Printing lays out text with the fonts of the graphics system; no display
  // is needed for that.
  // The race peers need an event loop for their sockets and timers.
  std::unique_ptr<QCoreApplication> application;
  if (!args.empty() && args[0] == "print") {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    application = std::make_unique<QGuiApplication>(argc, argv);
  } else if (!args.empty() && (args[0] == "host" || args[0] == "join" || args[0] == "discover")) {
    application = std::make_unique<QCoreApplication>(argc, argv);
  }
  return glyph::RunTool(args, std::cout, std::cerr);
}
