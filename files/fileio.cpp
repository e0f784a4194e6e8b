#include "files/fileio.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tv {

std::string FileError::text() const {
    if (!sentence.empty()) return sentence;
    if (tooLargeToSave)
        return path + ": not saved, the project would be " + std::to_string(size) + " bytes and a project holds at most " +
               std::to_string(kMaxReadBytes) + " bytes (1 MB)";
    if (tooLarge) return path + " is too large to be a Tarvolin4 project (more than 1 MB)";
    return path + ": " + reason;
}

FileError fileErrorFromErrno(std::string path, int errnum) {
    return FileError{std::move(path), std::error_code(errnum, std::generic_category()).message()};
}

const FileOps& systemFileOps() {
    static const FileOps ops{
        [](const char* p, int flags, mode_t mode) { return ::open(p, flags, mode); },
        [](int fd, void* buf, size_t n) { return ::read(fd, buf, n); },
        [](int fd, const void* buf, size_t n) { return ::write(fd, buf, n); },
        [](int fd) { return ::fsync(fd); },
        [](int fd) { return ::close(fd); },
        [](const char* from, const char* to) { return ::rename(from, to); },
        [](const char* p) { return ::unlink(p); },
    };
    return ops;
}

namespace {

std::string directoryOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

/// True when `dir` is this process's folder of open descriptors, under whatever name it was reached.
bool isOwnDescriptorFolder(const std::string& dir) {
    struct stat d {};
    if (::stat(dir.c_str(), &d) != 0) return false;
    for (const char* own : {"/proc/self/fd", "/proc/thread-self/fd"}) {
        struct stat s {};
        if (::stat(own, &s) == 0 && sameFile(d, s)) return true;
    }
    return false;
}

/// The descriptor number a name in the descriptor folder stands for ("7" -> 7), or -1.
int descriptorNumber(const std::string& name) {
    if (name.empty() || name.size() > 9 || name.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::stoi(name);
}

/// The text of the link `path`, or nothing.
std::optional<std::string> linkText(const std::string& path) {
    std::string buf(4096, '\0');
    const ssize_t n = ::readlink(path.c_str(), buf.data(), buf.size());
    if (n <= 0 || size_t(n) >= buf.size()) return std::nullopt;
    buf.resize(size_t(n));
    return buf;
}

constexpr size_t kNameMax = 255; // bytes of one name in a folder on the usual file systems

/// ".<name>.tmp<pid>-<n>" beside the target; n makes names unique within the process. The name
/// part is shortened, at a character boundary, where the whole would exceed kNameMax bytes: a
/// project whose own name is near the limit can still be saved.
std::string temporaryNameBeside(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    const size_t slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string suffix = ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    const size_t room = kNameMax - 1 - suffix.size();
    if (name.size() > room) {
        size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut; // UTF-8 continuation
        name.resize(cut);
    }
    return dir + "." + name + suffix;
}

/// Creates a fresh temporary file; returns its descriptor or -1 with errno set.
int createTemporary(const std::string& path, std::string& tmpName, const FileOps& ops) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        tmpName = temporaryNameBeside(path);
        const int fd = ops.open(tmpName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

/// Writes all bytes, continuing after short writes and interruptions; false with errno set.
bool writeAll(int fd, std::string_view bytes, const FileOps& ops) {
    while (!bytes.empty()) {
        const ssize_t n = ops.write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

/// The file a save replaces: a symbolic link is followed to the file it names, so that saving
/// through a link updates that file instead of swapping the link for a copy. A link that leads
/// nowhere is replaced itself.
std::string replacementTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : path;
}

/// True if `target` is an existing file that must not be written: no write bit at all (which
/// the superuser's access check would pass over) or no write access for this user.
bool isReadOnlyFile(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if ((st.st_mode & 0222) == 0) return true;
    return ::access(target.c_str(), W_OK) != 0 && (errno == EACCES || errno == EPERM || errno == EROFS);
}

/// What a failed creation of the temporary file names: the folder that refused it, or the path
/// itself when the folder is missing.
std::string refusingPlace(const std::string& path, const std::string& target, int err) {
    return err == ENOENT || err == ENOTDIR ? path : directoryOf(target);
}

/// Gives the new file the permission bits of the file it replaces. Best effort: a file that
/// cannot be examined keeps the bits it was created with.
void keepPermissionsOf(const std::string& target, int fd) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::fchmod(fd, st.st_mode & 07777);
}

/// Makes the rename itself durable. A failure here cannot harm either file, so it is not reported.
void syncDirectoryBestEffort(const std::string& path, const FileOps& ops) {
    const int fd = ops.open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return;
    ops.fsync(fd);
    ops.close(fd);
}

/// What an existing name stands for when it is written: a file to replace, a character device
/// or pipe to write into, or something that is neither (a folder, a block device, a socket).
enum class TargetKind { Replace, WriteInto, Refuse };

TargetKind targetKind(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return TargetKind::Replace;
    if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) return TargetKind::WriteInto;
    return TargetKind::Refuse;
}

/// A terminal, a device such as the null device or a pipe takes the bytes as they come: a
/// temporary renamed over it would replace the device node by a plain file. Nothing is created
/// or truncated, and no fsync is asked of a pipe. Opening a pipe waits for its reader, as a
/// shell's redirection does.
std::optional<FileError> writeInto(const std::string& path, const std::string& target, std::string_view bytes,
                                   const FileOps& ops) {
    const int fd = ops.open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY, 0);
    if (fd < 0) return fileErrorFromErrno(path, errno);
    const bool written = writeAll(fd, bytes, ops);
    const int err = errno;
    if (ops.close(fd) != 0 && written) return fileErrorFromErrno(path, errno);
    if (!written) return fileErrorFromErrno(path, err);
    return std::nullopt;
}

/// Writes into a descriptor the process holds open, in the mode it was opened with.
std::optional<FileError> writeThrough(const std::string& path, int fd, std::string_view bytes, const FileOps& ops) {
    if (!writeAll(fd, bytes, ops)) return fileErrorFromErrno(path, errno);
    return std::nullopt;
}

/// Asks the check about the file to be replaced; on a refusal the temporary goes.
std::optional<FileError> refusedAtReplace(const ReplaceCheck& check, const std::string& target,
                                          const std::string& tmpName, const FileOps& ops) {
    if (!check) return std::nullopt;
    std::optional<FileError> refusal = check(target);
    if (refusal) ops.unlink(tmpName.c_str());
    return refusal;
}

} // namespace

