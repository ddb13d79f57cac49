// SPDX-License-Identifier: GPL-3.0-or-later
#include <functional>
#include <map>
#include <sstream>

#include "core/licence.h"
#include "core/plain_text.h"
#include "tool/tool_args.h"
#include "tool/tool_verbs.h"

namespace glyph {

namespace {

constexpr char kUsage[] =
    "usage: glyphtool VERB [OPTIONS] [--] [ARGUMENTS]\n"
    "       glyphtool --help | --version\n"
    "  generate [--count N] [--seed S] [--difficulty any|easy|medium|hard|expert]\n"
    "                                    new puzzles, one JSON object a line, each with its code\n"
    "  generate --code CODE              the puzzle of a code\n"
    "  daily [--date YYYY-MM-DD]         today's puzzle (or a date's), with its code\n"
    "  stats [--json]                    the player's statistics\n"
    "  solve TEXT                        every digit assignment that solves a puzzle text\n"
    "  encrypt [--key K] TEXT            encipher a line (K: savegame, language, network or a number)\n"
    "  decrypt [--key K] CIPHER          decipher a line\n"
    "  lang compile SOURCE OUT.tsp       UTF-8 language source to an enciphered language file\n"
    "  lang decompile FILE.tsp           the plain lines of a language file\n"
    "  lang show [--stored NAME] [--locale ID] [--lookup MODULE ITEM DEFAULT]... FILE...\n"
    "                                    the catalogue the files make, and the start-up choice\n"
    "  lcid ID...                        locale code of language identifiers such as 0407\n"
    "  game show FILE                    the content of a saved game\n"
    "  game new OUT [--seed S] [--bookmarks N]   a saved game of a new puzzle\n"
    "  game write DESCRIPTION.json OUT   a saved game from the JSON that game show prints\n"
    "  hint [--chain] --game FILE.gly   the next step for a saved game, or the chain from an empty grid\n"
    "  check --game FILE.gly             the mark the Check button frames: {\"wrong\":[symbol,digit]} or null\n"
    "  print --pdf OUT.pdf [--count N] [--grid] [--solutions] [--style 0|1] [--game FILE.gly]\n"
    "        [--page A4|Letter] [--seed S] [--difficulty LEVEL]   the print job onto a PDF file\n"
    "  pictures OUT                      the board's and grid's pictures, light and dark, as the game draws them\n"
    "  host --local ADDR [--port P] [--name NAME] [--time SECONDS] [--penalty N] [--start-after SECONDS]\n"
    "       [--min-players N] [--force-start] [PLAYING] [--chat TEXT] [--max-seconds S] [--linger S] [--stdin]\n"
    "  join --local ADDR --host ADDR [--port P] [--name NAME] [PLAYING] [--chat TEXT] [--max-seconds S]\n"
    "       [--linger S] [--stdin]\n"
    "  discover [--local ADDR] [--seconds S]   the races announced on the local network, one JSON line each\n"
    "        a headless race peer on 127.0.0.0/8; PLAYING is --solve-after S, --give-up-after S or --no-solve\n"
    "Arguments after \"--\" are never options: glyphtool solve -- '-+-+-+740;227;...'\n";

using Verb = std::function<int(const std::vector<std::string>&, std::ostream&)>;
using PlainVerb = void (*)(const std::vector<std::string>&, std::ostream&);

Verb Returning0(PlainVerb verb) {
  return [verb](const std::vector<std::string>& args, std::ostream& out) {
    verb(args, out);
    return 0;
  };
}

// Verbs whose output is a stream of lines written as things happen.
bool Streams(const std::string& verb) {
  return verb == "generate" || verb == "host" || verb == "join" || verb == "discover";
}

const std::map<std::string, Verb>& Verbs() {
  static const std::map<std::string, Verb> verbs{
      {"generate", Returning0(VerbGenerate)},
      {"solve", Returning0(VerbSolve)},
      {"daily", Returning0(VerbDaily)},
      {"stats", Returning0(VerbStats)},
      {"encrypt", Returning0(VerbEncrypt)},
      {"decrypt", Returning0(VerbDecrypt)},
      {"lang", Returning0(VerbLang)},
      {"lcid", Returning0(VerbLcid)},
      {"game", Returning0(VerbGame)},
      {"print", Returning0(VerbPrint)},
      {"pictures", Returning0(VerbPictures)},
      {"hint", Returning0(VerbHint)},
      {"check", Returning0(VerbCheck)},
      {"discover", Returning0(VerbDiscover)},
      {"host", VerbHost},
      {"join", VerbJoin},
  };
  return verbs;
}

}  // namespace

int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (!args.empty() && args[0] == "--version") {
    out << "glyphtool " << GLYPH_VERSION << "\n" << kLicenceNotice;
    return 0;
  }
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    (args.empty() ? err : out) << kUsage;
    return args.empty() ? 2 : 0;
  }
  const auto verb = Verbs().find(args[0]);
  if (verb == Verbs().end()) {
    err << "glyphtool: unknown verb " << Quoted(args[0]) << "\n" << kUsage;
    return 2;
  }
  // A verb's output is collected first, so that an error leaves nothing half
  // written. generate streams its lines, each one whole, as it goes.
  std::ostringstream buffered;
  std::ostream& target = Streams(args[0]) ? out : buffered;
  int status = 0;
  try {
    status = verb->second({args.begin() + 1, args.end()}, target);
  } catch (const clsToolError& error) {
    // What a verb says may hold a path or a name from outside: one line.
    err << "glyphtool " << args[0] << ": " << PlainText(error.what()) << "\n";
    return 2;
  }
  out << buffered.str();
  return status;
}

}  // namespace glyph
