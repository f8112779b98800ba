#include "dictionary/Catalogue.h"

#include <algorithm>

namespace zelvora {

namespace {
constexpr int ItalianSections = 5;
} // namespace

bool isSeparator(std::string_view line)
{
    return line == SectionSeparator;
}

std::vector<std::string> readCatalogue(const std::string &path, std::size_t bufferSize)
{
    LineReader reader(path, bufferSize);
    std::vector<std::string> lines;
    while (!reader.atEnd())
        lines.emplace_back(reader.readLineView());
    return lines;
}

std::vector<std::string> italianDictionaries(const std::vector<std::string> &catalogueLines)
{
    std::vector<std::string> italian;
    int separatorsSeen = 0;
    for (const std::string &line : catalogueLines) {
        if (isSeparator(line))
            ++separatorsSeen;
        if (separatorsSeen < ItalianSections)
            italian.push_back(line);
    }
    italian.insert(italian.end(), ItalianSections, std::string(SectionSeparator));
    return italian;
}

std::size_t dictionaryCount(const std::vector<std::string> &lines)
{
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(), [](const std::string &line) { return !isSeparator(line); }));
}

} // namespace zelvora
