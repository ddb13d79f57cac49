#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "core/cls_system_random.h"
#include "i18n/cls_catalogue.h"
#include "support/fake_printers.h"
#include "support/scripted_asker.h"
#include "windows/frm_print.h"

namespace glyph {
namespace {

class PrintDialogTest : public ::testing::Test {
 protected:
  PrintDialogTest() {
    puzzle_.GetSendString("-+-+-+740;227;967;518;356;162;222;583;805");
    dialog_.show();
  }
  QLineEdit* Count() { return dialog_.findChild<QLineEdit*>("txtCount"); }
  void Press(const char* name) { QTest::mouseClick(dialog_.findChild<QAbstractButton*>(name), Qt::LeftButton); }

  clsPuzzle puzzle_;
  clsFakePrinterSystem printers_;
  clsSystemRandom random_{6};
  clsCatalogue catalogue_;
  clsScriptedAsker asker_;
  frmPrint dialog_{puzzle_, 0, printers_, random_, catalogue_, asker_};
};

TEST_F(PrintDialogTest, CountAndSpinButtons) {
  EXPECT_EQ(dialog_.windowTitle(), "Print Glyphmatic");
  EXPECT_EQ(Count()->text(), "1");
  Press("UpDown1Up");
  Press("UpDown1Up");
  Press("UpDown1Down");
  EXPECT_EQ(Count()->text(), "2");
}

TEST_F(PrintDialogTest, PrintsOnTheChosenPrinterAndCloses) {
  Count()->setText("3");
  dialog_.findChild<QCheckBox*>("chkSolution")->setChecked(true);
  Press("cmdPrint");
  EXPECT_EQ(printers_.chosenStyle, 0);
  EXPECT_EQ(printers_.page.TextsStartingWith("Puzzle ").size(), 6u);  // three puzzles, three solutions
  EXPECT_EQ(dialog_.findChild<QProgressBar*>("progressPrint")->value(), 6);
  EXPECT_EQ(dialog_.result(), QDialog::Accepted);
}

TEST_F(PrintDialogTest, APageTooSmallIsReported) {
  printers_.page = clsRecordingPageDevice(3000, 3000);
  Press("cmdPrint");
  ASSERT_EQ(asker_.Shown().size(), 1u);
  EXPECT_EQ(asker_.Shown()[0].text, "The page is too small to hold a puzzle.");
  EXPECT_TRUE(printers_.page.drawn.empty());
}

}  // namespace
}  // namespace glyph
