#include "dictionary/FileError.h"

#include <cerrno>
#include <cstring>

namespace zelvora {

FileError::FileError(std::string path, std::string reason)
    : std::runtime_error(path + ": " + reason), path_(std::move(path)), reason_(std::move(reason))
{
}

FileError FileError::fromErrno(const std::string &path)
{
    return FileError(path, std::strerror(errno));
}

} // namespace zelvora
