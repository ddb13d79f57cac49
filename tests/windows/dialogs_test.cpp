// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "core/cls_system_random.h"
#include "i18n/cls_catalogue.h"
#include "session/bookmark_dialogs.h"
#include "storage/cls_memory_settings.h"
#include "storage/settings_table.h"
#include "support/fake_printers.h"
#include "support/scripted_asker.h"
#include "support/scripted_dialogs.h"
#include "windows/frm_edit_bookmark.h"
#include "windows/frm_new_network.h"
#include "windows/frm_open_bookmark.h"
#include "windows/frm_print.h"

namespace glyph {
namespace {

std::vector<clsSolveStatus> ThreeBookmarks() {
  std::vector<clsSolveStatus> list(3);
  for (int i = 0; i < 3; ++i) {
    list[static_cast<std::size_t>(i)].SetStatus(i, i, kCellYes);
    list[static_cast<std::size_t>(i)].SetName("Bookmark " + std::to_string(i + 1));
  }
  return list;
}

class BookmarkDialogTest : public ::testing::Test {
 protected:
  std::vector<clsSolveStatus> list_ = ThreeBookmarks();
  clsScriptedAsker asker_;
  clsCatalogue catalogue_;
  clsScriptedBookmarkDialogs names_;
  clsOpenBookmarkLogic logic_{list_, asker_, catalogue_, names_};
};

TEST_F(BookmarkDialogTest, RemovingAsksAndRenamingUsesTheNameDialog) {
  EXPECT_FALSE(logic_.Remove(-1));  // no row selected: nothing, and nothing asked
  asker_.Answer(false);
  EXPECT_FALSE(logic_.Remove(1));
  EXPECT_EQ(asker_.Shown().at(0).title, "Remove bookmark");
  EXPECT_FALSE(asker_.Shown()[0].yesPreselected);
  names_.Name(std::nullopt);
  EXPECT_FALSE(logic_.Rename(0));
  names_.Name("");
  EXPECT_TRUE(logic_.Rename(0));
  EXPECT_EQ(list_[0].Name(), "");
  EXPECT_TRUE(logic_.Choose(0));  // a bookmark without a name still opens
}

TEST_F(BookmarkDialogTest, EditDialogOffersTheNameSelected) {
  frmEditBookmark dialog(catalogue_, "Bookmark 4");
  dialog.show();
  auto* name = dialog.findChild<QLineEdit*>("txtName");
  EXPECT_EQ(name->selectedText(), "Bookmark 4");
  QTest::keyClicks(name, "Before the big guess");  // typing replaces it
  QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  EXPECT_EQ(dialog.BookName(), "Before the big guess");
}

TEST_F(BookmarkDialogTest, OpenDialogListsRemovesRenamesAndOpens) {
  frmOpenBookmark dialog(logic_, catalogue_);
  dialog.show();
  auto* list = dialog.findChild<QTreeWidget*>("lvBookmark");
  EXPECT_EQ(list->currentItem()->data(0, Qt::UserRole).toString(), "K3");  // the newest, selected

  asker_.Answer(true);
  QTest::mouseClick(dialog.findChild<QPushButton*>("cmdRemove"), Qt::LeftButton);
  EXPECT_EQ(list->topLevelItemCount(), 2);
  EXPECT_EQ(list_.size(), 2u);

  list->setCurrentItem(list->topLevelItem(0));
  names_.Name("renamed");
  QTest::mouseClick(dialog.findChild<QPushButton*>("cmdRename"), Qt::LeftButton);
  EXPECT_EQ(list->topLevelItem(0)->text(0), "renamed");

  list->clearSelection();
  QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());  // nothing selected: OK does nothing
  EXPECT_FALSE(logic_.OK());

  QTreeWidgetItem* second = list->topLevelItem(1);
  const QPoint where = list->viewport()->mapTo(&dialog, list->visualItemRect(second).center());
  QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {}, where);  // as a real mouse delivers it
  EXPECT_TRUE(logic_.OK());
  EXPECT_EQ(logic_.SelSost(), 1u);
  EXPECT_FALSE(dialog.isVisible());
}

