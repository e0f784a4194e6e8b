#include "files/wingclipboard.h"
#include "files/textlines.h"
#include "model/numformat.h"
#include "model/parse.h"

#include <utility>
#include <vector>

namespace tv {
namespace {

constexpr size_t kLinesRead = 18;

} // namespace

std::string wingClipboardBytes(const Wing& wing, const std::optional<ReferenceValues>& reference) {
    std::string out;
    auto put = [&](int64_t v) { appendLine(out, formatInt(v, 4)); };
    put(0);
    put(wing.TrapeziumCount);
    for (int s = 1; s <= kSectionMax; ++s) put(wing.Chord[s]);
    put(wing.RootOffset);
    for (int k = 1; k <= kTrapeziumMax; ++k) put(wing.TrapeziumSpan[k]);
    for (int s = 2; s <= kSectionMax; ++s) put(wing.XOffset[s]);
    put(wing.PositionX);
    put(wing.PositionZ);
    appendLine(out, " ");
    appendLine(out, reference ? formatFixed(reference->ReferenceArea, 4, 1) : "0");
    appendLine(out, reference ? formatFixed(reference->ReferenceChord, 4, 2) : "0");
    appendLine(out, reference ? formatFixed(reference->NeutralPointX, 4, 2) : "0");
    return out;
}

std::optional<FileError> writeWingClipboard(const std::string& path, const Wing& wing,
                                            const std::optional<ReferenceValues>& reference, const FileOps& ops) {
    return writeFileAtomically(path, wingClipboardBytes(wing, reference), ops);
}

WingClipboard parseWingClipboard(std::string_view bytes) {
    WingClipboard clip;
    LineCursor lines(bytes);
    for (size_t i = 1; i <= kLinesRead; ++i) {
        const auto line = lines.next();
        if (!line) break;
        clip.line[i] = parseLenientInt(*line);
    }
    return clip;
}

ReadResult<WingClipboard> readWingClipboard(const std::string& path, const FileOps& ops) {
    return readParsedFile<WingClipboard>(path, parseWingClipboard, ops);
}

void applyWingClipboard(const WingClipboard& clip, WingTexts& wing) {
    const int32_t count = clip.line[2];
    if (count >= 1 && count <= kTrapeziumMax) wing.TrapeziumCount = count;
    auto put = [&](WingField f, int line) { wing[f] = formatInt(clip.line[static_cast<size_t>(line)], 4); };
    for (int s = 1; s <= kSectionMax; ++s) put(chordField(s), 2 + s);     // lines 3..7
    put(WingField::RootOffset, 8);
    for (int k = 1; k <= kTrapeziumMax; ++k) put(spanField(k), 8 + k);   // lines 9..12
    for (int s = 2; s <= kSectionMax; ++s) put(xOffsetField(s), 11 + s); // lines 13..16
}

void exchangeWings(AircraftTexts& texts, int a, int b) {
    auto valid = [](int w) { return w >= 1 && w <= kWingMax; };
    if (!valid(a) || !valid(b) || a == b) return;
    std::swap(texts.wings[a].field, texts.wings[b].field);
    std::swap(texts.wings[a].TrapeziumCount, texts.wings[b].TrapeziumCount);
}

std::optional<std::pair<int, int>> exchangePair(int selector) {
    static constexpr std::pair<int, int> kPairs[] = {{1, 2}, {1, 3}, {2, 3}, {3, 4}, {4, 5}};
    if (selector < 1 || selector > 5) return std::nullopt;
    return kPairs[selector - 1];
}

} // namespace tv
