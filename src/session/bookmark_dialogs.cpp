// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/bookmark_dialogs.h"

#include "core/cls_asker.h"
#include "i18n/cls_catalogue.h"

namespace glyph {

clsOpenBookmarkLogic::clsOpenBookmarkLogic(std::vector<clsSolveStatus>& bookmarks, clsAsker& asker,
                                           const clsCatalogue& catalogue, clsBookmarkDialogs& nameDialog)
    : bookmarks_(bookmarks), asker_(asker), catalogue_(catalogue), nameDialog_(nameDialog) {}

std::vector<clsOpenBookmarkLogic::Entry> clsOpenBookmarkLogic::Entries() const {
  std::vector<Entry> entries;
  for (std::size_t i = 0; i < bookmarks_.size(); ++i) {
    entries.push_back({"K" + std::to_string(i + 1), bookmarks_[i].Name()});
  }
  return entries;
}

int clsOpenBookmarkLogic::InitialSelection() const { return static_cast<int>(bookmarks_.size()) - 1; }

std::string clsOpenBookmarkLogic::Header() const {
  return catalogue_.GetTranslation(kModule, "lvHeader1", "Bookmarks");
}

bool clsOpenBookmarkLogic::Remove(int row) {
  if (!IsRow(row)) return false;
  if (!asker_.AskYesNo(
          catalogue_.GetTranslation(kModule, "strMsgRemBookmark", "Do you really want to remove this bookmark?"),
          catalogue_.GetTranslation(kModule, "strMsgTitBookmark", "Remove bookmark"), MessageIcon::Question, false)) {
    return false;
  }
  bookmarks_.erase(bookmarks_.begin() + row);
  return true;
}

bool clsOpenBookmarkLogic::Rename(int row) {
  if (!IsRow(row)) return false;
  clsSolveStatus& bookmark = bookmarks_[static_cast<std::size_t>(row)];
  const std::optional<std::string> name = nameDialog_.EditName(bookmark.Name());
  if (!name) return false;
  bookmark.SetName(*name);
  return true;
}

bool clsOpenBookmarkLogic::Choose(int row) {
  if (!IsRow(row)) return false;
  selected_ = static_cast<std::size_t>(row);
  ok_ = true;
  return true;
}

}  // namespace glyph
