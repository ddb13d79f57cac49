// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/race_rules.h"

#include <algorithm>
#include <cstdio>

namespace glyph {

Readiness CountReadiness(const clsNetworkGame& session) {
  Readiness count;
  for (const clsNetworkPlayer& p : session.CollClients) {
    if (p.IP == session.LocalIP) continue;
    ++count.others;
    if (p.IsDead) ++count.notConnected;
    if (!p.KnowsOptions) ++count.notKnowing;
    if (!p.IsDead && p.KnowsOptions) ++count.ready;
  }
  return count;
}

std::vector<ResultRow> RankPlayers(std::vector<clsNetworkPlayer>& players) {
  std::vector<clsNetworkPlayer*> sorted;
  for (clsNetworkPlayer& p : players) sorted.push_back(&p);
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const clsNetworkPlayer* a, const clsNetworkPlayer* b) { return a->Points > b->Points; });
  std::vector<ResultRow> results;
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    clsNetworkPlayer& p = *sorted[i];
    const bool tied = i > 0 && p.Points == sorted[i - 1]->Points;
    p.Rang = static_cast<std::int16_t>(tied ? sorted[i - 1]->Rang : static_cast<int>(i) + 1);
    results.push_back({p.Rang, p.Name, p.IP, p.Points, p.TimeNeeded});
  }
  return results;
}

std::vector<PlayerRow> PlayerRows(const clsNetworkGame& session, bool running, const std::string& pointsWord) {
  std::vector<PlayerRow> rows;
  for (const clsNetworkPlayer& p : session.CollClients) {
    PlayerRow row{"IP" + p.IP, p.Name, kLobbyIconAlive, p.Name};
    const bool local = p.IP == session.LocalIP;
    if (!running) {
      if (!local && p.IsDead) {
        row.icon = kLobbyIconDead;
      } else if (!local && session.Host && !p.KnowsOptions) {
        row.icon = kLobbyIconNoOptions;
      }
    } else if (p.HasFinished) {
      row.points = std::to_string(p.Points);
      row.text = p.Name + " (" + row.points + " " + pointsWord + ")";
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
  return rows;
}

}  // namespace glyph
