// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "i18n/cls_catalogue.h"
#include "platform/qt_printer_system.h"
#include "storage/cls_memory_settings.h"
#include "storage/settings_table.h"
#include "support/recording_page_device.h"
#include "windows/frm_edit_bookmark.h"
#include "windows/frm_new_network.h"
#include "windows/frm_open_bookmark.h"
#include "windows/frm_print.h"

namespace glyph {
namespace {

TEST(BookmarkDialogs, TheNameDialogOffersTheNameSelected) {
  clsCatalogue catalogue;
  frmEditBookmark dialog(catalogue, "Bookmark 4");
  QSignalSpy named(&dialog, &frmEditBookmark::Named);
  dialog.show();
  auto* name = dialog.findChild<QLineEdit*>("txtName");
  EXPECT_EQ(name->selectedText(), "Bookmark 4");
  QTest::keyClicks(name, "Before the big guess");  // typing replaces it
  QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  ASSERT_EQ(named.size(), 1);
  EXPECT_EQ(named[0][0].value<std::string>(), "Before the big guess");
}

// The list asks the session for every change and shows the list it gets
// back; without a selection OK does nothing.
TEST(BookmarkDialogs, TheListAsksForChangesAndOpensTheSelectedOne) {
  clsCatalogue catalogue;
  frmOpenBookmark dialog(catalogue);
  QSignalSpy chosen(&dialog, &frmOpenBookmark::Chosen);
  QSignalSpy removal(&dialog, &frmOpenBookmark::RemoveAsked);
  dialog.SetItems({"Bookmark 1", "Bookmark 2", "Bookmark 3"}, 2);
  dialog.show();
  auto* list = dialog.findChild<QTreeWidget*>("lvBookmark");
  EXPECT_EQ(list->currentItem()->data(0, Qt::UserRole).toString(), "K3");  // the newest, selected
  QTest::mouseClick(dialog.findChild<QPushButton*>("cmdRemove"), Qt::LeftButton);
  ASSERT_EQ(removal.size(), 1);
  EXPECT_EQ(removal[0][0].toInt(), 2);
  dialog.SetItems({"Bookmark 1", "Bookmark 2"}, -1);
  EXPECT_EQ(list->topLevelItemCount(), 2);
  EXPECT_EQ(list->currentItem()->text(0), "Bookmark 2");  // the selection stays on its row

  list->clearSelection();
  QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  EXPECT_TRUE(chosen.isEmpty());
  QTreeWidgetItem* first = list->topLevelItem(0);
  const QPoint where = list->viewport()->mapTo(&dialog, list->visualItemRect(first).center());
  QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {}, where);  // as a real mouse delivers it
  ASSERT_EQ(chosen.size(), 1);
  EXPECT_EQ(chosen[0][0].toInt(), 0);
}

// A print target chosen at once: a recording page the test keeps.
class clsRecordingTargets : public clsPrintTargets {
 public:
  void ChoosePrinter(int style, QWidget*, Chosen chosen) override {
    chosenStyle = style;
    chosen(std::make_unique<Printed>(*this));
  }
  int chosenStyle = -1;
  clsRecordingPageDevice page{2 * 4800 + 300, 400 + 6800 + 100};

 private:
  // Draws on a copy of the page and hands it back once the job lets go.
  struct Printed : clsRecordingPageDevice {
    explicit Printed(clsRecordingTargets& targets) : clsRecordingPageDevice(targets.page), targets_(targets) {}
    ~Printed() override { targets_.page = *this; }
    clsRecordingTargets& targets_;
  };
};

class PrintDialogTest : public ::testing::Test {
 protected:
  PrintDialogTest() {
    puzzle_.GetSendString("-+-+-+740;227;967;518;356;162;222;583;805");
    dialog_ = std::make_unique<frmPrint>(puzzle_, 0, Difficulty::Any, targets_, catalogue_);
    dialog_->show();
  }
  clsCountBox* Count() { return dialog_->findChild<clsCountBox*>("txtCount"); }
  void Press(const char* name) { QTest::mouseClick(dialog_->findChild<QAbstractButton*>(name), Qt::LeftButton); }

