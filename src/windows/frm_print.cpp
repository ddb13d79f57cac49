// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/frm_print.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/cls_asker.h"
#include "i18n/cls_catalogue.h"
#include "platform/ansi_text.h"
#include "platform/dialog_buttons.h"
#include "platform/translate_form.h"
#include "print/cls_printer_system.h"
#include "print/print_job.h"
#include "storage/web_pages.h"

namespace glyph {

clsCountBox::clsCountBox(QWidget* parent) : QAbstractSpinBox(parent) {
  lineEdit()->setText("1");
  setAccelerated(true);
}

// Whatever is typed stays as typed: the job reads it leniently.
QValidator::State clsCountBox::validate(QString&, int&) const { return QValidator::Acceptable; }

void clsCountBox::stepBy(int steps) {
  for (; steps > 0; --steps) lineEdit()->setText(QString::fromStdString(CountUp(ToAnsi(text()))));
  for (; steps < 0; ++steps) lineEdit()->setText(QString::fromStdString(CountDown(ToAnsi(text()))));
}

QAbstractSpinBox::StepEnabled clsCountBox::stepEnabled() const {
  return StepUpEnabled | (CountDown(ToAnsi(text())) != ToAnsi(text()) ? StepDownEnabled : StepNone);
}

namespace {

// The progress bar, repainted after every step so that it moves while the
// job holds the event loop.
class clsBarProgress : public clsPrintProgress {
 public:
  explicit clsBarProgress(QProgressBar& bar) : bar_(bar) {}
  void Start(int maximum) override {
    bar_.setRange(0, std::max(1, maximum));
    bar_.setValue(0);
    Repaint();
  }
  void Advance(int value) override {
    bar_.setValue(value);
    Repaint();
  }
  void Finish() override {}

 private:
  void Repaint() {
    bar_.repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  QProgressBar& bar_;
};

}  // namespace

frmPrint::frmPrint(const clsPuzzle& puzzle, int style, clsPrinterSystem& printers, clsRandomSource& random,
                   const clsCatalogue& catalogue, clsAsker& asker, QWidget* parent)
    : QDialog(parent),
      puzzle_(puzzle),
      style_(style),
      printers_(printers),
      random_(random),
      catalogue_(catalogue),
      asker_(asker) {
  setObjectName("frmPrint");
  setWindowTitle("Print Glyphmatic");

  auto* lblCount = new QLabel("&Number of puzzles:", this);
  lblCount->setObjectName("lblCount");
  txtCount_ = new clsCountBox(this);
  txtCount_->setObjectName("txtCount");
  lblCount->setBuddy(txtCount_);
  chkRaster_ = new QCheckBox("Print &grid", this);
  chkRaster_->setObjectName("chkRaster");
  chkSolution_ = new QCheckBox("Print &solution", this);
  chkSolution_->setObjectName("chkSolution");

  auto* countRow = new QHBoxLayout;
  countRow->addWidget(lblCount);
  countRow->addWidget(txtCount_);

  const DialogButtons buttons = MakeDialogButtons(this, "&Print", "cmdPrint");
  connect(buttons.confirm, &QPushButton::clicked, this, &frmPrint::Print);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(countRow);
  layout->addWidget(chkRaster_);
  layout->addWidget(chkSolution_);
  layout->addWidget(buttons.box);

  // The panel that covers the dialog while printing.
  picPrinting_ = new QWidget(this);
  picPrinting_->setObjectName("picPrinting");
  picPrinting_->setAutoFillBackground(true);
  auto* lblPrinting = new QLabel("Printing...", picPrinting_);
  lblPrinting->setObjectName("lblPrinting");
  progressPrint_ = new QProgressBar(picPrinting_);
  progressPrint_->setObjectName("progressPrint");
  auto* panelLayout = new QVBoxLayout(picPrinting_);
  panelLayout->addStretch();
  panelLayout->addWidget(lblPrinting);
  panelLayout->addWidget(progressPrint_);
  panelLayout->addStretch();
  picPrinting_->hide();

  TranslateForm(this, catalogue_);
  // Wide enough for the title bar to show the title whole beside its buttons
  // (the window manager's title font is bolder and larger than the dialog's).
  QFont title = font();
  title.setBold(true);
  title.setPointSizeF(title.pointSizeF() * 1.2);
  setMinimumWidth(std::max(minimumSizeHint().width(), QFontMetrics(title).horizontalAdvance(windowTitle()) + 160));
}

void frmPrint::Print() {
  std::unique_ptr<clsPageDevice> device = printers_.ChoosePrinter(style_);
  if (!device) return;  // cancelled: the dialog stays for another try

  picPrinting_->setGeometry(rect());
  picPrinting_->raise();
  picPrinting_->show();
  clsBarProgress progress(*progressPrint_);
  const PrintOptions options{ToAnsi(txtCount_->text()), chkRaster_->isChecked(), chkSolution_->isChecked(),
                             difficulty_};
  const auto result = RunPrintJob(puzzle_, options, *device, random_, catalogue_, kProductWebPage, &progress);
  picPrinting_->hide();
  if (!result) {
    asker_.Tell(catalogue_.GetTranslation(kPrintModule, "strPageTooSmall", "The page is too small to hold a puzzle."),
                "Glyphmatic", MessageIcon::Exclamation);
    return;
  }
  accept();
}

}  // namespace glyph
