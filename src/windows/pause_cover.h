// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace glyph {

// Covers board and grid while the game is paused, so that a pause cannot be
// used to think with the puzzle in view. Any key or click on it ends the
// pause.
class clsPauseCover : public QLabel {
  Q_OBJECT

 public:
  explicit clsPauseCover(QWidget* parent);

 signals:
  void Resume();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
};

}  // namespace glyph
