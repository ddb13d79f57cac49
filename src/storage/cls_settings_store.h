// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace glyph {

// The per-user settings store: text values by section and key. Every read
// passes the default for an absent value; every write is kept at once.
class clsSettingsStore {
 public:
  virtual ~clsSettingsStore() = default;
  virtual std::string Read(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const = 0;
  virtual void Write(const std::string& section, const std::string& key, const std::string& value) = 0;
};

}  // namespace glyph
