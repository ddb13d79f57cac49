// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

#include "core/cls_system_random.h"
#include "core/deduction.h"
#include "i18n/cls_catalogue.h"
#include "platform/qt_file_writer.h"
#include "session/cls_game_controller.h"
#include "session/headless_services.h"
#include "storage/cls_memory_settings.h"
#include "storage/saved_game.h"
#include "storage/settings_table.h"
#include "support/fake_network.h"
#include "support/language_files.h"
#include "support/scripted_asker.h"
#include "support/scripted_dialogs.h"

namespace glyph {
namespace {

class GameControllerTest : public ::testing::Test {
 protected:
  GameControllerTest()
      : random_(12345),
        controller_({.asker = asker_, .settings = settings_, .random = random_, .catalogue = catalogue_,
                     .files = files_, .bookmarkDialogs = bookmarkDialogs_, .writer = writer_, .printers = none_,
                     .clock = clock_, .socket = socket_, .networkDialog = networkDialog_, .desktop = none_,
                     .registrar = none_}) {
    controller_.StartUp({});
  }

  void StartWith(const std::string& puzzleText, const std::vector<int>& symbols) {
    controller_.StartUp({});
    ASSERT_TRUE(controller_.Puzzle().GetSendString(puzzleText));
    for (int d = 0; d < 10; ++d) controller_.Puzzle().SetSymbols(d, static_cast<std::int16_t>(symbols[d]));
    controller_.SolveStatus().Clear();
    controller_.ApplyStyle(controller_.Style());
  }

  // A double click as the desktop delivers it: a click, then a double click.
  void DoubleClick(int s, int d) {
    controller_.ClickCell(10 * s + d);
    controller_.DoubleClickCell(10 * s + d);
  }

  // Declares digit declared for the symbol of true digit t.
  void Declare(int t, int declared) { DoubleClick(controller_.Puzzle().Symbols(t), declared); }

  void DeclareAllCorrectly() {
    for (int t = 0; t < 10; ++t) Declare(t, t);
  }

  std::string Grid() const { return controller_.SolveStatus().MakeStatusString(); }
  void Mark(int index) { DoubleClick(index / 10, index % 10); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& bookmark : controller_.Bookmarks()) names.push_back(bookmark.Name());
    return names;
  }
  void AddBookmark(std::optional<std::string> name) {
    bookmarkDialogs_.Name(std::move(name));
    controller_.ClickAddBookmark();
  }
  void Save(const std::filesystem::path& file) {
    files_.Choose(file.string());
    controller_.ClickSave();
  }
  void Load(const std::filesystem::path& file) {
    asker_.Answer(true);
    files_.Choose(file.string());
    controller_.ClickLoad();
  }

