#include <gtest/gtest.h>

#include <set>

#include "i18n/cls_catalogue.h"
#include "i18n/language_choice.h"
#include "i18n/locale_table.h"
#include "storage/cls_memory_settings.h"
#include "storage/settings_table.h"

namespace glyph {
namespace {

constexpr char kGerman[] = "0407";
constexpr char kUnknownLocale[] = "";

clsCatalogue CatalogueOf(const std::vector<std::string>& declarations) {
  clsCatalogue catalogue;
  std::vector<std::string> lines{"[GlyphmaLang]"};
  lines.insert(lines.end(), declarations.begin(), declarations.end());
  catalogue.ReadPlainLines(lines);
  return catalogue;
}

std::string Chosen(clsCatalogue& catalogue, clsMemorySettings& settings, const std::string& languageId) {
  ChooseLanguage(catalogue, settings, languageId);
  return catalogue.CurrentTranslation() == nullptr ? "(none)" : catalogue.CurrentTranslation()->Sprache();
}

TEST(LocaleTable, IdentifiersAreNormalisedBeforeTheLookup) {
  EXPECT_EQ(LcidToLocaleCode("0X0409"), "en-us");
  EXPECT_EQ(LcidToLocaleCode("&0409"), "en-us");
  EXPECT_EQ(LcidToLocaleCode("0000"), "");  // "0" is no key
  EXPECT_EQ(LcidToLocaleCode("041d"), "sv-se");
  EXPECT_EQ(LcidToLocaleCode("7"), "de");
}

TEST(LocaleTable, PosixLocaleNamesGiveFourDigitIdentifiers) {
  EXPECT_EQ(LanguageIdForLocaleName("de_XX"), "0007");  // unknown region: the language's own row
  EXPECT_EQ(LanguageIdForLocaleName("en_US.ISO-8859-1@euro"), "0409");
  EXPECT_EQ(LanguageIdForLocaleName("es_ES.UTF-8"), "040A");  // the later of two rows es-es
  EXPECT_EQ(LanguageIdForLocaleName("kok_IN"), "0457");
  EXPECT_EQ(LanguageIdForLocaleName("C.UTF-8"), "");
}

TEST(LanguageChoice, FirstStartOnAGermanDesktopThenTheStoredValueDecides) {
  clsCatalogue catalogue = CatalogueOf({"(English|en)", "(Deutsch|de)"});
  clsMemorySettings settings;
  EXPECT_EQ(Chosen(catalogue, settings, kGerman), "Deutsch");
  EXPECT_EQ(settings.Read(kSectionOptions, kKeyLanguage, "?"), "Deutsch");
  EXPECT_EQ(Chosen(catalogue, settings, "0409"), "Deutsch");  // the locale changed; the stored value wins
}

TEST(LanguageChoice, UnknownLocaleTakesTheFirstLanguageWithoutCodeElseTheFirst) {
  clsCatalogue withCodes = CatalogueOf({"(English|en)", "(Deutsch|de)"});
  clsMemorySettings settings;
  EXPECT_EQ(Chosen(withCodes, settings, kUnknownLocale), "Deutsch");

  clsCatalogue englishWithoutCode = CatalogueOf({"(English)", "(Deutsch|de)"});
  clsMemorySettings fresh;
  EXPECT_EQ(Chosen(englishWithoutCode, fresh, kUnknownLocale), "English");
}

TEST(LanguageChoice, OnlyTheFirstTwoLettersOfTheCodeCount) {
  clsCatalogue catalogue = CatalogueOf({"(Deutsch| de )", "(English|en)", "(Schwiizerdütsch|de-ch)"});
  EXPECT_EQ(GetDefaultLanguage(catalogue, "0807"), "Deutsch");  // de-ch gives DE, which the trimmed " de " is
  EXPECT_EQ(GetDefaultLanguage(catalogue, "0C09"), "English");
  EXPECT_EQ(GetDefaultLanguage(catalogue, "0411"), "");  // Japanese: nobody declares ja
  clsMemorySettings settings;
  EXPECT_EQ(Chosen(catalogue, settings, "0411"), "Deutsch");  // then the alphabetically first
}

TEST(LanguageChoice, StoredValueInAnotherCaseIsWrittenBackInTheFilesSpelling) {
  clsCatalogue catalogue = CatalogueOf({"(English|en)", "(Deutsch|de)"});
  clsMemorySettings settings;
  settings.Write(kSectionOptions, kKeyLanguage, "DEUTSCH");
  EXPECT_EQ(Chosen(catalogue, settings, "0409"), "Deutsch");
  EXPECT_EQ(settings.Read(kSectionOptions, kKeyLanguage, ""), "Deutsch");

  settings.Write(kSectionOptions, kKeyLanguage, "Klingon");
  EXPECT_EQ(Chosen(catalogue, settings, "0409"), "Deutsch");  // unknown: the first, stored instead
  EXPECT_EQ(settings.Read(kSectionOptions, kKeyLanguage, ""), "Deutsch");
}

TEST(LanguageChoice, NoLanguagesNoChoiceNothingWritten) {
  clsCatalogue catalogue;
  clsMemorySettings settings;
  EXPECT_EQ(Chosen(catalogue, settings, kGerman), "(none)");
  EXPECT_FALSE(settings.Has(kSectionOptions, kKeyLanguage));
}

}  // namespace
}  // namespace glyph
