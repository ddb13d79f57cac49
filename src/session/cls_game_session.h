// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "net/cls_race_controller.h"
#include "session/cls_game_controller.h"
#include "session/dialog_desk.h"
#include "session/prompt_queue.h"
#include "session/session_event.h"
#include "session/session_view.h"
#include "storage/statistics.h"

namespace glyph {

class clsLanAnnouncer;

// The file the command line names: the arguments joined with single blanks,
// cut before the first "#0#".
std::string CommandLineFile(const std::vector<std::string>& arguments);

// The game's one core: it owns the game controller, the race controller, the
// questions and dialogs waiting for the player, and the player's record. It
// takes every event of every front end through Handle and publishes one view
// of the whole window after each. Every rule of the main window and the race
// panels is decided here or below. It never waits: a question is part of the
// view, and its answer is an event like any other.
class clsGameSession : private clsRaceHooks {
 public:
  static constexpr const char* kTitle = "Glyphmatic";
  static constexpr const char* kFullTitle = "Glyphmatic 2.0";

  explicit clsGameSession(const SessionServices& services);
  ~clsGameSession() override;

  void SetDisplay(clsSessionDisplay* display) { display_ = display; }
  // Where a host's lobby announces itself on the local network, with this
  // computer's name; without one the lobby stays silent.
  void SetAnnouncer(clsLanAnnouncer* announcer, std::string computerName) {
    announcer_ = announcer;
    computerName_ = std::move(computerName);
  }

  // After the window's texts are translated: the style, then the game of
  // the command line, the kept game or a new one. Nothing is handled or
  // shown before: the first view already has its board, and what the start
  // has to say waits in it.
  void StartUp(const std::vector<std::string>& arguments);
  // Takes every event, one at a time, and publishes the view after it.
  void Handle(const SessionEvent& event);

  // Whether a command may be done now: its button is shown and enabled. The
  // view's buttons and every command's guard ask this; it alone combines the
  // race's flags.
  bool MayDo(Command command) const;

  const SessionView& View() const { return view_; }
  const clsGameController& Game() const { return game_; }
  const clsRaceController& Race() const { return race_; }
  const clsStatistics& Statistics() const { return statistics_; }
  // The category whose best time the last solve beat.
  std::optional<StatsCategory> NewBest() const { return newBest_; }
  const std::string& HelpFile() const { return helpFile_; }

 private:
  void HandleOne(const SessionEvent& event);
  void OnPlayerInput(const SessionEvent& event);
  void OnDialogInput(const SessionEvent& event);
  static bool EndsPause(const SessionEvent& event);
  ButtonView Availability(Command command) const;
  bool GameAllows(Command command) const;
  void OnButton(Command command);
  void OnGridKey(int key);
  void FocusGrid();
  void Publish();

  // The player's commands that ask or open a dialog (session_commands.cpp).
  void Ask(const char* textKey, const char* text, const char* titleKey, const char* title, bool yesPreselected,
           std::function<void()> onYes, std::function<bool()> applies);
  void Tell(const char* textKey, const char* text, const char* titleKey, const char* title);
  void ConfirmThen(Command command, const char* textKey, const char* text, const char* titleKey, const char* title,
                   std::function<void()> then);
  void LeaveGameThen(bool always, std::function<void()> start);
  void OpenDialog(DialogView dialog, clsDialogDesk::Answered answered);
  void ChooseGameToLoad();
  void ChooseFileToSave();
  bool LoadFile(const std::string& path);
  void AddBookmark();
  void OpenBookmarks();
  void RemoveBookmark(int row);
  void PlayCode();
  void PlayTypedCode(const std::string& typed);
  void PlayLinkedCode(const std::string& text);
  void PlayLinkedDate(const std::string& text);
  void OpenNetworkGame();
  void BeginNetworkGame(const SessionEvent& answer);
  void OpenOptions();
  void OpenPrint();
  void PlayDaily();
  void RequestClose();
  void Quit();

  // What the game remembers (session_remembering.cpp).
  void LoadStatistics();
  void SaveStatistics();
  void TellDataNotKept(const std::string& reason);
  void RecordStarted(const std::string& category);
  void RecordEnded(const std::string& category, bool solved, std::int64_t seconds, bool clean);
  bool Record(const StatsChange& change);
  bool TakeUpKeptGame();
  // False when an unfinished game could not be kept.
  bool KeepOrForget();
  void ApplyColours();

  void SetHelpFile();
  std::string Text(const char* key, const char* defaultText) const;
  // A host in its lobby says so on the local network every other tick, and
  // once more when its lobby closes.
  void AnnounceRace();

  void LocalSolve() override { race_.LocalSolve(); }

  SessionServices services_;
  clsPromptQueue prompts_;
  clsDialogDesk dialogs_;
  clsGameController game_;
  clsRaceController race_;
  clsSessionDisplay* display_ = nullptr;
  SessionView view_;
  bool started_ = false;
  bool quit_ = false;
  std::string notice_;  // a word to the player above the note, until the next action
  std::string helpFile_;
  std::string title_ = kTitle;
  int textsVersion_ = 0;
  int cursor_ = 0;
  int focusVersion_ = 0;
  clsLanAnnouncer* announcer_ = nullptr;
  std::string computerName_;
  int announceTicks_ = 0;
  std::string announcedFrom_;  // the local address of the lobby being announced
  clsStatistics statistics_;
  std::vector<StatsChange> unsaved_;  // this copy's changes the file does not hold yet
  bool statisticsWritable_ = true;    // false while a damaged file could not be moved aside
  bool dataWarned_ = false;           // the player was told the data folder keeps nothing
  bool keptWritable_ = true;          // the same for a damaged kept game
  std::optional<StatsCategory> newBest_;
};

}  // namespace glyph
