#include "GeneratedDictionary.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <stdexcept>
#include <string_view>

namespace fs = std::filesystem;

namespace zelvora::bench {

namespace {

constexpr std::string_view Separator = "________________________";
constexpr std::string_view DefaultDictionary = "italiano_inglese.txt";

// A fresh folder under the system's temporary directory, removed at exit.
class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "zelvora-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path &path() const { return path_; }

private:
    fs::path path_;
};

const fs::path &tempRoot()
{
    static const TempFolder folder;
    return folder.path();
}

void writeFile(const fs::path &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

// Uniform enough for test data, and the same on every standard library.
std::size_t pick(std::mt19937 &rng, std::size_t low, std::size_t high)
{
    return low + rng() % (high - low + 1);
}

} // namespace

void writeDictionary(const std::string &path, std::size_t entries, unsigned seed)
{
    static constexpr std::string_view DefinitionChars = "abcdefghijklmnopqrstuvwxyz     ,.";
    std::mt19937 rng(seed);
    std::string bytes = "ITALIANO - INGLESE\r\nDizionario generato per le misure\r\n";
    bytes.reserve(entries * 48);
    std::string term;
    for (std::size_t i = 1; i < entries; ++i) {
        if (term.empty() || rng() % 10 != 0) {
            term.assign(pick(rng, 3, 12), ' ');
            for (char &c : term)
                c = static_cast<char>('A' + rng() % 26);
        }
        bytes += term;
        bytes += "\r\n";
        for (std::size_t n = pick(rng, 10, 60); n > 0; --n)
            bytes += DefinitionChars[rng() % DefinitionChars.size()];
        bytes += "\r\n";
    }
    writeFile(path, bytes);
}

const std::string &generatedDictionary(std::size_t entries)
{
    static std::map<std::size_t, std::string> paths;
    auto [it, added] = paths.try_emplace(entries);
    if (added) {
        it->second = (tempRoot() / ("dictionary-" + std::to_string(entries) + ".txt")).string();
        writeDictionary(it->second, entries);
    }
    return it->second;
}

const std::string &generatedProgramFolder(std::size_t entries)
{
    static std::map<std::size_t, std::string> folders;
    auto [it, added] = folders.try_emplace(entries);
    if (added) {
        const fs::path folder = tempRoot() / ("program-" + std::to_string(entries));
        fs::create_directories(folder / "dizionari");
        std::string catalogue;
        for (int section = 1; section <= 9; ++section) {
            catalogue += section == 1 ? std::string(DefaultDictionary) : "sezione_" + std::to_string(section) + ".txt";
            catalogue += "\r\n";
            catalogue += Separator;
            catalogue += "\r\n";
        }
        writeFile(folder / "tutti_i_dizionari.txt", catalogue);
        writeDictionary((folder / "dizionari" / DefaultDictionary).string(), entries);
        it->second = folder.string() + "/";
    }
    return it->second;
}

} // namespace zelvora::bench
