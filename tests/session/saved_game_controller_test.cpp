// The main window's saving, loading and bookmarks, driven through the game
// controller with scripted dialogs.
#include <gtest/gtest.h>

#include <fstream>

#include "core/cls_system_random.h"
#include "platform/qt_file_writer.h"
#include "i18n/cls_catalogue.h"
#include "session/cls_game_controller.h"
#include "storage/cls_memory_settings.h"
#include "storage/saved_game.h"
#include "support/language_files.h"
#include "support/scripted_asker.h"
#include "support/scripted_dialogs.h"

namespace glyph {
namespace {

class SaveAndBookmarkTest : public ::testing::Test {
 protected:
  SaveAndBookmarkTest() : controller_(GameServices{asker_, settings_, random_, catalogue_, files_, dialogs_, writer_}) {
    controller_.StartUp({});
  }

  void Mark(int index) {
    controller_.ClickCell(index);
    controller_.DoubleClickCell(index);
  }
  std::string Grid() const { return controller_.SolveStatus().MakeStatusString(); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& bookmark : controller_.Bookmarks()) names.push_back(bookmark.Name());
    return names;
  }
  void AddBookmark(std::optional<std::string> name) {
    dialogs_.Name(std::move(name));
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
  clsSystemRandom random_{31};
  clsCatalogue catalogue_;
  clsScriptedFileChooser files_;
  clsScriptedBookmarkDialogs dialogs_;
  clsQtFileWriter writer_;
  clsGameController controller_;
};

TEST_F(SaveAndBookmarkTest, DefaultNamesCountCancelledBookmarksToo) {
  Mark(12);
  AddBookmark("first guess");
  EXPECT_FALSE(controller_.Buttons().addBookmark);  // the same grid cannot be taken twice
  EXPECT_TRUE(controller_.Buttons().openBookmark);
  Mark(35);
  AddBookmark(std::nullopt);  // cancelled: nothing added, the number is used up
  AddBookmark("");
  EXPECT_EQ(dialogs_.namesOffered, (std::vector<std::string>{"Bookmark 1", "Bookmark 2", "Bookmark 3"}));
  EXPECT_EQ(Names(), (std::vector<std::string>{"first guess", ""}));
  asker_.Answer(true);
  controller_.ClickNew();  // a new game starts the names again
  AddBookmark("x");
  EXPECT_EQ(dialogs_.namesOffered.back(), "Bookmark 1");
}

TEST_F(SaveAndBookmarkTest, OpeningABookmarkReplacesOnlyTheGridAndEndsGameOver) {
  Mark(12);
  AddBookmark("early");
  const std::string early = Grid();
  const std::string puzzle = controller_.Puzzle().MakeSendString();
  asker_.Answer(true);
  controller_.ClickSolve();
  ASSERT_TRUE(controller_.GameOver());

  dialogs_.OnList([](std::vector<clsSolveStatus>& list) { return std::optional<std::size_t>(list.size() - 1); });
  controller_.ClickOpenBookmark();
  EXPECT_FALSE(controller_.GameOver());
  EXPECT_EQ(Grid(), early);
  EXPECT_EQ(controller_.Puzzle().MakeSendString(), puzzle);
}

TEST_F(SaveAndBookmarkTest, SaveAndLoadRestoreTheWholeGame) {
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
}

TEST_F(SaveAndBookmarkTest, AFileThatIsNotASavedGameSaysSoAndChangesNothing) {
  Mark(23);
  AddBookmark("keep me");
  std::ofstream(folder_ / "notes.gly") << "shopping list\n";
  const std::string puzzle = controller_.Puzzle().MakeSendString();
  Load(folder_ / "notes.gly");
  EXPECT_EQ(asker_.Shown().back().text, "This file is not a saved Glyphmatic game.");
  EXPECT_EQ(controller_.Puzzle().MakeSendString(), puzzle);
  EXPECT_EQ(Names(), std::vector<std::string>{"keep me"});
}

TEST_F(SaveAndBookmarkTest, AFailedSaveIsReported) {
  std::filesystem::create_directory(folder_ / "folder.gly");
  Save(folder_ / "folder.gly");
  EXPECT_EQ(asker_.Shown().at(0).text, "The game could not be saved. The file is unchanged.");
  // A file the player made read-only is left alone, and says so.
  const std::filesystem::path kept = folder_ / "kept.gly";
  std::ofstream(kept) << "mine\n";
  std::filesystem::permissions(kept, std::filesystem::perms::owner_read);
  Save(kept);
  EXPECT_EQ(asker_.Shown().back().text, "The file is read-only. The game was not saved.");
  std::ifstream stream(kept);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(stream), {}), "mine\n");
}

}  // namespace
}  // namespace glyph
