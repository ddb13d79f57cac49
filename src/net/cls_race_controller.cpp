#include "net/cls_race_controller.h"

#include <algorithm>
#include <cstdio>

#include "core/cls_asker.h"
#include "core/cls_clock.h"
#include "core/lenient_number.h"
#include "i18n/cls_catalogue.h"
#include "net/cls_datagram_socket.h"
#include "net/net_protocol.h"

namespace glyph {

namespace {

constexpr char kModule[] = "frmSymbol";
constexpr std::size_t kRecordHead = 6;   // "F" or "G" and five digits before the address
constexpr std::size_t kOptionLength = 10;
constexpr std::int32_t kLargestOption = 99'999;

}  // namespace

clsRaceController::clsRaceController(const Services& services, std::uint16_t port)
    : game_(services.game),
      socket_(services.socket),
      clock_(services.clock),
      random_(services.random),
      asker_(services.asker),
      catalogue_(services.catalogue),
      port_(port == 0 ? kNetworkPort : port),
      lastHeartbeat_(services.clock.NowMilliseconds()) {
  game_.SetRaceHooks(this);
}

clsRaceController::~clsRaceController() { game_.SetRaceHooks(nullptr); }

std::int64_t clsRaceController::Now() { return clock_.NowMilliseconds(); }

std::string clsRaceController::Text(const char* key, const char* defaultText) const {
  return catalogue_.GetTranslation(kModule, key, defaultText);
}

bool clsRaceController::Ask(const char* textKey, const char* text, const char* titleKey, const char* title) {
  return asker_.AskYesNo(Text(textKey, text), Text(titleKey, title), MessageIcon::Question, false);
}

std::string clsRaceController::ClockText(std::int32_t seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, (seconds / 60) % 60, seconds % 60);
  return text;
}

void clsRaceController::Refresh() {
  if (display_ != nullptr) display_->RefreshRace(view_);
}

// ---- Sending --------------------------------------------------------------

void clsRaceController::Send(const std::string& address, const char* tag, const std::string& body) {
  if (!session_) return;
  socket_.Send(address, port_, EncodeDatagram(MakeMessageText(session_->GameKey(), tag, body), random_));
}

template <typename Predicate>
void clsRaceController::SendToOthersWhere(const char* tag, const std::string& body, Predicate predicate) {
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
  if (session_) {
    socket_.Close();
    session_.reset();
  }
  // A session that can hear nothing would wait for ever: it is not begun.
  if (!socket_.Bind(localAddress, port_)) {
    asker_.Tell(Text("strMsgNetBind",
                     "The network game cannot be opened: this computer cannot receive at the chosen address."),
                Text("strTitNetBind", "Network game"), MessageIcon::Exclamation);
    return false;
  }
  session_ = std::make_unique<clsNetworkGame>();
  if (isHost) {
    clsNetworkPlayer local;
    local.IP = localAddress;
    local.Name = playerName;
    local.KnowsOptions = true;
    session_->AddPlayer(local, Now());
  } else {
    session_->HostIp = hostAddress;
  }
  session_->Host = isHost;
  session_->LocalIP = localAddress;
  session_->LocalName = playerName;

  view_ = RaceView{};
  view_.lobbyShown = true;
  view_.helpContext = kHelpContextNetwork;
  timeOver_ = false;
  game_.SetRaceRunning(false);
  game_.SetLocalFinished(false);
  game_.SetNetworkSessionExists(true);

  if (isHost) {
    session_->Status = 1;
    view_.optionsEditable = true;
    view_.kickAndStartAvailable = true;
  } else {
    clsNetworkPlayer self;
    self.IP = localAddress;
    self.Name = playerName;
    Send(session_->HostIp, tag::kNew, self.MakeInfoString());
    session_->Status = 2;
  }
  view_.status = session_->Status;
  RebuildPlayerList();
  tickActive_ = true;
  game_.SetGameOver(false);
  Refresh();
  return true;
}

