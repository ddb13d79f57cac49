#include <QApplication>
#include <QHostInfo>
#include <QIcon>

#include "core/cls_clock.h"
#include "core/cls_system_random.h"
#include "i18n/language_choice.h"
#include "i18n/program_catalogue.h"
#include "platform/desktop_services.h"
#include "platform/qt_asker.h"
#include "platform/qt_file_chooser.h"
#include "platform/qt_file_writer.h"
#include "platform/qt_lan_discovery.h"
#include "platform/qt_printer_system.h"
#include "platform/qt_settings_store.h"
#include "platform/qt_translations.h"
#include "platform/qt_udp_socket.h"
#include "platform/user_locale.h"
#include "platform/xdg_file_type_registrar.h"
#include "storage/cipher_keys.h"
#include "windows/frm_new_network.h"
#include "windows/frm_symbol.h"
#include "windows/qt_bookmark_dialogs.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Glyphmatic");
  QApplication::setOrganizationName("Glyphmatic");
  QApplication::setWindowIcon(QIcon(":/assets/icons/glyphmatic.svg"));
  const std::string programFolder = QApplication::applicationDirPath().toStdString();

  // The language files are read before any window shows a text.
  glyph::clsQtSettingsStore settings;
  glyph::ProgramCatalogue().SetLanguageKey(glyph::kLanguageFileKey);
  glyph::LoadLanguages(glyph::ProgramCatalogue(), programFolder, settings,
                       glyph::GetLocaleString(glyph::kLocaleLanguageId));
  if (const glyph::clsTranslation* language = glyph::ProgramCatalogue().CurrentTranslation()) {
    glyph::UseQtTranslations(language->Code());
  }

  glyph::clsQtAsker asker;
  glyph::clsSystemRandom random;
  glyph::clsQtDesktop desktop;
  glyph::clsXdgFileTypeRegistrar registrar;
  glyph::clsQtFileChooser files;
  glyph::clsQtBookmarkDialogs bookmarkDialogs(asker, glyph::ProgramCatalogue());
  glyph::clsQtPrinterSystem printers;
  glyph::clsSystemClock clock;
  glyph::clsQtUdpSocket socket;
  glyph::clsQtNetworkDialog networkDialog(settings, glyph::ProgramCatalogue(), asker);
  glyph::clsQtFileWriter writer;
  glyph::clsQtLanAnnouncer announcer;
  glyph::frmSymbol window({asker, settings, random, glyph::ProgramCatalogue(), desktop, registrar, files,
                           bookmarkDialogs, writer, printers, clock, socket, networkDialog, programFolder});
  socket.SetReceiver(
      [&window](const std::string& payload, const std::string& from) { window.ReceiveDatagram(payload, from); });
  window.Session().SetAnnouncer(&announcer, QHostInfo::localHostName().toStdString());
  networkDialog.SetParent(&window);
  asker.SetParent(&window);
  desktop.SetOwner(&window);
  files.SetParent(&window);
  bookmarkDialogs.SetParent(&window);
  printers.SetParent(&window);
  // QApplication has taken its own options out of argv: the rest is ours.
  window.StartUp(std::vector<std::string>(argv + 1, argv + argc));
  window.show();
  return QApplication::exec();
}
