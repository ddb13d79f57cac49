// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <csignal>
#include <cstring>
#include <fstream>
#include <sstream>

#include "support/language_files.h"
#include "tool/tool_verbs.h"

namespace glyph {
namespace {

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

ToolRun RunVerb(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunTool(args, out, err);
  return {status, out.str(), err.str()};
}

std::vector<QJsonObject> JsonLines(const std::string& text) {
  std::vector<QJsonObject> objects;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
    objects.push_back(document.object());
  }
  return objects;
}

// Each verb answers with the JSON shape its users read; the logic behind it
// is tested where it lives.
TEST(Tool, EveryVerbAnswersWithItsShape) {
  test::clsTempFolder folder;
  const std::string game = (folder / "made.gly").string();
  const std::string pdf = (folder / "puzzles.pdf").string();
  const std::string source = (folder / "source.txt").string();
  const std::string compiled = (folder / "deutsch.tsp").string();
  setenv("XDG_DATA_HOME", folder.Path().c_str(), 1);  // no statistics yet
  std::ofstream(source) << "[GlyphmaLang]\n(Deutsch|de)\n[Language:Deutsch]\nfrmSymbol|cmdSolve|L\xC3\xB6sen\n";
  const std::vector<std::pair<std::vector<std::string>, QStringList>> verbs{
      {{"generate", "--seed", "42"}, {"attempts", "code", "solutions", "symbols", "text"}},
      {{"daily", "--date", "2026-12-13"}, {"attempts", "code", "date", "rating", "solutions", "symbols", "text"}},
      {{"solve", "--", "------999;412;587;570;310;260;429;102;327"},
       {"accepted", "assignments", "equations_hold", "solutions"}},
      {{"solve", "++++++1;2;3"}, {"accepted"}},
      {{"lcid", "0407"}, {"code", "id", "prefix"}},
      {{"game", "new", game, "--seed", "9", "--bookmarks", "2"}, {"bookmarks", "grid", "puzzle", "symbols"}},
      {{"game", "show", game}, {"accepted", "bookmarks", "grid", "puzzle", "symbols"}},
      {{"hint", "--game", game}, {"because", "cells", "explanation", "facts", "rule"}},
      {{"check", "--game", game}, {"wrong"}},
      {{"hint", "--chain", "--game", game}, {"complete", "rating", "steps"}},
      {{"generate", "--seed", "4", "--difficulty", "medium"},
       {"attempts", "code", "rating", "solutions", "symbols", "text"}},
      {{"print", "--pdf", pdf, "--count", "7", "--grid", "--solutions"}, {"pages", "puzzles", "solutions"}},
      {{"lang", "compile", source, compiled}, {"file", "lines"}},
      {{"stats", "--json"}, {"daily", "easy", "expert", "hard", "medium", "several"}},
  };
  for (const auto& [args, keys] : verbs) {
    const ToolRun run = RunVerb(args);
    ASSERT_EQ(run.status, 0) << args[0] << ": " << run.err;
    const QStringList shown = JsonLines(run.out).at(0).keys();
    EXPECT_EQ(shown.join(","), keys.join(",")) << args[0];
  }
  EXPECT_EQ(JsonLines(RunVerb({"generate", "--count", "3"}).out).size(), 3u);  // one object a line
  const std::string cipher = RunVerb({"encrypt", "--key", "network", "--", "-Caf\xC3\xA9"}).out;
  EXPECT_EQ(RunVerb({"decrypt", "--key", "network", cipher.substr(0, cipher.size() - 1)}).out, "-Caf\xC3\xA9\n");
  EXPECT_EQ(RunVerb({"lang", "decompile", compiled}).out.substr(0, 13), "[GlyphmaLang]");
}

// Nothing is written half or in place of what is not a regular file, and a
// game the program would refuse is not made.
TEST(Tool, MistakesGoToStandardErrorWithStatusTwo) {
  test::clsTempFolder folder;
  const std::string fifo = (folder / "fifo.pdf").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string unsound = (folder / "unsound.json").string();
  std::ofstream(unsound) << R"({"puzzle":"-+-+-+740;227;967;518;356;162;222;583;805","symbols":[0,0,0,0,0,0,0,0,0,0],)"
                         << R"("grid":")" << std::string(100, '0') << R"(","bookmarks":[]})";
  const std::vector<std::vector<std::string>> mistakes{
      {"print", "--pdf", fifo},
      {"game", "write", unsound, (folder / "unsound.gly").string()},
      {},
      {"bogus"},
      {"generate", "--count", "0"},
      {"generate", "--colour", "red"},
      {"generate", "--count"},
      {"generate", "--code", "0Q30W-48RE5-HVXEE"},  // a wrong check character
      {"daily", "--date", "2026-02-30"},
      {"print", "--pdf", (folder / "many.pdf").string(), "--count", "1001"},
      {"stats", "--table"},
      {"solve", "a", "b"},
      {"encrypt", "--key", "214770", "x"},
      {"encrypt", "\xE4\xB8\xAD"},  // not in Windows-1252
      {"lang", "show", "/nonexistent/file.tsp"},
      {"game", "show", "/nonexistent/game.gly"},
      {"print", "--count", "2"},
      {"host", "--local", "10.0.0.1"},  // race peers live on the loopback range only
      {"join", "--local", "127.0.0.2", "--host", "192.168.1.1"},
      {"join", "--local", "localhost", "--host", "127.0.0.1"},
  };
  for (const auto& args : mistakes) {
    const ToolRun run = RunVerb(args);
    EXPECT_EQ(run.status, 2) << (args.empty() ? "" : args[0]);
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(run.err.empty());
  }
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
  EXPECT_FALSE(std::filesystem::exists(folder / "unsound.gly"));
  // What was refused is quoted short, on one line.
  const ToolRun code = RunVerb({"generate", "--code", std::string(1000, 'Q') + "\x1B[2J"});
  EXPECT_LT(code.err.size(), 120u);
  EXPECT_EQ(code.err.find('\x1B'), std::string::npos);
}

// A full disk (the file-size limit of the process): the game and the
// language file already there stay as they were, and the system's reason
// is given.
TEST(Tool, AFullDiskChangesNoFileAndSaysWhy) {
  test::clsTempFolder folder;
  const std::string game = (folder / "game.gly").string();
  const std::string source = (folder / "source.txt").string();
  const std::string compiled = (folder / "english.tsp").string();
  std::ofstream(source) << "[GlyphmaLang]\n(English|en)\n[Language:English]\nfrmSymbol|cmdSolve|Solve\n";
  ASSERT_EQ(RunVerb({"game", "new", game}).status, 0);
  ASSERT_EQ(RunVerb({"lang", "compile", source, compiled}).status, 0);
  const std::string gameBefore = RunVerb({"game", "show", game}).out;
  const std::string languageBefore = RunVerb({"lang", "decompile", compiled}).out;
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const ToolRun newGame = RunVerb({"game", "new", game});
  const ToolRun language = RunVerb({"lang", "compile", source, compiled});
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  for (const ToolRun& run : {newGame, language}) {
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(std::strerror(EFBIG)), std::string::npos) << run.err;
  }
  EXPECT_EQ(RunVerb({"game", "show", game}).out, gameBefore);
  EXPECT_EQ(RunVerb({"lang", "decompile", compiled}).out, languageBefore);
}

// Both programs answer --version, the game --help too, on the terminal with
// no display.
TEST(Tool, TheProgramsAnswerHelpAndVersionWithoutADisplay) {
  QProcess game;
  QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
  noDisplay.remove("DISPLAY");
  noDisplay.remove("WAYLAND_DISPLAY");
  noDisplay.insert("QT_QPA_PLATFORM", "xcb");  // a window would fail here
  game.setProcessEnvironment(noDisplay);
  for (const char* option : {"--help", "--version"}) {
    game.start(GLYPHMATIC_PATH, {option});
    ASSERT_TRUE(game.waitForFinished(30000));
    EXPECT_EQ(game.exitCode(), 0) << option;
    EXPECT_TRUE(
        game.readAllStandardOutput().contains(option == std::string("--help") ? "Usage: glyphmatic" : "Glyphmatic 2."));
  }
  game.start(GLYPHTOOL_PATH, {"--version"});
  ASSERT_TRUE(game.waitForFinished(30000));
  EXPECT_TRUE(game.readAllStandardOutput().startsWith("glyphtool 2."));
}

}  // namespace
}  // namespace glyph