void clsRaceController::Tick() {
  if (!session_ || !tickActive_) return;
  const std::int64_t now = Now();
  const std::int32_t sinceHeartbeat = WholeSecondsBetween(lastHeartbeat_, now);
  const bool running = game_.RaceRunning();
  const std::string& local = session_->LocalIP;

  if (session_->Host && !running) {
    std::vector<std::string> ignorant;
    for (const clsNetworkPlayer& p : session_->CollClients) {
      if (p.IP != local && !p.KnowsOptions) ignorant.push_back(p.IP);
    }
    for (const std::string& address : ignorant) OfferOptions(address);
  }
  if (timeOver_) {
    SendToOthersWhere(tag::kNeedResult, local,
                      [](const clsNetworkPlayer& p) { return p.Started && !p.IsDead && !p.HasFinished; });
  }
  if (sinceHeartbeat >= kHeartbeatSeconds && running) {
    SendToOthersWhere(tag::kStart, game_.Puzzle().MakeSendString(), [](const clsNetworkPlayer& p) { return !p.Started; });
  }
  bool changed = false;
  if (sinceHeartbeat > kHeartbeatSeconds) {
    lastHeartbeat_ = now;
    SendToOthers(tag::kLiving, local);
    // An introduction lost on joining would leave two players strangers for
    // the whole race: the host introduces everyone, itself included, again
    // with its heartbeat.
    if (session_->Host) IntroduceEveryone();
    // A lost announcement would leave the client connecting for ever.
    if (!session_->Host && session_->Status == 2) {
      clsNetworkPlayer self;
      self.IP = local;
      self.Name = session_->LocalName;
      Send(session_->HostIp, tag::kNew, self.MakeInfoString());
    }
    for (clsNetworkPlayer& p : session_->CollClients) {
      if (p.IP != local && !p.IsDead && WholeSecondsBetween(p.LastLiving, now) > kDeadAfterSeconds) {
        p.IsDead = true;
        changed = true;
      }
    }
  }
  if (running) {
    const std::int32_t elapsed = WholeSecondsBetween(raceStart_, now);
    const bool finished = game_.LocalFinished();
    if (!finished) view_.timeRunning = ClockText(elapsed);
    const std::int32_t remaining = session_->Time - elapsed;
    if (remaining >= 0) {
      if (!finished) view_.points = std::to_string(remaining);
      view_.timeRemaining = ClockText(remaining);
    } else {
      if (!finished) GiveUp(false);
      view_.timeRemaining = "00:00:00";
      timeOver_ = true;
    }
  }
  if (changed && session_) {
    RebuildPlayerList();
    CheckAllFinished();
  }
  Refresh();
}

// ---- Options, readiness, start --------------------------------------------

void clsRaceController::OfferOptions(const std::string& address) {
  if (!session_) return;
  const std::string before = session_->MakeOptString();
  // The fields may hold what the option string cannot carry: held to 0..99,999.
  session_->Time = std::clamp(display_ != nullptr ? display_->OptionTimeSeconds() : session_->Time, 0, kLargestOption);
  if (display_ != nullptr) {
    session_->Penalty = std::clamp(ReadLenientInt32(display_->OptionPenaltyText()), 0, kLargestOption);
  }
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
  Refresh();
}

bool clsRaceController::CheckReadiness() {
  if (!session_) return false;
  int notConnected = 0;
  int notKnowing = 0;
  int ready = 0;
  for (const clsNetworkPlayer& p : session_->CollClients) {
    if (p.IP == session_->LocalIP) continue;
    if (p.IsDead) ++notConnected;
    if (!p.KnowsOptions) ++notKnowing;
    if (!p.IsDead && p.KnowsOptions) ++ready;
  }
  if (ready == 0) {
    asker_.Tell(Text("strMsgNet2Players", "There must be at least two ready players to start a net game"),
                Text("strTitNet2Players", "Not enough players"), MessageIcon::Information);
    return false;
  }
  if (notConnected > 0 || notKnowing > 0) {
    return Ask("strMsgNetNotAll",
               "There are some players who are not connected or don't know the game options. Do you really want "
               "to start the game?",
               "strTitNetNotAll", "Some players not ready");
  }
  return true;
}

void clsRaceController::ClickStart() {
  if (session_ && session_->Host && !game_.RaceRunning() && CheckReadiness()) StartRace();
}

void clsRaceController::StartRace() {
  if (!session_) return;  // the session may have been closed meanwhile
  const std::string puzzle = game_.MakeRacePuzzle();
  OfferOptions("");
  SendToOthers(tag::kStart, puzzle);
  game_.ClearGridForRace();
  StartLocally();
}

