// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QHostInfo>
#include <QIcon>
#include <QStandardPaths>
#include <cstdio>
#include <optional>
#include <string_view>

#include "core/cls_clock.h"
#include "core/cls_system_random.h"
#include "core/licence.h"
#include "i18n/language_choice.h"
#include "i18n/program_catalogue.h"
#include "platform/desktop_services.h"
#include "platform/qt_lan_discovery.h"
#include "platform/qt_printer_system.h"
#include "platform/qt_settings_store.h"
#include "platform/qt_translations.h"
#include "platform/qt_udp_socket.h"
#include "platform/quit_signals.h"
#include "platform/user_locale.h"
#include "platform/xdg_file_type_registrar.h"
#include "storage/cipher_keys.h"
#include "storage/cls_file_writer.h"
#include "windows/frm_symbol.h"

namespace {

constexpr char kUsage[] =
    "Usage: glyphmatic [FILE.gly]\n"
    "Glyphmatic: a puzzle of sums whose digits are symbols. Opens the game, with\n"
    "the saved game FILE.gly when one is given.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n";

// --help and --version answer on the terminal and exit: no window opens and
// no display is needed. Anything else is a file for the game.
std::optional<int> AnswerOnTheTerminal(int argc, char* argv[]) {
  if (argc != 2) return std::nullopt;
  const std::string_view option = argv[1];
  if (option == "--help" || option == "-h") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (option == "--version") {
    std::printf("Glyphmatic %s\n%s", GLYPH_VERSION, glyph::kLicenceNotice);
    return 0;
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const std::optional<int> status = AnswerOnTheTerminal(argc, argv)) return *status;
  QApplication app(argc, argv);
  QApplication::setApplicationName("Glyphmatic");
  QApplication::setOrganizationName("Glyphmatic");
  QApplication::setWindowIcon(QIcon(":/assets/icons/glyphmatic.svg"));
  const std::string programFolder = QApplication::applicationDirPath().toStdString();
  // The kept game and the statistics: $XDG_DATA_HOME/glyphmatic.
  const std::string dataFolder =
      (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/glyphmatic").toStdString();

  // The language files are read before any window shows a text.
  glyph::clsQtSettingsStore settings;
  glyph::ProgramCatalogue().SetLanguageKey(glyph::kLanguageFileKey);
  glyph::LoadLanguages(glyph::ProgramCatalogue(), programFolder, settings,
                       glyph::GetLocaleString(glyph::kLocaleLanguageId));
  if (const glyph::clsTranslation* language = glyph::ProgramCatalogue().CurrentTranslation()) {
    glyph::UseQtTranslations(language->Code());
  }

  glyph::clsCatalogue& catalogue = glyph::ProgramCatalogue();
  glyph::clsSystemRandom random;
  glyph::clsQtDesktop desktop;
  glyph::clsXdgFileTypeRegistrar registrar;
  glyph::clsQtPrinterSystem printers(catalogue);
  glyph::clsSystemClock clock;
  glyph::clsQtUdpSocket socket;
  glyph::clsAtomicFileWriter writer;
  glyph::clsQtLanAnnouncer announcer;
  glyph::frmSymbol window({.settings = settings,
                           .random = random,
                           .catalogue = catalogue,
                           .writer = writer,
                           .printers = printers,
                           .clock = clock,
                           .socket = socket,
                           .desktop = desktop,
                           .registrar = registrar,
                           .programFolder = programFolder,
                           .dataFolder = dataFolder});
  socket.SetReceiver([&window](const std::string& payload, const std::string& from, std::uint16_t port) {
    window.ReceiveDatagram(payload, from, port);
  });
  window.Session().SetAnnouncer(&announcer, QHostInfo::localHostName().toStdString());
  desktop.SetOwner(&window);
  // A signal ends the program whatever is open: the race left, the game kept.
  glyph::QuitGracefullyOnSignals([&window] { window.Quit(); });
  // QApplication has taken its own options out of argv: the rest is ours.
  window.StartUp(std::vector<std::string>(argv + 1, argv + argc));
  window.show();
  return QApplication::exec();
}
