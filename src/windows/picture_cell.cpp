#include "windows/picture_cell.h"

#include <QMouseEvent>
#include <QPainter>

#include "pictures/frm_all_symbols.h"

namespace glyph {

clsPictureCell::clsPictureCell(const QString& name, frmAllSymbols& store, QWidget* parent)
    : QWidget(parent), store_(store) {
  setObjectName(name);
}

void clsPictureCell::Show(const QString& path, QColor backColor) {
  if (path == path_ && backColor == backColor_) return;
  path_ = path;
  backColor_ = backColor;
  setProperty("picture", path);
  update();
}

void clsPictureCell::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), backColor_);
  if (path_.isEmpty()) return;
  // Rendered for this screen's density, so the picture stays sharp when the
  // desktop scales the window.
  painter.drawPixmap(rect(), store_.Render(path_, size(), devicePixelRatioF()));
}

clsGridCell::clsGridCell(int index, frmAllSymbols& store, QWidget* parent)
    : clsPictureCell("picRaster", store, parent), index_(index) {
  setProperty("index", index);
  setCursor(Qt::PointingHandCursor);
}

void clsGridCell::mousePressEvent(QMouseEvent*) {
  pressed_ = true;
  afterDoubleClick_ = false;
}

void clsGridCell::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && !afterDoubleClick_ && rect().contains(event->position().toPoint());
  pressed_ = false;
  afterDoubleClick_ = false;
  if (click) emit Clicked(index_);
}

void clsGridCell::mouseDoubleClickEvent(QMouseEvent*) {
  pressed_ = false;
  afterDoubleClick_ = true;
  emit DoubleClicked(index_);
}

void clsGridCell::SetCursorFrame(bool on) {
  if (frame_ == on) return;
  frame_ = on;
  update();
}

void clsGridCell::paintEvent(QPaintEvent* event) {
  clsPictureCell::paintEvent(event);
  if (!frame_) return;
  QPainter painter(this);
  QPen pen(palette().color(QPalette::Highlight), 2);
  painter.setPen(pen);
  painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

}  // namespace glyph
