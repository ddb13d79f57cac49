#include "platform/desktop_services.h"

#include <QDesktopServices>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace glyph {

namespace {

// The help window: one per program, raised again when asked for anew.
QTextBrowser* HelpWindow(QWidget* owner) {
  static QPointer<QTextBrowser> window;
  if (window.isNull()) {
    window = new QTextBrowser(owner);
    window->setObjectName("frmHelp");
    window->setWindowFlag(Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setOpenExternalLinks(true);
    window->resize(640, 560);
  }
  return window;
}

}  // namespace

void clsQtDesktop::ShowHelp(const std::string& helpFile, int contextNumber) {
  QTextBrowser* window = HelpWindow(owner_);
  QUrl page = QUrl::fromLocalFile(QString::fromStdString(helpFile));
  page.setFragment(QString::number(contextNumber));
  window->setSource(page);
  window->setWindowTitle(window->documentTitle().isEmpty() ? "Glyphmatic" : window->documentTitle());
  window->show();
  window->raise();
  window->activateWindow();
}

void clsQtDesktop::OpenWebPage(const std::string& address) {
  QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

}  // namespace glyph
