// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/cls_file_chooser.h"
#include "session/bookmark_dialogs.h"

namespace glyph {

// File dialogs that return the paths a test gives them ("" is a cancel).
class clsScriptedFileChooser : public clsFileChooser {
 public:
  void Choose(const std::string& path) { paths_.push_back(path); }
  std::string ChooseFileToOpen(const std::string& filter) override { return Next(filter); }
  std::string ChooseFileToSave(const std::string& filter, const std::string&) override { return Next(filter); }
  std::vector<std::string> filters;

 private:
  std::string Next(const std::string& filter) {
    filters.push_back(filter);
    if (paths_.empty()) throw std::logic_error("unexpected file dialog");
    std::string path = paths_.front();
    paths_.pop_front();
    return path;
  }
  std::deque<std::string> paths_;
};

// Bookmark dialogs answered from a script: a name (nothing for Cancel), and
// for the list dialog an action on the list and the position chosen.
class clsScriptedBookmarkDialogs : public clsBookmarkDialogs {
 public:
  using ListAction = std::function<std::optional<std::size_t>(std::vector<clsSolveStatus>&)>;

  void Name(std::optional<std::string> name) { names_.push_back(std::move(name)); }
  void OnList(ListAction action) { lists_.push_back(std::move(action)); }

  std::optional<std::string> EditName(const std::string& name) override {
    namesOffered.push_back(name);
    if (names_.empty()) throw std::logic_error("unexpected name dialog");
    auto answer = names_.front();
    names_.pop_front();
    return answer;
  }
  std::optional<std::size_t> ChooseBookmark(std::vector<clsSolveStatus>& bookmarks) override {
    if (lists_.empty()) throw std::logic_error("unexpected bookmark list");
    auto action = lists_.front();
    lists_.pop_front();
    return action(bookmarks);
  }
  std::vector<std::string> namesOffered;

 private:
  std::deque<std::optional<std::string>> names_;
  std::deque<ListAction> lists_;
};

}  // namespace glyph
