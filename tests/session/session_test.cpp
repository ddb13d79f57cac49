// SPDX-License-Identifier: GPL-3.0-or-later
// The session's own rules: what it asks and when, the dialogs it opens and
// what their answers do, which events reach the game, and what the view
// shows.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

#include "i18n/cls_catalogue.h"
#include "session/accessible_texts.h"
#include "session/cls_game_session.h"
#include "storage/cls_file_writer.h"
#include "storage/help_file.h"
#include "storage/settings_table.h"
#include "storage/web_pages.h"
#include "support/fake_services.h"
#include "support/language_files.h"

namespace glyph {
namespace {

class SessionTest : public ::testing::Test {
 protected:
  SessionTest() {
    player_.Drive(session_);
    session_.StartUp({});
  }
  void Press(Command command) { player_.Press(command); }
  void Send(SessionEvent::Kind kind, int number = 0) { player_.Send(kind, number); }
  const SessionView& View() const { return player_.view; }
  std::string Puzzle() const { return session_.Game().Puzzle().MakeSendString(); }
  std::string Grid() const { return session_.Game().SolveStatus().MakeStatusString(); }
  // Declares every symbol's true digit, as a player would.
  void Solve() {
    for (int d = 0; d < 10; ++d) {
      Send(SessionEvent::Kind::GridClick, 10 * session_.Game().Puzzle().Symbols(d) + d);
      Send(SessionEvent::Kind::GridDoubleClick, 10 * session_.Game().Puzzle().Symbols(d) + d);
    }
  }
  void Save(const std::filesystem::path& file) {
    Press(Command::Save);
    player_.Confirm(file.string());
  }

