#pragma once

#include <memory>

#include "print/cls_page_device.h"

namespace glyph {

// The system's printers as the print dialog sees them.
class clsPrinterSystem {
 public:
  virtual ~clsPrinterSystem() = default;
  virtual bool HasPrinter() = 0;
  // Shows the platform's print dialog; the page device of the chosen printer
  // for a job in the given style, or nothing when the player cancelled.
  virtual std::unique_ptr<clsPageDevice> ChoosePrinter(int style) = 0;
};

}  // namespace glyph
