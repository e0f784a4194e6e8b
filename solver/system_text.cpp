#include "solver/system_text.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tv {

std::optional<std::string> readSystemText(const std::string& path, std::size_t limit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    std::string text;
    char chunk[4096];
    while (text.size() < limit) {
        const ssize_t got = ::read(fd, chunk, std::min(sizeof chunk, limit - text.size()));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break; // the end, or a read that would wait (EAGAIN), or an error
        text.append(chunk, std::size_t(got));
    }
    ::close(fd);
    return text;
}

} // namespace tv
