// Writes the 3000-panel benchmark aircraft as a project file: bench_make_project <path.tv4>.
#include "large_aircraft.h"

#include "files/projectfile.h"
#include "model/planform.h"

#include <cstdio>
#include <optional>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <project.tv4>\n", argv[0]);
        return 2;
    }
    const tv::AircraftTexts texts = tvbench::largeAircraftTexts();
    if (auto err = tv::writeProjectFile(argv[1], tv::computeAircraft(texts), std::nullopt)) {
        std::fprintf(stderr, "%s\n", err->text().c_str());
        return 1;
    }
    std::printf("%s: %d panels\n", argv[1], tvbench::panelTotalOf(texts));
    return 0;
}
