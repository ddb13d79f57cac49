#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "board/cls_game_controller.h"
#include "board/frm_all_symbols.h"
#include "storage/web_pages.h"

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace glyph {

class clsBookmarkDialogs;
class clsClock;
class clsDatagramSocket;
class clsNetworkDialog;
class clsNetworkPanels;
class clsRaceController;
class clsCatalogue;
class clsDesktop;
class clsFileChooser;
class clsPrinterSystem;
class clsFileTypeRegistrar;
class clsGridCell;
class clsPictureCell;

// What the main window reaches the desktop and the program's state through.
struct MainWindowServices {
  clsAsker& asker;
  clsSettingsStore& settings;
  clsRandomSource& random;
  clsCatalogue& catalogue;
  clsDesktop& desktop;
  clsFileTypeRegistrar& registrar;
  clsFileChooser& files;
  clsBookmarkDialogs& bookmarkDialogs;
  clsPrinterSystem& printers;
  clsClock& clock;
  clsDatagramSocket& socket;
  clsNetworkDialog& networkDialog;
  std::string programFolder;  // where language files, help pages and the program live
  std::uint16_t networkPort = 0;  // 0: the game's own port
};


// The main window: the board, the solution grid and the game's buttons. It
// forwards every event to the game controller and paints what the
// controller computes.
class frmSymbol : public QWidget, private clsGameDisplay {
  Q_OBJECT

 public:
  explicit frmSymbol(const MainWindowServices& services, QWidget* parent = nullptr);
  ~frmSymbol() override;

  // Start-up after the window's texts are translated: the style, the game of
  // the command line or a new one, then the start-up timer.
  void StartUp(const std::vector<std::string>& arguments);

  clsGameController& Controller() { return controller_; }
  clsRaceController& Race() { return *race_; }

  // A datagram arrived on the network socket.
  void ReceiveDatagram(const std::string& payload);
  const std::string& HelpFile() const { return helpFile_; }

  // The steps of the start-up timer's tick: the full title, then the file
  // association once per user.
  void StartUpTick();
  void SetWindowTitle();
  // The help page of the current language.
  void SetHelpFile();

  static constexpr const char* kTitle = "Glyphmatic";
  static constexpr const char* kFullTitle = "Glyphmatic 2.0";

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Refresh() override;
  void BuildBoard();
  void BuildGrid();
  void BuildButtons();
  void ApplyTexts();
  void OpenOptions();
  void OpenPrint();
  void OpenNetworkGame();

  MainWindowServices services_;
  clsGameController controller_;
  std::unique_ptr<clsRaceController> race_;
  clsNetworkPanels* panels_ = nullptr;
  QTimer* startUpTimer_ = nullptr;
  QTimer* networkTimer_ = nullptr;
  std::string helpFile_;
  frmAllSymbols store_;

  QFrame* picPuzzle_ = nullptr;
  QFrame* picture1_ = nullptr;
  QFrame* picRasterSymbols_ = nullptr;
  std::array<std::array<clsPictureCell*, 3>, 9> digitCells_{};
  std::array<clsPictureCell*, 3> opVert_{};
  std::array<clsPictureCell*, 3> opHorz_{};
  std::array<clsPictureCell*, 3> equals_{};
  std::array<clsPictureCell*, 10> matrixSymbols_{};
  std::array<clsGridCell*, 100> raster_{};
  QPushButton* cmdAddBookmark_ = nullptr;
  QPushButton* cmdOpenBookmark_ = nullptr;
  QPushButton* cmdSolve_ = nullptr;
  bool closeApproved_ = false;
};

}  // namespace glyph
