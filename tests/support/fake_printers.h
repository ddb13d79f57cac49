// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "print/cls_printer_system.h"
#include "support/recording_page_device.h"

namespace glyph {

// Printers for window tests: whether one is installed, and a recording
// page that the test keeps.
class clsFakePrinterSystem : public clsPrinterSystem {
 public:
  bool installed = true;
  bool pdf = false;
  int chosenStyle = -1;
  clsRecordingPageDevice page{2 * 4800 + 300, 400 + 6800 + 100};

  bool HasPrinter() override { return installed; }
  bool CanWritePdf() override { return pdf; }
  std::unique_ptr<clsPageDevice> ChoosePrinter(int style) override {
    chosenStyle = style;
    return std::make_unique<Printed>(*this);
  }

 private:
  // Draws on a copy of the page and hands it back once the job lets go.
  struct Printed : clsRecordingPageDevice {
    explicit Printed(clsFakePrinterSystem& system) : clsRecordingPageDevice(system.page), system_(system) {}
    ~Printed() override { system_.page = *this; }
    clsFakePrinterSystem& system_;
  };
};

}  // namespace glyph
