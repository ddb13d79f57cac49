// SPDX-License-Identifier: GPL-3.0-or-later
// The main window at any size: smaller than designed everything shrinks
// alike; larger, the board and grid take the room.
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <algorithm>

#include "platform/translate_form.h"
#include "windows/frm_symbol.h"
#include "windows/frm_symbol_design.h"
#include "windows/grid_panel.h"
#include "windows/network_panels.h"
#include "windows/note_view.h"

#include <QPushButton>

namespace glyph {

using namespace design;

// Every widget's place at today's size: the board side scales from it, the
// button column moves beside the board.
void frmSymbol::RememberDesign(const QList<QWidget*>& widgets) {
  for (QWidget* child : widgets) {
    // A widget a layout places, or a window of its own, is left to them.
    if (child->isWindow() || child->parentWidget()->layout() != nullptr) continue;
    // Everything in the button column, a race panel's inside included,
    // keeps its size and moves with the column.
    QWidget* top = child;
    while (top->parentWidget() != this) top = top->parentWidget();
    const bool inColumn = top->x() >= designBoardSide_.right();
    if (inColumn && top != child) continue;
    design_.push_back({child, child->geometry(), inColumn});
  }
}

void frmSymbol::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOutForSize();
}

// The room the screen leaves a window, its frame and title bar taken off.
QSize frmSymbol::RoomOnScreen() const {
  const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  if (shown == nullptr) return designSize_;
  const QSize available = shown->availableGeometry().size();
  return {available.width() - kFrameAllowance.width(), available.height() - kFrameAllowance.height()};
}

// Smaller than designed, everything shrinks alike, text included. Larger,
// the board and grid take the room, leaving the code, the clock and a
// note's least room under them, and the button column grows with them up
// to a limit where buttons still look like buttons.
void frmSymbol::LayOutForSize() {
  if (design_.empty()) return;
  const QSize board = designBoardSide_.size();
  const int column = designSize_.width() - board.width();
  const double shrink = std::min({1.0, double(width()) / designSize_.width(), double(height()) / designSize_.height()});
  const double columnHeightScale = double(height()) / designSize_.height();
  const double grow =
      std::clamp(std::min(double(width() - column) / board.width(), columnHeightScale), 1.0, kMostColumnGrowth);
  const double boardHeightScale = double(height() - kBelowGrid) / (kGridPanel.bottom() + 1);
  const double widthScale = double(width() - column * grow) / board.width();
  const double scale = shrink < 1.0 ? shrink : std::max(1.0, std::min(widthScale, boardHeightScale));
  const double columnScale = shrink < 1.0 ? shrink : grow;
  const auto scaled = [](const QRect& r, double f, int left) {
    return QRect(left + int(r.x() * f), int(r.y() * f), int(r.width() * f), int(r.height() * f));
  };
  // A window wider than board and column need (a wide screen, maximised)
  // keeps them together in its middle.
  const int used = int(board.width() * scale + column * columnScale);
  const int left = std::max(0, (width() - used) / 2);
  for (const DesignPlace& place : design_) {
    const int inWindow = place.widget->parentWidget() == this ? left : 0;  // inside a panel: the panel's place
    if (place.inColumn) {
      place.widget->setGeometry(
          scaled(place.rect.translated(-board.width(), 0), columnScale, inWindow + int(board.width() * scale)));
    } else {
      QRect rect = scaled(place.rect, scale, inWindow);
      // The board side grows faster than the window is high: what reaches
      // below it (a race panel) ends at the window's edge.
      if (place.widget->parentWidget() == this) rect.setBottom(std::min(rect.bottom(), height() - 3));
      place.widget->setGeometry(rect);
    }
  }
  PlaceBelowGrid(std::min(1.0, scale));
  // Text shrinks with a window smaller than designed, and stays as it is above.
  QFont text = QApplication::font();
  text.setPointSizeF(text.pointSizeF() * shrink);
  if (font() != text) setFont(text);
}

// The code and clock line keeps its text's height under the grid, and the
// note takes the rest of the window.
void frmSymbol::PlaceBelowGrid(double textScale) {
  const int top = picture1_->geometry().bottom() + 1 + int(3 * textScale);
  const int statusHeight = int(kStatusHeight * textScale);
  for (QLabel* label : {lblCode_, lblClock_}) {
    label->setGeometry(label->x(), top, label->width(), statusHeight);
  }
  const int noteTop = top + statusHeight + 1;
  note_->setGeometry(note_->x(), noteTop, note_->width(), std::max(0, height() - noteTop - int(4 * textScale)));
}

void frmSymbol::BuildPanelsOnce() {
  if (panels_ != nullptr) return;
  const QList<QWidget*> before = findChildren<QWidget*>();
  panels_ = new clsNetworkPanels(*this, session_, store_, services_.catalogue, designBoardSide_, designRaceColumn_);
  QList<QWidget*> added;
  for (QWidget* widget : findChildren<QWidget*>()) {
    if (!before.contains(widget)) added.push_back(widget);
  }
  RememberDesign(added);
  LayOutForSize();
  TranslateForm(this, services_.catalogue);  // the panels' captions in the player's language
}

// Buttons hidden (a network game hides a single player's) leave no gaps:
// the others close up. Quit keeps its place at the foot, beside the race
// panel that covers the column above it.
void frmSymbol::CloseUpButtons(const SessionView& view) {
  std::array<bool, kCommandCount> shown{};
  for (std::size_t i = 0; i < shown.size(); ++i) shown[i] = buttons_[i] != nullptr && view.buttons[i].visible;
  if (shown == buttonsShown_) return;
  buttonsShown_ = shown;
  const std::array<QRect, kCommandCount> column =
      ButtonColumn([&shown](Command command) { return shown[static_cast<std::size_t>(command)]; });
  for (DesignPlace& place : design_) {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
      if (place.widget == static_cast<QWidget*>(buttons_[i]) && shown[i] && Command(i) != Command::Close)
        place.rect = column[i];
    }
  }
  LayOutForSize();
}

}  // namespace glyph
