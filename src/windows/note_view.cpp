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
  update();
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
