#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

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
        std::ofstream(path_, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ~TempFile() { ::unlink(path_.c_str()); }
    TempFile(const TempFile &) = delete;
    TempFile &operator=(const TempFile &) = delete;

    const std::string &path() const { return path_; }

    // A path in the temporary folder that names no file.
    static std::string missingPath() { return uniquePath() + "/missing.txt"; }

private:
    static std::string uniquePath()
    {
        static unsigned counter = 0;
        return (std::filesystem::temp_directory_path()
                / ("zelvora-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".txt"))
            .string();
    }

    std::string path_;
};
