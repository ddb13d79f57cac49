// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QWindow>
#include <cmath>
#include <map>

#include "core/deduction.h"
#include "i18n/cls_catalogue.h"
#include "i18n/language_choice.h"
#include "pictures/frm_all_symbols.h"
#include "platform/user_locale.h"
#include "session/accessible_texts.h"
#include "session/commands.h"
#include "storage/settings_table.h"
#include "support/fake_services.h"
#include "windows/dialog_host.h"
#include "windows/frm_statistics.h"
#include "windows/frm_symbol.h"
#include "windows/note_view.h"
#include "windows/picture_cell.h"

namespace glyph {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void Open(clsCatalogue& catalogue) {
    window_ = std::make_unique<frmSymbol>(fakes_.Services(catalogue, GLYPH_PROGRAM_DIR));
    window_->StartUp({});
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  void SetUp() override { Open(emptyCatalogue_); }

  clsGridCell* Cell(int index) {
    for (clsGridCell* cell : window_->findChildren<clsGridCell*>("picRaster")) {
      if (cell->Index() == index) return cell;
    }
    return nullptr;
  }
  QPoint CentreOf(QWidget* widget) { return widget->mapTo(window_.get(), widget->rect().center()); }
  // Real mouse input, through the window as the desktop delivers it.
  void Click(int index) { QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, CentreOf(Cell(index))); }
  void DoubleClick(int index) {
    QTest::mouseDClick(window_->windowHandle(), Qt::LeftButton, {}, CentreOf(Cell(index)));
  }
  int Status(int index) { return window_->Controller().SolveStatus().Status(index / 10, index % 10); }
  QPushButton* Button(const char* name) { return window_->findChild<QPushButton*>(name); }
  // The question over the window, answered with its own button.
  void AnswerPrompt(bool yes) {
    QMessageBox* box = window_->Dialogs().OpenPrompt();
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(box->isVisible());
    QTest::mouseClick(box->button(yes ? QMessageBox::Yes : QMessageBox::No), Qt::LeftButton);
  }
  // A network game: the question, then the host/join dialog's answer.
  void HostRace(const std::string& local) {
    QTest::mouseClick(Button("cmdNetworkGame"), Qt::LeftButton);
    AnswerPrompt(true);
    const DialogView& dialog = window_->Session().View().dialog;
    ASSERT_EQ(dialog.kind, DialogKind::NetworkGame);
    ASSERT_NE(window_->findChild<QDialog*>("frmNewNetwork"), nullptr);
    window_->Session().Handle(SessionEvent::DialogAnswer(dialog.id, true, {}, 1, {local, "", "Host", "host"}));
  }

  clsFakeClock clock_;
  clsFakeNetwork network_;
  clsFakeServices fakes_{77, network_, clock_};
  clsCatalogue emptyCatalogue_;
  std::unique_ptr<frmSymbol> window_;
};

// The controls carry the names the language files and the tests address.
TEST_F(MainWindowTest, HasEveryNamedControl) {
  const QRegularExpression board("^pic(\\d[HZE]|OpVert\\d|OpHorz\\d|Equal\\d|MatrixSymbol\\d)$");
  EXPECT_EQ(window_->findChildren<clsPictureCell*>(board).size(), 27 + 9 + 10);
  EXPECT_EQ(window_->findChildren<clsGridCell*>("picRaster").size(), 100);
  const QList<QPushButton*> buttons =
      window_->findChildren<QPushButton*>(QRegularExpression("^cmd"), Qt::FindDirectChildrenOnly);
  EXPECT_EQ(buttons.size(), static_cast<qsizetype>(kMainButtonCount));
  for (QPushButton* button : buttons) EXPECT_FALSE(button->toolTip().isEmpty()) << button->objectName().toStdString();
}

