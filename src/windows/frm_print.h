// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractSpinBox>
#include <QDialog>
#include <QLineEdit>
#include <atomic>
#include <memory>

#include "core/cls_puzzle.h"
#include "core/deduction.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QThread;
class QWidget;

namespace glyph {

class clsCatalogue;
class clsPageDevice;
class clsPrintTargets;

// The number of puzzles: a spin box whose text is kept as typed (the job
// reads it leniently); its arrows count up and down, never below one.
class clsCountBox : public QAbstractSpinBox {
  Q_OBJECT

 public:
  explicit clsCountBox(QWidget* parent);
  QValidator::State validate(QString& input, int& position) const override;
  void stepBy(int steps) override;

 protected:
  StepEnabled stepEnabled() const override;
};

// The print dialog: how many puzzles, with grids and solution pages or not.
// The printer's dialog opens over it without waiting; the job then runs
// beside the window, a panel with a progress bar covering the dialog, and
// the dialog closes when the pages are done. Closing it stops the job.
class frmPrint : public QDialog {
  Q_OBJECT

 public:
  frmPrint(const clsPuzzle& puzzle, int style, Difficulty difficulty, clsPrintTargets& printers,
           const clsCatalogue& catalogue, QWidget* parent = nullptr);
  ~frmPrint() override;

  const clsPuzzle& puzzle() const { return puzzle_; }
  int Style() const { return style_; }

 private:
  void Print();
  void RunJob(std::unique_ptr<clsPageDevice> device);
  void JobDone(bool printed);
  void StopJob();

  clsPuzzle puzzle_;
  int style_;
  Difficulty difficulty_;
  clsPrintTargets& printers_;
  const clsCatalogue& catalogue_;
  clsCountBox* txtCount_;
  QCheckBox* chkRaster_;
  QCheckBox* chkSolution_;
  QWidget* picPrinting_;
  QProgressBar* progressPrint_;
  QThread* job_ = nullptr;
  std::shared_ptr<std::atomic<bool>> cancel_ = std::make_shared<std::atomic<bool>>(false);
};

}  // namespace glyph
