// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/cls_solve_status.h"

namespace glyph {

class clsAsker;
class clsCatalogue;

// The two bookmark dialogs as the main window's logic uses them.
class clsBookmarkDialogs {
 public:
  virtual ~clsBookmarkDialogs() = default;
  // frmEditBookmark: the name as confirmed, or nothing after Cancel.
  virtual std::optional<std::string> EditName(const std::string& name) = 0;
  // frmOpenBookmark over the list itself (removals and renames are final at
  // once): the position of the bookmark to open, or nothing after Cancel.
  virtual std::optional<std::size_t> ChooseBookmark(std::vector<clsSolveStatus>& bookmarks) = 0;
};

// What frmOpenBookmark decides: its entries, the removal with its question,
// the renaming through the name dialog, and the choice.
class clsOpenBookmarkLogic {
 public:
  static constexpr const char* kModule = "frmOpenBookmark";

  clsOpenBookmarkLogic(std::vector<clsSolveStatus>& bookmarks, clsAsker& asker, const clsCatalogue& catalogue,
                       clsBookmarkDialogs& nameDialog);

  struct Entry {
    std::string key;  // "K" + position counted from 1
    std::string text;
  };
  std::vector<Entry> Entries() const;
  // The newest bookmark, or -1 for an empty list.
  int InitialSelection() const;
  std::string Header() const;

  // Each takes the selected row, -1 for none, and does nothing without one.
  // Remove asks first; true when the bookmark is gone.
  bool Remove(int row);
  // True when the bookmark was renamed.
  bool Rename(int row);
  // OK or a double click: true when a bookmark was chosen.
  bool Choose(int row);

  bool OK() const { return ok_; }
  std::size_t SelSost() const { return selected_; }

 private:
  bool IsRow(int row) const { return row >= 0 && static_cast<std::size_t>(row) < bookmarks_.size(); }

  std::vector<clsSolveStatus>& bookmarks_;
  clsAsker& asker_;
  const clsCatalogue& catalogue_;
  clsBookmarkDialogs& nameDialog_;
  bool ok_ = false;
  std::size_t selected_ = 0;
};

}  // namespace glyph
