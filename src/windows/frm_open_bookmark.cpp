// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/frm_open_bookmark.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/ansi_text.h"
#include "platform/translate_form.h"

namespace glyph {

namespace {

QPushButton* AddButton(QWidget* parent, QLayout* layout, const char* name, const char* text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  layout->addWidget(button);
  return button;
}

}  // namespace

frmOpenBookmark::frmOpenBookmark(clsOpenBookmarkLogic& logic, const clsCatalogue& catalogue, QWidget* parent)
    : QDialog(parent), logic_(logic) {
  setObjectName("frmOpenBookmark");
  setWindowTitle("Open bookmark");
  lvBookmark_ = new QTreeWidget(this);
  lvBookmark_->setObjectName("lvBookmark");
  lvBookmark_->setColumnCount(1);
  lvBookmark_->setRootIsDecorated(false);
  lvBookmark_->setEditTriggers(QAbstractItemView::NoEditTriggers);  // names change through Rename only
  lvBookmark_->setMinimumSize(280, 220);

  auto* side = new QVBoxLayout;
  QPushButton* cmdOK = AddButton(this, side, "cmdOK", "OK");
  QPushButton* cmdCancel = AddButton(this, side, "cmdCancel", "Cancel");
  side->addSpacing(12);
  QPushButton* cmdRename = AddButton(this, side, "cmdRename", "Re&name");
  QPushButton* cmdRemove = AddButton(this, side, "cmdRemove", "&Remove");
  side->addStretch();
  cmdOK->setDefault(true);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(lvBookmark_);
  layout->addLayout(side);

  connect(cmdOK, &QPushButton::clicked, this, &frmOpenBookmark::Choose);
  connect(lvBookmark_, &QTreeWidget::itemDoubleClicked, this, &frmOpenBookmark::Choose);
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(cmdRemove, &QPushButton::clicked, this, [this] {
    const int row = SelectedRow();
    if (logic_.Remove(row)) delete lvBookmark_->takeTopLevelItem(row);
  });
  connect(cmdRename, &QPushButton::clicked, this, [this] {
    const int row = SelectedRow();
    if (logic_.Rename(row)) lvBookmark_->topLevelItem(row)->setText(0, FromAnsi(logic_.Entries()[row].text));
  });

  TranslateForm(this, catalogue);
  lvBookmark_->setHeaderLabels({FromAnsi(logic_.Header())});
  Fill();
}

void frmOpenBookmark::Fill() {
  for (const clsOpenBookmarkLogic::Entry& entry : logic_.Entries()) {
    auto* item = new QTreeWidgetItem(lvBookmark_, {FromAnsi(entry.text)});
    item->setData(0, Qt::UserRole, QString::fromStdString(entry.key));
  }
  const int newest = logic_.InitialSelection();
  if (newest >= 0) lvBookmark_->setCurrentItem(lvBookmark_->topLevelItem(newest));
}

int frmOpenBookmark::SelectedRow() const {
  const QList<QTreeWidgetItem*> selected = lvBookmark_->selectedItems();
  return selected.isEmpty() ? -1 : lvBookmark_->indexOfTopLevelItem(selected.front());
}

void frmOpenBookmark::Choose() {
  if (logic_.Choose(SelectedRow())) accept();  // without a selection the dialog stays open
}

}  // namespace glyph
