#include "TempFile.h"

#include "dictionary/Catalogue.h"
#include "dictionary/Dictionary.h"
#include "dictionary/FileError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::literals;
using zelvora::TermRepeats;
using Lines = std::vector<std::string>;

namespace {

// The terms read through a buffer of each size; the same whatever the size.
Lines terms(std::string_view bytes, TermRepeats repeats, const Lines &start = {})
{
    const TempFile file(bytes);
    Lines read = start;
    zelvora::readTerms(file.path(), repeats, read);
    for (const std::size_t size : {1, 2, 3, 7}) {
        Lines small = start;
        zelvora::readTerms(file.path(), repeats, small, {}, size);
        EXPECT_EQ(small, read) << "buffer " << size;
    }
    return read;
}

} // namespace

TEST(Dictionary, CountEntriesReadsTwoLinesAtATime)
{
    const std::pair<std::string_view, std::size_t> cases[] = {
        {""sv, 1}, {"T\r\nD"sv, 1}, {"H\r\nD\r\nT\r\n"sv, 2}, {"H\r\nD\r\n\r\n"sv, 2},
        {"H\r\nD\r\nA\r\n1\r\nB\r\n2\r\n"sv, 3}, {"H\r\nD\r\nA\r\n1\r\n\x1A" "B\r\n2\r\n"sv, 2}, {"H\nD\nA\n1\n"sv, 1},
    };
    for (const auto &[bytes, entries] : cases) {
        const TempFile file(bytes);
        for (const std::size_t size : {std::size_t{1}, std::size_t{3}, zelvora::DefaultBufferSize})
            EXPECT_EQ(zelvora::countEntries(file.path(), size), entries) << testing::PrintToString(std::string(bytes));
    }
}

TEST(Dictionary, ReadTermsKeepsOrDropsConsecutiveRepeats)
{
    const auto file = "H\r\nhead\r\nA\r\n1\r\nA\r\n2\r\na\r\n3\r\nA\r\n4\r\nA\r\n5\r\nT"sv;
    EXPECT_EQ(terms(file, TermRepeats::Keep), (Lines{"H", "A", "A", "a", "A", "A", "T"}));
    EXPECT_EQ(terms(file, TermRepeats::DropConsecutive), (Lines{"H", "A", "a", "A", "T"}));
    // The list's last item counts, the empty list's as an empty term.
    EXPECT_EQ(terms("X\r\n1\r\nY\r\n2\r\n"sv, TermRepeats::DropConsecutive, {"X"}), (Lines{"X", "Y"}));
    EXPECT_EQ(terms("\r\nD\r\n\r\nD\r\nA\r\n1\r\n"sv, TermRepeats::DropConsecutive), Lines{"A"});
    EXPECT_EQ(terms(""sv, TermRepeats::Keep), Lines{""});
    EXPECT_EQ(terms("H\r\nD\r\nA\r\n1\x1A" "B\r\n2\r\n"sv, TermRepeats::Keep), (Lines{"H", "A"}));
}

TEST(Dictionary, ReadTermsReportsProgressAndKeepsTheListOnError)
{
    const TempFile file(crlf(Lines(2 * 9001, "t"))); // 9001 entries
    std::vector<std::size_t> calls;
    Lines list = {"kept"};
    zelvora::readTerms(file.path(), TermRepeats::DropConsecutive, list, [&](std::size_t n) { calls.push_back(n); });
    EXPECT_EQ(list, (Lines{"kept", "t"}));
    EXPECT_GT(calls.size(), 1u); // now and then, and at the end
    EXPECT_EQ(calls.back(), 9001u);
    EXPECT_THROW(zelvora::readTerms(TempFile::missingPath(), TermRepeats::Keep, list), zelvora::FileError);
    EXPECT_EQ(list, (Lines{"kept", "t"}));
}

TEST(Catalogue, ReadItalianDictionariesAndCount)
{
    const std::string S(zelvora::SectionSeparator);
    const TempFile file("a.txt\r\n\r\n" + S + "\r\nb.txt");
    for (const std::size_t size : {std::size_t{2}, zelvora::DefaultBufferSize})
        EXPECT_EQ(zelvora::readCatalogue(file.path(), size), (Lines{"a.txt", "", S, "b.txt"}));

    // The Italian dictionaries are those of sections 1 to 5, then five separators.
    const Lines catalogue = {"i1", S, "i2", "i3", S, S, "i4", S, "i5", S, "x6", S, S, S, "x9", S};
    EXPECT_EQ(zelvora::italianDictionaries(catalogue),
              (Lines{"i1", S, "i2", "i3", S, S, "i4", S, "i5", S, S, S, S, S}));
    EXPECT_EQ(zelvora::italianDictionaries({"i1", S, "i2"}), (Lines{"i1", S, "i2", S, S, S, S, S}));
    EXPECT_EQ(zelvora::dictionaryCount(catalogue), 7u);
    EXPECT_FALSE(zelvora::isSeparator(S + " "));
    EXPECT_FALSE(zelvora::isSeparator(S.substr(1)));
}
