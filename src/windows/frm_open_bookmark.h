// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "session/bookmark_dialogs.h"

class QTreeWidget;

namespace glyph {

// Lists the bookmarks of the game to open one, rename it or remove it. It
// works on the list itself: a removal is final at once.
class frmOpenBookmark : public QDialog {
  Q_OBJECT

 public:
  frmOpenBookmark(clsOpenBookmarkLogic& logic, const clsCatalogue& catalogue, QWidget* parent = nullptr);

 private:
  int SelectedRow() const;
  void Fill();
  void Choose();

  clsOpenBookmarkLogic& logic_;
  QTreeWidget* lvBookmark_;
};

}  // namespace glyph
