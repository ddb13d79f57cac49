// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/picture_cell.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "pictures/frm_all_symbols.h"

namespace glyph {

clsPictureCell::clsPictureCell(const QString& name, frmAllSymbols& store, QWidget* parent)
    : QWidget(parent), store_(store) {
  setObjectName(name);
}

namespace {

// A tick or a cross, black on a white disc in the cell's lower right corner:
// the shape tells right from wrong where the ground's red and green do not.
void PaintVerdictMark(QPainter& painter, const QRectF& cell, VerdictMark mark) {
  const qreal side = cell.width() * 0.5;
  const QRectF badge(cell.right() - side, cell.bottom() - side, side, side);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, side / 12));
  painter.setBrush(Qt::white);
  painter.drawEllipse(badge.adjusted(side / 24, side / 24, -side / 24, -side / 24));
  QPen stroke(Qt::black, side / 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(stroke);
  const auto at = [&](qreal x, qreal y) { return QPointF(badge.left() + x * side, badge.top() + y * side); };
  if (mark == VerdictMark::Right) {
    const QPointF tick[] = {at(0.27, 0.52), at(0.43, 0.68), at(0.74, 0.33)};
    painter.drawPolyline(tick, 3);
  } else {
    painter.drawLine(at(0.32, 0.32), at(0.68, 0.68));
    painter.drawLine(at(0.68, 0.32), at(0.32, 0.68));
  }
}

}  // namespace

void clsPictureCell::Show(const QString& path, QColor backColor, VerdictMark mark) {
  if (path == path_ && backColor == backColor_ && mark == mark_) return;
  path_ = path;
  backColor_ = backColor;
  mark_ = mark;
  setProperty("picture", path);
  update();
}

void clsPictureCell::SetHighlight(bool on) {
  if (highlight_ == on) return;
  highlight_ = on;
  update();
}

void clsPictureCell::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), backColor_);
  if (path_.isEmpty()) return;
  // Rendered for this screen's density, so the picture stays sharp when the
  // desktop scales the window.
  painter.drawPixmap(rect(), store_.Render(path_, size(), devicePixelRatioF()));
  if (mark_ != VerdictMark::None) PaintVerdictMark(painter, QRectF(rect()), mark_);
  if (highlight_) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
  }
}

clsGridCell::clsGridCell(int index, frmAllSymbols& store, QWidget* parent)
    : clsPictureCell("picRaster", store, parent), index_(index) {
  setProperty("index", index);
  setCursor(Qt::PointingHandCursor);
}

namespace {

// The cell the last press went to: a double click elsewhere is no double click.
QPointer<clsGridCell> lastPressed;

}  // namespace

void clsGridCell::mousePressEvent(QMouseEvent*) {
  lastPressed = this;
  pressed_ = true;
  afterDoubleClick_ = false;
}

void clsGridCell::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && !afterDoubleClick_ && rect().contains(event->position().toPoint());
  pressed_ = false;
  afterDoubleClick_ = false;
  if (click) emit Clicked(index_);
}

void clsGridCell::mouseDoubleClickEvent(QMouseEvent* event) {
  if (lastPressed != this) return mousePressEvent(event);  // the first press was on another cell
  pressed_ = false;
  afterDoubleClick_ = true;
  emit DoubleClicked(index_);
}

void clsGridCell::SetCursorFrame(bool on) {
  if (frame_ == on) return;
  frame_ = on;
  update();
}

void clsGridCell::SetNoteFrame(NoteFrame frame) {
  if (noteFrame_ == frame) return;
  noteFrame_ = frame;
  update();
}

void clsGridCell::paintEvent(QPaintEvent* event) {
  clsPictureCell::paintEvent(event);
  if (!frame_ && noteFrame_ == NoteFrame::None) return;
  QPainter painter(this);
  if (noteFrame_ == NoteFrame::Step) {
    painter.setPen(QPen(dark_ ? QColor(255, 140, 60) : QColor(200, 80, 0), 2, Qt::DashLine));
    painter.drawRect(QRectF(rect()).adjusted(3, 3, -3, -3));
  } else if (noteFrame_ == NoteFrame::Basis) {
    painter.setPen(QPen(dark_ ? QColor(110, 160, 255) : QColor(40, 100, 200), 1.5, Qt::DotLine));
    painter.drawRect(QRectF(rect()).adjusted(4, 4, -4, -4));
  }
  if (!frame_) return;
  QPen pen(dark_ ? QColor(0x8F, 0xC1, 0xFF) : palette().color(QPalette::Highlight), 2);
  painter.setPen(pen);
  painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

}  // namespace glyph
