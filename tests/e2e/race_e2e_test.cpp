// SPDX-License-Identifier: GPL-3.0-or-later
// A host and three clients as separate glyphtool processes racing over real
// UDP, each on its own loopback address. What strangers and hostile players
// send is the race tests' and the datagram fuzz target's work.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>
#include <memory>

namespace glyph {
namespace {

// A free UDP port on the host's address, so that parallel runs never meet.
QString FreePort(const char* address) {
  QUdpSocket probe;
  if (!probe.bind(QHostAddress(address), 0)) return "25611";
  return QString::number(probe.localPort());
}

struct PeerRun {
  std::unique_ptr<QProcess> process;
  QString log;
};

PeerRun StartPeer(const QTemporaryDir& folder, const QString& name, const QStringList& args) {
  PeerRun run{std::make_unique<QProcess>(), folder.filePath(name + ".log")};
  run.process->setStandardOutputFile(run.log);
  run.process->setStandardErrorFile(folder.filePath(name + ".err"));
  run.process->start(GLYPHTOOL_PATH, args);
  return run;
}

std::vector<QJsonObject> Lines(const QString& log) {
  QFile file(log);
  std::vector<QJsonObject> lines;
  if (!file.open(QIODevice::ReadOnly)) return lines;
  for (const QByteArray& line : file.readAll().split('\n')) {
    if (!line.isEmpty()) lines.push_back(QJsonDocument::fromJson(line).object());
  }
  return lines;
}

// The first line of a peer's log with the event (and status), else nothing.
QJsonObject FirstEvent(const QString& log, const char* event, int status = -1) {
  for (const QJsonObject& line : Lines(log)) {
    if (line["event"] == event && (status < 0 || line["status"] == status)) return line;
  }
  return {};
}

bool Connected(const QString& log) { return !FirstEvent(log, "status", 3).isEmpty(); }

TEST(RaceEndToEnd, AHostAndThreeClientsFinishWithRankedResults) {
  QTemporaryDir folder;
  const QString port = FreePort("127.0.0.11");
  const QStringList common{"--port", port, "--max-seconds", "60", "--linger", "1"};
  std::vector<PeerRun> peers;
  peers.push_back(
      StartPeer(folder, "host",
                QStringList{"host", "--local", "127.0.0.11", "--name", "Hanna", "--time", "600", "--penalty", "50",
                            "--start-after", "3", "--min-players", "3", "--solve-after", "2", "--stdin"} +
                    common));
  peers.push_back(StartPeer(
      folder, "bob",
      QStringList{"join", "--local", "127.0.0.12", "--host", "127.0.0.11", "--name", "Bob", "--solve-after", "4"} +
          common));
  peers.push_back(StartPeer(folder, "cy",
                            QStringList{"join", "--local", "127.0.0.13", "--host", "127.0.0.11", "--name", "Cy",
                                        "--solve-after", "6", "--stdin"} +
                                common));
  peers.push_back(StartPeer(
      folder, "dee",
      QStringList{"join", "--local", "127.0.0.14", "--host", "127.0.0.11", "--name", "Dee", "--give-up-after", "1"} +
          common));
  // Chat once everybody is in: a line reaches the players its sender knows.
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return Connected(peers[1].log) && Connected(peers[2].log) && Connected(peers[3].log); }, 30000));
  QTest::qWait(300);  // the introductions that follow the acceptance
  peers[0].process->write("chat good luck\n");
  peers[2].process->write("chat hi\n");
  ASSERT_TRUE(peers[0].process->waitForBytesWritten(5000));
  ASSERT_TRUE(peers[2].process->waitForBytesWritten(5000));
  for (PeerRun& peer : peers) {
    ASSERT_TRUE(peer.process->waitForFinished(90000));
    EXPECT_EQ(peer.process->exitCode(), 0) << peer.log.toStdString();
  }

  for (const PeerRun& peer : peers) {
    const QJsonObject end = FirstEvent(peer.log, "end");
    const QJsonArray results = end["results"].toArray();
    ASSERT_EQ(results.size(), 4) << peer.log.toStdString();  // no stranger joined
    const auto row = [&](int i) { return results[i].toObject(); };
    EXPECT_EQ(row(0)["name"].toString(), "Hanna");  // the ranking itself is the race tests' work
    EXPECT_EQ(row(2)["name"].toString(), "Cy");
    EXPECT_EQ(row(3)["name"].toString(), "Dee");
    EXPECT_EQ(row(3)["points"].toInt(), -50);
    // Every chat line arrives, and arrives once.
    QStringList chat;
    for (const QJsonValue& line : end["chat"].toArray()) chat << line.toString();
    EXPECT_EQ(chat.count("Hanna: good luck"), 1) << peer.log.toStdString();
    EXPECT_EQ(chat.count("Cy: hi"), 1) << peer.log.toStdString();
  }

  // Every datagram stayed on the loopback range.
  for (const PeerRun& peer : peers) {
    for (const QJsonObject& line : Lines(peer.log)) {
      if (line["dir"] == "out") {
        EXPECT_TRUE(line["to"].toString().startsWith("127.")) << line["to"].toString().toStdString();
      }
    }
  }
}

// A host's lobby is found by a listener on another address, and leaves its
// list once the race starts.
TEST(RaceEndToEnd, ALobbyIsFoundOnTheNetworkAndGoneOnceItsRaceStarts) {
  QTemporaryDir folder;
  const QString port = FreePort("127.0.0.21");
  const QString discovery = FreePort("127.0.0.23");
  const QStringList common{"--port", port, "--max-seconds", "20", "--linger", "0"};
  std::vector<PeerRun> peers;
  peers.push_back(
      StartPeer(folder, "discover", {"discover", "--local", "127.0.0.23", "--port", discovery, "--seconds", "9"}));
  peers.push_back(StartPeer(folder, "host",
                            QStringList{"host", "--local", "127.0.0.21", "--name", "Hanna", "--start-after", "5",
                                        "--discovery-port", discovery} +
                                common));
  peers.push_back(
      StartPeer(folder, "bob", QStringList{"join", "--local", "127.0.0.22", "--host", "127.0.0.21"} + common));
  for (PeerRun& peer : peers) ASSERT_TRUE(peer.process->waitForFinished(30000));

  std::optional<qint64> found;
  std::optional<qint64> gone;
  for (const QJsonObject& line : Lines(peers[0].log)) {
    if (line["host"] == "127.0.0.21" && line["name"] == "Hanna" && !found) found = line["at"].toInteger();
    if (line["gone"] == "127.0.0.21") gone = line["at"].toInteger();
  }
  // Heard while the lobby is open, gone once the race started (how soon is
  // no test's business).
  ASSERT_TRUE(found && gone);
  EXPECT_LT(*found, *gone);
}

}  // namespace
}  // namespace glyph