void clsRaceController::StartLocally() {
  if (!session_) return;
  game_.SetRaceRunning(true);
  view_.lobbyShown = false;
  view_.raceShown = true;
  raceStart_ = Now();
  view_.closeAvailable = false;
  view_.giveUpAvailable = true;
  if (clsNetworkPlayer* local = session_->LocalPlayer()) local->Started = true;
  RebuildPlayerList();
  Refresh();
}

// ---- Finishing ------------------------------------------------------------

void clsRaceController::LocalSolve() {
  if (!session_ || game_.LocalFinished()) return;
  const std::int32_t elapsed = WholeSecondsBetween(raceStart_, Now());
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
  Refresh();
}

void clsRaceController::GiveUp(bool ask) {
  if (!session_ || !game_.RaceRunning() || game_.LocalFinished()) return;
  if (ask && !Ask("strMsgNetGiveUp", "Do you really want to give up?", "strTitNetGiveUp", "Give up")) return;
  SendToOthers(tag::kGiveUp, GaveUpRecord(session_->LocalIP));
  if (clsNetworkPlayer* local = session_->LocalPlayer()) {
    local->HasFinished = true;
    local->TimeNeeded = 0;
    local->Points = -session_->Penalty;
  }
  game_.ShowSolution(false);
  LocalPlayerFinished();
  view_.points = "-" + std::to_string(session_->Penalty);
  RebuildPlayerList();
  CheckAllFinished();
  Refresh();
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
  // Highest points first; equal points keep the list's order and share a rank.
  std::vector<clsNetworkPlayer*> sorted;
  for (clsNetworkPlayer& p : session_->CollClients) sorted.push_back(&p);
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const clsNetworkPlayer* a, const clsNetworkPlayer* b) { return a->Points > b->Points; });
  view_.results.clear();
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    clsNetworkPlayer& p = *sorted[i];
    const bool tied = i > 0 && p.Points == sorted[i - 1]->Points;
    p.Rang = static_cast<std::int16_t>(tied ? sorted[i - 1]->Rang : static_cast<int>(i) + 1);
    view_.results.push_back({p.Rang, p.Name, p.IP, p.Points, p.TimeNeeded});
  }
  view_.resultsShown = true;
  Refresh();
}

// ---- Leaving ----------------------------------------------------------------

void clsRaceController::Cancel() {
  if (!session_) return;
  if (!Ask("strMsgNetCancel", "Do you really want to cancel this net game?", "strTitNetCancel", "Cancel net game")) {
    return;
  }
  if (session_->Host) {
    SendToOthers(tag::kClose, "");
  } else {
    SendToOthers(tag::kQuit, session_->LocalIP);
  }
  LeaveSession();
  Refresh();
}

void clsRaceController::Exit() {
  if (!session_) return;
  if (!Ask("strMsgExitNet", "Do you really want to quit this net game?", "strTitExitNet", "Exit net game")) return;
  LeaveSession();
  ResetRaceState();
  Refresh();
}

void clsRaceController::CloseResults() {
  view_.resultsShown = false;
  LeaveSession();
  ResetRaceState();
  Refresh();
}

void clsRaceController::CloseRequested() {
  if (!session_) return;
  if (game_.RaceRunning() && !game_.LocalFinished()) {
    GiveUp(true);
  } else if (game_.RaceRunning()) {
    Exit();  // finished: giving up would overwrite the result
  } else {
    Cancel();
  }
}

void clsRaceController::Kick(int row) {
  if (!session_ || !session_->Host || row < 0 || row >= static_cast<int>(session_->CollClients.size())) return;
  const std::string address = session_->CollClients[static_cast<std::size_t>(row)].IP;
  if (address == session_->LocalIP) return;
  if (!Ask("strMsgKickPlayer", "Do you really want to kick this player?", "strTitKickPlayer", "Kick player")) return;
  session_->RemovePlayer(address);
  Send(address, tag::kClose, "");
  RebuildPlayerList();
  Refresh();
}

void clsRaceController::LeaveSession() {
  if (!session_) return;
  SendToOthers(tag::kQuit, session_->LocalIP);
  socket_.Close();
  session_.reset();
  tickActive_ = false;
  view_.lobbyShown = false;
  view_.helpContext = kHelpContextSinglePlayer;
  game_.SetNetworkSessionExists(false);
}

void clsRaceController::ResetRaceState() {
  game_.SetRaceRunning(false);
  game_.SetLocalFinished(false);
  view_.lobbyShown = false;
  view_.raceShown = false;
  view_.helpContext = kHelpContextSinglePlayer;
  view_.closeAvailable = true;
  view_.giveUpAvailable = false;
  view_.exitAvailable = false;
  tickActive_ = false;
}

