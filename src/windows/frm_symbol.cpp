// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/frm_symbol.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <map>

#include "i18n/cls_catalogue.h"
#include "pictures/frm_all_symbols.h"
#include "platform/ansi_text.h"
#include "platform/desktop_services.h"
#include "platform/qt_translations.h"
#include "session/accessible_texts.h"
#include "storage/settings_table.h"
#include "windows/dialog_host.h"
#include "windows/frm_symbol_design.h"
#include "windows/grid_panel.h"
#include "windows/network_panels.h"
#include "windows/note_view.h"
#include "windows/pause_cover.h"
#include "windows/picture_cell.h"

namespace glyph {

using namespace design;

frmSymbol::frmSymbol(const SessionServices& services, QWidget* parent)
    : QWidget(parent), services_(services), session_(services) {
  setObjectName(kMainWindowModule);  // the module TranslateForm looks up
  setWindowTitle(clsGameSession::kTitle);
  BuildBoard();
  BuildGrid();
  BuildButtons();
  const int homepageBottom = findChild<QPushButton*>("lblHomepage")->geometry().bottom();
  const QSize designSize(kButtonLeft + kButtonWidth + 12,
                         std::max(kGridPanel.bottom() + 1 + Px(45) + kStatusHeight + kNoteHeight, homepageBottom + 6));
  BuildStatus();
  BuildNote(designSize.height());
  BuildPauseCover();
  designBoardSide_ = QRect(0, 0, kGridPanel.right() + Px(45), designSize.height());
  designRaceColumn_ = QRect(kButtonLeft, kPuzzlePanel.top(), kButtonWidth,
                            findChild<QPushButton*>("cmdClose")->geometry().top() - 8 - kPuzzlePanel.top());
  RememberDesign(findChildren<QWidget*>());
  // The designed size is the first, unless the screen is smaller: then the
  // whole window shrinks to fit it. The player may make it smaller still,
  // down to a narrow column beside another window; the board and grid grow
  // with a larger one, and the window comes back where the player left it.
  designSize_ = designSize;
  const QSize room = RoomOnScreen();
  const double fit =
      std::min({1.0, double(room.width()) / designSize.width(), double(room.height()) / designSize.height()});
  const QSize fitting(int(designSize.width() * fit), int(designSize.height() * fit));
  setMinimumSize(fitting.boundedTo(kSmallestWindow));
  resize(fitting);
  restoreGeometry(
      QByteArray::fromBase64(QByteArray::fromStdString(ReadSetting(services_.settings, Setting::WindowGeometry))));
  dialogs_ = new clsDialogHost(*this, session_, services_, [this](const SessionEvent& event) { Send(event); });
  networkTimer_ = new QTimer(this);
  networkTimer_->setInterval(clsRaceController::kTickMilliseconds);
  connect(networkTimer_, &QTimer::timeout, this, [this] { Send(SessionEvent::Of(SessionEvent::Kind::Tick)); });
  networkTimer_->start();
  BuildShortcuts();
  // The desktop session ending ends the program as a signal does.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { Quit(); });

  startUpTimer_ = new QTimer(this);
  startUpTimer_->setSingleShot(true);
  startUpTimer_->setInterval(500);
  connect(startUpTimer_, &QTimer::timeout, this, [this] { Send(SessionEvent::Of(SessionEvent::Kind::StartUpTimer)); });
  ApplyTexts();
  session_.SetDisplay(this);
}

frmSymbol::~frmSymbol() { session_.SetDisplay(nullptr); }

void frmSymbol::Send(const SessionEvent& event) { session_.Handle(event); }

void frmSymbol::StartUp(const std::vector<std::string>& arguments) {
  session_.StartUp(arguments);
  startUpTimer_->start();
}

// The window's own close control asks the session, which may refuse (a
// network game) or say that the program ends.
void frmSymbol::closeEvent(QCloseEvent* event) {
  if (!closing_) Send(SessionEvent::Of(SessionEvent::Kind::WindowClose));
  if (closing_ || session_.View().quit) {
    KeepPlace();
    event->accept();
  } else {
    event->ignore();
  }
}

void frmSymbol::KeepPlace() {
  WriteSetting(services_.settings, Setting::WindowGeometry, saveGeometry().toBase64().toStdString());
}

void frmSymbol::Quit() {
  KeepPlace();
  Send(SessionEvent::Of(SessionEvent::Kind::Quitting));
}

// A minimised window stops the game's clock.
void frmSymbol::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) {
    Send(SessionEvent::Of(SessionEvent::Kind::Minimised, isMinimized() ? 1 : 0));
  }
}

