// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/frm_symbol.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <map>

#include "i18n/cls_catalogue.h"
#include "pictures/frm_all_symbols.h"
#include "platform/ansi_text.h"
#include "platform/qt_translations.h"
#include "platform/translate_form.h"
#include "session/accessible_texts.h"
#include "storage/settings_table.h"
#include "storage/web_pages.h"
#include "windows/frm_options.h"
#include "windows/frm_print.h"
#include "windows/frm_statistics.h"
#include "windows/grid_panel.h"
#include "windows/network_panels.h"
#include "windows/note_view.h"
#include "windows/pause_cover.h"
#include "windows/steps_dialog.h"
#include "windows/picture_cell.h"

namespace glyph {

namespace {

// Positions are designed in twips; 15 twips make one pixel at 96 dots per
// inch, and Qt scales pixels for denser screens.
constexpr int Px(int twips) { return twips / 15; }

constexpr int kDigitCell = Px(375);
constexpr std::array<int, 3> kNumberColumns{Px(90), Px(2160), Px(4230)};  // hundreds of the 1st, 2nd, 3rd number
constexpr int kDigitPitch = Px(450);
constexpr std::array<int, 3> kRowTops{Px(90), Px(1080), Px(1665)};
constexpr int kOpVertLeft = Px(1575);
constexpr int kEqualLeft = Px(3645);
constexpr int kOpHorzTop = Px(585);
constexpr int kRasterCell = Px(420);

constexpr QRect kPuzzlePanel(Px(45), Px(45), Px(5685), Px(2175));
constexpr QRect kGridPanel(Px(45), Px(2250), Px(5685), Px(4560));
constexpr int kNoteHeight = 96;  // the least room for a hint under the grid: about five lines
constexpr int kStatusHeight = 18;
// Under the grid: the code and clock line, and the least room of a note.
constexpr int kBelowGrid = 3 + kStatusHeight + 1 + kNoteHeight + 4;
constexpr QSize kFrameAllowance(16, 48);   // a window manager's frame and title bar
constexpr double kMostColumnGrowth = 1.35;  // buttons beyond this look swollen
constexpr int kNoteDelayMs = 30;
constexpr int kButtonLeft = Px(5685) + Px(45) + 12;
constexpr int kButtonWidth = 156;
constexpr int kButtonHeight = 26;

struct ButtonText {
  Command command;
  const char* name;
  const char* caption;
  const char* tipKey;
  const char* tip;
  bool gapBefore;
  bool halfLeft = false;  // the left half of a row the next button shares
};

// The buttons in the order they stand, with their captions and tool tips.
constexpr std::array<ButtonText, kMainButtonCount> kButtons{{
    {Command::New, "cmdNew", "&New game", "strTipNew", "Start a new puzzle", false},
    {Command::Daily, "cmdDaily", "Today's p&uzzle", "strTipDaily",
     "The same puzzle for everyone today: easy on Mondays, rising to expert on Sundays", false},
    {Command::PlayCode, "cmdPlayCode", "Play a co&de...", "strTipPlayCode",
     "Play the puzzle of a code a friend gave you (Ctrl+I)", false},
    {Command::Clear, "cmdClear", "&Clear grid", "strTipClear", "Remove every mark from the solution grid", false},
    {Command::Solve, "cmdSolve", "&Solve game", "strTipSolve", "Show the solution of this puzzle", false},
    {Command::Undo, "cmdUndo", "&Undo", "strTipUndo", "Take back the last change of the grid (Ctrl+Z)", false, true},
    {Command::Redo, "cmdRedo", "Redo", "strTipRedo", "Make the change taken back again (Ctrl+Y)", false},
    {Command::Hint, "cmdHint", "H&int", "strTipHint",
     "Show the next fact that follows and why; press again to mark it (Ctrl+H)", false, true},
    {Command::Check, "cmdCheck", "Chec&k", "strTipCheck", "Say whether any of your marks fits no solution", false},
    {Command::Pause, "cmdPause", "Pause", "strTipPause", "Stop the clock and cover the board (F5 or P)", false, true},
    {Command::Statistics, "cmdStatistics", "Statistics", "strTipStatistics",
     "Games solved, best times and runs (Ctrl+T)", false},
    {Command::AddBookmark, "cmdAddBookmark", "&Add bookmark", "strTipAddBookmark",
     "Keep a named copy of the solution grid", true},
    {Command::OpenBookmark, "cmdOpenBookmark", "&Open bookmark", "strTipOpenBookmark",
     "Go back to a bookmark of this game", false},
    {Command::Save, "cmdSave", "Sa&ve game", "strTipSave", "Save this game to a file", true},
    {Command::Load, "cmdLoad", "&Load game", "strTipLoad", "Load a saved game", false},
    {Command::Print, "cmdPrint", "&Print game", "strTipPrint", "Print puzzles on paper or to a PDF file", false},
    {Command::Options, "cmdOptions", "Op&tions", "strTipOptions", "Choose the style and the language", true},
    {Command::NetworkGame, "cmdNetworkGame", "Net&work game", "strTipNetworkGame",
     "Race other players on the local network", false},
    {Command::Help, "cmdHelp", "&Help", "strTipHelp", "How to play", true},
    {Command::Guide, "cmdHowToPlay", "How to play", "strTipHowToPlay",
     "A short guided game on an easy puzzle: each step explained, marked by you", false},
    {Command::Homepage, "cmdHomepage", "Ho&mepage", "strTipHomepage", "Open the game's web page", false},
    {Command::Close, "cmdClose", "&Quit game", "strTipClose", "Close Glyphmatic", true},
}};

// Every main button stands in the table exactly once.
constexpr bool CoversEveryButton() {
  std::array<bool, kMainButtonCount> seen{};
  for (const ButtonText& button : kButtons) {
    const auto index = static_cast<std::size_t>(button.command);
    if (index >= seen.size() || seen[index]) return false;
    seen[index] = true;
  }
  return true;
}
static_assert(CoversEveryButton(), "the button table must name every main button once");

const char* const kDigitPlaceLetters[3] = {"H", "Z", "E"};

}  // namespace

frmSymbol::frmSymbol(const SessionServices& services, QWidget* parent)
    : QWidget(parent), services_(services), session_(services, *this) {
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
  // The designed size is the smallest and the first, unless the screen is
  // smaller: then the whole window shrinks to fit it. The board and grid
  // grow with the window, and the window comes back where the player left it.
  designSize_ = designSize;
  const QSize room = RoomOnScreen();
  const double fit = std::min({1.0, double(room.width()) / designSize.width(), double(room.height()) / designSize.height()});
  const QSize fitting(int(designSize.width() * fit), int(designSize.height() * fit));
  setMinimumSize(fitting);
  resize(fitting);
  restoreGeometry(
      QByteArray::fromBase64(QByteArray::fromStdString(ReadSetting(services_.settings, Setting::WindowGeometry))));
  networkTimer_ = new QTimer(this);
  networkTimer_->setInterval(clsRaceController::kTickMilliseconds);
  connect(networkTimer_, &QTimer::timeout, this, [this] { Send(SessionEvent::Of(SessionEvent::Kind::Tick)); });
  networkTimer_->start();
  auto* helpKey = new QShortcut(QKeySequence::HelpContents, this);
  connect(helpKey, &QShortcut::activated, this, [this] { Send(SessionEvent::Of(SessionEvent::Kind::HelpKey)); });
  // The desktop's standard keys for the game's buttons.
  const std::pair<QKeySequence, Command> shortcuts[] = {{QKeySequence::New, Command::New},
                                                        {QKeySequence::Open, Command::Load},
                                                        {QKeySequence::Save, Command::Save},
                                                        {QKeySequence::Print, Command::Print},
                                                        {QKeySequence::Undo, Command::Undo},
                                                        {QKeySequence::Redo, Command::Redo},
                                                        {QKeySequence(Qt::CTRL | Qt::Key_Y), Command::Redo},
                                                        {QKeySequence(Qt::CTRL | Qt::Key_H), Command::Hint},
                                                        {QKeySequence(Qt::Key_F5), Command::Pause},
                                                        {QKeySequence(Qt::Key_P), Command::Pause},
                                                        {QKeySequence(Qt::CTRL | Qt::Key_T), Command::Statistics},
                                                        {QKeySequence(Qt::CTRL | Qt::Key_I), Command::PlayCode},
                                                        {QKeySequence(Qt::CTRL | Qt::Key_Q), Command::Close}};
  for (const auto& [keys, command] : shortcuts) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, [this, command = command] {
      if (command == Command::Close) return buttons_[static_cast<std::size_t>(command)]->click();
      Send(SessionEvent::Button(command));
    });
  }

  connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
          [this] { Send(SessionEvent::Of(SessionEvent::Kind::CopyCode)); });
  // The desktop session ending keeps the unfinished game as quitting does.
  connect(qApp, &QGuiApplication::commitDataRequest, this,
          [this] { Send(SessionEvent::Of(SessionEvent::Kind::Quitting)); });

  startUpTimer_ = new QTimer(this);
  startUpTimer_->setSingleShot(true);
  startUpTimer_->setInterval(500);
  connect(startUpTimer_, &QTimer::timeout, this, [this] { Send(SessionEvent::Of(SessionEvent::Kind::StartUpTimer)); });
  ApplyTexts();
  session_.SetDisplay(this);
}

