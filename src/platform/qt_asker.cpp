// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_asker.h"

#include <QMessageBox>

#include "platform/ansi_text.h"

namespace glyph {

namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

bool clsQtAsker::AskYesNo(const std::string& text, const std::string& title, MessageIcon icon, bool yesPreselected) {
  QMessageBox box(IconOf(icon), FromAnsi(title), FromAnsi(text), QMessageBox::Yes | QMessageBox::No, parent_);
  box.setTextFormat(Qt::PlainText);  // texts may come from a peer or a file
  box.setDefaultButton(yesPreselected ? QMessageBox::Yes : QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

void clsQtAsker::Tell(const std::string& text, const std::string& title, MessageIcon icon) {
  QMessageBox box(IconOf(icon), FromAnsi(title), FromAnsi(text), QMessageBox::Ok, parent_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace glyph
