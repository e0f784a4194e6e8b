#include "files/commentend.h"
#include "files/encoding.h"
#include "files/project_balance.h"
#include "files/project_trim.h"
#include "files/projectfile.h"
#include "files/textlines.h"
#include "model/numformat.h"
#include "model/parse.h"

#include <charconv>
#include <sys/stat.h>
#include <vector>

namespace tv {
namespace {

constexpr std::string_view kCommentEnd = "</comment>";
constexpr size_t kValueWindow = 500; // characters after a tag's ">" that are looked at

bool contains(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }

/// Slots of wing w, or nullptr for a wing outside 1..5.
ProjectWingSlots* wingSlots(ProjectTable& t, int32_t w) {
    return (w >= 1 && w <= kWingMax) ? &t.wings[static_cast<size_t>(w)] : nullptr;
}

bool isSection(int32_t s) { return s >= 1 && s <= kSectionMax; }

int32_t minusOneSaturating(int32_t v) { return v == INT32_MIN ? v : v - 1; }

// ---- Older layout -----------------------------------------------------------------------------

/// The 52 integer slots of the older layout in file order (wing count, then 17 per wing 1..3).
std::vector<int32_t*> olderIntegerSlots(ProjectTable& t) {
    std::vector<int32_t*> slots{&t.WingCount};
    for (int w = 1; w <= 3; ++w) {
        ProjectWingSlots& ws = t.wings[w];
        slots.push_back(&ws.TrapeziumCount);
        for (int s = 1; s <= kSectionMax; ++s) slots.push_back(&ws.Chord[s]);
        for (int s = 1; s <= kSectionMax; ++s) slots.push_back(&ws.Y[s]);
        for (int s = 2; s <= kSectionMax; ++s) slots.push_back(&ws.XOffset[s]);
        slots.push_back(&ws.PositionX);
        slots.push_back(&ws.PositionZ);
    }
    return slots;
}

/// Lines 1..52 slots, 53 and 54 unused, 55..57 reference values, 58 unused, 59.. comment.
/// Reading stops at the end of the file; slots not reached keep their table value.
void readOlderLayout(LineCursor& lines, ProjectTable& t) {
    t.Comment = std::string(1, ' ');
    for (int32_t* slot : olderIntegerSlots(t)) {
        const auto line = lines.next();
        if (!line) return;
        *slot = parseLenientInt(*line);
    }
    if (!lines.next() || !lines.next()) return; // lines 53 and 54
    for (std::optional<double>* real : {&t.ReferenceArea, &t.ReferenceChord, &t.NeutralPointX}) {
        const auto line = lines.next();
        if (!line) return;
        *real = parseReal(*line);
    }
    if (!lines.next()) return; // line 58
    auto line = lines.next();
    if (!line) return;
    std::string raw(*line);
    while ((line = lines.next())) (raw += '\n') += *line;
    t.Comment = cp1252ToUtf8(raw);
}

// ---- Tagged layout ----------------------------------------------------------------------------

struct TagLine {
    std::string_view tag;   // between the first "<" and the next ">"
    std::string_view rest;  // everything after that ">"
    std::string_view value; // rest up to the next "<", at most kValueWindow - 1 characters without one
};

std::optional<TagLine> splitTag(std::string_view line) {
    const size_t lt = line.find('<');
    if (lt == std::string_view::npos) return std::nullopt;
    const size_t gt = line.find('>', lt + 1);
    if (gt == std::string_view::npos) return std::nullopt;
    TagLine t{line.substr(lt + 1, gt - lt - 1), line.substr(gt + 1), {}};
    const std::string_view window = t.rest.substr(0, kValueWindow);
    const size_t next = window.find('<');
    t.value = next != std::string_view::npos ? window.substr(0, next) : window.substr(0, kValueWindow - 1);
    return t;
}

/// The whole comment starting in `rest` of the current line, up to the first "</comment>" (or the
/// end of the file); the cursor is left after the comment's last line. Lines are joined by "\n".
std::string readComment(LineCursor& lines, std::string_view rest) {
    std::string raw;
    std::string_view part = rest;
    for (;;) {
        const size_t end = part.find(kCommentEnd);
        raw.append(part.substr(0, end));
        if (end != std::string_view::npos) break;
        const auto next = lines.next();
        if (!next) break;
        part = *next;
        raw += '\n';
    }
    return cp1252ToUtf8(comment_end::unescape(raw));
}

struct ScanState {
    int32_t wing = 0;
    int32_t section = 0;
    bool inPosition = false;
};

/// Applies one numeric tag; unknown tags and values for wings or sections outside 1..5 are ignored.
void applyTag(std::string_view tag, std::string_view value, ScanState& st, ProjectTable& t) {
    ProjectWingSlots* w = wingSlots(t, st.wing);
    // The value is parsed only for a tag that takes one: closing and unknown tags are most lines.
    const auto v = [value] { return parseLenientInt(value); };
    const auto s = static_cast<size_t>(st.section);
    if (tag == "wings_count") t.WingCount = v();
    else if (tag == "wing_id") st.wing = v(), st.section = 0;
    else if (tag == "wingsections") { if (w) w->TrapeziumCount = minusOneSaturating(v()); }
    else if (tag == "wing_position") st.inPosition = true;
    else if (tag == "section_id") st.section = v(), st.inPosition = false;
    else if (tag == "x") {
        if (w && st.inPosition) w->PositionX = v();
        else if (w && st.section >= 2 && st.section <= kSectionMax) w->XOffset[s] = v();
    }
    else if (tag == "y") { if (w && isSection(st.section)) w->Y[s] = v(); }
    else if (tag == "z") { if (w) w->PositionZ = v(); }
    else if (tag == "chord") { if (w && isSection(st.section)) w->Chord[s] = v(); }
    else if (tag == "sb") t.ReferenceArea = parseReal(value);
    else if (tag == "lmue") t.ReferenceChord = parseReal(value);
    else if (tag == "xnp") t.NeutralPointX = parseReal(value);
}

/// One of the tags the writer emits, opening or closing.
bool isProjectTag(std::string_view tag) {
    if (!tag.empty() && tag.front() == '/') tag.remove_prefix(1);
    static constexpr std::string_view kTags[] = {"aircraft", "wings_count", "wing", "wing_id", "wingsections",
                                                 "wing_position", "section", "section_id", "x", "y", "z",
                                                 "chord", "sb", "lmue", "xnp", "comment"};
    for (std::string_view known : kTags)
        if (tag == known) return true;
    return false;
}

void scanTags(LineCursor& lines, ProjectTable& t) {
    ScanState st;
    project_balance::Reader balance;
    project_trim::Reader trim;
    while (const auto line = lines.next()) {
        const std::optional<TagLine> tl = splitTag(*line);
        if (!tl) continue;
        t.projectTags = t.projectTags || isProjectTag(tl->tag);
        if (tl->tag == "comment") {
            t.Comment = readComment(lines, tl->rest);
            continue;
        }
        // Every line goes through the rules of the readers from before the balance block too,
        // exactly as there: what they make of the block is what this reader makes of it.
        applyTag(tl->tag, tl->value, st, t);
        balance.line(tl->tag, tl->rest);
        trim.line(tl->tag, tl->rest);
    }
    t.Balance = balance.result();
    t.BalanceRowsLeftOut = balance.rowsLeftOut();
    t.Trim = trim.result();
}

std::string_view fileNamePart(std::string_view path) {
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace

bool isOlderProjectName(std::string_view name) {
    const std::string_view file = fileNamePart(name);
    return contains(file, ".da4") || contains(file, ".DA4");
}
bool isTaggedProjectName(std::string_view name) {
    const std::string_view file = fileNamePart(name);
    return contains(file, ".tv4") || contains(file, ".TV4");
}
bool isBareProjectPattern(std::string_view name) {
    return name == "*.da4" || name == "*.DA4" || name == "*.tv4" || name == "*.TV4";
}

ProjectTable parseProjectFile(std::string_view bytes, std::string_view name) {
    ProjectTable t;
    t.olderLayout = isOlderProjectName(name);
    t.taggedName = isTaggedProjectName(name);
    LineCursor lines(bytes);
    // The older layout reads to the end of the file, so the tag scan after it finds nothing.
    if (t.olderLayout) readOlderLayout(lines, t);
    else scanTags(lines, t);
    return t;
}

ReadResult<ProjectTable> readProjectFile(const std::string& path, const FileOps& ops) {
    if (isBareProjectPattern(path)) return {};
    // A pipe, terminal or device is refused before it is opened: opening or reading it could
    // wait for a writer, or read without end.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
        ReadResult<ProjectTable> r;
        r.status = ReadStatus::Failed;
        r.error = FileError{path, "not a regular file"};
        return r;
    }
    ReadResult<ProjectTable> r = readParsedFile<ProjectTable>(
        path, [&](std::string_view bytes) { return parseProjectFile(bytes, path); }, ops);
    if (r.ok() && !r.value.olderLayout && !r.value.projectTags) r.status = ReadStatus::NotAProject;
    return r;
}

bool isProjectFile(const std::string& path, const FileOps& ops) {
    struct stat st {};
    if (isBareProjectPattern(path) || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    const ReadResult<std::string> start = readFileStart(path, kMaxReadBytes, ops);
    if (!start.ok()) return false;
    const ProjectTable t = parseProjectFile(start.value, path);
    return t.olderLayout || t.projectTags;
}

namespace {

void applyWingFields(const ProjectWingSlots& s, WingTexts& w) {
    // Right-aligned in width 4, as formatInt(v, 4) gives it, written into the field's own string.
    auto put = [&](WingField f, int32_t v) {
        char digits[16];
        const size_t n = size_t(std::to_chars(digits, digits + sizeof digits, v).ptr - digits);
        std::string& text = w[f];
        text.assign(n < 4 ? 4 - n : 0, ' ');
        text.append(digits, n);
    };
    for (int k = 1; k <= kSectionMax; ++k) put(chordField(k), s.Chord[k]);
    put(WingField::RootOffset, s.Y[1]);
    for (int k = 1; k <= kTrapeziumMax; ++k) put(spanField(k), s.Y[k + 1]);
    for (int k = 2; k <= kSectionMax; ++k) put(xOffsetField(k), s.XOffset[k]);
    put(WingField::PositionX, s.PositionX);
    put(WingField::PositionZ, s.PositionZ);
}

} // namespace

void applyProjectTable(const ProjectTable& table, AircraftTexts& texts) {
    if (table.WingCount >= 1 && table.WingCount <= kWingMax) texts.WingCount = table.WingCount;
    for (int w = 1; w <= kWingMax; ++w) {
        const int32_t n = table.wings[w].TrapeziumCount;
        if (n >= 1 && n <= kTrapeziumMax) texts.wings[w].TrapeziumCount = n;
    }
    const int lastWing = table.taggedName ? kWingMax : 3;
    for (int w = 1; w <= lastWing; ++w) applyWingFields(table.wings[w], texts.wings[w]);
    if (table.Comment) texts.Comment = *table.Comment;
    texts.Balance = table.Balance.value_or(BalanceTexts{});
    texts.Trim = table.Trim.value_or(TrimTexts{});
}

} // namespace tv
