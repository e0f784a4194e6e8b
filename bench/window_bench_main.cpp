// The main of the benchmarks that drive the main window: a widget application on the offscreen
// platform (no display needed) on the BLAS kernels the program chooses, then every benchmark.
#include "solver/blas_cores.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    tv::prepareBlasLibrary(argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
