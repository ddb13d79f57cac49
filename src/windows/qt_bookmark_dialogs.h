// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include "session/bookmark_dialogs.h"

namespace glyph {

// The bookmark dialogs as modal windows over the main window.
class clsQtBookmarkDialogs : public clsBookmarkDialogs {
 public:
  clsQtBookmarkDialogs(clsAsker& asker, const clsCatalogue& catalogue) : asker_(asker), catalogue_(catalogue) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  std::optional<std::string> EditName(const std::string& name) override;
  std::optional<std::size_t> ChooseBookmark(std::vector<clsSolveStatus>& bookmarks) override;

 private:
  clsAsker& asker_;
  const clsCatalogue& catalogue_;
  QPointer<QWidget> parent_;
};

}  // namespace glyph
