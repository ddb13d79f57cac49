#include "board/frm_symbol.h"

#include <QLabel>
#include <QVBoxLayout>

#include "platform/translate_form.h"

namespace glyph {

frmSymbol::frmSymbol(QWidget* parent) : QWidget(parent) {
  setObjectName("frmSymbol");
  setWindowTitle("Glyphmatic");
  auto* layout = new QVBoxLayout(this);
  auto* welcome = new QLabel("Welcome to Glyphmatic!", this);
  welcome->setObjectName("lblWelcome");
  welcome->setAlignment(Qt::AlignCenter);
  layout->addWidget(welcome);
  resize(640, 480);
  TranslateForm(this);
}

}  // namespace glyph
