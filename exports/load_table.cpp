#include "exports/load_table.h"

#include "files/textlines.h"

#include <charconv>
#include <cmath>

namespace tv {

namespace {

std::string number(double v) {
    if (!std::isfinite(v)) return "0";
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return ec == std::errc() ? std::string(buf, end) : std::string("0");
}

} // namespace

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string loadTableBytes(const std::vector<LoadRow>& rows) {
    std::string out;
    appendLine(out, "wing,strip,y_mm,width_mm,chord_mm,cl,load");
    for (const LoadRow& r : rows)
        appendLine(out, csvField(r.wing) + ',' + std::to_string(r.strip) + ',' + number(r.y) + ',' + number(r.width) +
                            ',' + number(r.chord) + ',' + number(r.cl) + ',' + number(r.load));
    return out;
}

std::optional<FileError> writeLoadTable(const std::string& path, const std::vector<LoadRow>& rows,
                                        const FileOps& ops) {
    return writeFileAtomically(path, loadTableBytes(rows), ops);
}

} // namespace tv
