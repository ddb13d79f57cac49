// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QUdpSocket>
#include <functional>

#include "net/cls_datagram_socket.h"

namespace glyph {

// UDP through Qt: one socket receives on the chosen local address and port,
// another sends each datagram to its recipient. Bound to the player's own
// address, several copies can run on one machine, each on its own address.
class clsQtUdpSocket : public QObject, public clsDatagramSocket {
  Q_OBJECT

 public:
  explicit clsQtUdpSocket(QObject* parent = nullptr);

  // Called for every datagram that arrives, with its payload and the address
  // and port it came from. One longer than any message is dropped unread.
  using Receiver = std::function<void(const std::string& payload, const std::string& from, std::uint16_t fromPort)>;
  void SetReceiver(Receiver receiver) { receiver_ = std::move(receiver); }

  bool Bind(const std::string& localAddress, std::uint16_t port) override;
  std::string BindError() const override { return bindError_; }
  void Close() override;
  void Send(const std::string& address, std::uint16_t port, const std::string& payload) override;

 private:
  void ReadPending();

  QUdpSocket listen_;
  QUdpSocket send_;
  Receiver receiver_;
  std::string bindError_;
};

}  // namespace glyph
