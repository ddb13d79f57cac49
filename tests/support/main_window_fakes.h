#pragma once

#include <string>

#include "core/cls_system_random.h"
#include "i18n/cls_catalogue.h"
#include "platform/qt_file_writer.h"
#include "storage/cls_memory_settings.h"
#include "support/fake_desktop.h"
#include "support/fake_network.h"
#include "support/fake_printers.h"
#include "support/scripted_asker.h"
#include "support/scripted_dialogs.h"
#include "windows/frm_symbol.h"

namespace glyph {

// Everything the main window reaches the desktop through, scripted or
// recording, for window tests.
struct clsMainWindowFakes {
  explicit clsMainWindowFakes(std::uint64_t seed) : random(seed) {}

  MainWindowServices Services(clsCatalogue& catalogue) {
    return MainWindowServices{asker,           settings, random,   catalogue, desktop, registrar,     files,
                              bookmarkDialogs, writer,   printers, clock,     socket,  networkDialog, GLYPH_PROGRAM_DIR};
  }

  clsScriptedAsker asker;
  clsMemorySettings settings;
  clsSystemRandom random;
  clsRecordingDesktop desktop;
  clsRecordingRegistrar registrar;
  clsScriptedFileChooser files;
  clsScriptedBookmarkDialogs bookmarkDialogs;
  clsQtFileWriter writer;
  clsFakePrinterSystem printers;
  clsFakeClock clock;
  clsFakeNetwork network;
  clsFakeNetwork::Socket socket{network};
  clsScriptedNetworkDialog networkDialog;
};

}  // namespace glyph
