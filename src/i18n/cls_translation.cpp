// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/cls_translation.h"

#include "i18n/ansi_case.h"

namespace glyph {

void clsTranslation::AddModuleAndItem(std::string_view line) {
  const std::size_t first = line.find('|');
  if (first == std::string_view::npos) return;
  const std::size_t second = line.find('|', first + 1);
  if (second == std::string_view::npos || line.find('|', second + 1) != std::string_view::npos) return;

  const std::string_view moduleName = line.substr(0, first);
  const std::string itemName(line.substr(first + 1, second - first - 1));
  const std::string text(line.substr(second + 1));

  if (clsModule* module = Find(moduleName)) {
    module->AddItem(itemName, text);
    return;
  }
  byUpperName_.emplace(AnsiUpper(moduleName), modules_.size());
  modules_.emplace_back(std::string(moduleName));
  modules_.back().AddItem(itemName, text);
}

clsModule* clsTranslation::Find(std::string_view moduleName) {
  const auto found = byUpperName_.find(AnsiUpper(moduleName));
  return found == byUpperName_.end() ? nullptr : &modules_[found->second];
}

const clsModule* clsTranslation::FindModule(std::string_view moduleName) const {
  return const_cast<clsTranslation*>(this)->Find(moduleName);
}

}  // namespace glyph