std::optional<int> descriptorNamedBy(const std::string& path) {
    std::string name = path;
    for (int hop = 0; hop < 40; ++hop) { // the system's own limit of links followed
        struct stat st {};
        if (::lstat(name.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return std::nullopt;
        const size_t slash = name.rfind('/');
        const int fd = descriptorNumber(slash == std::string::npos ? name : name.substr(slash + 1));
        if (fd >= 0 && isOwnDescriptorFolder(directoryOf(name)))
            return ::fcntl(fd, F_GETFD) != -1 ? std::optional<int>(fd) : std::nullopt;
        const std::optional<std::string> next = linkText(name);
        if (!next) return std::nullopt;
        name = next->front() == '/' ? *next : directoryOf(name) + "/" + *next;
    }
    return std::nullopt;
}

bool namesFolder(const std::string& path) {
    struct stat st {};
    return (!path.empty() && path.back() == '/') || (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
}

std::optional<FileError> writeFileAtomically(const std::string& path, std::string_view bytes, const FileOps& ops,
                                             const ReplaceCheck& check) {
    if (const std::optional<int> fd = descriptorNamedBy(path)) return writeThrough(path, *fd, bytes, ops);
    if (namesFolder(path)) return FileError{path, "names a folder, not a file"};
    const std::string target = replacementTarget(path);
    switch (targetKind(target)) {
    case TargetKind::WriteInto: return writeInto(path, target, bytes, ops);
    case TargetKind::Refuse: return FileError{path, "not a regular file, character device or pipe"};
    case TargetKind::Replace: break;
    }
    if (isReadOnlyFile(target)) return FileError{path, "read-only", true};
    std::string tmpName;
    const int fd = createTemporary(target, tmpName, ops);
    if (fd < 0) {
        const int err = errno;
        return fileErrorFromErrno(refusingPlace(path, target, err), err);
    }
    keepPermissionsOf(target, fd);

    auto failAfterOpen = [&](bool closeFirst) {
        const int err = errno;
        if (closeFirst) ops.close(fd);
        ops.unlink(tmpName.c_str());
        return fileErrorFromErrno(path, err);
    };
    if (!writeAll(fd, bytes, ops) || ops.fsync(fd) != 0) return failAfterOpen(true);
    if (ops.close(fd) != 0) return failAfterOpen(false);
    if (auto refusal = refusedAtReplace(check, target, tmpName, ops)) return refusal;
    if (ops.rename(tmpName.c_str(), target.c_str()) != 0) return failAfterOpen(false);
    syncDirectoryBestEffort(target, ops);
    return std::nullopt;
}

std::optional<FileError> writeOutputFile(const std::string& path, std::string_view bytes, const FileOps& ops,
                                         const ReplaceCheck& check) {
    if (path != kStandardOutputName) return writeFileAtomically(path, bytes, ops, check);
    if (!writeAll(STDOUT_FILENO, bytes, ops)) return fileErrorFromErrno("standard output", errno);
    return std::nullopt;
}

// Reading opens without blocking: a pipe in the place of a project or the clipboard file would
// otherwise hang the program until something writes to it. Regular files ignore the flag.
constexpr int kReadFlags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;

namespace {

/// Reads up to `limit` bytes; beyond them the file is refused as too large when `refuseBeyond`,
/// else the bytes read so far are the result.
ReadResult<std::string> readUpTo(const std::string& path, size_t limit, bool refuseBeyond, const FileOps& ops) {
    ReadResult<std::string> result;
    const int fd = ops.open(path.c_str(), kReadFlags, 0);
    if (fd < 0) return result; // NotOpened: the callers skip such a file silently
    char buf[65536];
    for (;;) {
        const size_t want = refuseBeyond ? sizeof buf : std::min(sizeof buf, limit - result.value.size());
        const ssize_t n = want == 0 ? 0 : ops.read(fd, buf, want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || result.value.size() + static_cast<size_t>(n) > limit) {
            const int err = n < 0 ? errno : EFBIG;
            ops.close(fd);
            result.status = ReadStatus::Failed;
            result.error = fileErrorFromErrno(path, err);
            result.error.tooLarge = n >= 0;
            result.value.clear();
            result.value.shrink_to_fit();
            return result;
        }
        if (n == 0) break;
        result.value.append(buf, static_cast<size_t>(n));
    }
    ops.close(fd);
    result.status = ReadStatus::Ok;
    return result;
}

} // namespace

ReadResult<std::string> readFileBytes(const std::string& path, const FileOps& ops) {
    return readUpTo(path, kMaxReadBytes, true, ops);
}

ReadResult<std::string> readFileStart(const std::string& path, size_t limit, const FileOps& ops) {
    return readUpTo(path, limit, false, ops);
}

bool fileCanBeOpened(const std::string& path, const FileOps& ops) {
    const int fd = ops.open(path.c_str(), kReadFlags, 0);
    if (fd < 0) return false;
    ops.close(fd);
    return true;
}

} // namespace tv