// Real mouse input reaches the grid and the grid paints what it holds (the
// rules of the marks are the core's).
TEST_F(MainWindowTest, ClicksAndDoubleClicksOnRealCells) {
  Click(47);
  EXPECT_EQ(Status(47), kCellNo);
  EXPECT_EQ(Cell(47)->PicturePath(), ":/assets/grid/no7.svg");
  DoubleClick(40);
  EXPECT_EQ(Status(40), kCellYes);
  EXPECT_EQ(Cell(40)->PicturePath(), ":/assets/grid/yes0.svg");
  EXPECT_EQ(Cell(41)->PicturePath(), ":/assets/grid/greyed1.svg");
  // A second press on another cell is a click of its own, however quick.
  Click(52);
  QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, {});
  QApplication::sendEvent(Cell(53), &second);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, {});
  QApplication::sendEvent(Cell(53), &release);
  EXPECT_EQ(Status(53), kCellNo);
}

// A screen reader finds the grid as a table of symbols by digits, hears a
// cell by its symbol's name, and follows the keyboard's cursor (the events
// the desktop receives are seen by tests/package/check_screen_reader.py).
TEST_F(MainWindowTest, AScreenReaderReadsTheGridAsATableAndFollowsTheCursor) {
  Click(47);
  QWidget* panel = window_->findChild<QWidget*>("Picture1");
  QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(panel);
  EXPECT_EQ(grid->role(), QAccessible::Table);
  EXPECT_EQ(grid->text(QAccessible::Name), "Solution grid");
  QAccessibleTableInterface* table = grid->tableInterface();
  ASSERT_NE(table, nullptr);
  QAccessibleInterface* cell = table->cellAt(4, 7);
  EXPECT_EQ(cell->role(), QAccessible::Cell);
  EXPECT_EQ(cell->text(QAccessible::Name), "orange octagon, digit 7: ruled out");
  EXPECT_EQ(grid->indexOfChild(cell), 47);
  EXPECT_EQ(cell->parent(), grid);
  const QAccessibleInterface* rowHeader = cell->tableCellInterface()->rowHeaderCells().value(0);
  const QAccessibleInterface* columnHeader = cell->tableCellInterface()->columnHeaderCells().value(0);
  ASSERT_TRUE(rowHeader && columnHeader);
  EXPECT_EQ(rowHeader->text(QAccessible::Name), "orange octagon");
  EXPECT_EQ(columnHeader->text(QAccessible::Name), "Digit 7");
  EXPECT_EQ(rowHeader->parent(), grid);
  EXPECT_EQ(columnHeader->parent(), grid);

  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  panel->setFocus();
  const int before = window_->Session().View().gridCursor;
  QTest::keyClick(panel, before < 90 ? Qt::Key_Down : Qt::Key_Up);
  const int cursor = window_->Session().View().gridCursor;
  ASSERT_NE(cursor, before);
  QAccessibleInterface* now = table->cellAt(cursor / 10, cursor % 10);
  EXPECT_TRUE(now->state().focused);
  EXPECT_FALSE(table->cellAt(before / 10, before % 10)->state().focused);
  EXPECT_EQ(grid->focusChild(), now);
}

// The widgets follow the view (the race's rules are the session's); chat
// lines go out with Enter; and the results show a player's name as plain
// text, whatever it holds.
TEST_F(MainWindowTest, ARaceHidesTheGameButtonsAndShowsNamesAsPlainText) {
  fakes_.socket.SetReceiver([this](const std::string& payload, const std::string& from, std::uint16_t port) {
    window_->ReceiveDatagram(payload, from, port);
  });
  clsTestPeer client(network_, clock_, 3);
  HostRace("127.0.0.1");
  // In the lobby, Enter sends a line once, and only a line typed since.
  auto* line = window_->findChild<QLineEdit*>("txtNetNewMsg");
  QTest::keyClicks(line, "hi");
  QTest::keyClick(line, Qt::Key_Return);
  QTest::keyClick(line, Qt::Key_Return);
  EXPECT_EQ(window_->findChild<QPlainTextEdit*>("txtNetMsg")->toPlainText(), "Host: hi");
  ASSERT_TRUE(client.Begin("127.0.0.2", "127.0.0.1", false, "<img src=x>"));
  network_.Deliver();
  window_->Session().Handle(SessionEvent::Of(SessionEvent::Kind::Tick));  // the options reach the client
  network_.Deliver();
  QTest::mouseClick(window_->findChild<QPushButton*>("cmdNetStart"), Qt::LeftButton);
  network_.Deliver();
  EXPECT_FALSE(Button("cmdNew")->isVisible());

  client.Press(Command::NetGiveUp);
  network_.Deliver();
  const clsPuzzle& puzzle = window_->Controller().Puzzle();
  clock_.now += 5000;
  for (int d = 0; d < 10; ++d) DoubleClick(10 * puzzle.Symbols(d) + d);
  network_.Deliver();
  ASSERT_TRUE(window_->findChild<QWidget*>("picResults")->isVisible());
  const QList<QLabel*> times = window_->findChildren<QLabel*>("lblResTime");
  EXPECT_EQ(times[0]->text() + " " + times[1]->text(),
            QString::fromUtf8("0:05 \u2013"));  // the one who gave up has none
  EXPECT_EQ(window_->findChild<QLabel*>("lblNetRunning")->text(), "Net game over");
  const QList<QLabel*> rows = window_->findChildren<QLabel*>("lblResult");
  EXPECT_EQ(rows[1]->text(), "2. <img src=x>");
  EXPECT_EQ(rows[1]->textFormat(), Qt::PlainText);
}

