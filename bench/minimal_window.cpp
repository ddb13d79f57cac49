// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the game's start-up time: the smallest Qt Widgets program
// that opens a window of the same size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Minimal");
  window.resize(552, 457);
  window.show();
  return QApplication::exec();
}
