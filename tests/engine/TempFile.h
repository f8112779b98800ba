#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

// The bytes of a file of the given lines, each ended by CR LF.
inline std::string crlf(const std::vector<std::string> &lines)
{
    std::string bytes;
    for (const std::string &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// A file under the temporary folder holding the given bytes; removed when destroyed.
class TempFile {
public:
    explicit TempFile(std::string_view bytes) : path_(uniquePath())
    {
        std::ofstream out(path_, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ~TempFile()
    {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    TempFile(const TempFile &) = delete;
    TempFile &operator=(const TempFile &) = delete;

    std::string path() const { return path_.string(); }

    // A path in the temporary folder that names no file.
    static std::string missingPath() { return (uniquePath() / "missing.txt").string(); }

private:
    static std::filesystem::path uniquePath()
    {
        static std::atomic<unsigned> counter{0};
        static const unsigned long long seed = std::random_device{}();
        for (;;) {
            const auto candidate = std::filesystem::temp_directory_path()
                / ("zelvora-test-" + std::to_string(seed) + "-" + std::to_string(counter++) + ".txt");
            if (!std::filesystem::exists(candidate))
                return candidate;
        }
    }

    std::filesystem::path path_;
};
