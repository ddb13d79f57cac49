// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "i18n/cls_module.h"

namespace glyph {

// One language of the catalogue: its name (Sprache) and code as its file
// declares them, and its texts grouped by window.
class clsTranslation {
 public:
  clsTranslation(std::string sprache, std::string code) : sprache_(std::move(sprache)), code_(std::move(code)) {}

  // Takes one item line, module|item|text. A line that does not split into
  // exactly three fields at "|" is ignored; nothing is trimmed.
  void AddModuleAndItem(std::string_view line);

  // The first module whose name equals moduleName without regard to case.
  const clsModule* FindModule(std::string_view moduleName) const;

  const std::string& Sprache() const { return sprache_; }
  void SetSprache(std::string value) { sprache_ = std::move(value); }
  const std::string& Code() const { return code_; }
  void SetCode(std::string value) { code_ = std::move(value); }
  const std::vector<clsModule>& CollModule() const { return modules_; }

 private:
  std::string sprache_;
  std::string code_;
  std::vector<clsModule> modules_;
  std::unordered_map<std::string, std::size_t> byUpperName_;  // the first module of each name
  clsModule* Find(std::string_view moduleName);
};

}  // namespace glyph
