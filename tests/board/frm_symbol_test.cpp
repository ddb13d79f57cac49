#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "board/frm_symbol.h"
#include "support/main_window_fakes.h"
#include "board/picture_cell.h"
#include "i18n/cls_catalogue.h"
#include "i18n/language_choice.h"
#include "platform/user_locale.h"
#include "storage/settings_keys.h"

namespace glyph {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void Open(clsCatalogue& catalogue) {
    window_ = std::make_unique<frmSymbol>(
        fakes_.Services(catalogue));
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

  clsMainWindowFakes fakes_{77};
  clsCatalogue emptyCatalogue_;
  std::unique_ptr<frmSymbol> window_;
};

TEST_F(MainWindowTest, HasEveryNamedControl) {
  for (int k = 1; k <= 9; ++k) {
    for (const char* place : {"H", "Z", "E"}) {
      EXPECT_NE(window_->findChild<clsPictureCell*>(QString("pic%1%2").arg(k).arg(place)), nullptr);
    }
  }
  for (int i = 1; i <= 3; ++i) {
    for (const char* name : {"picOpVert", "picOpHorz", "picEqual"}) {
      EXPECT_NE(window_->findChild<clsPictureCell*>(QString("%1%2").arg(name).arg(i)), nullptr);
    }
  }
  for (int k = 0; k < 10; ++k) EXPECT_NE(window_->findChild<clsPictureCell*>(QString("picMatrixSymbol%1").arg(k)), nullptr);
  EXPECT_EQ(window_->findChildren<clsGridCell*>("picRaster").size(), 100);
  for (const char* name : {"picPuzzle", "Picture1", "picRasterSymbols", "Line1"}) {
    EXPECT_NE(window_->findChild<QWidget*>(name), nullptr) << name;
  }
  for (const char* name : {"cmdNew", "cmdClear", "cmdSolve", "cmdClose", "cmdAddBookmark", "cmdOpenBookmark",
                           "cmdSave", "cmdLoad", "cmdPrint", "cmdOptions", "cmdNetworkGame", "cmdHelp",
                           "cmdHomepage"}) {
    ASSERT_NE(Button(name), nullptr) << name;
    EXPECT_FALSE(Button(name)->toolTip().isEmpty()) << name;
  }
  EXPECT_EQ(Button("cmdNew")->text(), "&New game");
}

TEST_F(MainWindowTest, TitleBecomesTheFullNameAfterStartUp) {
  EXPECT_EQ(window_->windowTitle(), "Glyphmatic");
  QTRY_COMPARE_WITH_TIMEOUT(window_->windowTitle(), QString("Glyphmatic 2.0"), 3000);
}

TEST_F(MainWindowTest, ClicksAndDoubleClicksOnRealCells) {
  Click(47);
  EXPECT_EQ(Status(47), kCellNo);
  Click(47);
  EXPECT_EQ(Status(47), kCellOpen);

  DoubleClick(47);  // open: yes, and its row and column greyed
  EXPECT_EQ(Status(47), kCellYes);
  EXPECT_EQ(Status(40), kCellGreyed);
  EXPECT_EQ(Status(97), kCellGreyed);
  EXPECT_EQ(Cell(47)->PicturePath(), ":/assets/grid/yes7.svg");
  EXPECT_EQ(Cell(40)->PicturePath(), ":/assets/grid/greyed0.svg");

  DoubleClick(43);  // greyed: switched once by its click, never a yes
  EXPECT_EQ(Status(43), kCellGreyedNo);
  EXPECT_EQ(Cell(43)->PicturePath(), ":/assets/grid/greyedno3.svg");

  Click(5);
  DoubleClick(5);  // a no mark becomes yes through the click then double click
  EXPECT_EQ(Status(5), kCellYes);

  DoubleClick(47);  // yes: opened again, the row released
  EXPECT_EQ(Status(47), kCellOpen);
  EXPECT_EQ(Status(43), kCellNo);
}

TEST_F(MainWindowTest, BoardShowsTheDeclaredDigit) {
  clsPuzzle& puzzle = window_->Controller().Puzzle();
  const int symbol = puzzle.Symbols(DigitAt(puzzle.Number1(), 2));
  auto* hundreds = window_->findChild<clsPictureCell*>("pic1H");
  EXPECT_EQ(hundreds->PicturePath(), QString(":/assets/modern/symbol%1.svg").arg(symbol));
  DoubleClick(10 * symbol + 6);
  EXPECT_EQ(hundreds->PicturePath(), ":/assets/modern/digit6.svg");
}

TEST_F(MainWindowTest, NewGameAsksAndNoKeepsTheGame) {
  const std::string before = window_->Controller().Puzzle().MakeSendString();
  fakes_.asker.Answer(false);
  QTest::mouseClick(Button("cmdNew"), Qt::LeftButton);
  EXPECT_EQ(window_->Controller().Puzzle().MakeSendString(), before);
  fakes_.asker.Answer(true);
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  QTest::keyClick(window_.get(), Qt::Key_N, Qt::AltModifier);  // the button's shortcut
  // A shortcut presses the button visibly first and clicks it a moment later.
  EXPECT_TRUE(QTest::qWaitFor([this] { return fakes_.asker.Shown().size() == 2; }, 3000));
  EXPECT_NE(window_->Controller().Puzzle().MakeSendString(), before);
  EXPECT_EQ(fakes_.asker.Shown().size(), 2u);
}

TEST_F(MainWindowTest, RevealedSolutionDisablesSolveAndColoursTheBoard) {
  fakes_.asker.Answer(true);
  QTest::mouseClick(Button("cmdSolve"), Qt::LeftButton);
  EXPECT_FALSE(Button("cmdSolve")->isEnabled());
  // Nothing was marked: every digit is shown on the style's ground.
  auto* cell = window_->findChild<clsPictureCell*>("pic5E");
  EXPECT_TRUE(cell->PicturePath().contains("digit"));
  EXPECT_EQ(cell->BackColor(), QColor(255, 255, 255));
  Click(0);
  EXPECT_NE(Status(0), kCellNo);  // locked
}

TEST_F(MainWindowTest, BookmarkButtonsFollowTheGame) {
  EXPECT_FALSE(Button("cmdAddBookmark")->isEnabled());
  EXPECT_FALSE(Button("cmdOpenBookmark")->isEnabled());
  Click(12);
  EXPECT_TRUE(Button("cmdAddBookmark")->isEnabled());
  fakes_.bookmarkDialogs.Name("mine");
  QTest::mouseClick(Button("cmdAddBookmark"), Qt::LeftButton);
  EXPECT_FALSE(Button("cmdAddBookmark")->isEnabled());
  EXPECT_TRUE(Button("cmdOpenBookmark")->isEnabled());
  Click(12);
  EXPECT_TRUE(Button("cmdAddBookmark")->isEnabled());
  fakes_.bookmarkDialogs.OnList([](std::vector<clsSolveStatus>&) { return std::optional<std::size_t>(0); });
  QTest::mouseClick(Button("cmdOpenBookmark"), Qt::LeftButton);
  EXPECT_EQ(Status(12), kCellNo);  // the grid of the bookmark
}

TEST_F(MainWindowTest, PrintingWithoutAPrinterSaysSo) {
  fakes_.printers.installed = false;
  QTest::mouseClick(Button("cmdPrint"), Qt::LeftButton);
  ASSERT_EQ(fakes_.asker.Shown().size(), 1u);
  EXPECT_EQ(fakes_.asker.Shown()[0].text, "No printer installed");
  EXPECT_FALSE(fakes_.asker.Shown()[0].isQuestion);
  EXPECT_EQ(fakes_.printers.chosenStyle, -1);
}

TEST_F(MainWindowTest, ClosingWithTheWindowsOwnControlAsksNothing) {
  EXPECT_TRUE(window_->close());
  EXPECT_TRUE(fakes_.asker.Shown().empty());
}

TEST_F(MainWindowTest, QuitButtonAsks) {
  fakes_.asker.Answer(false);
  QTest::mouseClick(Button("cmdClose"), Qt::LeftButton);
  EXPECT_TRUE(window_->isVisible());
  fakes_.asker.Answer(true);
  QTest::mouseClick(Button("cmdClose"), Qt::LeftButton);
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(MainWindowTest, ANetworkSessionKeepsTheWindowOpen) {
  window_->Controller().SetNetworkSessionExists(true);
  EXPECT_FALSE(window_->close());
  EXPECT_TRUE(window_->isVisible());
  window_->Controller().SetNetworkSessionExists(false);
}

// A German desktop with nothing stored starts in German and stores it.
TEST_F(MainWindowTest, GermanDesktopStartsInGerman) {
  const QByteArray savedLang = qgetenv("LANG");
  qunsetenv("LC_ALL");
  qunsetenv("LC_MESSAGES");
  qputenv("LANG", "de_DE.UTF-8");
  clsCatalogue catalogue;
  clsMemorySettings settings;
  LoadLanguages(catalogue, GLYPH_PROGRAM_DIR, settings, GetLocaleString(kLocaleLanguageId));
  qputenv("LANG", savedLang);

  EXPECT_EQ(settings.Read(kSectionOptions, kKeyLanguage, ""), "Deutsch");
  Open(catalogue);
  EXPECT_EQ(Button("cmdNew")->text(), "&Neues Spiel");
  EXPECT_EQ(Button("cmdSolve")->text(), QString::fromUtf8("&Aufl\u00F6sen"));
  EXPECT_EQ(Button("cmdNew")->toolTip(), QString::fromUtf8("Ein neues R\u00E4tsel beginnen"));
}

}  // namespace
}  // namespace glyph
