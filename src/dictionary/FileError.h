#pragma once

#include <stdexcept>
#include <string>

namespace zelvora {

// A file that could not be opened, read or written: names the file, what was
// being done with it and the system's reason.
class FileError : public std::runtime_error {
public:
    enum class Action { Read, Write };

    FileError(std::string path, std::string reason, Action action = Action::Read);

    const std::string &path() const { return path_; }
    const std::string &reason() const { return reason_; }
    Action action() const { return action_; }

    // Builds the error from the current errno.
    static FileError fromErrno(const std::string &path, Action action = Action::Read);

private:
    std::string path_;
    std::string reason_;
    Action action_;
};

} // namespace zelvora
