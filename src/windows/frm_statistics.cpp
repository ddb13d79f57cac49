// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/frm_statistics.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/clock_text.h"
#include "i18n/cls_catalogue.h"
#include "platform/ansi_text.h"

namespace glyph {

namespace {

constexpr char kModule[] = "frmStatistics";

QString TimeText(std::optional<int> seconds) {
  return seconds ? QString::fromStdString(PlayTimeText(std::chrono::seconds(*seconds))) : QString::fromUtf8("\u2013");
}

}  // namespace

clsTimesChart::clsTimesChart(std::vector<int> seconds, QWidget* parent)
    : QWidget(parent), seconds_(std::move(seconds)) {
  QStringList spoken;
  for (int s : seconds_) spoken << TimeText(s);
  setAccessibleName(spoken.join(", "));
}

QSize clsTimesChart::sizeHint() const { return {static_cast<int>(kChartedSolveTimes) * 5 + 4, 24}; }

void clsTimesChart::paintEvent(QPaintEvent*) {
  if (seconds_.empty()) return;
  QPainter painter(this);
  const int longest = std::max(1, *std::max_element(seconds_.begin(), seconds_.end()));
  const int best = *std::min_element(seconds_.begin(), seconds_.end());
  const double pitch = double(width() - 4) / double(kChartedSolveTimes);
  const int room = height() - 4;
  for (std::size_t i = 0; i < seconds_.size(); ++i) {
    const int bar = std::max(2, int(double(room) * seconds_[i] / longest));
    const QRectF r(2 + pitch * double(i), height() - 2 - bar, std::max(1.0, pitch - 1), bar);
    painter.fillRect(r, seconds_[i] == best ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid));
  }
}

frmStatistics::frmStatistics(const clsStatistics& statistics, std::optional<StatsCategory> newBest,
                             const clsCatalogue& catalogue, QWidget* parent)
    : QDialog(parent), catalogue_(catalogue) {
  setObjectName(kModule);
  setWindowTitle(Text("CAPTION", "Statistics"));
  auto* layout = new QVBoxLayout(this);

  const QString categoryNames[] = {Text("strEasy", "Easy"),
                                   Text("strMedium", "Medium"),
                                   Text("strHard", "Hard"),
                                   Text("strExpert", "Expert"),
                                   Text("strSeveral", "Several solutions"),
                                   Text("strDaily", "Today's puzzles")};
  if (newBest) {
    auto* record = new QLabel(Text("strNewBest", "New best time: %1 (%2)")
                                  .replace("%1", TimeText(statistics.Summary(*newBest).bestSeconds))
                                  .replace("%2", categoryNames[static_cast<int>(*newBest)]),
                              this);
    record->setObjectName("lblNewBest");
    QFont bold = record->font();
    bold.setBold(true);
    record->setFont(bold);
    layout->addWidget(record);
  }

  const QStringList headers{Text("strStarted", "Started"),     Text("strSolved", "Solved"),
                            Text("strClean", "Without help"),  Text("strRun", "Current run"),
                            Text("strLongest", "Longest run"), Text("strBest", "Best time"),
                            Text("strMedian", "Median time"),  Text("strLast", "Last 30 solves")};
  auto* table = new QTableWidget(static_cast<int>(kStatsCategories.size()), static_cast<int>(headers.size()), this);
  table->setObjectName("tblStatistics");
  table->setAccessibleName(windowTitle());
  table->setHorizontalHeaderLabels(headers);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  for (StatsCategory category : kStatsCategories) {
    const int row = static_cast<int>(category);
    const StatsSummary summary = statistics.Summary(category);
    table->setVerticalHeaderItem(row, new QTableWidgetItem(categoryNames[row]));
    const QString cells[] = {QString::number(summary.started),    QString::number(summary.solved),
                             QString::number(summary.clean),      QString::number(summary.currentRun),
                             QString::number(summary.longestRun), TimeText(summary.bestSeconds),
                             TimeText(summary.medianSeconds)};
    for (int column = 0; column < 7; ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table->setItem(row, column, item);
    }
    auto* chart = new clsTimesChart(summary.lastTimes, table);
    table->setItem(row, 7, new QTableWidgetItem(chart->accessibleName()));
    table->item(row, 7)->setForeground(Qt::transparent);  // the chart shows it; a screen reader reads it
    table->setCellWidget(row, 7, chart);
  }
  table->resizeColumnsToContents();
  table->setColumnWidth(7, clsTimesChart({}).sizeHint().width() + 8);
  table->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(table);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  int width = table->verticalHeader()->sizeHint().width() + 4;
  for (int column = 0; column < table->columnCount(); ++column) width += table->columnWidth(column);
  int height = table->horizontalHeader()->sizeHint().height() + 4;
  for (int row = 0; row < table->rowCount(); ++row) height += table->rowHeight(row);
  table->setMinimumSize(width + 4, height + 4);
}

QString frmStatistics::Text(const char* key, const char* english) const {
  return FromAnsi(catalogue_.GetTranslation(kModule, key, english));
}

}  // namespace glyph
