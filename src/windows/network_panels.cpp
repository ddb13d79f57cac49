// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/network_panels.h"

#include <QFont>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimeEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/clock_text.h"
#include "i18n/cls_catalogue.h"
#include "pictures/frm_all_symbols.h"
#include "platform/ansi_text.h"
#include "session/cls_game_session.h"

namespace glyph {

namespace {

constexpr const char* kModule = kMainWindowModule;

struct StatusLook {
  const char* key;
  const char* text;
  QColor colour;
};
const StatusLook kStatusLooks[] = {
    {"strStatusNotConnected", "State: not connected", QColor(0, 0, 0)},
    {"strStatusWaiting", "State: waiting...", QColor(0, 0, 192)},
    {"strStatusConnecting", "State: connecting...", QColor(192, 0, 192)},
    {"strStatusConnected", "State: connected", QColor(0, 192, 0)},
};

// Every label of the panels shows plain text: names and chat come from
// other players.
template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  if (auto* label = qobject_cast<QLabel*>(widget)) label->setTextFormat(Qt::PlainText);
  // A click on a button leaves the keyboard with the grid; Tab still reaches it.
  if (auto* button = qobject_cast<QPushButton*>(widget)) button->setFocusPolicy(Qt::TabFocus);
  return widget;
}

QLabel* Caption(QWidget* parent, const char* name, const char* text) { return Named(new QLabel(text, parent), name); }

// Bold, and larger by a factor, for the captions and figures that matter.
void Emphasise(QWidget* widget, double scale = 1.0) {
  QFont font = widget->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * scale);
  widget->setFont(font);
}

QWidget* Panel(QWidget& window, const char* name, QRect area) {
  auto* panel = Named(new QWidget(&window), name);
  panel->setGeometry(area);
  panel->setAutoFillBackground(true);
  panel->hide();
  return panel;
}

QTreeWidget* PlayerList(QWidget* parent, const char* name) {
  auto* list = Named(new QTreeWidget(parent), name);
  list->setColumnCount(2);
  list->header()->setStretchLastSection(false);
  list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  list->setTextElideMode(Qt::ElideRight);
  list->setRootIsDecorated(false);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setIconSize(QSize(16, 16));
  return list;
}

}  // namespace

clsNetworkPanels::clsNetworkPanels(QWidget& window, clsGameSession& session, frmAllSymbols& store,
                                   const clsCatalogue& catalogue, QRect lobbyArea, QRect raceArea)
    : QObject(&window), window_(window), session_(session), store_(store), catalogue_(catalogue) {
  picNetWork_ = BuildLobby(lobbyArea);
  picNetGameRunning_ = BuildRace(raceArea);
  picResults_ = BuildResults(lobbyArea);
  Retranslate();
}

std::string clsNetworkPanels::Text(const char* key, const char* defaultText) const {
  return catalogue_.GetTranslation(kModule, key, defaultText);
}

