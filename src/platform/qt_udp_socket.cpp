// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_udp_socket.h"

#include <sys/socket.h>
#include <QHostAddress>
#include <QNetworkDatagram>

#include "net/net_protocol.h"
#include "platform/ansi_text.h"

namespace glyph {

namespace {}  // namespace

clsQtUdpSocket::clsQtUdpSocket(QObject* parent) : QObject(parent) {
  connect(&listen_, &QUdpSocket::readyRead, this, &clsQtUdpSocket::ReadPending);
}

// Both sockets are bound anew with every session: datagrams go out from the
// session's own address, so that peers see who sent them.
bool clsQtUdpSocket::Bind(const std::string& localAddress, std::uint16_t port) {
  Close();
  bindError_.clear();
  QHostAddress address;
  if (!address.setAddress(QString::fromStdString(localAddress))) {
    bindError_ = "not an address";
    return false;
  }
  // Not shared: a second copy of the game on the same address and port is
  // told so, instead of silently taking the first one's datagrams.
  if (!listen_.bind(address, port, QAbstractSocket::DontShareAddress) || !send_.bind(address, 0)) {
    const QUdpSocket& failed = listen_.state() == QAbstractSocket::BoundState ? send_ : listen_;
    bindError_ = ToAnsi(failed.errorString());
    Close();
    return false;
  }
  // Qt allows broadcasts on a UDP socket; the race never sends one.
  const int off = 0;
  ::setsockopt(static_cast<int>(send_.socketDescriptor()), SOL_SOCKET, SO_BROADCAST, &off, sizeof off);
  return true;
}

void clsQtUdpSocket::Close() {
  if (listen_.state() != QAbstractSocket::UnconnectedState) listen_.close();
  if (send_.state() != QAbstractSocket::UnconnectedState) send_.close();
}

void clsQtUdpSocket::Send(const std::string& address, std::uint16_t port, const std::string& payload) {
  QHostAddress recipient;
  if (!recipient.setAddress(QString::fromStdString(address))) return;  // not an address: nothing is sent
  if (recipient.isMulticast() || recipient.isBroadcast() || recipient.isNull() || recipient == QHostAddress::AnyIPv4) {
    return;  // one player at a time, never everyone on the network
  }
  send_.writeDatagram(QByteArray::fromStdString(payload), recipient, port);
}

void clsQtUdpSocket::ReadPending() {
  while (listen_.hasPendingDatagrams()) {
    const QNetworkDatagram datagram = listen_.receiveDatagram(static_cast<qint64>(kLongestDatagram) + 1);
    if (!receiver_ || static_cast<std::size_t>(datagram.data().size()) > kLongestDatagram) continue;
    receiver_(datagram.data().toStdString(), datagram.senderAddress().toString().toStdString(),
              static_cast<std::uint16_t>(datagram.senderPort()));
  }
}

}  // namespace glyph
