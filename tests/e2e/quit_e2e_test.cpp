// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a process: it starts whatever its files hold and says so, and
// a signal (the desktop session ending) ends it at once with status 0, a
// message open or not, keeping the unfinished game with its marks.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

constexpr char kMarkedGame[] =
    R"({"bookmarks":[],"grid":"1)"
    R"(000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000",)"
    R"("puzzle":"------651;380;271;315;169;146;336;211;125","symbols":[7,6,9,3,4,5,1,8,0,2]})";

QProcess* StartGame(const QTemporaryDir& home, const QStringList& arguments = {}) {
  auto* game = new QProcess;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("HOME", home.path());
  environment.insert("XDG_DATA_HOME", home.filePath("data"));
  environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  game->setProcessEnvironment(environment);
  game->start(GLYPHMATIC_PATH, arguments);
  return game;
}

QString Tool(const QStringList& arguments) {
  QProcess tool;
  tool.start(GLYPHTOOL_PATH, arguments);
  tool.waitForFinished(20000);
  return QString::fromUtf8(tool.readAllStandardOutput());
}

// Runs for a few of its ticks with what it has to say open, then ends on a signal.
void EndsOnASignal(QProcess& game) {
  QTest::qWait(2000);
  ASSERT_EQ(game.state(), QProcess::Running);
  kill(static_cast<pid_t>(game.processId()), SIGTERM);
  ASSERT_TRUE(game.waitForFinished(5000));
  EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(game.exitCode(), 0);
}

// Statistics that are a FIFO are moved aside and reported; the kept game
// comes back, and a signal with the message still open keeps its mark.
TEST(GameProcess, ASignalWithAMessageOpenKeepsTheUnfinishedGame) {
  QTemporaryDir home;
  const QString data = home.filePath("data/glyphmatic");
  ASSERT_TRUE(QDir().mkpath(data));
  QFile description(home.filePath("marked.json"));
  ASSERT_TRUE(description.open(QIODevice::WriteOnly));
  description.write(kMarkedGame);
  description.close();
  Tool({"game", "write", description.fileName(), data + "/unfinished.gly"});
  ASSERT_EQ(mkfifo(QFile::encodeName(data + "/statistics.txt").constData(), 0600), 0);
  std::unique_ptr<QProcess> game(StartGame(home));
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return !QDir(data).entryList({"statistics.damaged-*"}, QDir::System).isEmpty(); }, 20000));
  EndsOnASignal(*game);
  EXPECT_TRUE(Tool({"game", "show", data + "/unfinished.gly"}).contains(R"("grid":"1)"));
}

// A file that is not a saved game: a new game, and the message says so.
TEST(GameProcess, AFileThatIsNotAGameStartsAnyway) {
  QTemporaryDir home;
  QFile notes(home.filePath("notes.gly"));
  ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
  notes.write("shopping list\n");
  notes.close();
  std::unique_ptr<QProcess> game(StartGame(home, {notes.fileName()}));
  EndsOnASignal(*game);
}

}  // namespace
