// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QUdpSocket>
#include <functional>
#include <string>

#include "net/lan_discovery.h"

namespace glyph {

// Sends a host's announcements by UDP broadcast: to 127.255.255.255 for a
// loopback host, otherwise to the broadcast address of every IPv4 network
// the computer is on.
class clsQtLanAnnouncer : public clsLanAnnouncer {
 public:
  explicit clsQtLanAnnouncer(std::uint16_t port = kDiscoveryPort) : port_(port) {}
  void Announce(const std::string& localAddress, const std::string& datagram) override;

 private:
  QUdpSocket socket_;
  std::string boundTo_;
  std::uint16_t port_;
};

// Hears announcements: a socket on the discovery port that other programs
// on this computer may share. Bound to every address, or for a loopback
// address to the loopback range's broadcast address alone. A port that cannot
// be bound only means nothing is heard.
class clsQtLanListener : public QObject {
  Q_OBJECT

 public:
  using Receiver = std::function<void(const std::string& payload, const std::string& from)>;
  clsQtLanListener(Receiver receiver, const std::string& localAddress = "", std::uint16_t port = kDiscoveryPort);
  bool Listening() const { return socket_.state() == QAbstractSocket::BoundState; }

 private:
  QUdpSocket socket_;
  Receiver receiver_;
};

}  // namespace glyph
