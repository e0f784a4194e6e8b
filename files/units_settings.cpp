#include "files/units_settings.h"

#include "files/user_files.h"

#include <array>
#include <cstdlib>
#include <utility>

namespace tv {
namespace {

constexpr std::array<std::pair<Quantity, const char*>, kQuantityCount> kQuantityNames{{
    {Quantity::Length, "length"},
    {Quantity::Area, "area"},
    {Quantity::Mass, "mass"},
    {Quantity::WingLoading, "wing-loading"},
    {Quantity::CubicLoading, "cubic-loading"},
    {Quantity::Speed, "speed"},
}};

std::optional<Quantity> quantityNamed(std::string_view name) {
    for (const auto& [q, n] : kQuantityNames)
        if (name == n) return q;
    return std::nullopt;
}

std::string_view withoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

} // namespace

std::string unitsSettingsPath(const char* xdgConfigHome, const char* home) {
    std::string folder;
    if (xdgConfigHome && xdgConfigHome[0] == '/') folder = xdgConfigHome;
    else if (home && home[0] != '\0') folder = std::string(home) + "/.config";
    else return kUnitsSettingsFileName;
    return folder + "/Tarvolin4/" + kUnitsSettingsFileName;
}

std::string unitsSettingsPath() { return unitsSettingsPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")); }

std::string unitsSettingsBytes(const DisplayUnits& units) {
    std::string bytes;
    for (const auto& [q, name] : kQuantityNames) bytes += std::string(name) + "=" + unitKey(units.of(q)) + "\n";
    return bytes;
}

DisplayUnits parseUnitsSettings(std::string_view bytes) {
    DisplayUnits units;
    while (!bytes.empty()) {
        const size_t end = std::min(bytes.find('\n'), bytes.size());
        const std::string_view line = withoutCarriageReturn(bytes.substr(0, end));
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const std::optional<Quantity> q = quantityNamed(line.substr(0, eq));
        if (!q) continue;
        const std::optional<Unit> u = unitFromKey(line.substr(eq + 1));
        if (!u || quantityOf(*u) != *q) return kMetricUnits;
        units.set(*u);
    }
    return units;
}

DisplayUnits readUnitsSettings(const std::string& path, const FileOps& ops) {
    const ReadResult<std::string> raw = readFileBytes(path, ops);
    return raw.ok() ? parseUnitsSettings(raw.value) : kMetricUnits;
}

std::optional<FileError> writeUnitsSettings(const std::string& path, const DisplayUnits& units, const FileOps& ops) {
    if (auto err = makeParentFolders(path)) return err;
    return writeFileAtomically(path, unitsSettingsBytes(units), ops);
}

} // namespace tv
