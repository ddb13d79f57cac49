// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <csignal>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

#include "core/cls_system_random.h"
#include "storage/cipher_keys.h"
#include "storage/cls_crypt.h"
#include "storage/cls_file_writer.h"
#include "storage/kept_game.h"
#include "storage/saved_game.h"
#include "storage/statistics.h"
#include "support/language_files.h"

namespace glyph {
namespace {

SavedGame SampleGame(std::size_t bookmarks) {
  clsSystemRandom random(21);
  SavedGame game;
  game.puzzle.MakePuzzle(random);
  game.grid.SetStatus(2, 7, kCellYes);
  game.grid.SetStatus(4, 4, kCellNo);
  for (std::size_t i = 0; i < bookmarks; ++i) {
    clsSolveStatus bookmark;
    bookmark.SetStatus(static_cast<int>(i % 10), 3, kCellYes);
    bookmark.SetName(i == 1 ? "" : "Try " + std::to_string(i) + " | \xE4\xF6\xFC");
    game.bookmarks.push_back(bookmark);
  }
  return game;
}

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  std::ostringstream content;
  content << stream.rdbuf();
  return content.str();
}

std::vector<std::string> PlainLinesOf(const std::filesystem::path& file) {
  std::vector<std::string> lines;
  std::istringstream stream(ReadAll(file));
  for (std::string line; std::getline(stream, line);) {
    EXPECT_EQ(line.back(), '\r');  // CR LF line ends
    line.pop_back();
    EXPECT_EQ(line.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    lines.push_back(clsCrypt::Decrypt(line, kSaveGameKey));
  }
  return lines;
}

void ExpectSameGame(const SavedGame& a, const SavedGame& b) { EXPECT_EQ(SavedGameLines(a), SavedGameLines(b)); }

// A game is its A, Y and S lines and a B line a bookmark, each enciphered on
// a line of its own; it reads back exactly, and two saves of it differ.
TEST(SavedGame, LinesOfAGameRoundTripExactlyAndTwoSavesDiffer) {
  test::clsTempFolder folder;
  const SavedGame game = SampleGame(3);
  const std::vector<std::string> lines = SavedGameLines(game);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "A" + game.puzzle.MakeSendString());
  EXPECT_EQ(lines[2], "S" + game.grid.MakeStatusString());
  EXPECT_EQ(lines[4], "B" + game.bookmarks[1].MakeStatusString());  // an empty name adds nothing
  EXPECT_EQ(lines[5].substr(101), "Try 2 | \xE4\xF6\xFC");
  clsSystemRandom random(8);
  clsAtomicFileWriter writer;
  ASSERT_EQ(SaveSavedGame(folder / "a.gly", game, random, writer), WriteOutcome::Written);
  ASSERT_EQ(SaveSavedGame(folder / "b.gly", game, random, writer), WriteOutcome::Written);
  EXPECT_NE(ReadAll(folder / "a.gly"), ReadAll(folder / "b.gly"));
  EXPECT_EQ(PlainLinesOf(folder / "b.gly"), lines);
  SavedGame loaded;
  ASSERT_EQ(LoadSavedGame(folder / "a.gly", loaded), LoadOutcome::Loaded);
  ExpectSameGame(loaded, game);
}

// A sound puzzle of the generator's kind: 740 + 227 = 967 and so on.
constexpr char kSoundPuzzle[] = "-+-+-+740;227;967;518;356;162;222;583;805";

// Lines come in any order, blank lines and LF ends read as well; short
// contents read as zeros; a line left out keeps the game in hand's; greying
// that no yes mark explains is rebuilt from the marks.
TEST(SavedGame, LinesInAnyOrderShortContentsAndRebuiltGreying) {
  test::clsTempFolder folder;
  const std::string grid(100, '1');
  test::WriteEnciphered(folder / "g.gly", kSaveGameKey,
                        {"A------1;2;3;4;5;6;7;8;9", "", "B" + grid + "first", "Q whatever", "Y0123456789",
                         std::string("A") + kSoundPuzzle, "S" + grid, "", "B" + grid + "second\tline"},
                        "\n");
  SavedGame game;
  ASSERT_EQ(LoadSavedGame(folder / "g.gly", game), LoadOutcome::Loaded);
  EXPECT_EQ(game.puzzle.MakeSendString(), kSoundPuzzle);  // the later A wins
  EXPECT_EQ(game.grid.MakeStatusString(), grid);
  ASSERT_EQ(game.bookmarks.size(), 2u);
  EXPECT_EQ(game.bookmarks[0].Name(), "first");
  EXPECT_EQ(game.bookmarks[1].Name(), "second line");  // plain text

  std::string strayGrey(100, '0');
  strayGrey[55] = '3';
  strayGrey[56] = '4';
  test::WriteEnciphered(folder / "short.gly", kSaveGameKey, {std::string("A") + kSoundPuzzle, "B12", "B" + strayGrey});
  ASSERT_EQ(LoadSavedGame(folder / "short.gly", game), LoadOutcome::Loaded);
  EXPECT_EQ(game.grid.MakeStatusString(), grid);  // no S line: the grid in hand stays
  ASSERT_EQ(game.bookmarks.size(), 2u);           // the list is the file's
  clsSolveStatus declared;
  declared.SetStatus(0, 0, kCellNo);
  declared.SetStatus(0, 1, kCellYes);
  EXPECT_EQ(game.bookmarks[0].MakeStatusString(), declared.MakeStatusString());
  EXPECT_EQ(game.bookmarks[0].MakeStatusString().substr(0, 3), "423");
  std::string released(100, '0');
  released[56] = '1';
  EXPECT_EQ(game.bookmarks[1].MakeStatusString(), released);
}

// A file that is not a saved game, or whose game could not be one of ours,
// changes nothing.
TEST(SavedGame, AFileThatIsNotASavedGameChangesNothing) {
  test::clsTempFolder folder;
  std::ofstream(folder / "text.gly") << "Dear diary,\r\ntoday I played Glyphmatic.\r\n";
  test::WriteEnciphered(folder / "blankfirst.gly", kSaveGameKey, {"", "A------1;2;3;4;5;6;7;8;9"});
  test::WriteEnciphered(folder / "otherkey.gly", kNetworkKey, {"A------1;2;3;4;5;6;7;8;9"});
  std::ofstream(folder / "empty.gly");
  const std::string sound = std::string("A") + kSoundPuzzle;
  const std::map<std::string, std::vector<std::string>> unsound{
      {"samesymbols.gly", {sound, "Y0000000000"}},
      {"shortsymbols.gly", {sound, "Y93"}},
      {"falsesum.gly", {"A-+-+-+740;227;968;518;356;162;222;583;805"}},
      {"bignumber.gly", {"A------1000;0;1000;0;0;0;1000;0;1000"}},
      {"negative.gly", {"A------0;1;-1;0;0;0;0;1;-1"}},
      {"gridcell.gly", {sound, "S" + std::string(99, '0') + "5"}},
      {"bookmarkcell.gly", {sound, "B9"}},
  };
  for (const auto& [name, lines] : unsound) test::WriteEnciphered(folder / name, kSaveGameKey, lines);
  std::vector<std::string> names{"text.gly", "blankfirst.gly", "otherkey.gly", "empty.gly"};
  for (const auto& entry : unsound) names.push_back(entry.first);
  for (const std::string& name : names) {
    SavedGame game = SampleGame(2);
    EXPECT_EQ(LoadSavedGame(folder / name, game), LoadOutcome::NotASavedGame) << name;
    ExpectSameGame(game, SampleGame(2));
  }
  SavedGame game = SampleGame(0);
  game.puzzle.SetSymbols(0, 12);  // what no reader makes, the check refuses too
  EXPECT_FALSE(IsSoundGame(game));
  test::WriteEnciphered(folder / "edges.gly", kSaveGameKey, {"A------999;0;999;0;0;0;999;0;999"});
  EXPECT_EQ(LoadSavedGame(folder / "edges.gly", game), LoadOutcome::NotASavedGame);  // the symbols in hand are none
  game.puzzle = SampleGame(0).puzzle;
  EXPECT_EQ(LoadSavedGame(folder / "edges.gly", game), LoadOutcome::Loaded);  // 0 and 999 are in range
  EXPECT_EQ(LoadSavedGame(folder / "missing.gly", game), LoadOutcome::Unreadable);
  EXPECT_EQ(LoadSavedGame(folder.Path(), game), LoadOutcome::Unreadable);  // a folder
}

// Cut and garbled files are the fuzz targets' work (fuzz/): a rejected file
// changes nothing, an accepted one writes and reads back the same.
TEST(HostileFiles, SavedGameWithHugeLinesNulBytesAndLoneCarriageReturns) {
  clsSystemRandom random(6);
  const SavedGame inHand = SampleGame(1);
  std::string valid = EncipherSavedGame(SampleGame(3), random);

  std::string crOnly = valid;
  std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
  const std::string megabyteLine(1 << 20, 'F');
  std::string withNul = valid;
  withNul.insert(withNul.size() / 2, std::string("\0\0\0", 3));
  std::string bookmarkOfAMegabyte = valid + megabyteLine + "\r\n";

  for (const std::string& content : {megabyteLine, std::string(1 << 20, '\0'), megabyteLine + "\r\n" + valid}) {
    SavedGame game = inHand;
    EXPECT_EQ(ReadSavedGameContent(content, game), LoadOutcome::NotASavedGame);
    EXPECT_EQ(SavedGameLines(game), SavedGameLines(inHand));
  }
  // Still a saved game: its first line is intact; the rest reads as it can.
  // Lines ended by CR alone read like any others.
  for (const std::string& content : {withNul, bookmarkOfAMegabyte, crOnly}) {
    SavedGame game = inHand;
    EXPECT_EQ(ReadSavedGameContent(content, game), LoadOutcome::Loaded);
  }
  // A file of the largest size is read (here a game, then NUL bytes); one
  // byte more is not.
  test::clsTempFolder folder;
  std::ofstream(folder / "edge.gly", std::ios::binary) << valid;
  for (const std::uintmax_t size : {kLargestSavedGame, kLargestSavedGame + 1}) {
    std::filesystem::resize_file(folder / "edge.gly", size);
    SavedGame game = inHand;
    EXPECT_EQ(LoadSavedGame(folder / "edge.gly", game),
              size == kLargestSavedGame ? LoadOutcome::Loaded : LoadOutcome::NotASavedGame);
  }
}

// A full disk (the process's file-size limit stands in for it, SIGXFSZ
// ignored): every writer of the player's files fails, says why, and leaves
// each file exactly as it was, no temporary file beside it.
TEST(HostileFiles, AFullDiskLeavesEveryFileAsItWas) {
  test::clsTempFolder folder;
  clsSystemRandom random(8);
  clsAtomicFileWriter writer;
  const auto writeAll = [&](std::size_t bookmarks) {
    clsStatistics statistics;
    statistics.RecordStart(StatsCategory::Easy);
    return std::vector<WriteOutcome>{
        SaveSavedGame(folder / "game.gly", SampleGame(bookmarks), random, writer),
        KeepGame(folder.Path(), SampleGame(bookmarks), {"puzzle", 1000, "easy", bookmarks > 0}, random, writer),
        SaveStatistics(folder.Path(), statistics, writer)};
  };
  ASSERT_EQ(writeAll(0), std::vector<WriteOutcome>(3, WriteOutcome::Written));
  std::map<std::string, std::string> before;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    before[entry.path().filename().string()] = ReadAll(entry.path());
  }

  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
  rlimit small = saved;
  small.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::vector<WriteOutcome> full = writeAll(1);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(full, std::vector<WriteOutcome>(3, WriteOutcome::Failed));
  EXPECT_EQ(writer.LastFailure(), std::strerror(EFBIG));
  std::map<std::string, std::string> after;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    after[entry.path().filename().string()] = ReadAll(entry.path());
  }
  EXPECT_EQ(after, before);
}

// Saving over a game keeps what the player set on the file: its
// permissions, and a symbolic link to it.
TEST(HostileFiles, SavingKeepsPermissionsAndWritesThroughALink) {
  test::clsTempFolder folder;
  clsSystemRandom random(9);
  clsAtomicFileWriter writer;
  const std::filesystem::path target = folder / "real.gly";
  const std::filesystem::path link = folder / "link.gly";
  ASSERT_EQ(SaveSavedGame(target, SampleGame(0), random, writer), WriteOutcome::Written);
  std::filesystem::permissions(target, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  std::filesystem::create_symlink(target, link);
  ASSERT_EQ(SaveSavedGame(link, SampleGame(2), random, writer), WriteOutcome::Written);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(std::filesystem::status(target).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  SavedGame game;
  EXPECT_EQ(LoadSavedGame(target, game), LoadOutcome::Loaded);
  EXPECT_EQ(game.bookmarks.size(), 2u);
}

}  // namespace
}  // namespace glyph
