// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "net/cls_race_controller.h"
#include "session/cls_game_controller.h"
#include "session/session_event.h"
#include "session/session_services.h"
#include "session/session_view.h"

namespace glyph {

class clsLanAnnouncer;

// The game's one core: it owns the game controller, the race controller and
// the services, takes every event of every front end through Handle, and
// publishes one view of the whole window after each. Every rule of the main
// window and the race panels is decided here or below.
class clsGameSession : private clsRaceHooks {
 public:
  static constexpr const char* kTitle = "Glyphmatic";
  static constexpr const char* kFullTitle = "Glyphmatic 2.0";

  // The dialogs are the front end's own: the main window opens them over itself.
  clsGameSession(const SessionServices& services, clsSessionDialogs& dialogs);
  ~clsGameSession() override;

  void SetDisplay(clsSessionDisplay* display) { display_ = display; }
  // Where a host's lobby announces itself on the local network, with this
  // computer's name; without one the lobby stays silent.
  void SetAnnouncer(clsLanAnnouncer* announcer, std::string computerName) {
    announcer_ = announcer;
    computerName_ = std::move(computerName);
  }

  // After the window's texts are translated: the style, then the game of the
  // command line or a new one.
  void StartUp(const std::vector<std::string>& arguments);
  // Takes every event. A question runs its own event loop in a window, so
  // an event may arrive while another is being handled: it then waits, and
  // is handled after it, in order. Nothing runs inside another event.
  void Handle(const SessionEvent& event);

  // While a race runs, the board is the race's: no new game, load, clear,
  // solution or bookmark, whoever asks. The view's buttons follow this, and
  // a command of a button that is not enabled does nothing.
  bool BoardFree() const { return !game_.RaceRunning(); }

  const SessionView& View() const { return view_; }
  const clsGameController& Game() const { return game_; }
  const clsRaceController& Race() const { return race_; }
  const std::string& HelpFile() const { return helpFile_; }

 private:
  static constexpr std::size_t kMostWaiting = 4096;
  void Wait(const SessionEvent& event);
  static bool EndsPause(const SessionEvent& event);
  void ShowStatistics();
  void ApplyColours();
  void PlayCode();
  void LoadStatistics();
  void SaveStatistics();
  void HandleOne(const SessionEvent& event);
  void OnButton(Command command);
  void OnGridKey(int key);
  void FocusGrid();
  void OpenNetworkGame();
  void OpenOptions();
  void OpenPrint();
  void SetHelpFile();
  std::string Text(const char* key, const char* defaultText) const;
  void Publish();
  // A host in its lobby says so on the local network every other tick, and
  // once more when its lobby closes.
  void AnnounceRace();

  void LocalSolve() override { race_.LocalSolve(); }
  void CloseRequested() override { race_.CloseRequested(); }

  SessionServices services_;
  clsSessionDialogs& dialogs_;
  clsGameController game_;
  clsRaceController race_;
  clsSessionDisplay* display_ = nullptr;
  SessionView view_;
  std::string helpFile_;
  std::string title_ = kTitle;
  int textsVersion_ = 0;
  int cursor_ = 0;
  int focusVersion_ = 0;
  clsLanAnnouncer* announcer_ = nullptr;
  std::string computerName_;
  int announceTicks_ = 0;
  std::string announcedFrom_;  // the local address of the lobby being announced
  clsStatistics statistics_;
  bool statisticsWritable_ = true;  // false while a damaged file could not be moved aside
  std::optional<StatsCategory> newBest_;
  bool handling_ = false;
  std::deque<SessionEvent> waiting_;  // arrived while an event was being handled
};

}  // namespace glyph
