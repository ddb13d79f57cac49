// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/grid_panel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "windows/picture_cell.h"

namespace glyph {

namespace {

constexpr int kSide = 10;
constexpr int kCellCount = kSide * kSide;

// Children of the table, in this order: the hundred cells (so a cell's
// index is row * 10 + column, as readers expect), the ten row headers, the
// ten column headers.
constexpr int kFirstRowHeader = kCellCount;
constexpr int kFirstColumnHeader = kFirstRowHeader + kSide;
constexpr int kChildCount = kFirstColumnHeader + kSide;

// Nothing once the panel is gone: its cells may outlive it by a moment.
QAccessibleInterface* TableOf(const QPointer<clsGridPanel>& panel) {
  return panel ? QAccessible::queryAccessibleInterface(panel.data()) : nullptr;
}

// A header names a row or a column of the table. The desktop's bridge asks
// every child of a table for its cell coordinates, so headers answer too:
// a row header stands in column -1, a column header in row -1.
class clsHeaderCellInterface : public QAccessibleTableCellInterface {
 public:
  clsHeaderCellInterface(clsGridPanel* panel, int row, int column) : panel_(panel), row_(row), column_(column) {}
  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return column_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return TableOf(panel_); }

 protected:
  QPointer<clsGridPanel> panel_;

 private:
  int row_;
  int column_;
};

// A column header has no widget: it exists for the reader alone.
class clsColumnHeaderAccess : public QAccessibleInterface, public clsHeaderCellInterface {
 public:
  clsColumnHeaderAccess(clsGridPanel* panel, int column) : clsHeaderCellInterface(panel, -1, column), column_(column) {}
  bool isValid() const override { return !panel_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return panel_ ? panel_->window()->windowHandle() : nullptr; }
  QRect rect() const override {
    const QWidget* top = panel_ ? panel_->Cell(0, column_) : nullptr;
    const QWidget* bottom = panel_ ? panel_->Cell(kSide - 1, column_) : nullptr;
    if (top == nullptr || bottom == nullptr) return {};
    return {top->mapToGlobal(QPoint(0, 0)), bottom->mapToGlobal(bottom->rect().bottomRight())};
  }
  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Name && panel_ ? panel_->ColumnName(column_) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.invisible = !panel_ || !panel_->isVisible();
    return state;
  }
  QAccessibleInterface* parent() const override { return TableOf(panel_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

 private:
  int column_;
};

// The symbol at the head of a row.
class clsRowHeaderAccess : public QAccessibleWidget, public clsHeaderCellInterface {
 public:
  clsRowHeaderAccess(QWidget* header, clsGridPanel* panel)
      : QAccessibleWidget(header, QAccessible::RowHeader), clsHeaderCellInterface(panel, -1, -1) {}
  QAccessibleInterface* parent() const override { return TableOf(panel_); }
  int rowIndex() const override { return panel_ ? panel_->RowOfHeader(object()) : -1; }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
};

// One cell: its row's symbol and column's digit are its headers; the
// cursor's cell is focused while the grid has the keyboard.
class clsGridCellAccess : public QAccessibleWidget, public QAccessibleTableCellInterface {
 public:
  clsGridCellAccess(clsGridCell* cell, clsGridPanel* panel)
      : QAccessibleWidget(cell, QAccessible::Cell), cell_(cell), panel_(panel) {}
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.focusable = true;
    state.focused = panel_ && panel_->FocusedCell() == cell_;
    return state;
  }
  QAccessibleInterface* parent() const override { return TableOf(panel_); }
  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override {
    return TableChild(kFirstColumnHeader + columnIndex());
  }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return TableChild(kFirstRowHeader + rowIndex()); }
  int columnIndex() const override { return cell_->Index() % kSide; }
  int rowIndex() const override { return cell_->Index() / kSide; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return TableOf(panel_); }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

 private:
  QList<QAccessibleInterface*> TableChild(int index) const {
    QAccessibleInterface* table = TableOf(panel_);
    QAccessibleInterface* child = table ? table->child(index) : nullptr;
    return child ? QList<QAccessibleInterface*>{child} : QList<QAccessibleInterface*>{};
  }

  clsGridCell* cell_;
  QPointer<clsGridPanel> panel_;
};

