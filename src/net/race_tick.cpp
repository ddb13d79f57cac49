// SPDX-License-Identifier: GPL-3.0-or-later
// The race's 500 ms tick: options to players who lack them, heartbeats,
// the dead, a silent host, the clocks, and results that never came.
#include "net/cls_race_controller.h"

#include "core/clock_text.h"
#include "core/cls_asker.h"
#include "core/cls_clock.h"
#include "net/cls_datagram_socket.h"
#include "net/net_protocol.h"
#include "net/race_rules.h"

namespace glyph {

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
  if (session_->Host && running) OfferOptionsDuringRace();
  if (timeOver_) {
    RequestMissingResults(now);
    if (!session_ || !tickActive_) return;
  }
  if (sinceHeartbeat >= kHeartbeatSeconds && running) {
    SendToOthersWhere(tag::kStart, game_.PuzzleText(), [](const clsNetworkPlayer& p) { return !p.Started; });
  }
  bool changed = false;
  if (sinceHeartbeat > kHeartbeatSeconds) {
    lastHeartbeat_ = now;
    SendToOthers(tag::kLiving, local);
    if (session_->Host) IntroduceRecentJoiners();
    // A lost announcement would leave the client connecting for ever.
    if (!session_->Host && session_->Status == ConnectionStatus::Connecting) {
      clsNetworkPlayer self;
      self.IP = local;
      self.Name = session_->LocalName;
      Send(session_->HostIp, tag::kNew, self.MakeInfoString());
    }
    if (session_->Host && !running) ForgetSilentJoiners(now);
    for (clsNetworkPlayer& p : session_->CollClients) {
      if (p.IP != local && !p.IsDead && WholeSecondsBetween(p.LastLiving, now) > kDeadAfterSeconds) {
        p.IsDead = true;
        changed = true;
      }
    }
    if (HostSilent(now)) {
      HostLeft();
      return;
    }
  }
  if (running) {
    const std::int32_t elapsed = WholeSecondsBetween(raceStart_, now);
    const bool finished = game_.LocalFinished();
    if (!finished) ShowClocks(elapsed);
    const std::int32_t remaining = session_->Time - elapsed;
    if (remaining >= 0) {
      if (!finished) view_.points = std::to_string(remaining);
    } else {
      if (!finished) GiveUpNow();
      if (!timeOver_) timeOverAt_ = now;
      timeOver_ = true;
    }
  }
  if (changed && session_) {
    RebuildPlayerList();
    CheckAllFinished();
  }
}

// The time run and the time left, in the game's m:ss: together always the
// race's time. A finished player's clocks stand at its finish.
void clsRaceController::ShowClocks(std::int32_t elapsed) {
  const std::int32_t shown = std::clamp(elapsed, 0, session_->Time);
  view_.timeRunning = PlayTimeText(std::chrono::seconds(shown));
  view_.timeRemaining = PlayTimeText(std::chrono::seconds(session_->Time - shown));
}

// A client that started with stale options, its offer lost, would judge the
// others' finishes by the wrong time: the race's options go on being
// offered, unchanged, to every player that has not confirmed them.
void clsRaceController::OfferOptionsDuringRace() {
  const std::string options = session_->MakeOptString();
  SendToOthersWhere(tag::kOptions, options, [](const clsNetworkPlayer& p) { return !p.KnowsOptions && !p.IsDead; });
}

// After the race's time the missing results are asked for every tick; two
// heartbeat periods later a player still without one, one that never
// answers or never started included, counts as given up, so that nobody
// can hold the results back.
void clsRaceController::RequestMissingResults(std::int64_t now) {
  const std::string& local = session_->LocalIP;
  if (now - timeOverAt_ <= kResultRequestHeartbeats * kHeartbeatSeconds * 1000) {
    SendToOthersWhere(tag::kNeedResult, local,
                      [](const clsNetworkPlayer& p) { return p.Started && !p.IsDead && !p.HasFinished; });
    return;
  }
  bool changed = false;
  for (clsNetworkPlayer& p : session_->CollClients) {
    if (p.HasFinished) continue;
    p.HasFinished = true;
    p.TimeNeeded = 0;
    p.Points = -session_->Penalty;
    changed = true;
  }
  if (!changed) return;
  RebuildPlayerList();
  CheckAllFinished();
}

// In the lobby a player silent for the dead limit leaves the list as one
// that quit, and frees its place: joiners that fall silent cannot fill the
// lobby. During a race a silent player stays, marked not connected.
void clsRaceController::ForgetSilentJoiners(std::int64_t now) {
  std::vector<std::string> silent;
  for (const clsNetworkPlayer& p : session_->CollClients) {
    if (p.IP != session_->LocalIP && WholeSecondsBetween(p.LastLiving, now) > kDeadAfterSeconds) {
      silent.push_back(p.IP);
    }
  }
  for (const std::string& address : silent) session_->RemovePlayer(address);
  if (!silent.empty()) RebuildPlayerList();
}

// In the lobby a client whose host has said nothing for the dead limit is
// left: the host quit without a word, or can no longer be reached. During
// a race a silent host is one more player marked not connected, and the
// race goes on without it.
bool clsRaceController::HostSilent(std::int64_t now) const {
  return !session_->Host && !game_.RaceRunning() && WholeSecondsBetween(lastHostSign_, now) > kDeadAfterSeconds;
}

void clsRaceController::HostLeft() {
  LeaveSession();
  ResetRaceState();
  asker_.Tell(Text("strMsgNetHostLeft", "The host has left the network game or can no longer be reached."),
              Text("strTitNetHostLeft", "Network game"), MessageIcon::Information);
}

}  // namespace glyph
