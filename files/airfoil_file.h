#pragma once
// An airfoil coordinate file read from disk (model/airfoil.h has the layouts and the theory).
#include "files/fileio.h"
#include "model/airfoil.h"

#include <string>

namespace tv {

/// The airfoil of the file at path; Unreadable (with the system's reason in `reason`) when the
/// file cannot be opened or read, is too large, or is a pipe or device.
Airfoil readAirfoilFile(const std::string& path, std::string* reason = nullptr, const FileOps& ops = systemFileOps());

} // namespace tv
