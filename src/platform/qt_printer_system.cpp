// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_printer_system.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "i18n/program_catalogue.h"
#include "platform/ansi_text.h"
#include "platform/file_dialog_folder.h"
#include "platform/qt_page_device.h"
#include "storage/cls_file_writer.h"

namespace glyph {

namespace {

// Holds the printer so that it is made before, and outlives, the device
// drawing on it.
struct PrinterHolder {
  std::unique_ptr<QPrinter> printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
};

class clsPrinterPageDevice : private PrinterHolder, public clsQtPageDevice {
 public:
  explicit clsPrinterPageDevice(int style) : clsQtPageDevice(*printer, style) {
    // A PDF's title, and the job's name in the printer's queue.
    printer->setDocName(FromAnsi(ProgramCatalogue().GetTranslation("frmPrint", "strDocTitle", "Glyphmatic 2.0 puzzles")));
    printer->setCreator("Glyphmatic 2.0");
  }
  QPrinter& Printer() { return *printer; }
};

}  // namespace

// Printing to a file never replaces a folder, a device, a FIFO or a socket
// with a PDF file: the player is told, and the print dialog stays.
bool clsQtPrinterSystem::RefusedTarget(const QPrinter& printer) {
  const QString file = printer.outputFileName();
  if (file.isEmpty() || !IsSpecialFile(file.toStdString())) return false;
  const clsCatalogue& texts = ProgramCatalogue();
  QMessageBox::warning(parent_, FromAnsi(texts.GetTranslation("frmPrint", "strPdfTitle", "Print to a PDF file")),
                       FromAnsi(texts.GetTranslation("frmPrint", "strPdfNotAFile",
                                                     "The chosen name is not a file (a folder or a device). "
                                                     "Nothing was printed.")) +
                           "\n\n" + file);
  return true;
}

bool clsQtPrinterSystem::HasPrinter() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

std::unique_ptr<clsPageDevice> clsQtPrinterSystem::ChoosePrinter(int style) {
  auto device = std::make_unique<clsPrinterPageDevice>(style);
  if (!HasPrinter()) {
    const clsCatalogue& texts = ProgramCatalogue();
    const QString chosen = QFileDialog::getSaveFileName(
        parent_, FromAnsi(texts.GetTranslation("frmPrint", "strPdfTitle", "Print to a PDF file")),
        FileDialogFolder() + "/glyphmatic.pdf",
        FromAnsi(texts.GetTranslation("frmPrint", "strPdfFilter", "PDF files")) + " (*.pdf)");
    if (chosen.isEmpty()) return nullptr;
    RememberFileDialogFolder(chosen);
    device->Printer().setOutputFormat(QPrinter::PdfFormat);
    device->Printer().setOutputFileName(QString::fromStdString(WithPdfExtension(chosen.toStdString())));
    return RefusedTarget(device->Printer()) ? nullptr : std::move(device);
  }
  QPrintDialog dialog(&device->Printer(), parent_);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return RefusedTarget(device->Printer()) ? nullptr : std::move(device);
}

}  // namespace glyph
