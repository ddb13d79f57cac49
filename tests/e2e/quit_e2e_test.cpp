// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a process: the desktop session ending (SIGTERM) ends it as
// quitting does, and the unfinished game is kept.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

QProcess* StartGame(const QTemporaryDir& home) {
  auto* game = new QProcess;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("HOME", home.path());
  environment.insert("XDG_DATA_HOME", home.filePath("data"));
  environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  game->setProcessEnvironment(environment);
  game->start(GLYPHMATIC_PATH, {});
  return game;
}

TEST(GameProcess, TheDesktopSessionEndingKeepsTheUnfinishedGame) {
  QTemporaryDir home;
  const QString kept = home.filePath("data/glyphmatic/unfinished.gly");
  const QString statistics = home.filePath("data/glyphmatic/statistics.txt");
  std::unique_ptr<QProcess> game(StartGame(home));
  // The statistics are written as the first game begins: the window is up.
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(statistics); }, 20000));
  kill(static_cast<pid_t>(game->processId()), SIGTERM);
  ASSERT_TRUE(game->waitForFinished(20000));
  EXPECT_EQ(game->exitStatus(), QProcess::NormalExit);
  EXPECT_TRUE(QFileInfo::exists(kept));
}

}  // namespace
