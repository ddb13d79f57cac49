#include "board/frm_symbol.h"

#include <QLabel>
#include <QVBoxLayout>

namespace glyph {

frmSymbol::frmSymbol(QWidget* parent) : QWidget(parent) {
  setObjectName("frmSymbol");
  setWindowTitle("Glyphmatic");
  auto* layout = new QVBoxLayout(this);
  auto* welcome = new QLabel(tr("Glyphmatic"), this);
  welcome->setObjectName("lblWelcome");
  welcome->setAlignment(Qt::AlignCenter);
  layout->addWidget(welcome);
  resize(640, 480);
}

}  // namespace glyph
