// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
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
class clsRandomSource;
class clsSettingsStore;

// Everything the game reaches the player, the desktop and the network
// through: one set for the whole session, filled by each front end with
// designated initialisers. The game controller and the race take what they
// need from it. The classes are the seams the layers above declare.
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
  std::string dataFolder = "";     // the player's own data (kept game, statistics); "" keeps nothing
  std::uint16_t networkPort = 0;  // 0: the game's own port
};

}  // namespace glyph
