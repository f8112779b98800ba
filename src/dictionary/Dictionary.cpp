#include "dictionary/Dictionary.h"

namespace zelvora {

namespace {

constexpr std::size_t ProgressStep = 4096;

void append(TermList &terms, std::string_view term)
{
    terms.push_back(term);
}

void append(std::vector<std::string> &terms, std::string_view term)
{
    terms.emplace_back(term);
}

template <typename Terms>
std::size_t readTermsInto(const std::string &path, TermRepeats repeats, Terms &terms, const EntryProgress &progress,
                          std::size_t bufferSize)
{
    LineReader reader(path, bufferSize);
    std::size_t entries = 0;
    do {
        const std::string_view term = reader.readLineView();
        const bool repeated = terms.empty() ? term.empty() : term == terms.back();
        if (repeats == TermRepeats::Keep || !repeated)
            append(terms, term);
        reader.skipLine();
        ++entries;
        if (progress && entries % ProgressStep == 0)
            progress(entries);
    } while (!reader.atEnd());
    if (progress)
        progress(entries);
    return entries;
}

} // namespace

std::size_t countEntries(const std::string &path, std::size_t bufferSize)
{
    LineReader reader(path, bufferSize);
    std::size_t count = 0;
    do {
        reader.skipLine();
        reader.skipLine();
        ++count;
    } while (!reader.atEnd());
    return count;
}

std::size_t readTerms(const std::string &path, TermRepeats repeats, TermList &terms, const EntryProgress &progress,
                      std::size_t bufferSize)
{
    return readTermsInto(path, repeats, terms, progress, bufferSize);
}

std::size_t readTerms(const std::string &path, TermRepeats repeats, std::vector<std::string> &terms,
                      const EntryProgress &progress, std::size_t bufferSize)
{
    return readTermsInto(path, repeats, terms, progress, bufferSize);
}

} // namespace zelvora
