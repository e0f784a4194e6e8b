#pragma once
// The project file: the tagged ".tv4" layout (written and read) and the older ".da4" layout
// (read only). On disk: Windows-1252, CR LF line ends. In memory: UTF-8, comment lines split by "\n".
//
// Saving:  name = normaliseProjectFileName(name);
//          if (auto err = writeProjectFile(name, computeAircraft(texts), reference)) show(err->text());
// Opening: auto r = readProjectFile(name);
//          if (r.ok()) applyProjectTable(r.value, texts);   // then the window refreshes its fields
//          else if (r.status == ReadStatus::Failed) show(r.error.text());  // NotOpened is silent
//          else if (r.status == ReadStatus::NotAProject) show(notAProjectText(lang, name));
#include "files/fileio.h"
#include "model/aircraft.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tv {

// ---- Names ------------------------------------------------------------------------------------

/// The name a project is saved under: a final ".da4" becomes ".tv4", a final ".DA4" becomes ".TV4";
/// then ".tv4" is appended if the file name contains neither ".tv4" nor ".TV4" anywhere.
/// "plane.da4" -> "plane.tv4", "plane" -> "plane.tv4", "PLANE.TV4" -> "PLANE.TV4".
std::string normaliseProjectFileName(std::string name);

// The two name tests look at the file name only, after the last "/": a folder such as
// "gliders.da4/" must not make a tagged project inside it read as a list of numbers.

/// The file name contains ".da4" or ".DA4": the file is read in the older layout.
bool isOlderProjectName(std::string_view name);
/// The file name contains ".tv4" or ".TV4": loading also writes the fields of wings 4 and 5.
bool isTaggedProjectName(std::string_view name);
/// The bare dialog patterns "*.da4", "*.DA4", "*.tv4", "*.TV4": loading such a name does nothing.
bool isBareProjectPattern(std::string_view name);

// ---- Writing ----------------------------------------------------------------------------------

/// The exact bytes of a project file for the aircraft: wings 1..WingCount, each with sections
/// 1..TrapeziumCount+1 (x = XOffset, 0 for the root; y = RootOffset for the root, else the
/// TrapeziumSpan ending at the section; Chord), the reference lines <sb>, <lmue>, <xnp> only when
/// `reference` holds a value (a neutral point is known), the balance block when the aircraft's
/// Balance is not empty (files/project_balance.h), then the comment whose "\n" (or "\r\n")
/// line breaks become CR LF. The values are the model's (absolute chords, spans, root offsets).
/// A WingCount outside 1..5 or a TrapeziumCount outside 1..4 is clamped into range first.
/// The comment is encoded as Windows-1252 ("?" for characters it cannot hold); its own
/// "</comment>" is escaped (files/commentend.h), so any comment reads back as itself.
std::string projectFileBytes(const Aircraft& aircraft, const std::optional<ReferenceValues>& reference);

/// Writes projectFileBytes safely over `path` (see writeFileAtomically): a failed save leaves the
/// previous file intact and returns the path with the system's reason. Bytes beyond kMaxReadBytes,
/// which reading refuses, are not written at all (FileError::tooLargeToSave with their size).
std::optional<FileError> writeProjectFile(const std::string& path, const Aircraft& aircraft,
                                          const std::optional<ReferenceValues>& reference,
                                          const FileOps& ops = systemFileOps());

// ---- Reading ----------------------------------------------------------------------------------

/// Value-table slot value for everything the file does not give.
inline constexpr int32_t kUnreadSlot = 10;

