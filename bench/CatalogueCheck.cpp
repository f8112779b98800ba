// Checks on the real catalogue that a lookup finds every term of every
// dictionary: for each dictionary it resolves all its terms with the engine in
// one pass, and compares each term's definition with the first entry's, read
// from the whole file split by the line rules (the tests' plain reader).
//
//   zelvora_check_catalogue PROGRAM_FOLDER [BUFFER_SIZE]
//
// Prints a line per dictionary and the totals; exits 1 when a term that the
// lookup's rules can find was not found, or found with another definition.

#include "dictionary/Catalogue.h"
#include "dictionary/Dictionary.h"
#include "dictionary/FileError.h"
#include "reference/PlainText.h"
#include "translate/TermResolver.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

struct Count {
    std::size_t terms = 0;
    std::size_t found = 0;
    std::size_t header = 0;          // the header pair's term, which no entry after it repeats
    std::size_t emptyDefinition = 0; // the term's first entry has an empty definition line
    std::size_t lastLine = 0;        // the term's first entry is the file's last line
    std::size_t missed = 0;          // none of these: the lookup should have found it
    std::size_t wrong = 0;           // found, with another definition than the first entry's

    void add(const Count &other)
    {
        terms += other.terms;
        found += other.found;
        header += other.header;
        emptyDefinition += other.emptyDefinition;
        lastLine += other.lastLine;
        missed += other.missed;
        wrong += other.wrong;
    }
};

Count check(const std::string &path, std::size_t bufferSize)
{
    // The first entry of each term, from line 3 on: its definition, and whether it is the last line.
    struct FirstEntry {
        std::string definition;
        bool lastLine;
    };
    const zelvora::reference::PlainFile file(path);
    const std::vector<std::string> &lines = file.lines();
    const std::string header = lines.empty() ? std::string() : lines.front();
    std::unordered_map<std::string, FirstEntry> firstEntries;
    for (std::size_t i = 2; i < lines.size(); i += 2) {
        const bool last = i + 1 == lines.size();
        firstEntries.try_emplace(lines[i], FirstEntry{last ? std::string() : lines[i + 1], last});
    }

    std::vector<std::string> termList;
    zelvora::readTerms(path, zelvora::TermRepeats::Keep, termList, {}, bufferSize);
    std::vector<std::string> terms;
    std::unordered_set<std::string> seen;
    for (std::string &term : termList)
        if (seen.insert(term).second)
            terms.push_back(std::move(term));
    const zelvora::Resolution resolution = zelvora::resolveTerms(path, terms, {}, {}, bufferSize);

    Count count;
    count.terms = terms.size();
    for (const std::string &term : terms) {
        const std::string_view definition = resolution.definitionOf(term);
        const auto first = firstEntries.find(term);
        if (first == firstEntries.end())
            ++(definition.empty() && term == header ? count.header : count.missed);
        else if (!definition.empty())
            ++(definition == first->second.definition ? count.found : count.wrong);
        else if (first->second.lastLine)
            ++count.lastLine;
        else if (first->second.definition.empty())
            ++count.emptyDefinition;
        else
            ++count.missed;
    }
    return count;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER [BUFFER_SIZE]\n", argv[0]);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const std::size_t bufferSize = argc == 3 ? std::strtoul(argv[2], nullptr, 10) : zelvora::DefaultBufferSize;
    try {
        Count total;
        std::size_t dictionaries = 0;
        for (const std::string &name : zelvora::readCatalogue(folder + zelvora::CatalogFileName)) {
            if (zelvora::isSeparator(name))
                continue;
            const Count count = check(folder + "dizionari/" + name, bufferSize);
            std::printf("%-28s %8zu terms %8zu found; not found: %zu header, %zu empty definition, %zu last line;"
                        " %zu missed, %zu wrong\n",
                        name.c_str(), count.terms, count.found, count.header, count.emptyDefinition, count.lastLine,
                        count.missed, count.wrong);
            total.add(count);
            ++dictionaries;
        }
        std::printf("%zu dictionaries, buffer of %zu bytes: %zu terms, %zu found; not found: %zu header, %zu empty "
                    "definition, %zu last line; %zu missed, %zu wrong\n",
                    dictionaries, bufferSize, total.terms, total.found, total.header, total.emptyDefinition,
                    total.lastLine, total.missed, total.wrong);
        return total.missed + total.wrong == 0 ? 0 : 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
}
