#pragma once

// Small dictd dictionaries written by the tests themselves, in a temporary
// folder removed afterwards, and the reading back of a converted file.

#include <zlib.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fixture {

// One definition and the index keys that point at it.
struct Definition {
    std::vector<std::string> keys;
    std::string text;
};

inline std::string base64Number(std::uint64_t value)
{
    static const char Digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string digits;
    do {
        digits.insert(digits.begin(), Digits[value % 64]);
        value /= 64;
    } while (value > 0);
    return digits;
}

inline std::string gzip(std::string_view bytes)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    std::string out(deflateBound(&stream, static_cast<uLong>(bytes.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

inline void writeFile(const std::filesystem::path &path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A temporary folder holding dictd dictionaries.
class Folder {
public:
    Folder()
    {
        static std::atomic<unsigned> counter{0};
        static const unsigned long long seed = std::random_device{}();
        path_ = std::filesystem::temp_directory_path() /
                ("zelvora-import-test-" + std::to_string(seed) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~Folder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    Folder(const Folder &) = delete;
    Folder &operator=(const Folder &) = delete;

    std::string path(std::string_view name) const { return (path_ / name).string(); }

    // Writes NAME.index and NAME.dict.dz (or NAME.dict), the dictionary's
    // title first as 00-database-short; returns the path NAME.
    std::string dictionary(const std::string &name, const std::string &title, const std::vector<Definition> &definitions,
                           bool compressed = true) const
    {
        std::string data;
        std::string index;
        auto add = [&](const std::vector<std::string> &keys, const std::string &text) {
            const std::string place = base64Number(data.size()) + "\t" + base64Number(text.size());
            for (const std::string &key : keys)
                index += key + "\t" + place + "\n";
            data += text;
        };
        add({"00-database-short"}, "00-database-short\n    " + title + "\n");
        add({"00-database-url"}, "00-database-url\n    https://example.org/" + name + "\n");
        add({"00-database-info"}, "00-database-info\nA test dictionary.\n\nLicensed under the GNU General Public License.\n");
        for (const Definition &definition : definitions)
            add(definition.keys, definition.text);
        writeFile(path_ / (name + ".index"), index);
        if (compressed)
            writeFile(path_ / (name + ".dict.dz"), gzip(data));
        else
            writeFile(path_ / (name + ".dict"), data);
        return path(name);
    }

    bool isEmpty() const { return std::filesystem::is_empty(path_); }
    std::vector<std::string> fileNames() const
    {
        std::vector<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        return names;
    }

private:
    std::filesystem::path path_;
};

// The lines of a converted file, split at CR LF; throws when a line ends otherwise.
inline std::vector<std::string> lines(const std::string &bytes)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos)
            throw std::runtime_error("the last line has no CR LF");
        const std::string line = bytes.substr(start, end - start);
        if (line.find_first_of("\r\n") != std::string::npos)
            throw std::runtime_error("a bare CR or LF in: " + line);
        result.push_back(line);
        start = end + 2;
    }
    return result;
}

// The entries of a converted file after its header pair, as (term, definition).
inline std::vector<std::pair<std::string, std::string>> entries(const std::string &path)
{
    const std::vector<std::string> all = lines(readFile(path));
    std::vector<std::pair<std::string, std::string>> result;
    for (std::size_t i = 2; i + 1 < all.size(); i += 2)
        result.emplace_back(all[i], all[i + 1]);
    return result;
}

} // namespace fixture
