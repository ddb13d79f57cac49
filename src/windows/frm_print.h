// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractSpinBox>
#include <QDialog>
#include <QLineEdit>

#include "core/deduction.h"

#include "core/cls_puzzle.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QWidget;

namespace glyph {

class clsAsker;
class clsCatalogue;
class clsPrinterSystem;
class clsRandomSource;

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

// The print dialog: how many puzzles, with grids and solution pages or not;
// a panel with a progress bar covers it while the job runs.
class frmPrint : public QDialog {
  Q_OBJECT

 public:
  frmPrint(const clsPuzzle& puzzle, int style, clsPrinterSystem& printers, clsRandomSource& random,
           const clsCatalogue& catalogue, clsAsker& asker, QWidget* parent = nullptr);

  const clsPuzzle& puzzle() const { return puzzle_; }
  int Style() const { return style_; }
  // The difficulty the batch's new puzzles are drawn at ("any" unless set).
  void SetDifficulty(Difficulty difficulty) { difficulty_ = difficulty; }

 private:
  void Print();

  const clsPuzzle& puzzle_;
  int style_;
  Difficulty difficulty_ = Difficulty::Any;
  clsPrinterSystem& printers_;
  clsRandomSource& random_;
  const clsCatalogue& catalogue_;
  clsAsker& asker_;
  clsCountBox* txtCount_;
  QCheckBox* chkRaster_;
  QCheckBox* chkSolution_;
  QWidget* picPrinting_;
  QProgressBar* progressPrint_;
};

}  // namespace glyph
