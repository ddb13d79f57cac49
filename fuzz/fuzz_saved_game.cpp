// SPDX-License-Identifier: GPL-3.0-or-later
// A whole saved-game file: read, and when accepted, written and read again to
// the same plain lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/cls_system_random.h"
#include "storage/saved_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string content(reinterpret_cast<const char*>(data), size);
  glyph::SavedGame game;
  const auto before = glyph::SavedGameLines(game);
  if (glyph::ReadSavedGameContent(content, game) != glyph::LoadOutcome::Loaded) {
    if (glyph::SavedGameLines(game) != before) std::abort();  // a rejected file changes nothing
    return 0;
  }
  glyph::clsSystemRandom random(1);
  glyph::SavedGame again;
  if (glyph::ReadSavedGameContent(glyph::EncipherSavedGame(game, random), again) != glyph::LoadOutcome::Loaded) {
    std::abort();
  }
  if (glyph::SavedGameLines(again) != glyph::SavedGameLines(game)) std::abort();
  return 0;
}