frmSymbol::~frmSymbol() { session_.SetDisplay(nullptr); }

void frmSymbol::Send(const SessionEvent& event) { session_.Handle(event); }

// Every widget's place at today's size: the board side scales from it, the
// button column moves beside the board.
void frmSymbol::RememberDesign(const QList<QWidget*>& widgets) {
  for (QWidget* child : widgets) {
    // A widget a layout places, or a window of its own, is left to them.
    if (child->isWindow() || child->parentWidget()->layout() != nullptr) continue;
    // Everything in the button column, a race panel's inside included,
    // keeps its size and moves with the column.
    QWidget* top = child;
    while (top->parentWidget() != this) top = top->parentWidget();
    const bool inColumn = top->x() >= designBoardSide_.right();
    if (inColumn && top != child) continue;
    design_.push_back({child, child->geometry(), inColumn});
  }
}

void frmSymbol::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOutForSize();
}

// The room the screen leaves a window, its frame and title bar taken off.
QSize frmSymbol::RoomOnScreen() const {
  const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  if (shown == nullptr) return designSize_;
  const QSize available = shown->availableGeometry().size();
  return {available.width() - kFrameAllowance.width(), available.height() - kFrameAllowance.height()};
}

// Smaller than designed, everything shrinks alike, text included. Larger,
// the board and grid take the room, leaving the code, the clock and a
// note's least room under them, and the button column grows with them up
// to a limit where buttons still look like buttons.
void frmSymbol::LayOutForSize() {
  if (design_.empty()) return;
  const QSize board = designBoardSide_.size();
  const int column = designSize_.width() - board.width();
  const double shrink = std::min({1.0, double(width()) / designSize_.width(), double(height()) / designSize_.height()});
  const double columnHeightScale = double(height()) / designSize_.height();
  const double grow =
      std::clamp(std::min(double(width() - column) / board.width(), columnHeightScale), 1.0, kMostColumnGrowth);
  const double boardHeightScale = double(height() - kBelowGrid) / (kGridPanel.bottom() + 1);
  const double widthScale = double(width() - column * grow) / board.width();
  const double scale = shrink < 1.0 ? shrink : std::max(1.0, std::min(widthScale, boardHeightScale));
  const double columnScale = shrink < 1.0 ? shrink : grow;
  const auto scaled = [](const QRect& r, double f, int left) {
    return QRect(left + int(r.x() * f), int(r.y() * f), int(r.width() * f), int(r.height() * f));
  };
  // A window wider than board and column need (a wide screen, maximised)
  // keeps them together in its middle.
  const int used = int(board.width() * scale + column * columnScale);
  const int left = std::max(0, (width() - used) / 2);
  for (const DesignPlace& place : design_) {
    const int inWindow = place.widget->parentWidget() == this ? left : 0;  // inside a panel: the panel's place
    if (place.inColumn) {
      place.widget->setGeometry(
          scaled(place.rect.translated(-board.width(), 0), columnScale, inWindow + int(board.width() * scale)));
    } else {
      QRect rect = scaled(place.rect, scale, inWindow);
      // The board side grows faster than the window is high: what reaches
      // below it (a race panel) ends at the window's edge.
      if (place.widget->parentWidget() == this) rect.setBottom(std::min(rect.bottom(), height() - 3));
      place.widget->setGeometry(rect);
    }
  }
  PlaceBelowGrid(std::min(1.0, scale));
  // Text shrinks with a window smaller than designed, and stays as it is above.
  QFont text = QApplication::font();
  text.setPointSizeF(text.pointSizeF() * shrink);
  if (font() != text) setFont(text);
}

