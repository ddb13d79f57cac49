// The race's reactions to every message it receives.
#include "net/cls_race_controller.h"

#include "core/cls_clock.h"
#include "net/cls_datagram_socket.h"
#include "net/net_protocol.h"
#include "net/race_rules.h"

namespace glyph {

namespace {

constexpr std::size_t kRecordHead = 6;  // "F" or "G" and five digits before the address
constexpr std::size_t kOptionLength = 10;

}  // namespace

void clsRaceController::Receive(const std::string& datagram) {
  if (!session_) return;
  const std::optional<ReceivedMessage> message = DecodeDatagram(datagram);
  if (!message) return;
  const std::string& t = message->tag;
  const std::string& body = message->body;
  if (t == tag::kNew)
    OnNew(body);
  else if (t == tag::kOk)
    OnOk();
  else if (t == tag::kOther)
    OnOther(body);
  else if (t == tag::kWhoAreYou)
    OnWhoAreYou(body);
  else if (t == tag::kLiving)
    OnLiving(body);
  else if (t == tag::kMessage)
    OnMessage(body);
  else if (t == tag::kOptions)
    OnOptions(body);
  else if (t == tag::kOptionsOk)
    OnOptionsOk(body);
  else if (t == tag::kStart)
    OnStart(body);
  else if (t == tag::kStartConfirmed)
    OnStartConfirmed(body);
  else if (t == tag::kGiveUp)
    OnGiveUp(body);
  else if (t == tag::kFinished)
    OnFinished(body);
  else if (t == tag::kNeedResult)
    OnNeedResult(body);
  else if (t == tag::kQuit)
    OnQuit(body);
  else if (t == tag::kClose) {
    LeaveSession();
    ResetRaceState();
  }
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
