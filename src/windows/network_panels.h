// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <array>

#include "net/race_view.h"
#include "session/session_event.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimeEdit;
class QTreeWidget;
class QWidget;

namespace glyph {

class clsCatalogue;
class clsGameSession;
class frmAllSymbols;

// The three panels the main window lays over itself during a network game
// (the lobby, the race and the results) and the buttons Give up and Exit.
// They paint the race's part of the session's view and forward every click
// to the session.
class clsNetworkPanels : public QObject {
  Q_OBJECT

 public:
  // lobbyArea: where the lobby and the results cover the board and grid;
  // raceArea: where the race panel stands beside them.
  clsNetworkPanels(QWidget& window, clsGameSession& session, frmAllSymbols& store, const clsCatalogue& catalogue,
                   QRect lobbyArea, QRect raceArea);

  void RefreshRace(const RaceView& view);

  // Texts set by code, again after the language changed.
  void Retranslate();

 private:
  QWidget* BuildLobby(QRect area);
  QWidget* BuildRace(QRect area);
  QWidget* BuildResults(QRect area);
  void ShowPlayers(QTreeWidget* list, const std::vector<PlayerRow>& rows, bool lobby);
  void ShowStatus(ConnectionStatus status);
  void ShowResults(const std::vector<ResultRow>& results);
  void SendChat();
  void SendOptions();
  void Send(const SessionEvent& event);
  std::string Text(const char* key, const char* defaultText) const;

  QWidget& window_;
  clsGameSession& session_;
  frmAllSymbols& store_;
  const clsCatalogue& catalogue_;

  QWidget* picNetWork_ = nullptr;
  QWidget* picNetGameRunning_ = nullptr;
  QWidget* picResults_ = nullptr;
  QLabel* lblNetStatus_ = nullptr;
  QTreeWidget* lvNetPlayers_ = nullptr;
  QTreeWidget* lvPlayer_ = nullptr;
  QPlainTextEdit* txtNetMsg_ = nullptr;
  QLineEdit* txtNetNewMsg_ = nullptr;
  QPushButton* cmdNetSendMsg_ = nullptr;
  QTimeEdit* dtOptTime_ = nullptr;
  QLineEdit* txtOptPenalty_ = nullptr;
  QPushButton* cmdKickPlayer_ = nullptr;
  QPushButton* cmdNetStart_ = nullptr;
  QLabel* lblNetRunning_ = nullptr;
  QLabel* lblShowNetTimeRun_ = nullptr;
  QLabel* lblShowNetTimeRem_ = nullptr;
  QLabel* lblShowNetPoints_ = nullptr;
  QPushButton* cmdNetGiveUp_ = nullptr;
  QPushButton* cmdExitNet_ = nullptr;
  std::array<QLabel*, 10> lblResult_{};
  std::array<QLabel*, 10> lblResPoints_{};
  std::array<QLabel*, 10> lblResTime_{};
  std::array<QLabel*, 3> imRank_{};

  RaceView shown_;
  std::uint64_t chatShown_ = 0;
  bool firstRefresh_ = true;
  bool settingOptions_ = false;
};

}  // namespace glyph
