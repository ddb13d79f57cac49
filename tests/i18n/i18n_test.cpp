// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <set>

#include "core/deduction.h"
#include "i18n/ansi_case.h"
#include "i18n/cls_catalogue.h"
#include "i18n/language_choice.h"
#include "i18n/locale_table.h"
#include "storage/cls_memory_settings.h"
#include "storage/settings_table.h"
#include "support/language_files.h"

namespace glyph {
namespace {

std::vector<std::string> Names(const clsCatalogue& catalogue) {
  std::vector<std::string> names;
  for (const auto& language : catalogue.CollLanguages()) names.push_back(language->Sprache());
  return names;
}

TEST(Catalogue, LanguagesSortOrdinallyAndTheFirstDeclarationWins) {
  clsCatalogue catalogue;
  catalogue.ReadPlainLines(
      {"[GlyphmaLang]", "(Italiano|it)", "(Deutsch|de)", "(English|en)", "(deutsch|xx)", "(aaa)", "(Zulu|zu)"});
  catalogue.ReadPlainLines({"[GlyphmaLang]", "(DEUTSCH|yy)", "(Espa\xF1ol|es)"});
  // Upper case before lower case; byte by byte, so "English" before "Espa\xF1ol".
  EXPECT_EQ(Names(catalogue),
            (std::vector<std::string>{"Deutsch", "English", "Espa\xF1ol", "Italiano", "Zulu", "aaa"}));
  EXPECT_EQ(catalogue.FindLanguage("deutsch")->Code(), "de");
  EXPECT_EQ(catalogue.FindLanguage("AAA")->Code(), "");
  // Windows-1252 letters have cases too; the division sign has none.
  EXPECT_EQ(AnsiUpper("franz\xE7"
                      "ais \xF7\xFF"),
            "FRANZ\xC7"
            "AIS \xF7\x9F");
  EXPECT_EQ(catalogue.FindLanguage("Klingon"), nullptr);
}

TEST(Catalogue, FirstNonEmptyTextWinsAndEmptyTextsAreReturnedAsEmpty) {
  clsCatalogue catalogue;
  catalogue.ReadPlainLines({"[GlyphmaLang]", "(Deutsch|de)", "[Language:Deutsch]", "frmSymbol|strMsgLoadGame|",
                            "frmSymbol|strMsgLoadGame|Spiel laden?", "frmSymbol|strMsgLoadGame|Zu spät",
                            "frmSymbol|strEmpty|", "frmSymbol|cmdNew|&Neu", "frmSymbol|CMDNEW|NEU (zweites)"});
  EXPECT_EQ(catalogue.GetTranslation("frmSymbol", "strMsgLoadGame", "Load?"), "Spiel laden?");
  EXPECT_EQ(catalogue.GetTranslation("frmSymbol", "strEmpty", "Default"), "");
  // Looked up without regard to case, stored with it: the first stored is found.
  EXPECT_EQ(catalogue.GetTranslation("FRMSYMBOL", "cmdnew", "New"), "&Neu");
  EXPECT_EQ(catalogue.CurrentTranslation()->FindModule("frmsymbol")->CollItems().size(), 4u);
  EXPECT_EQ(catalogue.GetTranslation("frmPrint", "strMsgLoadGame", "Default"), "Default");
}

TEST(Catalogue, LinesThatAreNotItemsAreIgnored) {
  clsCatalogue catalogue;
  catalogue.ReadPlainLines({"(Before|bf)", "[Language:Before]", "frmSymbol|cmdNew|before the header", "[GlyphmaLang]",
                            "frmSymbol|cmdNew|before any switch", "(Deutsch|de)", "(", "[Language:",
                            "frmSymbol|cmdNew|still no target", "[Language:Deutsch]", "frmSymbol|cmdClear|A|B",
                            "frmSymbol|cmdClose", "plain words", "[Language:Nobody]", "frmSymbol|cmdSolve|to nowhere"});
  EXPECT_EQ(Names(catalogue), std::vector<std::string>{"Deutsch"});
  const clsTranslation* deutsch = catalogue.FindLanguage("Deutsch");
  EXPECT_TRUE(deutsch->CollModule().empty());
  EXPECT_EQ(catalogue.CurrentTranslation(), nullptr);  // the switch to Nobody found nothing
}

TEST(Catalogue, HeaderCountsPerFileButTheTargetCarriesOver) {
  test::clsTempFolder folder;
  test::WriteEnciphered(folder / "a.tsp", kLanguageFileKey,
                        {"[GlyphmaLang]", "(Deutsch|de)", "[Language:Deutsch]", "frmSymbol|cmdNew|Neu"});
  // No switch in b.tsp: its items go to Deutsch. Its first line comes before
  // its own header and is ignored.
  test::WriteEnciphered(folder / "b.tsp", kLanguageFileKey,
                        {"frmSymbol|cmdOld|vor der Kopfzeile", "[GlyphmaLang]", "frmSymbol|cmdClear|Leeren",
                         "(English|en)", "[Language:English]", "frmSymbol|cmdNew|New"},
                        "\n");  // LF alone reads like CR LF
  test::WriteEnciphered(folder / "c.tsp", kLanguageFileKey,
                        {"[GlyphmaLang]", "[Language:Deutsch]", "frmSymbol|cmdSolve|L\xF6sen"});
  // Neither a pipe (it would hang the start-up) nor a file too large is read.
  std::filesystem::create_symlink(folder / "missing", folder / "broken.tsp");
  ASSERT_EQ(mkfifo((folder / "pipe.tsp").c_str(), 0600), 0);
  std::ofstream(folder / "huge.tsp") << std::string(clsCatalogue::kLargestFile + 1, 'A');
  std::ofstream(folder / "notes.txt") << "not a language file";

  clsCatalogue catalogue;
  const auto unreadable = catalogue.LoadLanguages(folder.Path());
  EXPECT_EQ(unreadable,
            (std::vector<std::filesystem::path>{folder / "broken.tsp", folder / "huge.tsp", folder / "pipe.tsp"}));
  EXPECT_EQ(Names(catalogue), (std::vector<std::string>{"Deutsch", "English"}));
  catalogue.SetCurrentTranslation(catalogue.FindLanguage("Deutsch"));
  EXPECT_EQ(catalogue.GetTranslation("frmSymbol", "cmdNew", ""), "Neu");
  EXPECT_EQ(catalogue.GetTranslation("frmSymbol", "cmdClear", ""), "Leeren");
  EXPECT_EQ(catalogue.GetTranslation("frmSymbol", "cmdSolve", ""), "L\xF6sen");
  EXPECT_EQ(catalogue.GetTranslation("frmSymbol", "cmdOld", "none"), "none");
}

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

TEST(LocaleTable, IdentifiersAreNormalisedAndLocaleNamesLookedUp) {
  EXPECT_EQ(LcidToLocaleCode("0X0409"), "en-us");
  EXPECT_EQ(LcidToLocaleCode("&0409"), "en-us");
  EXPECT_EQ(LcidToLocaleCode("0000"), "");  // "0" is no key
  EXPECT_EQ(LcidToLocaleCode("041d"), "sv-se");
  EXPECT_EQ(LcidToLocaleCode("7"), "de");
  // POSIX locale names give four-digit identifiers.
  EXPECT_EQ(LanguageIdForLocaleName("de_XX"), "0007");  // unknown region: the language's own row
  EXPECT_EQ(LanguageIdForLocaleName("en_US.ISO-8859-1@euro"), "0409");
  EXPECT_EQ(LanguageIdForLocaleName("es_ES.UTF-8"), "040A");  // the later of two rows es-es
  EXPECT_EQ(LanguageIdForLocaleName("kok_IN"), "0457");
  EXPECT_EQ(LanguageIdForLocaleName("C.UTF-8"), "0409");  // no language chosen: US English
  EXPECT_EQ(LanguageIdForLocaleName("POSIX"), "0409");
  EXPECT_EQ(LanguageIdForLocaleName("xx_YY"), "");
}

// The stored language decides, written back in the file's spelling; else
// the desktop's; else the first declared without a code; else the first.
TEST(LanguageChoice, StoredThenDesktopThenFirstWithoutCodeThenFirst) {
  struct Case {
    std::vector<std::string> declarations;
    const char* stored;  // nullptr: nothing stored
    const char* locale;
    const char* chosen;
    const char* storedAfter;
  };
  const std::vector<std::string> both{"(English|en)", "(Deutsch|de)"};
  const Case cases[] = {
      {both, nullptr, "0407", "Deutsch", "Deutsch"},  // first start on a German desktop
      {both, "Deutsch", "0409", "Deutsch", "Deutsch"},
      {both, "DEUTSCH", "0409", "Deutsch", "Deutsch"},
      {both, "Klingon", "0409", "Deutsch", "Deutsch"},  // unknown: the first, stored instead
      {both, nullptr, "", "Deutsch", "Deutsch"},        // no locale and every language has a code
      {{"(English)", "(Deutsch|de)"}, nullptr, "", "English", "English"},
      {{"(Deutsch| de )", "(English|en)"}, nullptr, "0411", "Deutsch", "Deutsch"},  // nobody declares ja
      // Only a code's first two letters count, trimmed: de-ch (0807) is " de ".
      {{"(Deutsch| de )", "(English|en)", "(Schwiizerd\xFCtsch|de-ch)"}, nullptr, "0807", "Deutsch", "Deutsch"},
      {{"(Deutsch|de)", "(English|en)"}, nullptr, "0C09", "English", "English"},
      {{}, nullptr, "0407", "(none)", "(nothing)"},
  };
  for (const Case& c : cases) {
    clsCatalogue catalogue = CatalogueOf(c.declarations);
    clsMemorySettings settings;
    if (c.stored != nullptr) settings.Write(kSectionOptions, kKeyLanguage, c.stored);
    EXPECT_EQ(Chosen(catalogue, settings, c.locale), c.chosen) << (c.stored ? c.stored : "-") << " " << c.locale;
    EXPECT_EQ(settings.Read(kSectionOptions, kKeyLanguage, "(nothing)"), c.storedAfter);
  }
}

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

// The hints as the German file has them: a column step's subtraction, its
// edges and what besides the arithmetic rules its digits out, and a
// supposition whose own symbol is left without a digit.
TEST(ShippedLanguages, HintsReadInGerman) {
  clsCatalogue catalogue;
  catalogue.LoadLanguages(GLYPH_PROGRAM_DIR);
  catalogue.SetCurrentTranslation(catalogue.FindLanguage("Deutsch"));
  const TextSource german = [&](const char* key, const char* english) {
    return catalogue.GetTranslation(kMainWindowModule, key, english);
  };
  const auto hint = [&](const char* text, int number) {
    clsPuzzle puzzle;
    EXPECT_TRUE(puzzle.GetSendString(text));
    for (int d = 0; d < 10; ++d) puzzle.SetSymbols(d, static_cast<std::int16_t>(d));
    clsSolveStatus grid;
    for (int n = 0;; ++n) {
      HintResult next = NextHint(puzzle, grid);
      if (!next.deduction) return std::string("none");
      Elaborate(*next.deduction, ShapeOf(puzzle), MarksOf(grid));
      if (n == number) {
        return Explain(*next.deduction, ShapeOf(puzzle), german, [](int s) { return "S" + std::to_string(s); });
      }
      ApplyFacts(grid, next.deduction->facts);
    }
  };
  EXPECT_EQ(
      hint("-+-+-+750;115;865;514;414;100;236;529;765", 14),
      "In den Einern der ersten Spalte (S0 \x96 S4 = S6, von den Einern wird nichts geborgt) kann S6 nur 4 "
      "oder 6 bis 9 sein (5 w\xFCrde S4 und S6 zur selben Ziffer machen; f\xFCr 3 m\xFCsste von den Einern "
      "geborgt werden), also ist S6 nicht 1 bis 3 oder 5. Das st\xFCtzt sich auf: S0 ist 0; S4 ist nicht 7 bis 9.");
  EXPECT_EQ(hint("------760;438;322;332;173;159;428;265;163", 16),
            "Angenommen, S6 w\xE4re 0: Nach 2 Schritten der einfacheren Regeln gilt: in den Zehnern der dritten Zeile "
            "passen keine Ziffern mehr, also ist S6 nicht 0.");
}

}  // namespace
}  // namespace glyph
