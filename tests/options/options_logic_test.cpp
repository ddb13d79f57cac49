// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "i18n/cls_catalogue.h"
#include "options/options_logic.h"
#include "storage/cls_memory_settings.h"
#include "storage/settings_table.h"

namespace glyph {
namespace {

clsCatalogue ThreeLanguages() {
  clsCatalogue catalogue;
  catalogue.ReadPlainLines({"[GlyphmaLang]", "(English|en)", "(Deutsch|de)", "(Italiano|it)", "[Language:Italiano]",
                            "frmOptions|strStyleClassic|Classico"});
  return catalogue;
}

TEST(OptionsLogic, TheStoredLanguageIsSelectedWithoutRegardToCase) {
  clsCatalogue catalogue = ThreeLanguages();
  clsMemorySettings settings;
  LanguageList list = FillLanguageList(catalogue, settings);  // nothing stored: "english"
  EXPECT_EQ(list.names, (std::vector<std::string>{"Deutsch", "English", "Italiano"}));
  EXPECT_EQ(list.selected, 1);
  settings.Write(kSectionOptions, kKeyLanguage, "ITALIANO");
  EXPECT_EQ(FillLanguageList(catalogue, settings).selected, 2);
  settings.Write(kSectionOptions, kKeyLanguage, "Klingon");
  EXPECT_EQ(FillLanguageList(catalogue, settings).selected, -1);
}

TEST(OptionsLogic, ConfirmingStoresAndSwitches) {
  clsCatalogue catalogue = ThreeLanguages();
  clsMemorySettings settings;
  ConfirmOptions(catalogue, settings, 0, 2);
  EXPECT_EQ(settings.Read(kSectionOptions, kKeyLanguage, ""), "Italiano");
  EXPECT_EQ(settings.Read(kSectionOptions, kKeyStyle, ""), "0");
  EXPECT_EQ(catalogue.CurrentTranslation()->Sprache(), "Italiano");
  EXPECT_EQ(StyleNames(catalogue), (std::vector<std::string>{"Classico", "Glyphmatic 2.0"}));

  // Nothing selected: the language stays, nothing is written for it.
  clsMemorySettings untouched;
  ConfirmOptions(catalogue, untouched, -1, -1);
  EXPECT_FALSE(untouched.Has(kSectionOptions, kKeyLanguage));
  EXPECT_FALSE(untouched.Has(kSectionOptions, kKeyStyle));
  EXPECT_EQ(catalogue.CurrentTranslation()->Sprache(), "Italiano");

  ConfirmOptions(catalogue, untouched, 1, 0);  // the first language is one too
  EXPECT_EQ(untouched.Read(kSectionOptions, kKeyLanguage, ""), "Deutsch");
  clsCatalogue empty;
  clsMemorySettings none;
  ConfirmOptions(empty, none, 1, 0);  // no language files: an index finds nothing
  EXPECT_FALSE(none.Has(kSectionOptions, kKeyLanguage));
  EXPECT_EQ(none.Read(kSectionOptions, kKeyStyle, ""), "1");
}

// The preferred difficulty and the colours: "any" and "classic" until
// chosen; a choice outside the list keeps the one stored.
TEST(OptionsLogic, DifficultyIsStoredByName) {
  clsMemorySettings settings;
  EXPECT_EQ(StoredDifficulty(settings), 0);
  ConfirmDifficulty(settings, 3);
  EXPECT_EQ(settings.Read(kSectionPuzzles, kKeyDifficulty, ""), "hard");
  EXPECT_EQ(StoredDifficulty(settings), 3);
  ConfirmDifficulty(settings, 5);
  EXPECT_EQ(StoredDifficulty(settings), 3);
  // The colours likewise, by their stored names.
  ConfirmColours(settings, 1);
  EXPECT_EQ(settings.Read(kSectionOptions, kKeyColours, ""), "dark");
  for (int outside : {-1, 3}) ConfirmColours(settings, outside);
  EXPECT_EQ(StoredColours(settings), 1);
}

}  // namespace
}  // namespace glyph
