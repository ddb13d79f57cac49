// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/settings_table.h"

#include <array>
#include <stdexcept>

#include "storage/cls_settings_store.h"

namespace glyph {

namespace {

constexpr const char* kStyles[] = {"0", "1", nullptr};
constexpr const char* kLevels[] = {"any", "easy", "medium", "hard", "expert", nullptr};

// The language "" lets the start-up choose one by the desktop's locale; the
// association "" means the file type was not registered yet.
constexpr const char* kYesNo[] = {"Y", "N", nullptr};
constexpr const char* kColourSchemes[] = {"classic", "dark", "desktop", nullptr};

constexpr std::array<SettingRule, 13> kRules{{
    {Setting::Language, kSectionOptions, kKeyLanguage, "", nullptr},
    {Setting::Style, kSectionOptions, kKeyStyle, "1", kStyles},
    {Setting::Association, kSectionOptions, kKeyAssociation, "", nullptr},
    // Only "Y" means host: any other stored value means join.
    {Setting::IsHost, kSectionNetworkGame, kKeyIsHost, "Y", nullptr},
    {Setting::RemoteIp, kSectionNetworkGame, kKeyRemoteIp, "", nullptr},
    {Setting::LastLocalIp, kSectionNetworkGame, kKeyLastLocalIp, "", nullptr},
    {Setting::PlayerName, kSectionNetworkGame, kKeyPlayerName, "", nullptr},
    {Setting::WindowGeometry, kSectionWindow, kKeyGeometry, "", nullptr},
    {Setting::Difficulty, kSectionPuzzles, kKeyDifficulty, "any", kLevels},
    {Setting::GuideOffered, kSectionPuzzles, kKeyGuideOffered, "N", kYesNo},
    {Setting::ContinueGame, kSectionOptions, kKeyContinueGame, "Y", kYesNo},
    {Setting::Colours, kSectionOptions, kKeyColours, "classic", kColourSchemes},
    {Setting::LastFolder, kSectionWindow, kKeyLastFolder, "", nullptr},
}};

bool Allowed(const SettingRule& rule, const std::string& value) {
  if (rule.allowed == nullptr) return true;
  for (const char* const* option = rule.allowed; *option != nullptr; ++option) {
    if (value == *option) return true;
  }
  return false;
}

}  // namespace

const SettingRule& RuleOf(Setting setting) {
  for (const SettingRule& rule : kRules) {
    if (rule.setting == setting) return rule;
  }
  throw std::out_of_range("unknown setting");
}

std::string ReadSetting(const clsSettingsStore& store, Setting setting) {
  const SettingRule& rule = RuleOf(setting);
  std::string value = store.Read(rule.section, rule.key, rule.defaultValue);
  return Allowed(rule, value) ? value : rule.defaultValue;
}

void WriteSetting(clsSettingsStore& store, Setting setting, const std::string& value) {
  const SettingRule& rule = RuleOf(setting);
  store.Write(rule.section, rule.key, value);
}

}  // namespace glyph
