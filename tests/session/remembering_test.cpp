// SPDX-License-Identifier: GPL-3.0-or-later
// What the game keeps around and between games: the clock and its pause,
// the unfinished game, the statistics, puzzle codes and today's puzzle.
#include <gtest/gtest.h>

#include <cctype>
#include <ctime>
#include <fstream>
#include <memory>
#include <sstream>

#include "core/daily_puzzle.h"
#include "core/puzzle_code.h"
#include "storage/cls_file_writer.h"
#include "storage/kept_game.h"
#include "storage/settings_table.h"
#include "storage/statistics.h"
#include "support/fake_services.h"
#include "support/language_files.h"

namespace glyph {
namespace {

class RememberingTest : public ::testing::Test {
 protected:
  RememberingTest() {
    fakes_.writer = &writer_;
    WriteSetting(fakes_.settings, Setting::GuideOffered, "Y");  // not a newcomer's first start
  }
  // One start of the game on the player's data folder.
  void Start() {
    session_.reset();
    player_ = clsSessionDriver();
    session_ = std::make_unique<clsGameSession>(fakes_.Services(catalogue_, "", folder_.Path().string()));
    player_.Drive(*session_);
    session_->StartUp({});
  }
  void Press(Command command) { player_.Press(command); }
  void Send(SessionEvent::Kind kind, int number = 0) { player_.Send(kind, number); }
  void Wait(std::int64_t ms) {
    clock_.now += ms;
    Send(SessionEvent::Kind::Tick);
  }
  void Solve() {
    const clsPuzzle& puzzle = session_->Game().Puzzle();
    for (int d = 0; d < 10; ++d) {
      Send(SessionEvent::Kind::GridClick, 10 * puzzle.Symbols(d) + d);
      Send(SessionEvent::Kind::GridDoubleClick, 10 * puzzle.Symbols(d) + d);
    }
  }
  StatsSummary Statistics(StatsCategory category) {
    Press(Command::Statistics);
    EXPECT_EQ(view_.dialog.kind, DialogKind::Statistics);
    player_.Cancel();
    return session_->Statistics().Summary(category);
  }

