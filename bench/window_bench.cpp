// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the main window as the player drags its edge: one resize step
// lays out the board and the grid again and repaints the whole window,
// pictures rendered at the new cell size included.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "i18n/cls_catalogue.h"
#include "support/fake_services.h"
#include "windows/frm_symbol.h"

namespace glyph {
namespace {

void BM_ResizeStep(benchmark::State& state) {
  clsFakeClock clock;
  clsFakeNetwork network;
  clsFakeServices fakes(1, network, clock);
  clsCatalogue catalogue;
  frmSymbol window(fakes.Services(catalogue, GLYPH_PROGRAM_DIR));
  window.StartUp({});
  window.show();
  const QSize smallest = window.minimumSize();
  int grow = 0;
  for (auto _ : state) {
    // A drag that grows the window by 14 pixels a step: each step is a cell
    // size the window has not drawn before, so its pictures are rendered.
    grow += 14;
    window.resize(smallest + QSize(grow, grow));
    QApplication::processEvents();  // the desktop's resize event reaches the window
    window.repaint();
  }
  state.counters["cell_px"] = window.findChild<QWidget*>("picRaster")->width();
}
// Each repetition is a new window whose picture store starts empty.
BENCHMARK(BM_ResizeStep)->Unit(benchmark::kMillisecond)->Iterations(40)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace
}  // namespace glyph

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
