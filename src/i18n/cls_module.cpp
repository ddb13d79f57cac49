// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/cls_module.h"

#include "i18n/ansi_case.h"

namespace glyph {

void clsModule::AddItem(const std::string& itemName, const std::string& translation) {
  const auto known = byName_.find(itemName);
  if (known != byName_.end()) {
    clsItem& item = items_[known->second];
    if (item.Translation.empty()) item.Translation = translation;
    return;
  }
  byName_.emplace(itemName, items_.size());
  byUpperName_.emplace(AnsiUpper(itemName), items_.size());  // keeps the first of equal names
  items_.push_back({itemName, translation});
}

const clsItem* clsModule::FindItem(std::string_view itemName) const {
  const auto found = byUpperName_.find(AnsiUpper(itemName));
  return found == byUpperName_.end() ? nullptr : &items_[found->second];
}

}  // namespace glyph
