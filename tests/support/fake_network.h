// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "core/cls_clock.h"
#include "core/cls_system_random.h"
#include "net/cls_datagram_socket.h"
#include "net/net_protocol.h"

namespace glyph {

class clsFakeClock : public clsClock {
 public:
  explicit clsFakeClock(std::int64_t start = 1'800'000'000'000) : now(start) {}
  std::int64_t NowMilliseconds() override { return now; }
  std::int64_t now;
};

// Datagrams between race controllers in one test, delivered when the test
// says so, dropped at random or by a filter when asked.
class clsFakeNetwork {
 public:
  struct Datagram {
    std::string from;
    std::uint16_t fromPort;
    std::string to;
    std::string payload;
  };

  class Socket : public clsDatagramSocket {
   public:
    // Each socket sends from a port of its own, as a real one does.
    explicit Socket(clsFakeNetwork& network) : network_(network), sendPort_(network.nextPort_++) {}
    bool Bind(const std::string& localAddress, std::uint16_t localPort) override {
      if (network_.bound_.count(localAddress) > 0 && network_.bound_[localAddress] != this) return false;
      address_ = localAddress;
      port = localPort;
      network_.bound_[localAddress] = this;
      bindings.push_back(localAddress);
      return true;
    }
    void Close() override {
      if (!address_.empty() && network_.bound_[address_] == this) network_.bound_.erase(address_);
      address_.clear();
    }
    void Send(const std::string& address, std::uint16_t, const std::string& payload) override {
      network_.Post(address_, sendPort_, address, payload);
    }
    std::vector<std::string> bindings;  // every address bound, in order
    std::uint16_t port = 0;             // the port bound last
    void SetReceiver(std::function<void(const std::string&, const std::string&, std::uint16_t)> receiver) {
      receiver_ = std::move(receiver);
    }

   private:
    friend class clsFakeNetwork;
    clsFakeNetwork& network_;
    std::string address_;
    std::uint16_t sendPort_;
    std::function<void(const std::string&, const std::string&, std::uint16_t)> receiver_;
  };

  explicit clsFakeNetwork(unsigned seed = 1) : random_(seed) {}

  double dropRate = 0.0;
  // Return false to drop a datagram (from, to, tag).
  std::function<bool(const std::string&, const std::string&, const std::string&)> filter;
  std::vector<std::pair<std::string, ReceivedMessage>> sent;  // to, message

  // A datagram from an address and port; a test forges one from any.
  void Post(const std::string& from, std::uint16_t fromPort, const std::string& to, const std::string& payload) {
    const std::optional<ReceivedMessage> message = DecodeDatagram(payload);
    if (message) sent.push_back({to, *message});
    if (filter && message && !filter(from, to, message->tag)) return;
    if (std::uniform_real_distribution<double>(0, 1)(random_) < dropRate) return;
    queue_.push_back({from, fromPort, to, payload});
  }

  // Delivers until nothing is in flight (bounded, as replies make more).
  void Deliver() {
    for (int i = 0; i < 100000 && !queue_.empty(); ++i) {
      Datagram datagram = queue_.front();
      queue_.pop_front();
      const auto target = bound_.find(datagram.to);
      if (target != bound_.end() && target->second->receiver_)
        target->second->receiver_(datagram.payload, datagram.from, datagram.fromPort);
    }
  }

  int CountSent(const std::string& tag, const std::string& to = "") const {
    int count = 0;
    for (const auto& [address, message] : sent) count += message.tag == tag && (to.empty() || address == to);
    return count;
  }

 private:
  std::mt19937 random_;
  std::uint16_t nextPort_ = 40000;
  std::deque<Datagram> queue_;
  std::map<std::string, Socket*> bound_;
};

}  // namespace glyph
