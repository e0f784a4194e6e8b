#include "files/commentend.h"
#include "files/encoding.h"
#include "files/project_balance.h"
#include "files/project_trim.h"
#include "files/projectfile.h"
#include "files/textlines.h"
#include "model/numformat.h"

#include <algorithm>
#include <charconv>

namespace tv {
namespace {

bool endsWith(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

/// "<open>N</close>" and CR LF, the integer without padding, appended in place.
void intLine(std::string& out, std::string_view open, int64_t value, std::string_view close) {
    char digits[24];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    out.append(open);
    out.append(digits, ec == std::errc() ? end : digits);
    out.append(close);
    out.append("\r\n");
}

/// "<open>text</close>" and CR LF, appended in place.
void textLine(std::string& out, std::string_view open, std::string_view text, std::string_view close) {
    out.append(open);
    out.append(text);
    out.append(close);
    out.append("\r\n");
}

void writeSection(std::string& out, const Wing& w, int s) {
    appendLine(out, "  <section>");
    intLine(out, "   <section_id>", s, "</section_id>");
    intLine(out, "   <x>", s == 1 ? 0 : w.XOffset[s], "</x>");
    intLine(out, "   <y>", s == 1 ? w.RootOffset : w.TrapeziumSpan[s - 1], "</y>");
    intLine(out, "   <chord>", w.Chord[s], "</chord>");
    appendLine(out, "  </section>");
}

void writeWing(std::string& out, const Wing& w, int id) {
    const int sections = std::clamp(w.TrapeziumCount, 1, kTrapeziumMax) + 1;
    appendLine(out, " <wing>");
    intLine(out, "  <wing_id>", id, "</wing_id>");
    intLine(out, "  <wingsections>", sections, "</wingsections>");
    appendLine(out, "  <wing_position>");
    intLine(out, "   <x>", w.PositionX, "</x>");
    intLine(out, "   <z>", w.PositionZ, "</z>");
    appendLine(out, "  </wing_position>");
    for (int s = 1; s <= sections; ++s) writeSection(out, w, s);
    appendLine(out, " </wing>");
    appendLine(out, " ");
}

/// The comment in Windows-1252 with every line break ("\r\n", "\n" or a lone "\r") as CR LF and
/// its "</comment>" escaped (files/commentend.h): its lines as the readers split them, joined by
/// CR LF, and a break at the very end kept.
std::string commentOnDisk(std::string_view comment) {
    const std::string bytes = comment_end::escape(utf8ToCp1252(comment));
    std::string out;
    out.reserve(bytes.size() + 16);
    LineCursor lines(bytes);
    for (bool first = true; const auto line = lines.next(); first = false) {
        if (!first) out.append("\r\n");
        out.append(*line);
    }
    if (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r')) out.append("\r\n");
    return out;
}

} // namespace

std::string normaliseProjectFileName(std::string name) {
    if (endsWith(name, ".da4")) name.replace(name.size() - 4, 4, ".tv4");
    else if (endsWith(name, ".DA4")) name.replace(name.size() - 4, 4, ".TV4");
    if (!isTaggedProjectName(name)) name += ".tv4";
    return name;
}

std::string projectFileBytes(const Aircraft& aircraft, const std::optional<ReferenceValues>& reference) {
    std::string out;
    out.reserve(4096);
    appendLine(out, "<aircraft>");
    const int wingCount = std::clamp(aircraft.WingCount, 1, kWingMax);
    intLine(out, " <wings_count>", wingCount, "</wings_count>");
    appendLine(out, " ");
    for (int w = 1; w <= wingCount; ++w) writeWing(out, aircraft.Wings[w], w);
    if (reference) {
        textLine(out, " <sb>", formatFixed(reference->ReferenceArea, 4, 1), "</sb>");
        textLine(out, " <lmue>", formatFixed(reference->ReferenceChord, 4, 2), "</lmue>");
        textLine(out, " <xnp>", formatFixed(reference->NeutralPointX, 4, 2), "</xnp>");
        appendLine(out, " ");
    }
    project_balance::append(out, aircraft.Balance);
    project_trim::append(out, aircraft.Trim);
    textLine(out, " <comment>", commentOnDisk(aircraft.Comment), "</comment>");
    appendLine(out, "</aircraft>");
    appendLine(out, " ");
    return out;
}

std::optional<FileError> writeProjectFile(const std::string& path, const Aircraft& aircraft,
                                          const std::optional<ReferenceValues>& reference, const FileOps& ops) {
    const std::string bytes = projectFileBytes(aircraft, reference);
    // "Open" refuses a file beyond kMaxReadBytes: such a save could not be opened again.
    if (bytes.size() > kMaxReadBytes) {
        FileError e{path, "File too large"};
        e.tooLargeToSave = true;
        e.size = bytes.size();
        return e;
    }
    return writeFileAtomically(path, bytes, ops);
}

} // namespace tv
