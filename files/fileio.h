#pragma once
// Whole-file reading and safe writing of the program's small text files.
// All operating-system calls go through FileOps so that a test can make any of them fail.
// Failures come back as values (FileError), never as exceptions.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace tv {

/// A failed file operation: the file (or folder) it concerns and the system's reason (strerror text).
struct FileError {
    std::string path;
    std::string reason;     // e.g. "Permission denied"
    bool readOnly = false;  // a save refused because the file may not be written (reason "read-only")
    bool tooLarge = false;  // a read refused beyond kMaxReadBytes (reason "File too large")
    bool tooLargeToSave = false; // a project refused before writing: `size` bytes, beyond kMaxReadBytes
    size_t size = 0;
    std::string sentence{}; // a whole message that names the file itself (a refusal of the output rule)
    /// "path: reason", the one line shown to the user; "path is too large to be a Tarvolin4
    /// project" for a refused read (the window words both in its language).
    std::string text() const;
};

/// Builds a FileError from an errno value.
FileError fileErrorFromErrno(std::string path, int errnum);

/// The system calls used by this folder, with POSIX meaning (return -1 and set errno on failure).
/// systemFileOps() holds the real ones; a test copies it and replaces a member to inject a fault.
struct FileOps {
    std::function<int(const char* path, int flags, mode_t mode)> open;
    std::function<ssize_t(int fd, void* buf, size_t n)> read;
    std::function<ssize_t(int fd, const void* buf, size_t n)> write;
    std::function<int(int fd)> fsync;
    std::function<int(int fd)> close;
    std::function<int(const char* from, const char* to)> rename;
    std::function<int(const char* path)> unlink;
};
const FileOps& systemFileOps();

/// The descriptor of this process that `path` names through the system's folder of open
/// descriptors (/dev/stdout, /dev/fd/N, /proc/self/fd/N, or a link leading to one of them), or
/// nothing for any other name and for a descriptor that is not open.
std::optional<int> descriptorNamedBy(const std::string& path);

/// True for a name that stands for a folder: one ending in "/", or an existing folder (links
/// followed). Such a name is no file to write.
bool namesFolder(const std::string& path);

/// Asked by the writers just before a replace, with the file the new contents are about to take
/// the place of (links followed at that moment): an error refuses the write and leaves everything
/// as it was. This is how a rule checked before a long calculation is checked again when writing.
using ReplaceCheck = std::function<std::optional<FileError>(const std::string& target)>;

/// Writes `bytes` to `path` safely: into a new temporary file in the same directory
/// (".<name>.tmp<pid>-<n>", the name shortened to keep within 255 bytes), flushed to disk with fsync, then renamed over `path`. If any step
/// fails, the temporary file is removed, `path` is left exactly as it was, and the error names
/// `path` with the system's reason. Returns nothing on success.
/// A file that may not be written (no write permission for anyone, or none for this user, or a
/// read-only file system) is refused before anything is written: the rename would otherwise
/// replace it. The error names `path` and has readOnly set. When the folder cannot take the
/// temporary file, the error names the folder (a missing folder names `path`).
/// A symbolic link is followed: the file it names gets the new contents and the link stays.
/// A character device (a terminal, the null device) or a pipe is opened and written into
/// directly, without a temporary: it stays what it is. Anything else that is not a regular file
/// (a block device, a socket) is refused.
/// A replaced file keeps its permission bits; a new file gets 0666 less the umask.
/// A name of one of the process's open descriptors (descriptorNamedBy) is written through that
/// descriptor as it was opened (appended to when opened for appending), never replaced.
/// A folder name (namesFolder) is refused. `check`, when given, is asked just before the replace.
std::optional<FileError> writeFileAtomically(const std::string& path, std::string_view bytes,
                                             const FileOps& ops = systemFileOps(), const ReplaceCheck& check = {});

/// The output name that means standard output ("-").
inline constexpr const char* kStandardOutputName = "-";

/// writeFileAtomically, except that "-" writes the bytes to standard output (the error then names
/// "standard output").
std::optional<FileError> writeOutputFile(const std::string& path, std::string_view bytes,
                                         const FileOps& ops = systemFileOps(), const ReplaceCheck& check = {});

/// Files larger than this are refused on reading (FileError::tooLarge): every file of the
/// program is a few kilobytes, and the cap keeps a wrongly chosen file from taking memory and time.
inline constexpr size_t kMaxReadBytes = size_t{1} << 20;

/// The outcome of reading a file: its bytes, "could not be opened" (the silent case of the
/// program's readers), an I/O error after the file was opened, or a file that was read but is
/// not of the kind asked for (a project reader given a file without any project tag).
enum class ReadStatus { Ok, NotOpened, Failed, NotAProject };

template <class T>
struct ReadResult {
    ReadStatus status = ReadStatus::NotOpened;
    T value{};        // valid when status == Ok
    FileError error;  // valid when status == Failed
    bool ok() const { return status == ReadStatus::Ok; }
};

/// Reads the whole file. NotOpened when open() fails (missing file, no permission);
/// Failed when a read fails after the open (for instance a directory) or the file exceeds
/// kMaxReadBytes. The open never blocks: a pipe without a writer reads as empty.
ReadResult<std::string> readFileBytes(const std::string& path, const FileOps& ops = systemFileOps());

/// The first `limit` bytes of the file (all of it when shorter), never refused for its size;
/// NotOpened and Failed as readFileBytes.
ReadResult<std::string> readFileStart(const std::string& path, size_t limit, const FileOps& ops = systemFileOps());

/// Reads the whole file and hands its bytes to `parse` (bytes -> T); the status and the error
/// come from readFileBytes, so NotOpened and Failed pass through unparsed.
template <class T, class Parse>
ReadResult<T> readParsedFile(const std::string& path, Parse parse, const FileOps& ops) {
    ReadResult<std::string> raw = readFileBytes(path, ops);
    ReadResult<T> r;
    r.status = raw.status;
    r.error = std::move(raw.error);
    if (raw.ok()) r.value = parse(std::string_view(raw.value));
    return r;
}

/// True if the file can be opened for reading (the clipboard probe at start and after "Open").
bool fileCanBeOpened(const std::string& path, const FileOps& ops = systemFileOps());

} // namespace tv
