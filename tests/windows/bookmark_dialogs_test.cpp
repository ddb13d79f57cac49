#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "i18n/cls_catalogue.h"
#include "session/bookmark_dialogs.h"
#include "support/scripted_asker.h"
#include "support/scripted_dialogs.h"
#include "windows/frm_edit_bookmark.h"
#include "windows/frm_open_bookmark.h"

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

  frmEditBookmark cancelled(catalogue_, "Bookmark 5");
  cancelled.show();
  QTest::mouseClick(cancelled.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
  EXPECT_FALSE(cancelled.OK());
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

}  // namespace
}  // namespace glyph
