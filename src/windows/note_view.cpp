#include "windows/note_view.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>

namespace glyph {

clsNoteView::clsNoteView(QWidget* parent) : QWidget(parent) { document_.setDocumentMargin(2); }

void clsNoteView::SetNote(const QString& html, const std::vector<std::pair<QString, QPixmap>>& pictures) {
  document_.clear();
  document_.setDefaultFont(font());
  for (const auto& [name, picture] : pictures) document_.addResource(QTextDocument::ImageResource, QUrl(name), picture);
  document_.setHtml(html);
  FitText();
  update();
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
}

}  // namespace glyph