// The code and clock line keeps its text's height under the grid, and the
// note takes the rest of the window.
void frmSymbol::PlaceBelowGrid(double textScale) {
  const int top = picture1_->geometry().bottom() + 1 + int(3 * textScale);
  const int statusHeight = int(kStatusHeight * textScale);
  for (QLabel* label : {lblCode_, lblClock_}) {
    label->setGeometry(label->x(), top, label->width(), statusHeight);
  }
  const int noteTop = top + statusHeight + 1;
  note_->setGeometry(note_->x(), noteTop, note_->width(), std::max(0, height() - noteTop - int(4 * textScale)));
}

void frmSymbol::BuildPanelsOnce() {
  if (panels_ != nullptr) return;
  const QList<QWidget*> before = findChildren<QWidget*>();
  panels_ = new clsNetworkPanels(*this, session_, store_, services_.catalogue, designBoardSide_, designRaceColumn_);
  QList<QWidget*> added;
  for (QWidget* widget : findChildren<QWidget*>()) {
    if (!before.contains(widget)) added.push_back(widget);
  }
  RememberDesign(added);
  LayOutForSize();
  TranslateForm(this, services_.catalogue);  // the panels' captions in the player's language
}

void frmSymbol::closeEvent(QCloseEvent* event) {
  if (!closeApproved_) Send(SessionEvent::Of(SessionEvent::Kind::WindowClose));
  if (closeApproved_ || session_.View().mayClose) {
    KeepGame();
    event->accept();
  } else {
    event->ignore();
  }
  closeApproved_ = false;
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
  for (QWidget* cell : findChildren<clsPictureCell*>()) cell->update();
  noteStyle_ = -1;  // the note's pictures again
}

