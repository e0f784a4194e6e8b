// tarvolin4-calc [--json] [--exact-solve] [--margin PERCENT] [--cg X] [--lang e|d|s] [--units UNITS] [--avl FILE]
//                [--csv FILE] [--trim] [--trim-cl CL | --trim-speed V] [--mass G] [--trim-wing K] [FILE ...]
// Calculates the neutral point and the centre-of-gravity positions of each project (no file: the
// built-in default aircraft). --json writes JSON Lines: one object per file, in the order given.
// --cg gives the static margin and verdict of a CG at x (mm, aircraft frame) in place of the
// project's own "My CG".
// --units metric|imperial (optionally followed by unit keys, "imperial,g") chooses the units of the
// text report; the JSON always keeps mm, mm², g and m/s.
// --trim adds the trim at the CG of --cg, else the project's My CG, else the CG of the desired
// margin: as set, or with --trim-cl / --trim-speed (m/s, or with a unit: "40km/h") the setting that trims there (the
// incidence of wing --trim-wing, by default the first that is not the reference wing; on an
// aircraft of one wing its washout); --mass (g, or with a unit: "32oz") in place of the project's flying mass.
// --exact-solve eliminates in double precision only, instead of in single precision refined to
// the same result. --avl writes the AVL geometry deck and --csv the strip loads of the one project
// calculated; "-" as their FILE is standard output (the report is then left out), and so is a name
// of standard output's descriptor (/dev/stdout, /dev/fd/1): it is written through the descriptor,
// appended to where the shell opened it for appending. An export is never written over the
// project read or any other project file, nor into a folder; the rule is checked before the
// calculation and again when the export is written.
// Exit status: 0 all calculated, 1 a calculation refused or failed, 2 a file unreadable or not a
// project, an export or the results not written (or the arguments not understood, or an export
// refused), 3 an unexpected internal failure; 1 also when the memory for a calculation is missing.
#include "cli/batch_exports.h"
#include "files/output_target.h"
#include "model/parse.h"
#include "model/units.h"
#include "report/json_report.h"
#include "report/text_report.h"
#include "report/trim_report.h"
#include "solver/blas_cores.h"
#include "stability/balance.h"

#include <tarvolin_version.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>
#include <string>
#include <vector>

namespace {

struct Options {
    bool json = false;
    bool exactSolve = false;
    double margin = 7.5;
    std::string cg; // --cg as given (checked), "" for the project's own My CG
    tv::UiLanguage lang = tv::UiLanguage::English;
    tv::DisplayUnits units; // of the text report
    std::string avl; // deck to write, "" for none
    std::string csv; // load table to write, "" for none
    bool trim = false;
    tv::TrimOptions trimOptions;
    std::vector<std::string> files;
};

constexpr const char* kUsage =
    "usage: tarvolin4-calc [--json] [--exact-solve] [--margin PERCENT] [--cg X] [--lang e|d|s] [--units UNITS]\n"
    "                      [--avl FILE] [--csv FILE] [--trim] [--trim-cl CL | --trim-speed V] [--mass G] [--trim-wing K]\n"
    "                      [FILE ...]\n"
    "       tarvolin4-calc --version | --help\n"
    "--avl and --csv take - for standard output (the report is then left out).\n"
    "--units: metric or imperial, then unit keys to change one quantity each (imperial,g): mm cm in,\n"
    "  dm2 cm2 in2 ft2, g kg oz, g/dm2 oz/ft2, g/dm3 oz/ft3, m/s km/h mph; the JSON keeps mm, mm2, g, m/s.\n";

// The whole text must be a number ("." as decimal point, optional sign and exponent) from -100
// to 100: a mistyped margin is refused rather than read as 0, an absurd one rather than overflowing.
bool parseMargin(const std::string& text, double& margin) {
    const char* first = text.data() + (text.size() > 1 && text[0] == '+' ? 1 : 0);
    const char* last = text.data() + text.size();
    double value = 0;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last || !tv::isAcceptedMargin(value)) return false;
    margin = value;
    return true;
}

// --cg stands for the project's My CG: a position in the aircraft frame, not the table's CG.
void useCgOption(tv::BalanceTexts& balance, const std::string& cg) {
    balance.MyCg = cg;
    balance.MyCgInput = tv::CgInput::AircraftFrame;
    balance.MyCgFromTable = false;
}

// Output that cannot be written (a full disk, a closed pipe) is a failure, not a result.
bool outputWritten() {
    errno = 0;
    std::cout.flush();
    if (std::cout) return true;
    std::cerr << "tarvolin4-calc: the results cannot be written: "
              << (errno != 0 ? std::strerror(errno) : "output error") << std::endl;
    return false;
}

