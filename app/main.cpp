#include "app/pdf_command.h"
#include "app/main_window.h"
#include "solver/blas_cores.h"
#include "solver/workspace.h"

#include <QApplication>

int main(int argc, char** argv) {
    tv::prepareBlasLibrary(argv);
    if (isInformationRequest(argc, argv)) return runInformationRequest(argc, argv);
    // The PDF export shows no window and needs no display.
    const bool pdf = isPdfCommand(argc, argv);
    if (pdf && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvolin4"));
    if (pdf) return tv::endOfProcess(runPdfCommand(argc, argv));
    TForm1::Options options;
    options.arguments = QApplication::arguments().mid(1);
    TForm1 form(options);
    form.show();
    return tv::endOfProcess(app.exec());
}
