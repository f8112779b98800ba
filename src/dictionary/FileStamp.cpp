#include "dictionary/FileStamp.h"

#include <algorithm>

#include <sys/stat.h>

namespace zelvora {

namespace {
// The coarsest step of file times, with room to spare.
constexpr std::chrono::seconds TimeStep{3};

std::chrono::system_clock::time_point timeOf(std::int64_t seconds, std::int64_t nanoseconds)
{
    return std::chrono::system_clock::time_point(std::chrono::duration_cast<std::chrono::system_clock::duration>(
        std::chrono::seconds(seconds) + std::chrono::nanoseconds(nanoseconds)));
}
} // namespace

std::optional<FileStamp> stampOf(const std::string &path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    FileStamp stamp;
    stamp.device = static_cast<std::uint64_t>(status.st_dev);
    stamp.inode = static_cast<std::uint64_t>(status.st_ino);
    stamp.size = static_cast<std::int64_t>(status.st_size);
    stamp.modifiedSeconds = status.st_mtim.tv_sec;
    stamp.modifiedNanoseconds = status.st_mtim.tv_nsec;
    stamp.changedSeconds = status.st_ctim.tv_sec;
    stamp.changedNanoseconds = status.st_ctim.tv_nsec;
    return stamp;
}

bool isSettled(const FileStamp &stamp, std::chrono::system_clock::time_point taken)
{
    const auto lastChange = std::max(timeOf(stamp.modifiedSeconds, stamp.modifiedNanoseconds),
                                     timeOf(stamp.changedSeconds, stamp.changedNanoseconds));
    return lastChange + TimeStep <= taken;
}

} // namespace zelvora