bool refuse(const std::string& why) {
    std::cerr << "tarvolin4-calc: " << why << "\n" << kUsage;
    return false;
}

// "-", or a name of the descriptor standard output is (or of another one open on the same file).
bool toStandardOutput(const std::string& output) {
    if (output == tv::kStandardOutputName) return true;
    const std::optional<int> fd = tv::descriptorNamedBy(output);
    if (!fd) return false;
    struct stat a {}, b {};
    return *fd == STDOUT_FILENO || (::fstat(*fd, &a) == 0 && ::fstat(STDOUT_FILENO, &b) == 0 && a.st_dev == b.st_dev &&
                                    a.st_ino == b.st_ino);
}

// A trim option's value: a positive number (a wing 1..5 for --trim-wing); false after saying why.
bool parseTrimOption(const std::string& a, const std::string& v, Options& o) {
    const std::optional<double> x = a == "--mass"         ? tv::readEntry(v, tv::Unit::Gram)
                                    : a == "--trim-speed" ? tv::readEntry(v, tv::Unit::MetrePerSecond)
                                                          : tv::parseStrictReal(v);
    o.trim = true;
    tv::TrimOptions& t = o.trimOptions;
    if (a == "--trim-wing") {
        if (!x || *x != std::floor(*x) || *x < 1 || *x > tv::kWingMax) return refuse("--trim-wing takes a wing 1 to 5, not \"" + v + "\"");
        t.TrimWing = int(*x);
        return true;
    }
    if (!x || !(*x > 0) || *x > 1e9) return refuse(a + " takes a number above 0, not \"" + v + "\"");
    if (a == "--mass") t.Mass = *x;
    else if (t.Question != tv::TrimQuestion::AsSet) return refuse("--trim-cl and --trim-speed exclude each other");
    else if (a == "--trim-cl") t.Question = tv::TrimQuestion::TargetCl, t.TargetCl = *x;
    else t.Question = tv::TrimQuestion::TargetSpeed, t.TargetSpeed = *x;
    return true;
}

// Returns false (after printing why) when the arguments cannot be understood.
bool parseArguments(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--json") {
            o.json = true;
        } else if (a == "--exact-solve") {
            o.exactSolve = true;
        } else if (a == "--trim") {
            o.trim = true;
        } else if (a == "--trim-cl" || a == "--trim-speed" || a == "--mass" || a == "--trim-wing") {
            if (i + 1 >= argc) return refuse(a + " needs a value");
            if (!parseTrimOption(a, argv[++i], o)) return false;
        } else if (a == "--units") {
            if (i + 1 >= argc) return refuse(a + " needs a value");
            const std::string v = argv[++i];
            const std::optional<tv::DisplayUnits> units = tv::parseUnitsChoice(v);
            if (!units) return refuse("--units takes metric or imperial, then unit keys (imperial,g), not \"" + v + "\"");
            o.units = *units;
        } else if (a == "--margin" || a == "--cg" || a == "--lang" || a == "--avl" || a == "--csv") {
            if (i + 1 >= argc) return refuse(a + " needs a value");
            const std::string v = argv[++i];
            if (a == "--avl" || a == "--csv") {
                if (v.empty()) return refuse(a + " needs a file name");
                (a == "--avl" ? o.avl : o.csv) = v;
            } else if (a == "--cg") {
                if (!tv::cgFromEntry(v, tv::CgInput::AircraftFrame, std::nullopt).ok())
                    return refuse("--cg takes a position in mm from -1000000 to 1000000, not \"" + v + "\"");
                o.cg = v;
            } else if (a == "--margin") {
                if (!parseMargin(v, o.margin)) return refuse("--margin takes a number of percent from -100 to 100, not \"" + v + "\"");
            } else if (v == "e" || v == "d" || v == "s") {
                o.lang = tv::languageFromLetter(v[0]);
            } else {
                return refuse("--lang takes e, d or s");
            }
        } else if (a == "--version") {
            std::cout << "tarvolin4-calc " << tv::kProgramVersion << "\n";
            std::exit(tv::endOfProcess(outputWritten() ? 0 : 2));
        } else if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            std::exit(tv::endOfProcess(outputWritten() ? 0 : 2));
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            return refuse("unknown option " + a);
        } else {
            o.files.push_back(a);
        }
    }
    if ((!o.avl.empty() || !o.csv.empty()) && o.files.size() > 1)
        return refuse("--avl and --csv write the results of one project only");
    if (!o.avl.empty() && !o.csv.empty() && toStandardOutput(o.avl) && toStandardOutput(o.csv))
        return refuse("only one of --avl and --csv can go to standard output");
    if (!o.avl.empty() && o.avl == o.csv) return refuse("--avl and --csv name the same file");
    return true;
}