// ---- Chat and display -------------------------------------------------------

void clsRaceController::SendChat(const std::string& text) {
  if (!session_) return;
  const std::string line = session_->LocalName + ": " + text;
  SendToOthers(tag::kMessage, session_->MakeMsg(line));
  AppendChat(line);
  Refresh();
}

void clsRaceController::AppendChat(const std::string& line) { view_.chat.push_back(line); }

void clsRaceController::ShowOptions() {
  view_.shownTime = session_->Time;
  view_.shownPenalty = session_->Penalty;
  ++view_.shownOptionsVersion;
}

void clsRaceController::RebuildPlayerList() {
  if (!session_) return;
  const bool running = game_.RaceRunning();
  std::vector<PlayerRow>& rows = running ? view_.racePlayers : view_.lobbyPlayers;
  rows.clear();
  const std::string pointsWord = Text("strPoints", "points");
  for (const clsNetworkPlayer& p : session_->CollClients) {
    PlayerRow row{"IP" + p.IP, p.Name, kLobbyIconAlive};
    const bool local = p.IP == session_->LocalIP;
    if (!running) {
      if (!local && p.IsDead) {
        row.icon = kLobbyIconDead;
      } else if (!local && session_->Host && !p.KnowsOptions) {
        row.icon = kLobbyIconNoOptions;
      }
    } else if (p.HasFinished) {
      row.text = p.Name + " (" + std::to_string(p.Points) + " " + pointsWord + ")";
      row.icon = p.TimeNeeded != 0 ? kRaceIconSolved : kRaceIconGaveUp;
    } else if (p.IsDead) {
      row.icon = kRaceIconDead;
    } else if (!p.Started) {
      row.icon = kRaceIconNotStarted;
    } else {
      row.icon = kRaceIconRacing;
    }
    rows.push_back(row);
  }
  view_.status = session_->Status;
}

// ---- Receiving --------------------------------------------------------------

void clsRaceController::Receive(const std::string& datagram) {
  if (!session_) return;
  const std::optional<ReceivedMessage> message = DecodeDatagram(datagram);
  if (!message) return;
  const std::string& t = message->tag;
  const std::string& body = message->body;
  if (t == tag::kNew) OnNew(body);
  else if (t == tag::kOk) OnOk();
  else if (t == tag::kOther) OnOther(body);
  else if (t == tag::kWhoAreYou) OnWhoAreYou(body);
  else if (t == tag::kLiving) OnLiving(body);
  else if (t == tag::kMessage) OnMessage(body);
  else if (t == tag::kOptions) OnOptions(body);
  else if (t == tag::kOptionsOk) OnOptionsOk(body);
  else if (t == tag::kStart) OnStart(body);
  else if (t == tag::kStartConfirmed) OnStartConfirmed(body);
  else if (t == tag::kGiveUp) OnGiveUp(body);
  else if (t == tag::kFinished) OnFinished(body);
  else if (t == tag::kNeedResult) OnNeedResult(body);
  else if (t == tag::kQuit) OnQuit(body);
  else if (t == tag::kClose) {
    LeaveSession();
    ResetRaceState();
  }
  Refresh();
}

void clsRaceController::OnNew(const std::string& body) {
  if (!session_->Host) return;
  clsNetworkPlayer newcomer;
  newcomer.FillFromInfo(body);
  // Added, or already listed from an earlier announcement: either way the
  // newcomer is accepted and introduced.
  session_->AddPlayer(newcomer, Now());
  Send(newcomer.IP, tag::kOk, "");
  std::vector<clsNetworkPlayer> others;
  for (const clsNetworkPlayer& q : session_->CollClients) {
    if (q.IP != newcomer.IP) others.push_back(q);
  }
  for (const clsNetworkPlayer& q : others) {
    if (q.IP != session_->LocalIP) Send(q.IP, tag::kOther, newcomer.MakeInfoString());
    Send(newcomer.IP, tag::kOther, q.MakeInfoString());
  }
  RebuildPlayerList();
}

void clsRaceController::IntroduceEveryone() {
  const std::vector<clsNetworkPlayer> players = session_->CollClients;
  for (const clsNetworkPlayer& to : players) {
    if (to.IP == session_->LocalIP || to.IsDead) continue;
    for (const clsNetworkPlayer& about : players) {
      if (about.IP != to.IP) Send(to.IP, tag::kOther, about.MakeInfoString());
    }
  }
}

