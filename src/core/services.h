// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace glyph {

class clsCatalogue;
class clsClock;
class clsDatagramSocket;
class clsDesktop;
class clsFileWriter;
class clsFileTypeRegistrar;
class clsPrinterSystem;
class clsRandomSource;
class clsSettingsStore;

// Everything the game reaches the desktop and the network through: one set
// for the whole session, filled by each front end with designated
// initialisers. The game controller and the race take what they need from
// it. The classes are the seams the layers above declare. Questions and
// dialogs are not among them: the session puts them in its view.
struct SessionServices {
  clsSettingsStore& settings;
  clsRandomSource& random;
  clsCatalogue& catalogue;
  clsFileWriter& writer;
  clsPrinterSystem& printers;
  clsClock& clock;
  clsDatagramSocket& socket;
  clsDesktop& desktop;
  clsFileTypeRegistrar& registrar;
  std::string programFolder = "";  // where language files, help pages and the program live
  std::string dataFolder = "";     // the player's own data (kept game, statistics); "" keeps nothing
  std::uint16_t networkPort = 0;   // 0: the game's own port
};

}  // namespace glyph