// The first start offers the guided game; How to play starts it on an easy
// puzzle, says the aim first, and each step waits for the player's own marks
// of its framed cells: a short game, some symbols given.
TEST_F(MainWindowTest, TheGuidedGameIsShortAndWaitsForThePlayersMarks) {
  auto* note = window_->findChild<clsNoteView*>("txtNote");
  EXPECT_TRUE(QTest::qWaitFor([&] { return note->PlainText().contains("Play a short guided game"); }, 2000));
  QTest::mouseClick(Button("cmdHowToPlay"), Qt::LeftButton);
  EXPECT_EQ(RatePuzzle(window_->Controller().Puzzle()), Difficulty::Easy);
  EXPECT_TRUE(note->PlainText().startsWith("Guided game: The aim: find the digit each symbol stands for."));
  int steps = 0;
  for (; steps < 30 && window_->Controller().InGuide() && !window_->Controller().GameOver(); ++steps) {
    const QString said = note->accessibleName();  // with the symbols' names
    ASSERT_TRUE(said.startsWith("Guided game: ")) << said.toStdString();
    std::vector<int> framed;  // the frames move on with the last mark
    for (clsGridCell* cell : window_->findChildren<clsGridCell*>()) {
      if (cell->Frame() == clsGridCell::NoteFrame::Step) framed.push_back(cell->Index());
    }
    for (int index : framed) said.contains("Now double-click") ? DoubleClick(index) : Click(index);
    EXPECT_NE(note->accessibleName(), said);  // marked: the next step
  }
  EXPECT_LE(steps, 16);
  EXPECT_TRUE(note->PlainText().startsWith("Solved: well done!"));
}

