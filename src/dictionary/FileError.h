#pragma once

#include <stdexcept>
#include <string>

namespace zelvora {

// A file that could not be opened or read: names the file and the system's reason.
class FileError : public std::runtime_error {
public:
    FileError(std::string path, std::string reason);

    const std::string &path() const { return path_; }
    const std::string &reason() const { return reason_; }

    // Builds the error from the current errno.
    static FileError fromErrno(const std::string &path);

private:
    std::string path_;
    std::string reason_;
};

} // namespace zelvora
