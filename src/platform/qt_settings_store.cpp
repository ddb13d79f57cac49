// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_settings_store.h"

#include "platform/ansi_text.h"

namespace glyph {

namespace {

QString KeyPath(const std::string& section, const std::string& key) { return FromAnsi(section) + "/" + FromAnsi(key); }

}  // namespace

clsQtSettingsStore::clsQtSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, "Glyphmatic", "Glyphmatic") {}

clsQtSettingsStore::clsQtSettingsStore(const QString& fileName) : settings_(fileName, QSettings::IniFormat) {}

std::string clsQtSettingsStore::Read(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) const {
  const QVariant value = settings_.value(KeyPath(section, key));
  return value.isValid() ? ToAnsi(value.toString()) : defaultValue;
}

void clsQtSettingsStore::Write(const std::string& section, const std::string& key, const std::string& value) {
  settings_.setValue(KeyPath(section, key), FromAnsi(value));
  settings_.sync();
}

}  // namespace glyph
