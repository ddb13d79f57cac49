#include <iostream>
#include <string>
#include <vector>

#include "tool/tool_verbs.h"

int main(int argc, char* argv[]) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return glyph::RunTool(args, std::cout, std::cerr);
}
