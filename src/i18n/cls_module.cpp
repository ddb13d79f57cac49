#include "i18n/cls_module.h"

#include "i18n/ansi_case.h"

namespace glyph {

void clsModule::AddItem(const std::string& itemName, const std::string& translation) {
  for (clsItem& item : items_) {
    if (item.ItemName == itemName) {
      if (item.Translation.empty()) item.Translation = translation;
      return;
    }
  }
  items_.push_back({itemName, translation});
}

const clsItem* clsModule::FindItem(std::string_view itemName) const {
  for (const clsItem& item : items_) {
    if (EqualsIgnoreCase(item.ItemName, itemName)) return &item;
  }
  return nullptr;
}

}  // namespace glyph
