#include "import/Writer.h"

#include "dictionary/UpperCase.h"
#include "import/ImportError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace zelvora::dictd {

namespace {

// The temporary file, removed unless it was renamed.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string &path)
    {
        const std::filesystem::path target(path);
        const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
        name_ = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
        const int fd = mkstemp(name_.data());
        if (fd < 0)
            throw ImportError(path, std::string("cannot write in its folder: ") + std::strerror(errno));
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
        file_ = fdopen(fd, "wb");
        if (!file_) {
            close(fd);
            std::remove(name_.c_str());
            throw ImportError(path, std::string("cannot write: ") + std::strerror(errno));
        }
    }
    ~TemporaryFile()
    {
        if (file_)
            std::fclose(file_);
        if (!renamed_)
            std::remove(name_.c_str());
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    std::FILE *file() const { return file_; }

    // Closes the file and puts it in place of `path`; false on failure, errno telling why.
    bool commit(const std::string &path)
    {
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        if (!closed || std::rename(name_.c_str(), path.c_str()) != 0)
            return false;
        renamed_ = true;
        return true;
    }

private:
    std::string name_;
    std::FILE *file_ = nullptr;
    bool renamed_ = false;
};

} // namespace

void writeDictionary(const std::string &path, const Header &header, const std::vector<WrittenEntry> &entries)
{
    TemporaryFile temporary(path);
    std::FILE *file = temporary.file();
    auto line = [file](std::string_view text) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fwrite("\r\n", 1, 2, file);
    };
    line(toUpperFull(header.title));
    line(header.source);
    for (const WrittenEntry &entry : entries) {
        line(entry.term);
        line(entry.definition);
    }
    if (std::ferror(file) || !temporary.commit(path))
        throw ImportError(path, std::string("cannot write: ") + std::strerror(errno));
}

} // namespace zelvora::dictd