  test::clsTempFolder folder_;
  clsScriptedAsker asker_;
  clsMemorySettings settings_;
  clsSystemRandom random_;
  clsCatalogue catalogue_;
  clsScriptedFileChooser files_;
  clsScriptedBookmarkDialogs bookmarkDialogs_;
  clsQtFileWriter writer_;
  clsFakeClock clock_;  // the race's services, which the controller leaves alone
  clsFakeNetwork network_;
  clsFakeNetwork::Socket socket_{network_};
  clsScriptedNetworkDialog networkDialog_;
  clsNoDesktopServices none_;
  clsGameController controller_;
};

// Two digit assignments solve this one; the puzzle's own digits are one.
constexpr char kTwoSolutions[] = "------999;412;587;570;310;260;429;102;327";
const std::vector<int> kSymbols{3, 7, 0, 9, 1, 5, 8, 2, 6, 4};

TEST_F(GameControllerTest, StartsWithANewGameInTheStoredStyle) {
  EXPECT_TRUE(controller_.Puzzle().EquationsHold());
  EXPECT_FALSE(controller_.Buttons().addBookmark);
  EXPECT_EQ(Grid(), std::string(100, '0'));
  for (const auto& [stored, style] : std::vector<std::pair<std::string, int>>{{"0", 0}, {"1", 1}, {"7", 1}, {"x", 1}}) {
    settings_.Write(kSectionOptions, kKeyStyle, stored);
    controller_.StartUp({});
    EXPECT_EQ(controller_.Style(), style) << stored;
    EXPECT_EQ(controller_.Board().headerColor, style == 0 ? kClassicBackColor : kModernBackColor);
  }
}

TEST_F(GameControllerTest, CommandLineIsJoinedAndCutAtTheMarker) {
  EXPECT_EQ(clsGameController::CommandLineFile({}), "");
  EXPECT_EQ(clsGameController::CommandLineFile({"/home/me/My", "Game.gly"}), "/home/me/My Game.gly");
  EXPECT_EQ(clsGameController::CommandLineFile({"/tmp/a.gly#0#ignored", "too"}), "/tmp/a.gly");
  EXPECT_EQ(clsGameController::CommandLineFile({"#0#"}), "");

  // A file that is no saved game, or none at all, starts a new game.
  std::ofstream(folder_ / "notes.gly") << "not a saved game\n";
  for (const char* file : {"notes.gly#0#xyz", "missing.gly"}) {
    const std::string before = controller_.Puzzle().MakeSendString();
    controller_.StartUp({(folder_ / file).string()});
    EXPECT_NE(controller_.Puzzle().MakeSendString(), before) << file;
  }
  ASSERT_EQ(asker_.Shown().size(), 1u);  // a missing file says nothing
  EXPECT_EQ(asker_.Shown()[0].text, "This file is not a saved Glyphmatic game.");
}

// A new single-player game is drawn at the preferred difficulty. Only the
// very first start offers the guided game.
TEST_F(GameControllerTest, NewGamesHaveThePreferredDifficulty) {
  // "Any" is the generator's draw, and the note gives its rating.
  EXPECT_EQ(controller_.Note().text, "Difficulty: " + std::string(DifficultyName(RatePuzzle(controller_.Puzzle()))));
  EXPECT_TRUE(controller_.Note().offerGuide);
  controller_.StartUp({});
  EXPECT_FALSE(controller_.Note().offerGuide);
  WriteSetting(settings_, Setting::Difficulty, "medium");
  asker_.Answer(true);
  controller_.ClickNew();
  EXPECT_EQ(RatePuzzle(controller_.Puzzle()), Difficulty::Medium);
}

TEST_F(GameControllerTest, AnsweringNoChangesNothing) {
  StartWith(kTwoSolutions, kSymbols);
  DoubleClick(2, 5);
  const std::string puzzle = controller_.Puzzle().MakeSendString();
  const std::string grid = Grid();
  for (int i = 0; i < 4; ++i) asker_.Answer(false);
  controller_.ClickNew();
  controller_.ClickClear();
  controller_.ClickSolve();
  EXPECT_FALSE(controller_.ClickClose());
  EXPECT_EQ(controller_.Puzzle().MakeSendString(), puzzle);
  EXPECT_EQ(Grid(), grid);
  EXPECT_FALSE(controller_.GameOver());

  const auto& shown = asker_.Shown();
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(asker_.Titles(), (std::vector<std::string>{"New game", "Clear grid", "Solve game", "Quit game"}));
  EXPECT_EQ(shown[0].text, "Do you really want to start a new game?");
  EXPECT_TRUE(shown[0].yesPreselected);  // only New starts on Yes
  for (std::size_t i = 1; i < 4; ++i) EXPECT_FALSE(shown[i].yesPreselected);
}

TEST_F(GameControllerTest, BoardShowsTheDeclaredDigitWhereverItsSymbolStands) {
  StartWith(kTwoSolutions, kSymbols);
  Declare(9, 4);  // the player holds the symbol of 9 to be 4 (wrong)
  const BoardView& board = controller_.Board();
  EXPECT_EQ(board.digits[0][kHundreds].picture, (BoardPicture{PictureKind::Digit, 4}));         // 999
  EXPECT_EQ(board.digits[6][kOnes].picture, (BoardPicture{PictureKind::Digit, 4}));             // 429
  EXPECT_EQ(board.digits[1][kOnes].picture, (BoardPicture{PictureKind::Symbol, kSymbols[2]}));  // 412
  EXPECT_EQ(board.digits[0][kOnes].backColor, kModernBackColor);  // no verdicts before the end
  EXPECT_EQ(board.opVert[0].picture.kind, PictureKind::Minus);
  Declare(2, 2);  // symbol 0 too
  EXPECT_EQ(board.digits[1][kOnes].picture, (BoardPicture{PictureKind::Digit, 2}));
}

TEST_F(GameControllerTest, SolvingAsksOnceLocksTheGridAndCountsOnce) {
  StartWith(kTwoSolutions, kSymbols);
  for (int t = 0; t < 9; ++t) Declare(t, t);
  EXPECT_TRUE(asker_.Shown().empty());
  asker_.Answer(false);  // no new game
  Declare(9, 9);
  ASSERT_EQ(asker_.Shown().size(), 1u);
  EXPECT_EQ(asker_.Shown()[0].title, "Puzzle solved");
  EXPECT_TRUE(controller_.GameOver());
  EXPECT_FALSE(controller_.Buttons().solve);

  const std::string grid = Grid();
  DoubleClick(0, 0);
  controller_.ClickCell(55);
  EXPECT_EQ(Grid(), grid);  // locked

  // Cleared after the end: marks can be made again, and solving again is
  // neither announced nor locks the grid.
  asker_.Answer(true);
  controller_.ClickClear();
  EXPECT_FALSE(controller_.GameOver());
  EXPECT_TRUE(controller_.Puzzle().Solved());
  EXPECT_EQ(Grid(), std::string(100, '0'));
  DeclareAllCorrectly();
  EXPECT_EQ(asker_.Shown().size(), 2u);  // the clear question only
  EXPECT_FALSE(controller_.GameOver());
  controller_.ClickCell(0);
  EXPECT_NE(Grid(), grid);

  // Yes to the solved message starts a new game.
  asker_.Answer(true);
  controller_.ClickNew();
  asker_.Answer(true);
  DeclareAllCorrectly();
  EXPECT_FALSE(controller_.Puzzle().Solved());
  EXPECT_EQ(Grid(), std::string(100, '0'));
}

TEST_F(GameControllerTest, RevealingColoursRightWrongAndMissingDigits) {
  StartWith(kTwoSolutions, kSymbols);
  Declare(9, 9);  // right
  Declare(1, 2);  // wrong
  asker_.Answer(true);
  controller_.ClickSolve();
  EXPECT_TRUE(controller_.GameOver());
  const BoardView& board = controller_.Board();
  EXPECT_EQ(board.digits[0][kHundreds].backColor, kVerdictRightColor);  // 999
  EXPECT_EQ(board.digits[1][kTens].backColor, kVerdictWrongColor);      // 412: the 1
  EXPECT_EQ(board.digits[3][kOnes].backColor, kModernBackColor);        // 570: the 0
  // The verdicts also differ in shape, for players who cannot tell red from green.
  EXPECT_EQ(board.digits[0][kHundreds].mark, VerdictMark::Right);
  EXPECT_EQ(board.digits[1][kTens].mark, VerdictMark::Wrong);
  EXPECT_EQ(board.digits[3][kOnes].mark, VerdictMark::None);
  EXPECT_EQ(board.digits[1][kTens].picture, (BoardPicture{PictureKind::Digit, 1}));
  EXPECT_TRUE(controller_.IsSolutionCorrect());

  // The classic style keeps the verdicts; only the ground of unmarked digits changes.
  controller_.ApplyStyle(kStyleClassic);
  EXPECT_EQ(controller_.Board().digits[0][kHundreds].backColor, kVerdictRightColor);
  EXPECT_EQ(controller_.Board().digits[3][kOnes].backColor, kClassicBackColor);
  asker_.Answer(true);
  controller_.ClickClear();  // the game afresh: no verdicts
  EXPECT_EQ(controller_.Board().digits[0][kHundreds].backColor, kClassicBackColor);
}

// Saving, loading and bookmarks.
TEST_F(GameControllerTest, DefaultNamesCountCancelledBookmarksToo) {
  Mark(12);
  AddBookmark("first guess");
  EXPECT_FALSE(controller_.Buttons().addBookmark);  // the same grid cannot be taken twice
  EXPECT_TRUE(controller_.Buttons().openBookmark);
  Mark(35);
  AddBookmark(std::nullopt);  // cancelled: nothing added, the number is used up
  AddBookmark("");
  EXPECT_EQ(bookmarkDialogs_.namesOffered, (std::vector<std::string>{"Bookmark 1", "Bookmark 2", "Bookmark 3"}));
  EXPECT_EQ(Names(), (std::vector<std::string>{"first guess", ""}));
  asker_.Answer(true);
  controller_.ClickNew();  // a new game starts the names again
  AddBookmark("x");
  EXPECT_EQ(bookmarkDialogs_.namesOffered.back(), "Bookmark 1");
}

TEST_F(GameControllerTest, OpeningABookmarkReplacesOnlyTheGridAndEndsGameOver) {
  Mark(12);
  AddBookmark("early");
  const std::string early = Grid();
  const std::string puzzle = controller_.Puzzle().MakeSendString();
  asker_.Answer(true);
  controller_.ClickSolve();
  ASSERT_TRUE(controller_.GameOver());

  // A position past the end (the list lost its last entry) opens nothing.
  bookmarkDialogs_.OnList([](std::vector<clsSolveStatus>& list) { return std::optional<std::size_t>(list.size()); });
  controller_.ClickOpenBookmark();
  EXPECT_TRUE(controller_.GameOver());
  bookmarkDialogs_.OnList(
      [](std::vector<clsSolveStatus>& list) { return std::optional<std::size_t>(list.size() - 1); });
  controller_.ClickOpenBookmark();
  EXPECT_FALSE(controller_.GameOver());
  EXPECT_EQ(Grid(), early);
  EXPECT_EQ(controller_.Puzzle().MakeSendString(), puzzle);
}

TEST_F(GameControllerTest, SaveAndLoadRestoreTheWholeGameAndANonGameChangesNothing) {
  Mark(23);
  AddBookmark("one");
  Mark(45);
  AddBookmark("two");
  const std::string puzzle = controller_.Puzzle().MakeSendString();
  const std::string grid = Grid();
  Save(folder_ / "game.gly");
  EXPECT_EQ(files_.filters.back(), "Glyphmatic (*.gly)");
  EXPECT_TRUE(asker_.Shown().empty());  // no message on success

  asker_.Answer(true);
  controller_.ClickNew();
  asker_.Answer(true);
  controller_.ClickSolve();
  Load(folder_ / "game.gly");
  EXPECT_EQ(asker_.Shown().back().text, "Do you really want to load a saved game?");
  EXPECT_EQ(controller_.Puzzle().MakeSendString(), puzzle);
  EXPECT_EQ(Grid(), grid);
  EXPECT_EQ(Names(), (std::vector<std::string>{"one", "two"}));
  EXPECT_FALSE(controller_.GameOver());
  EXPECT_TRUE(controller_.Buttons().openBookmark);

  std::ofstream(folder_ / "notes.gly") << "shopping list\n";  // not a game: the game in hand stays
  Load(folder_ / "notes.gly");
  EXPECT_EQ(asker_.Shown().back().text, "This file is not a saved Glyphmatic game.");
  EXPECT_EQ(controller_.Puzzle().MakeSendString(), puzzle);
  EXPECT_EQ(Names(), (std::vector<std::string>{"one", "two"}));
  Load(folder_ / "gone.gly");  // a path that does not exist: nothing, not even a message
  EXPECT_EQ(asker_.Shown().back().text, "Do you really want to load a saved game?");
}

// A save that fails, or whose target is read-only or not a regular file (a
// folder, a FIFO), says so and replaces nothing.
TEST_F(GameControllerTest, AFailedSaveIsReported) {
  Save(folder_ / "no folder" / "game.gly");
  EXPECT_EQ(asker_.Shown().back().text, "The game could not be saved. The file is unchanged.");
  const std::filesystem::path kept = folder_ / "kept.gly";
  std::ofstream(kept) << "mine\n";
  std::filesystem::permissions(kept, std::filesystem::perms::owner_read);
  Save(kept);
  EXPECT_EQ(asker_.Shown().back().text, "The file is read-only. The game was not saved.");
  std::ifstream stream(kept);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(stream), {}), "mine\n");
  std::filesystem::create_directory(folder_ / "folder.gly");
  ASSERT_EQ(mkfifo((folder_ / "fifo.gly").c_str(), 0600), 0);
  for (const char* target : {"folder.gly", "fifo.gly"}) {
    Save(folder_ / target);
    EXPECT_EQ(asker_.Shown().back().text,
              "The chosen name is not a file (a folder or a device). The game was not saved.")
        << target;
  }
  EXPECT_TRUE(std::filesystem::is_fifo(folder_ / "fifo.gly"));
}

