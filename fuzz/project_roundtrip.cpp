#include "fuzz/project_roundtrip.h"

#include "fuzz/oracle.h"
#include "model/numformat.h"
#include "model/planform.h"

#include <array>
#include <string>

namespace tvfuzz {

ReadBack readProjectBytes(std::string_view bytes, std::string_view name) {
    static const tv::AircraftTexts defaults = tv::defaultAircraftTexts();
    const tv::ProjectTable table = tv::parseProjectFile(bytes, name);
    tv::AircraftTexts texts = defaults;
    tv::applyProjectTable(table, texts);
    ReadBack r{tv::computeAircraft(texts), std::nullopt};
    // The file holds the area to one decimal: an area it would write as 0.0 is no reference.
    if (table.ReferenceArea && std::stod(tv::formatFixed(*table.ReferenceArea, 4, 1)) > 0)
        r.reference = tv::ReferenceValues{*table.ReferenceArea, table.ReferenceChord.value_or(0),
                                          table.NeutralPointX.value_or(0)};
    return r;
}

namespace {

bool sameReference(const std::optional<tv::ReferenceValues>& a, const std::optional<tv::ReferenceValues>& b) {
    if (a.has_value() != b.has_value()) return false;
    if (!a) return true;
    // The file holds one or two decimals: the second reading must give what the first wrote.
    auto shown = [](const tv::ReferenceValues& r) {
        return tv::formatFixed(r.ReferenceArea, 4, 1) + "|" + tv::formatFixed(r.ReferenceChord, 4, 2) + "|" +
               tv::formatFixed(r.NeutralPointX, 4, 2);
    };
    return shown(*a) == shown(*b);
}

/// The second reading of a written file and whether writing it again gave the same bytes: both
/// depend on the written bytes alone. Many mutated inputs write a file written just before (junk
/// around the same values, the default aircraft), so the second half of the round trip is
/// checked once per file among the last few, the comparison with the first reading every time.
/// The slots are assigned over, never added: a run allocates no more than it frees, which keeps
/// libFuzzer from suspecting a leak after every input.
struct SecondHalf {
    std::string written;
    ReadBack second;
    bool rewritesSame = false;
};

const SecondHalf& secondHalfOf(const std::string& written) {
    static std::array<SecondHalf, 16> recent;
    static std::size_t next = 0;
    for (const SecondHalf& h : recent)
        if (h.written == written) return h;
    SecondHalf& h = recent[next];
    next = (next + 1) % recent.size();
    h.written = written;
    h.second = readProjectBytes(written, "roundtrip.tv4");
    h.rewritesSame = tv::projectFileBytes(h.second.aircraft, h.second.reference) == written;
    return h;
}

} // namespace

void checkProjectRoundTrip(std::string_view bytes, std::string_view name) {
    const ReadBack first = readProjectBytes(bytes, name);
    const std::string written = tv::projectFileBytes(first.aircraft, first.reference);
    const SecondHalf& half = secondHalfOf(written);
    expect(sameStoredAircraft(first.aircraft, half.second.aircraft), "a written project reads back as another model");
    expect(sameReference(first.reference, half.second.reference), "a written project reads back other reference values");
    expect(half.rewritesSame, "writing a project read back gives other bytes");
}

} // namespace tvfuzz
