// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/note_view.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QWheelEvent>
#include <algorithm>

namespace glyph {

clsNoteView::clsNoteView(QWidget* parent) : QWidget(parent) {
  document_.setDocumentMargin(2);
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
}

void clsNoteView::SetNote(const QString& html, const std::vector<std::pair<QString, QPixmap>>& pictures) {
  document_.clear();
  document_.setDefaultFont(font());
  for (const auto& [name, picture] : pictures) document_.addResource(QTextDocument::ImageResource, QUrl(name), picture);
  document_.setHtml(html);
  const QRegularExpressionMatch link = QRegularExpression("<a href=\"([^\"]*)\"").match(html);
  firstLink_ = link.hasMatch() ? link.captured(1) : QString();
  offset_ = 0;
  FitText();
  update();
}

int clsNoteView::Overflow() const { return std::max(0, static_cast<int>(document_.size().height()) - height()); }

void clsNoteView::ScrollBy(int pixels) {
  const int offset = std::clamp(offset_ + pixels, 0, Overflow());
  if (offset == offset_) return;
  offset_ = offset;
  update();
}

// A note longer than its room scrolls: by the wheel, or by the arrow and
// page keys once Tab has reached it.
void clsNoteView::wheelEvent(QWheelEvent* event) {
  ScrollBy(-event->angleDelta().y() * fontMetrics().lineSpacing() / 40);
  event->accept();
}

QString clsNoteView::AnchorAt(const QPoint& point) const {
  return document_.documentLayout()->anchorAt(point + QPoint(0, offset_));
}

void clsNoteView::mouseMoveEvent(QMouseEvent* event) {
  setCursor(AnchorAt(event->position().toPoint()).isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

void clsNoteView::mouseReleaseEvent(QMouseEvent* event) {
  const QString anchor = AnchorAt(event->position().toPoint());
  if (!anchor.isEmpty()) emit LinkActivated(anchor);
}

void clsNoteView::keyPressEvent(QKeyEvent* event) {
  const bool press = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
  if (press && !firstLink_.isEmpty()) return emit LinkActivated(firstLink_);
  const int line = fontMetrics().lineSpacing();
  switch (event->key()) {
    case Qt::Key_Up: return ScrollBy(-line);
    case Qt::Key_Down: return ScrollBy(line);
    case Qt::Key_PageUp: return ScrollBy(-height() + line);
    case Qt::Key_PageDown: return ScrollBy(height() - line);
    default: QWidget::keyPressEvent(event);
  }
}

void clsNoteView::resizeEvent(QResizeEvent*) {
  FitText();
  offset_ = std::min(offset_, Overflow());
}

// German hints run to four lines where three fit at the window's smallest.
// The font shrinks to three quarters at most; what still does not fit
// scrolls.
void clsNoteView::FitText() {
  QFont fitted = font();
  const qreal full = font().pointSizeF();
  bool fits = true;
  for (qreal size = full; size > 0 && size >= 0.75 * full; size -= 0.5) {
    fitted.setPointSizeF(size);
    document_.setDefaultFont(fitted);
    document_.setTextWidth(width());
    fits = document_.size().height() <= height();
    if (fits) break;
  }
  // Tab reaches a note with a link, or one to scroll.
  setFocusPolicy(firstLink_.isEmpty() && fits ? Qt::NoFocus : Qt::TabFocus);
}

void clsNoteView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  document_.setTextWidth(width());
  QAbstractTextDocumentLayout::PaintContext context;
  context.palette = palette();
  context.palette.setColor(QPalette::Text, palette().color(QPalette::WindowText));
  context.clip = QRectF(rect()).translated(0, offset_);
  painter.save();
  painter.translate(0, -offset_);
  document_.documentLayout()->draw(&painter, context);
  painter.restore();
  if (const int overflow = Overflow(); overflow > 0) {  // where the room stands in the whole note
    const double whole = height() + overflow;
    const QRectF bar(width() - 4, height() * offset_ / whole, 3, height() * height() / whole);
    painter.fillRect(bar, palette().color(QPalette::Mid));
  }
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
  }
}

}  // namespace glyph
