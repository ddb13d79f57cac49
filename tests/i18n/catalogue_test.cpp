#include <gtest/gtest.h>
#include <sys/stat.h>

#include "i18n/cls_catalogue.h"
#include "support/language_files.h"

namespace glyph {
namespace {

std::vector<std::string> Names(const clsCatalogue& catalogue) {
  std::vector<std::string> names;
  for (const auto& language : catalogue.CollLanguages()) names.push_back(language->Sprache());
  return names;
}

TEST(Catalogue, NoLanguageFilesMeansEnglishDefaults) {
  test::clsTempFolder folder;
  clsCatalogue catalogue;
  catalogue.ReadPlainLines({"[GlyphmaLang]", "(Deutsch|de)"});
  EXPECT_TRUE(catalogue.LoadLanguages(folder.Path()).empty());
  EXPECT_TRUE(catalogue.CollLanguages().empty());
  EXPECT_EQ(catalogue.GetTranslation("frmSymbol", "strMsgNewGame", "Do you really?"), "Do you really?");
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
  test::WriteLanguageFile(folder / "a.tsp",
                          {"[GlyphmaLang]", "(Deutsch|de)", "[Language:Deutsch]", "frmSymbol|cmdNew|Neu"});
  // No switch in b.tsp: its items go to Deutsch. Its first line comes before
  // its own header and is ignored.
  test::WriteLanguageFile(folder / "b.tsp",
                          {"frmSymbol|cmdOld|vor der Kopfzeile", "[GlyphmaLang]", "frmSymbol|cmdClear|Leeren",
                           "(English|en)", "[Language:English]", "frmSymbol|cmdNew|New"},
                          "\n");  // LF alone reads like CR LF
  test::WriteLanguageFile(folder / "c.tsp", {"[GlyphmaLang]", "[Language:Deutsch]", "frmSymbol|cmdSolve|L\xF6sen"});
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

TEST(Catalogue, AFileUnderAnotherKeyContributesNothing) {
  test::clsTempFolder folder;
  test::WriteLanguageFile(folder / "a.tsp", {"[GlyphmaLang]", "(Deutsch|de)"});
  clsCatalogue catalogue;
  catalogue.SetLanguageKey(kNetworkKey);
  catalogue.LoadLanguages(folder.Path());
  EXPECT_TRUE(catalogue.CollLanguages().empty());
}

}  // namespace
}  // namespace glyph
