// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_printer_system.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "i18n/cls_catalogue.h"
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
  clsPrinterPageDevice(int style, const clsCatalogue& catalogue) : clsQtPageDevice(*printer, style) {
    // A PDF's title, and the job's name in the printer's queue.
    printer->setDocName(FromAnsi(catalogue.GetTranslation("frmPrint", "strDocTitle", "Glyphmatic 2.0 puzzles")));
    printer->setCreator("Glyphmatic 2.0");
  }
  QPrinter& Printer() { return *printer; }
};

}  // namespace

// Printing to a file never replaces a folder, a device, a FIFO or a socket
// with a PDF file: the player is told, and the print dialog stays.
bool clsQtPrinterSystem::RefusedTarget(const QPrinter& printer, QWidget* over) {
  const QString file = printer.outputFileName();
  if (file.isEmpty() || !IsSpecialFile(file.toStdString())) return false;
  auto* box = new QMessageBox(
      QMessageBox::Warning, FromAnsi(catalogue_.GetTranslation("frmPrint", "strPdfTitle", "Print to a PDF file")),
      FromAnsi(catalogue_.GetTranslation(
          "frmPrint", "strPdfNotAFile", "The chosen name is not a file (a folder or a device). Nothing was printed.")) +
          "\n\n" + file,
      QMessageBox::Ok, over);
  box->setTextFormat(Qt::PlainText);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
  return true;
}

bool clsQtPrinterSystem::HasPrinter() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

void clsQtPrinterSystem::ChoosePrinter(int style, QWidget* over, Chosen chosen) {
  auto device = std::make_shared<std::unique_ptr<clsPrinterPageDevice>>(
      std::make_unique<clsPrinterPageDevice>(style, catalogue_));
  QDialog* dialog = nullptr;
  if (!HasPrinter()) {
    auto* files =
        new QFileDialog(over, FromAnsi(catalogue_.GetTranslation("frmPrint", "strPdfTitle", "Print to a PDF file")),
                        FileDialogFolder() + "/glyphmatic.pdf",
                        FromAnsi(catalogue_.GetTranslation("frmPrint", "strPdfFilter", "PDF files")) + " (*.pdf)");
    files->setObjectName("dlgPdfFile");
    files->setAcceptMode(QFileDialog::AcceptSave);
    QObject::connect(files, &QFileDialog::fileSelected, files, [device, files](const QString& name) {
      RememberFileDialogFolder(name);
      (*device)->Printer().setOutputFormat(QPrinter::PdfFormat);
      (*device)->Printer().setOutputFileName(QString::fromStdString(WithPdfExtension(name.toStdString())));
    });
    dialog = files;
  } else {
    auto* print = new QPrintDialog(&(*device)->Printer(), over);
    print->setOption(QAbstractPrintDialog::PrintSelection, false);
    print->setOption(QAbstractPrintDialog::PrintPageRange, false);
    print->setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog = print;
  }
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(dialog, &QDialog::finished, over, [this, device, over, chosen = std::move(chosen)](int result) {
    if (result != QDialog::Accepted || RefusedTarget((*device)->Printer(), over)) return chosen(nullptr);
    chosen(std::move(*device));
  });
  dialog->open();
}

}  // namespace glyph
