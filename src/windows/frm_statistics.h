// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QWidget>
#include <optional>
#include <vector>

#include "storage/statistics.h"

namespace glyph {

class clsCatalogue;

// A small bar chart of solve times, oldest on the left; the best of them
// stands out. It says the times to a screen reader as well.
class clsTimesChart : public QWidget {
  Q_OBJECT

 public:
  explicit clsTimesChart(std::vector<int> seconds, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  const std::vector<int>& Seconds() const { return seconds_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<int> seconds_;
};

// The player's statistics per category: games started and solved, solved
// without help, runs, best and median time, and a chart of the last solves.
class frmStatistics : public QDialog {
  Q_OBJECT

 public:
  frmStatistics(const clsStatistics& statistics, std::optional<StatsCategory> newBest, const clsCatalogue& catalogue,
                QWidget* parent = nullptr);

 private:
  QString Text(const char* key, const char* english) const;
  const clsCatalogue& catalogue_;
};

}  // namespace glyph
