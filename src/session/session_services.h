#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace glyph {

class clsAsker;
class clsBookmarkDialogs;
class clsCatalogue;
class clsClock;
class clsDatagramSocket;
class clsDesktop;
class clsFileChooser;
class clsFileWriter;
class clsFileTypeRegistrar;
class clsNetworkDialog;
class clsPrinterSystem;
class clsPuzzle;
class clsRandomSource;
class clsSettingsStore;

// The dialogs a front end opens for the session; each holds its own logic.
class clsSessionDialogs {
 public:
  virtual ~clsSessionDialogs() = default;
  // The options dialog over the current style: the chosen style after OK
  // (settings and language already changed), nothing after Cancel.
  virtual std::optional<int> ChooseOptions(int style) = 0;
  // The print dialog for the board's puzzle in a style.
  virtual void Print(const clsPuzzle& board, int style) = 0;
};

// Everything the session reaches the player, the desktop and the network
// through.
struct SessionServices {
  clsAsker& asker;
  clsSettingsStore& settings;
  clsRandomSource& random;
  clsCatalogue& catalogue;
  clsFileChooser& files;
  clsBookmarkDialogs& bookmarkDialogs;
  clsFileWriter& writer;
  clsPrinterSystem& printers;
  clsClock& clock;
  clsDatagramSocket& socket;
  clsNetworkDialog& networkDialog;
  clsDesktop& desktop;
  clsFileTypeRegistrar& registrar;
  std::string programFolder = "";  // where language files, help pages and the program live
  std::uint16_t networkPort = 0;  // 0: the game's own port
};

}  // namespace glyph
