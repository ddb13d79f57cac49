// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/frm_print.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/cls_system_random.h"
#include "i18n/cls_catalogue.h"
#include "platform/ansi_text.h"
#include "platform/dialog_buttons.h"
#include "platform/qt_printer_system.h"
#include "platform/translate_form.h"
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

// The job's progress, from the job's thread to the bar in the window's; a
// closed dialog stops the job at its next puzzle.
struct clsJobCancelled {};
class clsBarProgress : public clsPrintProgress {
 public:
  clsBarProgress(QProgressBar* bar, std::shared_ptr<std::atomic<bool>> cancel)
      : bar_(bar), cancel_(std::move(cancel)) {}
  void Start(int maximum) override {
    QMetaObject::invokeMethod(bar_, [bar = bar_, maximum] {
      if (bar) bar->setRange(0, std::max(1, maximum));
    });
    Check();
  }
  void Advance(int value) override {
    QMetaObject::invokeMethod(bar_, [bar = bar_, value] {
      if (bar) bar->setValue(value);
    });
    Check();
  }
  void Finish() override {}

 private:
  void Check() const {
    if (*cancel_) throw clsJobCancelled{};
  }
  QPointer<QProgressBar> bar_;
  std::shared_ptr<std::atomic<bool>> cancel_;
};

}  // namespace

frmPrint::frmPrint(const clsPuzzle& puzzle, int style, Difficulty difficulty, clsPrintTargets& printers,
                   const clsCatalogue& catalogue, QWidget* parent)
    : QDialog(parent),
      puzzle_(puzzle),
      style_(style),
      difficulty_(difficulty),
      printers_(printers),
      catalogue_(catalogue) {
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

frmPrint::~frmPrint() { StopJob(); }

void frmPrint::Print() {
  if (!IsPrintableCount(ToAnsi(txtCount_->text()))) {
    auto* box = new QMessageBox(QMessageBox::Warning, "Glyphmatic",
                                FromAnsi(catalogue_.GetTranslation(kPrintModule, "strCountRange",
                                                                   "Please type a number of puzzles from 1 to 1000.")),
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, txtCount_, [this] { txtCount_->setFocus(); });
    box->open();
    return;
  }
  printers_.ChoosePrinter(style_, this, [this](std::unique_ptr<clsPageDevice> device) {
    if (device) RunJob(std::move(device));  // cancelled: the dialog stays for another try
  });
}

void frmPrint::RunJob(std::unique_ptr<clsPageDevice> device) {
  if (job_ != nullptr) return;
  picPrinting_->setGeometry(rect());
  picPrinting_->raise();
  picPrinting_->show();
  const PrintOptions options{ToAnsi(txtCount_->text()), chkRaster_->isChecked(), chkSolution_->isChecked(),
                             difficulty_};
  auto printed = std::make_shared<std::atomic<bool>>(false);
  // The job draws its new puzzles from a source of its own: the window's
  // goes on serving the game meanwhile.
  job_ = QThread::create([device = std::shared_ptr<clsPageDevice>(std::move(device)), puzzle = puzzle_, options,
                          progress = std::make_shared<clsBarProgress>(progressPrint_, cancel_), printed,
                          &catalogue = catalogue_]() mutable {
    try {
      clsSystemRandom random;
      *printed = RunPrintJob(puzzle, options, *device, random, catalogue, kProductWebPage, progress.get()).has_value();
    } catch (const clsJobCancelled&) {
    }
    device.reset();  // the pages end in the thread that drew them
  });
  connect(job_, &QThread::finished, this, [this, printed] { JobDone(*printed); });
  job_->start();
}

void frmPrint::JobDone(bool printed) {
  job_->deleteLater();
  job_ = nullptr;
  picPrinting_->hide();
  if (printed) return accept();
  auto* box = new QMessageBox(
      QMessageBox::Warning, "Glyphmatic",
      FromAnsi(catalogue_.GetTranslation(kPrintModule, "strPageTooSmall", "The page is too small to hold a puzzle.")),
      QMessageBox::Ok, this);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

// A job still running stops at its next puzzle, and is waited for.
void frmPrint::StopJob() {
  if (job_ == nullptr) return;
  *cancel_ = true;
  job_->wait();
  delete job_;
  job_ = nullptr;
}

}  // namespace glyph
