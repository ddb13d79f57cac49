// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QString>

#include "core/board_view.h"

namespace glyph {

// The picture store: every picture of both styles, rendered from the SVG
// assets at the size and pixel density asked for, and kept once rendered.
class frmAllSymbols {
 public:
  // The board picture of a style; a null pixmap for PictureKind::None or an
  // index outside 0..9.
  QPixmap Picture(int style, const BoardPicture& picture, QSize size, qreal pixelRatio);
  // A grid digit in one of its five looks.
  QPixmap GridDigit(GridLook look, int digit, QSize size, qreal pixelRatio);

  // The resource path of a picture, "" when there is none.
  static QString PicturePath(int style, const BoardPicture& picture);
  static QString GridDigitPath(GridLook look, int digit);
  // The black print glyph of a symbol of a style, and of the operators.
  static QString PrintSymbolPath(int style, int symbol);
  static QString PrintOperatorPath(PictureKind kind);

  // Any picture by resource path, rendered for size at pixelRatio.
  QPixmap Render(const QString& path, QSize size, qreal pixelRatio);

  // The dark colours: digits, operators and grid cells are drawn light on a
  // dark ground (symbols keep their own colours). Pictures rendered before
  // stay in the store under the other colours.
  void SetDark(bool dark) { dark_ = dark; }
  bool Dark() const { return dark_; }
  // The SVG text of a picture in the dark colours.
  static QByteArray DarkVersion(const QString& path, QByteArray svg);
  // What every part of a symbol keeps against the dark ground.
  static constexpr double kLeastSymbolContrast = 3.0;

 private:
  QHash<QString, QPixmap> cache_;
  bool dark_ = false;
};

inline QColor ToQColor(Colour colour) { return QColor(int(RedOf(colour)), int(GreenOf(colour)), int(BlueOf(colour))); }

}  // namespace glyph
