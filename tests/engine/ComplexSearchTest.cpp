// The complex search and its definition display: file errors, and the engine
// against the step-by-step reference on random dictionaries and at the cap.

#include "Equivalence.h"
#include "ReferenceField.h"
#include "TempFile.h"

#include "dictionary/FileError.h"
#include "reference/ComplexSearchStepByStep.h"
#include "reference/PlainText.h"
#include "search/ComplexSearch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zelvora::SearchField;
using Lines = std::vector<std::string>;
namespace reference = zelvora::reference;

namespace {

Lines search(const std::string &path, const std::string &text, SearchField field,
             std::size_t bufferSize = zelvora::DefaultBufferSize)
{
    Lines terms;
    zelvora::searchEntries(path, text, field, terms, {}, bufferSize);
    return terms;
}

// One search with the engine and with the reference; returns the results.
Lines compareSearch(const std::string &path, const std::string &text, SearchField field, std::size_t bufferSize)
{
    SCOPED_TRACE("field " + std::to_string(static_cast<int>(field)) + " text " + testing::PrintToString(text));
    reference::SearchWindow w;
    w.searchedFile = path;
    w.edit1 = text;
    w.comboBox1 = referenceField(field);
    reference::Button1Click(w);
    const Lines terms = search(path, text, field, bufferSize);
    expectSameLines(terms, w.comboBox2);
    return terms;
}

void compareDefinition(const std::string &path, const std::string &term, std::size_t bufferSize)
{
    SCOPED_TRACE("definition of " + testing::PrintToString(term));
    reference::SearchWindow w;
    w.searchedFile = path;
    reference::ComboBox2Change(w, term);
    const zelvora::DefinitionSearch found = zelvora::findDefinition(path, term, {}, bufferSize);
    EXPECT_EQ(found.definition ? Lines{*found.definition} : Lines{}, w.richEdit1);
    EXPECT_EQ(found.entries, w.gaugePosition);
}

// Few characters, so that texts occur often, in terms and definitions alike,
// in capitals and in small letters; a LF without a CR stays inside a line.
const std::string Alphabet = "CASNcas\xC0\xE0 -\n";

std::string randomText(Rng &rng, int low, int high)
{
    std::string s;
    for (int n = number(rng, low, high); n > 0; --n)
        s += Alphabet[static_cast<std::size_t>(number(rng, 0, static_cast<int>(Alphabet.size()) - 1))];
    return s;
}

// A part of the line, in capitals now and then, or nothing; now and then
// across its line end, which no line holds.
std::string partOf(Rng &rng, const std::string &line)
{
    const auto from = static_cast<std::size_t>(number(rng, 0, static_cast<int>(line.size())));
    const std::string part = line.substr(from, static_cast<std::size_t>(number(rng, 0, 3)));
    if (chance(rng, 0.05))
        return part + (chance(rng, 0.5) ? "\r\n" : "\r");
    return chance(rng, 0.5) ? reference::upperFull(part) : part;
}

} // namespace

TEST(ComplexSearch, FileErrorsNameTheFile)
{
    const std::string missing = TempFile::missingPath();
    for (const SearchField field : {SearchField::None, SearchField::Terms}) {
        Lines terms;
        try {
            zelvora::searchEntries(missing, "A", field, terms);
            ADD_FAILURE() << "no error";
        } catch (const zelvora::FileError &error) {
            EXPECT_EQ(error.path(), missing);
        }
    }
    EXPECT_THROW(zelvora::findDefinition(missing, "A"), zelvora::FileError);
}

TEST(ComplexSearch, RandomDictionariesMatchTheSteps)
{
    Rng rng(3708);
    for (int round = 0; round < 600; ++round) {
        const std::size_t bufferSize = bufferSizeFor(round);
        SCOPED_TRACE("round " + std::to_string(round) + ", buffer " + std::to_string(bufferSize));
        // Terms repeated now and then on the next entry; definitions that take
        // their term in now and then.
        Lines lines = {randomText(rng, 0, 6), randomText(rng, 0, 6)};
        // Now and then long enough for whole blocks without the text.
        for (int i = chance(rng, 0.1) ? 300 : number(rng, 0, 25); i > 0; --i) {
            const std::string term = chance(rng, 0.2) ? lines[lines.size() - 2] : randomText(rng, 0, 6);
            lines.insert(lines.end(), {term, chance(rng, 0.2) ? term + randomText(rng, 0, 3) : randomText(rng, 0, 8)});
        }
        const TempFile file(chance(rng, 0.03) ? "" : dictionaryBytes(rng, lines, "CASA"));
        SCOPED_TRACE("dictionary " + testing::PrintToString(lines));
        using enum SearchField;
        for (const SearchField field : {None, Terms, Definitions, Both}) {
            const Lines found = compareSearch(file.path(), partOf(rng, pick(rng, lines)), field, bufferSize);
            for (std::size_t i = 0; i < found.size() && i < 4; ++i)
                compareDefinition(file.path(), found[i], bufferSize);
        }
        compareDefinition(file.path(), randomText(rng, 0, 2), bufferSize);
    }
}

TEST(ComplexSearch, CapOf32000MatchesTheSteps)
{
    // Every entry's term and definition hold the text, every third term twice in a row.
    std::string bytes = "CASA TITOLO\r\nintestazione CASA\r\n";
    for (int i = 1; i <= 32010; ++i) {
        const std::string term = "CASA" + std::to_string(i - i % 3 / 2);
        bytes += term + "\r\nCASA " + std::to_string(i) + "\r\n";
    }
    bytes += "ULTIMA CASA\r\nCASA\r\n";
    const TempFile file(bytes);
    for (const SearchField field : {SearchField::Terms, SearchField::Definitions, SearchField::Both}) {
        const Lines terms = compareSearch(file.path(), "CASA", field, 7);
        ASSERT_EQ(terms.size(), zelvora::ComplexSearchCap);
        EXPECT_EQ(terms.front(), "CASA TITOLO");
    }
    compareDefinition(file.path(), "ULTIMA CASA", zelvora::DefaultBufferSize);
}