QWidget* clsNetworkPanels::BuildLobby(QRect area) {
  QWidget* panel = Panel(window_, "picNetWork", area);
  lblNetStatus_ = Named(new QLabel(panel), "lblNetStatus");
  Emphasise(lblNetStatus_);

  lvNetPlayers_ = PlayerList(panel, "lvNetPlayers");
  cmdKickPlayer_ = Named(new QPushButton("&Kick selected player", panel), "cmdKickPlayer");
  connect(cmdKickPlayer_, &QPushButton::clicked, this, [this] {
    QTreeWidgetItem* item = lvNetPlayers_->currentItem();
    Send(SessionEvent::Of(SessionEvent::Kind::Kick, item == nullptr ? -1 : lvNetPlayers_->indexOfTopLevelItem(item)));
  });

  txtNetMsg_ = Named(new QPlainTextEdit(panel), "txtNetMsg");
  txtNetMsg_->setReadOnly(true);
  txtNetMsg_->setMaximumBlockCount(static_cast<int>(clsRaceController::kChatLines));
  txtNetNewMsg_ = Named(new QLineEdit(panel), "txtNetNewMsg");
  cmdNetSendMsg_ = Named(new QPushButton("Sen&d", panel), "cmdNetSendMsg");
  auto* lblNetNewMsg = Caption(panel, "lblNetNewMsg", "M&essage:");
  lblNetNewMsg->setBuddy(txtNetNewMsg_);
  // Typing a line makes Send the button that Enter presses.
  connect(txtNetNewMsg_, &QLineEdit::textEdited, this, [this] { cmdNetSendMsg_->setDefault(true); });
  // Enter sends only a line edited since the last send.
  connect(txtNetNewMsg_, &QLineEdit::returnPressed, this, [this] {
    if (cmdNetSendMsg_->isDefault()) SendChat();
  });
  connect(cmdNetSendMsg_, &QPushButton::clicked, this, &clsNetworkPanels::SendChat);

  auto* fraOptions = Named(new QGroupBox("Options", panel), "fraOptions");
  dtOptTime_ = Named(new QTimeEdit(QTime(0, 30, 0), fraOptions), "dtOptTime");
  dtOptTime_->setDisplayFormat("HH:mm:ss");
  txtOptPenalty_ = Named(new QLineEdit(kDefaultPenalty, fraOptions), "txtOptPenalty");
  auto* lblOptTime = Caption(fraOptions, "lblOptTime", "T&ime:");
  lblOptTime->setBuddy(dtOptTime_);
  auto* lblOptPenalty = Caption(fraOptions, "lblOptPenalty", "Penalt&y points:");
  lblOptPenalty->setBuddy(txtOptPenalty_);
  auto* lblOptNote = Caption(fraOptions, "lblOptNote",
                             "Penalty points are subtracted if the player gives up or doesn't finish in time.");
  lblOptNote->setWordWrap(true);
  connect(dtOptTime_, &QTimeEdit::timeChanged, this, [this] {
    if (!settingOptions_) SendOptions();
  });
  connect(txtOptPenalty_, &QLineEdit::textEdited, this, [this] {
    if (!settingOptions_) SendOptions();
  });
  auto* options = new QGridLayout(fraOptions);
  options->addWidget(lblOptTime, 0, 0);
  options->addWidget(dtOptTime_, 0, 1);
  options->addWidget(lblOptPenalty, 0, 2);
  options->addWidget(txtOptPenalty_, 0, 3);
  options->addWidget(lblOptNote, 1, 0, 1, 4);

  cmdNetStart_ = Named(new QPushButton("Sta&rt net game", panel), "cmdNetStart");
  auto* cmdNetCancel = Named(new QPushButton("Cancel net &game", panel), "cmdNetCancel");
  connect(cmdNetStart_, &QPushButton::clicked, this, [this] { Send(SessionEvent::Button(Command::NetStart)); });
  connect(cmdNetCancel, &QPushButton::clicked, this, [this] { Send(SessionEvent::Button(Command::NetCancel)); });

  auto* players = new QHBoxLayout;
  players->addWidget(lvNetPlayers_, 1);
  auto* side = new QVBoxLayout;
  side->addWidget(cmdKickPlayer_);
  side->addStretch();
  players->addLayout(side);
  auto* input = new QHBoxLayout;
  input->addWidget(lblNetNewMsg);
  input->addWidget(txtNetNewMsg_, 1);
  input->addWidget(cmdNetSendMsg_);
  auto* start = new QHBoxLayout;
  start->addWidget(cmdNetStart_);
  start->addWidget(cmdNetCancel);
  auto* layout = new QVBoxLayout(panel);
  layout->addWidget(lblNetStatus_);
  layout->addLayout(players, 3);
  layout->addWidget(txtNetMsg_, 3);
  layout->addLayout(input);
  layout->addWidget(fraOptions);
  layout->addLayout(start);
  return panel;
}

QWidget* clsNetworkPanels::BuildRace(QRect area) {
  QWidget* panel = Panel(window_, "picNetGameRunning", area);
  auto* running = Caption(panel, "lblNetRunning", "Net game running...");
  Emphasise(running);
  lblNetRunning_ = running;
  lblShowNetTimeRun_ = Named(new QLabel("0:00", panel), "lblShowNetTimeRun");
  lblShowNetTimeRem_ = Named(new QLabel("0:00", panel), "lblShowNetTimeRem");
  lblShowNetPoints_ = Named(new QLabel(panel), "lblShowNetPoints");
  Emphasise(lblShowNetPoints_, 1.6);
  Emphasise(lblShowNetTimeRem_);
  lvPlayer_ = PlayerList(panel, "lvPlayer");
  cmdNetGiveUp_ = Named(new QPushButton("&Give up", panel), "cmdNetGiveUp");
  cmdExitNet_ = Named(new QPushButton("E&xit net game", panel), "cmdExitNet");
  cmdNetGiveUp_->setEnabled(false);
  cmdExitNet_->setEnabled(false);
  connect(cmdNetGiveUp_, &QPushButton::clicked, this, [this] { Send(SessionEvent::Button(Command::NetGiveUp)); });
  connect(cmdExitNet_, &QPushButton::clicked, this, [this] { Send(SessionEvent::Button(Command::NetExit)); });

  // The column is narrow: a caption that does not fit puts its value below it.
  auto* clocks = new QFormLayout;
  clocks->setRowWrapPolicy(QFormLayout::WrapLongRows);
  clocks->setLabelAlignment(Qt::AlignLeft);
  clocks->addRow(Caption(panel, "lblNetTimeRun", "Time running:"), lblShowNetTimeRun_);
  clocks->addRow(Caption(panel, "lblNetTimeRem", "Time remaining:"), lblShowNetTimeRem_);
  clocks->addRow(Caption(panel, "lblNetPoints", "Points:"), lblShowNetPoints_);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(running);
  layout->addLayout(clocks);
  layout->addWidget(lvPlayer_, 1);
  layout->addWidget(cmdNetGiveUp_);
  layout->addWidget(cmdExitNet_);
  return panel;
}

