// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/cls_game_session.h"

#include <algorithm>
#include <ctime>

#include "core/cls_asker.h"
#include "core/cls_clock.h"
#include "core/cls_desktop.h"
#include "core/puzzle_code.h"
#include "core/text_marks.h"
#include "i18n/cls_catalogue.h"
#include "net/cls_network_game.h"
#include "net/lan_discovery.h"
#include "net/new_network_logic.h"
#include "print/cls_printer_system.h"
#include "storage/file_association.h"
#include "storage/help_file.h"
#include "storage/settings_table.h"
#include "storage/web_pages.h"

namespace glyph {

clsGameSession::clsGameSession(const SessionServices& services, clsSessionDialogs& dialogs)
    : services_(services),
      dialogs_(dialogs),
      game_(services),
      race_(services, game_) {
  game_.SetRaceHooks(this);
  game_.SetRecordHooks(
      [this](const std::string& category) {
        if (const auto counted = StatsCategoryFromName(category)) statistics_.RecordStart(*counted);
        newBest_.reset();
        SaveStatistics();
      },
      [this](const std::string& category, bool solved, std::int64_t seconds, bool clean) {
        const auto counted = StatsCategoryFromName(category);
        if (!counted) return;
        if (!solved) statistics_.RecordGiveUp(*counted);
        if (solved && statistics_.RecordSolve(*counted, static_cast<int>(std::min<std::int64_t>(seconds, 1 << 30)),
                                              clean)) {
          newBest_ = counted;
        }
        SaveStatistics();
      });
  SetHelpFile();
}

namespace {

// The local date of a moment, for today's puzzle.
std::tm LocalDate(std::int64_t ms) {
  const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
  std::tm local{};
  localtime_r(&seconds, &local);
  return local;
}

}  // namespace

void clsGameSession::LoadStatistics() {
  if (services_.dataFolder.empty()) return;
  LoadedStatistics loaded = glyph::LoadStatistics(services_.dataFolder);
  statistics_ = std::move(loaded.statistics);
  statisticsWritable_ = loaded.outcome != StatisticsLoad::LeftInPlace;
  if (loaded.outcome == StatisticsLoad::Loaded) return;
  const std::string text =
      loaded.outcome == StatisticsLoad::MovedAside
          ? FillMark(Text("strMsgStatsMoved",
                          "The statistics file was damaged. It was moved aside to %1, and new statistics begin."),
                     "%1", loaded.movedTo.string())
          : Text("strMsgStatsLeft",
                 "The statistics file could not be read, and it is left as it is. This session's statistics will "
                 "not be saved.");
  services_.asker.Tell(text, Text("strTitStatistics", "Statistics"), MessageIcon::Exclamation);
}

void clsGameSession::SaveStatistics() {
  if (services_.dataFolder.empty() || !statisticsWritable_) return;
  glyph::SaveStatistics(services_.dataFolder, statistics_, services_.writer);
}

// "dark", or "desktop" on a dark desktop: the dark colours.
void clsGameSession::ApplyColours() {
  const std::string colours = ReadSetting(services_.settings, Setting::Colours);
  game_.SetDarkColours(colours == "dark" || (colours == "desktop" && services_.desktop.PrefersDark()));
}

void clsGameSession::ShowStatistics() { dialogs_.ShowStatistics(statistics_, newBest_); }

void clsGameSession::PlayCode() {
  const std::optional<std::string> code = dialogs_.AskPuzzleCode();
  if (!code) return;
  const std::optional<clsPuzzle> puzzle = PuzzleFromCode(*code);
  if (!puzzle) {
    services_.asker.Tell(Text("strMsgNotACode",
                              "This is not a puzzle code. A code has fifteen letters and digits, such as "
                              "0K7QD-M2XHA-4RT9B; please check it and try again."),
                         Text("strTitPlayCode", "Play a code"), MessageIcon::Exclamation);
    return;
  }
  game_.PlayPuzzle(*puzzle);
}

clsGameSession::~clsGameSession() { game_.SetRaceHooks(nullptr); }

std::string clsGameSession::Text(const char* key, const char* defaultText) const {
  return game_.Text(key, defaultText);
}

void clsGameSession::StartUp(const std::vector<std::string>& arguments) {
  // Until the start-up timer, the title is the window's own: its language's
  // caption, or the built-in one.
  title_ = Text("CAPTION", kTitle);
  LoadStatistics();
  game_.StartUp(arguments);
  ApplyColours();
  FocusGrid();
  Publish();
}

// The keyboard's cursor back on the first symbol's digit 0, and the grid
// asked to take the focus.
void clsGameSession::FocusGrid() {
  cursor_ = 0;
  ++focusVersion_;
}

// Arrows move the cursor (it stops at the edges), Home and End go to digit 0
// and 9 of its row; Space is a click on its cell, Enter a double click, and
// a digit a double click on that digit of its row.
void clsGameSession::OnGridKey(int key) {
  const int row = cursor_ / 10;
  const int column = cursor_ % 10;
  switch (key) {
    case kGridKeyUp: cursor_ = 10 * std::max(row - 1, 0) + column; break;
    case kGridKeyDown: cursor_ = 10 * std::min(row + 1, 9) + column; break;
    case kGridKeyLeft: cursor_ = 10 * row + std::max(column - 1, 0); break;
    case kGridKeyRight: cursor_ = 10 * row + std::min(column + 1, 9); break;
    case kGridKeyHome: cursor_ = 10 * row; break;
    case kGridKeyEnd: cursor_ = 10 * row + 9; break;
    case kGridKeySpace: game_.ClickCell(cursor_); break;
    case kGridKeyEnter: game_.DeclareCell(cursor_); break;
    default:
      if (key >= kGridKeyDigit && key <= kGridKeyDigit + 9) game_.DeclareCell(10 * row + key - kGridKeyDigit);
      break;
  }
}

void clsGameSession::Handle(const SessionEvent& event) {
  if (handling_) {  // inside a question's event loop: after the event in hand
    Wait(event);
    return;
  }
  waiting_.push_back(event);
  handling_ = true;
  view_.mayClose = false;
  try {
    while (!waiting_.empty()) {
      const SessionEvent next = std::move(waiting_.front());
      waiting_.pop_front();
      HandleOne(next);
    }
  } catch (...) {
    waiting_.clear();
    handling_ = false;
    throw;
  }
  handling_ = false;
}

// Any key or click ends a pause; the clock's own events, the network's and
// the windows beside the game (statistics, options, help) do not.
bool clsGameSession::EndsPause(const SessionEvent& event) {
  using Kind = SessionEvent::Kind;
  if (event.kind == Kind::GridClick || event.kind == Kind::GridDoubleClick || event.kind == Kind::GridKey) return true;
  if (event.kind != Kind::Button) return false;
  switch (event.command) {
    case Command::Pause:
    case Command::Statistics:
    case Command::Options:
    case Command::Help:
    case Command::Homepage: return false;
    default: return event.command <= Command::Close;
  }
}

// Ticks that wait are one tick; datagrams beyond a bound are dropped as the
// network drops them, so that a question left open under a flood holds
// little. The player's own events are never dropped.
void clsGameSession::Wait(const SessionEvent& event) {
  using Kind = SessionEvent::Kind;
  if (event.kind == Kind::Tick &&
      std::any_of(waiting_.begin(), waiting_.end(), [](const SessionEvent& e) { return e.kind == Kind::Tick; })) {
    return;
  }
  if (event.kind == Kind::Datagram && waiting_.size() >= kMostWaiting) return;
  waiting_.push_back(event);
}

void clsGameSession::HandleOne(const SessionEvent& event) {
  using Kind = SessionEvent::Kind;
  if (game_.Paused() && EndsPause(event)) {
    game_.TogglePause();
    // A key or click on the cover only ends the pause.
    if (event.kind != Kind::Button) return Publish();
  }
  switch (event.kind) {
    case Kind::Button: OnButton(event.command); break;
    case Kind::GridClick: game_.ClickCell(event.number); break;
    case Kind::GridDoubleClick: game_.DoubleClickCell(event.number); break;
    case Kind::HelpKey: services_.desktop.ShowHelp(helpFile_, race_.View().helpContext); break;
    case Kind::MakerLink: services_.desktop.OpenWebPage(kMakerWebPage); break;
    case Kind::WindowClose: view_.mayClose = game_.RequestClose(); break;
    case Kind::StartUpTimer:
      title_ = kFullTitle;
      RegisterFileTypeOnce(services_.settings, services_.registrar, services_.programFolder);
      break;
    case Kind::Tick:
      race_.Tick();
      AnnounceRace();
      break;
    case Kind::Datagram: race_.Receive(event.text, event.source); break;
    case Kind::Kick: race_.Kick(event.number); break;
    case Kind::Chat: race_.SendChat(event.text); break;
    case Kind::RaceOptions: race_.OptionsEdited(event.number, event.text); break;
    case Kind::GridKey: OnGridKey(event.number); break;
    case Kind::Minimised: game_.SetMinimised(event.number != 0); break;
    case Kind::Quitting: game_.KeepOrForget(); break;
    case Kind::CopyCode:
      if (!view_.code.empty()) services_.desktop.CopyText(view_.code);
      break;
  }
  Publish();
}

void clsGameSession::OnButton(Command command) {
  // A button the player cannot see or press does nothing, whoever sends it.
  if (command <= Command::Close && !(view_.Button(command).visible && view_.Button(command).enabled)) return;
  switch (command) {
    case Command::New:
      game_.ClickNew();
      FocusGrid();
      break;
    case Command::Clear: game_.ClickClear(); break;
    case Command::Solve: game_.ClickSolve(); break;
    case Command::Undo: game_.Undo(); break;
    case Command::Redo: game_.Redo(); break;
    case Command::AddBookmark: game_.ClickAddBookmark(); break;
    case Command::OpenBookmark:
      game_.ClickOpenBookmark();
      FocusGrid();
      break;
    case Command::Save: game_.ClickSave(); break;
    case Command::Load:
      game_.ClickLoad();
      FocusGrid();
      break;
    case Command::Print: OpenPrint(); break;
    case Command::Options: OpenOptions(); break;
    case Command::NetworkGame: OpenNetworkGame(); break;
    case Command::Help: services_.desktop.ShowHelp(helpFile_, kHelpMainWindow); break;
    case Command::Homepage: services_.desktop.OpenWebPage(kProductWebPage); break;
    case Command::Hint: game_.ClickHint(); break;
    case Command::Check: game_.ClickCheck(); break;
    case Command::Guide:
      game_.StartGuide();
      FocusGrid();
      break;
    case Command::LeaveGuide: game_.LeaveGuide(); break;
    case Command::Pause: game_.TogglePause(); break;
    case Command::Statistics: ShowStatistics(); break;
    case Command::Daily: {
      const std::tm today = LocalDate(services_.clock.NowMilliseconds());
      game_.ClickDaily(today.tm_year + 1900, today.tm_mon + 1, today.tm_mday);
      FocusGrid();
      break;
    }
    case Command::PlayCode:
      PlayCode();
      FocusGrid();
      break;
    case Command::Close: view_.mayClose = game_.ClickClose(); break;
    case Command::NetStart: race_.ClickStart(); break;
    case Command::NetCancel: race_.Cancel(); break;
    case Command::NetGiveUp: race_.GiveUp(true); break;
    case Command::NetExit: race_.Exit(); break;
    case Command::CloseResults: race_.CloseResults(); break;
  }
}

void clsGameSession::OpenPrint() {
  if (!services_.printers.CanPrint()) {
    services_.asker.Tell(Text("strNoPrinter", "No printer installed"), kTitle, MessageIcon::None);
    return;
  }
  dialogs_.Print(game_.Puzzle(), game_.Style());
}

void clsGameSession::OpenOptions() {
  const std::optional<int> style = dialogs_.ChooseOptions(game_.Style());
  if (!style) return;
  game_.ApplyStyle(*style);
  ApplyColours();
  ++textsVersion_;
  title_ = kFullTitle;
  SetHelpFile();
}

void clsGameSession::OpenNetworkGame() {
  if (!services_.asker.AskYesNo(Text("strMsgNewNetGame", "Do you really want to start a new net game?"),
                                Text("strTitNewNetGame", "New net game"), MessageIcon::Question, false)) {
    return;
  }
  const std::optional<NetworkChoice> choice = services_.networkDialog.AskNetworkGame();
  if (!choice) return;
  race_.Begin(choice->IPAddressLocal, choice->IPAddressHost, choice->Host, choice->NamePlayer);
}

void clsGameSession::SetHelpFile() {
  const clsTranslation* language = services_.catalogue.CurrentTranslation();
  helpFile_ = HelpFileFor(services_.programFolder, language == nullptr ? nullptr : &language->Code()).string();
}

void clsGameSession::AnnounceRace() {
  if (announcer_ == nullptr) return;
  const clsNetworkGame* game = race_.Session();
  const bool inLobby = game != nullptr && game->Host && race_.View().lobbyShown;
  Announcement announcement{announcedFrom_, computerName_, "", 0, !inLobby};
  if (inLobby) {
    if (announceTicks_++ % 2 != 0) return;  // about once a second
    announcedFrom_ = announcement.host = game->LocalIP;
    announcement.name = game->LocalName;
    announcement.players = static_cast<int>(game->CollClients.size());
  } else if (announcedFrom_.empty()) {
    return;
  } else {
    announcedFrom_.clear();  // the race started or the game ended: said once
    announceTicks_ = 0;
  }
  announcer_->Announce(announcement.host, MakeAnnouncement(announcement, services_.random));
}

void clsGameSession::Publish() {
  view_.board = game_.Board();
  view_.grid = game_.Grid();
  view_.race = race_.View();
  view_.title = title_;
  view_.textsVersion = textsVersion_;
  view_.gridCursor = cursor_;
  view_.gridFocusVersion = focusVersion_;

  // During a race only Quit stands beside the race panel; the board is the
  // race's until it ends.
  const bool racing = view_.race.raceShown;
  const bool boardFree = BoardFree();
  const ButtonStates& states = game_.Buttons();
  for (int i = 0; i < kMainButtonCount; ++i) {
    const auto command = static_cast<Command>(i);
    view_.buttons[static_cast<std::size_t>(i)] = {command == Command::Close || !racing, true};
  }
  view_.Button(Command::Close).enabled = view_.race.closeAvailable;
  view_.Button(Command::New).enabled = boardFree;
  view_.Button(Command::Clear).enabled = boardFree;
  view_.Button(Command::Load).enabled = boardFree;
  view_.Button(Command::Solve).enabled = boardFree && states.solve;
  view_.Button(Command::AddBookmark).enabled = boardFree && states.addBookmark;
  view_.Button(Command::OpenBookmark).enabled = boardFree && states.openBookmark;
  view_.Button(Command::Undo).enabled = game_.CanUndo();
  view_.Button(Command::Redo).enabled = game_.CanRedo();
  // Hints and checks are a single player's help: no network game has them.
  for (Command advice : {Command::Hint, Command::Check}) {
    view_.Button(advice) = {!game_.NetworkSessionExists() && !racing, game_.CanAdvise()};
  }
  view_.Button(Command::Guide).enabled = boardFree && !game_.NetworkSessionExists();
  for (Command single : {Command::Daily, Command::PlayCode, Command::Pause}) {
    view_.Button(single) = {!game_.NetworkSessionExists() && !racing, boardFree};
  }
  view_.Button(Command::Pause).enabled = game_.CanPause() || game_.Paused();
  view_.clock = game_.ClockText();
  view_.paused = game_.Paused();
  view_.code = game_.NetworkSessionExists() ? std::string() : PuzzleCode(game_.Puzzle());
  view_.note = game_.CanAdvise() || game_.InGuide() ? game_.Note() : GridNote{};
  if (display_ != nullptr) display_->Show(view_);
}

}  // namespace glyph
