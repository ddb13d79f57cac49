// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace glyph {

void UseQtTranslations(const std::string& languageCode) {
  static QTranslator* installed = nullptr;
  if (installed != nullptr) {
    QCoreApplication::removeTranslator(installed);
    delete installed;
    installed = nullptr;
  }
  const QString code = QString::fromStdString(languageCode).trimmed().left(2).toLower();
  if (code.isEmpty() || code == "en") return;
  auto* translator = new QTranslator;
  if (translator->load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
    installed = translator;
  } else {
    delete translator;
  }
}

}  // namespace glyph
