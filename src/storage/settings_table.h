// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace glyph {

class clsSettingsStore;

// Every setting the game keeps, application "Glyphmatic".
enum class Setting {
  Language,
  Style,
  Association,
  IsHost,
  RemoteIp,
  LastLocalIp,
  PlayerName,
  WindowGeometry,
  Difficulty,
  GuideOffered,
  ContinueGame,
  Colours,
  LastFolder,
};

// The declared table: where a setting lives, its default, and the values it
// may take ("" allows any text).
struct SettingRule {
  Setting setting;
  const char* section;
  const char* key;
  const char* defaultValue;
  const char* const* allowed;  // nullptr-terminated, or nullptr for any text
};
const SettingRule& RuleOf(Setting setting);

// Reads a setting: the default when it is absent, and when it holds a value
// the game never writes.
std::string ReadSetting(const clsSettingsStore& store, Setting setting);
void WriteSetting(clsSettingsStore& store, Setting setting, const std::string& value);

// Sections and keys of the store.
inline constexpr char kSectionOptions[] = "Options";
inline constexpr char kSectionNetworkGame[] = "NetworkGame";
inline constexpr char kKeyLanguage[] = "Language";
inline constexpr char kKeyStyle[] = "Style";
inline constexpr char kKeyAssociation[] = "Association";
inline constexpr char kKeyIsHost[] = "IsHost";
inline constexpr char kKeyRemoteIp[] = "RemoteIP";
inline constexpr char kKeyLastLocalIp[] = "LastLocalIP";
inline constexpr char kKeyPlayerName[] = "PlayerName";
// The main window's size and place (Qt's saved geometry in base 64).
inline constexpr char kSectionWindow[] = "Window";
inline constexpr char kKeyGeometry[] = "Geometry";
// The folder of the file last chosen in a file dialog.
inline constexpr char kKeyLastFolder[] = "LastFolder";
// The difficulty of new single-player puzzles and print batches: "any",
// "easy", "medium", "hard" or "expert".
inline constexpr char kSectionPuzzles[] = "Puzzles";
inline constexpr char kKeyDifficulty[] = "Difficulty";
// "Y" once the first start has offered the guided game.
inline constexpr char kKeyGuideOffered[] = "GuideOffered";
// "Y": an unfinished game comes back at the next start.
inline constexpr char kKeyContinueGame[] = "ContinueGame";
// The colours of board and grid: "classic", "dark" or "desktop" (the
// desktop's light or dark).
inline constexpr char kKeyColours[] = "Colours";

}  // namespace glyph
