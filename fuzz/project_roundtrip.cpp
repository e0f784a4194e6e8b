#include "fuzz/project_roundtrip.h"

#include "fuzz/oracle.h"
#include "model/numformat.h"
#include "model/planform.h"

#include <string>

namespace tvfuzz {

ReadBack readProjectBytes(std::string_view bytes, std::string_view name) {
    const tv::ProjectTable table = tv::parseProjectFile(bytes, name);
    tv::AircraftTexts texts = tv::defaultAircraftTexts();
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

} // namespace

void checkProjectRoundTrip(std::string_view bytes, std::string_view name) {
    const ReadBack first = readProjectBytes(bytes, name);
    const std::string written = tv::projectFileBytes(first.aircraft, first.reference);
    const ReadBack second = readProjectBytes(written, "roundtrip.tv4");
    expect(sameStoredAircraft(first.aircraft, second.aircraft), "a written project reads back as another model");
    expect(sameReference(first.reference, second.reference), "a written project reads back other reference values");
    expect(tv::projectFileBytes(second.aircraft, second.reference) == written,
           "writing a project read back gives other bytes");
}

} // namespace tvfuzz
