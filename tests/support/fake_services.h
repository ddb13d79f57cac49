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
#include "support/scripted_asker.h"
#include "support/scripted_dialogs.h"

namespace glyph {

// Everything a session reaches the player, the desktop and the network
// through, scripted or recording, on a fake network and clock that several
// copies of the game may share.
struct clsFakeServices {
  clsFakeServices(std::uint64_t seed, clsFakeNetwork& network, clsFakeClock& fakeClock)
      : random(seed), clock(fakeClock), socket(network) {}

  SessionServices Services(clsCatalogue& catalogue, const std::string& programFolder) {
    return {.asker = asker, .settings = settings, .random = random, .catalogue = catalogue, .files = files,
            .bookmarkDialogs = bookmarkDialogs, .writer = none, .printers = printers, .clock = clock, .socket = socket,
            .networkDialog = networkDialog, .desktop = desktop, .registrar = registrar, .programFolder = programFolder};
  }

  clsScriptedAsker asker;
  clsMemorySettings settings;
  clsSystemRandom random;
  clsScriptedFileChooser files;
  clsScriptedBookmarkDialogs bookmarkDialogs;
  clsNoDesktopServices none;  // writes no file and opens no options or print dialog
  clsFakePrinterSystem printers;
  clsFakeClock& clock;
  clsFakeNetwork::Socket socket;
  clsScriptedNetworkDialog networkDialog;
  clsRecordingDesktop desktop;
  clsRecordingRegistrar registrar;
};

// One copy of the game on the fake network, driven through its session as
// a window would drive it: each action is the event a player would cause.
class clsTestPeer : public clsFakeServices, public clsSessionDisplay {
 public:
  clsTestPeer(clsFakeNetwork& network, clsFakeClock& sharedClock, std::uint64_t seed)
      : clsFakeServices(seed, network, sharedClock), session(Services(catalogue, ""), none) {
    asker.defaultAnswer = true;
    session.SetDisplay(this);
    socket.SetReceiver([this](const std::string& payload, const std::string& from) {
      session.Handle(SessionEvent::Datagram(payload, from));
    });
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

  int time = kDefaultRaceSeconds;
  std::string penalty = kDefaultPenalty;
  RaceView view;
  SessionView window;
  clsCatalogue catalogue;
  clsGameSession session;
};

}  // namespace glyph
