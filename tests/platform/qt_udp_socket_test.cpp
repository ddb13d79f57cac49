// The UDP adapter on loopback addresses: each session binds both of its
// sockets anew, so that its datagrams leave from the session's own address.
#include <gtest/gtest.h>

#include <QNetworkDatagram>
#include <QTest>
#include <QUdpSocket>

#include "platform/qt_udp_socket.h"

namespace glyph {
namespace {

QString SenderOfNextDatagram(QUdpSocket& receiver) {
  if (!QTest::qWaitFor([&] { return receiver.hasPendingDatagrams(); }, 3000)) return {};
  return receiver.receiveDatagram().senderAddress().toString();
}

TEST(QtUdpSocket, EachBindSendsFromItsOwnAddress) {
  QUdpSocket receiver;
  ASSERT_TRUE(receiver.bind(QHostAddress("127.0.0.73"), 0));
  clsQtUdpSocket socket;
  for (const char* local : {"127.0.0.71", "127.0.0.72"}) {
    ASSERT_TRUE(socket.Bind(local, 0));
    socket.Send("127.0.0.73", receiver.localPort(), "hello");
    EXPECT_EQ(SenderOfNextDatagram(receiver), local);
    socket.Close();
  }
  EXPECT_FALSE(socket.Bind("127.0.0.300", 0));
  EXPECT_FALSE(socket.BindError().empty());
}

}  // namespace
}  // namespace glyph
