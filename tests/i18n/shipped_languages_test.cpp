#include <gtest/gtest.h>

#include <set>

#include "i18n/cls_catalogue.h"

namespace glyph {
namespace {

using ItemKeys = std::set<std::pair<std::string, std::string>>;

ItemKeys KeysOf(const clsTranslation& language) {
  ItemKeys keys;
  for (const clsModule& module : language.CollModule()) {
    for (const clsItem& item : module.CollItems()) keys.insert({module.ModuleName(), item.ItemName});
  }
  return keys;
}

// The files the build enciphers beside the game: both load, and every text
// has its item in both, German translated throughout.
TEST(ShippedLanguages, EnglishAndGermanCarryTheSameItems) {
  clsCatalogue catalogue;
  EXPECT_TRUE(catalogue.LoadLanguages(GLYPH_PROGRAM_DIR).empty());
  const clsTranslation* english = catalogue.FindLanguage("English");
  const clsTranslation* german = catalogue.FindLanguage("Deutsch");
  ASSERT_NE(english, nullptr);
  ASSERT_NE(german, nullptr);
  EXPECT_EQ(english->Code(), "en");
  EXPECT_EQ(german->Code(), "de");
  EXPECT_EQ(KeysOf(*english), KeysOf(*german));
  EXPECT_GE(KeysOf(*english).size(), 2u);
  for (const clsModule& module : german->CollModule()) {
    for (const clsItem& item : module.CollItems()) {
      EXPECT_FALSE(item.Translation.empty()) << module.ModuleName() << "|" << item.ItemName;
      // German umlauts arrive as single Windows-1252 bytes, not as UTF-8 pairs.
      EXPECT_EQ(item.Translation.find('\xC3'), std::string::npos) << item.Translation;
    }
  }
}

}  // namespace
}  // namespace glyph