// The grid as a table of ten symbols by ten digits. Nothing in it is
// selected: the grid marks cells, it does not select them.
class clsGridTableAccess : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit clsGridTableAccess(clsGridPanel* panel) : QAccessibleWidget(panel, QAccessible::Table), panel_(panel) {}
  ~clsGridTableAccess() override {
    for (QAccessible::Id id : columnHeaderIds_) {
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
  }

  int childCount() const override { return kChildCount; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= kChildCount) return nullptr;
    if (index >= kFirstColumnHeader) return ColumnHeader(index - kFirstColumnHeader);
    QWidget* widget = index < kFirstRowHeader ? static_cast<QWidget*>(panel_->Cell(index / kSide, index % kSide))
                                              : panel_->RowHeader(index - kFirstRowHeader);
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < kChildCount; ++i) {
      if (this->child(i) == child) return i;
    }
    return -1;
  }
  QAccessibleInterface* focusChild() const override {
    clsGridCell* focused = panel_->FocusedCell();
    return focused ? QAccessible::queryAccessibleInterface(focused) : nullptr;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  // The desktop's bridge takes a child's index for row * 10 + column: the
  // headers after the cells answer as rows 10 and 11.
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || column < 0 || column >= kSide) return nullptr;
    return child(row * kSide + column);
  }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int column) const override { return panel_->ColumnName(column); }
  QString rowDescription(int row) const override {
    const QWidget* header = row >= 0 && row < kSide ? panel_->RowHeader(row) : nullptr;
    return header ? header->accessibleName() : QString();
  }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return kSide; }
  int rowCount() const override { return kSide; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  // Made when first asked for; the desktop's cache owns them, this table
  // lets them go with itself.
  QAccessibleInterface* ColumnHeader(int column) const {
    QAccessible::Id& id = columnHeaderIds_[static_cast<std::size_t>(column)];
    if (id == 0) id = QAccessible::registerAccessibleInterface(new clsColumnHeaderAccess(panel_, column));
    return QAccessible::accessibleInterface(id);
  }

  clsGridPanel* panel_;
  mutable std::array<QAccessible::Id, kSide> columnHeaderIds_{};
};

QAccessibleInterface* GridAccessFactory(const QString&, QObject* object) {
  if (auto* panel = qobject_cast<clsGridPanel*>(object)) return new clsGridTableAccess(panel);
  auto* widget = qobject_cast<clsPictureCell*>(object);
  auto* panel = widget ? qobject_cast<clsGridPanel*>(widget->parentWidget()) : nullptr;
  if (panel == nullptr) return nullptr;
  if (auto* cell = qobject_cast<clsGridCell*>(widget)) return new clsGridCellAccess(cell, panel);
  return new clsRowHeaderAccess(widget, panel);  // the panel's other pictures head its rows
}

}  // namespace

clsGridPanel::clsGridPanel(QWidget* parent) : QFrame(parent) {
  static const bool installed = [] {
    QAccessible::installFactory(GridAccessFactory);
    return true;
  }();
  (void)installed;
  setObjectName("Picture1");
  setFocusPolicy(Qt::StrongFocus);  // the grid takes keys (Tab reaches it)
}

// The cells go while the panel is whole: a reader told of their going asks
// for their table.
clsGridPanel::~clsGridPanel() {
  for (clsGridCell* cell : std::exchange(cells_, {})) delete cell;
  for (clsPictureCell* header : std::exchange(rowHeaders_, {})) delete header;
}

void clsGridPanel::Adopt(const std::array<clsGridCell*, 100>& cells,
                         const std::array<clsPictureCell*, 10>& rowHeaders) {
  cells_ = cells;
  rowHeaders_ = rowHeaders;
}

clsGridCell* clsGridPanel::Cell(int row, int column) const {
  return cells_[static_cast<std::size_t>(row * kSide + column)];
}

clsPictureCell* clsGridPanel::RowHeader(int row) const { return rowHeaders_[static_cast<std::size_t>(row)]; }

int clsGridPanel::RowOfHeader(const QObject* widget) const {
  for (int row = 0; row < kSide; ++row) {
    if (rowHeaders_[static_cast<std::size_t>(row)] == widget) return row;
  }
  return -1;
}

QString clsGridPanel::ColumnName(int column) const {
  return column >= 0 && column < columnNames_.size() ? columnNames_[column] : QString::number(column);
}

clsGridCell* clsGridPanel::FocusedCell() const {
  return hasFocus() && cursor_ >= 0 && cursor_ < kCellCount ? cells_[static_cast<std::size_t>(cursor_)] : nullptr;
}

void clsGridPanel::SetCursor(int index) {
  if (index == cursor_) return;
  cursor_ = index;
  if (hasFocus()) AnnounceCursor();
}

// The desktop reports the panel's own focus after this event; the cell's
// comes later, so that the reader ends on the cell.
void clsGridPanel::focusInEvent(QFocusEvent* event) {
  QFrame::focusInEvent(event);
  QTimer::singleShot(0, this, [this] {
    if (hasFocus()) AnnounceCursor();
  });
}

void clsGridPanel::AnnounceCursor() {
  clsGridCell* cell = FocusedCell();
  if (cell == nullptr) return;
  QAccessibleEvent focus(cell, QAccessible::Focus);
  QAccessible::updateAccessibility(&focus);
}

}  // namespace glyph