void frmSymbol::ShowStatus(const SessionView& view) {
  const QString code = view.code.empty() ? QString() : FromAnsi(session_.Game().Text("strCode", "Code:")) + " " +
                                                             QString::fromStdString(view.code);
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

void frmSymbol::ShowCursor() {
  const bool focused = focusWidget() == picture1_;
  for (clsGridCell* cell : raster_) cell->SetCursorFrame(focused && cell->Index() == session_.View().gridCursor);
  picture1_->SetCursor(session_.View().gridCursor);
}

void frmSymbol::KeepGame() {
  WriteSetting(services_.settings, Setting::WindowGeometry, saveGeometry().toBase64().toStdString());
  Send(SessionEvent::Of(SessionEvent::Kind::Quitting));
}

void frmSymbol::ReceiveDatagram(const std::string& payload, const std::string& from) {
  Send(SessionEvent::Datagram(payload, from));
}

void frmSymbol::BuildBoard() {
  picPuzzle_ = new QFrame(this);
  picPuzzle_->setObjectName("picPuzzle");
  picPuzzle_->setGeometry(kPuzzlePanel);
  picPuzzle_->setAutoFillBackground(true);
  picPuzzle_->setFrameShape(QFrame::Panel);
  picPuzzle_->setFrameShadow(QFrame::Sunken);

  for (int k = 0; k < 9; ++k) {
    for (int place = 0; place < 3; ++place) {
      auto* cell = new clsPictureCell(QString("pic%1%2").arg(k + 1).arg(kDigitPlaceLetters[place]), store_, picPuzzle_);
      cell->setGeometry(kNumberColumns[static_cast<std::size_t>(k % 3)] + place * kDigitPitch,
                        kRowTops[static_cast<std::size_t>(k / 3)], kDigitCell, kDigitCell);
      digitCells_[static_cast<std::size_t>(k)][static_cast<std::size_t>(place)] = cell;
    }
  }
  for (int i = 0; i < 3; ++i) {
    const auto row = static_cast<std::size_t>(i);
    opVert_[row] = new clsPictureCell(QString("picOpVert%1").arg(i + 1), store_, picPuzzle_);
    opVert_[row]->setGeometry(kOpVertLeft, kRowTops[row], kDigitCell, kDigitCell);
    equals_[row] = new clsPictureCell(QString("picEqual%1").arg(i + 1), store_, picPuzzle_);
    equals_[row]->setGeometry(kEqualLeft, kRowTops[row], Px(380), Px(380));
    opHorz_[row] = new clsPictureCell(QString("picOpHorz%1").arg(i + 1), store_, picPuzzle_);
    opHorz_[row]->setGeometry(kNumberColumns[row] + kDigitPitch, kOpHorzTop, kDigitCell, kDigitCell);
  }
  auto* line = new QFrame(picPuzzle_);
  line->setObjectName("Line1");
  line->setGeometry(Px(90), Px(1575) - 1, Px(5535) - Px(90), 2);
  line->setAutoFillBackground(true);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, ToQColor(kRuleColor));
  line->setPalette(palette);
}

