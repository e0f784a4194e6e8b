#pragma once
// The table of strip loads as CSV (RFC 4180): a header row, then one row per strip of the right
// half wings: wing, strip, y_mm, width_mm, chord_mm, cl, load. "." as decimal point whatever the
// locale, CR LF line ends, fields with a comma, quote or line break quoted.
#include "files/fileio.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

/// One row of the table (see StripLoad in exports/lattice_export.h for the meaning of the values).
struct LoadRow {
    std::string wing; // the wing's name
    int strip = 0;
    double y = 0, width = 0, chord = 0, cl = 0, load = 0;
};

/// One field as RFC 4180 wants it: as it stands, or in double quotes with inner quotes doubled
/// when it holds a comma, a quote, CR or LF.
std::string csvField(std::string_view text);

/// The header row and the rows; numbers in the shortest form that reads back to the same double.
std::string loadTableBytes(const std::vector<LoadRow>& rows);

/// Writes the table safely over `path`; the error names path and reason.
std::optional<FileError> writeLoadTable(const std::string& path, const std::vector<LoadRow>& rows,
                                        const FileOps& ops = systemFileOps());

} // namespace tv
