// SPDX-License-Identifier: GPL-3.0-or-later
// The session's core: events in, one view out, and the one rule of what may
// be done while a network game runs.
#include "session/cls_game_session.h"

#include <algorithm>

#include "core/cls_desktop.h"
#include "core/puzzle_code.h"
#include "core/text_marks.h"
#include "i18n/cls_catalogue.h"
#include "net/cls_network_game.h"
#include "net/lan_discovery.h"
#include "session/commands.h"
#include "storage/file_association.h"
#include "storage/help_file.h"
#include "storage/settings_table.h"
#include "storage/web_pages.h"

namespace glyph {

namespace {

constexpr char kCommandLineEnd[] = "#0#";

}  // namespace

std::string CommandLineFile(const std::vector<std::string>& arguments) {
  std::string line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (i > 0) line += ' ';
    line += arguments[i];
  }
  const std::size_t end = line.find(kCommandLineEnd);
  return end == std::string::npos ? line : line.substr(0, end);
}

clsGameSession::clsGameSession(const SessionServices& services)
    : services_(services), game_(services), race_(services, prompts_, game_) {
  game_.SetRaceHooks(this);
  game_.Record().SetHooks([this](const std::string& category) { RecordStarted(category); },
                          [this](const std::string& category, bool solved, std::int64_t seconds, bool clean) {
                            RecordEnded(category, solved, seconds, clean);
                          });
  SetHelpFile();
}

clsGameSession::~clsGameSession() { game_.SetRaceHooks(nullptr); }

std::string clsGameSession::Text(const char* key, const char* defaultText) const {
  return game_.Text(key, defaultText);
}

void clsGameSession::Handle(const SessionEvent& event) {
  if (!started_) return;  // nothing before the first board stands
  HandleOne(event);
  prompts_.CloseStale();
  // While the game waits for an answer, its clock stands.
  game_.HoldClock(clsGameClock::kAnswering, prompts_.Open() || dialogs_.Open());
  Publish();
}

void clsGameSession::HandleOne(const SessionEvent& event) {
  using Kind = SessionEvent::Kind;
  switch (event.kind) {
    // What comes whatever the player is looking at.
    case Kind::StartUpTimer:
      title_ = kFullTitle;
      RegisterFileTypeOnce(services_.settings, services_.registrar, services_.programFolder);
      return;
    case Kind::Tick:
      race_.Tick();
      AnnounceRace();
      return;
    case Kind::Datagram: race_.Receive(event.text, event.source, static_cast<std::uint16_t>(event.value)); return;
    case Kind::Minimised: game_.HoldClock(clsGameClock::kMinimised, event.number != 0); return;
    case Kind::Quitting: Quit(); return;
    case Kind::Keep:
      // Nobody may be there to answer: the player hears of it on coming back.
      if (!KeepOrForget()) TellDataNotKept(services_.writer.LastFailure());
      return;
    case Kind::Answer:
      if (const std::function<void()> then = prompts_.Answer(event.number, event.yes)) then();
      return;
    default: break;
  }
  // The player's own input: while a question waits only its answer counts,
  // and while a dialog is open only the dialog's.
  if (prompts_.Open()) return;
  if (dialogs_.Open()) return OnDialogInput(event);
  // The pause takes the click that ends it, and nothing else happens.
  if (game_.Paused() && EndsPause(event)) return game_.TogglePause();
  OnPlayerInput(event);
}

void clsGameSession::OnPlayerInput(const SessionEvent& event) {
  using Kind = SessionEvent::Kind;
  notice_.clear();  // said once, until the player does something
  switch (event.kind) {
    case Kind::Button: OnButton(event.command); break;
    case Kind::GridClick: game_.ClickCell(event.number); break;
    case Kind::GridDoubleClick: game_.DoubleClickCell(event.number); break;
    case Kind::GridKey: OnGridKey(event.number); break;
    case Kind::HelpKey: services_.desktop.ShowHelp(helpFile_, race_.View().helpContext); break;
    case Kind::MakerLink: services_.desktop.OpenWebPage(kMakerWebPage); break;
    case Kind::WindowClose: RequestClose(); break;
    case Kind::Kick: race_.Kick(event.number); break;
    case Kind::Chat: race_.SendChat(event.text); break;
    case Kind::RaceOptions: race_.OptionsEdited(event.number, event.text); break;
    case Kind::CopyCode:
      if (view_.code.empty()) break;
      services_.desktop.CopyText(view_.code);
      notice_ = FillMark(Text("strCodeCopied", "The code %1 is copied: a friend can play it with Play a code."), "%1",
                         view_.code);
      return;
    case Kind::LinkCode: PlayLinkedCode(event.text); break;
    case Kind::LinkDate: PlayLinkedDate(event.text); break;
    default: break;
  }
}

