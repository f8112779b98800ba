#include "GeneratedDictionary.h"

#include <algorithm>
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

void writeDictionary(const std::string &path, std::size_t entries, unsigned seed, DefinitionLengths lengths)
{
    static constexpr std::string_view DefinitionChars = "abcdefghijklmnopqrstuvwxyz     ,.";
    std::mt19937 rng(seed);
    std::string bytes = "ITALIANO - INGLESE\r\nDizionario generato per le misure\r\n";
    bytes.reserve(entries * (12 + lengths.longest));
    std::string term;
    for (std::size_t i = 1; i < entries; ++i) {
        if (term.empty() || rng() % 10 != 0) {
            term.assign(pick(rng, 3, 12), ' ');
            for (char &c : term)
                c = static_cast<char>('A' + rng() % 26);
        }
        bytes += term;
        bytes += "\r\n";
        for (std::size_t n = pick(rng, lengths.shortest, lengths.longest); n > 0; --n)
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

namespace {

// Where the other dictionaries go: sections 2, 5, 6 and 8.
constexpr int OtherSections[OtherDictionaries] = {2, 5, 6, 8};
constexpr DefinitionLengths LongDefinitions{30, 160};

std::string otherName(int section)
{
    return "dizionario_" + std::to_string(section) + ".txt";
}

bool holdsOther(int section)
{
    return std::find(std::begin(OtherSections), std::end(OtherSections), section) != std::end(OtherSections);
}

// Without the others, sections 2 to 9 each name a file that is not there (start-up never opens them).
std::string makeProgramFolder(const std::string &folderName, std::size_t defaultEntries, bool withOthers)
{
    const fs::path folder = tempRoot() / folderName;
    fs::create_directories(folder / "dizionari");
    std::string catalogue;
    for (int section = 1; section <= 9; ++section) {
        if (section == 1) {
            catalogue += std::string(DefaultDictionary) + "\r\n";
        } else if (!withOthers) {
            catalogue += "sezione_" + std::to_string(section) + ".txt\r\n";
        } else if (holdsOther(section)) {
            catalogue += otherName(section) + "\r\n";
            writeDictionary((folder / "dizionari" / otherName(section)).string(), OtherDictionaryEntries,
                            static_cast<unsigned>(section), LongDefinitions);
        }
        catalogue += std::string(Separator) + "\r\n";
    }
    writeFile(folder / "tutti_i_dizionari.txt", catalogue);
    writeDictionary((folder / "dizionari" / DefaultDictionary).string(), defaultEntries);
    return folder.string() + "/";
}

const std::string &madeOnce(std::map<std::size_t, std::string> &folders, const std::string &kind,
                            std::size_t defaultEntries, bool withOthers)
{
    auto [it, added] = folders.try_emplace(defaultEntries);
    if (added)
        it->second = makeProgramFolder(kind + "-" + std::to_string(defaultEntries), defaultEntries, withOthers);
    return it->second;
}

} // namespace

const std::string &generatedProgramFolder(std::size_t entries)
{
    static std::map<std::size_t, std::string> folders;
    return madeOnce(folders, "program", entries, false);
}

const std::string &generatedCatalogueFolder(std::size_t defaultEntries)
{
    static std::map<std::size_t, std::string> folders;
    return madeOnce(folders, "catalogue", defaultEntries, true);
}

std::vector<std::string> generatedDictionaryNames(bool withOthers)
{
    std::vector<std::string> names = {std::string(DefaultDictionary)};
    if (withOthers)
        for (const int section : OtherSections)
            names.push_back(otherName(section));
    return names;
}

} // namespace zelvora::bench
