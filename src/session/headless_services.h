// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/cls_desktop.h"
#include "core/cls_file_chooser.h"
#include "print/cls_printer_system.h"
#include "session/bookmark_dialogs.h"
#include "session/session_services.h"
#include "storage/cls_file_writer.h"
#include "storage/file_association.h"

namespace glyph {

// The services of a session without windows (glyphtool's race peers): no
// files are chosen or written, no bookmark, options or print dialog opens, there is no
// printer, no help window and no file type to register.
class clsNoDesktopServices : public clsFileChooser,
                             public clsBookmarkDialogs,
                             public clsPrinterSystem,
                             public clsDesktop,
                             public clsFileTypeRegistrar,
                             public clsSessionDialogs,
                             public clsFileWriter {
 public:
  std::string ChooseFileToOpen(const std::string&) override { return {}; }
  std::string ChooseFileToSave(const std::string&, const std::string&) override { return {}; }
  std::optional<std::string> EditName(const std::string&) override { return std::nullopt; }
  std::optional<std::size_t> ChooseBookmark(std::vector<clsSolveStatus>&) override { return std::nullopt; }
  bool HasPrinter() override { return false; }
  std::unique_ptr<clsPageDevice> ChoosePrinter(int) override { return nullptr; }
  void ShowHelp(const std::string&, int) override {}
  void OpenWebPage(const std::string&) override {}
  void RegisterFileType(const std::string&, const std::string&, const std::string&) override {}
  std::optional<int> ChooseOptions(int) override { return std::nullopt; }
  void Print(const clsPuzzle&, int) override {}
  WriteOutcome WriteWhole(const std::filesystem::path&, const std::string&) override { return WriteOutcome::Failed; }
};

}  // namespace glyph
