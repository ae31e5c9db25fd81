// The section view's redraw on a keystroke: the boxes read, the section
// built and painted into an offscreen picture of a typical window's size,
// for raised soil (the busiest drawing), without and with the forces.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "opened_example.h"
#include "report/qt/report_font.h"
#include "section/qt/section_painter.h"
#include "ui/forms/section_source.h"

namespace {

using varnholt::bench::Opened;

void Redraw(benchmark::State& state, bool forces) {
  Opened opened("03_residential_raised_seismic_method2.vrh");
  if (!opened.ok) {
    state.SkipWithError("example not calculated");
    return;
  }
  if (!forces) opened.app.results().ClearResults();  // as the keystroke leaves it
  const auto face = varnholt::report::qt::FindReportFont();
  const QString family = face ? face->family : QString();
  QImage image(900, 650, QImage::Format_ARGB32_Premultiplied);
  const QRectF frame(0, 0, 900, 650);
  for (auto _ : state) {
    const varnholt::section::SectionDrawing d =
        varnholt::section::BuildSection(varnholt::forms::ReadSectionInputs(opened.app),
                                        varnholt::forms::SectionResults(opened.app));
    image.fill(Qt::white);
    QPainter p(&image);
    varnholt::section::qt::PaintSection(p, d, varnholt::section::qt::Fit(d, frame, 24),
                                        {family, 1, 9}, frame);
    p.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}

void BM_SectionRedrawRaisedSoil(benchmark::State& state) { Redraw(state, false); }
void BM_SectionRedrawRaisedSoilWithForces(benchmark::State& state) { Redraw(state, true); }

BENCHMARK(BM_SectionRedrawRaisedSoil)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SectionRedrawRaisedSoilWithForces)->Unit(benchmark::kMillisecond);

}  // namespace
