// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace glyph {

// Runs glyphtool with its arguments (without the program name). Output goes
// to out, error messages to err; returns the exit status: 0, or 2 for a bad
// command line or input, in which case out stays empty.
int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The verbs. Each writes its whole output to out, or throws clsToolError
// before writing anything.
void VerbGenerate(const std::vector<std::string>& args, std::ostream& out);
// Today's puzzle, or a date's: the same on every copy of the game.
void VerbDaily(const std::vector<std::string>& args, std::ostream& out);
// The player's statistics, as a table or as JSON.
void VerbStats(const std::vector<std::string>& args, std::ostream& out);
void VerbSolve(const std::vector<std::string>& args, std::ostream& out);
void VerbEncrypt(const std::vector<std::string>& args, std::ostream& out);
void VerbDecrypt(const std::vector<std::string>& args, std::ostream& out);
void VerbLang(const std::vector<std::string>& args, std::ostream& out);
void VerbLcid(const std::vector<std::string>& args, std::ostream& out);
void VerbGame(const std::vector<std::string>& args, std::ostream& out);
void VerbHint(const std::vector<std::string>& args, std::ostream& out);
void VerbCheck(const std::vector<std::string>& args, std::ostream& out);
void VerbPrint(const std::vector<std::string>& args, std::ostream& out);
// The board's and the grid's pictures in the light and dark colours.
void VerbPictures(const std::vector<std::string>& args, std::ostream& out);
// Listens for announced races and prints each as it is first heard.
void VerbDiscover(const std::vector<std::string>& args, std::ostream& out);
// The headless race peers: they run until the race ends and return the exit
// status (0 with results, 1 without).
int VerbHost(const std::vector<std::string>& args, std::ostream& out);
int VerbJoin(const std::vector<std::string>& args, std::ostream& out);

}  // namespace glyph
