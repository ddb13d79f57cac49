#include <QApplication>

#include "board/frm_symbol.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Glyphmatic");
  QApplication::setOrganizationName("Glyphmatic");
  glyph::frmSymbol window;
  window.show();
  return QApplication::exec();
}
