#pragma once

#include <stdexcept>
#include <string>

namespace zelvora::dictd {

// An input that cannot be converted or an output that cannot be written:
// names the file and says why.
class ImportError : public std::runtime_error {
public:
    ImportError(const std::string &path, const std::string &reason)
        : std::runtime_error(path + ": " + reason), path_(path)
    {
    }

    const std::string &path() const { return path_; }

private:
    std::string path_;
};

} // namespace zelvora::dictd
