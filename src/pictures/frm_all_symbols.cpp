// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/frm_all_symbols.h"

#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <cmath>

namespace glyph {

namespace {

constexpr qsizetype kMostPictures = 4000;

QString ResourcePath(const std::string& fileName) {
  return fileName.empty() ? QString() : ":/assets/" + QString::fromStdString(fileName);
}

// The colours of the light pictures and their dark counterparts. Every pair
// of ground and ink keeps a contrast of 4.5:1 or more (the greyed digits, a
// shade that says "ruled out", 3:1).
struct ColourSwap {
  const char* light;
  const char* dark;
};
constexpr ColourSwap kDarkColours[] = {
    {"#FFFFFF", "#1E1E24"},  // grid ground
    {"#000000", "#E8E8E8"},  // digits and operators of the classic style, grid digits
    {"#000084", "#A9B8FF"},  // digits and operators of the modern style
    {"#00FF00", "#4CAF50"},  // a yes: a green ground, with a dark digit (below)
    {"#D6D3CE", "#33333B"},  // greyed ground
    {"#808080", "#9A9AA6"},  // greyed digit
    {"#FF0000", "#FF6B6B"},  // a no's cross
};
constexpr char kDarkOnYes[] = "#101010";
// Symbols keep their colours; only their dark outlines turn light, so that
// each shape stands out whole on the dark ground.
constexpr ColourSwap kDarkSymbolOutlines[] = {
    {"#1E1E3C", "#D0D0E0"},  // modern
    {"#24505C", "#9ADCE6"},  // classic
};

}  // namespace

QString frmAllSymbols::PicturePath(int style, const BoardPicture& picture) {
  return ResourcePath(PictureFileName(style, picture));
}

QString frmAllSymbols::GridDigitPath(GridLook look, int digit) { return ResourcePath(GridDigitFileName(look, digit)); }

QString frmAllSymbols::PrintSymbolPath(int style, int symbol) {
  if (symbol < 0 || symbol > 9) return "";
  return QString(":/assets/print/%1_symbol%2.svg").arg(StyleFolderName(style)).arg(symbol);
}

QString frmAllSymbols::PrintOperatorPath(PictureKind kind) {
  const QString name = OperatorPictureName(kind);
  return name.isEmpty() ? "" : ":/assets/print/" + name + ".svg";
}

QPixmap frmAllSymbols::Picture(int style, const BoardPicture& picture, QSize size, qreal pixelRatio) {
  return Render(PicturePath(style, picture), size, pixelRatio);
}

QPixmap frmAllSymbols::GridDigit(GridLook look, int digit, QSize size, qreal pixelRatio) {
  return Render(GridDigitPath(look, digit), size, pixelRatio);
}

QPixmap frmAllSymbols::Render(const QString& path, QSize size, qreal pixelRatio) {
  if (path.isEmpty() || size.isEmpty()) return {};
  const QSize pixels = (QSizeF(size) * pixelRatio).toSize();
  const QString key = QString("%1@%2x%3%4").arg(path).arg(pixels.width()).arg(pixels.height()).arg(dark_ ? "d" : "");
  const auto cached = cache_.constFind(key);
  if (cached != cache_.constEnd()) return *cached;
  // A window resized step by step asks for ever new sizes: the store starts
  // afresh rather than grow without end.
  if (cache_.size() > kMostPictures) cache_.clear();

  QPixmap pixmap(pixels);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer;
  if (dark_) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) renderer.load(DarkVersion(path, file.readAll()));
  } else {
    renderer.load(path);
  }
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
  painter.end();
  pixmap.setDevicePixelRatio(pixelRatio);
  cache_.insert(key, pixmap);
  return pixmap;
}

namespace {

double Luminance(const QColor& colour) {
  const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every colour of a symbol stands out from the dark ground by 3:1 at least:
// a part too dark for it (a navy half) is lightened, keeping its hue.
QByteArray LightenDarkParts(QByteArray svg) {
  const QColor ground = ToQColor(kDarkBackColor);
  static const QRegularExpression kColour("#[0-9A-Fa-f]{6}\\b");
  QRegularExpressionMatchIterator found = kColour.globalMatch(QString::fromLatin1(svg));
  QSet<QString> seen;
  while (found.hasNext()) {
    const QString hex = found.next().captured(0);
    if (seen.contains(hex)) continue;
    seen.insert(hex);
    QColor colour(hex);
    for (int step = 0; step < 20 && Contrast(colour, ground) < frmAllSymbols::kLeastSymbolContrast; ++step) {
      colour =
          QColor::fromRgbF(colour.redF() + (1 - colour.redF()) * 0.1, colour.greenF() + (1 - colour.greenF()) * 0.1,
                           colour.blueF() + (1 - colour.blueF()) * 0.1);
    }
    if (colour != QColor(hex)) svg.replace(hex.toLatin1(), colour.name(QColor::HexRgb).toUpper().toLatin1());
  }
  return svg;
}

}  // namespace

QByteArray frmAllSymbols::DarkVersion(const QString& path, QByteArray svg) {
  if (path.contains("/symbol")) {
    for (const ColourSwap& swap : kDarkSymbolOutlines) svg.replace(swap.light, swap.dark);
    return LightenDarkParts(svg);
  }
  // A yes keeps a light ground, so its digit stays dark.
  const bool yes = path.contains("/grid/yes");
  for (const ColourSwap& swap : kDarkColours) {
    const bool ink = QByteArray(swap.light) == "#000000";
    svg.replace(swap.light, ink && yes ? kDarkOnYes : swap.dark);
  }
  return svg;
}

}  // namespace glyph
