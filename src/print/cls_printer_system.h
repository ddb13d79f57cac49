// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "print/cls_page_device.h"

namespace glyph {

// The system's printers as the game sees them. A PDF file is a target too:
// without any printer the print dialog still prints to one. Choosing the
// target is the print dialog's own business.
class clsPrinterSystem {
 public:
  virtual ~clsPrinterSystem() = default;
  virtual bool HasPrinter() = 0;
  virtual bool CanWritePdf() { return false; }

  // Whether the print dialog can print at all: to a printer or a PDF file.
  bool CanPrint() { return HasPrinter() || CanWritePdf(); }
};

// The name of the PDF file to write: the chosen name, ".pdf" added when it
// does not end so (in any case).
std::string WithPdfExtension(const std::string& fileName);

}  // namespace glyph
