// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/cls_race_controller.h"

#include <algorithm>

#include "core/cls_asker.h"
#include "core/cls_clock.h"
#include "core/lenient_number.h"
#include "core/plain_text.h"
#include "i18n/cls_catalogue.h"
#include "net/cls_datagram_socket.h"
#include "net/ip_address.h"
#include "net/net_protocol.h"
#include "net/race_rules.h"

namespace glyph {

namespace {

constexpr const char* kModule = kMainWindowModule;
constexpr std::int32_t kLargestOption = 99'999;

}  // namespace

clsRaceController::clsRaceController(const SessionServices& services, clsAsker& asker, clsRaceBoard& game)
    : game_(game),
      socket_(services.socket),
      clock_(services.clock),
      random_(services.random),
      asker_(asker),
      catalogue_(services.catalogue),
      port_(services.networkPort == 0 ? kNetworkPort : services.networkPort),
      lastHeartbeat_(services.clock.NowMilliseconds()) {}

std::int64_t clsRaceController::Now() { return clock_.NowMilliseconds(); }

std::string clsRaceController::Text(const char* key, const char* defaultText) const {
  return catalogue_.GetTranslation(kModule, key, defaultText);
}

void clsRaceController::Ask(const char* textKey, const char* text, const char* titleKey, const char* title,
                            std::function<void()> onYes, std::function<bool()> applies) {
  asker_.AskYesNo(Text(textKey, text), Text(titleKey, title), MessageIcon::Question, false, std::move(onYes),
                  std::move(applies));
}

bool clsRaceController::InLobby() const { return session_ != nullptr && !game_.RaceRunning(); }
bool clsRaceController::Racing() const { return session_ != nullptr && game_.RaceRunning() && !game_.LocalFinished(); }

// ---- Sending --------------------------------------------------------------

// Only ever to one player: never to a broadcast, multicast or unspecified
// address, whatever a list holds.
void clsRaceController::Send(const std::string& address, const char* tag, const std::string& body) {
  if (!session_ || !IsUnicastIPv4(address)) return;
  socket_.Send(address, port_, EncodeDatagram(MakeMessageText(session_->GameKey(), tag, body), random_));
}

void clsRaceController::SendToOthersWhere(const char* tag, const std::string& body,
                                          const std::function<bool(const clsNetworkPlayer&)>& predicate) {
  if (!session_) return;
  // The list may change while sending (it does not here, but copy the
  // addresses all the same so that a send can never invalidate the walk).
  std::vector<std::string> recipients;
  for (const clsNetworkPlayer& player : session_->CollClients) {
    if (player.IP != session_->LocalIP && predicate(player)) recipients.push_back(player.IP);
  }
  for (const std::string& address : recipients) Send(address, tag, body);
}

void clsRaceController::SendToOthers(const char* tag, const std::string& body) {
  SendToOthersWhere(tag, body, [](const clsNetworkPlayer&) { return true; });
}

// ---- Beginning and the tick ----------------------------------------------

bool clsRaceController::Begin(const std::string& localAddress, const std::string& hostAddress, bool isHost,
                              const std::string& playerName) {
  // A session in hand ends as a cancelled one does, so that a failed begin
  // leaves a single-player window that can be closed.
  if (session_) {
    SendToOthers(session_->Host ? tag::kClose : tag::kQuit, session_->Host ? "" : session_->LocalIP);
    LeaveSession();
    ResetRaceState();
  }
  // A session that can hear nothing would wait for ever: it is not begun.
  if (!socket_.Bind(localAddress, port_)) {
    const std::string why = socket_.BindError();
    asker_.Tell(Text("strMsgNetBind",
                     "The network game cannot be opened: this computer cannot receive at the chosen address.") +
                    "\n\n" + localAddress + (why.empty() ? "" : ": " + why),
                Text("strTitNetBind", "Network game"), MessageIcon::Exclamation);
    return false;
  }
  session_ = std::make_unique<clsNetworkGame>();
  recentJoiners_.clear();
  asked_.clear();
  answeredNew_.clear();
  lastHostSign_ = Now();
  hostPort_ = 0;
  namedByHost_.clear();
  const std::string name = PlayerName(playerName);
  // Addresses are kept as the network writes them, so that a datagram's
  // source compares equal to what the player typed.
  const std::string local = CanonicalIPv4(localAddress);
  if (isHost) {
    clsNetworkPlayer self;
    self.IP = local;
    self.Name = name;
    self.KnowsOptions = true;
    session_->AddPlayer(self, Now());
  } else {
    session_->HostIp = CanonicalIPv4(hostAddress);
  }
  session_->Host = isHost;
  session_->LocalIP = local;
  session_->LocalName = name;

  view_ = RaceView{};
  ShowOptionFields();
  view_.lobbyShown = true;
  view_.helpContext = kHelpContextNetwork;
  timeOver_ = false;
  game_.SetRaceRunning(false);
  game_.SetLocalFinished(false);
  game_.SetNetworkSessionExists(true);

  if (isHost) {
    session_->Status = ConnectionStatus::Waiting;
    view_.optionsEditable = true;
    view_.kickAndStartAvailable = true;
  } else {
    clsNetworkPlayer self;
    self.IP = local;
    self.Name = name;
    Send(session_->HostIp, tag::kNew, self.MakeInfoString());
    session_->Status = ConnectionStatus::Connecting;
  }
  view_.status = session_->Status;
  RebuildPlayerList();
  tickActive_ = true;
  game_.SetGameOver(false);
  return true;
}

// ---- Options, readiness, start --------------------------------------------

void clsRaceController::OfferOptions(const std::string& address) {
  if (!session_) return;
  const std::string before = session_->MakeOptString();
  // The fields may hold what the option string cannot carry: held to 0..99,999.
  session_->Time = std::clamp(fieldTime_, 0, kLargestOption);
  session_->Penalty = std::clamp(ReadLenientInt32(fieldPenalty_), 0, kLargestOption);
  const std::string after = session_->MakeOptString();
  if (address.empty() && before == after) return;
  std::vector<std::string> recipients;
  for (clsNetworkPlayer& p : session_->CollClients) {
    if (p.IP != session_->LocalIP && (address.empty() || p.IP == address)) {
      p.KnowsOptions = false;
      recipients.push_back(p.IP);
    }
  }
  for (const std::string& recipient : recipients) Send(recipient, tag::kOptions, after);
  if (address.empty()) RebuildPlayerList();
}

void clsRaceController::OptionsEdited(int timeSeconds, const std::string& penaltyText) {
  if (game_.RaceRunning()) return;  // a race keeps the options it started with
  fieldTime_ = timeSeconds;
  fieldPenalty_ = penaltyText;
  OfferOptions("");
}

// Start: with no ready player besides the host there is no race; with some
// not connected or not knowing the options, the host is asked first.
void clsRaceController::ClickStart() {
  if (!session_ || !session_->Host || game_.RaceRunning()) return;
  const Readiness count = CountReadiness(*session_);
  if (count.ready == 0) {
    asker_.Tell(Text("strMsgNet2Players", "There must be at least two ready players to start a net game"),
                Text("strTitNet2Players", "Not enough players"), MessageIcon::Information);
    return;
  }
  if (count.notConnected > 0 || count.notKnowing > 0) {
    Ask(
        "strMsgNetNotAll",
        "There are some players who are not connected or don't know the game options. Do you really want "
        "to start the game?",
        "strTitNetNotAll", "Some players not ready", [this] { StartRace(); }, [this] { return InLobby(); });
    return;
  }
  StartRace();
}

void clsRaceController::StartRace() {
  if (!InLobby() || !session_->Host) return;
  const std::string puzzle = game_.MakeRacePuzzle();
  OfferOptions("");
  SendToOthers(tag::kStart, puzzle);
  StartLocally();
}

void clsRaceController::StartLocally() {
  if (!session_) return;
  game_.SetRaceRunning(true);
  view_.lobbyShown = false;
  view_.raceShown = true;
  raceStart_ = Now();
  ShowClocks(0);
  view_.closeAvailable = false;
  view_.giveUpAvailable = true;
  if (clsNetworkPlayer* local = session_->LocalPlayer()) local->Started = true;
  RebuildPlayerList();
}

// ---- Finishing ------------------------------------------------------------

void clsRaceController::LocalSolve() {
  if (!session_ || game_.LocalFinished()) return;
  const std::int32_t elapsed = WholeSecondsBetween(raceStart_, Now());
  ShowClocks(elapsed);
  // Solved after the time ran out but before the tick saw it: no seconds left.
  const std::int32_t points = std::max(0, session_->Time - elapsed);
  SendToOthers(tag::kFinished, SolvedRecord(points, session_->LocalIP));
  if (clsNetworkPlayer* local = session_->LocalPlayer()) {
    local->HasFinished = true;
    local->TimeNeeded = elapsed;
    local->Points = points;
  }
  view_.points = std::to_string(points);
  LocalPlayerFinished();
  RebuildPlayerList();
  CheckAllFinished();
}

void clsRaceController::GiveUp() {
  if (!Racing()) return;
  Ask(
      "strMsgNetGiveUp", "Do you really want to give up?", "strTitNetGiveUp", "Give up", [this] { GiveUpNow(); },
      [this] { return Racing(); });
}

void clsRaceController::GiveUpNow() {
  if (!Racing()) return;
  ShowClocks(WholeSecondsBetween(raceStart_, Now()));
  SendToOthers(tag::kGiveUp, GaveUpRecord(session_->LocalIP));
  if (clsNetworkPlayer* local = session_->LocalPlayer()) {
    local->HasFinished = true;
    local->TimeNeeded = 0;
    local->Points = -session_->Penalty;
  }
  game_.RevealForRace();
  LocalPlayerFinished();
  view_.points = "-" + std::to_string(session_->Penalty);
  RebuildPlayerList();
  CheckAllFinished();
}

void clsRaceController::LocalPlayerFinished() {
  game_.SetLocalFinished(true);
  view_.giveUpAvailable = false;
  view_.exitAvailable = true;
  CheckAllFinished();
}

void clsRaceController::CheckAllFinished() {
  if (!session_) return;
  const bool everyoneDone = std::all_of(session_->CollClients.begin(), session_->CollClients.end(),
                                        [](const clsNetworkPlayer& p) { return p.HasFinished || p.IsDead; });
  if (!everyoneDone || session_->CollClients.empty()) return;
  ShowResults();
  tickActive_ = false;
}

void clsRaceController::ShowResults() {
  view_.results = RankPlayers(session_->CollClients);
  view_.resultsShown = true;
}

// ---- Chat and display -------------------------------------------------------

void clsRaceController::SendChat(const std::string& text) {
  if (!session_ || text.empty()) return;  // an empty line says nothing to anyone
  // Cut where every copy cuts what it shows, so that no message is longer
  // than a datagram may be.
  const std::string line = (session_->LocalName + ": " + text).substr(0, kChatLineLength);
  SendToOthers(tag::kMessage, session_->MakeMsg(line));
  AppendChat(line);
}

void clsRaceController::AppendChat(const std::string& line) {
  auto lines = std::make_shared<std::deque<std::string>>(*view_.chat.lines);
  lines->push_back(PlainText(line.substr(0, kChatLineLength)));
  if (lines->size() > kChatLines) lines->pop_front();
  view_.chat.lines = std::move(lines);
  ++view_.chat.added;
}

// The fields keep what they last showed from one network game to the next.
void clsRaceController::ShowOptionFields() {
  view_.shownTime = fieldTime_;
  view_.shownPenalty = fieldPenalty_;
  view_.shownOptionsVersion = ++optionsShown_;
}

void clsRaceController::ShowOptions() {
  fieldTime_ = session_->Time;
  fieldPenalty_ = std::to_string(session_->Penalty);
  ShowOptionFields();
}

void clsRaceController::RebuildPlayerList() {
  if (!session_) return;
  const bool running = game_.RaceRunning();
  (running ? view_.racePlayers : view_.lobbyPlayers) = PlayerRows(*session_, running, Text("strPoints", "points"));
  view_.status = session_->Status;
}

}  // namespace glyph
