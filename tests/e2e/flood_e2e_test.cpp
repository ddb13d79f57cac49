// A glyphtool host flooded with 20,000 hostile datagrams while a real client
// joins and races: nothing crashes, and the race ends with the right results.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>
#include <random>

#include "core/cls_system_random.h"
#include "net/net_protocol.h"

namespace glyph {
namespace {

constexpr int kHostilePort = 25651;

// Datagrams no copy of the game sends, and messages that name nobody.
std::string HostileDatagram(std::mt19937& random, clsSystemRandom& cipherRandom) {
  static const char* const kNotAddresses[] = {"", "abc", "999.1.1.1", "127.0.0.1.5", "-1", "127.0.0",
                                              "\xff\xfe", "    ", "0.0.0.0", ";;;"};
  // No tag that rightly changes the race (a newcomer, an introduction, a
  // start or a close): those would be valid messages, not hostile ones.
  static const char* const kTags[] = {"LIV", "WAY", "STC", "GUP", "FIN", "NIN", "QUI", "OOK", "OPT", "MSG",
                                      "XYZ", "ok!", "LIVE", "new", "NEX"};
  std::uniform_int_distribution<int> kind(0, 5);
  std::uniform_int_distribution<int> length(0, 300);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string body;
  for (int i = length(random); i > 0; --i) body += static_cast<char>(byte(random));
  switch (kind(random)) {
    case 0: {  // random hexadecimal of any length
      std::string hex;
      for (int i = length(random); i > 0; --i) hex += "0123456789ABCDEF"[byte(random) % 16];
      return hex;
    }
    case 1:  // random bytes
      return body;
    case 2:  // a game key longer than the text
      return EncodeDatagram("99GLYPHLIV" + body.substr(0, 5), cipherRandom);
    case 3:  // not the game's prefix
      return EncodeDatagram("00GLYFHLIV127.0.0.62", cipherRandom);
    case 4: {  // a tag with an address that is no address
      const std::string tag = kTags[byte(random) % 15];
      return EncodeDatagram("00GLYPH" + tag + kNotAddresses[byte(random) % 10], cipherRandom);
    }
    default: {  // a tag with a body of any length and content
      const std::string tag = kTags[byte(random) % 15];
      return EncodeDatagram("00GLYPH" + tag + body, cipherRandom);
    }
  }
}

TEST(FloodEndToEnd, AHostSurvivesTwentyThousandHostileDatagrams) {
  QTemporaryDir folder;
  const QString port = QString::number(kHostilePort);
  QProcess host;
  host.setStandardOutputFile(folder.filePath("host.log"));
  host.setStandardErrorFile(folder.filePath("host.err"));
  host.start(GLYPHTOOL_PATH, {"host", "--local", "127.0.0.61", "--port", port, "--name", "Host", "--time", "600",
                              "--start-after", "6", "--min-players", "1", "--solve-after", "3", "--max-seconds", "90",
                              "--linger", "1"});
  ASSERT_TRUE(host.waitForStarted());
  QTest::qWait(300);
  QProcess client;
  client.setStandardOutputFile(folder.filePath("client.log"));
  client.start(GLYPHTOOL_PATH, {"join", "--local", "127.0.0.62", "--host", "127.0.0.61", "--port", port, "--name",
                                "Client", "--solve-after", "5", "--max-seconds", "90", "--linger", "1"});

  QUdpSocket flood;
  ASSERT_TRUE(flood.bind(QHostAddress("127.0.0.63"), 0));
  std::mt19937 random(2026);
  clsSystemRandom cipherRandom(77);
  int sent = 0;
  for (int batch = 0; batch < 100; ++batch) {
    for (int i = 0; i < 200; ++i, ++sent) {
      const std::string payload = HostileDatagram(random, cipherRandom);
      flood.writeDatagram(QByteArray::fromStdString(payload), QHostAddress("127.0.0.61"), kHostilePort);
    }
    QTest::qWait(40);
  }
  EXPECT_EQ(sent, 20000);

  ASSERT_TRUE(host.waitForFinished(120000));
  ASSERT_TRUE(client.waitForFinished(120000));
  EXPECT_EQ(host.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(host.exitCode(), 0);
  EXPECT_EQ(client.exitCode(), 0);

  QFile log(folder.filePath("host.log"));
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  QJsonObject end;
  int received = 0;
  for (const QByteArray& line : log.readAll().split('\n')) {
    const QJsonObject object = QJsonDocument::fromJson(line).object();
    if (object["dir"] == "in") ++received;
    if (object["event"] == "end") end = object;
  }
  EXPECT_GT(received, 1000);  // the flood arrived
  const QJsonArray results = end["results"].toArray();
  ASSERT_EQ(results.size(), 2);  // no stranger joined the race
  for (const QJsonValue& row : results) {
    EXPECT_TRUE(row.toObject()["name"] == "Host" || row.toObject()["name"] == "Client");
    EXPECT_GT(row.toObject()["points"].toInt(), 500);  // both solved within seconds of a 600-second race
  }
}

}  // namespace
}  // namespace glyph