  test::clsTempFolder folder_;
  clsFakeClock clock_;
  clsFakeNetwork network_;
  clsFakeServices fakes_{5, network_, clock_};
  clsAtomicFileWriter writer_;
  clsCatalogue catalogue_;
  SessionServices services_ = [this] {
    fakes_.writer = &writer_;
    return fakes_.Services(catalogue_, "/opt/glyph");
  }();
  clsGameSession session_{services_};
  clsSessionDriver player_;
};

// Nothing is handled or shown before the first board stands; what the start
// has to say comes with it, one message after the other, and the clock
// stands until they are answered.
TEST_F(SessionTest, TheStartSaysWhatItMustOnceTheBoardStands) {
  std::ofstream(folder_ / "notes.gly") << "not a saved game\n";
  std::ofstream(folder_ / "statistics.txt") << "damaged\n";
  SessionServices withData = services_;
  withData.dataFolder = folder_.Path().string();
  clsGameSession starting(withData);
  clsSessionDriver player;
  player.Drive(starting);
  player.Send(SessionEvent::Kind::Tick);
  EXPECT_EQ(player.published, 0);
  starting.StartUp({(folder_ / "notes.gly").string()});
  EXPECT_EQ(player.published, 1);
  EXPECT_FALSE(player.view.code.empty());  // a new game on the board
  EXPECT_EQ(player.Titles(), std::vector<std::string>{"Statistics"});
  clock_.now += 5000;
  player.Send(SessionEvent::Kind::Tick);
  EXPECT_EQ(player.view.clock, "0:00");
  player.Reply();
  EXPECT_EQ(player.prompts.back().text, "This file is not a saved Glyphmatic game.");
  player.Send(SessionEvent::Kind::GridClick, 3);  // the window is the message's
  EXPECT_EQ(player.view.grid.looks[3], GridLook::Plain);
  player.Reply();
  clock_.now += 5000;
  player.Send(SessionEvent::Kind::GridClick, 3);
  EXPECT_EQ(player.view.clock, "0:05");
  EXPECT_EQ(player.view.grid.looks[3], GridLook::No);
}

TEST_F(SessionTest, AnsweringNoChangesNothing) {
  Send(SessionEvent::Kind::GridClick, 25);
  const std::string puzzle = Puzzle();
  const std::string grid = Grid();
  for (Command command : {Command::New, Command::Clear, Command::Solve, Command::Close, Command::Load}) {
    Press(command);
    player_.Reply(false);
  }
  EXPECT_EQ(Puzzle(), puzzle);
  EXPECT_EQ(Grid(), grid);
  EXPECT_FALSE(View().quit);
  EXPECT_EQ(player_.Titles(),
            (std::vector<std::string>{"New game", "Clear grid", "Solve game", "Quit game", "Load game"}));
  EXPECT_EQ(player_.prompts[0].text, "Do you really want to start a new game?");
  EXPECT_TRUE(player_.prompts[0].yesPreselected);  // only New starts on Yes
  for (std::size_t i = 1; i < 5; ++i) EXPECT_FALSE(player_.prompts[i].yesPreselected);
}

// The view that says "solved" already shows the solved board; nothing waits
// for an answer, and after the end New asks nothing.
TEST_F(SessionTest, TheSolvedBoardComesWithItsNoticeAndNewAsksNothingAfter) {
  Solve();
  EXPECT_FALSE(View().prompt);
  EXPECT_TRUE(View().note.offerNewGame);
  for (const auto& number : View().board.digits) {
    for (const BoardCell& cell : number) EXPECT_EQ(cell.picture.kind, PictureKind::Digit);
  }
  const std::string solved = Puzzle();
  Press(Command::New);
  EXPECT_FALSE(View().prompt);
  EXPECT_NE(Puzzle(), solved);
  EXPECT_FALSE(View().note.offerNewGame);
}

TEST_F(SessionTest, SaveAndLoadRestoreTheWholeGameAndANonGameChangesNothing) {
  Send(SessionEvent::Kind::GridClick, 23);
  Press(Command::AddBookmark);
  player_.Confirm("one");
  Save(folder_ / "game.gly");
  EXPECT_EQ(player_.view.dialog.kind, DialogKind::None);
  EXPECT_TRUE(player_.prompts.empty());  // no message on success
  const std::string puzzle = Puzzle();
  const std::string grid = Grid();

  Press(Command::New);
  player_.Reply(true);
  Press(Command::Load);
  player_.Reply(true);
  EXPECT_EQ(View().dialog.kind, DialogKind::OpenGame);
  EXPECT_EQ(View().dialog.text, "Glyphmatic (*.gly)");
  player_.Confirm((folder_ / "game.gly").string());
  EXPECT_EQ(Puzzle(), puzzle);
  EXPECT_EQ(Grid(), grid);
  EXPECT_TRUE(View().Button(Command::OpenBookmark).enabled);

  std::ofstream(folder_ / "notes.gly") << "shopping list\n";  // not a game: the game in hand stays
  Press(Command::Load);
  player_.Reply(true);
  player_.Confirm((folder_ / "notes.gly").string());
  EXPECT_EQ(View().prompt->text, "This file is not a saved Glyphmatic game.");
  player_.Reply();
  Press(Command::Load);
  player_.Reply(true);
  player_.Confirm((folder_ / "gone.gly").string());  // no such file: nothing happens
  EXPECT_FALSE(View().prompt);
  EXPECT_EQ(Puzzle(), puzzle);
}

// A save that fails, or whose target is read-only or not a regular file (a
// folder, a FIFO), says so and replaces nothing.
TEST_F(SessionTest, AFailedSaveIsReported) {
  Save(folder_ / "no folder" / "game.gly");
  EXPECT_EQ(View().prompt->text, "The game could not be saved. The file is unchanged.");
  player_.Reply();
  const std::filesystem::path kept = folder_ / "kept.gly";
  std::ofstream(kept) << "mine\n";
  std::filesystem::permissions(kept, std::filesystem::perms::owner_read);
  Save(kept);
  EXPECT_EQ(View().prompt->text, "The file is read-only. The game was not saved.");
  player_.Reply();
  std::ifstream stream(kept);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(stream), {}), "mine\n");
  ASSERT_EQ(mkfifo((folder_ / "fifo.gly").c_str(), 0600), 0);
  Save(folder_ / "fifo.gly");
  EXPECT_EQ(View().prompt->text, "The chosen name is not a file (a folder or a device). The game was not saved.");
  EXPECT_TRUE(std::filesystem::is_fifo(folder_ / "fifo.gly"));
}

// The name dialog offers the next default name (a cancelled one uses its
// number up); the list renames and removes at once, after a question, and
// opens one.
TEST_F(SessionTest, BookmarksThroughTheirDialogs) {
  Send(SessionEvent::Kind::GridClick, 12);
  Press(Command::AddBookmark);
  EXPECT_EQ(View().dialog.text, "Bookmark 1");
  player_.Confirm("first guess");
  Send(SessionEvent::Kind::GridClick, 35);
  Press(Command::AddBookmark);
  player_.Cancel();
  Press(Command::AddBookmark);
  EXPECT_EQ(View().dialog.text, "Bookmark 3");
  player_.Confirm("");
  Press(Command::OpenBookmark);
  EXPECT_EQ(View().dialog.items, (std::vector<std::string>{"first guess", ""}));
  EXPECT_EQ(View().dialog.selected, 1);  // the newest
  player_.Handle(SessionEvent::Of(SessionEvent::Kind::BookmarkRename, 1, "second"));
  EXPECT_EQ(View().dialog.items, (std::vector<std::string>{"first guess", "second"}));
  for (int row : {-1, 2}) player_.Handle(SessionEvent::Of(SessionEvent::Kind::BookmarkRemove, row));  // no such row
  EXPECT_FALSE(View().prompt);
  player_.Handle(SessionEvent::Of(SessionEvent::Kind::BookmarkRemove, 0));
  EXPECT_EQ(View().prompt->title, "Remove bookmark");
  player_.Reply(false);
  player_.Handle(SessionEvent::Of(SessionEvent::Kind::BookmarkRemove, 1));
  EXPECT_FALSE(View().prompt->yesPreselected);
  player_.Reply(true);
  EXPECT_EQ(View().dialog.items, std::vector<std::string>{"first guess"});
  player_.Cancel();  // opens nothing
  EXPECT_EQ(View().grid.looks[35], GridLook::No);
  Press(Command::OpenBookmark);
  player_.Confirm({}, 0);
  EXPECT_EQ(View().dialog.kind, DialogKind::None);
  EXPECT_EQ(View().grid.looks[12], GridLook::No);
  EXPECT_EQ(View().grid.looks[35], GridLook::Plain);
}

// A code that is not one keeps its dialog open with the text as typed and
// the reason; a good one starts its puzzle.
TEST_F(SessionTest, ARefusedCodeKeepsItsDialogOpen) {
  Press(Command::PlayCode);
  const int dialog = View().dialog.id;
  player_.Confirm("0Q30W-48RE5-HVXEX" + std::string(100, 'x'));
  EXPECT_EQ(View().dialog.id, dialog);
  EXPECT_EQ(View().dialog.text.size(), 64u);  // cut where no code reaches
  EXPECT_NE(View().dialog.error.find("This is not a puzzle code."), std::string::npos);
  player_.Confirm("0q30w 48re5 hvxed");
  EXPECT_EQ(View().dialog.kind, DialogKind::None);
  EXPECT_EQ(Puzzle(), "---+++414;582;996;135;410;545;279;172;451");
}

TEST_F(SessionTest, StartUpTimerGivesTheFullTitleAndRegistersTheFileType) {
  EXPECT_EQ(View().title, "Glyphmatic");
  Send(SessionEvent::Kind::StartUpTimer);
  EXPECT_EQ(View().title, "Glyphmatic 2.0");
  EXPECT_EQ(fakes_.registrar.registrations, std::vector<std::string>{"gly Glyphmatic /opt/glyph/glyphmatic"});
}

TEST_F(SessionTest, HelpAndWebPagesAndTheCopiedCode) {
  Send(SessionEvent::Kind::CopyCode);
  EXPECT_EQ(View().note.text.rfind("The code " + View().code + " is copied", 0), 0u);
  Press(Command::Help);
  EXPECT_EQ(View().note.text.find("is copied"), std::string::npos);  // said once
  Send(SessionEvent::Kind::HelpKey);
  Press(Command::Homepage);
  Send(SessionEvent::Kind::MakerLink);
  const std::vector<std::pair<std::string, int>> help{{"/opt/glyph/glyph_en.html", kHelpMainWindow},
                                                      {"/opt/glyph/glyph_en.html", kHelpMainWindow}};
  EXPECT_EQ(fakes_.desktop.helpShown, help);
  EXPECT_EQ(fakes_.desktop.pagesOpened, (std::vector<std::string>{kProductWebPage, kMakerWebPage}));
}