// Hint shows a step beside the grid and frames its cells; pressed again it
// marks all it concludes as one step undo takes back. Check frames a wrong mark.
TEST_F(MainWindowTest, HintExplainsThenMarksAndCheckFramesAWrongMark) {
  auto* note = window_->findChild<clsNoteView*>("txtNote");
  // A new game's rating, laid out just after the window first shows.
  EXPECT_TRUE(QTest::qWaitFor([&] { return note->PlainText().startsWith("Difficulty: "); }, 2000));
  QTest::mouseClick(Button("cmdHint"), Qt::LeftButton);
  const HintResult hint = NextHint(window_->Controller().Puzzle(), window_->Controller().SolveStatus());
  ASSERT_TRUE(hint.deduction);
  const std::vector<Fact> facts = hint.deduction->facts;
  const auto index = [](const Fact& fact) { return 10 * fact.symbol + fact.digit; };
  EXPECT_EQ(Cell(index(facts.back()))->Frame(), clsGridCell::NoteFrame::Step);
  // Symbols are pictures in the note, and named for a reader.
  const std::string symbolName = SymbolName(emptyCatalogue_, kStyleModern, facts.back().symbol);
  EXPECT_TRUE(note->accessibleName().contains(QString::fromStdString(symbolName)))
      << note->accessibleName().toStdString();
  QTest::mouseClick(Button("cmdHint"), Qt::LeftButton);
  for (const Fact& fact : facts) EXPECT_EQ(Status(index(fact)), fact.is ? kCellYes : kCellNo);
  EXPECT_EQ(Cell(index(facts.back()))->Frame(), clsGridCell::NoteFrame::None);
  QTest::mouseClick(Button("cmdUndo"), Qt::LeftButton);
  for (const Fact& fact : facts) EXPECT_EQ(Status(index(fact)), kCellOpen);

  QTest::mouseClick(Button("cmdCheck"), Qt::LeftButton);
  EXPECT_EQ(note->PlainText(), "Nothing is wrong so far.");
  EXPECT_EQ(note->Overflow(), 0);
  note->SetNote(QString("Far too long. ").repeated(300), {});  // a smaller font cannot hold it either: it scrolls
  ASSERT_GT(note->Overflow(), 0);
  QTest::keyClick(note, Qt::Key_PageDown);
  QTest::keyClick(note, Qt::Key_End);  // no key of the note's: nothing moves
  EXPECT_EQ(note->Offset(), std::min(note->Overflow(), note->height() - note->fontMetrics().lineSpacing()));
  const clsPuzzle& puzzle = window_->Controller().Puzzle();
  const int wrong = 10 * puzzle.Symbols(3) + 4;  // the symbol of 3 declared as 4
  DoubleClick(wrong);
  QTest::mouseClick(Button("cmdCheck"), Qt::LeftButton);
  EXPECT_EQ(Cell(wrong)->Frame(), clsGridCell::NoteFrame::Step);
}

// A note already shown follows a change of language at once.
TEST_F(MainWindowTest, TheNoteFollowsTheLanguage) {
  clsCatalogue languages;
  languages.LoadLanguages(GLYPH_PROGRAM_DIR);
  languages.SetCurrentTranslation(languages.FindLanguage("Deutsch"));
  Open(languages);
  auto* note = window_->findChild<clsNoteView*>("txtNote");
  QTest::mouseClick(Button("cmdHint"), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return note->PlainText().contains("noch einmal auf Tipp"); }, 2000));
  const QString german = note->PlainText();
  languages.SetCurrentTranslation(languages.FindLanguage("English"));
  QTest::mouseClick(Button("cmdOptions"), Qt::LeftButton);
  window_->Session().Handle(SessionEvent::DialogAnswer(window_->Session().View().dialog.id, true, {}, kStyleModern));
  EXPECT_NE(note->PlainText(), german);
  EXPECT_TRUE(note->PlainText().contains("Press Hint again")) << note->PlainText().toStdString();
}

// A whole puzzle played with keys only, a wrong digit taken back with
// Ctrl+Z; a click on a button leaves the keyboard with the grid.
TEST_F(MainWindowTest, AWholePuzzleWithKeysOnly) {
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  QWidget* grid = window_->findChild<QWidget*>("Picture1");
  QTest::mouseClick(Button("cmdHint"), Qt::LeftButton);
  ASSERT_TRUE(grid->hasFocus());
  const clsPuzzle& puzzle = window_->Controller().Puzzle();
  int row = 0;
  for (int d = 0; d < 10; ++d) {
    for (; row < puzzle.Symbols(d); ++row) QTest::keyClick(grid, Qt::Key_Down);
    for (; row > puzzle.Symbols(d); --row) QTest::keyClick(grid, Qt::Key_Up);
    if (d == 0) {
      QTest::keyClick(grid, Qt::Key_5);
      QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
    }
    QTest::keyClick(grid, static_cast<Qt::Key>(Qt::Key_0 + d));
  }
  // Solved: the board shows every digit, and the note says so beside the
  // board; nothing waits for an answer.
  EXPECT_TRUE(window_->Controller().GameOver());
  for (clsPictureCell* cell : window_->findChildren<clsPictureCell*>(QRegularExpression("^pic\\d[HZE]$"))) {
    EXPECT_TRUE(cell->PicturePath().contains("/digit")) << cell->PicturePath().toStdString();
  }
  auto* note = window_->findChild<clsNoteView*>("txtNote");
  EXPECT_TRUE(note->PlainText().startsWith("Solved in ")) << note->PlainText().toStdString();
  EXPECT_EQ(window_->Dialogs().OpenPrompt(), nullptr);
}