// The grid's keys, while the grid has the keyboard focus; the cursor's
// frame shows only then.
bool frmSymbol::eventFilter(QObject* watched, QEvent* event) {
  if (watched != picture1_) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
    ShowCursor();
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
  static const std::map<int, int> kKeys{
      {Qt::Key_Up, kGridKeyUp},       {Qt::Key_Down, kGridKeyDown},    {Qt::Key_Left, kGridKeyLeft},
      {Qt::Key_Right, kGridKeyRight}, {Qt::Key_Home, kGridKeyHome},    {Qt::Key_End, kGridKeyEnd},
      {Qt::Key_Space, kGridKeySpace}, {Qt::Key_Return, kGridKeyEnter}, {Qt::Key_Enter, kGridKeyEnter}};
  int gridKey = -1;
  if (const auto found = kKeys.find(key->key()); found != kKeys.end()) gridKey = found->second;
  if (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9) gridKey = kGridKeyDigit + key->key() - Qt::Key_0;
  if (gridKey < 0) return false;
  Send(SessionEvent::Of(SessionEvent::Kind::GridKey, gridKey));
  return true;
}

// The dark colours, or the light ones: the pictures are drawn again, and
// grid, rule, note and the code and clock line take the ground.
void frmSymbol::ShowColours(bool dark) {
  store_.SetDark(dark);
  UseDarkApplicationColours(dark);
  const QPalette own = QApplication::palette();
  QPalette grid = picture1_->palette();
  grid.setColor(QPalette::Window, dark ? ToQColor(kDarkBackColor) : QColor(Qt::white));
  picture1_->setPalette(grid);
  QPalette rule = findChild<QFrame*>("Line1")->palette();
  rule.setColor(QPalette::Window, ToQColor(dark ? kDarkRuleColor : kRuleColor));
  findChild<QFrame*>("Line1")->setPalette(rule);
  const std::array<QWidget*, 4> texts{note_, lblCode_, lblClock_, cover_};
  for (QWidget* text : texts) {
    QPalette palette = own;
    if (dark) {
      palette.setColor(QPalette::Window, ToQColor(kDarkBackColor));
      palette.setColor(QPalette::WindowText, QColor(0xE8, 0xE8, 0xE8));
      palette.setColor(QPalette::Link, QColor(0x8F, 0xC1, 0xFF));
    }
    text->setAutoFillBackground(dark || text == texts.back());
    text->setPalette(palette);
  }
  for (clsGridCell* cell : raster_) cell->SetDark(dark);
  // The maker's address keeps looking like a link on either ground.
  auto* homepage = findChild<QPushButton*>("lblHomepage");
  QPalette link = own;
  link.setColor(QPalette::ButtonText, own.color(QPalette::Link));
  homepage->setPalette(link);
  for (QWidget* cell : findChildren<clsPictureCell*>()) cell->update();
  noteStyle_ = -1;  // the note's pictures again
}

void frmSymbol::ShowStatus(const SessionView& view) {
  const QString code =
      view.code.empty() ? QString()
                        : FromAnsi(session_.Game().Text("strCode", "Code:")) + " " + QString::fromStdString(view.code);
  if (lblCode_->text() != code) lblCode_->setText(code);
  const QString clock = QString::fromStdString(view.clock);
  if (lblClock_->text() != clock) {
    lblClock_->setText(clock);
    lblClock_->setAccessibleName(FromAnsi(session_.Game().Text("strClock", "Time played")) + " " + clock);
  }
  if (view.paused != cover_->isVisible()) {
    cover_->setText(FromAnsi(session_.Game().Text("strPaused", "Paused")));
    cover_->setVisible(view.paused);
    if (view.paused) {
      cover_->raise();
      cover_->setFocus(Qt::OtherFocusReason);
    } else {
      picture1_->setFocus(Qt::OtherFocusReason);
    }
  }
}