// The puzzle's code on the left (selectable, for copying) and the clock on
// the right, in the line under the grid.
void frmSymbol::BuildStatus() {
  const int top = kGridPanel.bottom() + 3;
  lblCode_ = new QLabel(this);
  lblCode_->setObjectName("lblCode");
  lblCode_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lblCode_->setGeometry(kGridPanel.left() + 2, top, kGridPanel.width() * 2 / 3, kStatusHeight);
  lblClock_ = new QLabel(this);
  lblClock_->setObjectName("lblClock");
  lblClock_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblClock_->setGeometry(kGridPanel.right() - kGridPanel.width() / 3, top, kGridPanel.width() / 3 - 2, kStatusHeight);
}

// The cover of a pause: board and grid hidden under "Paused" until any key
// or click.
void frmSymbol::BuildPauseCover() {
  cover_ = new clsPauseCover(this);
  cover_->setObjectName("lblPaused");
  cover_->setGeometry(kPuzzlePanel.united(kGridPanel));
  cover_->hide();
  connect(cover_, &clsPauseCover::Resume, this, [this] { Send(SessionEvent::Button(Command::Pause)); });
}

void frmSymbol::BuildNote(int windowHeight) {
  note_ = new clsNoteView(this);
  note_->setObjectName("txtNote");
  const int top = kGridPanel.bottom() + 4 + kStatusHeight;
  note_->setGeometry(kGridPanel.left(), top, kGridPanel.width(), windowHeight - top - 4);
  connect(note_, &clsNoteView::LinkActivated, this, [this](const QString& href) {
    if (href == "steps") ShowSteps();
    if (href == "guide") Send(SessionEvent::Button(Command::Guide));
    if (href == "leave") Send(SessionEvent::Button(Command::LeaveGuide));
  });
}

// A note's text as rich text: escaped, each {S3} a picture of the symbol
// drawn at this screen's density, and as a screen reader hears it.
frmSymbol::RichNote frmSymbol::MakeRichNote(const std::string& text, int style) {
  RichNote rich{FromAnsi(text).toHtmlEscaped(), FromAnsi(text), {}};
  const int side = note_->fontMetrics().height() + 2;
  for (int s = 0; s < 10; ++s) {
    const QString token = QString("{S%1}").arg(s);
    if (!rich.html.contains(token)) continue;
    const QString name = QString("symbol%1").arg(s);
    const QString path = frmAllSymbols::PicturePath(style, BoardPicture{PictureKind::Symbol, s});
    rich.pictures.emplace_back(name, store_.Render(path, QSize(side, side), devicePixelRatioF()));
    rich.html.replace(token, QString("<img src=\"%1\" width=%2 height=%2>").arg(name).arg(side));
    // A screen reader hears the symbols by their names.
    rich.spoken.replace(token, FromAnsi(SymbolName(services_.catalogue, style, s)));
  }
  return rich;
}

void frmSymbol::ShowSteps() {
  std::string lines;
  for (const std::string& line : noteShown_.steps) lines += line + "\n";
  RichNote rich = MakeRichNote(lines, noteStyle_);
  rich.html = "<p>" + rich.html.replace("\n", "</p><p>") + "</p>";
  ShowStepsDialog(this, FromAnsi(session_.Game().Text("strTitSteps", "The supposition step by step")), rich.html,
                  rich.pictures);
}

