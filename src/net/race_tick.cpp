// The race's 500 ms tick: options to players who lack them, heartbeats,
// the dead, and the clocks.
#include "net/cls_race_controller.h"

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
  if (timeOver_) {
    SendToOthersWhere(tag::kNeedResult, local,
                      [](const clsNetworkPlayer& p) { return p.Started && !p.IsDead && !p.HasFinished; });
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
}

}  // namespace glyph
