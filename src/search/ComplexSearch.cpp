#include "search/ComplexSearch.h"

#include "search/LineMatches.h"

namespace zelvora {

namespace {

constexpr std::size_t ProgressStep = 4096;

void report(const EntryProgress &progress, std::size_t entries)
{
    if (progress && entries % ProgressStep == 0)
        progress(entries);
}

} // namespace

void searchEntries(const std::string &path, std::string_view text, SearchField field, std::vector<std::string> &terms,
                   const EntryProgress &progress, std::size_t bufferSize)
{
    LineMatches matches(path, text, progress, bufferSize);
    if (field == SearchField::None)
        return;
    const bool inTerms = field == SearchField::Terms || field == SearchField::Both;
    const bool inDefinitions = field == SearchField::Definitions || field == SearchField::Both;
    LineMatch match;
    while (terms.size() < ComplexSearchCap && matches.next(match)) {
        if (!match.inDefinition) {
            if (inTerms)
                terms.emplace_back(match.term);
        } else if (inDefinitions) {
            // In both fields a term listed last, from its own entry or the one before, is not listed again.
            if (!(inTerms && !terms.empty() && terms.back() == match.term))
                terms.emplace_back(match.term);
        }
    }
}

DefinitionSearch findDefinition(const std::string &path, std::string_view term, const EntryProgress &progress,
                                std::size_t bufferSize)
{
    LineReader reader(path, bufferSize);
    DefinitionSearch search;
    do {
        ++search.entries;
        if (reader.readLineView() == term) {
            search.definition.emplace(reader.readLineView());
            return search;
        }
        reader.readLineView(); // quicker than skipLine for the short lines of a dictionary
        report(progress, search.entries);
    } while (!reader.atEnd());
    return search;
}

} // namespace zelvora