// Every change of the grid is one step (a double click with its own click);
// undo puts the grid back exactly, greying included; a new change drops what
// could be redone; a new game and the end of a game leave nothing to undo.
TEST_F(GameControllerTest, UndoAndRedoStepThroughTheGridChanges) {
  StartWith(kTwoSolutions, kSymbols);
  const std::string empty = Grid();
  DoubleClick(4, 7);
  const std::string declared = Grid();
  controller_.ClickCell(12);
  controller_.Undo();
  controller_.Undo();
  EXPECT_EQ(Grid(), empty);
  EXPECT_FALSE(controller_.CanUndo());
  controller_.Redo();
  EXPECT_EQ(Grid(), declared);
  controller_.ClickCell(55);
  EXPECT_FALSE(controller_.CanRedo());
  asker_.Answer(true);
  controller_.ClickClear();
  controller_.Undo();  // Clear grid is a step as well
  EXPECT_EQ(controller_.SolveStatus().Status(5, 5), kCellNo);
  asker_.Answer(true);
  controller_.ClickNew();
  EXPECT_FALSE(controller_.CanUndo());
  controller_.ClickCell(3);
  asker_.Answer(true);
  controller_.ClickSolve();
  EXPECT_FALSE(controller_.CanUndo());  // the game is over
}

}  // namespace
}  // namespace glyph
