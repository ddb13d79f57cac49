// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <utility>

#include "storage/cls_settings_store.h"

namespace glyph {

// A settings store held in memory: for glyphtool and for tests.
class clsMemorySettings : public clsSettingsStore {
 public:
  std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue) const override {
    const auto found = values_.find({section, key});
    return found == values_.end() ? defaultValue : found->second;
  }
  void Write(const std::string& section, const std::string& key, const std::string& value) override {
    values_[{section, key}] = value;
  }
  bool Has(const std::string& section, const std::string& key) const { return values_.count({section, key}) > 0; }

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace glyph
