#include "files/airfoil_file.h"

#include <sys/stat.h>

namespace tv {

Airfoil readAirfoilFile(const std::string& path, std::string* reason, const FileOps& ops) {
    Airfoil a;
    a.Error = AirfoilError::Unreadable;
    // A pipe or device could wait for a writer or never end: only regular files are read.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        if (reason) *reason = "not a regular file";
        return a;
    }
    const ReadResult<std::string> raw = readFileBytes(path, ops);
    if (!raw.ok()) {
        if (reason) *reason = raw.status == ReadStatus::Failed ? raw.error.text() : path + ": cannot be opened";
        return a;
    }
    return airfoilFromCoordinates(raw.value);
}

} // namespace tv
