// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QStringList>
#include <array>

namespace glyph {

class clsGridCell;
class clsPictureCell;

// The solution grid's panel: a header column of the ten symbols and the
// hundred cells, one row per symbol and one column per digit. It takes the
// keyboard for the grid. A screen reader finds it as a table with those rows
// and columns, and follows the keyboard's cursor as the focused cell.
class clsGridPanel : public QFrame {
  Q_OBJECT

 public:
  explicit clsGridPanel(QWidget* parent);
  ~clsGridPanel() override;

  // The cells in reading order and the symbol that heads each row; the
  // headers may sit in a frame of their own inside the panel.
  void Adopt(const std::array<clsGridCell*, 100>& cells, const std::array<clsPictureCell*, 10>& rowHeaders);
  clsGridCell* Cell(int row, int column) const;
  clsPictureCell* RowHeader(int row) const;
  // The row a header cell heads, -1 for any other widget.
  int RowOfHeader(const QObject* widget) const;

  // What a reader says of a column ("Digit 3"); the columns have no picture.
  QString ColumnName(int column) const;
  void SetColumnNames(const QStringList& names) { columnNames_ = names; }

  // The cell under the keyboard's cursor (row * 10 + column). While the
  // grid has the focus, a move tells the screen reader the new cell.
  void SetCursor(int index);
  int CursorIndex() const { return cursor_; }
  // The cell a reader should treat as focused: the cursor's, while the
  // grid has the keyboard.
  clsGridCell* FocusedCell() const;

 protected:
  void focusInEvent(QFocusEvent* event) override;

 private:
  void AnnounceCursor();

  std::array<clsGridCell*, 100> cells_{};
  std::array<clsPictureCell*, 10> rowHeaders_{};
  QStringList columnNames_;
  int cursor_ = 0;
};

}  // namespace glyph
