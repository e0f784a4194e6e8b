#include "app/pdf_command.h"

#include "app/dialogs.h"
#include "app/main_window.h"
#include "printing/report_pdf.h"

#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>

#include <cstdio>
#include <cstring>

namespace {

// Dialogs without a user: nothing is chosen, errors go to standard error.
class StderrDialogs : public TDialogs {
public:
    std::optional<QString> openFileName(QWidget*, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> saveFileName(QWidget*, const QString&, const QString&) override { return std::nullopt; }
    void showError(QWidget*, const QString& text) override { fail(text); }
    void beep() override {}
    static void fail(const QString& text) { std::fprintf(stderr, "tarvolin4: %s\n", text.toLocal8Bit().constData()); }
};

int usage(const QString& problem) {
    StderrDialogs::fail(problem);
    std::fprintf(stderr, "usage: tarvolin4 --pdf OUT.pdf [--lang e|d|s] [PROJECT]\n");
    return 2;
}

struct PdfRequest {
    QString out, lang, project;
};

// The request, or the problem with the command line.
std::optional<PdfRequest> parse(const QStringList& args, QString& problem) {
    PdfRequest r;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--pdf") || a == QLatin1String("--lang")) {
            if (i + 1 >= args.size()) {
                problem = a + QStringLiteral(" needs a value");
                return std::nullopt;
            }
            (a == QLatin1String("--pdf") ? r.out : r.lang) = args[++i];
        } else if (a.startsWith(QLatin1String("--"))) {
            problem = QStringLiteral("unknown option ") + a;
            return std::nullopt;
        } else if (r.project.isEmpty()) {
            r.project = a;
        } else {
            problem = QStringLiteral("more than one project: ") + a;
            return std::nullopt;
        }
    }
    if (r.out.isEmpty()) problem = QStringLiteral("--pdf needs the name of the PDF file");
    if (!r.lang.isEmpty() && r.lang != QLatin1String("e") && r.lang != QLatin1String("d") && r.lang != QLatin1String("s"))
        problem = QStringLiteral("--lang takes e, d or s, not ") + r.lang;
    if (!problem.isEmpty()) return std::nullopt;
    return r;
}

} // namespace

bool isPdfCommand(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--pdf") == 0) return true;
    return false;
}

int runPdfCommand(const QStringList& args) {
    QString problem;
    const std::optional<PdfRequest> r = parse(args, problem);
    if (!r) return usage(problem);
    // The window reads an unopenable project silently; here that is an error.
    if (!r->project.isEmpty()) {
        QFile f(r->project);
        if (!f.open(QIODevice::ReadOnly)) {
            StderrDialogs::fail(r->project + QStringLiteral(": ") + f.errorString());
            return 2;
        }
    }
    StderrDialogs dialogs;
    TForm1::Options o;
    if (!r->project.isEmpty()) o.arguments = QStringList{r->project};
    o.dialogs = &dialogs;
    o.pixelDensity = 96;
    TForm1 form(o);
    if (r->lang == QLatin1String("e")) form.english1Click();
    if (r->lang == QLatin1String("d")) form.german1Click();
    if (r->lang == QLatin1String("s")) form.spain1Click();
    form.Button4Click();
    if (!form.neutralPointKnown()) {
        const auto* memo = form.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        StderrDialogs::fail(memo ? memo->toPlainText() : QStringLiteral("the calculation failed"));
        return 2;
    }
    const tv::ReportData d = form.reportData(tv::reportPdfPictureScale(form.wingCount()));
    if (const auto error = tv::writeReportPdf(QFile::encodeName(r->out).toStdString(), d)) {
        StderrDialogs::fail(QString::fromStdString(error->text()));
        return 2;
    }
    return 0;
}