// The note as rich text, and a link to a supposition's steps.
void frmSymbol::ShowNote(const GridNote& note, int style) {
  if (note == noteShown_ && style == noteStyle_) return;
  if (!isVisible()) {
    // Laid out once the window is up: the first note does not hold up the
    // window's first appearance. A short wait, not a zero one, so that the
    // event loop first sends the window to the display. One wait at a time.
    if (!notePending_) {
      notePending_ = true;
      QTimer::singleShot(kNoteDelayMs, this, [this] {
        notePending_ = false;
        if (isVisible()) ShowNote(session_.View().note, session_.View().board.style);
      });
    }
    return;
  }
  noteShown_ = note;
  noteStyle_ = style;
  RichNote rich = MakeRichNote(note.text, style);
  const auto addLink = [&](const char* href, const char* key, const char* english) {
    const QString link = FromAnsi(session_.Game().Text(key, english));
    rich.html += QString(" <a href=\"%1\">%2</a>").arg(href, link.toHtmlEscaped());
    rich.spoken += " " + link;
  };
  if (!note.steps.empty()) addLink("steps", "strHintShowSteps", "Show the steps");
  if (note.offerGuide) rich.html += "<br>";
  if (note.offerGuide) addLink("guide", "strGuideOffer", "New to the game? Play a short guided game.");
  if (note.inGuide) addLink("leave", "strGuideLeave", "Leave the guided game");
  note_->SetNote(rich.html, rich.pictures);
  note_->setAccessibleName(rich.spoken);
  const auto holds = [](const std::vector<int>& cells, int index) {
    return std::find(cells.begin(), cells.end(), index) != cells.end();
  };
  for (clsGridCell* cell : raster_) {
    cell->SetNoteFrame(holds(note.cells, cell->Index())   ? clsGridCell::NoteFrame::Step
                       : holds(note.basis, cell->Index()) ? clsGridCell::NoteFrame::Basis
                                                          : clsGridCell::NoteFrame::None);
  }
}

void frmSymbol::BuildGrid() {
  picture1_ = new clsGridPanel(this);
  picture1_->installEventFilter(this);
  picture1_->setGeometry(kGridPanel);
  picture1_->setAutoFillBackground(true);
  picture1_->setFrameShape(QFrame::Panel);
  picture1_->setFrameShadow(QFrame::Sunken);
  QPalette white = picture1_->palette();
  white.setColor(QPalette::Window, Qt::white);
  picture1_->setPalette(white);

  picRasterSymbols_ = new QFrame(picture1_);
  picRasterSymbols_->setObjectName("picRasterSymbols");
  picRasterSymbols_->setGeometry(0, 0, Px(645) - Px(45), kGridPanel.height());
  picRasterSymbols_->setAutoFillBackground(true);
  for (int k = 0; k < 10; ++k) {
    // On the header column's ground, but the grid's own: a reader finds
    // them as the table's row headers.
    auto* head = new clsPictureCell(QString("picMatrixSymbol%1").arg(k), store_, picture1_);
    head->setGeometry(Px(90) - Px(45), Px(45) + k * Px(450), kRasterCell, kRasterCell);
    matrixSymbols_[static_cast<std::size_t>(k)] = head;
  }
  for (int i = 0; i < 100; ++i) {
    auto* cell = new clsGridCell(i, store_, picture1_);
    cell->setGeometry(Px(675) + Px(495) * (i % 10), Px(45) + Px(450) * (i / 10), kRasterCell, kRasterCell);
    connect(cell, &clsGridCell::Clicked, this,
            [this](int index) { Send(SessionEvent::Of(SessionEvent::Kind::GridClick, index)); });
    connect(cell, &clsGridCell::DoubleClicked, this,
            [this](int index) { Send(SessionEvent::Of(SessionEvent::Kind::GridDoubleClick, index)); });
    raster_[static_cast<std::size_t>(i)] = cell;
  }
  picture1_->Adopt(raster_, matrixSymbols_);
}

