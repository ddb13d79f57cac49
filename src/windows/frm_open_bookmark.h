// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QTreeWidget;

namespace glyph {

class clsCatalogue;

// Lists the bookmarks of the game to open one, rename it or remove it. The
// list is the session's: the dialog asks for a change and shows the list
// that comes back, so a removal or a rename is final at once.
class frmOpenBookmark : public QDialog {
  Q_OBJECT

 public:
  frmOpenBookmark(const clsCatalogue& catalogue, QWidget* parent = nullptr);
  // The names in order; the selection stays on its row, or goes to the
  // given one when none is selected yet.
  void SetItems(const std::vector<std::string>& names, int selected);

 signals:
  void Chosen(int row);
  void RemoveAsked(int row);
  void Renamed(int row, const std::string& name);

 private:
  int SelectedRow() const;
  void Rename();

  const clsCatalogue& catalogue_;
  QTreeWidget* lvBookmark_;
};

}  // namespace glyph
