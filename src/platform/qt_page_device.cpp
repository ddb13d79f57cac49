// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_page_device.h"

#include <QFontMetricsF>
#include <QSvgRenderer>

#include "pictures/frm_all_symbols.h"
#include "platform/ansi_text.h"

namespace glyph {

namespace {

constexpr double kTwipsPerInch = 1440.0;

}  // namespace

clsQtPageDevice::clsQtPageDevice(QPagedPaintDevice& device, int style) : device_(device), style_(style) {}

clsQtPageDevice::~clsQtPageDevice() {
  if (painter_.isActive()) painter_.end();
}

QPainter& clsQtPageDevice::Painter() {
  if (!painter_.isActive()) {
    painter_.begin(&device_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setFont(font_);
    pages_ = 1;
  }
  return painter_;
}

double clsQtPageDevice::ToDevice(int twips) const { return twips * device_.logicalDpiX() / kTwipsPerInch; }

int clsQtPageDevice::ToTwips(double units) const {
  return static_cast<int>(units * kTwipsPerInch / device_.logicalDpiX() + 0.5);
}

int clsQtPageDevice::Width() const { return ToTwips(device_.width()); }
int clsQtPageDevice::Height() const { return ToTwips(device_.height()); }

void clsQtPageDevice::SetFont(const PrintFont& font) {
  font_ = QFont(QString::fromStdString(font.family));
  // Where the family is missing, a serif one of the same proportions stands in.
  font_.setStyleHint(QFont::Serif);
  font_.setPointSize(font.points);
  font_.setBold(font.bold);
  font_.setUnderline(font.underline);
  if (painter_.isActive()) painter_.setFont(font_);
}

int clsQtPageDevice::TextWidth(const std::string& text) {
  return ToTwips(QFontMetricsF(font_, &device_).horizontalAdvance(FromAnsi(text)));
}

int clsQtPageDevice::TextHeight(const std::string&) { return ToTwips(QFontMetricsF(font_, &device_).height()); }

void clsQtPageDevice::DrawText(int x, int y, const std::string& text) {
  QPainter& painter = Painter();
  const QFontMetricsF metrics(font_, &device_);
  painter.drawText(QPointF(ToDevice(x), ToDevice(y) + metrics.ascent()), FromAnsi(text));
}

QSvgRenderer& clsQtPageDevice::Renderer(const PrintGlyph& glyph) {
  const auto key = std::make_pair(static_cast<int>(glyph.kind), glyph.index);
  auto& renderer = renderers_[key];
  if (!renderer) {
    const QString path = glyph.kind == PictureKind::Symbol ? frmAllSymbols::PrintSymbolPath(style_, glyph.index)
                                                           : frmAllSymbols::PrintOperatorPath(glyph.kind);
    renderer = std::make_unique<QSvgRenderer>(path);
  }
  return *renderer;
}

void clsQtPageDevice::DrawGlyph(const PrintGlyph& glyph, int x, int y, int width, int height) {
  QSvgRenderer& renderer = Renderer(glyph);
  if (!renderer.isValid()) return;
  renderer.render(&Painter(), QRectF(ToDevice(x), ToDevice(y), ToDevice(width), ToDevice(height)));
}

void clsQtPageDevice::FillBox(int x1, int y1, int x2, int y2, Colour colour) {
  Painter().fillRect(QRectF(QPointF(ToDevice(x1), ToDevice(y1)), QPointF(ToDevice(x2), ToDevice(y2))),
                     QColor(int(RedOf(colour)), int(GreenOf(colour)), int(BlueOf(colour))));
}

void clsQtPageDevice::NewPage() {
  Painter();
  device_.newPage();
  ++pages_;
}

void clsQtPageDevice::EndDoc() { Painter().end(); }

}  // namespace glyph
