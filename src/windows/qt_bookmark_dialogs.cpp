// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/qt_bookmark_dialogs.h"

#include <QApplication>

#include "windows/frm_edit_bookmark.h"
#include "windows/frm_open_bookmark.h"

namespace glyph {

namespace {

// A dialog opened from another dialog belongs over that one.
QWidget* Owner(QWidget* parent) {
  QWidget* modal = QApplication::activeModalWidget();
  return modal != nullptr ? modal : parent;
}

}  // namespace

std::optional<std::string> clsQtBookmarkDialogs::EditName(const std::string& name) {
  frmEditBookmark dialog(catalogue_, name, Owner(parent_));
  dialog.exec();
  if (!dialog.OK()) return std::nullopt;
  return dialog.BookName();
}

std::optional<std::size_t> clsQtBookmarkDialogs::ChooseBookmark(std::vector<clsSolveStatus>& bookmarks) {
  clsOpenBookmarkLogic logic(bookmarks, asker_, catalogue_, *this);
  frmOpenBookmark dialog(logic, catalogue_, Owner(parent_));
  dialog.exec();
  if (!logic.OK()) return std::nullopt;
  return logic.SelSost();
}

}  // namespace glyph
