// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/language_choice.h"

#include <algorithm>
#include <cstdio>

#include "i18n/ansi_case.h"
#include "i18n/cls_catalogue.h"
#include "i18n/locale_table.h"
#include "storage/cls_settings_store.h"
#include "storage/settings_table.h"

namespace glyph {

namespace {

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string ToLower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 0x20) : c; });
  return lower;
}

// The key of the last row with this code, as the table is searched backwards.
std::string_view KeyOfCode(std::string_view code) {
  const auto& table = LocaleTable();
  for (auto row = table.rbegin(); row != table.rend(); ++row) {
    if (row->code == code) return row->key;
  }
  return {};
}

}  // namespace

std::string LcidToLocaleCode(std::string_view languageId) {
  std::string_view s = languageId;
  while (s.size() >= 2 && (s.front() == '&' || s.front() == 'x' || s.front() == 'X' || s.front() == '0')) {
    s.remove_prefix(1);
  }
  const std::string key = AnsiUpper(s);
  for (const LocaleRow& row : LocaleTable()) {
    if (row.key == key) return std::string(row.code);
  }
  return {};
}

std::string LanguageIdForLocaleName(std::string_view localeName) {
  // "de_DE.UTF-8@euro": the encoding and the modifier play no part.
  std::string_view name = localeName.substr(0, localeName.find_first_of(".@"));
  // The C and POSIX locales are a user who chose no language: US English,
  // not the first language of the list.
  if (name == "C" || name == "POSIX") return "0409";
  std::string code = ToLower(name);
  std::replace(code.begin(), code.end(), '_', '-');

  std::string_view key = KeyOfCode(code);
  if (key.empty()) key = KeyOfCode(code.substr(0, code.find('-')));
  if (key.empty()) return {};
  char padded[8];
  std::snprintf(padded, sizeof padded, "%04X", static_cast<unsigned>(std::stoul(std::string(key), nullptr, 16)));
  return padded;
}

std::string GetDefaultLanguage(const clsCatalogue& catalogue, std::string_view languageId) {
  const std::string code = LcidToLocaleCode(languageId);
  const std::string prefix = AnsiUpper(code.substr(0, 2));
  for (const auto& language : catalogue.CollLanguages()) {
    if (AnsiUpper(Trim(language->Code())) == prefix) return language->Sprache();
  }
  return {};
}

void ChooseLanguage(clsCatalogue& catalogue, clsSettingsStore& settings, std::string_view languageId) {
  std::string name = ReadSetting(settings, Setting::Language);
  if (name.empty()) name = GetDefaultLanguage(catalogue, languageId);
  clsTranslation* found = name.empty() ? nullptr : catalogue.FindLanguage(name);
  if (found != nullptr) {
    catalogue.SetCurrentTranslation(found);
  } else if (!catalogue.CollLanguages().empty()) {
    catalogue.SetCurrentTranslation(catalogue.CollLanguages().front().get());
  }
  if (catalogue.CurrentTranslation() != nullptr) {
    WriteSetting(settings, Setting::Language, catalogue.CurrentTranslation()->Sprache());
  }
}

std::vector<std::filesystem::path> LoadLanguages(clsCatalogue& catalogue, const std::filesystem::path& folder,
                                                 clsSettingsStore& settings, std::string_view languageId) {
  std::vector<std::filesystem::path> unreadable = catalogue.LoadLanguages(folder);
  ChooseLanguage(catalogue, settings, languageId);
  return unreadable;
}

}  // namespace glyph