/// The 17 slots of one wing in the value table, all kUnreadSlot until the file gives a value.
struct ProjectWingSlots {
    int32_t TrapeziumCount = kUnreadSlot;                 // raw; applied only if 1..4
    std::array<int32_t, kSectionMax + 1> Chord;           // [1..5]; [0] unused
    std::array<int32_t, kSectionMax + 1> Y;               // [1] RootOffset, [2..5] TrapeziumSpan[1..4]
    std::array<int32_t, kSectionMax + 1> XOffset;         // [2..5]; [0], [1] unused
    int32_t PositionX = kUnreadSlot;
    int32_t PositionZ = kUnreadSlot;
    ProjectWingSlots() {
        Chord.fill(kUnreadSlot);
        Y.fill(kUnreadSlot);
        XOffset.fill(kUnreadSlot);
    }
};

/// Everything a project file gives. Values the file does not hold keep their defaults
/// (slots kUnreadSlot, the optionals empty).
struct ProjectTable {
    int32_t WingCount = kUnreadSlot;                  // raw; applied only if 1..5
    std::array<ProjectWingSlots, kWingMax + 1> wings; // [1..5]
    std::optional<double> ReferenceArea;              // mm^2, from <sb> (or line 55 of an older file)
    std::optional<double> ReferenceChord;             // mm, from <lmue>
    std::optional<double> NeutralPointX;              // mm, from <xnp>
    std::optional<std::string> Comment;               // UTF-8, lines joined by "\n"
    std::optional<BalanceTexts> Balance;              // from the <balance> block (files/project_balance.h)
    size_t BalanceRowsLeftOut = 0;                    // rows of the block beyond kBalanceRowMax, not read
    std::optional<TrimTexts> Trim;                    // from the <trim> block (files/project_trim.h)
    bool olderLayout = false;    // name contains ".da4"/".DA4": read as a plain list of numbers
    bool taggedName = false;     // name contains ".tv4"/".TV4": wings 4 and 5 are applied too
    bool projectTags = false;    // the tag scan met at least one of the project's tags
};

/// Parses file contents as the project reader does. `name` decides the layout (isOlderProjectName)
/// and sets olderLayout/taggedName. Never fails: any bytes give a table.
/// Tagged layout: one tag per line; the tag is the text between the line's first "<" and the next
/// ">", the value the text after it up to the next "<" (at most 500 characters looked at).
/// A comment runs from its opening tag to the first "</comment>" and is returned whole, "<"
/// included, with the writer's escape of "</comment>" taken back. Values for a wing or section outside 1..5 are ignored.
ProjectTable parseProjectFile(std::string_view bytes, std::string_view name);

/// Reads the file `path` (the bare patterns give NotOpened without touching the disk).
/// NotOpened: the file cannot be opened, which the program passes over silently.
/// Failed: an I/O error after the open (error holds path and reason), or a pipe, terminal or
/// device, refused without being opened (reason "not a regular file").
/// NotAProject: a file read by tags that holds none of the project's tags (empty, binary, another
/// program's text); loading it would turn every value into 10 mm, so it is refused whole.
/// An older ".da4" file is a plain list of numbers and is never refused.
ReadResult<ProjectTable> readProjectFile(const std::string& path, const FileOps& ops = systemFileOps());

/// True when the file is a project: an older ".da4" name that can be read, or a file whose first
/// megabyte holds one of the project's tags. Its size does not matter: a project too large to be
/// opened is still a project that an export must not replace.
bool isProjectFile(const std::string& path, const FileOps& ops = systemFileOps());

/// Writes a read table into the aircraft's texts as loading does: WingCount if 1..5; for each wing
/// 1..5 its TrapeziumCount if 1..4; the 16 field texts of wings 1..3, and of wings 4..5 only when
/// table.taggedName, each value right-aligned in width 4 ("  50", "1850", "-135"); the comment if
/// the file gave one; the balance data of the file's block, or none (a project without a block has
/// no table: the previous project's rows must not stay); the trim settings likewise. Anything
/// else keeps its text. Reference
/// values are not part of the texts: the window sets ReferenceArea = table.ReferenceArea.value_or(0),
/// takes the other two when present, and knows a neutral point when ReferenceArea > 0.
void applyProjectTable(const ProjectTable& table, AircraftTexts& texts);

} // namespace tv
