// SPDX-License-Identifier: GPL-3.0-or-later
// Building the main window: the board, the grid, the buttons with their
// captions and tips, the line under the grid, the note and the keys.
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>

#include "i18n/cls_catalogue.h"
#include "platform/ansi_text.h"
#include "platform/translate_form.h"
#include "session/accessible_texts.h"
#include "session/button_texts.h"
#include "session/commands.h"
#include "storage/web_pages.h"
#include "windows/frm_symbol.h"
#include "windows/frm_symbol_design.h"
#include "windows/grid_panel.h"
#include "windows/note_view.h"
#include "windows/pause_cover.h"
#include "windows/picture_cell.h"

namespace glyph {

using namespace design;

namespace {

const char* const kDigitPlaceLetters[3] = {"H", "Z", "E"};

}  // namespace

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
    if (href == "new") Send(SessionEvent::Button(Command::New));
  });
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

// Where the buttons stand with only those shown that shown() says: they
// close up, keeping the gaps between their groups, and a half row whose
// partner is hidden takes the whole row.
std::array<QRect, kCommandCount> frmSymbol::ButtonColumn(const std::function<bool(Command)>& shown) {
  std::array<QRect, kCommandCount> rects{};
  const int half = (kButtonWidth - 4) / 2;
  int top = kPuzzlePanel.top();
  bool gap = false;
  bool any = false;
  for (std::size_t i = 0; i < kButtonTexts.size(); ++i) {
    const ButtonText& text = kButtonTexts[i];
    gap = gap || text.gapBefore;
    if (!shown(text.command)) continue;
    if (gap && any) top += 8;
    gap = false;
    any = true;
    const bool withRight = text.halfLeft && i + 1 < kButtonTexts.size() && shown(kButtonTexts[i + 1].command);
    const bool withLeft = i > 0 && kButtonTexts[i - 1].halfLeft && shown(kButtonTexts[i - 1].command);
    rects[static_cast<std::size_t>(text.command)] =
        QRect(kButtonLeft + (withLeft ? half + 4 : 0), top, withRight || withLeft ? half : kButtonWidth, kButtonHeight);
    if (!withRight) top += kButtonHeight + 4;
  }
  return rects;
}

void frmSymbol::BuildButtons() {
  const std::array<QRect, kCommandCount> column = ButtonColumn([](Command) { return true; });
  int top = 0;
  for (const ButtonText& text : kButtonTexts) {
    auto* button = new QPushButton(text.caption, this);
    button->setObjectName(text.name);
    // A click leaves the keyboard with the grid: arrows, Space, Enter and
    // digits always work it. Tab still reaches every button.
    button->setFocusPolicy(Qt::TabFocus);
    button->setGeometry(column[static_cast<std::size_t>(text.command)]);
    top = std::max(top, button->geometry().bottom() + 5);
    buttons_[static_cast<std::size_t>(text.command)] = button;
    connect(button, &QPushButton::clicked, this,
            [this, command = text.command] { Send(SessionEvent::Button(command)); });
  }

  // The product's address, looking like a link; a click on it (or Space
  // once Tab has reached it) opens the maker's page. A flat button rather
  // than a rich-text label: it is reachable by keyboard, and the window
  // shows sooner without a rich-text document to lay out at start-up.
  auto* homepage = new QPushButton(QUrl(kProductWebPage).host(), this);
  homepage->setObjectName("lblHomepage");
  homepage->setFlat(true);
  homepage->setFocusPolicy(Qt::TabFocus);
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
  for (const ButtonText& text : kButtonTexts) {
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

void frmSymbol::BuildShortcuts() {
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
    connect(new QShortcut(keys, this), &QShortcut::activated, this,
            [this, command = command] { Send(SessionEvent::Button(command)); });
  }
  connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
          [this] { Send(SessionEvent::Of(SessionEvent::Kind::CopyCode)); });
}

}  // namespace glyph
