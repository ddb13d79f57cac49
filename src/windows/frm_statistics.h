// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QWidget>
#include <optional>
#include <vector>

#include "storage/statistics.h"

class QLabel;
class QTableWidget;

namespace glyph {

class clsCatalogue;

// A bar chart of solve times, oldest on the left, with a scale of times in
// m:ss; the best of them stands out and is named. It fills the room it is
// given, and says the times to a screen reader as well.
class clsTimesChart : public QWidget {
  Q_OBJECT

 public:
  explicit clsTimesChart(QWidget* parent = nullptr);
  // The times, oldest first; the word for the best one, and the caption of
  // the line of bars.
  void SetSeconds(std::vector<int> seconds, const QString& bestCaption, const QString& axisCaption);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  const std::vector<int>& Seconds() const { return seconds_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<int> seconds_;
  QString bestCaption_;
  QString axisCaption_;
};

// The player's statistics: for each category (a column) the games started
// and solved, solved without help, runs, best and median time; under them
// the chart of the last solves of the category chosen in the table.
class frmStatistics : public QDialog {
  Q_OBJECT

 public:
  frmStatistics(const clsStatistics& statistics, std::optional<StatsCategory> newBest, const clsCatalogue& catalogue,
                QWidget* parent = nullptr);

 private:
  QString Text(const char* key, const char* english) const;
  void ShowChart(int column);

  const clsCatalogue& catalogue_;
  const clsStatistics statistics_;
  QTableWidget* table_;
  QLabel* chartCaption_;
  clsTimesChart* chart_;
};

}  // namespace glyph
