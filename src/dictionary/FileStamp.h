#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace zelvora {

// What tells one state of a file from another: which file it is (its device
// and inode), its size, and when its content and its status last changed.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    std::int64_t changedSeconds = 0;
    std::int64_t changedNanoseconds = 0;

    bool operator==(const FileStamp &) const = default;
};

// The stamp of the file as it is now; nothing when there is no file to stamp.
std::optional<FileStamp> stampOf(const std::string &path);

// True when the stamp, taken at `taken`, is bound to change with any later
// change of the file: file times move in steps (of two seconds on some file
// systems), and a file changed within the step in which it was stamped may
// change again and keep the same times.
bool isSettled(const FileStamp &stamp, std::chrono::system_clock::time_point taken);

} // namespace zelvora
