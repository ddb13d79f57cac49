// SPDX-License-Identifier: GPL-3.0-or-later
// The race's reactions to every message it receives, and who may send what.
// A datagram is judged by its source address: the host's own messages only
// from the host, a message that names its sender only from that sender,
// the race's messages only from its players, and every answer goes back to
// the source, never to an address read from a body. Only the host starts a
// race: a client believes a start from its host alone, and the host starts
// by its own decision, never on a start it receives. The host's own
// messages count only from the address and port its acceptance came from,
// so that another program on the host's machine cannot speak for it, and a
// client lists only the players its host names.
#include <algorithm>
#include <iterator>

#include "core/cls_clock.h"
#include "net/cls_datagram_socket.h"
#include "net/cls_race_controller.h"
#include "net/ip_address.h"
#include "net/net_protocol.h"
#include "net/race_rules.h"

namespace glyph {

namespace {

constexpr std::size_t kRecordHead = 6;  // "F" or "G" and five digits before the address
constexpr std::size_t kOptionLength = 10;

std::string After(const std::string& body, std::size_t head) { return body.size() > head ? body.substr(head) : ""; }

}  // namespace

void clsRaceController::Receive(const std::string& datagram, const std::string& from, std::uint16_t fromPort) {
  if (datagram.size() > kLongestDatagram) return;  // no message is that long: not even read
  const std::string source = CanonicalIPv4(from);
  if (!session_ || source.empty() || source == session_->LocalIP) return;
  const std::optional<ReceivedMessage> message = DecodeDatagram(datagram);
  if (!message) return;
  const std::string& t = message->tag;
  const std::string& body = message->body;
  const bool atHostAddress = !session_->Host && source == session_->HostIp;
  const bool acceptance = atHostAddress && t == tag::kOk && (hostPort_ == 0 || fromPort == hostPort_);
  const bool fromHost = atHostAddress && hostPort_ != 0 && fromPort == hostPort_;
  const bool fromPlayer = fromHost || session_->FindPlayer(source) != nullptr;
  if (fromHost || acceptance) lastHostSign_ = Now();
  // A body that names its sender must name the source.
  const auto names = [&](std::size_t head) { return CanonicalIPv4(After(body, head)) == source; };

  if (t == tag::kNew) {
    if (session_->Host) OnNew(body, source);
  } else if (t == tag::kOk) {
    if (acceptance) OnOk(fromPort);
  } else if (t == tag::kOther) {
    OnOther(body, source, fromHost);
  } else if (t == tag::kWhoAreYou) {
    if (names(0)) OnWhoAreYou(source);
  } else if (t == tag::kLiving) {
    if (names(0)) OnLiving(source);
  } else if (t == tag::kMessage) {
    if (fromPlayer && CanonicalIPv4(clsNetworkGame::GetMsgIP(body)) == source) OnMessage(body, source);
  } else if (t == tag::kOptions) {
    if (fromHost) OnOptions(body);
  } else if (t == tag::kOptionsOk) {
    if (session_->Host && names(kOptionLength)) OnOptionsOk(body, source);
  } else if (t == tag::kStart) {
    // A running player confirms any player's start offer, as a lost
    // confirmation is made good that way; only the host's starts a race.
    if (fromHost || (fromPlayer && game_.RaceRunning())) OnStart(body);
  } else if (t == tag::kStartConfirmed) {
    if (fromPlayer && names(0)) OnStartConfirmed(source);
  } else if (t == tag::kGiveUp) {
    if (fromPlayer && names(kRecordHead)) OnGiveUp(source);
  } else if (t == tag::kFinished) {
    if (fromPlayer && names(kRecordHead)) OnFinished(body, source);
  } else if (t == tag::kNeedResult) {
    if (fromPlayer && names(0)) OnNeedResult(source);
  } else if (t == tag::kQuit) {
    if (fromPlayer && names(0)) OnQuit(source);
  } else if (t == tag::kClose) {
    if (fromHost) {
      LeaveSession();
      ResetRaceState();
    }
  }
}

void clsRaceController::OnNew(const std::string& body, const std::string& source) {
  clsNetworkPlayer newcomer;
  newcomer.FillFromInfo(body);
  if (CanonicalIPv4(newcomer.IP) != source) return;  // a newcomer announces itself only
  newcomer.IP = source;
  newcomer.Name = PlayerName(newcomer.Name);
  if (session_->FindPlayer(source) != nullptr) {
    AnswerRepeatedNew(source);
    return;
  }
  // Beyond the cap of living players a newcomer is not answered and stays
  // connecting.
  if (LivingPlayers() >= kMostPlayers) return;
  session_->AddPlayer(newcomer, Now());
  Joined(source);
  answeredNew_[source] = Now();
  Send(source, tag::kOk, "");
  const std::string info = newcomer.MakeInfoString();
  for (const clsNetworkPlayer& q : session_->CollClients) {
    if (q.IP == source) continue;
    if (q.IP != session_->LocalIP) Send(q.IP, tag::kOther, info);
    Send(source, tag::kOther, q.MakeInfoString());
  }
  RebuildPlayerList();
}

// A listed player announcing itself again lost its acceptance: it alone
// hears the acceptance and the introductions again, at most once a
// heartbeat period, and nobody else hears of it, so a flood of
// announcements costs the host next to nothing.
void clsRaceController::AnswerRepeatedNew(const std::string& source) {
  const std::int64_t now = Now();
  const auto answered = answeredNew_.find(source);
  if (answered != answeredNew_.end() && now - answered->second < kHeartbeatSeconds * 1000) return;
  if (answeredNew_.size() >= kMostPlayers) {
    std::erase_if(answeredNew_, [&](const auto& entry) { return session_->FindPlayer(entry.first) == nullptr; });
  }
  answeredNew_[source] = now;
  Send(source, tag::kOk, "");
  for (const clsNetworkPlayer& q : session_->CollClients) {
    if (q.IP != source) Send(source, tag::kOther, q.MakeInfoString());
  }
}

void clsRaceController::Joined(const std::string& address) { recentJoiners_[address] = kIntroductionRounds; }

// An introduction lost on joining would leave two players strangers for the
// whole race: for a few heartbeats after someone joined, the host
// introduces the newcomer to everyone and everyone to the newcomer again.
// When nobody joins, a heartbeat costs nothing here.
void clsRaceController::IntroduceRecentJoiners() {
  for (auto joiner = recentJoiners_.begin(); joiner != recentJoiners_.end();) {
    const clsNetworkPlayer* newcomer = session_->FindPlayer(joiner->first);
    if (newcomer == nullptr || newcomer->IsDead) {
      joiner = recentJoiners_.erase(joiner);
      continue;
    }
    const std::string info = newcomer->MakeInfoString();
    for (const clsNetworkPlayer& q : session_->CollClients) {
      if (q.IP == joiner->first) continue;
      if (q.IP != session_->LocalIP && !q.IsDead) Send(q.IP, tag::kOther, info);
      Send(joiner->first, tag::kOther, q.MakeInfoString());
    }
    joiner = --joiner->second > 0 ? std::next(joiner) : recentJoiners_.erase(joiner);
  }
}

void clsRaceController::OnOk(std::uint16_t sourcePort) {
  hostPort_ = sourcePort;
  clsNetworkPlayer self;
  self.IP = session_->LocalIP;
  self.Name = session_->LocalName;
  if (session_->AddPlayer(self, Now()) == 0) RebuildPlayerList();
  session_->Status = ConnectionStatus::Connected;
  view_.status = ConnectionStatus::Connected;
}

// Introductions come from the host; a stranger asked with WAY may introduce
// only itself, and is listed only when the host has named it.
void clsRaceController::OnOther(const std::string& body, const std::string& source, bool fromHost) {
  clsNetworkPlayer player;
  player.FillFromInfo(body);
  player.IP = CanonicalIPv4(player.IP);
  player.Name = PlayerName(player.Name);
  if (player.IP.empty() || player.IP == session_->LocalIP) return;
  if (fromHost && namedByHost_.size() < 4 * kMostPlayers) namedByHost_.insert(player.IP);
  const bool answer = asked_.count(source) > 0 && player.IP == source && namedByHost_.count(source) > 0;
  if (!fromHost && !answer) return;
  if (answer) asked_.erase(source);
  if (session_->FindPlayer(player.IP) == nullptr && LivingPlayers() >= kMostPlayers) return;
  if (session_->AddPlayer(player, Now()) != 0) return;
  if (session_->Host) Joined(player.IP);
  RebuildPlayerList();
}

void clsRaceController::OnWhoAreYou(const std::string& source) {
  if (const clsNetworkPlayer* local = session_->LocalPlayer()) Send(source, tag::kOther, local->MakeInfoString());
}

void clsRaceController::OnLiving(const std::string& source) {
  clsNetworkPlayer* player = session_->FindPlayer(source);
  if (player == nullptr) {
    AskWhoItIs(source);
    return;
  }
  player->LastLiving = Now();
  if (player->IsDead) {
    player->IsDead = false;
    RebuildPlayerList();
  }
}

// A heartbeat from a stranger is answered with WAY, once a heartbeat period
// per address, and only while few strangers are waiting for an answer.
void clsRaceController::AskWhoItIs(const std::string& source) {
  const std::int64_t now = Now();
  const std::int64_t period = kHeartbeatSeconds * 1000;
  const auto asked = asked_.find(source);
  if (asked != asked_.end() && now - asked->second < period) return;
  if (asked == asked_.end() && asked_.size() >= kMostStrangers) {
    std::erase_if(asked_, [&](const auto& entry) { return now - entry.second >= period; });
    if (asked_.size() >= kMostStrangers) return;
  }
  asked_[source] = now;
  Send(source, tag::kWhoAreYou, session_->LocalIP);
}

void clsRaceController::OnMessage(const std::string& body, const std::string&) {
  const std::string line = session_->GotMsg(body);
  if (!line.empty()) AppendChat(line);
}

// Also during a race: a client that started with stale options learns the
// race's time, against which it judges the others' finishes.
void clsRaceController::OnOptions(const std::string& body) {
  session_->GetOptFromString(body);
  ShowOptions();
  Send(session_->HostIp, tag::kOptionsOk, session_->MakeOptString() + session_->LocalIP);
}

void clsRaceController::OnOptionsOk(const std::string& body, const std::string& source) {
  if (body.substr(0, kOptionLength) != session_->MakeOptString()) return;  // a stale echo
  clsNetworkPlayer* player = session_->FindPlayer(source);
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

void clsRaceController::OnStartConfirmed(const std::string& source) {
  if (clsNetworkPlayer* player = session_->FindPlayer(source)) {
    player->Started = true;
    RebuildPlayerList();
  }
}

void clsRaceController::OnGiveUp(const std::string& source) {
  if (clsNetworkPlayer* player = session_->FindPlayer(source)) {
    player->TimeNeeded = 0;
    player->Points = -session_->Penalty;
    player->HasFinished = true;
    RebuildPlayerList();
  }
  CheckAllFinished();
}

void clsRaceController::OnFinished(const std::string& body, const std::string& source) {
  clsNetworkPlayer* player = session_->FindPlayer(source);
  if (player == nullptr) return;
  if (!body.empty() && body[0] == 'F') {
    const std::int32_t points = FieldValue(body.substr(1, 5));
    // More seconds left than the race had: not believed. The time is the
    // host's, which every client is offered until it confirms it.
    if (points > session_->Time) return;
    player->Points = points;
    player->TimeNeeded = session_->Time - points;
  } else {
    player->Points = -session_->Penalty;
    player->TimeNeeded = session_->Time;
  }
  player->HasFinished = true;
  RebuildPlayerList();
  CheckAllFinished();
}

void clsRaceController::OnNeedResult(const std::string& source) {
  const clsNetworkPlayer* local = session_->LocalPlayer();
  if (local == nullptr || !local->HasFinished) return;
  Send(source, tag::kFinished,
       local->Points < 0 ? GaveUpRecord(session_->LocalIP) : SolvedRecord(local->Points, session_->LocalIP));
}

void clsRaceController::OnQuit(const std::string& source) {
  if (session_->RemovePlayer(source)) RebuildPlayerList();
  // The one still racing may have left: the others need not wait for it.
  if (game_.RaceRunning()) CheckAllFinished();
}

std::size_t clsRaceController::LivingPlayers() const {
  return static_cast<std::size_t>(std::count_if(session_->CollClients.begin(), session_->CollClients.end(),
                                                [](const clsNetworkPlayer& p) { return !p.IsDead; }));
}

}  // namespace glyph
