// The complex search against its step-by-step reference (the terms whose
// term, definition or either holds a text; the definition of a term picked),
// and the line matches it is built on against the plain split of the file:
// every line holding the text, once, whether it is a term or a definition
// line, and its entry's term; through a buffer of 1 byte up to the default
// size, which the matches grow to hold a long entry.
//
// Input: two bytes of buffer size, a byte of choices, then the text looked
// for, the term picked and the dictionary's bytes, in parts.

#include "FuzzSupport.h"
#include "ReferenceField.h"

#include "reference/ComplexSearchStepByStep.h"
#include "reference/PlainText.h"
#include "search/ComplexSearch.h"
#include "search/LineMatches.h"

#include <string>
#include <vector>

using zelvora::SearchField;
using Lines = std::vector<std::string>;
namespace reference = zelvora::reference;

namespace {

void checkLineMatches(const std::string &path, const std::string &text, const Lines &lines, std::size_t bufferSize)
{
    struct Match {
        bool inDefinition;
        std::string term;
    };
    std::vector<Match> expected;
    if (!text.empty())
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].find(text) != std::string::npos)
                expected.push_back({i % 2 == 1, lines[i - i % 2]});
    std::size_t reports = 0;
    zelvora::LineMatches matches(path, text, [&](std::size_t) { ++reports; }, bufferSize);
    zelvora::LineMatch match;
    std::size_t found = 0;
    while (matches.next(match)) {
        const std::string what = "line match " + std::to_string(found);
        fuzz::check(found < expected.size(), "more line matches than lines holding the text");
        fuzz::check(match.inDefinition == expected[found].inDefinition, what + ": in the definition");
        fuzz::expectSame(match.term, expected[found].term, what + ": term");
        ++found;
    }
    fuzz::expectSame(found, expected.size(), "line matches");
    fuzz::check(!matches.next(match), "a line match after the last");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::size_t bufferSize = input.bufferSize();
    const auto field = static_cast<SearchField>(input.byte() % 4);
    const std::string text(input.part());
    const std::string picked(input.part());
    const std::string_view bytes = input.rest();
    const std::string path = fuzz::writeScratch("dizionario.txt", bytes);

    checkLineMatches(path, text, reference::linesOf(bytes), bufferSize);

    reference::SearchWindow w;
    w.searchedFile = path;
    w.edit1 = text;
    w.comboBox1 = referenceField(field);
    reference::Button1Click(w);
    Lines terms;
    zelvora::searchEntries(path, text, field, terms, {}, bufferSize);
    fuzz::expectSame(terms, w.comboBox2, "complex search");

    // The term picked, and the first and last terms found.
    Lines pickedTerms = {picked};
    if (!terms.empty())
        pickedTerms.insert(pickedTerms.end(), {terms.front(), terms.back()});
    for (const std::string &term : pickedTerms) {
        reference::SearchWindow shown;
        shown.searchedFile = path;
        reference::ComboBox2Change(shown, term);
        const zelvora::DefinitionSearch found = zelvora::findDefinition(path, term, {}, bufferSize);
        fuzz::expectSame(found.definition ? Lines{*found.definition} : Lines{}, shown.richEdit1,
                         "definition of \"" + fuzz::printable(term) + "\"");
        fuzz::expectSame(found.entries, shown.gaugePosition, "entries read for the definition");
    }
    return 0;
}
