// The main window's ties to the desktop: start-up timer, file association,
// help, web pages and the options dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "board/frm_symbol.h"
#include "support/main_window_fakes.h"
#include "i18n/cls_catalogue.h"
#include "options/frm_options.h"
#include "storage/settings_keys.h"

namespace glyph {
namespace {

class MainWindowDesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    catalogue_.LoadLanguages(GLYPH_PROGRAM_DIR);  // English and German, as shipped
    catalogue_.SetCurrentTranslation(catalogue_.FindLanguage("English"));
    fakes_.settings.Write(kSectionOptions, kKeyLanguage, "English");
    window_ = std::make_unique<frmSymbol>(
        fakes_.Services(catalogue_));
    window_->StartUp({});
    window_->show();
  }

  QPushButton* Button(const char* name) { return window_->findChild<QPushButton*>(name); }

  // Works the options dialog once it is open: choose, then press a button.
  void WhenOptionsOpen(const QString& language, int style, const char* button) {
    QTimer::singleShot(0, [=, this] {
      auto* dialog = qobject_cast<frmOptions*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      optionsTitle_ = dialog->windowTitle();
      auto* languages = dialog->findChild<QComboBox*>("cboLanguage");
      languageSelectedAtOpening_ = languages->currentText();
      if (!language.isEmpty()) languages->setCurrentIndex(languages->findText(language));
      if (style >= 0) dialog->findChild<QComboBox*>("cboStyle")->setCurrentIndex(style);
      QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    });
  }

  clsMainWindowFakes fakes_{5};
  clsCatalogue catalogue_;
  std::unique_ptr<frmSymbol> window_;
  QString optionsTitle_;
  QString languageSelectedAtOpening_;
};

TEST_F(MainWindowDesktopTest, FirstStartRegistersTheFileTypeOnce) {
  EXPECT_EQ(window_->windowTitle(), "Glyphmatic");
  QTRY_COMPARE_WITH_TIMEOUT(window_->windowTitle(), QString("Glyphmatic 2.0"), 3000);
  ASSERT_EQ(fakes_.registrar.registrations.size(), 1u);
  EXPECT_EQ(fakes_.registrar.registrations[0], std::string("gly Glyphmatic ") + GLYPH_PROGRAM_DIR + "/glyphmatic");
  EXPECT_EQ(fakes_.settings.Read(kSectionOptions, kKeyAssociation, ""), "Yes");

  // The next start finds "Association" and registers nothing.
  frmSymbol second(fakes_.Services(catalogue_));
  second.StartUp({});
  second.StartUpTick();
  EXPECT_EQ(fakes_.registrar.registrations.size(), 1u);
}

TEST_F(MainWindowDesktopTest, HelpAndWebPages) {
  QTest::mouseClick(Button("cmdHelp"), Qt::LeftButton);
  ASSERT_EQ(fakes_.desktop.helpShown.size(), 1u);
  EXPECT_EQ(fakes_.desktop.helpShown[0].first, std::string(GLYPH_PROGRAM_DIR) + "/glyph_en.html");
  EXPECT_EQ(fakes_.desktop.helpShown[0].second, 1000);

  QTest::mouseClick(Button("cmdHomepage"), Qt::LeftButton);
  auto* label = window_->findChild<QLabel*>("lblHomepage");
  emit label->linkActivated(kMakerWebPage);
  EXPECT_EQ(fakes_.desktop.pagesOpened, (std::vector<std::string>{kProductWebPage, kMakerWebPage}));
  EXPECT_TRUE(label->text().contains("glyphmatic.example"));
}

TEST_F(MainWindowDesktopTest, SwitchingToGermanRetranslatesAtOnce) {
  WhenOptionsOpen("Deutsch", -1, "cmdOK");
  QTest::mouseClick(Button("cmdOptions"), Qt::LeftButton);
  EXPECT_EQ(optionsTitle_, "Options");
  EXPECT_EQ(languageSelectedAtOpening_, "English");
  EXPECT_EQ(fakes_.settings.Read(kSectionOptions, kKeyLanguage, ""), "Deutsch");
  EXPECT_EQ(Button("cmdNew")->text(), "&Neues Spiel");
  EXPECT_EQ(Button("cmdClose")->text(), "&Beenden");
  EXPECT_EQ(Button("cmdOptions")->text(), "&Optionen");
  EXPECT_EQ(window_->windowTitle(), "Glyphmatic 2.0");
  EXPECT_EQ(window_->HelpFile(), std::string(GLYPH_PROGRAM_DIR) + "/glyph_de.html");

  fakes_.asker.Answer(false);
  QTest::mouseClick(Button("cmdNew"), Qt::LeftButton);
  EXPECT_EQ(fakes_.asker.Shown().at(0).text, "M\xF6" "chten Sie wirklich ein neues Spiel beginnen?");
}

TEST_F(MainWindowDesktopTest, SwitchingStyleKeepsMarksAndVerdicts) {
  clsGameController& game = window_->Controller();
  game.ClickCell(33);
  game.DoubleClickCell(33);
  fakes_.asker.Answer(true);
  QTest::mouseClick(Button("cmdSolve"), Qt::LeftButton);
  const std::string grid = game.SolveStatus().MakeStatusString();
  const BoardView before = game.Board();

  WhenOptionsOpen("", 0, "cmdOK");
  QTest::mouseClick(Button("cmdOptions"), Qt::LeftButton);
  EXPECT_EQ(game.Style(), kStyleClassic);
  EXPECT_EQ(fakes_.settings.Read(kSectionOptions, kKeyStyle, ""), "0");
  EXPECT_EQ(game.SolveStatus().MakeStatusString(), grid);
  for (std::size_t k = 0; k < 9; ++k) {
    for (std::size_t place = 0; place < 3; ++place) {
      const Colour was = before.digits[k][place].backColor;
      const Colour now = game.Board().digits[k][place].backColor;
      EXPECT_EQ(now, was == kModernBackColor ? kClassicBackColor : was);
    }
  }
  EXPECT_TRUE(window_->findChild<QWidget*>("pic1H")->property("picture").toString().contains("classic"));
}

TEST_F(MainWindowDesktopTest, CancelChangesNothing) {
  WhenOptionsOpen("Deutsch", 0, "cmdCancel");
  QTest::mouseClick(Button("cmdOptions"), Qt::LeftButton);
  EXPECT_EQ(fakes_.settings.Read(kSectionOptions, kKeyLanguage, ""), "English");
  EXPECT_FALSE(fakes_.settings.Has(kSectionOptions, kKeyStyle));
  EXPECT_EQ(window_->Controller().Style(), kStyleModern);
  EXPECT_EQ(Button("cmdNew")->text(), "&New game");
}

TEST_F(MainWindowDesktopTest, AStoredLanguageWithoutFileIsKept) {
  fakes_.settings.Write(kSectionOptions, kKeyLanguage, "Klingon");
  WhenOptionsOpen("", -1, "cmdOK");
  QTest::mouseClick(Button("cmdOptions"), Qt::LeftButton);
  EXPECT_EQ(languageSelectedAtOpening_, "");
  EXPECT_EQ(fakes_.settings.Read(kSectionOptions, kKeyLanguage, ""), "Klingon");
  EXPECT_EQ(catalogue_.CurrentTranslation()->Sprache(), "English");
  EXPECT_EQ(fakes_.settings.Read(kSectionOptions, kKeyStyle, ""), "1");  // the style is written all the same
}

}  // namespace
}  // namespace glyph