class PrintDialogTest : public ::testing::Test {
 protected:
  PrintDialogTest() {
    puzzle_.GetSendString("-+-+-+740;227;967;518;356;162;222;583;805");
    dialog_.show();
  }
  clsCountBox* Count() { return dialog_.findChild<clsCountBox*>("txtCount"); }
  void Press(const char* name) { QTest::mouseClick(dialog_.findChild<QAbstractButton*>(name), Qt::LeftButton); }

  clsPuzzle puzzle_;
  clsFakePrinterSystem printers_;
  clsSystemRandom random_{6};
  clsCatalogue catalogue_;
  clsScriptedAsker asker_;
  frmPrint dialog_{puzzle_, 0, printers_, random_, catalogue_, asker_};
};

TEST_F(PrintDialogTest, PrintsOnTheChosenPrinterAndCloses) {
  for (Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down}) QTest::keyClick(Count(), key);
  EXPECT_EQ(Count()->text(), "3");
  dialog_.findChild<QCheckBox*>("chkSolution")->setChecked(true);
  Press("cmdPrint");
  EXPECT_EQ(printers_.chosenStyle, 0);
  EXPECT_EQ(printers_.page.Captions().size(), 6u);  // three puzzles, three solutions
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

const std::vector<std::string> kAddresses{"192.168.0.20", "127.0.0.1"};

// A wrong host keeps the dialog open and stores nothing; a blank name is the
// login name; the next opening shows what was chosen.
TEST(NewNetworkDialog, RemembersItsFieldsAndAWrongHostKeepsItOpen) {
  clsMemorySettings settings;
  clsCatalogue catalogue;
  clsScriptedAsker asker;
  {
    frmNewNetwork dialog(settings, catalogue, asker, kAddresses, "login");
    dialog.show();
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("optHost")->isChecked());  // first use: host
    EXPECT_FALSE(dialog.findChild<QComboBox*>("cboRemoteIP")->isEnabled());
    EXPECT_FALSE(dialog.findChild<QComboBox*>("cboLocalIP")->isEditable());  // only this computer's addresses
    EXPECT_EQ(dialog.findChild<QLineEdit*>("txtName")->text(), "login");
    QTest::mouseClick(dialog.findChild<QRadioButton*>("optJoin"), Qt::LeftButton, {}, QPoint(8, 8));  // on its circle
    EXPECT_TRUE(dialog.findChild<QComboBox*>("cboRemoteIP")->isEnabled());
    dialog.findChild<QComboBox*>("cboLocalIP")->setCurrentIndex(1);
    dialog.findChild<QComboBox*>("cboRemoteIP")->setEditText("192.168.0.300");
    dialog.findChild<QLineEdit*>("txtName")->setText("   ");
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(asker.Titles().size(), 1u);
    EXPECT_FALSE(settings.Has(kSectionNetworkGame, kKeyIsHost));
    dialog.findChild<QComboBox*>("cboRemoteIP")->setEditText("192.168.0.5");
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    ASSERT_TRUE(dialog.OK());
    EXPECT_EQ(dialog.IPAddressLocal(), "127.0.0.1");
  }
  settings.Write(kSectionNetworkGame, kKeyIsHost, "yes");  // only "Y" means host
  frmNewNetwork again(settings, catalogue, asker, kAddresses, "someone else");
  EXPECT_TRUE(again.findChild<QRadioButton*>("optJoin")->isChecked());
  EXPECT_EQ(again.findChild<QComboBox*>("cboRemoteIP")->currentText(), "192.168.0.5");
  EXPECT_EQ(again.findChild<QComboBox*>("cboLocalIP")->currentText(), "127.0.0.1");
  EXPECT_EQ(again.findChild<QLineEdit*>("txtName")->text(), "login");
}

}  // namespace
}  // namespace glyph
