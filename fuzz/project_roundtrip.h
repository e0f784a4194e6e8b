#pragma once
// Reading a project as the program does (into the built-in aircraft's field texts) and checking
// that writing what was read and reading it again changes nothing.
#include "files/projectfile.h"

#include <optional>
#include <string_view>

namespace tvfuzz {

struct ReadBack {
    tv::Aircraft aircraft;
    std::optional<tv::ReferenceValues> reference; // present when the file gives an area > 0
};

/// Parses `bytes` under `name`, applies the table to the default aircraft and computes it.
ReadBack readProjectBytes(std::string_view bytes, std::string_view name);

/// The round-trip oracle: first = read(bytes); written = write(first); second = read(written)
/// must hold the same model and reference, and write(second) must give `written` again.
void checkProjectRoundTrip(std::string_view bytes, std::string_view name);

} // namespace tvfuzz