// The board and grid grow with the window, the buttons a little beside
// them, and the next window opens at the size the last one quit at. A
// screen smaller than the design shrinks the window to fit it.
TEST_F(MainWindowTest, TheBoardGrowsWithTheWindowWhichKeepsItsSize) {
  const QSize cell = Cell(0)->size();
  const QSize button = Button("cmdNew")->size();
  const QSize first = window_->size();
  window_->resize(first * 2);
  EXPECT_GT(Cell(0)->width(), 3 * cell.width() / 2);
  // The buttons grow a little with the board, no more than a third or so.
  EXPECT_GT(Button("cmdNew")->width(), button.width());
  EXPECT_LE(Button("cmdNew")->width(), button.width() * 3 / 2);
  EXPECT_GT(Button("cmdNew")->x(), Cell(99)->mapTo(window_.get(), QPoint(Cell(99)->width(), 0)).x());
  // Under the grid the note keeps the room of a few lines, inside the window.
  const QRect note = window_->findChild<clsNoteView*>("txtNote")->geometry();
  EXPECT_GE(note.height(), 90);
  EXPECT_LT(note.bottom(), window_->height());
  QTest::mouseClick(Button("cmdClose"), Qt::LeftButton);
  AnswerPrompt(true);  // Quit asks first
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window_->isVisible(); }, 2000));
  Open(emptyCatalogue_);
  EXPECT_EQ(window_->size(), first * 2);
  // As narrow as a column beside a browser; every dialog opens on the screen.
  EXPECT_LE(window_->minimumSize().width(), 440);
  EXPECT_LE(window_->minimumSize().height(), 500);
  QTest::mouseClick(Button("cmdStatistics"), Qt::LeftButton);
  QDialog* statistics = window_->Dialogs().OpenDialog();
  ASSERT_NE(statistics, nullptr);
  EXPECT_TRUE(window_->screen()->availableGeometry().contains(statistics->geometry()));
}

double Contrast(QColor one, QColor other) {
  const auto luminance = [](QColor c) {
    const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const double a = luminance(one);
  const double b = luminance(other);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The contrast of the most distinct pixel of a picture against its ground.
double ContrastOnGround(const QPixmap& picture, QColor ground) {
  QImage image(picture.size(), QImage::Format_RGB32);
  image.fill(ground);
  QPainter(&image).drawPixmap(0, 0, picture);
  double best = 1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) best = std::max(best, Contrast(image.pixelColor(x, y), ground));
  }
  return best;
}

// P pauses: board and grid hide under the cover and the clock stands; a
// click on the cover goes on.
TEST_F(MainWindowTest, PauseCoversTheBoardUntilAClick) {
  auto* cover = window_->findChild<QLabel*>("lblPaused");
  Click(12);  // a newcomer's clock runs from the first action
  QTest::keyClick(window_.get(), Qt::Key_P);
  ASSERT_TRUE(cover->isVisible());
  EXPECT_TRUE(cover->geometry().contains(Cell(99)->geometry().translated(Cell(99)->parentWidget()->pos())));
  QTest::mouseClick(cover, Qt::LeftButton);
  EXPECT_FALSE(cover->isVisible());
  EXPECT_EQ(window_->findChild<QLabel*>("lblClock")->text(), "0:00");
}

