#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <fstream>
#include <sstream>

#include "core/cls_puzzle.h"
#include "storage/cipher_keys.h"
#include "storage/cls_crypt.h"
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

TEST(Tool, GenerateWritesOneValidPuzzleALine) {
  const ToolRun run = RunVerb({"generate", "--count", "5", "--seed", "42"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<QJsonObject> puzzles = JsonLines(run.out);
  ASSERT_EQ(puzzles.size(), 5u);
  for (const QJsonObject& p : puzzles) {
    clsPuzzle puzzle;
    ASSERT_TRUE(puzzle.GetSendString(p["text"].toString().toStdString()));
    EXPECT_TRUE(puzzle.EquationsHold());
    EXPECT_EQ(p["symbols"].toArray().size(), 10);
    EXPECT_GE(p["attempts"].toInt(), 1);
    EXPECT_GE(p["solutions"].toInt(), 1);
  }
  EXPECT_EQ(RunVerb({"generate", "--count=5", "--seed=42"}).out, run.out);  // a seed reproduces
  EXPECT_NE(RunVerb({"generate", "--count", "5", "--seed", "43"}).out, run.out);
  EXPECT_EQ(JsonLines(RunVerb({"generate"}).out).size(), 1u);
}

TEST(Tool, SolveListsEveryAssignment) {
  const ToolRun run = RunVerb({"solve", "--", "------999;412;587;570;310;260;429;102;327"});
  ASSERT_EQ(run.status, 0) << run.err;
  const QJsonObject result = JsonLines(run.out).at(0);
  EXPECT_TRUE(result["accepted"].toBool());
  EXPECT_TRUE(result["equations_hold"].toBool());
  EXPECT_EQ(result["solutions"].toInt(), 2);
  ASSERT_EQ(result["assignments"].toArray().size(), 2);
  EXPECT_EQ(result["assignments"].toArray()[0].toArray().size(), 10);

  // A text starting with "-" also works without "--", as it is not an option.
  const QJsonObject sparse = JsonLines(RunVerb({"solve", "++++++123;0;123;0;0;0;123;0;123"}).out).at(0);
  EXPECT_EQ(sparse["solutions"].toInt(), 504);
  EXPECT_EQ(sparse["assignments"].toArray()[0].toArray()[9].toInt(), -1);
}

TEST(Tool, SolveOfARefusedTextSaysOnlyThat) {
  const ToolRun run = RunVerb({"solve", "--", "++++++1;2;3"});
  ASSERT_EQ(run.status, 0);
  const QJsonObject result = JsonLines(run.out).at(0);
  EXPECT_FALSE(result["accepted"].toBool());
  EXPECT_EQ(result.keys(), QStringList{"accepted"});

  const QJsonObject wrong = JsonLines(RunVerb({"solve", "++++++1;2;3;4;5;6;7;8;9"}).out).at(0);
  EXPECT_TRUE(wrong["accepted"].toBool());
  EXPECT_FALSE(wrong["equations_hold"].toBool());
}

TEST(Tool, EncryptAndDecryptUnderEachKey) {
  for (const std::string key : {"savegame", "language", "network", "12345"}) {
    const ToolRun encrypted = RunVerb({"encrypt", "--key", key, "--", "-Caf\xC3\xA9 \xE2\x82\xAC"});
    ASSERT_EQ(encrypted.status, 0) << encrypted.err;
    const std::string cipher = encrypted.out.substr(0, encrypted.out.size() - 1);
    const ToolRun decrypted = RunVerb({"decrypt", "--key", key, cipher});
    EXPECT_EQ(decrypted.out, "-Caf\xC3\xA9 \xE2\x82\xAC\n");  // UTF-8 again
  }
  // Default key: the saved-game key.
  const std::string cipher = RunVerb({"encrypt", "S;hello"}).out;
  EXPECT_EQ(clsCrypt::Decrypt(cipher.substr(0, cipher.size() - 1), kSaveGameKey), "S;hello");
}

TEST(Tool, MistakesGoToStandardErrorWithStatusTwo) {
  const std::vector<std::vector<std::string>> mistakes{
      {},
      {"bogus"},
      {"generate", "--count", "0"},
      {"generate", "--count", "many"},
      {"generate", "--seed", "-1"},
      {"generate", "--colour", "red"},
      {"generate", "--count"},
      {"solve"},
      {"solve", "a", "b"},
      {"encrypt", "--key", "0", "x"},
      {"encrypt", "--key", "214770", "x"},
      {"encrypt", "\xE4\xB8\xAD"},  // not in Windows-1252
      {"decrypt", "--key", "nokey", "00"},
      {"lang"},
      {"lang", "translate"},
      {"lang", "show"},
      {"lang", "show", "--lookup", "a", "b"},
      {"lang", "show", "/nonexistent/file.tsp"},
      {"lang", "compile", "/nonexistent/source.txt", "/tmp/out.tsp"},
      {"lcid"},
  };
  for (const auto& args : mistakes) {
    const ToolRun run = RunVerb(args);
    EXPECT_EQ(run.status, 2) << (args.empty() ? "" : args[0]);
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(run.err.empty());
  }
}

TEST(Tool, LanguageFilesCompileAndReadBack) {
  test::clsTempFolder folder;
  const std::string source = (folder / "source.txt").string();
  const std::string compiled = (folder / "deutsch.tsp").string();
  std::ofstream(source) << "Kommentar\r\n[GlyphmaLang]\r\n(Deutsch|de)\r\n[Language:Deutsch]\n"
                           "frmSymbol|cmdSolve|L\xC3\xB6sen \xE2\x82\xAC\n";
  const ToolRun compile = RunVerb({"lang", "compile", source, compiled});
  ASSERT_EQ(compile.status, 0) << compile.err;
  EXPECT_EQ(JsonLines(compile.out).at(0)["lines"].toInt(), 5);

  const ToolRun decompile = RunVerb({"lang", "decompile", compiled});
  EXPECT_EQ(decompile.out,
            "Kommentar\n[GlyphmaLang]\n(Deutsch|de)\n[Language:Deutsch]\nfrmSymbol|cmdSolve|L\xC3\xB6sen \xE2\x82\xAC\n");

  const ToolRun show = RunVerb({"lang", "show", "--locale", "0407", "--lookup", "FRMSYMBOL", "cmdsolve", "Solve",
                               "--lookup", "frmSymbol", "cmdNew", "New", compiled});
  ASSERT_EQ(show.status, 0) << show.err;
  const QJsonObject result = JsonLines(show.out).at(0);
  EXPECT_EQ(result["current_after_reading"].toString(), "Deutsch");
  EXPECT_EQ(result["chosen"].toString(), "Deutsch");
  EXPECT_EQ(result["written"].toString(), "Deutsch");
  EXPECT_EQ(result["languages"].toArray()[0].toObject()["code"].toString(), "de");
  EXPECT_EQ(result["lookups"].toArray()[0].toObject()["result"].toString(), QString::fromUtf8("L\u00F6sen \u20AC"));
  EXPECT_EQ(result["lookups"].toArray()[1].toObject()["result"].toString(), "New");

  const QJsonObject unchosen = JsonLines(RunVerb({"lang", "show", compiled}).out).at(0);
  EXPECT_TRUE(unchosen["chosen"].isNull());
  EXPECT_TRUE(unchosen["written"].isNull());
}

TEST(Tool, CompileStopsAtACharacterOutsideWindows1252) {
  test::clsTempFolder folder;
  const std::string source = (folder / "source.txt").string();
  const std::string compiled = (folder / "out.tsp").string();
  std::ofstream(source) << "[GlyphmaLang]\n(Chinese|zh)\n[Language:Chinese]\nfrmSymbol|cmdNew|\xE6\x96\xB0\n";
  const ToolRun run = RunVerb({"lang", "compile", source, compiled});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find(":4:"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(compiled));
}

TEST(Tool, LocaleIdentifiers) {
  const std::vector<QJsonObject> lines = JsonLines(RunVerb({"lcid", "0407", "0x0409", "0000", "82C"}).out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0]["code"].toString(), "de-de");
  EXPECT_EQ(lines[0]["prefix"].toString(), "DE");
  EXPECT_EQ(lines[1]["code"].toString(), "en-us");
  EXPECT_EQ(lines[2]["code"].toString(), "");
  EXPECT_EQ(lines[2]["prefix"].toString(), "");
  EXPECT_EQ(lines[3]["prefix"].toString(), "CY");
}

TEST(Tool, SavedGamesShowNewAndWrite) {
  test::clsTempFolder folder;
  const std::string made = (folder / "made.gly").string();
  const ToolRun created = RunVerb({"game", "new", made, "--seed", "9", "--bookmarks", "12"});
  ASSERT_EQ(created.status, 0) << created.err;
  const QJsonObject description = JsonLines(created.out).at(0);
  const QJsonArray bookmarks = description["bookmarks"].toArray();
  ASSERT_EQ(bookmarks.size(), 12);
  EXPECT_EQ(bookmarks[11].toObject()["name"].toString(), "Bookmark 12");
  // Bookmark 11 (i = 10) declares digit 0 for the symbol of 0.
  const int symbolOfZero = description["symbols"].toArray()[0].toInt();
  EXPECT_EQ(bookmarks[10].toObject()["status"].toString().at(10 * symbolOfZero), QChar('2'));

  QJsonObject shown = JsonLines(RunVerb({"game", "show", made}).out).at(0);
  EXPECT_TRUE(shown["accepted"].toBool());
  shown.remove("accepted");
  EXPECT_EQ(shown, description);

  // The shown form writes an equal game back, a name with umlauts included.
  QJsonObject edited = description;
  QJsonArray renamed = bookmarks;
  renamed[0] = QJsonObject{{"status", bookmarks[0].toObject()["status"]}, {"name", QString::fromUtf8("Gr\u00FC\u00DFe")}};
  edited["bookmarks"] = renamed;
  const std::string json = (folder / "game.json").string();
  std::ofstream(json) << QJsonDocument(edited).toJson().toStdString();
  const std::string written = (folder / "written.gly").string();
  ASSERT_EQ(RunVerb({"game", "write", json, written}).status, 0);
  QJsonObject reread = JsonLines(RunVerb({"game", "show", written}).out).at(0);
  reread.remove("accepted");
  EXPECT_EQ(reread, edited);

  std::ofstream(folder / "notes.txt") << "hello\n";
  const ToolRun rejected = RunVerb({"game", "show", (folder / "notes.txt").string()});
  EXPECT_EQ(rejected.status, 0);
  EXPECT_EQ(JsonLines(rejected.out).at(0).keys(), QStringList{"accepted"});
  EXPECT_EQ(RunVerb({"game", "show", (folder / "missing.gly").string()}).status, 2);

  std::ofstream(folder / "bad.json") << "{\"puzzle\": \"nonsense\"}";
  EXPECT_EQ(RunVerb({"game", "write", (folder / "bad.json").string(), written}).status, 2);
}

TEST(Tool, PrintsToPdf) {
  test::clsTempFolder folder;
  const std::string pdf = (folder / "puzzles.pdf").string();
  const ToolRun run = RunVerb({"print", "--pdf", pdf, "--count", "7", "--grid", "--solutions", "--style", "0"});
  ASSERT_EQ(run.status, 0) << run.err;
  const QJsonObject result = JsonLines(run.out).at(0);
  EXPECT_EQ(result["puzzles"].toInt(), 7);
  EXPECT_EQ(result["solutions"].toInt(), 7);
  EXPECT_EQ(result["pages"].toInt(), 3);  // A4 holds four puzzles with grids: 4 + 3, then the solutions
  QFile file(QString::fromStdString(pdf));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray content = file.readAll();
  EXPECT_TRUE(content.startsWith("%PDF"));
  EXPECT_EQ(content.count("/Type /Page\n"), 3) << "pages in the file";

  const std::string game = (folder / "g.gly").string();
  ASSERT_EQ(RunVerb({"game", "new", game, "--seed", "2"}).status, 0);
  const ToolRun fromGame = RunVerb({"print", "--pdf", pdf, "--game", game, "--page", "Letter", "--count", "13"});
  EXPECT_EQ(JsonLines(fromGame.out).at(0)["pages"].toInt(), 2);  // 2 x 6 on Letter: 12, then one more page
  EXPECT_EQ(RunVerb({"print", "--pdf", pdf, "--page", "A5"}).status, 2);
  EXPECT_EQ(RunVerb({"print", "--count", "2"}).status, 2);
}

TEST(Tool, TheProgramItself) {
  QProcess tool;
  tool.start(GLYPHTOOL_PATH, {"solve", "--", "-+-+-+740;227;967;518;356;162;222;583;805"});
  ASSERT_TRUE(tool.waitForFinished(30000));
  EXPECT_EQ(tool.exitCode(), 0);
  const QJsonObject result = QJsonDocument::fromJson(tool.readAllStandardOutput()).object();
  EXPECT_EQ(result["solutions"].toInt(), 1);

  tool.start(GLYPHTOOL_PATH, {"generate", "--count", "x"});
  ASSERT_TRUE(tool.waitForFinished(30000));
  EXPECT_EQ(tool.exitCode(), 2);
  EXPECT_TRUE(tool.readAllStandardOutput().isEmpty());
  EXPECT_FALSE(tool.readAllStandardError().isEmpty());
}

}  // namespace
}  // namespace glyph
