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
  std::unique_ptr<QGuiApplication> graphics;
  if (!args.empty() && args[0] == "print") {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    graphics = std::make_unique<QGuiApplication>(argc, argv);
  }
  return glyph::RunTool(args, std::cout, std::cerr);
}