void clsGameSession::OnDialogInput(const SessionEvent& event) {
  using Kind = SessionEvent::Kind;
  const bool bookmarks = dialogs_.IsOpen(DialogKind::Bookmarks);
  const auto row = static_cast<std::size_t>(std::max(event.number, 0));
  if (event.kind == Kind::DialogAnswer) {
    dialogs_.Answer(event);
  } else if (bookmarks && event.kind == Kind::BookmarkRemove) {
    RemoveBookmark(event.number);
  } else if (bookmarks && event.kind == Kind::BookmarkRename && event.number >= 0) {
    game_.RenameBookmark(row, event.text);
    dialogs_.SetItems(game_.BookmarkNames());
  }
}

// Grid clicks and keys, and the buttons the table marks, end a pause.
bool clsGameSession::EndsPause(const SessionEvent& event) {
  using Kind = SessionEvent::Kind;
  if (event.kind == Kind::GridClick || event.kind == Kind::GridDoubleClick || event.kind == Kind::GridKey) return true;
  return event.kind == Kind::Button && RuleOf(event.command).endsPause;
}

void clsGameSession::StartUp(const std::vector<std::string>& arguments) {
  // Until the start-up timer, the title is the window's own: its language's
  // caption, or the built-in one.
  title_ = Text("CAPTION", kTitle);
  LoadStatistics();
  game_.StartUp();
  ApplyColours();
  // A file given that is not a saved game starts a new game (after saying
  // so); without a file the unfinished game comes back where it was left.
  const std::string file = CommandLineFile(arguments);
  std::error_code error;
  const bool onBoard = file.empty() ? TakeUpKeptGame() : std::filesystem::exists(file, error) && LoadFile(file);
  if (!onBoard) game_.NewGame();
  // The very first start offers a newcomer the guided game, once.
  if (file.empty() && !onBoard && ReadSetting(services_.settings, Setting::GuideOffered) != "Y") {
    game_.OfferGuide();
    WriteSetting(services_.settings, Setting::GuideOffered, "Y");
  }
  FocusGrid();
  started_ = true;
  game_.HoldClock(clsGameClock::kAnswering, prompts_.Open());
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

// ---- What may be done -------------------------------------------------------

// While a race runs the board is the race's: nothing that replaces or
// reveals it. During the race only Quit stands beside the race panel, and
// a single player's help is not there in any network game.
ButtonView clsGameSession::Availability(Command command) const {
  const CommandRule& rule = RuleOf(command);
  if (!rule.mainButton) return {};  // the race panels' buttons follow the race's own state
  const bool racePanelShown = race_.View().raceShown;
  const bool networkGame = game_.NetworkSessionExists();
  const bool boardIsTheRaces = game_.RaceRunning();
  return {.visible = !(racePanelShown && command != Command::Close) && !(rule.singlePlayer && networkGame),
          .enabled = !(rule.needsFreeBoard && boardIsTheRaces) && GameAllows(command)};
}

bool clsGameSession::GameAllows(Command command) const {
  const ButtonStates& states = game_.Buttons();
  switch (command) {
    case Command::Solve: return states.solve;
    case Command::AddBookmark: return states.addBookmark;
    case Command::OpenBookmark: return states.openBookmark;
    case Command::Undo: return game_.CanUndo();
    case Command::Redo: return game_.CanRedo();
    case Command::Hint:
    case Command::Check: return game_.CanAdvise();
    case Command::Pause: return game_.CanPause() || game_.Paused();
    case Command::Close: return race_.View().closeAvailable;
    default: return true;
  }
}

bool clsGameSession::MayDo(Command command) const {
  const ButtonView button = Availability(command);
  return button.visible && button.enabled;
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
  if (!started_) return;
  view_.board = game_.Board();
  // Where the symbol of the cursor's row stands on the board.
  for (auto& number : view_.board.digits) {
    for (BoardCell& cell : number) {
      cell.cursorSymbol = cell.picture.kind == PictureKind::Symbol && cell.picture.index == cursor_ / 10;
    }
  }
  view_.grid = game_.Grid();
  view_.race = race_.View();
  view_.title = title_;
  view_.textsVersion = textsVersion_;
  view_.gridCursor = cursor_;
  view_.gridFocusVersion = focusVersion_;
  for (int i = 0; i < kCommandCount; ++i) view_.buttons[static_cast<std::size_t>(i)] = Availability(Command(i));
  view_.clock = game_.ClockText();
  view_.paused = game_.Paused();
  view_.code = game_.NetworkSessionExists() ? std::string() : PuzzleCode(game_.Puzzle());
  view_.note = game_.Note();
  if (!notice_.empty()) view_.note.text = notice_ + (view_.note.text.empty() ? "" : "\n" + view_.note.text);
  view_.prompt = prompts_.Front();
  view_.dialog = dialogs_.View();
  view_.quit = quit_;
  if (display_ != nullptr) display_->Show(view_);
}

}  // namespace glyph
