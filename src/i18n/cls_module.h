// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "i18n/cls_item.h"

namespace glyph {

// One window's group of texts in a language.
class clsModule {
 public:
  explicit clsModule(std::string moduleName) : moduleName_(std::move(moduleName)) {}

  // Adds an item, or fills an item of exactly that name (case counts here)
  // whose text is still empty: the first non-empty text wins.
  void AddItem(const std::string& itemName, const std::string& translation);

  // The first item whose name equals itemName without regard to case.
  const clsItem* FindItem(std::string_view itemName) const;

  const std::string& ModuleName() const { return moduleName_; }
  const std::vector<clsItem>& CollItems() const { return items_; }

 private:
  std::string moduleName_;
  std::vector<clsItem> items_;
  // Positions by exact name, and of the first item by upper-case name, so
  // that a file of many items reads in linear time.
  std::unordered_map<std::string, std::size_t> byName_;
  std::unordered_map<std::string, std::size_t> byUpperName_;
};

}  // namespace glyph
