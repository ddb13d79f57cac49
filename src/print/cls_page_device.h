// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/board_view.h"

namespace glyph {

// A font of the printed page.
struct PrintFont {
  std::string family = "Times New Roman";
  int points = 12;
  bool bold = false;
  bool underline = false;
  bool operator==(const PrintFont&) const = default;
};

// What a page shows besides text: a print glyph of the job's style.
struct PrintGlyph {
  PictureKind kind = PictureKind::None;  // Symbol, Plus, Minus or Equals
  int index = 0;                         // the symbol, for PictureKind::Symbol
  bool operator==(const PrintGlyph&) const = default;
};

// A page device: lengths are twips with the origin at the top left corner of
// the printable area. Text is placed by its top left corner.
class clsPageDevice {
 public:
  virtual ~clsPageDevice() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetFont(const PrintFont& font) = 0;
  virtual int TextWidth(const std::string& text) = 0;
  virtual int TextHeight(const std::string& text) = 0;
  virtual void DrawText(int x, int y, const std::string& text) = 0;
  virtual void DrawGlyph(const PrintGlyph& glyph, int x, int y, int width, int height) = 0;
  // A filled box between two corners.
  virtual void FillBox(int x1, int y1, int x2, int y2, Colour colour) = 0;
  virtual void NewPage() = 0;
  virtual void EndDoc() = 0;
};

// The progress shown while a job runs.
class clsPrintProgress {
 public:
  virtual ~clsPrintProgress() = default;
  virtual void Start(int maximum) = 0;
  virtual void Advance(int value) = 0;
  virtual void Finish() = 0;
};

}  // namespace glyph