QWidget* clsNetworkPanels::BuildResults(QRect area) {
  QWidget* panel = Panel(window_, "picResults", area);
  auto* title = Caption(panel, "lblResultsTitle", "Results");
  Emphasise(title, 1.5);
  auto* rows = new QGridLayout;
  rows->setColumnStretch(1, 1);
  for (int i = 0; i < 10; ++i) {
    const auto row = static_cast<std::size_t>(i);
    lblResult_[row] = Named(new QLabel(panel), "lblResult");
    lblResult_[row]->setProperty("index", i);
    lblResPoints_[row] = Named(new QLabel(panel), "lblResPoints");
    lblResPoints_[row]->setProperty("index", i);
    lblResPoints_[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (i < 3) {
      imRank_[row] = Named(new QLabel(panel), "imRank");
      imRank_[row]->setProperty("index", i);
      imRank_[row]->setFixedSize(28, 28);
      rows->addWidget(imRank_[row], i, 0);
    }
    lblResTime_[row] = Named(new QLabel(panel), "lblResTime");
    lblResTime_[row]->setProperty("index", i);
    lblResTime_[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rows->addWidget(lblResult_[row], i, 1);
    rows->addWidget(lblResPoints_[row], i, 2);
    rows->addWidget(lblResTime_[row], i, 3);
  }
  auto* close = Named(new QPushButton("Close &results", panel), "cmdNetCloseResults");
  connect(close, &QPushButton::clicked, this, [this] { Send(SessionEvent::Button(Command::CloseResults)); });
  auto* layout = new QVBoxLayout(panel);
  layout->addWidget(title);
  layout->addLayout(rows);
  layout->addStretch();
  layout->addWidget(close);
  return panel;
}

void clsNetworkPanels::Retranslate() {
  const QString player = FromAnsi(catalogue_.GetTranslation(kModule, "lvNetPlayersCH1", "Player"));
  // The race list's second column holds a finished player's points.
  lvNetPlayers_->setHeaderLabels({player, QString()});
  lvPlayer_->setHeaderLabels({FromAnsi(catalogue_.GetTranslation(kModule, "lvPlayerCH1", "Player")),
                              FromAnsi(catalogue_.GetTranslation(kModule, "lvPlayerCH2", "Points"))});
  if (!firstRefresh_) ShowStatus(shown_.status);
}

void clsNetworkPanels::SendChat() {
  cmdNetSendMsg_->setDefault(false);
  const std::string text = ToAnsi(txtNetNewMsg_->text());
  txtNetNewMsg_->clear();
  Send(SessionEvent::Of(SessionEvent::Kind::Chat, 0, text));
}

void clsNetworkPanels::SendOptions() {
  Send(SessionEvent::Of(SessionEvent::Kind::RaceOptions, dtOptTime_->time().msecsSinceStartOfDay() / 1000,
                        ToAnsi(txtOptPenalty_->text())));
}

void clsNetworkPanels::Send(const SessionEvent& event) { session_.Handle(event); }

void clsNetworkPanels::ShowStatus(ConnectionStatus status) {
  const StatusLook& look = kStatusLooks[static_cast<std::size_t>(status)];
  lblNetStatus_->setText(FromAnsi(Text(look.key, look.text)));
  QPalette palette = lblNetStatus_->palette();
  palette.setColor(QPalette::WindowText, look.colour);
  lblNetStatus_->setPalette(palette);
}

// Rows are changed in place, so that a list of many players stays smooth
// while a few of them change.
void clsNetworkPanels::ShowPlayers(QTreeWidget* list, const std::vector<PlayerRow>& rows, bool lobby) {
  while (list->topLevelItemCount() > static_cast<int>(rows.size()))
    delete list->takeTopLevelItem(list->topLevelItemCount() - 1);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const PlayerRow& row = rows[i];
    QTreeWidgetItem* item = list->topLevelItem(static_cast<int>(i));
    if (item == nullptr) item = new QTreeWidgetItem(list);
    const QString key = QString::fromStdString(row.key);
    if (item->data(0, Qt::UserRole).toString() == key && item->toolTip(0) == FromAnsi(row.text) &&
        item->data(0, Qt::UserRole + 1).toInt() == row.icon) {
      continue;
    }
    // The name takes what room is left by the points, cut short if it must;
    // the whole row is its tool tip and what a reader hears.
    item->setText(0, FromAnsi(row.name));
    item->setText(1, FromAnsi(row.points));
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    item->setToolTip(0, FromAnsi(row.text));
    item->setData(0, Qt::AccessibleTextRole, FromAnsi(row.text));
    item->setData(0, Qt::UserRole, key);
    item->setData(0, Qt::UserRole + 1, row.icon);
    const QString path = QString(":/assets/icons/%1%2.svg").arg(lobby ? "lobby" : "race").arg(row.icon);
    item->setIcon(0, QIcon(store_.Render(path, QSize(16, 16), list->devicePixelRatioF())));
  }
}

void clsNetworkPanels::ShowResults(const std::vector<ResultRow>& results) {
  const std::string pointsWord = Text("strPoints", "points");
  const char* const medals[3] = {"medal_gold", "medal_silver", "medal_bronze"};
  for (std::size_t i = 0; i < 10; ++i) {
    const bool filled = i < results.size();
    lblResult_[i]->setText(filled ? FromAnsi(std::to_string(results[i].rank) + ". " + results[i].name) : QString());
    lblResPoints_[i]->setText(filled ? FromAnsi(std::to_string(results[i].points) + " " + pointsWord) : QString());
    // The time each player needed; a player who gave up or ran out has none.
    const bool solved = filled && results[i].timeNeeded > 0;
    lblResTime_[i]->setText(solved   ? QString::fromStdString(PlayTimeText(std::chrono::seconds(results[i].timeNeeded)))
                            : filled ? QString::fromUtf8("\u2013")
                                     : QString());
    if (i >= 3) continue;
    const int rank = filled ? results[i].rank : 0;
    if (rank >= 1 && rank <= 3) {
      const QString path = QString(":/assets/icons/%1.svg").arg(medals[rank - 1]);
      imRank_[i]->setPixmap(store_.Render(path, imRank_[i]->size(), imRank_[i]->devicePixelRatioF()));
      imRank_[i]->setProperty("medal", medals[rank - 1]);
      imRank_[i]->show();
    } else {
      imRank_[i]->hide();
      imRank_[i]->setProperty("medal", QString());
    }
  }
}

void clsNetworkPanels::RefreshRace(const RaceView& view) {
  const bool first = firstRefresh_;
  firstRefresh_ = false;
  if (first || view.status != shown_.status) ShowStatus(view.status);
  if (first || view.lobbyPlayers != shown_.lobbyPlayers) ShowPlayers(lvNetPlayers_, view.lobbyPlayers, true);
  if (first || view.racePlayers != shown_.racePlayers) ShowPlayers(lvPlayer_, view.racePlayers, false);

  // A new session starts with an empty chat; otherwise lines are only added.
  if (view.chat.added < chatShown_ || view.chat.added - chatShown_ > view.chat.lines->size()) txtNetMsg_->clear();
  for (const std::string& line : view.chat.Since(chatShown_)) txtNetMsg_->appendPlainText(FromAnsi(line));
  chatShown_ = view.chat.added;
  txtNetMsg_->verticalScrollBar()->setValue(txtNetMsg_->verticalScrollBar()->maximum());

  if (view.shownOptionsVersion != shown_.shownOptionsVersion) {
    settingOptions_ = true;
    dtOptTime_->setTime(QTime(0, 0).addSecs(view.shownTime));
    txtOptPenalty_->setText(FromAnsi(view.shownPenalty));
    settingOptions_ = false;
  }
  dtOptTime_->setEnabled(view.optionsEditable);
  txtOptPenalty_->setEnabled(view.optionsEditable);
  cmdKickPlayer_->setEnabled(view.kickAndStartAvailable);
  cmdNetStart_->setEnabled(view.kickAndStartAvailable);

  lblShowNetTimeRun_->setText(QString::fromStdString(view.timeRunning));
  lblShowNetTimeRem_->setText(QString::fromStdString(view.timeRemaining));
  lblShowNetPoints_->setText(QString::fromStdString(view.points));
  cmdNetGiveUp_->setEnabled(view.giveUpAvailable);
  cmdExitNet_->setEnabled(view.exitAvailable);
  if (view.resultsShown && (!shown_.resultsShown || view.results != shown_.results)) ShowResults(view.results);

  picNetWork_->setVisible(view.lobbyShown);
  picNetGameRunning_->setVisible(view.raceShown);
  // Once the results show, the race is no longer running.
  lblNetRunning_->setText(
      FromAnsi(view.resultsShown ? Text("strNetOver", "Net game over") : Text("lblNetRunning", "Net game running...")));
  picResults_->setVisible(view.resultsShown);
  for (QWidget* panel : {picNetWork_, picNetGameRunning_, picResults_}) {
    if (panel->isVisible()) panel->raise();
  }
  shown_ = view;
}

}  // namespace glyph
