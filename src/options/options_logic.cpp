// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/options_logic.h"

#include "core/deduction.h"
#include "i18n/ansi_case.h"
#include "i18n/cls_catalogue.h"
#include "storage/cls_settings_store.h"
#include "storage/settings_table.h"

namespace glyph {

std::vector<std::string> StyleNames(const clsCatalogue& catalogue) {
  return {catalogue.GetTranslation(kOptionsModule, "strStyleClassic", "Classic"),
          catalogue.GetTranslation(kOptionsModule, "strStyleGlyph", "Glyphmatic 2.0")};
}

namespace {
constexpr Difficulty kLevels[] = {Difficulty::Any, Difficulty::Easy, Difficulty::Medium, Difficulty::Hard,
                                  Difficulty::Expert};
}  // namespace

std::vector<std::string> DifficultyNames(const clsCatalogue& catalogue) {
  return {catalogue.GetTranslation(kOptionsModule, "strLevelAny", "Any"),
          catalogue.GetTranslation(kOptionsModule, "strLevelEasy", "Easy"),
          catalogue.GetTranslation(kOptionsModule, "strLevelMedium", "Medium"),
          catalogue.GetTranslation(kOptionsModule, "strLevelHard", "Hard"),
          catalogue.GetTranslation(kOptionsModule, "strLevelExpert", "Expert")};
}

int StoredDifficulty(const clsSettingsStore& settings) {
  return static_cast<int>(DifficultyFromName(ReadSetting(settings, Setting::Difficulty)).value_or(Difficulty::Any));
}

void ConfirmDifficulty(clsSettingsStore& settings, int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kLevels))) return;
  WriteSetting(settings, Setting::Difficulty, DifficultyName(kLevels[index]));
}

namespace {
constexpr const char* kColourSchemes[] = {"classic", "dark", "desktop"};
}  // namespace

std::vector<std::string> ColourNames(const clsCatalogue& catalogue) {
  return {catalogue.GetTranslation(kOptionsModule, "strColoursClassic", "Classic"),
          catalogue.GetTranslation(kOptionsModule, "strColoursDark", "Dark"),
          catalogue.GetTranslation(kOptionsModule, "strColoursDesktop", "Follow the desktop")};
}

int StoredColours(const clsSettingsStore& settings) {
  const std::string stored = ReadSetting(settings, Setting::Colours);
  for (int i = 0; i < static_cast<int>(std::size(kColourSchemes)); ++i) {
    if (stored == kColourSchemes[i]) return i;
  }
  return 0;
}

void ConfirmColours(clsSettingsStore& settings, int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kColourSchemes))) return;
  WriteSetting(settings, Setting::Colours, kColourSchemes[index]);
}

bool StoredContinueGame(const clsSettingsStore& settings) { return ReadSetting(settings, Setting::ContinueGame) == "Y"; }

void ConfirmContinueGame(clsSettingsStore& settings, bool on) {
  WriteSetting(settings, Setting::ContinueGame, on ? "Y" : "N");
}

LanguageList FillLanguageList(const clsCatalogue& catalogue, const clsSettingsStore& settings) {
  // With no language stored yet, English is the one selected.
  const std::string stored = ReadSetting(settings, Setting::Language);
  const std::string current = AnsiUpper(stored.empty() ? "english" : stored);
  LanguageList list;
  for (const auto& language : catalogue.CollLanguages()) {
    if (AnsiUpper(language->Sprache()) == current) list.selected = static_cast<int>(list.names.size());
    list.names.push_back(language->Sprache());
  }
  return list;
}

void ConfirmOptions(clsCatalogue& catalogue, clsSettingsStore& settings, int styleIndex, int languageIndex) {
  const auto& languages = catalogue.CollLanguages();
  if (languageIndex >= 0 && languageIndex < static_cast<int>(languages.size())) {
    clsTranslation* language = languages[static_cast<std::size_t>(languageIndex)].get();
    WriteSetting(settings, Setting::Language, language->Sprache());
    catalogue.SetCurrentTranslation(language);
  }
  if (styleIndex == 0 || styleIndex == 1) WriteSetting(settings, Setting::Style, std::to_string(styleIndex));
}

}  // namespace glyph
