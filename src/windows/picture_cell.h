// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include "core/board_view.h"

namespace glyph {

class frmAllSymbols;

// One picture cell of the main window: a background colour and a picture
// from the store, drawn at the screen's pixel density.
class clsPictureCell : public QWidget {
  Q_OBJECT

 public:
  clsPictureCell(const QString& name, frmAllSymbols& store, QWidget* parent);

  // Shows the picture at path (a resource path, "" for none) on a ground,
  // with a verdict's tick or cross in its corner.
  void Show(const QString& path, QColor backColor, VerdictMark mark = VerdictMark::None);
  QString PicturePath() const { return path_; }
  QColor BackColor() const { return backColor_; }
  VerdictMark Mark() const { return mark_; }
  // A board cell where the symbol of the grid cursor's row stands: a
  // rounded frame in the highlight colour.
  void SetHighlight(bool on);
  bool Highlight() const { return highlight_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  frmAllSymbols& store_;
  QString path_;
  QColor backColor_ = Qt::white;
  VerdictMark mark_ = VerdictMark::None;
  bool highlight_ = false;
};

// A cell of the solution grid. A click is reported when the button is let go
// over the cell; a double click as the desktop delivers it: the first press
// and release make a click, the second press a double click, and the release
// after it nothing more. Two presses count as a double click only on the same
// cell: a second press on another cell is a click of its own.
class clsGridCell : public clsPictureCell {
  Q_OBJECT

 public:
  clsGridCell(int index, frmAllSymbols& store, QWidget* parent);
  int Index() const { return index_; }
  // The keyboard's cursor: a focus frame around the cell.
  void SetCursorFrame(bool on);
  bool CursorFrame() const { return frame_; }
  // A hint's or a check's frame: dashed, so it differs from the cursor's;
  // the marks a hint rests on have a quieter, dotted one.
  enum class NoteFrame { None, Step, Basis };
  void SetNoteFrame(NoteFrame frame);
  NoteFrame Frame() const { return noteFrame_; }
  // On the dark ground the frames take lighter colours.
  void SetDark(bool dark) { dark_ = dark; }

 signals:
  void Clicked(int index);
  void DoubleClicked(int index);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int index_;
  bool frame_ = false;
  NoteFrame noteFrame_ = NoteFrame::None;
  bool dark_ = false;
  bool pressed_ = false;
  bool afterDoubleClick_ = false;
};

}  // namespace glyph
