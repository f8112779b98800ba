#include "import/Writer.h"

#include "dictionary/UpperCase.h"
#include "import/ImportError.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace zelvora::dictd {

namespace {

std::string_view trimBytes(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "(n.) 2. casa" and "2. (n.) casa" to "CASA".
std::string pieceKey(std::string_view piece)
{
    piece = trimBytes(piece);
    for (int round = 0; round < 2; ++round) {
        std::size_t digits = 0;
        while (digits < piece.size() && isDigit(piece[digits]))
            ++digits;
        if (digits > 0 && digits < piece.size() && piece[digits] == '.')
            piece = trimBytes(piece.substr(digits + 1));
        if (!piece.empty() && piece.front() == '(') {
            const std::size_t close = piece.find(')');
            if (close != std::string_view::npos && close + 1 < piece.size())
                piece = trimBytes(piece.substr(close + 1));
        }
    }
    return toUpperFull(piece);
}

std::vector<std::string> pieces(std::string_view definition)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= definition.size(); ++i) {
        if (i == definition.size() || definition[i] == ',' || definition[i] == ';') {
            std::string key = pieceKey(definition.substr(start, i - start));
            if (!key.empty())
                result.push_back(std::move(key));
            start = i + 1;
        }
    }
    return result;
}

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

std::size_t sortAndDropRepeats(std::vector<Entry> &entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.term < b.term; });
    std::vector<Entry> kept;
    kept.reserve(entries.size());
    std::set<std::string> seen; // the pieces of the current term's entries
    for (Entry &entry : entries) {
        if (kept.empty() || kept.back().term != entry.term)
            seen.clear();
        const std::vector<std::string> entryPieces = pieces(entry.definition);
        const bool addsNothing =
            !entryPieces.empty() && std::all_of(entryPieces.begin(), entryPieces.end(),
                                                [&](const std::string &piece) { return seen.count(piece) > 0; });
        const bool sameTerm = !kept.empty() && kept.back().term == entry.term;
        if (sameTerm && addsNothing)
            continue;
        seen.insert(entryPieces.begin(), entryPieces.end());
        kept.push_back(std::move(entry));
    }
    const std::size_t dropped = entries.size() - kept.size();
    entries = std::move(kept);
    return dropped;
}

void writeDictionary(const std::string &path, const Header &header, const std::vector<Entry> &entries)
{
    TemporaryFile temporary(path);
    std::FILE *file = temporary.file();
    auto line = [file](std::string_view text) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fwrite("\r\n", 1, 2, file);
    };
    line(toUpperFull(header.title));
    line(header.source);
    for (const Entry &entry : entries) {
        line(entry.term);
        line(entry.definition);
    }
    if (std::ferror(file) || !temporary.commit(path))
        throw ImportError(path, std::string("cannot write: ") + std::strerror(errno));
}

} // namespace zelvora::dictd
