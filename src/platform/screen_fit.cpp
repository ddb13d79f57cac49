// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace glyph {

namespace {

constexpr QSize kFrameAllowance(16, 48);  // a window manager's frame and title bar

}  // namespace

void FitOnScreen(QWidget* window) {
  QWidget* owner = window->parentWidget() != nullptr ? window->parentWidget()->window() : nullptr;
  const QScreen* screen = owner != nullptr ? owner->screen() : window->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect room = screen->availableGeometry();
  const QSize most(room.width() - kFrameAllowance.width(), room.height() - kFrameAllowance.height());
  if (window->minimumWidth() > most.width() || window->minimumHeight() > most.height()) {
    window->setMinimumSize(std::min(window->minimumWidth(), most.width()),
                           std::min(window->minimumHeight(), most.height()));
  }
  window->resize(std::min(window->width(), most.width()), std::min(window->height(), most.height()));
  QPoint place =
      owner != nullptr ? owner->geometry().center() - QPoint(window->width() / 2, window->height() / 2) : window->pos();
  place.setX(std::clamp(place.x(), room.left(),
                        std::max(room.left(), room.right() - window->width() - kFrameAllowance.width())));
  place.setY(std::clamp(place.y(), room.top(),
                        std::max(room.top(), room.bottom() - window->height() - kFrameAllowance.height())));
  window->move(place);
}

}  // namespace glyph
