// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPrinter>
#include <QWidget>
#include <functional>
#include <memory>

#include "print/cls_printer_system.h"

namespace glyph {

class clsCatalogue;

// Where the print dialog prints: a target chosen over a window without
// waiting for it; chosen then gets the page device of the target for a job
// in the given style, or nothing when the player cancelled or chose what is
// not a file.
class clsPrintTargets {
 public:
  virtual ~clsPrintTargets() = default;
  using Chosen = std::function<void(std::unique_ptr<clsPageDevice>)>;
  virtual void ChoosePrinter(int style, QWidget* over, Chosen chosen) = 0;
};

// The installed printers through Qt: QPrinterInfo to know of them, the
// platform's print dialog to choose one (it also offers printing to a PDF
// file). Without a printer a file chooser picks the PDF file instead.
class clsQtPrinterSystem : public clsPrinterSystem, public clsPrintTargets {
 public:
  explicit clsQtPrinterSystem(const clsCatalogue& catalogue) : catalogue_(catalogue) {}

  bool HasPrinter() override;
  bool CanWritePdf() override { return true; }  // Qt's own PDF writer
  void ChoosePrinter(int style, QWidget* over, Chosen chosen) override;

 private:
  bool RefusedTarget(const QPrinter& printer, QWidget* over);
  const clsCatalogue& catalogue_;
};

}  // namespace glyph
