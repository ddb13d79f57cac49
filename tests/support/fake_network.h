#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "core/cls_asker.h"
#include "core/cls_clock.h"
#include "core/cls_system_random.h"
#include "i18n/cls_catalogue.h"
#include "net/cls_datagram_socket.h"
#include "net/cls_race_controller.h"
#include "net/net_protocol.h"
#include "net/new_network_logic.h"
#include "session/cls_game_session.h"
#include "session/headless_services.h"
#include "storage/cls_memory_settings.h"
#include "support/scripted_asker.h"
#include "support/scripted_dialogs.h"

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
    std::string to;
    std::string payload;
  };

  class Socket : public clsDatagramSocket {
   public:
    explicit Socket(clsFakeNetwork& network) : network_(network) {}
    bool Bind(const std::string& localAddress, std::uint16_t) override {
      if (network_.bound_.count(localAddress) > 0 && network_.bound_[localAddress] != this) return false;
      address_ = localAddress;
      network_.bound_[localAddress] = this;
      bindings.push_back(localAddress);
      return true;
    }
    void Close() override {
      if (!address_.empty() && network_.bound_[address_] == this) network_.bound_.erase(address_);
      address_.clear();
    }
    void Send(const std::string& address, std::uint16_t, const std::string& payload) override {
      network_.Post(address_, address, payload);
    }
    std::vector<std::string> bindings;  // every address bound, in order
    void SetReceiver(std::function<void(const std::string&, const std::string&)> receiver) { receiver_ = std::move(receiver); }

   private:
    friend class clsFakeNetwork;
    clsFakeNetwork& network_;
    std::string address_;
    std::function<void(const std::string&, const std::string&)> receiver_;
  };

  explicit clsFakeNetwork(unsigned seed = 1) : random_(seed) {}

  double dropRate = 0.0;
  // Return false to drop a datagram (from, to, tag).
  std::function<bool(const std::string&, const std::string&, const std::string&)> filter;
  std::vector<std::pair<std::string, ReceivedMessage>> sent;  // to, message

  void Post(const std::string& from, const std::string& to, const std::string& payload) {
    const std::optional<ReceivedMessage> message = DecodeDatagram(payload);
    if (message) sent.push_back({to, *message});
    if (filter && message && !filter(from, to, message->tag)) return;
    if (std::uniform_real_distribution<double>(0, 1)(random_) < dropRate) return;
    queue_.push_back({from, to, payload});
  }

  // Delivers until nothing is in flight (bounded, as replies make more).
  void Deliver() {
    for (int i = 0; i < 100000 && !queue_.empty(); ++i) {
      Datagram datagram = queue_.front();
      queue_.pop_front();
      const auto target = bound_.find(datagram.to);
      if (target != bound_.end() && target->second->receiver_) target->second->receiver_(datagram.payload, datagram.from);
    }
  }

  int CountSent(const std::string& tag, const std::string& to = "") const {
    int count = 0;
    for (const auto& [address, message] : sent) count += message.tag == tag && (to.empty() || address == to);
    return count;
  }

 private:
  std::mt19937 random_;
  std::deque<Datagram> queue_;
  std::map<std::string, Socket*> bound_;
};

// The host/join dialog answered from a script.
class clsScriptedNetworkDialog : public clsNetworkDialog {
 public:
  std::optional<NetworkChoice> answer;
  int opened = 0;
  std::optional<NetworkChoice> AskNetworkGame() override {
    ++opened;
    return answer;
  }
};

// One copy of the game on the fake network, driven through its session as
// a window would drive it: each action is the event a player would cause.
class clsTestPeer : public clsSessionDisplay {
 public:
  clsTestPeer(clsFakeNetwork& network, clsFakeClock& clock, std::uint64_t seed)
      : random(seed),
        socket(network),
        session(SessionServices{asker, settings, random, catalogue, files, bookmarks, none, none, clock, socket,
                                networkDialog, none, none, none, "", 0}) {
    asker.defaultAnswer = true;
    session.SetDisplay(this);
    socket.SetReceiver(
        [this](const std::string& payload, const std::string& from) { session.Handle(SessionEvent::Datagram(payload, from)); });
    session.StartUp({});
  }
  void Show(const SessionView& v) override {
    window = v;
    view = v.race;
  }
  void Send(SessionEvent::Kind kind, int number = 0, const std::string& text = "") {
    session.Handle(SessionEvent::Of(kind, number, text));
  }
  void Press(Command command) { session.Handle(SessionEvent::Button(command)); }

  // Declares every symbol's true digit through the grid, as a player would.
  void Solve() {
    const clsGameController& board = session.Game();
    for (int d = 0; d < 10 && !board.LocalFinished(); ++d) {
      const int cell = 10 * board.Puzzle().Symbols(d) + d;
      if (board.SolveStatus().Status(cell / 10, cell % 10) == kCellYes) continue;
      Send(SessionEvent::Kind::GridClick, cell);
      Send(SessionEvent::Kind::GridDoubleClick, cell);
    }
  }
  const clsNetworkPlayer* Player(const std::string& ip) {
    return HasSession() ? const_cast<clsNetworkGame*>(NetGame())->FindPlayer(ip) : nullptr;
  }

  // The host/join dialog answered, then the network game button.
  bool Begin(const std::string& local, const std::string& host, bool isHost, const std::string& name) {
    networkDialog.answer = NetworkChoice{isHost, host, local, name};
    Press(Command::NetworkGame);
    if (isHost && HasSession()) Send(SessionEvent::Kind::RaceOptions, time, penalty);
    return HasSession();
  }
  void Tick() { Send(SessionEvent::Kind::Tick); }
  bool HasSession() const { return session.Race().HasSession(); }
  const clsNetworkGame* NetGame() const { return session.Race().Session(); }
  const clsGameController& Board() const { return session.Game(); }
  // The window's close control: true when the window may close.
  bool RequestClose() {
    Send(SessionEvent::Kind::WindowClose);
    return window.mayClose;
  }

  int time = 1800;
  std::string penalty = "100";
  RaceView view;
  SessionView window;
  clsScriptedAsker asker;
  clsMemorySettings settings;
  clsSystemRandom random;
  clsCatalogue catalogue;
  clsScriptedFileChooser files;
  clsScriptedBookmarkDialogs bookmarks;
  clsNoDesktopServices none;
  clsScriptedNetworkDialog networkDialog;
  clsFakeNetwork::Socket socket;
  clsGameSession session;
};

}  // namespace glyph
