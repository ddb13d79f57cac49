#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include "board/frm_symbol.h"
#include "i18n/language_choice.h"
#include "i18n/program_catalogue.h"
#include "platform/user_locale.h"
#include "storage/cls_memory_settings.h"
#include "storage/settings_keys.h"

namespace glyph {
namespace {

TEST(MainWindow, OpensTitledAndClosesCleanly) {
  QPointer<frmSymbol> window = new frmSymbol;
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  EXPECT_EQ(window->windowTitle(), "Glyphmatic");
  EXPECT_TRUE(window->close());
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
}

// A German desktop with nothing stored starts in German and stores it.
TEST(MainWindow, GermanDesktopStartsInGerman) {
  const QByteArray savedLang = qgetenv("LANG");
  qunsetenv("LC_ALL");
  qunsetenv("LC_MESSAGES");
  qputenv("LANG", "de_DE.UTF-8");
  clsMemorySettings settings;
  LoadLanguages(ProgramCatalogue(), GLYPH_PROGRAM_DIR, settings, GetLocaleString(kLocaleLanguageId));
  qputenv("LANG", savedLang);

  EXPECT_EQ(settings.Read(kSectionOptions, kKeyLanguage, ""), "Deutsch");
  frmSymbol window;
  const QLabel* welcome = window.findChild<QLabel*>("lblWelcome");
  ASSERT_NE(welcome, nullptr);
  EXPECT_EQ(welcome->text(), "Willkommen bei Glyphmatic!");
  ProgramCatalogue().Clear();
}

}  // namespace
}  // namespace glyph
