// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/frm_open_bookmark.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "i18n/cls_catalogue.h"
#include "platform/ansi_text.h"
#include "platform/translate_form.h"
#include "windows/frm_edit_bookmark.h"

namespace glyph {

namespace {

QPushButton* AddButton(QWidget* parent, QLayout* layout, const char* name, const char* text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  layout->addWidget(button);
  return button;
}

}  // namespace

frmOpenBookmark::frmOpenBookmark(const clsCatalogue& catalogue, QWidget* parent)
    : QDialog(parent), catalogue_(catalogue) {
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

  // Without a selection, OK, Rename and Remove do nothing and the dialog stays.
  const auto choose = [this] {
    if (SelectedRow() >= 0) emit Chosen(SelectedRow());
  };
  connect(cmdOK, &QPushButton::clicked, this, choose);
  connect(lvBookmark_, &QTreeWidget::itemDoubleClicked, this, choose);
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(cmdRemove, &QPushButton::clicked, this, [this] {
    if (SelectedRow() >= 0) emit RemoveAsked(SelectedRow());
  });
  connect(cmdRename, &QPushButton::clicked, this, &frmOpenBookmark::Rename);

  TranslateForm(this, catalogue);
  lvBookmark_->setHeaderLabels({FromAnsi(catalogue.GetTranslation("frmOpenBookmark", "lvHeader1", "Bookmarks"))});
}

void frmOpenBookmark::SetItems(const std::vector<std::string>& names, int selected) {
  const int keep = SelectedRow();
  lvBookmark_->clear();
  for (std::size_t i = 0; i < names.size(); ++i) {
    auto* item = new QTreeWidgetItem(lvBookmark_, {FromAnsi(names[i])});
    item->setData(0, Qt::UserRole, QString("K%1").arg(i + 1));
  }
  const int row = std::min(keep >= 0 ? keep : selected, lvBookmark_->topLevelItemCount() - 1);
  if (row >= 0) lvBookmark_->setCurrentItem(lvBookmark_->topLevelItem(row));
}

int frmOpenBookmark::SelectedRow() const {
  const QList<QTreeWidgetItem*> selected = lvBookmark_->selectedItems();
  return selected.isEmpty() ? -1 : lvBookmark_->indexOfTopLevelItem(selected.front());
}

// The name dialog over this one; the new name goes to the session.
void frmOpenBookmark::Rename() {
  const int row = SelectedRow();
  if (row < 0) return;
  auto* name = new frmEditBookmark(catalogue_, ToAnsi(lvBookmark_->topLevelItem(row)->text(0)), this);
  name->setAttribute(Qt::WA_DeleteOnClose);
  connect(name, &frmEditBookmark::Named, this, [this, row](const std::string& text) { emit Renamed(row, text); });
  name->open();
}

}  // namespace glyph
