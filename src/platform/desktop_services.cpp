// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop_services.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QPalette>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace glyph {

namespace {

// The help window: one per program, raised again when asked for anew. Its
// page follows the desktop's palette; Esc, Ctrl+W and its Close button close it.
class clsHelpWindow : public QWidget {
 public:
  explicit clsHelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName("frmHelp");
    setAttribute(Qt::WA_DeleteOnClose);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("txtHelp");
    browser_->setOpenExternalLinks(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName("cmdClose");
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
      connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    resize(640, 600);
  }
  QTextBrowser* Browser() { return browser_; }

 private:
  QTextBrowser* browser_;
};

clsHelpWindow* HelpWindow(QWidget* owner) {
  static QPointer<clsHelpWindow> window;
  if (window.isNull()) window = new clsHelpWindow(owner);
  return window;
}

}  // namespace

void clsQtDesktop::ShowHelp(const std::string& helpFile, int contextNumber) {
  clsHelpWindow* window = HelpWindow(owner_);
  QUrl page = QUrl::fromLocalFile(QString::fromStdString(helpFile));
  page.setFragment(QString::number(contextNumber));
  window->Browser()->setSource(page);
  const QString title = window->Browser()->documentTitle();
  window->setWindowTitle(title.isEmpty() ? "Glyphmatic" : title);
  window->show();
  window->raise();
  window->activateWindow();
}

void clsQtDesktop::OpenWebPage(const std::string& address) {
  QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

void clsQtDesktop::CopyText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

bool clsQtDesktop::PrefersDark() const {
  const QPalette palette = QGuiApplication::palette();
  return palette.color(QPalette::WindowText).lightness() > palette.color(QPalette::Window).lightness();
}

}  // namespace glyph
