// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace glyph {

class clsCatalogue;
class clsSettingsStore;

inline constexpr char kOptionsModule[] = "frmOptions";

// The names the style list shows, translated; the index is the style number.
std::vector<std::string> StyleNames(const clsCatalogue& catalogue);

// The language list: every language's name in catalogue order, and the
// position of the stored language ("Language", default "english", compared
// without regard to case), or -1 when none matches.
struct LanguageList {
  std::vector<std::string> names;
  int selected = -1;
};
LanguageList FillLanguageList(const clsCatalogue& catalogue, const clsSettingsStore& settings);

// The difficulties new single-player puzzles and print batches may be drawn
// at, translated, in the order any, easy, medium, hard, expert; the stored
// one's position; and storing the chosen one (an index outside the list
// changes nothing).
std::vector<std::string> DifficultyNames(const clsCatalogue& catalogue);
int StoredDifficulty(const clsSettingsStore& settings);
void ConfirmDifficulty(clsSettingsStore& settings, int index);

// The colours of board and grid, translated, in the order classic, dark,
// follow the desktop; the stored one's position; and storing the chosen one.
std::vector<std::string> ColourNames(const clsCatalogue& catalogue);
int StoredColours(const clsSettingsStore& settings);
void ConfirmColours(clsSettingsStore& settings, int index);

// Whether an unfinished game comes back at the next start.
bool StoredContinueGame(const clsSettingsStore& settings);
void ConfirmContinueGame(clsSettingsStore& settings, bool on);

// Confirming the dialog: the selected language (index into the list, -1 for
// none) becomes current and is stored; the selected style (-1 for none) is
// stored as "0" or "1".
void ConfirmOptions(clsCatalogue& catalogue, clsSettingsStore& settings, int styleIndex, int languageIndex);

}  // namespace glyph
