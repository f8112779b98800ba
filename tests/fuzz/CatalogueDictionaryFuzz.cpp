// One file read as the catalogue (its lines, the Italian dictionaries, the
// sections each choice of exclusions keeps) and as a dictionary (its entry
// count, its terms with and without consecutive repeats, held as a term
// list), through a buffer of 1 byte up to the default size, against plain
// models written from the rules over the file's lines split by the plain split.

#include "FuzzSupport.h"

#include "dictionary/Catalogue.h"
#include "dictionary/Dictionary.h"
#include "dictionary/Exclusions.h"
#include "dictionary/TermList.h"
#include "reference/PlainText.h"

#include <algorithm>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

namespace {

const std::string Separator(24, '_');

void checkCatalogue(const std::string &path, std::size_t bufferSize, const Lines &lines)
{
    const Lines catalogue = zelvora::readCatalogue(path, bufferSize);
    fuzz::expectSame(catalogue, lines, "catalogue lines");

    std::size_t names = 0;
    for (const std::string &line : lines)
        names += line != Separator;
    fuzz::expectSame(zelvora::dictionaryCount(catalogue), names, "dictionary count");

    // Sections 1 to 5 with their separators but the fifth's, then five separators.
    Lines italian;
    int separators = 0;
    for (const std::string &line : lines) {
        separators += line == Separator;
        if (separators >= 5)
            break;
        italian.push_back(line);
    }
    italian.insert(italian.end(), 5, Separator);
    fuzz::expectSame(zelvora::italianDictionaries(catalogue), italian, "Italian dictionaries");

    for (unsigned ticks = 0; ticks < 8; ++ticks) {
        const zelvora::Exclusions exclusions{(ticks & 1) != 0, (ticks & 2) != 0, (ticks & 4) != 0};
        const zelvora::KeptSections kept = zelvora::keptSections(exclusions);
        fuzz::check(kept[0] && kept[1] && kept[2], "sections 1 to 3 are always kept");
        // The lines of the kept sections among the first nine, each with its closing separator.
        Lines active;
        std::size_t section = 0;
        for (const std::string &line : lines) {
            if (section == zelvora::CatalogueSections)
                break;
            if (kept[section])
                active.push_back(line);
            section += line == Separator;
        }
        fuzz::expectSame(zelvora::readActiveList(path, exclusions, bufferSize), active,
                         "active list for exclusions " + std::to_string(ticks));
    }
}

void checkTermList(const zelvora::TermList &list, const Lines &terms, const std::string &what)
{
    fuzz::expectSame(list.size(), terms.size(), what + " size");
    Lines walked, indexed;
    for (const std::string_view term : list)
        walked.emplace_back(term);
    for (std::size_t i = 0; i < list.size(); ++i)
        indexed.emplace_back(list[i]);
    fuzz::expectSame(walked, terms, what + " walked");
    fuzz::expectSame(indexed, terms, what + " by place");
    if (!terms.empty())
        fuzz::expectSame(list.back(), terms.back(), what + " last term");
}

void checkDictionary(const std::string &path, std::size_t bufferSize, const Lines &lines)
{
    // Entries are read two lines at a time until the file ends, at least once.
    const std::size_t entries = std::max<std::size_t>(1, (lines.size() + 1) / 2);
    fuzz::expectSame(zelvora::countEntries(path, bufferSize), entries, "entry count");

    Lines kept, dropped;
    for (std::size_t i = 0; i < entries; ++i) {
        const std::string term = 2 * i < lines.size() ? lines[2 * i] : std::string();
        kept.push_back(term);
        // A term equal to the last one listed (the first compared with the empty term) is not listed again.
        if (term != (dropped.empty() ? std::string() : dropped.back()))
            dropped.push_back(term);
    }
    for (const auto repeats : {zelvora::TermRepeats::Keep, zelvora::TermRepeats::DropConsecutive}) {
        const Lines &expected = repeats == zelvora::TermRepeats::Keep ? kept : dropped;
        const std::string what = repeats == zelvora::TermRepeats::Keep ? "terms" : "terms without repeats";
        std::size_t lastProgress = 0, reports = 0;
        const zelvora::EntryProgress progress = [&](std::size_t read) {
            fuzz::check(read >= lastProgress && read <= entries, what + ": progress out of order");
            lastProgress = read;
            ++reports;
        };
        // The terms are appended to what the list held.
        const bool keep = repeats == zelvora::TermRepeats::Keep;
        Lines terms = keep ? Lines{"earlier"} : Lines{};
        fuzz::expectSame(zelvora::readTerms(path, repeats, terms, progress, bufferSize), entries, what + " entries");
        if (keep)
            terms.erase(terms.begin());
        fuzz::expectSame(terms, expected, what);
        fuzz::check(reports >= 1 && lastProgress == entries, what + ": the last progress report");

        zelvora::TermList list;
        fuzz::expectSame(zelvora::readTerms(path, repeats, list, {}, bufferSize), entries, what + " entries (list)");
        checkTermList(list, expected, what + " (term list)");
    }
    checkTermList(zelvora::TermList(kept), kept, "term list from a list");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::size_t bufferSize = input.bufferSize();
    const std::string_view bytes = input.rest();
    const std::string path = fuzz::writeScratch("file.txt", bytes);
    const Lines lines = zelvora::reference::linesOf(bytes);
    checkCatalogue(path, bufferSize, lines);
    checkDictionary(path, bufferSize, lines);
    return 0;
}
