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

clsTimesChart::clsTimesChart(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void clsTimesChart::SetSeconds(std::vector<int> seconds, const QString& bestCaption, const QString& axisCaption) {
  seconds_ = std::move(seconds);
  bestCaption_ = bestCaption;
  axisCaption_ = axisCaption;
  QStringList spoken;
  for (int s : seconds_) spoken << TimeText(s);
  setAccessibleName(spoken.join(", "));
  update();
}

QSize clsTimesChart::sizeHint() const { return {fontMetrics().averageCharWidth() * 60, fontMetrics().height() * 8}; }
QSize clsTimesChart::minimumSizeHint() const {
  return {fontMetrics().averageCharWidth() * 30, fontMetrics().height() * 5};
}

// The scale on the left (the longest time at the top, 0:00 at the bottom),
// a bar for each solve, and the best one in the highlight colour with its
// time above it.
void clsTimesChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QFontMetrics metrics = fontMetrics();
  const int line = metrics.height();
  painter.setPen(palette().color(QPalette::WindowText));
  if (seconds_.empty()) {
    painter.drawText(rect(), Qt::AlignCenter, "\u2013");
    return;
  }
  const int longest = std::max(1, *std::max_element(seconds_.begin(), seconds_.end()));
  const int best = *std::min_element(seconds_.begin(), seconds_.end());
  const QString top = TimeText(longest);
  const int scaleWidth = metrics.horizontalAdvance(top) + 6;
  const QRect plot(scaleWidth, line + 2, width() - scaleWidth - 2, height() - 2 * line - 4);
  painter.drawText(QRect(0, plot.top() - line / 2, scaleWidth - 4, line), Qt::AlignRight | Qt::AlignVCenter, top);
  painter.drawText(QRect(0, plot.bottom() - line / 2, scaleWidth - 4, line), Qt::AlignRight | Qt::AlignVCenter,
                   TimeText(0));
  QColor ink = palette().color(QPalette::WindowText);
  painter.setPen(ink);
  painter.drawLine(plot.bottomLeft(), plot.bottomRight());
  painter.drawLine(plot.topLeft(), plot.bottomLeft());
  ink.setAlphaF(0.45);  // the bars, quieter than the best one
  const QColor highlight = palette().color(QPalette::Highlight);
  const double pitch = double(plot.width()) / double(kChartedSolveTimes);
  bool bestNamed = false;
  for (std::size_t i = 0; i < seconds_.size(); ++i) {
    const int bar = std::max(2, int(double(plot.height()) * seconds_[i] / longest));
    const QRectF r(plot.left() + 2 + pitch * double(i), plot.bottom() - bar, std::max(2.0, pitch - 3), bar);
    const bool isBest = seconds_[i] == best;
    painter.fillRect(r, isBest ? highlight : ink);
    if (isBest && !bestNamed && !bestCaption_.isEmpty()) {
      // Named in the line above the bars, over its bar.
      bestNamed = true;
      const QString caption = bestCaption_ + " " + TimeText(seconds_[i]);
      const int captionWidth = metrics.horizontalAdvance(caption);
      const int x = std::clamp(int(r.center().x()) - captionWidth / 2, plot.left(), plot.right() - captionWidth);
      painter.setPen(palette().color(QPalette::WindowText));
      painter.drawText(QPoint(x, metrics.ascent()), caption);
      painter.setPen(highlight);
      painter.drawLine(QPointF(r.center().x(), line + 1), QPointF(r.center().x(), r.top()));
    }
  }
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(QRect(plot.left(), plot.bottom() + 2, plot.width(), line), Qt::AlignLeft, axisCaption_);
}

frmStatistics::frmStatistics(const clsStatistics& statistics, std::optional<StatsCategory> newBest,
                             const clsCatalogue& catalogue, QWidget* parent)
    : QDialog(parent), catalogue_(catalogue), statistics_(statistics) {
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

  // A column for each category, a row for each figure: narrow enough for a
  // small screen at twice the scale.
  const QStringList figures{Text("strStarted", "Started"),     Text("strSolved", "Solved"),
                            Text("strClean", "Without help"),  Text("strRun", "Current run"),
                            Text("strLongest", "Longest run"), Text("strBest", "Best time"),
                            Text("strMedian", "Median time")};
  table_ = new QTableWidget(static_cast<int>(figures.size()), static_cast<int>(kStatsCategories.size()), this);
  table_->setObjectName("tblStatistics");
  table_->setAccessibleName(windowTitle());
  table_->setVerticalHeaderLabels(figures);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectColumns);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (StatsCategory category : kStatsCategories) {
    const int column = static_cast<int>(category);
    const StatsSummary summary = statistics.Summary(category);
    table_->setHorizontalHeaderItem(column, new QTableWidgetItem(categoryNames[column]));
    const QString cells[] = {QString::number(summary.started),    QString::number(summary.solved),
                             QString::number(summary.clean),      QString::number(summary.currentRun),
                             QString::number(summary.longestRun), TimeText(summary.bestSeconds),
                             TimeText(summary.medianSeconds)};
    for (int row = 0; row < static_cast<int>(figures.size()); ++row) {
      auto* item = new QTableWidgetItem(cells[row]);
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(row, column, item);
    }
  }
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->resizeColumnsToContents();
  int width = table_->verticalHeader()->sizeHint().width() + 4;
  for (int column = 0; column < table_->columnCount(); ++column) width += table_->columnWidth(column);
  int height = table_->horizontalHeader()->sizeHint().height() + 4;
  for (int row = 0; row < table_->rowCount(); ++row) height += table_->rowHeight(row);
  table_->setMinimumSize(width + 4, height + 4);
  table_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  layout->addWidget(table_);

  chartCaption_ = new QLabel(this);
  chartCaption_->setObjectName("lblLast");
  layout->addWidget(chartCaption_);
  chart_ = new clsTimesChart(this);
  chart_->setObjectName("picLast");
  chartCaption_->setBuddy(chart_);
  layout->addWidget(chart_, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  // The chart follows the category chosen: the new best's, or the first
  // with solves, at first.
  connect(table_, &QTableWidget::currentCellChanged, this, [this](int, int column) { ShowChart(column); });
  int first = newBest ? static_cast<int>(*newBest) : 0;
  for (StatsCategory category : kStatsCategories) {
    if (!newBest && statistics.Summary(category).solved > 0) {
      first = static_cast<int>(category);
      break;
    }
  }
  table_->setCurrentCell(0, first);
  ShowChart(first);
}

void frmStatistics::ShowChart(int column) {
  if (column < 0 || column >= static_cast<int>(kStatsCategories.size())) return;
  const QString category = table_->horizontalHeaderItem(column)->text();
  chartCaption_->setText(Text("strLast", "Last 30 solves") + ": " + category);
  chart_->SetSeconds(statistics_.Summary(kStatsCategories[static_cast<std::size_t>(column)]).lastTimes,
                     Text("strBestMark", "best"), Text("strOldestFirst", "oldest on the left, newest on the right"));
}

QString frmStatistics::Text(const char* key, const char* english) const {
  return FromAnsi(catalogue_.GetTranslation(kModule, key, english));
}

}  // namespace glyph
