// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <map>
#include <memory>

#include "print/cls_page_device.h"

class QSvgRenderer;

namespace glyph {

// The page device over a printer or a PDF writer. Twips are turned into the
// device's own units; glyphs are drawn from their SVG pictures as vectors, so
// they stay sharp on paper and at any zoom of a PDF. The painter begins with
// the first drawing, so a job that draws nothing leaves no page behind.
class clsQtPageDevice : public clsPageDevice {
 public:
  clsQtPageDevice(QPagedPaintDevice& device, int style);
  ~clsQtPageDevice() override;

  int Width() const override;
  int Height() const override;
  void SetFont(const PrintFont& font) override;
  int TextWidth(const std::string& text) override;
  int TextHeight(const std::string& text) override;
  void DrawText(int x, int y, const std::string& text) override;
  void DrawGlyph(const PrintGlyph& glyph, int x, int y, int width, int height) override;
  void FillBox(int x1, int y1, int x2, int y2, Colour colour) override;
  void NewPage() override;
  void EndDoc() override;

  int Pages() const { return pages_; }

 private:
  QPainter& Painter();
  double ToDevice(int twips) const;
  int ToTwips(double units) const;
  QSvgRenderer& Renderer(const PrintGlyph& glyph);

  QPagedPaintDevice& device_;
  int style_;
  QPainter painter_;
  QFont font_;
  std::map<std::pair<int, int>, std::unique_ptr<QSvgRenderer>> renderers_;
  int pages_ = 0;
};

}  // namespace glyph