// Dark colours keep every digit of the grid and the board readable: 4.5:1
// for text, 3:1 for the greyed digits of ruled-out rows.
TEST_F(MainWindowTest, DarkColoursKeepTheirContrast) {
  WriteSetting(fakes_.settings, Setting::Colours, "dark");
  Open(emptyCatalogue_);
  EXPECT_EQ(Cell(0)->BackColor(), ToQColor(kDarkBackColor));
  frmAllSymbols store;
  store.SetDark(true);
  for (GridLook look : {GridLook::Plain, GridLook::No, GridLook::Yes, GridLook::Greyed, GridLook::GreyedNo}) {
    const double least = look == GridLook::Greyed || look == GridLook::GreyedNo ? 3.0 : 4.5;
    const QPixmap cell = store.Render(frmAllSymbols::GridDigitPath(look, 8), QSize(40, 40), 1);
    EXPECT_GE(ContrastOnGround(cell, Qt::black), least) << static_cast<int>(look);
  }
  for (int style : {kStyleClassic, kStyleModern}) {
    const QPixmap digit = store.Picture(style, {PictureKind::Digit, 8}, QSize(40, 40), 1);
    for (Colour ground : {kDarkBackColor, kDarkVerdictRightColor, kDarkVerdictWrongColor}) {
      EXPECT_GE(ContrastOnGround(digit, ToQColor(ground)), 4.5) << style;
    }
    // Every part of every symbol stands out from the dark ground by 3:1.
    for (int symbol = 0; symbol < 10; ++symbol) {
      const QString path = frmAllSymbols::PicturePath(style, {PictureKind::Symbol, symbol});
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::ReadOnly));
      const QString dark = QString::fromLatin1(frmAllSymbols::DarkVersion(path, file.readAll()));
      QRegularExpressionMatchIterator colours = QRegularExpression("#[0-9A-Fa-f]{6}").globalMatch(dark);
      while (colours.hasNext()) {
        const QString colour = colours.next().captured(0);
        EXPECT_GE(Contrast(QColor(colour), ToQColor(kDarkBackColor)), 3.0)
            << path.toStdString() << " " << colour.toStdString();
      }
    }
  }
  // The whole program turns dark: the window and its buttons too.
  EXPECT_LT(Button("cmdNew")->palette().color(QPalette::Button).lightness(), 100);
  EXPECT_LT(window_->palette().color(QPalette::Window).lightness(), 100);
}

TEST(StatisticsWindow, ShowsEachCategoryAndANewBest) {
  clsStatistics statistics;
  for (int seconds : {125, 65}) {
    statistics.RecordStart(StatsCategory::Hard);
    statistics.RecordSolve(StatsCategory::Hard, seconds, true);
  }
  clsCatalogue catalogue;
  frmStatistics window(statistics, StatsCategory::Hard, catalogue);
  auto* table = window.findChild<QTableWidget*>("tblStatistics");
  ASSERT_EQ(table->columnCount(), 6);
  EXPECT_EQ(table->item(5, 2)->text(), "1:05");  // best
  EXPECT_EQ(table->item(6, 2)->text(), "1:35");  // median
  EXPECT_EQ(window.findChild<QLabel*>("lblNewBest")->text(), "New best time: 1:05 (Hard)");
  EXPECT_EQ(window.findChild<clsTimesChart*>()->Seconds(), (std::vector<int>{125, 65}));  // the new best's category
  table->setCurrentCell(0, 0);
  EXPECT_TRUE(window.findChild<clsTimesChart*>()->Seconds().empty());  // the chart follows the table
}

// In the lobby, main buttons and lobby controls show together: no two of
// them share an Alt key, in English or in German.
TEST_F(MainWindowTest, NoTwoVisibleControlsShareAMnemonic) {
  clsCatalogue german;
  german.LoadLanguages(GLYPH_PROGRAM_DIR);
  german.SetCurrentTranslation(german.FindLanguage("Deutsch"));
  for (clsCatalogue* catalogue : {&emptyCatalogue_, &german}) {
    Open(*catalogue);
    if (catalogue == &german) {  // the window speaks the language, tool tips included
      EXPECT_EQ(Button("cmdNew")->toolTip(), QString::fromUtf8("Ein neues R\u00E4tsel beginnen"));
    }
    HostRace(catalogue == &german ? "127.0.0.2" : "127.0.0.1");
    std::map<QKeySequence, QString> keys;
    for (QWidget* control : window_->findChildren<QWidget*>()) {
      QString text;
      if (auto* button = qobject_cast<QAbstractButton*>(control)) text = button->text();
      if (auto* label = qobject_cast<QLabel*>(control)) text = label->text();
      const QKeySequence key = QKeySequence::mnemonic(text);
      if (!control->isVisible() || key.isEmpty()) continue;
      EXPECT_FALSE(keys.count(key)) << text.toStdString() << " and " << keys[key].toStdString();
      keys[key] = text;
    }
  }
}

}  // namespace
}  // namespace glyph
