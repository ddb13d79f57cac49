#include "platform/qt_udp_socket.h"

#include <QHostAddress>
#include <QNetworkDatagram>

namespace glyph {

namespace {

// Far above any message of the game; a larger datagram is cut to this.
constexpr qint64 kLargestDatagram = 64 * 1024;

}  // namespace

clsQtUdpSocket::clsQtUdpSocket(QObject* parent) : QObject(parent) {
  connect(&listen_, &QUdpSocket::readyRead, this, &clsQtUdpSocket::ReadPending);
}

bool clsQtUdpSocket::Bind(const std::string& localAddress, std::uint16_t port) {
  Close();
  QHostAddress address;
  if (!address.setAddress(QString::fromStdString(localAddress))) return false;
  if (!listen_.bind(address, port)) return false;
  // Datagrams go out from the same address, so that peers see who sent them.
  if (send_.state() == QAbstractSocket::UnconnectedState) send_.bind(address, 0);
  return true;
}

void clsQtUdpSocket::Close() {
  if (listen_.state() != QAbstractSocket::UnconnectedState) listen_.close();
}

void clsQtUdpSocket::Send(const std::string& address, std::uint16_t port, const std::string& payload) {
  QHostAddress recipient;
  if (!recipient.setAddress(QString::fromStdString(address))) return;  // not an address: nothing is sent
  send_.writeDatagram(QByteArray::fromStdString(payload), recipient, port);
}

void clsQtUdpSocket::ReadPending() {
  while (listen_.hasPendingDatagrams()) {
    const QNetworkDatagram datagram = listen_.receiveDatagram(kLargestDatagram);
    if (receiver_) receiver_(datagram.data().toStdString(), datagram.senderAddress().toString().toStdString());
  }
}

}  // namespace glyph
