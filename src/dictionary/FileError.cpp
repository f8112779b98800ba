#include "dictionary/FileError.h"

#include <cerrno>
#include <cstring>

namespace zelvora {

FileError::FileError(std::string path, std::string reason, Action action)
    : std::runtime_error(path + ": " + reason), path_(std::move(path)), reason_(std::move(reason)), action_(action)
{
}

FileError FileError::fromErrno(const std::string &path, Action action)
{
    return FileError(path, std::strerror(errno), action);
}

} // namespace zelvora
