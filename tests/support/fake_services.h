// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "core/cls_system_random.h"
#include "i18n/cls_catalogue.h"
#include "session/cls_game_session.h"
#include "session/headless_services.h"
#include "storage/cls_memory_settings.h"
#include "support/fake_desktop.h"
#include "support/fake_network.h"
#include "support/fake_printers.h"
#include "support/session_driver.h"

namespace glyph {

// Everything a session reaches the desktop and the network through,
// recording, on a fake network and clock that several copies of the game
// may share.
struct clsFakeServices {
  clsFakeServices(std::uint64_t seed, clsFakeNetwork& network, clsFakeClock& fakeClock)
      : random(seed), clock(fakeClock), socket(network) {}

  SessionServices Services(clsCatalogue& catalogue, const std::string& programFolder,
                           const std::string& dataFolder = "") {
    return {.settings = settings,
            .random = random,
            .catalogue = catalogue,
            .writer = *writer,
            .printers = printers,
            .clock = clock,
            .socket = socket,
            .desktop = desktop,
            .registrar = registrar,
            .programFolder = programFolder,
            .dataFolder = dataFolder};
  }

  clsMemorySettings settings;
  clsSystemRandom random;
  clsNoDesktopServices none;
  clsFileWriter* writer = &none;  // writes no file, unless a test gives a writer
  clsFakePrinterSystem printers;
  clsFakeClock& clock;
  clsFakeNetwork::Socket socket;
  clsRecordingDesktop desktop;
  clsRecordingRegistrar registrar;
};

// One copy of the game on the fake network, driven through its session as
// a window would drive it; every question is answered Yes.
class clsTestPeer : public clsFakeServices, public clsSessionDriver {
 public:
  clsTestPeer(clsFakeNetwork& network, clsFakeClock& sharedClock, std::uint64_t seed)
      : clsFakeServices(seed, network, sharedClock), session(Services(catalogue, "")) {
    autoAnswer = true;
    Drive(session);
    socket.SetReceiver([this](const std::string& payload, const std::string& from, std::uint16_t port) {
      Handle(SessionEvent::Datagram(payload, from, port));
    });
    session.StartUp({});
  }

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

  // The network game button, then the host/join dialog answered.
  bool Begin(const std::string& local, const std::string& host, bool isHost, const std::string& name) {
    Press(Command::NetworkGame);
    if (view.dialog.kind == DialogKind::NetworkGame) Confirm({}, isHost ? 1 : 0, {local, host, name, "login"});
    if (isHost && HasSession()) Send(SessionEvent::Kind::RaceOptions, time, penalty);
    return HasSession();
  }
  void Tick() { Send(SessionEvent::Kind::Tick); }
  bool HasSession() const { return session.Race().HasSession(); }
  const clsNetworkGame* NetGame() const { return session.Race().Session(); }
  const clsGameController& Board() const { return session.Game(); }
  const RaceView& Race() const { return view.race; }
  // The window's close control: true when the window may close.
  bool RequestClose() {
    Send(SessionEvent::Kind::WindowClose);
    return view.quit;
  }

  int time = kDefaultRaceSeconds;
  std::string penalty = kDefaultPenalty;
  clsCatalogue catalogue;
  clsGameSession session;
};

}  // namespace glyph
