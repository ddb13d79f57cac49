// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QPrinter>
#include <QWidget>

#include "print/cls_printer_system.h"

namespace glyph {

// The installed printers through Qt: QPrinterInfo to know of them, the
// platform's print dialog to choose one (it also offers printing to a PDF
// file). Without a printer a file chooser picks the PDF file instead.
class clsQtPrinterSystem : public clsPrinterSystem {
 public:
  explicit clsQtPrinterSystem(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  bool HasPrinter() override;
  bool CanWritePdf() override { return true; }  // Qt's own PDF writer
  std::unique_ptr<clsPageDevice> ChoosePrinter(int style) override;

 private:
  bool RefusedTarget(const QPrinter& printer);
  QPointer<QWidget> parent_;
};

}  // namespace glyph
