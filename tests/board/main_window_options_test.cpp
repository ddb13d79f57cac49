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
#include "core/cls_system_random.h"
#include "i18n/cls_catalogue.h"
#include "options/frm_options.h"
#include "storage/cls_memory_settings.h"
#include "storage/settings_keys.h"
#include "support/fake_desktop.h"
#include "support/scripted_asker.h"
#include "support/fake_network.h"
#include "support/fake_printers.h"
#include "support/scripted_dialogs.h"

namespace glyph {
namespace {

class MainWindowDesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    catalogue_.LoadLanguages(GLYPH_PROGRAM_DIR);  // English and German, as shipped
    catalogue_.SetCurrentTranslation(catalogue_.FindLanguage("English"));
    settings_.Write(kSectionOptions, kKeyLanguage, "English");
    window_ = std::make_unique<frmSymbol>(
        MainWindowServices{asker_, settings_, random_, catalogue_, desktop_, registrar_, files_, bookmarkDialogs_, printers_, clock_, socket_, networkDialog_, GLYPH_PROGRAM_DIR});
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

  clsScriptedAsker asker_;
  clsMemorySettings settings_;
  clsSystemRandom random_{5};
  clsCatalogue catalogue_;
  clsRecordingDesktop desktop_;
  clsRecordingRegistrar registrar_;
  clsScriptedFileChooser files_;
  clsScriptedBookmarkDialogs bookmarkDialogs_;
  clsFakePrinterSystem printers_;
  clsFakeClock clock_;
  clsFakeNetwork network_;
  clsFakeNetwork::Socket socket_{network_};
  clsScriptedNetworkDialog networkDialog_;
  std::unique_ptr<frmSymbol> window_;
  QString optionsTitle_;
  QString languageSelectedAtOpening_;
};

TEST_F(MainWindowDesktopTest, FirstStartRegistersTheFileTypeOnce) {
  EXPECT_EQ(window_->windowTitle(), "Glyphmatic");
  QTRY_COMPARE_WITH_TIMEOUT(window_->windowTitle(), QString("Glyphmatic 2.0"), 3000);
  ASSERT_EQ(registrar_.registrations.size(), 1u);
  EXPECT_EQ(registrar_.registrations[0], std::string("gly Glyphmatic ") + GLYPH_PROGRAM_DIR + "/glyphmatic");
  EXPECT_EQ(settings_.Read(kSectionOptions, kKeyAssociation, ""), "Yes");

  // The next start finds "Association" and registers nothing.
  frmSymbol second(MainWindowServices{asker_, settings_, random_, catalogue_, desktop_, registrar_, files_, bookmarkDialogs_, printers_, clock_, socket_, networkDialog_, GLYPH_PROGRAM_DIR});
  second.StartUp({});
  second.StartUpTick();
  EXPECT_EQ(registrar_.registrations.size(), 1u);
}

TEST_F(MainWindowDesktopTest, HelpAndWebPages) {
  QTest::mouseClick(Button("cmdHelp"), Qt::LeftButton);
  ASSERT_EQ(desktop_.helpShown.size(), 1u);
  EXPECT_EQ(desktop_.helpShown[0].first, std::string(GLYPH_PROGRAM_DIR) + "/glyph_en.html");
  EXPECT_EQ(desktop_.helpShown[0].second, 1000);

  QTest::mouseClick(Button("cmdHomepage"), Qt::LeftButton);
  auto* label = window_->findChild<QLabel*>("lblHomepage");
  emit label->linkActivated(kMakerWebPage);
  EXPECT_EQ(desktop_.pagesOpened, (std::vector<std::string>{kProductWebPage, kMakerWebPage}));
  EXPECT_TRUE(label->text().contains("glyphmatic.example"));
}

TEST_F(MainWindowDesktopTest, SwitchingToGermanRetranslatesAtOnce) {
  WhenOptionsOpen("Deutsch", -1, "cmdOK");
  QTest::mouseClick(Button("cmdOptions"), Qt::LeftButton);
  EXPECT_EQ(optionsTitle_, "Options");
  EXPECT_EQ(languageSelectedAtOpening_, "English");
  EXPECT_EQ(settings_.Read(kSectionOptions, kKeyLanguage, ""), "Deutsch");
  EXPECT_EQ(Button("cmdNew")->text(), "&Neues Spiel");
  EXPECT_EQ(Button("cmdClose")->text(), "&Beenden");
  EXPECT_EQ(Button("cmdOptions")->text(), "&Optionen");
  EXPECT_EQ(window_->windowTitle(), "Glyphmatic 2.0");
  EXPECT_EQ(window_->HelpFile(), std::string(GLYPH_PROGRAM_DIR) + "/glyph_de.html");

  asker_.Answer(false);
  QTest::mouseClick(Button("cmdNew"), Qt::LeftButton);
  EXPECT_EQ(asker_.Shown().at(0).text, "M\xF6" "chten Sie wirklich ein neues Spiel beginnen?");
}

TEST_F(MainWindowDesktopTest, SwitchingStyleKeepsMarksAndVerdicts) {
  clsGameController& game = window_->Controller();
  game.ClickCell(33);
  game.DoubleClickCell(33);
  asker_.Answer(true);
  QTest::mouseClick(Button("cmdSolve"), Qt::LeftButton);
  const std::string grid = game.SolveStatus().MakeStatusString();
  const BoardView before = game.Board();

  WhenOptionsOpen("", 0, "cmdOK");
  QTest::mouseClick(Button("cmdOptions"), Qt::LeftButton);
  EXPECT_EQ(game.Style(), kStyleClassic);
  EXPECT_EQ(settings_.Read(kSectionOptions, kKeyStyle, ""), "0");
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
  EXPECT_EQ(settings_.Read(kSectionOptions, kKeyLanguage, ""), "English");
  EXPECT_FALSE(settings_.Has(kSectionOptions, kKeyStyle));
  EXPECT_EQ(window_->Controller().Style(), kStyleModern);
  EXPECT_EQ(Button("cmdNew")->text(), "&New game");
}

TEST_F(MainWindowDesktopTest, AStoredLanguageWithoutFileIsKept) {
  settings_.Write(kSectionOptions, kKeyLanguage, "Klingon");
  WhenOptionsOpen("", -1, "cmdOK");
  QTest::mouseClick(Button("cmdOptions"), Qt::LeftButton);
  EXPECT_EQ(languageSelectedAtOpening_, "");
  EXPECT_EQ(settings_.Read(kSectionOptions, kKeyLanguage, ""), "Klingon");
  EXPECT_EQ(catalogue_.CurrentTranslation()->Sprache(), "English");
  EXPECT_EQ(settings_.Read(kSectionOptions, kKeyStyle, ""), "1");  // the style is written all the same
}

}  // namespace
}  // namespace glyph
