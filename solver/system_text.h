#pragma once
// Small system files (/proc, /sys/fs/cgroup) read as the thread rule and the start-up checks read
// them: a name there can be anything (a FIFO with no writer, a device that never ends), so the
// read neither waits nor goes on without end.
#include <cstddef>
#include <optional>
#include <string>

namespace tv {

/// What a system file is read up to: /proc/stat of a machine of a few hundred processors, with
/// its interrupt counts, stays below it.
inline constexpr std::size_t kSystemTextLimit = std::size_t{256} << 10;

/// The text of the file at `path`, opened without blocking and read until its end, until a read
/// would wait (a FIFO, a device) or until `limit` bytes; nothing when it cannot be opened.
std::optional<std::string> readSystemText(const std::string& path, std::size_t limit = kSystemTextLimit);

} // namespace tv
