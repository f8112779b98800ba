#pragma once

// Small dictd dictionaries written by the tests in a temporary folder removed afterwards.

#include <zlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fixture {

// Writes (mode "wb") or appends (mode "ab", a further gzip member) a gzip file.
inline void writeGzip(const std::string &path, std::string_view bytes, const char *mode = "wb")
{
    gzFile file = gzopen(path.c_str(), mode);
    gzwrite(file, bytes.data(), static_cast<unsigned>(bytes.size()));
    gzclose(file);
}

inline void writeFile(const std::string &path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The bytes of a file of these lines, each ended by CR LF.
inline std::string crlf(const std::vector<std::string> &lines)
{
    std::string bytes;
    for (const std::string &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// One definition and the index keys that point at it.
struct Definition { std::vector<std::string> keys; std::string text; };

class Folder {
public:
    Folder()
    {
        std::string name = (std::filesystem::temp_directory_path() / "zelvora-import-test-XXXXXX").string();
        if (!mkdtemp(name.data()))
            throw std::runtime_error("mkdtemp");
        path_ = name;
    }
    ~Folder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    Folder(const Folder &) = delete;
    Folder &operator=(const Folder &) = delete;

    std::string path(const std::string &name) const { return (path_ / name).string(); }
    // Writes the file of that name; returns its path.
    std::string write(const std::string &name, std::string_view bytes) const
    {
        writeFile(path(name), bytes);
        return path(name);
    }
    auto fileCount() const { return std::distance(std::filesystem::directory_iterator(path_), {}); }

    // Writes NAME.index and NAME.dict.dz (or NAME.dict) with dictd's notes
    // (title, url, licence) first; returns the path NAME.
    std::string dictionary(const std::string &name, const std::string &title, const std::vector<Definition> &definitions,
                           bool compressed = true) const
    {
        std::string data, index;
        auto add = [&](const std::vector<std::string> &keys, const std::string &text) {
            const std::string place = base64(data.size()) + "\t" + base64(text.size());
            for (const std::string &key : keys)
                index += key + "\t" + place + "\n";
            data += text;
        };
        add({"00-database-short"}, "00-database-short\n    " + title + "\n");
        add({"00-database-url"}, "00-database-url\n    https://example.org/" + name + "\n");
        add({"00-database-info"}, "00-database-info\nA test dictionary.\n\nLicensed under the GNU General Public License.\n");
        for (const Definition &definition : definitions)
            add(definition.keys, definition.text);
        writeFile(path(name + ".index"), index);
        compressed ? writeGzip(path(name + ".dict.dz"), data) : writeFile(path(name + ".dict"), data);
        return path(name);
    }

private:
    // dictd's numbers: base64 digits, most significant first.
    static std::string base64(std::size_t n)
    {
        return (n >= 64 ? base64(n / 64) : "") + "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"[n % 64];
    }

    std::filesystem::path path_;
};

} // namespace fixture