void clsRaceController::OnOk() {
  if (session_->Host) return;
  clsNetworkPlayer self;
  self.IP = session_->LocalIP;
  self.Name = session_->LocalName;
  if (session_->AddPlayer(self, Now()) == 0) RebuildPlayerList();
  session_->Status = 3;
  view_.status = 3;
}

void clsRaceController::OnOther(const std::string& body) {
  clsNetworkPlayer player;
  player.FillFromInfo(body);
  if (session_->AddPlayer(player, Now()) == 0) RebuildPlayerList();
}

void clsRaceController::OnWhoAreYou(const std::string& body) {
  if (const clsNetworkPlayer* local = session_->LocalPlayer()) Send(body, tag::kOther, local->MakeInfoString());
}

void clsRaceController::OnLiving(const std::string& body) {
  if (body == session_->LocalIP) return;
  clsNetworkPlayer* player = session_->FindPlayer(body);
  if (player == nullptr) {
    Send(body, tag::kWhoAreYou, session_->LocalIP);
    return;
  }
  player->LastLiving = Now();
  if (player->IsDead) {
    player->IsDead = false;
    RebuildPlayerList();
  }
}

void clsRaceController::OnMessage(const std::string& body) {
  const std::string line = session_->GotMsg(body);
  if (line.empty() || clsNetworkGame::GetMsgIP(body).empty()) return;
  AppendChat(line);
}

void clsRaceController::OnOptions(const std::string& body) {
  if (session_->Host) return;
  session_->GetOptFromString(body);
  ShowOptions();
  Send(session_->HostIp, tag::kOptionsOk, session_->MakeOptString() + session_->LocalIP);
}

void clsRaceController::OnOptionsOk(const std::string& body) {
  if (!session_->Host) return;
  if (body.substr(0, kOptionLength) != session_->MakeOptString()) return;  // a stale echo
  clsNetworkPlayer* player = session_->FindPlayer(body.size() > kOptionLength ? body.substr(kOptionLength) : "");
  if (player == nullptr) return;
  player->KnowsOptions = true;
  RebuildPlayerList();
}

void clsRaceController::OnStart(const std::string& body) {
  if (game_.RaceRunning()) {
    SendToOthers(tag::kStartConfirmed, session_->LocalIP);
    return;
  }
  if (!game_.ReceiveRacePuzzle(body)) return;
  SendToOthers(tag::kStartConfirmed, session_->LocalIP);
  StartLocally();
}

void clsRaceController::OnStartConfirmed(const std::string& body) {
  if (clsNetworkPlayer* player = session_->FindPlayer(body)) {
    player->Started = true;
    RebuildPlayerList();
  }
}

void clsRaceController::OnGiveUp(const std::string& body) {
  if (clsNetworkPlayer* player = session_->FindPlayer(body.size() > kRecordHead ? body.substr(kRecordHead) : "")) {
    player->TimeNeeded = 0;
    player->Points = -session_->Penalty;
    player->HasFinished = true;
    RebuildPlayerList();
  }
  CheckAllFinished();
}

void clsRaceController::OnFinished(const std::string& body) {
  if (clsNetworkPlayer* player = session_->FindPlayer(body.size() > kRecordHead ? body.substr(kRecordHead) : "")) {
    if (!body.empty() && body[0] == 'F') {
      player->Points = FieldValue(body.substr(1, 5));
      player->TimeNeeded = session_->Time - player->Points;
    } else {
      player->Points = -session_->Penalty;
      player->TimeNeeded = session_->Time;
    }
    player->HasFinished = true;
    RebuildPlayerList();
  }
  CheckAllFinished();
}

void clsRaceController::OnNeedResult(const std::string& body) {
  const clsNetworkPlayer* local = session_->LocalPlayer();
  if (local == nullptr || !local->HasFinished) return;
  Send(body, tag::kFinished,
       local->Points < 0 ? GaveUpRecord(session_->LocalIP) : SolvedRecord(local->Points, session_->LocalIP));
}

void clsRaceController::OnQuit(const std::string& body) {
  if (session_->RemovePlayer(body)) RebuildPlayerList();
  // The one still racing may have left: the others need not wait for it.
  if (game_.RaceRunning()) CheckAllFinished();
}

}  // namespace glyph
