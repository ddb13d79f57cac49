// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "print/cls_page_device.h"

namespace glyph {

// The system's printers as the print dialog sees them. A PDF file is a target
// too: without any printer the print dialog still prints to one.
class clsPrinterSystem {
 public:
  virtual ~clsPrinterSystem() = default;
  virtual bool HasPrinter() = 0;
  virtual bool CanWritePdf() { return false; }
  // Shows the platform's print dialog (or, with no printer, a file chooser
  // for the PDF file); the page device of the chosen target for a job in the
  // given style, or nothing when the player cancelled.
  virtual std::unique_ptr<clsPageDevice> ChoosePrinter(int style) = 0;

  // Whether the print dialog can print at all: to a printer or a PDF file.
  bool CanPrint() { return HasPrinter() || CanWritePdf(); }
};

// The name of the PDF file to write: the chosen name, ".pdf" added when it
// does not end so (in any case).
std::string WithPdfExtension(const std::string& fileName);

}  // namespace glyph
