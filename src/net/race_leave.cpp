// SPDX-License-Identifier: GPL-3.0-or-later
// Leaving a race: cancelling a lobby, exiting, giving way to the window's
// close, kicking a player, and the program's end.
#include "net/cls_race_controller.h"

#include "net/cls_datagram_socket.h"
#include "net/net_protocol.h"

namespace glyph {

void clsRaceController::Cancel() {
  if (!session_) return;
  Ask(
      "strMsgNetCancel", "Do you really want to cancel this net game?", "strTitNetCancel", "Cancel net game",
      [this] { CancelNow(); }, [this] { return InLobby(); });
}

void clsRaceController::CancelNow() {
  if (!session_) return;
  if (session_->Host) {
    SendToOthers(tag::kClose, "");
  } else {
    SendToOthers(tag::kQuit, session_->LocalIP);
  }
  LeaveSession();
}

void clsRaceController::Exit() {
  if (!session_) return;
  Ask(
      "strMsgExitNet", "Do you really want to quit this net game?", "strTitExitNet", "Exit net game",
      [this] {
        LeaveSession();
        ResetRaceState();
      },
      [this] { return session_ != nullptr; });
}

// The program ends: the race is left as Quit game leaves it, without a
// question, so that the others hear of it.
void clsRaceController::LeaveNow() {
  if (!session_) return;
  if (Racing()) GiveUpNow();
  if (!game_.RaceRunning()) {
    CancelNow();
  } else {
    LeaveSession();
  }
  ResetRaceState();
}

void clsRaceController::CloseResults() {
  view_.resultsShown = false;
  LeaveSession();
  ResetRaceState();
}

void clsRaceController::CloseRequested() {
  if (!session_) return;
  if (Racing()) {
    GiveUp();
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
  const auto listed = [this, address] { return InLobby() && session_->FindPlayer(address) != nullptr; };
  Ask(
      "strMsgKickPlayer", "Do you really want to kick this player?", "strTitKickPlayer", "Kick player",
      [this, address, listed] {
        if (!listed()) return;
        session_->RemovePlayer(address);
        Send(address, tag::kClose, "");
        RebuildPlayerList();
      },
      listed);
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

}  // namespace glyph