void frmSymbol::BuildButtons() {
  int top = kPuzzlePanel.top();
  for (const ButtonText& text : kButtons) {
    if (text.gapBefore) top += 8;
    auto* button = new QPushButton(text.caption, this);
    button->setObjectName(text.name);
    const bool right = &text != kButtons.data() && (&text - 1)->halfLeft;
    const int half = (kButtonWidth - 4) / 2;
    button->setGeometry(kButtonLeft + (right ? half + 4 : 0), top, text.halfLeft || right ? half : kButtonWidth,
                        kButtonHeight);
    if (!text.halfLeft) top += kButtonHeight + 4;
    buttons_[static_cast<std::size_t>(text.command)] = button;
    connect(button, &QPushButton::clicked, this, [this, command = text.command] {
      Send(SessionEvent::Button(command));
      if (command == Command::Close && session_.View().mayClose) {
        closeApproved_ = true;
        close();
      }
    });
  }

  // The product's address, looking like a link; a click on it (or Space
  // once Tab has reached it) opens the maker's page. A flat button rather
  // than a rich-text label: it is reachable by keyboard, and the window
  // shows sooner without a rich-text document to lay out at start-up.
  auto* homepage = new QPushButton(QUrl(kProductWebPage).host(), this);
  homepage->setObjectName("lblHomepage");
  homepage->setFlat(true);
  homepage->setCursor(Qt::PointingHandCursor);
  QFont underlined = homepage->font();
  underlined.setUnderline(true);
  homepage->setFont(underlined);
  QPalette link = homepage->palette();
  link.setColor(QPalette::ButtonText, link.color(QPalette::Link));
  homepage->setPalette(link);
  homepage->setGeometry(kButtonLeft, top + 2, kButtonWidth, 20);
  connect(homepage, &QPushButton::clicked, this, [this] { Send(SessionEvent::Of(SessionEvent::Kind::MakerLink)); });
}

void frmSymbol::ApplyTexts() {
  TranslateForm(this, services_.catalogue);
  for (const ButtonText& text : kButtons) {
    findChild<QPushButton*>(text.name)->setToolTip(PlainToolTip(session_.Game().Text(text.tipKey, text.tip)));
  }
  const QString gridTip = PlainToolTip(session_.Game().Text(
      "strTipRaster", "Click: this symbol is not this digit. Double-click: this symbol is this digit."));
  for (clsGridCell* cell : raster_) cell->setToolTip(gridTip);
  picPuzzle_->setAccessibleName(FromAnsi(session_.Game().Text("strAccPuzzle", "Puzzle")));
  picture1_->setAccessibleName(FromAnsi(session_.Game().Text("strAccGrid", "Solution grid")));
  QStringList digits;
  for (int d = 0; d < 10; ++d) digits << FromAnsi(DigitName(services_.catalogue, d));
  picture1_->SetColumnNames(digits);
  findChild<QPushButton*>("lblHomepage")
      ->setToolTip(PlainToolTip(session_.Game().Text("strTipMaker", "Visit the maker's web page")));
}

void frmSymbol::StartUp(const std::vector<std::string>& arguments) {
  session_.StartUp(arguments);
  startUpTimer_->start();
}

void frmSymbol::Print(const clsPuzzle& board, int style) {
  frmPrint print(board, style, services_.printers, services_.random, services_.catalogue, services_.asker, this);
  print.SetDifficulty(
      DifficultyFromName(ReadSetting(services_.settings, Setting::Difficulty)).value_or(Difficulty::Any));
  print.exec();
}

void frmSymbol::ShowStatistics(const clsStatistics& statistics, std::optional<StatsCategory> newBest) {
  frmStatistics dialog(statistics, newBest, services_.catalogue, this);
  dialog.exec();
}

std::optional<std::string> frmSymbol::AskPuzzleCode() {
  bool ok = false;
  const QString code = QInputDialog::getText(
      this, FromAnsi(session_.Game().Text("strTitPlayCode", "Play a code")),
      FromAnsi(session_.Game().Text("strAskCode", "The puzzle's code (letters and digits, hyphens optional):")),
      QLineEdit::Normal, {}, &ok);
  if (!ok) return std::nullopt;
  return code.left(64).toStdString();
}

std::optional<int> frmSymbol::ChooseOptions(int style) {
  frmOptions options(services_.catalogue, services_.settings, this);
  options.SetStyle(style);
  options.exec();
  if (!options.OK()) return std::nullopt;
  return options.Style();
}

void frmSymbol::Show(const SessionView& view) {
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
    buttons_[i]->setVisible(view.buttons[i].visible);
    buttons_[i]->setEnabled(view.buttons[i].enabled);
  }
  ShowNote(view.note, view.board.style);
  ShowStatus(view);
  const RaceView& race = view.race;
  if (race.lobbyShown || race.raceShown || race.resultsShown) BuildPanelsOnce();
  if (panels_ != nullptr) panels_->RefreshRace(race);
  ShowCursor();
}

}  // namespace glyph