  clsPuzzle puzzle_;
  clsRecordingTargets targets_;
  clsCatalogue catalogue_;
  std::unique_ptr<frmPrint> dialog_;
};

// The job runs beside the window; the dialog closes when it is done.
TEST_F(PrintDialogTest, PrintsOnTheChosenPrinterAndCloses) {
  for (Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down}) QTest::keyClick(Count(), key);
  EXPECT_EQ(Count()->text(), "3");
  dialog_->findChild<QCheckBox*>("chkSolution")->setChecked(true);
  Press("cmdPrint");
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog_->result() == QDialog::Accepted; }, 20000));
  EXPECT_EQ(targets_.chosenStyle, 0);
  EXPECT_EQ(targets_.page.Captions().size(), 6u);  // three puzzles, three solutions
  EXPECT_EQ(dialog_->findChild<QProgressBar*>("progressPrint")->value(), 6);
}

TEST_F(PrintDialogTest, APageTooSmallIsReported) {
  targets_.page = clsRecordingPageDevice(3000, 3000);
  Press("cmdPrint");
  QMessageBox* box = nullptr;
  ASSERT_TRUE(QTest::qWaitFor([&] { return (box = dialog_->findChild<QMessageBox*>()) != nullptr; }, 20000));
  EXPECT_EQ(box->text(), "The page is too small to hold a puzzle.");
  EXPECT_TRUE(targets_.page.drawn.empty());
  EXPECT_TRUE(dialog_->isVisible());
}

const std::vector<std::string> kAddresses{"192.168.0.20", "127.0.0.1"};

// The dialog opens with the stored choices (a blank name is the login
// name), hands on what is typed, and shows why the session refused it.
TEST(NewNetworkDialog, ShowsTheStoredChoicesAndARefusal) {
  clsMemorySettings settings;
  clsCatalogue catalogue;
  {
    frmNewNetwork first(settings, catalogue, kAddresses, "login");
    EXPECT_TRUE(first.findChild<QRadioButton*>("optHost")->isChecked());  // first use: host
    EXPECT_FALSE(first.findChild<QComboBox*>("cboRemoteIP")->isEnabled());
    EXPECT_FALSE(first.findChild<QComboBox*>("cboLocalIP")->isEditable());  // only this computer's addresses
    EXPECT_EQ(first.findChild<QLineEdit*>("txtName")->text(), "login");
  }
  settings.Write(kSectionNetworkGame, kKeyIsHost, "yes");  // only "Y" means host
  settings.Write(kSectionNetworkGame, kKeyRemoteIp, "192.168.0.5");
  settings.Write(kSectionNetworkGame, kKeyLastLocalIp, "127.0.0.1");
  frmNewNetwork dialog(settings, catalogue, kAddresses, "someone else");
  QSignalSpy chosen(&dialog, &frmNewNetwork::Chosen);
  dialog.show();
  EXPECT_TRUE(dialog.findChild<QRadioButton*>("optJoin")->isChecked());
  EXPECT_EQ(dialog.findChild<QComboBox*>("cboRemoteIP")->currentText(), "192.168.0.5");
  EXPECT_EQ(dialog.findChild<QComboBox*>("cboLocalIP")->currentText(), "127.0.0.1");
  dialog.findChild<QComboBox*>("cboRemoteIP")->setEditText("192.168.0.300");
  QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  ASSERT_EQ(chosen.size(), 1);
  EXPECT_EQ(chosen[0][0].value<NetworkChoice>().IPAddressHost, "192.168.0.300");
  EXPECT_EQ(chosen[0][1].value<std::string>(), "someone else");
  dialog.ShowRefusal("Wrong host", 1);
  EXPECT_TRUE(dialog.findChild<QLabel*>("lblRefusal")->isVisible());
  EXPECT_TRUE(dialog.findChild<QComboBox*>("cboRemoteIP")->hasFocus() || !dialog.isActiveWindow());
}

}  // namespace
}  // namespace glyph
