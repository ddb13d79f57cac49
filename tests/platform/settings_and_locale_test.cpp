#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/qt_settings_store.h"
#include "platform/user_locale.h"
#include "storage/settings_table.h"

namespace glyph {
namespace {

TEST(QtSettingsStore, ReadsDefaultsAndKeepsWritesAtOnce) {
  QTemporaryDir folder;
  const QString file = folder.filePath("Glyphmatic.ini");
  {
    clsQtSettingsStore settings(file);
    EXPECT_EQ(settings.Read(kSectionOptions, kKeyStyle, "1"), "1");
    settings.Write(kSectionOptions, kKeyLanguage,
                   "Fran\xE7"
                   "ais");
    settings.Write(kSectionNetworkGame, kKeyPlayerName, "J\xFCrgen");
  }
  clsQtSettingsStore reopened(file);
  EXPECT_EQ(reopened.Read(kSectionOptions, kKeyLanguage, ""),
            "Fran\xE7"
            "ais");
  EXPECT_EQ(reopened.Read(kSectionNetworkGame, kKeyPlayerName, ""), "J\xFCrgen");
  EXPECT_EQ(reopened.Read(kSectionNetworkGame, kKeyLanguage, "absent"), "absent");  // sections are apart
}

class UserLocaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : kVariables) saved_.push_back(qgetenv(name));
    for (const char* name : kVariables) qunsetenv(name);
  }
  void TearDown() override {
    for (std::size_t i = 0; i < saved_.size(); ++i) {
      if (saved_[i].isEmpty()) {
        qunsetenv(kVariables[i]);
      } else {
        qputenv(kVariables[i], saved_[i]);
      }
    }
  }
  static constexpr const char* kVariables[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
  std::vector<QByteArray> saved_;
};

TEST_F(UserLocaleTest, ReadsLcAllThenLcMessagesThenLang) {
  EXPECT_EQ(GetLocaleString(kLocaleLanguageId), "");
  qputenv("LANG", "de_DE.UTF-8");
  EXPECT_EQ(GetLocaleString(kLocaleLanguageId), "0407");
  qputenv("LC_MESSAGES", "fr_FR.UTF-8");
  EXPECT_EQ(GetLocaleString(kLocaleLanguageId), "040C");
  qputenv("LC_ALL", "en_GB.UTF-8");
  EXPECT_EQ(GetLocaleString(kLocaleLanguageId), "0809");
  EXPECT_EQ(GetLocaleString(2), "");
}

}  // namespace
}  // namespace glyph
