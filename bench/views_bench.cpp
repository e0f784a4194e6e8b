// Redrawing must feel instant: one 3D view of the default aircraft with the load display on
// (after a real calculation), with the lattice overlay it redraws on the aircraft view, and one
// wing page's recompute-and-redraw (planform computation, dimension diagram, planform view).
// Both should stay well under a frame at 60 Hz (16 ms). Reported as medians of repetitions.
#include "model/planform.h"
#include "solver/calculation.h"
#include "views/aircraft_view.h"
#include "views/dimension_diagram.h"
#include "views/lattice_overlay.h"
#include "views/planform_view.h"
#include "views/view3d.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Image sizes of a window at its minimum size: the aircraft view, the 3D view, a planform view.
const QSize kAircraftView(520, 400), kView3D(500, 260), kPlanform(800, 380);

struct Calculated {
    tv::Aircraft ac;
    std::unique_ptr<tv::SolverWorkspace> ws = tv::makeSolverWorkspace();
    Calculated() {
        ac = tv::computeAircraft(tv::defaultAircraftTexts());
        tv::runCalculation(ac, *ws, tv::UiLanguage::English);
    }
};

Calculated& calculated() {
    static Calculated c; // one calculation for every repetition
    return c;
}

void BM_d3dWithLoads(benchmark::State& state) {
    Calculated& c = calculated();
    if (c.ws->AbortCalculation) {
        state.SkipWithError("the default aircraft did not calculate");
        return;
    }
    const tv::AircraftViewGeometry g = tv::fitAircraftView(c.ac, kAircraftView);
    tv::View3DScene scene;
    scene.aircraft = &c.ac;
    scene.solver = c.ws.get();
    scene.View3DScale = g.View3DScale;
    scene.pressureOn = scene.NeutralPointKnown = scene.LatticeKnown = true;
    tv::LatticeOverlayOptions overlay;
    overlay.pressureOn = true;
    overlay.WingCount = c.ac.WingCount;
    auto view = std::make_unique<tv::View3DState>();
    QImage image3(kView3D, QImage::Format_RGB32), image2(kAircraftView, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p3(&image3);
        tv::d_3d(p3, kView3D, scene, *view);
        p3.end();
        QPainter p2(&image2);
        tv::DrawGrid(p2, kAircraftView.width(), g, *c.ws, overlay);
        p2.end();
        benchmark::DoNotOptimize(image3.constBits());
    }
    state.counters["panels"] = c.ws->PanelTotal;
}

void BM_wingPageRecomputeAndRedraw(benchmark::State& state) {
    const tv::AircraftTexts texts = tv::defaultAircraftTexts();
    QImage diagram(tv::kDiagramSize, QImage::Format_RGB32), planform(kPlanform, QImage::Format_RGB32);
    for (auto _ : state) {
        tv::PlanformScene scene;
        scene.wing = tv::computeWing(texts.wings[1]);
        QPainter pd(&diagram);
        tv::DimensionDiagram(pd, scene.wing.TrapeziumCount, tv::UiLanguage::English);
        pd.end();
        QPainter pp(&planform);
        benchmark::DoNotOptimize(tv::PlanformView(pp, kPlanform, scene));
        pp.end();
    }
}

BENCHMARK(BM_d3dWithLoads)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_wingPageRecomputeAndRedraw)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    // Texts need fonts, hence an application; the offscreen platform needs no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
