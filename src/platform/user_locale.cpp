// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/user_locale.h"

#include <QByteArray>
#include <QtGlobal>

#include "i18n/language_choice.h"

namespace glyph {

std::string GetLocaleString(int infoType) {
  if (infoType != kLocaleLanguageId) return {};
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QByteArray value = qgetenv(variable);
    if (!value.isEmpty()) return LanguageIdForLocaleName(value.toStdString());
  }
  return LanguageIdForLocaleName("C");  // none set: the C locale
}

}  // namespace glyph
