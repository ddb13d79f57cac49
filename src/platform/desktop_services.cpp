// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop_services.h"

#include "platform/screen_fit.h"

#include <QApplication>
#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <optional>

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
  if (!window->isVisible()) FitOnScreen(window);
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

namespace {

// The desktop portal's colour scheme: 1 prefers dark, 2 prefers light, 0 or
// no answer says nothing.
std::optional<bool> PortalPrefersDark() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return std::nullopt;
  QDBusMessage call = QDBusMessage::createMethodCall(
      "org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop", "org.freedesktop.portal.Settings", "Read");
  call << QString("org.freedesktop.appearance") << QString("color-scheme");
  const QDBusMessage reply = bus.call(call, QDBus::Block, 500);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return std::nullopt;
  QVariant value = reply.arguments().front();
  while (value.canConvert<QDBusVariant>()) value = value.value<QDBusVariant>().variant();
  const uint scheme = value.toUInt();
  if (scheme == 0) return std::nullopt;
  return scheme == 1;
}

QPalette DarkPalette() {
  const QColor ground(0x2B, 0x2B, 0x31), base(0x1E, 0x1E, 0x24), button(0x38, 0x38, 0x40);
  const QColor text(0xE8, 0xE8, 0xE8), faint(0x8A, 0x8A, 0x96);
  QPalette dark(text, button, button.lighter(130), base, ground.darker(120), text, text, base, ground);
  dark.setColor(QPalette::AlternateBase, ground);
  dark.setColor(QPalette::Highlight, QColor(0x3D, 0x6F, 0xB4));
  dark.setColor(QPalette::HighlightedText, Qt::white);
  dark.setColor(QPalette::Link, QColor(0x8F, 0xC1, 0xFF));
  dark.setColor(QPalette::LinkVisited, QColor(0xC3, 0xA6, 0xFF));
  dark.setColor(QPalette::ToolTipBase, button);
  dark.setColor(QPalette::ToolTipText, text);
  dark.setColor(QPalette::PlaceholderText, faint);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    dark.setColor(QPalette::Disabled, role, faint);
  }
  return dark;
}

}  // namespace

void UseDarkApplicationColours(bool dark) {
  static const QPalette desktop = QApplication::palette();
  QApplication::setPalette(dark ? DarkPalette() : desktop);
}

bool clsQtDesktop::PrefersDark() const {
  if (const std::optional<bool> portal = PortalPrefersDark()) return *portal;
  if (qEnvironmentVariable("GTK_THEME").endsWith(":dark", Qt::CaseInsensitive)) return true;
  const QPalette palette = QGuiApplication::palette();
  return palette.color(QPalette::WindowText).lightness() > palette.color(QPalette::Window).lightness();
}

}  // namespace glyph
