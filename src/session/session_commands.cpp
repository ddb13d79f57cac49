// SPDX-License-Identifier: GPL-3.0-or-later
// The player's commands: what each asks, which dialog it opens, and what
// the answer does. Nothing here waits: a question or dialog goes into the
// view with what follows its answer.
#include <ctime>

#include "core/cls_clock.h"
#include "core/cls_desktop.h"
#include "core/daily_puzzle.h"
#include "core/puzzle_code.h"
#include "core/text_marks.h"
#include "i18n/cls_catalogue.h"
#include "net/new_network_logic.h"
#include "print/cls_printer_system.h"
#include "session/cls_game_session.h"
#include "storage/file_association.h"
#include "storage/help_file.h"
#include "storage/settings_table.h"
#include "storage/web_pages.h"

namespace glyph {

namespace {

constexpr const char* kBookmarkModule = "frmOpenBookmark";
constexpr std::size_t kLongestTypedCode = 64;  // a code is 15 characters; room for dashes and spaces
constexpr const char* kNotACode =
    "This is not a puzzle code. A code has fifteen letters and digits, such as 0K7QD-M2XHA-4RT9B; please check it "
    "and try again.";

// The local date of a moment, for today's puzzle.
std::tm LocalDate(std::int64_t ms) {
  const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
  std::tm local{};
  localtime_r(&seconds, &local);
  return local;
}

}  // namespace

void clsGameSession::Ask(const char* textKey, const char* text, const char* titleKey, const char* title,
                         bool yesPreselected, std::function<void()> onYes, std::function<bool()> applies) {
  prompts_.AskYesNo(Text(textKey, text), Text(titleKey, title), MessageIcon::Question, yesPreselected, std::move(onYes),
                    std::move(applies));
}

void clsGameSession::Tell(const char* textKey, const char* text, const char* titleKey, const char* title) {
  prompts_.Tell(Text(textKey, text), Text(titleKey, title), MessageIcon::Exclamation);
}

// A command's question: its follow-up runs after a Yes while the command may
// still be done, and the question closes itself once it may not (a race took
// the board meanwhile).
void clsGameSession::ConfirmThen(Command command, const char* textKey, const char* text, const char* titleKey,
                                 const char* title, std::function<void()> then) {
  Ask(textKey, text, titleKey, title, false, std::move(then), [this, command] { return MayDo(command); });
}

// A game with the player's work on it is left only after the new-game
// question; a game that is over has nothing to lose. New asks whenever the
// game is not over.
void clsGameSession::LeaveGameThen(bool always, std::function<void()> start) {
  const auto started = [this, start = std::move(start)] {
    start();
    FocusGrid();
  };
  if (game_.GameOver() || (!always && !game_.HasWorkAtStake())) return started();
  Ask("strMsgNewGame", "Do you really want to start a new game?", "strTitNewGame", "New game", true, started,
      [this] { return MayDo(Command::New); });
}

void clsGameSession::OpenDialog(DialogView dialog, clsDialogDesk::Answered answered) {
  dialogs_.Open(std::move(dialog), std::move(answered));
}

void clsGameSession::OnButton(Command command) {
  // A button the player cannot see or press does nothing, whoever sends it.
  if (!MayDo(command)) return;
  switch (command) {
    case Command::New: LeaveGameThen(true, [this] { game_.NewGame(); }); break;
    case Command::Clear:
      ConfirmThen(command, "strMsgClear", "Do you really want to clear the solution grid?", "strTitClear", "Clear grid",
                  [this] { game_.ClearGrid(); });
      break;
    case Command::Solve:
      ConfirmThen(command, "strMsgSolveGame", "Do you really want to see the solution of this game?", "strTitSolveGame",
                  "Solve game", [this] { game_.RevealSolution(); });
      break;
    case Command::Undo: game_.Undo(); break;
    case Command::Redo: game_.Redo(); break;
    case Command::AddBookmark: AddBookmark(); break;
    case Command::OpenBookmark: OpenBookmarks(); break;
    case Command::Save: ChooseFileToSave(); break;
    case Command::Load:
      ConfirmThen(command, "strMsgLoadGame", "Do you really want to load a saved game?", "strTitLoadGame", "Load game",
                  [this] { ChooseGameToLoad(); });
      break;
    case Command::Print: OpenPrint(); break;
    case Command::Options: OpenOptions(); break;
    case Command::NetworkGame:
      ConfirmThen(command, "strMsgNewNetGame", "Do you really want to start a new net game?", "strTitNewNetGame",
                  "New net game", [this] { OpenNetworkGame(); });
      break;
    case Command::Help: services_.desktop.ShowHelp(helpFile_, kHelpMainWindow); break;
    case Command::Homepage: services_.desktop.OpenWebPage(kProductWebPage); break;
    case Command::Hint: game_.ClickHint(); break;
    case Command::Check: game_.ClickCheck(); break;
    case Command::Guide: LeaveGameThen(false, [this] { game_.StartGuide(); }); break;
    case Command::LeaveGuide: game_.LeaveGuide(); break;
    case Command::Pause: game_.TogglePause(); break;
    case Command::Statistics: OpenDialog({.kind = DialogKind::Statistics}, nullptr); break;
    case Command::Daily: PlayDaily(); break;
    case Command::PlayCode: PlayCode(); break;
    case Command::Close:
      ConfirmThen(command, "strMsgCloseGame", "Do you really want to quit the game?", "strTitCloseGame", "Quit game",
                  [this] { RequestClose(); });
      break;
    case Command::NetStart: race_.ClickStart(); break;
    case Command::NetCancel: race_.Cancel(); break;
    case Command::NetGiveUp: race_.GiveUp(); break;
    case Command::NetExit: race_.Exit(); break;
    case Command::CloseResults: race_.CloseResults(); break;
  }
}

// ---- Saved games --------------------------------------------------------

void clsGameSession::ChooseGameToLoad() {
  OpenDialog({.kind = DialogKind::OpenGame, .text = kSavedGameFilter}, [this](const SessionEvent& answer) {
    std::error_code error;
    if (!answer.yes || answer.text.empty() || !std::filesystem::exists(answer.text, error)) return;
    if (LoadFile(answer.text)) FocusGrid();
  });
}

bool clsGameSession::LoadFile(const std::string& path) {
  switch (game_.LoadGameFile(path)) {
    case LoadOutcome::Loaded: return true;
    case LoadOutcome::NotASavedGame:
      Tell("strMsgNotSavedGame", "This file is not a saved Glyphmatic game.", "strTitLoadGame", "Load game");
      break;
    case LoadOutcome::Unreadable:
      Tell("strMsgLoadFailed", "The file could not be read.", "strTitLoadGame", "Load game");
      break;
  }
  return false;
}

void clsGameSession::ChooseFileToSave() {
  DialogView dialog{.kind = DialogKind::SaveGame, .text = kSavedGameFilter, .extension = kSaveGameExtension};
  OpenDialog(dialog, [this](const SessionEvent& answer) {
    if (!answer.yes || answer.text.empty()) return;
    switch (game_.SaveGameFile(answer.text)) {
      case WriteOutcome::Written: break;
      case WriteOutcome::ReadOnly:
        Tell("strMsgSaveReadOnly", "The file is read-only. The game was not saved.", "strTitSaveGame", "Save game");
        break;
      case WriteOutcome::NotAFile:
        Tell("strMsgSaveNotAFile", "The chosen name is not a file (a folder or a device). The game was not saved.",
             "strTitSaveGame", "Save game");
        break;
      case WriteOutcome::Failed:
        Tell("strMsgSaveFailed", "The game could not be saved. The file is unchanged.", "strTitSaveGame", "Save game");
        break;
    }
  });
}

// ---- Bookmarks ----------------------------------------------------------

void clsGameSession::AddBookmark() {
  OpenDialog({.kind = DialogKind::BookmarkName, .text = game_.NextBookmarkName()}, [this](const SessionEvent& answer) {
    if (answer.yes) game_.AddBookmark(answer.text);  // any name, an empty one too
  });
}

// The list: opening one closes it; renames and removals are final at once.
void clsGameSession::OpenBookmarks() {
  const std::vector<std::string> names = game_.BookmarkNames();
  DialogView dialog{.kind = DialogKind::Bookmarks, .items = names, .selected = static_cast<int>(names.size()) - 1};
  OpenDialog(dialog, [this](const SessionEvent& answer) {
    if (!answer.yes || answer.value < 0) return;
    game_.OpenBookmark(static_cast<std::size_t>(answer.value));
    FocusGrid();
  });
}

void clsGameSession::RemoveBookmark(int row) {
  const auto listed = [this, row] {
    return dialogs_.IsOpen(DialogKind::Bookmarks) && row >= 0 &&
           static_cast<std::size_t>(row) < game_.Bookmarks().size();
  };
  if (!listed()) return;
  const clsCatalogue& texts = services_.catalogue;
  prompts_.AskYesNo(
      texts.GetTranslation(kBookmarkModule, "strMsgRemBookmark", "Do you really want to remove this bookmark?"),
      texts.GetTranslation(kBookmarkModule, "strMsgTitBookmark", "Remove bookmark"), MessageIcon::Question, false,
      [this, row] {
        game_.RemoveBookmark(static_cast<std::size_t>(row));
        dialogs_.SetItems(game_.BookmarkNames());
      },
      listed);
}

// ---- New puzzles ----------------------------------------------------------

void clsGameSession::PlayDaily() {
  LeaveGameThen(false, [this] {
    const std::tm today = LocalDate(services_.clock.NowMilliseconds());
    game_.StartDaily(today.tm_year + 1900, today.tm_mon + 1, today.tm_mday);
  });
}

void clsGameSession::PlayCode() {
  OpenDialog({.kind = DialogKind::PlayCode}, [this](const SessionEvent& answer) {
    if (answer.yes) PlayTypedCode(answer.text);
  });
}

// A code that is not one keeps the dialog open with the text as typed.
void clsGameSession::PlayTypedCode(const std::string& typed) {
  const std::string code = typed.substr(0, kLongestTypedCode);
  const std::optional<clsPuzzle> puzzle = PuzzleFromCode(code);
  if (!puzzle) {
    dialogs_.Refuse(code, Text("strMsgNotACode", kNotACode));
    return;
  }
  LeaveGameThen(false, [this, chosen = *puzzle] { game_.PlayPuzzle(chosen); });
}

// A link (a web address) names a puzzle by its code or by its day: it is
// played as the buttons play theirs, without the dialog. A link that names
// none says so, and the game on the board stays.
void clsGameSession::PlayLinkedCode(const std::string& text) {
  if (!MayDo(Command::PlayCode)) return;
  const std::optional<clsPuzzle> puzzle = PuzzleFromCode(text.substr(0, kLongestTypedCode));
  if (!puzzle) {
    return Tell("strMsgNotACode", kNotACode, "strTitPlayCode", "Play a code");
  }
  LeaveGameThen(false, [this, chosen = *puzzle] { game_.PlayPuzzle(chosen); });
}

void clsGameSession::PlayLinkedDate(const std::string& text) {
  if (!MayDo(Command::Daily)) return;
  const std::optional<CalendarDate> date = ReadDate(text);
  if (!date || !DateExists(*date)) {
    return Tell("strMsgNotADate",
                "This is not the date of a day's puzzle. A date is written as year, month and day, such as "
                "2025-03-14.",
                "strTitDaily", "Today's puzzle");
  }
  LeaveGameThen(false, [this, day = *date] { game_.StartDaily(day.year, day.month, day.day); });
}

// ---- Dialogs beside the game ---------------------------------------------

void clsGameSession::OpenPrint() {
  if (!services_.printers.CanPrint()) {
    prompts_.Tell(Text("strNoPrinter", "No printer installed"), kTitle, MessageIcon::None);
    return;
  }
  // New puzzles of a batch are drawn at the player's preferred difficulty.
  const Difficulty difficulty =
      DifficultyFromName(ReadSetting(services_.settings, Setting::Difficulty)).value_or(Difficulty::Any);
  OpenDialog({.kind = DialogKind::Print, .style = game_.Style(), .difficulty = difficulty}, nullptr);
}

// The dialog stores what the player chose; the board takes the style and
// colours, and every text the language.
void clsGameSession::OpenOptions() {
  OpenDialog({.kind = DialogKind::Options, .style = game_.Style()}, [this](const SessionEvent& answer) {
    if (!answer.yes) return;
    game_.ApplyStyle(answer.value);
    ApplyColours();
    game_.Retranslate();
    ++textsVersion_;
    title_ = kFullTitle;
    SetHelpFile();
  });
}

// The host/join dialog's fields: the local address, the host's, the name
// and the login name that stands in for an empty one; value 1 to host.
void clsGameSession::OpenNetworkGame() {
  OpenDialog({.kind = DialogKind::NetworkGame}, [this](const SessionEvent& answer) {
    if (answer.yes) BeginNetworkGame(answer);
  });
}

void clsGameSession::BeginNetworkGame(const SessionEvent& answer) {
  if (answer.fields.size() != 4) return;
  NetworkChoice choice{answer.value != 0, answer.fields[1], answer.fields[0], answer.fields[2]};
  const std::optional<NetworkFieldProblem> wrong =
      ConfirmNewNetwork(services_.settings, choice, answer.fields[3], services_.catalogue);
  if (wrong) {
    dialogs_.Refuse({}, wrong->message, wrong->field == NetworkField::Local ? 0 : 1);
    return;
  }
  race_.Begin(choice.IPAddressLocal, choice.IPAddressHost, choice.Host, choice.NamePlayer);
}

// ---- Closing -----------------------------------------------------------------

// The window may close without a network game; with one, the race decides
// (giving up, exiting or cancelling, each with its question).
void clsGameSession::RequestClose() {
  if (game_.NetworkSessionExists()) return race_.CloseRequested();
  if (KeepOrForget()) {
    quit_ = true;
    return;
  }
  // The game could not be kept (a full disk): the player decides.
  prompts_.AskYesNo(
      FillMark(
          Text("strMsgKeepFailed", "The unfinished game could not be kept (%1). Quit all the same? It will be lost."),
          "%1", services_.writer.LastFailure()),
      Text("strTitKeptGame", "Unfinished game"), MessageIcon::Exclamation, false, [this] { quit_ = true; });
}

// The program ends now, whatever is open: the race is left as Quit game
// leaves it, and the unfinished game is kept.
void clsGameSession::Quit() {
  prompts_.Clear();
  dialogs_.Close();
  race_.LeaveNow();
  KeepOrForget();
  quit_ = true;
}

}  // namespace glyph
