// SPDX-License-Identifier: GPL-3.0-or-later
// Datagrams reaching a host and a client in every state of a race. Each input
// line is one datagram: raw cipher text, or, after a "#", a message text that
// is enciphered first so that every tag's body handler is reached. It comes
// from the other peer, or from a stranger (127.0.0.9) after a leading "~".
// A line "!" advances the clock by a tick; "*" starts the race on the host.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/cls_clock.h"
#include "core/cls_system_random.h"
#include "i18n/cls_catalogue.h"
#include "net/cls_datagram_socket.h"
#include "net/net_protocol.h"
#include "session/cls_game_session.h"
#include "session/headless_services.h"
#include "storage/cls_memory_settings.h"

namespace {

using namespace glyph;

struct Clock : clsClock {
  std::int64_t now = 1'800'000'000'000;
  std::int64_t NowMilliseconds() override { return now; }
};
// The two peers reach each other through this queue, so that the host's
// client can join and a race can start.
std::vector<std::pair<std::string, std::string>>* inFlight = nullptr;
struct Socket : clsDatagramSocket {
  bool Bind(const std::string&, std::uint16_t) override { return true; }
  void Close() override {}
  void Send(const std::string& address, std::uint16_t, const std::string& payload) override {
    if (inFlight != nullptr && inFlight->size() < 1000) inFlight->push_back({address, payload});
  }
};
// One copy of the game, driven through its session as the window drives it:
// every question answered Yes, the host/join dialog with the peer's choice.
struct Peer {
  clsMemorySettings settings;
  clsSystemRandom random{7};
  clsCatalogue catalogue;
  clsNoDesktopServices none;
  Clock clock;
  Socket socket;
  clsGameSession session{SessionServices{.settings = settings,
                                         .random = random,
                                         .catalogue = catalogue,
                                         .writer = none,
                                         .printers = none,
                                         .clock = clock,
                                         .socket = socket,
                                         .desktop = none,
                                         .registrar = none}};

  explicit Peer(bool host) {
    session.StartUp({});
    Handle(SessionEvent::Button(Command::NetworkGame));
    Handle(SessionEvent::DialogAnswer(
        session.View().dialog.id, true, {}, host ? 1 : 0,
        {host ? "127.0.0.1" : "127.0.0.2", host ? "" : "127.0.0.1", host ? "Host" : "Client", "login"}));
    Handle(SessionEvent::Of(SessionEvent::Kind::RaceOptions, 60, "10"));
  }
  void Handle(const SessionEvent& event) {
    session.Handle(event);
    for (int i = 0; i < 8 && session.View().prompt; ++i) {
      session.Handle(SessionEvent::Answer(session.View().prompt->id, true));
    }
  }
  void Receive(const std::string& payload, const std::string& from) { Handle(SessionEvent::Datagram(payload, from)); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::vector<std::pair<std::string, std::string>> queue;
  inFlight = &queue;
  Peer host(true);
  Peer client(false);
  const auto deliver = [&] {
    for (int round = 0; round < 20 && !queue.empty(); ++round) {
      const auto batch = std::move(queue);
      queue.clear();
      for (const auto& [to, payload] : batch) {
        if (to == "127.0.0.1") host.Receive(payload, "127.0.0.2");
        if (to == "127.0.0.2") client.Receive(payload, "127.0.0.1");
      }
    }
  };
  deliver();
  clsSystemRandom random(3);
  std::size_t start = 0;
  while (start <= input.size()) {
    std::size_t end = input.find('\n', start);
    if (end == std::string::npos) end = input.size();
    std::string line = input.substr(start, end - start);
    start = end + 1;
    const bool stranger = !line.empty() && line[0] == '~';
    if (stranger) line.erase(0, 1);
    for (Peer* peer : {&host, &client}) {
      const char* other = peer == &host ? "127.0.0.2" : "127.0.0.1";
      if (line == "!") {
        peer->clock.now += clsRaceController::kTickMilliseconds * 11;
        peer->Handle(SessionEvent::Of(SessionEvent::Kind::Tick));
      } else if (line == "*") {
        peer->Handle(SessionEvent::Button(Command::NetStart));
      } else if (!line.empty() && line[0] == '#') {
        peer->Receive(EncodeDatagram(line.substr(1), random), stranger ? "127.0.0.9" : other);
      } else {
        peer->Receive(line, stranger ? "127.0.0.9" : other);
      }
    }
    deliver();
  }
  inFlight = nullptr;
  return 0;
}
