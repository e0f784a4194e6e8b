// tarvolin4-calc [--json] [--margin PERCENT] [--lang e|d|s] [FILE ...]
// Calculates the neutral point and the centre-of-gravity positions of each project (no file: the
// built-in default aircraft). Exit status: 0 calculated, 1 refused or failed, 2 a file unreadable
// or the results could not be written.
#include "cli/batch.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Options {
    bool json = false;
    double margin = 7.5;
    tv::UiLanguage lang = tv::UiLanguage::English;
    std::vector<std::string> files;
};

constexpr const char* kUsage = "usage: tarvolin4-calc [--json] [--margin PERCENT] [--lang e|d|s] [FILE ...]\n";

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

// Output that cannot be written (a full disk, a closed pipe) is a failure, not a result.
bool outputWritten() {
    errno = 0;
    std::cout.flush();
    if (std::cout) return true;
    std::cerr << "tarvolin4-calc: the results cannot be written: "
              << (errno != 0 ? std::strerror(errno) : "output error") << "\n";
    return false;
}

bool refuse(const std::string& why) {
    std::cerr << "tarvolin4-calc: " << why << "\n" << kUsage;
    return false;
}

// Returns false (after printing why) when the arguments cannot be understood.
bool parseArguments(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--json") {
            o.json = true;
        } else if (a == "--margin" || a == "--lang") {
            if (i + 1 >= argc) return refuse(a + " needs a value");
            const std::string v = argv[++i];
            if (a == "--margin") {
                if (!parseMargin(v, o.margin)) return refuse("--margin takes a number of percent from -100 to 100, not \"" + v + "\"");
            } else if (v == "e" || v == "d" || v == "s") {
                o.lang = tv::languageFromLetter(v[0]);
            } else {
                return refuse("--lang takes e, d or s");
            }
        } else if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            std::exit(0);
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            return refuse("unknown option " + a);
        } else {
            o.files.push_back(a);
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parseArguments(argc, argv, o)) return 2;
    if (o.files.empty()) o.files.push_back("");
    auto ws = tv::makeSolverWorkspace();
    if (!ws) {
        std::cerr << "tarvolin4-calc: " << tv::notEnoughMemoryLine(o.lang) << std::endl;
        // Short of memory, an OpenBLAS worker may still be retrying its own buffer, and the
        // library's exit handler would wait for it for ever: end without the exit handlers.
        std::_Exit(1);
    }
    int status = 0;
    for (const std::string& file : o.files) {
        tv::AircraftTexts texts;
        if (auto err = tv::loadAircraftTexts(file, texts)) {
            std::cerr << "tarvolin4-calc: " << *err << "\n";
            status = 2;
            continue;
        }
        const tv::BatchResult r = tv::calculateProject(file, texts, *ws, o.lang, o.margin);
        for (const std::string& line : ws->Messages) std::cerr << line << "\n";
        if (o.json) std::cout << tv::jsonReport(r, *ws).dump() << "\n";
        else std::cout << tv::textReport(r, *ws) << (o.files.size() > 1 ? "\n" : "");
        if (!outputWritten()) return 2;
        if (!r.calculated && status == 0) status = 1;
    }
    return status;
}
