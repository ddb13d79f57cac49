// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "storage/saved_game.h"

namespace glyph {

// A mistake in the command line or its input: reported on standard error
// with exit status 2, before anything is written to standard output.
class clsToolError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The arguments of one verb: options that take a value ("--count 5" or
// "--count=5") and positional arguments. Everything after "--" is positional,
// so a puzzle text starting with "-" can be given.
struct ToolArgs {
  std::map<std::string, std::string> options;
  std::set<std::string> flags;
  std::vector<std::string> positionals;

  bool Has(const std::string& name) const { return options.count(name) > 0; }
  bool Flag(const std::string& name) const { return flags.count(name) > 0; }
};

// allowed: options that take a value; flags: options that stand alone.
ToolArgs ParseToolArgs(const std::vector<std::string>& args, const std::set<std::string>& allowed,
                       const std::set<std::string>& flags = {});

// The saved game in a file, or clsToolError saying it is none or unreadable.
SavedGame LoadGameOrFail(const std::string& file);

// A text from the command line as an error message quotes it: in quotes,
// at most a few dozen characters, control characters as spaces.
std::string Quoted(const std::string& text);

// Exactly count positional arguments, or clsToolError naming what is expected.
void ExpectPositionals(const ToolArgs& args, std::size_t count, const std::string& what);

// A whole decimal number in [lowest, highest], or clsToolError.
std::int64_t ParseInteger(const std::string& option, const std::string& text, std::int64_t lowest,
                          std::int64_t highest);
std::uint64_t ParseUnsigned(const std::string& option, const std::string& text);

// Throws the reason a whole-file write did not happen, the system's words
// included; nothing when it did.
void ExpectWritten(WriteOutcome outcome, const std::string& path, const clsFileWriter& writer);

}  // namespace glyph
