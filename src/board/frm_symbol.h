#pragma once

#include <QWidget>

namespace glyph {

// The main window: the program itself. It opens at start-up and closing it
// ends the program.
class frmSymbol : public QWidget {
  Q_OBJECT

 public:
  explicit frmSymbol(QWidget* parent = nullptr);
};

}  // namespace glyph
