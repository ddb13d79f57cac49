// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/cls_printer_system.h"

namespace glyph {

// Whether a printer is installed, and whether a PDF file can be written.
class clsFakePrinterSystem : public clsPrinterSystem {
 public:
  bool installed = true;
  bool pdf = false;
  bool HasPrinter() override { return installed; }
  bool CanWritePdf() override { return pdf; }
};

}  // namespace glyph
