// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "pictures/frm_all_symbols.h"
#include "session/cls_game_session.h"

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace glyph {

class clsDialogHost;
class clsNetworkPanels;
class clsNoteView;
class clsPauseCover;
class clsGridCell;
class clsGridPanel;
class clsPictureCell;

// The main window: the board, the solution grid and the game's buttons. It
// forwards every event to the session and paints the view the session
// publishes, the session's questions and dialogs included. Its work is
// spread over files: building it (frm_symbol_build.cpp), fitting it to its
// size (frm_symbol_layout.cpp), the note (frm_symbol_note.cpp), and here
// the events and the painting.
class frmSymbol : public QWidget, private clsSessionDisplay {
  Q_OBJECT

 public:
  explicit frmSymbol(const SessionServices& services, QWidget* parent = nullptr);
  ~frmSymbol() override;

  // Start-up after the window's texts are translated: the style, the game of
  // the command line, the kept game or a new one, then the start-up timer.
  void StartUp(const std::vector<std::string>& arguments);

  clsGameSession& Session() { return session_; }
  const clsGameController& Controller() const { return session_.Game(); }
  const clsRaceController& Race() const { return session_.Race(); }
  clsDialogHost& Dialogs() { return *dialogs_; }

  // A datagram arrived on the network socket from an address and port.
  void ReceiveDatagram(const std::string& payload, const std::string& from, std::uint16_t fromPort);
  // The program ends now (a signal, the desktop session ending), whatever is
  // open: the race is left, the unfinished game and the window's place kept.
  void Quit();
  const std::string& HelpFile() const { return session_.HelpFile(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Show(const SessionView& view) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void Send(const SessionEvent& event);
  void PaintBoard(const SessionView& view);
  void ShowCursor();
  void ShowStatus(const SessionView& view);
  void ShowColours(bool dark);
  void KeepPlace();

  // frm_symbol_build.cpp
  static std::array<QRect, kCommandCount> ButtonColumn(const std::function<bool(Command)>& shown);
  void BuildBoard();
  void BuildGrid();
  void BuildButtons();
  void BuildNote(int windowHeight);
  void BuildStatus();
  void BuildPauseCover();
  void BuildShortcuts();
  void ApplyTexts();

  // frm_symbol_layout.cpp: every widget's design place, and the places for
  // the window's present size.
  void RememberDesign(const QList<QWidget*>& widgets);
  void LayOutForSize();
  // The buttons shown close up; Quit keeps its place at the foot.
  void CloseUpButtons(const SessionView& view);
  void PlaceBelowGrid(double textScale);
  QSize RoomOnScreen() const;
  // The race panels are built when a network game first needs them: a
  // player who never races never waits for them at start-up.
  void BuildPanelsOnce();

  // frm_symbol_note.cpp
  void ShowNote(const GridNote& note, int style);
  struct RichNote {
    QString html;
    QString spoken;
    std::vector<std::pair<QString, QPixmap>> pictures;
  };
  RichNote MakeRichNote(const std::string& text, int style);
  void ShowSteps();

  SessionServices services_;
  frmAllSymbols store_;
  clsGameSession session_;
  clsDialogHost* dialogs_ = nullptr;
  clsNetworkPanels* panels_ = nullptr;
  QTimer* startUpTimer_ = nullptr;
  QTimer* networkTimer_ = nullptr;
  int textsShown_ = 0;
  int focusShown_ = 0;
  bool closing_ = false;  // the session said the program ends
  struct DesignPlace {
    QWidget* widget;
    QRect rect;
    bool inColumn;  // the button column keeps its size and moves beside the board
  };
  std::vector<DesignPlace> design_;
  QSize designSize_;
  QRect designBoardSide_;
  QRect designRaceColumn_;

  QFrame* picPuzzle_ = nullptr;
  clsGridPanel* picture1_ = nullptr;
  QFrame* picRasterSymbols_ = nullptr;
  std::array<std::array<clsPictureCell*, 3>, 9> digitCells_{};
  std::array<clsPictureCell*, 3> opVert_{};
  std::array<clsPictureCell*, 3> opHorz_{};
  std::array<clsPictureCell*, 3> equals_{};
  std::array<clsPictureCell*, 10> matrixSymbols_{};
  std::array<clsGridCell*, 100> raster_{};
  clsNoteView* note_ = nullptr;
  QLabel* lblCode_ = nullptr;
  QLabel* lblClock_ = nullptr;
  clsPauseCover* cover_ = nullptr;
  GridNote noteShown_;
  int noteStyle_ = -1;
  bool notePending_ = false;  // a note waits for the window to show
  std::array<QPushButton*, kCommandCount> buttons_{};
  std::array<bool, kCommandCount> buttonsShown_{};
};

}  // namespace glyph
