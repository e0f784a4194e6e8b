// The main window's redraws as a user triggers them, on the offscreen platform: one field edit
// on a wing page (the wing's planform computation, its planform view and the image's repaint),
// one position edit (the whole recalculation pass: five planform views, the aircraft view and
// the 3D view), and one step of the azimuth bar after a calculation with the load display on
// (3D view with stalks and mesh, lattice overlay). Each should stay well under a frame at 60 Hz
// (16 ms). Reported as medians of repetitions.
#include "app/imagecontrol.h"
#include "app/tform1.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

/// One shown window for all benchmarks, started in a scratch directory so that no settings or
/// clipboard file of the user is read.
TForm1& window() {
    static QTemporaryDir dir;
    static std::unique_ptr<TForm1> form = [] {
        QDir::setCurrent(dir.path());
        TForm1::Options o;
        o.pixelDensity = 96;
        auto f = std::make_unique<TForm1>(o);
        f->show();
        QApplication::processEvents();
        return f;
    }();
    return *form;
}

template <class T>
T* child(const char* name) {
    return window().findChild<T*>(QString::fromLatin1(name));
}

void BM_WingFieldEdit(benchmark::State& state) {
    TForm1& f = window();
    child<QTabWidget>("PageControl1")->setCurrentWidget(child<QWidget>("TabSheet1"));
    QApplication::processEvents();
    QLineEdit* chord = f.field(1, tv::WingField::Chord2);
    TImage* image = child<TImage>("Image1");
    int i = 0;
    for (auto _ : state) {
        chord->setText(++i % 2 ? QStringLiteral("250") : QStringLiteral("260"));
        image->repaint();
    }
}

void BM_PositionFieldEdit(benchmark::State& state) {
    TForm1& f = window();
    child<QTabWidget>("PageControl1")->setCurrentWidget(child<QWidget>("TabSheet5"));
    QApplication::processEvents();
    QLineEdit* x2 = f.field(2, tv::WingField::PositionX);
    int i = 0;
    for (auto _ : state) {
        x2->setText(++i % 2 ? QStringLiteral("1160") : QStringLiteral("1167"));
        child<TImage>("Image2")->repaint();
        child<TImage>("Image3")->repaint();
    }
}

void BM_Turn3DWithLoads(benchmark::State& state) {
    TForm1& f = window();
    child<QTabWidget>("PageControl1")->setCurrentWidget(child<QWidget>("TabSheet5"));
    child<QPushButton>("Button4")->click();
    if (!f.LatticeKnown) {
        state.SkipWithError("the default aircraft did not calculate");
        return;
    }
    child<QCheckBox>("CheckBoxA")->click();
    QScrollBar* azimuth = child<QScrollBar>("ScrollBar2");
    int i = 0;
    for (auto _ : state) {
        azimuth->setValue(++i % 2 ? 251 : 250);
        child<TImage>("Image3")->repaint();
    }
}

BENCHMARK(BM_WingFieldEdit)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_PositionFieldEdit)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_Turn3DWithLoads)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