  test::clsTempFolder folder_;
  clsFakeClock clock_;
  clsFakeNetwork network_;
  clsFakeServices fakes_{11, network_, clock_};
  clsCatalogue catalogue_;
  clsAtomicFileWriter writer_;
  std::unique_ptr<clsGameSession> session_;
  clsSessionDriver player_;
  const SessionView& view_ = player_.view;
};

// The clock stands while paused, minimised, or while a question or the
// statistics wait for the player; a click that ends the pause does nothing
// else.
TEST_F(RememberingTest, TheClockStandsWhenNobodyPlaysAndTheClickEndingAPauseOnlyEndsIt) {
  Start();
  Wait(65'000);
  EXPECT_EQ(view_.clock, "1:05");
  const GridNote note = view_.note;
  for (const SessionEvent& click : {SessionEvent::Of(SessionEvent::Kind::GridClick, 34),
                                    SessionEvent::Button(Command::Hint), SessionEvent::Button(Command::Clear)}) {
    Press(Command::Pause);
    EXPECT_TRUE(view_.paused);
    Wait(100'000);
    player_.Handle(click);
    EXPECT_FALSE(view_.paused);
    EXPECT_FALSE(view_.prompt);
  }
  EXPECT_EQ(view_.grid.looks[34], GridLook::Plain);
  EXPECT_EQ(view_.note, note);  // no hint
  Send(SessionEvent::Kind::Minimised, 1);
  Wait(50'000);
  Send(SessionEvent::Kind::Minimised, 0);
  Press(Command::Close);
  Wait(50'000);
  player_.Reply(false);
  Press(Command::Statistics);
  Wait(50'000);
  player_.Cancel();
  Wait(3'600'000);
  EXPECT_EQ(view_.clock, "1:01:05");
}

TEST_F(RememberingTest, AnUnfinishedGameComesBackAsItWasAndCountsOnceWhenSolved) {
  Start();
  const std::string puzzle = session_->Game().Puzzle().MakeSendString();
  const auto category = *StatsCategoryFromName(view_.note.text.substr(view_.note.text.rfind(' ') + 1));
  Send(SessionEvent::Kind::GridClick, 34);
  Press(Command::Check);
  Wait(30'000);
  Press(Command::New);  // a signal while a question is open: the program ends, the game kept
  Send(SessionEvent::Kind::Quitting);
  EXPECT_TRUE(view_.quit);
  EXPECT_FALSE(view_.prompt);
  Start();
  EXPECT_EQ(session_->Game().Puzzle().MakeSendString(), puzzle);
  EXPECT_EQ(view_.grid.looks[34], GridLook::No);
  EXPECT_EQ(view_.clock, "0:30");
  Send(SessionEvent::Kind::GridClick, 34);  // the mark back off: it might be wrong
  Wait(12'000);
  Solve();
  EXPECT_EQ(view_.clock, "0:42");
  const StatsSummary summary = Statistics(category);
  EXPECT_EQ(summary.started, 1);
  EXPECT_EQ(summary.solved, 1);
  EXPECT_EQ(summary.clean, 0);  // Check was pressed before the quit
  EXPECT_EQ(summary.bestSeconds, 42);
  Send(SessionEvent::Kind::Quitting);  // a finished game is not kept
  EXPECT_FALSE(std::filesystem::exists(folder_ / kKeptGameFile));
}

// With "continue the unfinished game" off, a kept game is neither taken up
// nor kept.
TEST_F(RememberingTest, AKeptGameStaysAwayWhenThePlayerSaysSo) {
  Start();
  const std::string puzzle = session_->Game().Puzzle().MakeSendString();
  Send(SessionEvent::Kind::GridClick, 34);
  Send(SessionEvent::Kind::Quitting);
  ASSERT_TRUE(std::filesystem::exists(folder_ / kKeptGameFile));
  WriteSetting(fakes_.settings, Setting::ContinueGame, "N");
  Start();
  EXPECT_NE(session_->Game().Puzzle().MakeSendString(), puzzle);
}

// The facts beside a kept game belong to its puzzle: damaged ones, or those
// of another puzzle, give the game a fresh clock rather than a wrong one.
TEST_F(RememberingTest, FactsOfAnotherPuzzleOrDamagedOnesGiveAFreshClock) {
  Start();
  Send(SessionEvent::Kind::GridClick, 34);
  Wait(30'000);
  Send(SessionEvent::Kind::Quitting);
  std::stringstream facts;
  facts << std::ifstream(folder_ / kKeptFactsFile).rdbuf();
  for (const auto& [from, to] : {std::pair{"puzzle=", "puzzle=-"}, std::pair{"helped=0", "helped=2"},
                                 std::pair{"elapsed=30000", "elapsed=9223372036854775807"}}) {
    std::string broken = facts.str();
    broken.replace(broken.find(from), std::string(from).size(), to);
    std::ofstream(folder_ / kKeptFactsFile) << broken;
    Start();
    EXPECT_EQ(view_.clock, "0:00") << to;
  }
  KeptGameFacts read;  // a game kept at once is whole too
  const std::string whole = FactsText({"p", 0, "easy", false});
  EXPECT_TRUE(ReadFacts(whole, read) && read.category == "easy");
  for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
           {"elapsed=0", "elapsed=-1"}, {whole.substr(0, whole.find('\n')), "x"}}) {
    std::string broken = whole;
    broken.replace(broken.find(from), from.size(), to);
    EXPECT_FALSE(ReadFacts(broken, read)) << to;
  }
}

TEST_F(RememberingTest, DamagedFilesAreMovedAsideAndReported) {
  std::ofstream(folder_ / kKeptGameFile) << "not a saved game\n";
  std::ofstream(folder_ / kStatisticsFileName) << "not statistics\n";
  Start();
  ASSERT_EQ(player_.Titles(), std::vector<std::string>{"Statistics"});
  EXPECT_NE(player_.prompts[0].text.find("moved aside to " + folder_.Path().string()), std::string::npos);
  player_.Reply();
  ASSERT_EQ(player_.Titles().back(), "Unfinished game");
  int aside = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder_.Path())) {
    aside += entry.path().filename().string().rfind("unfinished.damaged-", 0) == 0;
  }
  EXPECT_EQ(aside, 1);
  EXPECT_FALSE(view_.code.empty());  // a new game
}

// Two copies of the game at once: each saves only its own changes onto what
// the file holds then, so neither erases the other's.
TEST_F(RememberingTest, TwoCopiesKeepEachOthersStatistics) {
  Start();
  Send(SessionEvent::Kind::GridClick, 34);
  clsGameSession other(fakes_.Services(catalogue_, "", folder_.Path().string()));
  other.StartUp({});
  other.Handle(SessionEvent::Of(SessionEvent::Kind::GridClick, 34));
  Press(Command::New);
  player_.Reply(true);
  Send(SessionEvent::Kind::GridClick, 34);
  const LoadedStatistics file = LoadStatistics(folder_.Path());
  int started = 0;
  for (StatsCategory category : kStatsCategories) started += file.statistics.Summary(category).started;
  EXPECT_EQ(started, 3);
}

// The game's own files replace a link in their place rather than write
// where it points; a folder that cannot be written is told once a session.
TEST_F(RememberingTest, TheGamesOwnFilesAreItsOwnAndAFolderItCannotWriteIsToldOnce) {
  Start();
  test::clsTempFolder elsewhere;
  for (const char* name : {kKeptGameFile, kKeptFactsFile, kStatisticsFileName}) {
    std::ofstream(elsewhere / name) << "mine\n";
    std::filesystem::remove(folder_ / name);
    std::filesystem::create_symlink(elsewhere / name, folder_ / name);
  }
  Send(SessionEvent::Kind::GridClick, 34);
  Send(SessionEvent::Kind::Quitting);
  for (const char* name : {kKeptGameFile, kKeptFactsFile}) {
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(folder_ / name))) << name;
  }
  for (const char* name : {kKeptGameFile, kKeptFactsFile, kStatisticsFileName}) {
    std::stringstream kept;
    kept << std::ifstream(elsewhere / name).rdbuf();
    EXPECT_EQ(kept.str(), "mine\n") << name;
  }

  fakes_.writer = &fakes_.none;  // nothing can be written
  Start();
  while (view_.prompt) player_.Reply(true);
  Press(Command::New);
  while (view_.prompt) player_.Reply(true);
  int told = 0;
  for (const PromptView& prompt : player_.prompts) told += prompt.text.find("cannot write") != std::string::npos;
  EXPECT_EQ(told, 1);
}

// A puzzle only looked at neither counts nor ends a run; on a newcomer's
// first start the clock waits for the first action.
TEST_F(RememberingTest, OnlyAGameThePlayerTouchedCounts) {
  WriteSetting(fakes_.settings, Setting::GuideOffered, "N");
  Start();
  Wait(20'000);
  EXPECT_EQ(view_.clock, "0:00");
  Press(Command::New);
  player_.Reply(true);
  Send(SessionEvent::Kind::GridClick, 34);
  Wait(5'000);
  EXPECT_EQ(view_.clock, "0:05");
  int started = 0;
  for (StatsCategory category : kStatsCategories) started += Statistics(category).started;
  EXPECT_EQ(started, 1);
}

TEST_F(RememberingTest, TodaysPuzzleCountsAsDaily) {
  Start();
  const std::time_t now = static_cast<std::time_t>(clock_.now / 1000);
  std::tm today{};
  localtime_r(&now, &today);
  Press(Command::Daily);
  EXPECT_EQ(view_.code, PuzzleCode(DailyPuzzle(today.tm_year + 1900, today.tm_mon + 1, today.tm_mday)));
  char date[16];
  std::strftime(date, sizeof date, "%Y-%m-%d", &today);
  EXPECT_EQ(view_.note.text.rfind("Today's puzzle, " + std::string(date) + ".", 0), 0u);
  Wait(1000);
  Solve();
  EXPECT_EQ(Statistics(StatsCategory::Daily).solved, 1);
}

// A link names a puzzle by its code or by its day: played without the
// dialog, after the question when work is at stake. A link that names none
// says so and leaves the board alone.
TEST_F(RememberingTest, APuzzleNamedByALinkIsPlayed) {
  Start();
  const std::string first = view_.code;
  const auto link = [this](SessionEvent::Kind kind, const std::string& text) {
    player_.Handle(SessionEvent::Of(kind, 0, text));
  };
  for (const auto& [kind, text] : {std::pair{SessionEvent::Kind::LinkCode, "0K7QD-M2XHA-4RT9"},
                                   {SessionEvent::Kind::LinkDate, "2026-02-30"},
                                   {SessionEvent::Kind::LinkDate, "2026-2-03"}}) {
    link(kind, text);
    player_.Reply();
  }
  EXPECT_EQ(player_.Titles(), (std::vector<std::string>{"Play a code", "Today's puzzle", "Today's puzzle"}));
  EXPECT_EQ(view_.code, first);

  Send(SessionEvent::Kind::GridClick, 34);
  const std::string code = PuzzleCode(DailyPuzzle(2026, 12, 6));
  std::string typed = code;
  for (char& c : typed) c = static_cast<char>(std::tolower(c));
  link(SessionEvent::Kind::LinkCode, typed);
  ASSERT_TRUE(view_.prompt);
  EXPECT_EQ(view_.prompt->title, "New game");
  player_.Reply(true);
  EXPECT_EQ(view_.code, code);

  link(SessionEvent::Kind::LinkDate, "2026-12-13");  // nothing at stake: no question
  EXPECT_FALSE(view_.prompt);
  EXPECT_EQ(view_.code, PuzzleCode(DailyPuzzle(2026, 12, 13)));
  Wait(1000);
  Solve();
  EXPECT_EQ(Statistics(StatsCategory::Daily).solved, 1);
}

// Writes everything but the kept game, as a store that is full by then.
class clsKeptGameRefused : public clsFileWriter {
 public:
  explicit clsKeptGameRefused(clsFileWriter& others) : others_(others) {}
  WriteOutcome WriteWhole(const std::filesystem::path& file, const std::string& content, LinkRule links) override {
    if (file.filename() == kKeptGameFile) return WriteOutcome::Failed;
    return others_.WriteWhole(file, content, links);
  }
  std::string LastFailure() const override { return "full"; }

 private:
  clsFileWriter& others_;
};

// A page may end without notice: Keep keeps the unfinished game at once and
// play goes on; once the game is over it forgets it. A game that could not
// be kept is said, for the player coming back.
TEST_F(RememberingTest, KeepKeepsTheGameAtOnceAndPlayGoesOn) {
  Start();
  Send(SessionEvent::Kind::GridClick, 34);
  Send(SessionEvent::Kind::Keep);
  Send(SessionEvent::Kind::GridClick, 35);
  EXPECT_EQ(view_.grid.looks[35], GridLook::No);
  EXPECT_FALSE(view_.quit);
  Start();
  EXPECT_EQ(view_.grid.looks[34], GridLook::No);
  EXPECT_EQ(view_.grid.looks[35], GridLook::Plain);
  Solve();
  Send(SessionEvent::Kind::Keep);
  EXPECT_FALSE(std::filesystem::exists(folder_ / kKeptGameFile));

  clsKeptGameRefused refusing(writer_);
  fakes_.writer = &refusing;
  Start();
  Send(SessionEvent::Kind::GridClick, 34);
  EXPECT_FALSE(view_.prompt);
  Send(SessionEvent::Kind::Keep);
  ASSERT_TRUE(view_.prompt);
  EXPECT_NE(view_.prompt->text.find("(full)"), std::string::npos);
}

}  // namespace
}  // namespace glyph
