// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/note_view.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>

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
  setFocusPolicy(firstLink_.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
  FitText();
  update();
}

QString clsNoteView::AnchorAt(const QPoint& point) const { return document_.documentLayout()->anchorAt(point); }

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
  QWidget::keyPressEvent(event);
}

void clsNoteView::resizeEvent(QResizeEvent*) { FitText(); }

// German hints run to four lines where three fit at the window's smallest.
// The font shrinks to three quarters at most; what still does not fit is in
// the tool tip.
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
  setToolTip(fits ? QString() : document_.toPlainText());
}

void clsNoteView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  document_.setTextWidth(width());
  QAbstractTextDocumentLayout::PaintContext context;
  context.palette = palette();
  context.palette.setColor(QPalette::Text, palette().color(QPalette::WindowText));
  context.clip = QRectF(rect());
  document_.documentLayout()->draw(&painter, context);
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
  }
}

}  // namespace glyph
