// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>

#include "storage/cls_settings_store.h"

namespace glyph {

// The per-user settings of application "Glyphmatic" in QSettings, one group
// per section. Every write is flushed at once.
class clsQtSettingsStore : public clsSettingsStore {
 public:
  clsQtSettingsStore();
  // A settings file of its own, for tests and portable use.
  explicit clsQtSettingsStore(const QString& fileName);

  std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue) const override;
  void Write(const std::string& section, const std::string& key, const std::string& value) override;

 private:
  mutable QSettings settings_;
};

}  // namespace glyph
