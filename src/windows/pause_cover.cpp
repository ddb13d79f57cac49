// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/pause_cover.h"

#include <QKeyEvent>

namespace glyph {

clsPauseCover::clsPauseCover(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Sunken);
  setBackgroundRole(QPalette::Window);
}

void clsPauseCover::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit Resume();
}

void clsPauseCover::keyPressEvent(QKeyEvent* event) {
  // Tab still moves on; every other key goes back to the game. A key that is
  // a shortcut of its own (F5, P) pauses through the shortcut, not here.
  if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) return QLabel::keyPressEvent(event);
  event->accept();
  emit Resume();
}

void clsPauseCover::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  QFont large = font();
  large.setPixelSize(std::max(12, height() / 12));
  large.setBold(true);
  setFont(large);
}

}  // namespace glyph
