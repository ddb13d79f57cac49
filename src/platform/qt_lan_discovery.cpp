// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_lan_discovery.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>

namespace glyph {

namespace {

constexpr char kLoopbackBroadcast[] = "127.255.255.255";
constexpr qint64 kLargestDatagram = 1024;  // announcements are short; anything longer is not one

bool IsLoopback(const QHostAddress& address) { return address.isLoopback(); }

}  // namespace

void clsQtLanAnnouncer::Announce(const std::string& localAddress, const std::string& datagram) {
  const QHostAddress local(QString::fromStdString(localAddress));
  if (local.protocol() != QAbstractSocket::IPv4Protocol) return;
  if (boundTo_ != localAddress) {
    socket_.close();
    if (!socket_.bind(local, 0)) return;  // the next announcement tries again
    boundTo_ = localAddress;
  }
  const QByteArray payload = QByteArray::fromStdString(datagram);
  if (IsLoopback(local)) {
    socket_.writeDatagram(payload, QHostAddress(kLoopbackBroadcast), port_);
    return;
  }
  for (const QNetworkInterface& network : QNetworkInterface::allInterfaces()) {
    if (!(network.flags() & QNetworkInterface::IsUp) || !(network.flags() & QNetworkInterface::CanBroadcast)) continue;
    for (const QNetworkAddressEntry& entry : network.addressEntries()) {
      if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol && !entry.broadcast().isNull()) {
        socket_.writeDatagram(payload, entry.broadcast(), port_);
      }
    }
  }
}

clsQtLanListener::clsQtLanListener(Receiver receiver, const std::string& localAddress, std::uint16_t port)
    : receiver_(std::move(receiver)) {
  const QHostAddress local(QString::fromStdString(localAddress));
  const QHostAddress where = IsLoopback(local) ? QHostAddress(kLoopbackBroadcast) : QHostAddress(QHostAddress::AnyIPv4);
  if (!socket_.bind(where, port, QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) return;
  connect(&socket_, &QUdpSocket::readyRead, this, [this] {
    while (socket_.hasPendingDatagrams()) {
      const QNetworkDatagram datagram = socket_.receiveDatagram(kLargestDatagram);
      receiver_(datagram.data().toStdString(), datagram.senderAddress().toString().toStdString());
    }
  });
}

}  // namespace glyph
