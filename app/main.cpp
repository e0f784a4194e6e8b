#include "app/pdf_command.h"
#include "app/main_window.h"
#include "solver/blas_cores.h"
#include "solver/blas_pool.h"
#include "solver/workspace.h"

#include <QApplication>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kMB = std::size_t{1} << 20;

// The window (its libraries' data, fonts, the first drawing) took 55 MB of address space beyond
// the program's start, 176 MB in all; with the live result on, Qt's drawing threads could not be
// started with 129 MB beyond the start (a 250 MB limit), and Qt's drawing then waits for ever
// for them. Under a limit that leaves less, the window says so instead of starting.
constexpr std::size_t kWindowStartBytes = 150 * kMB;

// The PDF export came to its memory probe (which names what the calculation needs) with 19 MB
// beyond the program's start, and failed inside Qt with 9 MB.
constexpr std::size_t kPdfStartBytes = 24 * kMB;

// Kept free beside every calculation, so that the window can still draw what it has calculated.
constexpr std::size_t kWindowReserveBytes = 48 * kMB;

// Says why `what` does not start and ends the process (1), without waiting for anything.
[[noreturn]] void refused(const char* what, std::size_t neededBytes) {
    std::fprintf(stderr, "tarvolin4: not enough memory for %s (it needs %zu MB more than the memory limit leaves)\n",
                 what, (neededBytes + kMB - 1) / kMB);
    std::fflush(nullptr);
    std::_Exit(1);
}

// Refuses `what` when the room under a memory limit is less than `bytes`.
void requireRoom(const char* what, std::size_t bytes) {
    if (const auto room = tv::addressRoom(); room && *room < bytes) refused(what, bytes - *room);
}

// An allocation refused where nothing could report it, under the limit: said, and the end.
[[noreturn]] void outOfMemory(const char* what) {
    rlimit limit{};
    getrlimit(RLIMIT_AS, &limit);
    std::fprintf(stderr, "tarvolin4: not enough memory for %s under the memory limit of %llu MB\n", what,
                 static_cast<unsigned long long>(limit.rlim_cur) / kMB);
    std::fflush(nullptr);
    std::_Exit(1);
}

int runPdf(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvolin4"));
    return tv::endOfProcess(runPdfCommand(argc, argv));
}

int runWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvolin4"));
    TForm1::Options options;
    options.arguments = QApplication::arguments().mid(1);
    TForm1 form(options);
    form.show();
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    tv::prepareBlasLibrary(argv);
    if (isInformationRequest(argc, argv)) return tv::endOfProcess(runInformationRequest(argc, argv));
    // The PDF export shows no window and needs no display.
    const bool pdf = isPdfCommand(argc, argv);
    const char* what = pdf ? "the PDF export" : "the window";
    requireRoom(what, pdf ? kPdfStartBytes : kWindowStartBytes);
    try {
        if (pdf) return runPdf(argc, argv);
        tv::setMemoryReserve(kWindowReserveBytes);
        return tv::endOfProcess(runWindow(argc, argv));
    } catch (const std::bad_alloc&) {
        outOfMemory(what);
    }
}
