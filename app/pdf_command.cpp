#include "app/pdf_command.h"

#include "app/dialogs.h"
#include "app/main_window.h"
#include "files/output_target.h"
#include "files/recentprojects.h"
#include "printing/report_pdf.h"
#include "report/project_result.h"

#include <tarvolin_version.h>

#include <QFile>
#include <QPlainTextEdit>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "usage: tarvolin4 [PROJECT]                                 the window\n"
    "       tarvolin4 --pdf OUT.pdf [--lang e|d|s] [PROJECT]    the report as PDF, no window\n"
    "       tarvolin4 --help | --version\n";

void fail(const std::string& text) { std::fprintf(stderr, "tarvolin4: %s\n", text.c_str()); }

// Dialogs without a user: nothing is chosen, errors go to standard error.
class StderrDialogs : public TDialogs {
public:
    std::optional<QString> openFileName(QWidget*, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> saveFileName(QWidget*, const QString&, const QString&) override { return std::nullopt; }
    void showError(QWidget*, const QString& text) override { fail(text.toStdString()); }
    void beep() override {}
};

int usage(const std::string& problem) {
    fail(problem);
    std::fputs(kUsage, stderr);
    return 2;
}

struct PdfRequest {
    std::string out, lang, project; // bytes as given
};

// The value of `--name VALUE` or `--name=VALUE` at argv[i] (i moves past a separate value).
std::optional<std::string> optionValue(std::string_view name, int argc, char** argv, int& i, std::string& problem) {
    const std::string_view a = argv[i];
    if (a.size() > name.size() && a.substr(0, name.size()) == name && a[name.size()] == '=')
        return std::string(a.substr(name.size() + 1));
    if (a != name) return std::nullopt;
    if (i + 1 >= argc) {
        problem = std::string(name) + " needs a value";
        return std::string();
    }
    return std::string(argv[++i]);
}

// The request, or the problem with the command line.
std::optional<PdfRequest> parse(int argc, char** argv, std::string& problem) {
    PdfRequest r;
    for (int i = 1; i < argc && problem.empty(); ++i) {
        const std::string_view a = argv[i];
        if (auto v = optionValue("--pdf", argc, argv, i, problem)) {
            r.out = *v;
        } else if (auto l = optionValue("--lang", argc, argv, i, problem)) {
            r.lang = *l;
        } else if (a.size() > 1 && a[0] == '-') {
            problem = "unknown option " + std::string(a);
        } else if (r.project.empty()) {
            r.project = a;
        } else {
            problem = "more than one project: " + std::string(a);
        }
    }
    if (!problem.empty()) return std::nullopt;
    if (r.out.empty()) problem = "--pdf needs the name of the PDF file";
    else if (!r.lang.empty() && r.lang != "e" && r.lang != "d" && r.lang != "s")
        problem = "--lang takes e, d or s, not " + r.lang;
    if (!problem.empty()) return std::nullopt;
    return r;
}

bool hasArgument(int argc, char** argv, bool (*match)(std::string_view)) {
    for (int i = 1; i < argc; ++i)
        if (match(argv[i])) return true;
    return false;
}

// Standard output that cannot take the text (a full device, a closed pipe) is a failure.
int printed(const std::string& text) {
    errno = 0;
    const bool ok = std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
    if (ok) return 0;
    fail(std::string("the text cannot be written: ") + (errno != 0 ? std::strerror(errno) : "output error"));
    return 2;
}

/// The form's own recent-list, settings and clipboard files are the user's; the PDF command
/// reads the project itself first, so that every refusal is a message before a window exists.
std::optional<std::string> projectRefusal(const PdfRequest& r, const tv::OutputRule& rule, tv::UiLanguage lang) {
    tv::AircraftTexts texts;
    if (auto err = tv::loadAircraftTexts(r.project, texts, lang)) return err;
    if (const auto refusal = rule.refusal(r.out))
        return tv::outputRefusalText(lang, *refusal);
    const QString decoded = QFile::decodeName(QByteArray::fromStdString(r.project));
    if (QFile::encodeName(decoded).toStdString() != r.project)
        return r.project + ": the name is not valid in the system's encoding";
    return std::nullopt;
}

// Drawing the page and compressing it into the PDF takes memory that Qt cannot report as a
// failure (its allocation failure aborts the program): under address-space limits in 10 MB steps
// the report needed at most 20 MB beyond the calculation. The probe asks for twice that first.
constexpr std::size_t kReportBytes = std::size_t{48} << 20;

bool reportMemoryAvailable() {
    void* probe = std::malloc(kReportBytes);
    std::free(probe);
    return probe != nullptr;
}

} // namespace

bool isPdfCommand(int argc, char** argv) {
    return hasArgument(argc, argv, [](std::string_view a) { return a == "--pdf" || a.substr(0, 6) == "--pdf="; });
}

bool isInformationRequest(int argc, char** argv) {
    return hasArgument(argc, argv, [](std::string_view a) { return a == "--help" || a == "-h" || a == "--version"; });
}

int runInformationRequest(int argc, char** argv) {
    const bool version = hasArgument(argc, argv, [](std::string_view a) { return a == "--version"; });
    return printed(version ? std::string("tarvolin4 ") + tv::kProgramVersion + "\n" : std::string(kUsage));
}

int runPdfCommand(int argc, char** argv) {
    std::string problem;
    const std::optional<PdfRequest> r = parse(argc, argv, problem);
    if (!r) return usage(problem);
    const tv::UiLanguage lang = r->lang.empty() ? tv::UiLanguage::English : tv::languageFromLetter(r->lang[0]);
    const tv::OutputRule rule({r->project}, tv::OutputKind::Export);
    if (const auto refusal = projectRefusal(*r, rule, lang)) {
        fail(*refusal);
        return 2;
    }
    tv::leaveRecentProjectsAlone();
    StderrDialogs dialogs;
    TForm1::Options o;
    if (!r->project.empty()) o.arguments = QStringList{QFile::decodeName(QByteArray::fromStdString(r->project))};
    o.dialogs = &dialogs;
    o.pixelDensity = 96;
    TForm1 form(o);
    if (r->lang == "e") form.english1Click();
    if (r->lang == "d") form.german1Click();
    if (r->lang == "s") form.spain1Click();
    form.Button4Click();
    if (!form.neutralPointKnown()) {
        const auto* memo = form.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        fail(memo ? memo->toPlainText().toStdString() : std::string("the calculation failed"));
        return 2;
    }
    if (!reportMemoryAvailable()) {
        fail("not enough memory to draw the report (it asked for " + std::to_string(kReportBytes >> 20) +
             " MB); nothing was written");
        return 2;
    }
    const tv::ReportData d = form.reportData(tv::reportPdfPictureScale(form.wingCount()));
    const QByteArray pdf = tv::reportPdfBytes(d);
    // The rule again at the moment of writing: the name may have become a link during the calculation.
    if (const auto error = tv::writeFileAtomically(r->out, std::string_view(pdf.constData(), size_t(pdf.size())),
                                                   tv::systemFileOps(), rule.atWriting(r->out, lang))) {
        fail(error->text());
        return 2;
    }
    return 0;
}