// The cursor's frame, and where its row's symbol stands on the board, while
// the grid has the keyboard.
void frmSymbol::ShowCursor() {
  const bool focused = focusWidget() == picture1_;
  for (clsGridCell* cell : raster_) cell->SetCursorFrame(focused && cell->Index() == session_.View().gridCursor);
  picture1_->SetCursor(session_.View().gridCursor);
  const BoardView& board = session_.View().board;
  for (std::size_t k = 0; k < 9; ++k) {
    for (std::size_t place = 0; place < 3; ++place) {
      digitCells_[k][place]->SetHighlight(focused && board.digits[k][place].cursorSymbol);
    }
  }
}

void frmSymbol::ReceiveDatagram(const std::string& payload, const std::string& from, std::uint16_t fromPort) {
  Send(SessionEvent::Datagram(payload, from, fromPort));
}

void frmSymbol::Show(const SessionView& view) {
  PaintBoard(view);
  dialogs_->Show(view);
  // The session says the program ends: the window closes once this event is done.
  if (view.quit && !closing_) {
    closing_ = true;
    QTimer::singleShot(0, this, [this] { close(); });
  }
}

void frmSymbol::PaintBoard(const SessionView& view) {
  if (view.textsVersion != textsShown_) {
    textsShown_ = view.textsVersion;
    if (const clsTranslation* language = services_.catalogue.CurrentTranslation()) UseQtTranslations(language->Code());
    ApplyTexts();
    if (panels_ != nullptr) panels_->Retranslate();
  }
  setWindowTitle(QString::fromStdString(view.title));
  if (view.gridFocusVersion != focusShown_) {
    focusShown_ = view.gridFocusVersion;
    picture1_->setFocus(Qt::OtherFocusReason);
  }
  const BoardView& board = view.board;
  if (board.dark != store_.Dark()) ShowColours(board.dark);
  // Each cell also says what it shows, for a screen reader.
  const auto name = [](QWidget* cell, const std::string& text) {
    const QString accessible = FromAnsi(text);
    if (cell->accessibleName() != accessible) cell->setAccessibleName(accessible);
  };
  const auto paint = [&](clsPictureCell* cell, const BoardCell& cellView) {
    cell->Show(frmAllSymbols::PicturePath(board.style, cellView.picture), ToQColor(cellView.backColor), cellView.mark);
    name(cell, BoardCellName(services_.catalogue, board.style, cellView));
  };
  QPalette panel = picPuzzle_->palette();
  panel.setColor(QPalette::Window, ToQColor(board.panelColor));
  picPuzzle_->setPalette(panel);
  QPalette header = picRasterSymbols_->palette();
  header.setColor(QPalette::Window, ToQColor(board.headerColor));
  picRasterSymbols_->setPalette(header);

  for (std::size_t k = 0; k < 9; ++k) {
    for (std::size_t place = 0; place < 3; ++place) paint(digitCells_[k][place], board.digits[k][place]);
  }
  for (std::size_t i = 0; i < 3; ++i) {
    paint(opVert_[i], board.opVert[i]);
    paint(opHorz_[i], board.opHorz[i]);
    paint(equals_[i], board.equals[i]);
  }
  for (std::size_t k = 0; k < 10; ++k) paint(matrixSymbols_[k], board.matrixSymbols[k]);
  for (std::size_t i = 0; i < 100; ++i) {
    raster_[i]->Show(frmAllSymbols::GridDigitPath(view.grid.looks[i], static_cast<int>(i % 10)),
                     board.dark ? ToQColor(kDarkBackColor) : Qt::white);
    name(raster_[i], GridCellName(services_.catalogue, board.style, static_cast<int>(i), view.grid.looks[i]));
  }
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i] == nullptr) continue;  // a race panel's button
    buttons_[i]->setVisible(view.buttons[i].visible);
    buttons_[i]->setEnabled(view.buttons[i].enabled);
  }
  CloseUpButtons(view);
  ShowNote(view.note, view.board.style);
  ShowStatus(view);
  const RaceView& race = view.race;
  if (race.lobbyShown || race.raceShown || race.resultsShown) BuildPanelsOnce();
  if (panels_ != nullptr) panels_->RefreshRace(race);
  ShowCursor();
}

}  // namespace glyph
