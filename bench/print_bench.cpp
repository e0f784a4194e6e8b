// The printed report of the default aircraft after a calculation, on the offscreen platform:
// composing the page bitmap (the values and the two views drawn at the report's picture sizes,
// then the page; target under 50 ms) and the PDF export (the views at 300 dpi, the PDF written
// and saved; target under 300 ms). Reported as medians of repetitions.
#include "app/main_window.h"
#include "printing/report_pdf.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

QTemporaryDir& scratch() {
    static QTemporaryDir dir;
    return dir;
}

/// One calculated window for all benchmarks, started in a scratch directory; closed while the
/// application still exists.
TForm1& window() {
    static std::unique_ptr<TForm1> form;
    if (!form) {
        QDir::setCurrent(scratch().path());
        TForm1::Options o;
        o.pixelDensity = 96;
        form = std::make_unique<TForm1>(o);
        qAddPostRoutine([] { form.reset(); });
        form->findChild<QPushButton*>(QStringLiteral("Button4"))->click();
    }
    return *form;
}

void BM_ComposeReportPage(benchmark::State& state) {
    TForm1& f = window();
    if (!f.neutralPointKnown()) return state.SkipWithError("the default aircraft did not calculate");
    for (auto _ : state) {
        const QImage page = tv::composeReportPage(f.reportData());
        benchmark::DoNotOptimize(page.constBits());
    }
}

void BM_ExportReportPdf(benchmark::State& state) {
    TForm1& f = window();
    if (!f.neutralPointKnown()) return state.SkipWithError("the default aircraft did not calculate");
    const std::string path = scratch().filePath(QStringLiteral("report.pdf")).toStdString();
    for (auto _ : state) {
        const auto error = tv::writeReportPdf(path, f.reportData(tv::reportPdfPictureScale(f.wingCount())));
        if (error) return state.SkipWithError(error->text().c_str());
    }
}

BENCHMARK(BM_ComposeReportPage)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_ExportReportPdf)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace
