#pragma once
// The one-wing clipboard file ("wingcopy.fl4" in the working directory; the caller passes the path)
// and the exchange of two wings.
//
// Copy:   writeWingClipboard(path, aircraft.Wings[w], neutralPointKnown ? reference : std::nullopt);
// Insert: auto r = readWingClipboard(path); if (r.ok()) applyWingClipboard(r.value, texts.wings[w]);
#include "files/fileio.h"
#include "model/aircraft.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tv {

inline constexpr const char* kWingClipboardFileName = "wingcopy.fl4";

/// The 22 CR LF lines of the clipboard file: 0, TrapeziumCount, Chord[1..5], RootOffset,
/// TrapeziumSpan[1..4], XOffset[2..5], PositionX, PositionZ (lines 1..18, integers right-aligned
/// in width 4), a line of one blank, then ReferenceArea (1 decimal), ReferenceChord and
/// NeutralPointX (2 decimals), each right-aligned in width 4, or "0" each when `reference` is empty.
/// All five sections are written whatever the trapezium count.
std::string wingClipboardBytes(const Wing& wing, const std::optional<ReferenceValues>& reference);

/// Writes wingClipboardBytes safely over `path`.
std::optional<FileError> writeWingClipboard(const std::string& path, const Wing& wing,
                                            const std::optional<ReferenceValues>& reference,
                                            const FileOps& ops = systemFileOps());

/// Lines 1..18 of a clipboard file, lenient-parsed; a missing line is 0. Lines 19..22 are not read.
struct WingClipboard {
    std::array<int32_t, 19> line{}; // [1..18]; [0] unused
};

/// Parses clipboard contents; never fails.
WingClipboard parseWingClipboard(std::string_view bytes);

/// Reads the clipboard file. NotOpened (no clipboard: insert does nothing) or Failed (I/O error).
ReadResult<WingClipboard> readWingClipboard(const std::string& path, const FileOps& ops = systemFileOps());

/// Inserts a clipboard into one wing's texts: TrapeziumCount = line 2 if it is 1..4 (else unchanged);
/// then the 14 planform fields, each right-aligned in width 4: Chord[1..5] (lines 3..7),
/// RootOffset (8), TrapeziumSpan[1..4] (9..12), XOffset[2..5] (13..16). The positions (17, 18)
/// are not applied: the inserted wing keeps the slot's position.
void applyWingClipboard(const WingClipboard& clip, WingTexts& wing);

/// Swaps the 16 field texts and the trapezium counts of wings a and b (1..5), texts unchanged;
/// the positions move with the wings. Wings outside 1..5 or a == b: nothing happens.
void exchangeWings(AircraftTexts& texts, int a, int b);

/// The pair of wings that exchange selector 1..5 names: (1,2), (1,3), (2,3), (3,4), (4,5);
/// nullopt for any other selector.
std::optional<std::pair<int, int>> exchangePair(int selector);

} // namespace tv
