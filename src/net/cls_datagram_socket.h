// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace glyph {

// UDP as the race uses it: one socket that receives on a local address and
// port, and sends one datagram per recipient. Arriving datagrams are handed
// to the race controller by whoever owns the socket.
class clsDatagramSocket {
 public:
  virtual ~clsDatagramSocket() = default;
  // False when the address and port cannot be bound; BindError says why.
  virtual bool Bind(const std::string& localAddress, std::uint16_t port) = 0;
  virtual std::string BindError() const { return {}; }
  virtual void Close() = 0;
  // Fire and forget: a failure is not reported.
  virtual void Send(const std::string& address, std::uint16_t port, const std::string& payload) = 0;
};

}  // namespace glyph
