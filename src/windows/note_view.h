// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QTextDocument>
#include <QWidget>

namespace glyph {

// The note under the grid: a few lines of rich text with small pictures,
// drawn straight from a text document (no scroll area to build at start-up).
class clsNoteView : public QWidget {
  Q_OBJECT

 public:
  explicit clsNoteView(QWidget* parent);

  // Shows rich text; each image the text names as "name" is one of the
  // pictures given.
  void SetNote(const QString& html, const std::vector<std::pair<QString, QPixmap>>& pictures);
  QString PlainText() const { return document_.toPlainText(); }
  // How far a note longer than its room is scrolled, and how far it can be.
  int Offset() const { return offset_; }
  int Overflow() const;

 signals:
  // A link of the note was clicked, or Enter or Space pressed while the
  // note has the focus (it takes the focus only while it holds a link).
  void LinkActivated(const QString& href);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  // A long note takes a smaller font rather than losing its last line.
  void FitText();

  QString AnchorAt(const QPoint& point) const;
  void ScrollBy(int pixels);

  QTextDocument document_;
  QString firstLink_;
  int offset_ = 0;
};

}  // namespace glyph
