// The main window's redraws as a user triggers them, on the offscreen platform: one field edit
// on a wing page (the wing's planform computation, its planform view and the image's repaint),
// one position edit (the whole recalculation pass: five planform views, the aircraft view and
// the 3D view), and one step of the azimuth bar after a calculation with the load display on
// (3D view with stalks and mesh, lattice overlay). Each should stay well under a frame at 60 Hz
// (16 ms). And the longest stall of the event loop during a live drag. Reported as medians of repetitions.
#include "app/imagecontrol.h"
#include "app/main_window.h"
#include "app/span_loading_window.h"

#include "views/planform_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

/// One shown window for all benchmarks, started in a scratch directory so that no settings or
/// clipboard file of the user is read. It is closed while the application still exists (a window
/// destroyed with the program's static objects would outlive it).
TForm1& window() {
    static QTemporaryDir dir;
    static std::unique_ptr<TForm1> form;
    if (!form) {
        QDir::setCurrent(dir.path());
        TForm1::Options o;
        o.pixelDensity = 96;
        form = std::make_unique<TForm1>(o);
        qAddPostRoutine([] { form.reset(); });
        form->show();
        QApplication::processEvents();
    }
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
    if (!f.latticeKnown()) {
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

/// A live drag of the tail's right trailing-edge corner on the default aircraft: 20 mouse moves
/// 40 ms apart, the live neutral point on, while a 1 ms timer measures how long the event loop
/// goes without running it (the longest stall: the window thread's blocking, target below 16 ms).
/// One iteration is one whole drag with its release; counters: stall medians and extremes over
/// the iterations, live results shown per drag. Argument 0 drags with the live mode off: the
/// machine's own stalls, for comparison in the same run. Argument 2 drags with trim settings in
/// the project (the trim of every live result is shown in the strip, on its page and in the
/// reports), argument 3 with them and the span loading window open (its trimmed loading painted
/// for every live result). Counter trim_solves_per_drag: trims the window's thread solved itself.
void BM_LiveDragStall(benchmark::State& state) {
    TForm1& f = window();
    const int mode = int(state.range(0));
    if (mode >= 2 && f.fieldTexts().Trim.empty()) {
        // An incidence of wing 1 typed on the trim page: the project holds trim settings.
        child<QTabWidget>("PageControl1")->setCurrentWidget(child<QWidget>("TabSheetTrim"));
        QLineEdit* incidence = child<QLineEdit>("Edit_Incidence");
        incidence->selectAll();
        incidence->insert(QStringLiteral("1")); // as typed: an edit
        QApplication::processEvents();
    }
    if (mode == 3) f.SpanLoading1Click();
    f.setLiveNeutralPoint(mode != 0);
    child<QTabWidget>("PageControl1")->setCurrentWidget(child<QWidget>("TabSheet2"));
    QApplication::processEvents();
    std::vector<double> stalls;
    int shown = f.liveResultsShown();
    const int solves = f.trimSolves();
    for (auto _ : state) {
        const tv::Wing tail = f.model().Wings[2];
        const tv::PlanformOrigin o = tv::planformOrigin(child<TImage>("Image11")->bitmapSize());
        const double s = f.planformScale()[2];
        const QPoint corner(o.a + int(std::lround(tail.SectionY[2] * s)),
                            o.p + int(std::lround((tail.XOffset[2] + tail.Chord[2]) * s)));
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0, longest = 0;
        QTimer ticker;
        ticker.setTimerType(Qt::PreciseTimer);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            longest = std::max(longest, now - last);
            last = now;
        });
        ticker.start(1);
        f.planformMouseDown(2, corner, Qt::LeftButton, {});
        QEventLoop loop;
        int step = 0;
        QTimer mover;
        QObject::connect(&mover, &QTimer::timeout, [&] {
            if (++step <= 20) return f.planformMouseMove(2, corner + QPoint(0, step), Qt::LeftButton, {});
            mover.stop();
            f.planformMouseUp(2, corner + QPoint(0, 20), Qt::LeftButton, {});
            loop.quit();
        });
        last = clock.nsecsElapsed();
        mover.start(40);
        loop.exec();
        // The release's calculation is awaited as the window awaits it: asleep in the event loop
        // (the ticker wakes it every millisecond). Spinning on processEvents instead would make this
        // thread compete with the worker for the processors and measure the spinning.
        while (f.liveCalculationBusy()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ticker.stop();
        stalls.push_back(longest / 1e6);
        // Back to the default shape for the next drag (outside the measurement).
        state.PauseTiming();
        f.field(2, tv::WingField::Chord2)->setText(QString::number(tail.Chord[2]));
        while (f.liveCalculationBusy()) QApplication::processEvents(QEventLoop::AllEvents, 5);
        state.ResumeTiming();
    }
    std::sort(stalls.begin(), stalls.end());
    state.counters["stall_ms_median"] = stalls[stalls.size() / 2];
    state.counters["stall_ms_min"] = stalls.front();
    state.counters["stall_ms_max"] = stalls.back();
    state.counters["shown_per_drag"] = double(f.liveResultsShown() - shown) / stalls.size();
    state.counters["trim_solves_per_drag"] = double(f.trimSolves() - solves) / stalls.size();
    f.setLiveNeutralPoint(false);
    if (mode == 3) f.spanLoadingWindow()->hide();
}

BENCHMARK(BM_WingFieldEdit)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_PositionFieldEdit)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_Turn3DWithLoads)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_LiveDragStall)->Unit(benchmark::kMillisecond)->Iterations(7)->Arg(0)->Arg(1)->Arg(2)->Arg(3);

} // namespace