TEST_F(SessionTest, PrintOptionsAndNetworkOpenTheirDialogs) {
  fakes_.printers.installed = false;
  Press(Command::Print);
  EXPECT_EQ(View().prompt->text, "No printer installed");
  player_.Reply();
  fakes_.printers.pdf = true;  // no printer, but a PDF file can be written
  WriteSetting(fakes_.settings, Setting::Difficulty, "hard");
  Press(Command::Print);
  EXPECT_EQ(View().dialog.kind, DialogKind::Print);
  EXPECT_EQ(View().dialog.difficulty, Difficulty::Hard);
  player_.Cancel();

  Press(Command::Options);
  player_.Cancel();
  EXPECT_EQ(View().textsVersion, 0);
  Press(Command::Options);
  player_.Confirm({}, kStyleClassic);
  EXPECT_EQ(View().textsVersion, 1);
  EXPECT_EQ(View().board.panelColor, kClassicBackColor);

  Press(Command::NetworkGame);
  EXPECT_EQ(View().prompt->title, "New net game");
  player_.Reply(true);
  player_.Confirm({}, 0, {"127.0.0.1", "192.168.0.300", "Ann", "ann"});  // not a host address
  EXPECT_EQ(View().dialog.kind, DialogKind::NetworkGame);
  EXPECT_EQ(View().dialog.errorField, 1);
  player_.Cancel();
  EXPECT_FALSE(session_.Race().HasSession());
}

// The grid's keys: the cursor stops at the edges, Space is a click, Enter
// and a digit a whole double click; New puts the cursor back and the focus
// on the grid.
TEST_F(SessionTest, KeysMoveTheCursorAndActLikeClicks) {
  const auto key = [&](int gridKey) { Send(SessionEvent::Kind::GridKey, gridKey); };
  for (int gridKey : {kGridKeyUp, kGridKeyLeft, kGridKeyDown, kGridKeyEnd}) key(gridKey);
  EXPECT_EQ(View().gridCursor, 19);
  // The board shows where the cursor row's symbol stands.
  for (const auto& number : View().board.digits) {
    for (const BoardCell& cell : number) {
      EXPECT_EQ(cell.cursorSymbol, cell.picture == (BoardPicture{PictureKind::Symbol, 1}));
    }
  }
  key(kGridKeySpace);
  EXPECT_EQ(View().grid.looks[19], GridLook::No);
  const auto looks = View().grid.looks;
  for (int stray : {-1, kGridKeyDigit + 10}) key(stray);  // no key of the grid's
  EXPECT_EQ(View().grid.looks, looks);
  key(kGridKeyHome);
  key(kGridKeyEnter);
  EXPECT_EQ(View().grid.looks[10], GridLook::Yes);
  key(kGridKeyDigit + 3);  // row 1 holds a declared digit: 3 is greyed, and ruled out too
  EXPECT_EQ(View().grid.looks[13], GridLook::GreyedNo);
  Press(Command::Undo);
  EXPECT_EQ(View().grid.looks[13], GridLook::Greyed);
  EXPECT_TRUE(View().Button(Command::Redo).enabled);
  const int focus = View().gridFocusVersion;
  Press(Command::New);
  player_.Reply(true);
  EXPECT_EQ(View().gridCursor, 0);
  EXPECT_EQ(View().gridFocusVersion, focus + 1);
  EXPECT_FALSE(View().Button(Command::Undo).enabled);
}

// A reader names a symbol for what it shows in the style on screen, in the
// player's language; a style without names counts the symbols from 1.
TEST(AccessibleTexts, SymbolsAreNamedPerStyleAndLanguage) {
  clsCatalogue catalogue;
  catalogue.LoadLanguages(GLYPH_PROGRAM_DIR);
  catalogue.SetCurrentTranslation(catalogue.FindLanguage("Deutsch"));
  EXPECT_EQ(GridCellName(catalogue, kStyleModern, 53, GridLook::No), "gelber Stern, Ziffer 3: ausgeschlossen");
  EXPECT_EQ(SymbolName(catalogue, kStyleClassic, 0), "blaue rechte H\xE4lfte");
  EXPECT_EQ(SymbolName(catalogue, kStyleModern, 9), "brauner Ring");
  EXPECT_EQ(SymbolName(catalogue, 2, 0), "Symbol 1");
}

}  // namespace
}  // namespace glyph
