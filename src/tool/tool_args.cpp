// SPDX-License-Identifier: GPL-3.0-or-later
#include "tool/tool_args.h"

#include "core/plain_text.h"

#include <charconv>

namespace glyph {

ToolArgs ParseToolArgs(const std::vector<std::string>& args, const std::set<std::string>& allowed,
                       const std::set<std::string>& flags) {
  ToolArgs parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--") {
      parsed.positionals.insert(parsed.positionals.end(), args.begin() + static_cast<long>(i) + 1, args.end());
      break;
    }
    if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      parsed.positionals.push_back(arg);
      continue;
    }
    std::string name = arg.substr(2);
    if (flags.count(name) > 0) {
      parsed.flags.insert(name);
      continue;
    }
    std::string value;
    const std::size_t equals = name.find('=');
    if (equals != std::string::npos) {
      value = name.substr(equals + 1);
      name.resize(equals);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      throw clsToolError("option " + Quoted("--" + name) + " needs a value");
    }
    if (allowed.count(name) == 0) throw clsToolError("unknown option " + Quoted("--" + name));
    if (parsed.Has(name)) throw clsToolError("option " + Quoted("--" + name) + " given twice");
    parsed.options[name] = value;
  }
  return parsed;
}

void ExpectPositionals(const ToolArgs& args, std::size_t count, const std::string& what) {
  if (args.positionals.size() != count) {
    throw clsToolError("expected " + what + " (a text starting with \"-\" goes after \"--\")");
  }
}

std::string Quoted(const std::string& text) {
  constexpr std::size_t kLongestQuote = 40;
  const std::string shown = text.size() > kLongestQuote ? text.substr(0, kLongestQuote) + "..." : text;
  return "\"" + PlainText(shown) + "\"";
}

std::int64_t ParseInteger(const std::string& option, const std::string& text, std::int64_t lowest,
                          std::int64_t highest) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest) {
    throw clsToolError("--" + option + " takes a whole number from " + std::to_string(lowest) + " to " +
                       std::to_string(highest) + ", not " + Quoted(text));
  }
  return value;
}

std::uint64_t ParseUnsigned(const std::string& option, const std::string& text) {
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
    throw clsToolError("--" + option + " takes a whole number from 0 to 18446744073709551615, not " + Quoted(text));
  }
  return value;
}

SavedGame LoadGameOrFail(const std::string& file) {
  SavedGame game;
  switch (LoadSavedGame(file, game)) {
    case LoadOutcome::Loaded: return game;
    case LoadOutcome::NotASavedGame: throw clsToolError(file + " is not a saved game");
    case LoadOutcome::Unreadable: break;
  }
  throw clsToolError("cannot read " + file);
}

void ExpectWritten(WriteOutcome outcome, const std::string& path, const clsFileWriter& writer) {
  switch (outcome) {
    case WriteOutcome::Written: return;
    case WriteOutcome::ReadOnly: throw clsToolError(path + " is read-only");
    case WriteOutcome::NotAFile: throw clsToolError(path + " is not a regular file");
    case WriteOutcome::Failed:
      throw clsToolError("cannot write " + path + (writer.LastFailure().empty() ? "" : ": " + writer.LastFailure()));
  }
}

}  // namespace glyph
