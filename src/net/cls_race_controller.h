// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "core/services.h"
#include "net/cls_network_game.h"
#include "net/race_board.h"
#include "net/race_view.h"

namespace glyph {

class clsAsker;
class clsCatalogue;
class clsClock;
class clsDatagramSocket;
class clsRandomSource;

// The network race of the main window: the session, the race state kept
// beside it, and every reaction to a message, to the 500 ms tick and to the
// player's actions. It drives the board (puzzles, grid, game over) and keeps
// the view the race panels paint. Its work is spread over three files: the
// player's actions (cls_race_controller.cpp), leaving (race_leave.cpp), the
// messages (race_receive.cpp) and the tick (race_tick.cpp).
class clsRaceController {
 public:
  static constexpr int kTickMilliseconds = 500;
  static constexpr int kHeartbeatSeconds = 5;
  static constexpr int kDeadAfterSeconds = 30;
  // A race holds at most this many players; later newcomers stay connecting.
  static constexpr std::size_t kMostPlayers = 64;
  // The chat keeps this many lines, each cut to this many characters.
  static constexpr std::size_t kChatLines = 500;
  static constexpr std::size_t kChatLineLength = 500;
  // Heartbeats after joining during which a newcomer is introduced again, in
  // case an introduction was lost.
  static constexpr int kIntroductionRounds = 3;
  // Strangers asked who they are and remembered at once.
  static constexpr std::size_t kMostStrangers = 256;
  // Heartbeat periods after the race's time during which missing results
  // are asked for; then the players still without one count as given up.
  static constexpr int kResultRequestHeartbeats = 2;

  // The race plays on the board given and asks the player through asker;
  // services.networkPort 0 is the game's own port.
  clsRaceController(const SessionServices& services, clsAsker& asker, clsRaceBoard& game);

  // Makes a session from the host/join dialog's answers. False, with the
  // player told, when the receiving socket cannot be bound.
  bool Begin(const std::string& localAddress, const std::string& hostAddress, bool isHost,
             const std::string& playerName);

  // A datagram arrived on the receiving socket from source's address and
  // port. It is believed only from a sender that may send it (see
  // race_receive.cpp).
  void Receive(const std::string& datagram, const std::string& source, std::uint16_t sourcePort);
  // The 500 ms tick.
  void Tick();

  // The player's actions.
  void OfferOptions(const std::string& address);
  // The host's option fields changed: time in seconds, penalty as typed.
  void OptionsEdited(int timeSeconds, const std::string& penaltyText);
  // Start button: checks readiness (asking when some are not ready), then
  // starts the race.
  void ClickStart();
  void StartRace();
  void SendChat(const std::string& text);
  // Give up, cancel and exit ask first; GiveUpNow and LeaveNow do not.
  void GiveUp();
  void GiveUpNow();
  void Cancel();
  void Exit();
  void LeaveNow();
  // The lobby list's row, counted from 0.
  void Kick(int row);
  void CloseResults();

  // From the board: the local player solved the puzzle; the player asked to
  // close the window.
  void LocalSolve();
  void CloseRequested();

  bool HasSession() const { return session_ != nullptr; }
  clsNetworkGame* Session() { return session_.get(); }
  const clsNetworkGame* Session() const { return session_.get(); }
  const RaceView& View() const { return view_; }
  bool TimeOver() const { return timeOver_; }
  bool TickActive() const { return tickActive_; }

 private:
  void Send(const std::string& address, const char* tag, const std::string& body);
  void SendToOthers(const char* tag, const std::string& body);
  void SendToOthersWhere(const char* tag, const std::string& body,
                         const std::function<bool(const clsNetworkPlayer&)>& predicate);

  void IntroduceRecentJoiners();
  void Joined(const std::string& address);
  void OnNew(const std::string& body, const std::string& source);
  void AnswerRepeatedNew(const std::string& source);
  void OnOk(std::uint16_t sourcePort);
  // Living players, whom the lobby's cap counts.
  std::size_t LivingPlayers() const;
  // In the lobby the host forgets players silent for the dead limit.
  void ForgetSilentJoiners(std::int64_t now);
  void OnOther(const std::string& body, const std::string& source, bool fromHost);
  void OnWhoAreYou(const std::string& source);
  void OnLiving(const std::string& source);
  void AskWhoItIs(const std::string& source);
  void OnMessage(const std::string& body, const std::string& source);
  void OnOptions(const std::string& body);
  void OnOptionsOk(const std::string& body, const std::string& source);
  void OnStart(const std::string& body);
  void OnStartConfirmed(const std::string& source);
  void OnGiveUp(const std::string& source);
  void OnFinished(const std::string& body, const std::string& source);
  void OnNeedResult(const std::string& source);
  void OnQuit(const std::string& source);

  void OfferOptionsDuringRace();
  void ShowClocks(std::int32_t elapsed);
  void RequestMissingResults(std::int64_t now);
  bool HostSilent(std::int64_t now) const;
  void HostLeft();
  void StartLocally();
  void LocalPlayerFinished();
  void CheckAllFinished();
  void ShowResults();
  void LeaveSession();
  void ResetRaceState();
  void RebuildPlayerList();
  void ShowOptions();
  void ShowOptionFields();
  void AppendChat(const std::string& line);
  void Ask(const char* textKey, const char* text, const char* titleKey, const char* title, std::function<void()> onYes,
           std::function<bool()> applies);
  void CancelNow();
  // A lobby is open; the local player is racing and not finished.
  bool InLobby() const;
  bool Racing() const;
  std::string Text(const char* key, const char* defaultText) const;
  std::int64_t Now();

  clsRaceBoard& game_;
  clsDatagramSocket& socket_;
  clsClock& clock_;
  clsRandomSource& random_;
  clsAsker& asker_;
  const clsCatalogue& catalogue_;
  std::uint16_t port_;
  // What the host's option fields hold; the session changes them only
  // through OptionsEdited, and what the host receives is shown in them.
  int fieldTime_ = kDefaultRaceSeconds;
  std::string fieldPenalty_ = kDefaultPenalty;
  int optionsShown_ = 0;

  std::unique_ptr<clsNetworkGame> session_;
  bool timeOver_ = false;
  std::int64_t timeOverAt_ = 0;
  // A client's last datagram from its host, and the port its host's
  // acceptance came from (0 until then).
  std::int64_t lastHostSign_ = 0;
  std::uint16_t hostPort_ = 0;
  // The addresses the host has introduced to this client.
  std::set<std::string> namedByHost_;
  bool tickActive_ = false;
  std::int64_t raceStart_ = 0;
  std::int64_t lastHeartbeat_;  // the main window's time reference
  RaceView view_;
  // Newcomers still to be introduced again, with the heartbeats left.
  std::map<std::string, int> recentJoiners_;
  // Strangers asked who they are, with the time of asking: their answer
  // about themselves is believed, and each is asked once a heartbeat.
  std::map<std::string, std::int64_t> asked_;
  // Listed players last answered an announcement, with the time.
  std::map<std::string, std::int64_t> answeredNew_;
};

}  // namespace glyph