// An export that is the project read, or a project file at all (an output name forgotten, the
// project's name taken for it), or a folder, is refused before anything is calculated or written.
bool exportsAllowed(const Options& o, const tv::OutputRule& rule) {
    for (const std::string* out : {&o.avl, &o.csv}) {
        if (out->empty()) continue;
        if (const auto refusal = rule.refusal(*out)) {
            std::cerr << "tarvolin4-calc: " << tv::outputRefusalText(o.lang, *refusal) << std::endl;
            return false;
        }
    }
    return true;
}

// An export to standard output ("-") takes it alone: the report would corrupt its table or deck.
bool reportToStandardOutput(const Options& o) {
    return !(!o.avl.empty() && toStandardOutput(o.avl)) && !(!o.csv.empty() && toStandardOutput(o.csv));
}

// Writes the exports the options ask for; false (after saying why) when one is not written. The
// rule is asked again at the moment of writing: a link made during the calculation is refused.
bool writeExports(const Options& o, const tv::OutputRule& rule, const tv::BatchResult& r,
                  const tv::SolverWorkspace& ws) {
    bool ok = true;
    const auto report = [&ok](const std::optional<std::string>& err) {
        if (!err) return;
        std::cerr << "tarvolin4-calc: " << *err << "\n";
        ok = false;
    };
    if (!o.avl.empty()) report(tv::exportAvlDeck(r, ws, o.avl, o.lang, rule.atWriting(o.avl, o.lang)));
    if (!o.csv.empty()) report(tv::exportLoadTable(r, ws, o.csv, o.lang, rule.atWriting(o.csv, o.lang)));
    return ok;
}

// One record per file, flushed at once, so that whatever happens later the earlier results stay.
int calculateFiles(const Options& o, const tv::OutputRule& rule) {
    auto ws = tv::makeSolverWorkspace();
    if (!ws) {
        std::cerr << "tarvolin4-calc: " << tv::notEnoughMemoryLine(o.lang, tv::kWorkspaceBytes) << std::endl;
        return 1;
    }
    ws->ExactSolve = o.exactSolve;
    int status = 0;
    for (const std::string& file : o.files) {
        const std::string prefix = "tarvolin4-calc: " + (file.empty() ? std::string() : file + ": ");
        tv::AircraftTexts texts;
        std::string note;
        if (auto err = tv::loadAircraftTexts(file, texts, o.lang, &note)) {
            std::cerr << "tarvolin4-calc: " << *err << std::endl;
            if (o.json && reportToStandardOutput(o)) std::cout << tv::jsonLine(tv::jsonErrorRecord(file, *err));
            if (!outputWritten()) return 2;
            status = 2;
            continue;
        }
        if (!note.empty()) std::cerr << "tarvolin4-calc: " << note << std::endl;
        if (!o.cg.empty()) useCgOption(texts.Balance, o.cg);
        tv::BatchResult r = tv::calculateProject(file, texts, *ws, o.lang, o.margin);
        if (o.trim) tv::addTrim(r, *ws, o.trimOptions);
        for (const std::string& line : ws->Messages) std::cerr << prefix << line << "\n";
        std::cerr.flush();
        if (!reportToStandardOutput(o)) {
        } else if (o.json) {
            std::cout << tv::jsonLine(tv::jsonReport(r, *ws, o.lang));
        } else {
            std::cout << tv::textReport(r, *ws, o.lang, o.units) << (o.files.size() > 1 ? "\n" : "");
        }
        if (!outputWritten()) return 2;
        if (!r.calculated && status == 0) status = 1;
        if (!writeExports(o, rule, r, *ws) && r.calculated) status = 2;
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    tv::prepareBlasLibrary(argv);
    try {
        Options o;
        if (!parseArguments(argc, argv, o)) return 2;
        const tv::OutputRule rule(o.files, tv::OutputKind::Export);
        if (!exportsAllowed(o, rule)) return 2;
        if (o.files.empty()) o.files.push_back("");
        // Short of memory, an OpenBLAS worker may still be retrying its own buffer, and the
        // library's exit handler would wait for it for ever: endOfProcess then ends at once.
        return tv::endOfProcess(calculateFiles(o, rule));
    } catch (const std::exception& e) {
        std::cerr << "tarvolin4-calc: " << e.what() << std::endl;
        return 3;
    } catch (...) {
        std::cerr << "tarvolin4-calc: unexpected failure" << std::endl;
        return 3;
    }
}
