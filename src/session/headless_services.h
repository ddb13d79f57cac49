// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cls_desktop.h"
#include "print/cls_printer_system.h"
#include "storage/cls_file_writer.h"
#include "storage/file_association.h"

namespace glyph {

// The services of a session without windows (glyphtool's race peers): no
// files are written, there is no printer, no help window and no file type
// to register.
class clsNoDesktopServices : public clsPrinterSystem,
                             public clsDesktop,
                             public clsFileTypeRegistrar,
                             public clsFileWriter {
 public:
  bool HasPrinter() override { return false; }
  void ShowHelp(const std::string&, int) override {}
  void OpenWebPage(const std::string&) override {}
  void RegisterFileType(const std::string&, const std::string&, const std::string&) override {}
  WriteOutcome WriteWhole(const std::filesystem::path&, const std::string&, LinkRule) override {
    return WriteOutcome::Failed;
  }
};

}  // namespace glyph
