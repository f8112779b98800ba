#include "TempFile.h"

#include "dictionary/Catalogue.h"
#include "dictionary/Dictionary.h"
#include "dictionary/FileError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace std::literals;
using zelvora::TermRepeats;

namespace {

std::vector<std::string> terms(std::string_view bytes, TermRepeats repeats, std::vector<std::string> start = {})
{
    const TempFile file(bytes);
    zelvora::readTerms(file.path(), repeats, start);
    return start;
}

const std::string Sep(zelvora::SectionSeparator);

} // namespace

TEST(Dictionary, CountEntries)
{
    const struct {
        std::string_view bytes;
        std::size_t entries;
    } cases[] = {
        {""sv, 1},
        {"T\r\nD\r\n"sv, 1},
        {"T\r\nD"sv, 1},
        {"H\r\nD\r\nT\r\n"sv, 2},
        {"H\r\nD\r\n\r\n"sv, 2},
        {"H\r\nD\r\nA\r\n1\r\nB\r\n2\r\n"sv, 3},
        {"H\r\nD\r\nA\r\n1\r\n\x1A" "B\r\n2\r\n"sv, 2},
        {"H\nD\nA\n1\n"sv, 1},
    };
    for (const auto &c : cases) {
        const TempFile file(c.bytes);
        EXPECT_EQ(zelvora::countEntries(file.path()), c.entries) << testing::PrintToString(std::string(c.bytes));
    }
    EXPECT_THROW(zelvora::countEntries(TempFile::missingPath()), zelvora::FileError);
}

TEST(Dictionary, ReadTermsKeepsOrDropsConsecutiveRepeats)
{
    const auto file = "H\r\nhead\r\nA\r\n1\r\nA\r\n2\r\nB\r\n3\r\nA\r\n4\r\nA\r\n5\r\n"sv;
    EXPECT_EQ(terms(file, TermRepeats::Keep), (std::vector<std::string>{"H", "A", "A", "B", "A", "A"}));
    EXPECT_EQ(terms(file, TermRepeats::DropConsecutive), (std::vector<std::string>{"H", "A", "B", "A"}));

    // An empty term at the start equals the empty list's last item.
    const auto emptyHead = "\r\nD\r\n\r\nD\r\nA\r\n1\r\n"sv;
    EXPECT_EQ(terms(emptyHead, TermRepeats::DropConsecutive), (std::vector<std::string>{"A"}));
    EXPECT_EQ(terms(emptyHead, TermRepeats::Keep), (std::vector<std::string>{"", "", "A"}));
    EXPECT_EQ(terms(""sv, TermRepeats::Keep), (std::vector<std::string>{""}));
    EXPECT_EQ(terms(""sv, TermRepeats::DropConsecutive), (std::vector<std::string>{}));

    // Terms are appended; the list's existing last item counts.
    EXPECT_EQ(terms("X\r\n1\r\nY\r\n2\r\n"sv, TermRepeats::DropConsecutive, {"X"}),
              (std::vector<std::string>{"X", "Y"}));
    EXPECT_EQ(terms("X\r\n1\r\n"sv, TermRepeats::Keep, {"X"}), (std::vector<std::string>{"X", "X"}));

    // Ragged end, trailing blank line, Ctrl+Z, and case-sensitive comparison.
    EXPECT_EQ(terms("H\r\nD\r\nT"sv, TermRepeats::Keep), (std::vector<std::string>{"H", "T"}));
    EXPECT_EQ(terms("H\r\nD\r\n\r\n"sv, TermRepeats::Keep), (std::vector<std::string>{"H", ""}));
    EXPECT_EQ(terms("H\r\nD\r\nA\r\n1\x1A" "B\r\n2\r\n"sv, TermRepeats::Keep), (std::vector<std::string>{"H", "A"}));
    EXPECT_EQ(terms("a\r\n1\r\nA\r\n2\r\na \r\n3\r\n"sv, TermRepeats::DropConsecutive),
              (std::vector<std::string>{"a", "A", "a "}));
}

TEST(Dictionary, ReadTermsProgressAndErrors)
{
    std::string bytes = "H\r\nD\r\n";
    for (int i = 0; i < 9000; ++i)
        bytes += "t" + std::to_string(i) + "\r\nd\r\n";
    const TempFile file(bytes);
    std::vector<std::size_t> calls;
    std::vector<std::string> list;
    zelvora::readTerms(file.path(), TermRepeats::Keep, list, [&calls](std::size_t n) { calls.push_back(n); });
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), 9001u);
    EXPECT_EQ(calls.back(), zelvora::countEntries(file.path()));
    EXPECT_TRUE(std::is_sorted(calls.begin(), calls.end()));
    ASSERT_EQ(list.size(), 9001u);
    EXPECT_EQ(list[9000], "t8999");

    const TempFile empty(""sv);
    calls.clear();
    list.clear();
    zelvora::readTerms(empty.path(), TermRepeats::DropConsecutive, list, [&calls](std::size_t n) { calls.push_back(n); });
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), 1u);

    list = {"kept"};
    EXPECT_THROW(zelvora::readTerms(TempFile::missingPath(), TermRepeats::Keep, list), zelvora::FileError);
    EXPECT_EQ(list, (std::vector<std::string>{"kept"}));
}

TEST(Catalogue, ReadCatalogue)
{
    const TempFile file("a.txt\r\n\r\n" + Sep + "\r\nb.txt\r\n");
    EXPECT_EQ(zelvora::readCatalogue(file.path()), (std::vector<std::string>{"a.txt", "", Sep, "b.txt"}));
    const TempFile noEnd("a.txt\r\nb.txt"sv);
    EXPECT_EQ(zelvora::readCatalogue(noEnd.path()), (std::vector<std::string>{"a.txt", "b.txt"}));
    const TempFile empty(""sv);
    EXPECT_TRUE(zelvora::readCatalogue(empty.path()).empty());
    EXPECT_THROW(zelvora::readCatalogue(TempFile::missingPath()), zelvora::FileError);
}

TEST(Catalogue, ItalianDictionariesAndCount)
{
    // Section s (1 to 9) holds s names.
    std::vector<std::string> catalogue;
    std::vector<std::string> italian;
    std::size_t names = 0;
    for (int section = 1; section <= zelvora::SectionCount; ++section) {
        for (int n = 0; n < section; ++n, ++names) {
            catalogue.push_back("s" + std::to_string(section) + "_" + std::to_string(n) + ".txt");
            if (section <= 5)
                italian.push_back(catalogue.back());
        }
        catalogue.push_back(Sep);
        if (section <= 4)
            italian.push_back(Sep);
    }
    italian.insert(italian.end(), 5, Sep);
    EXPECT_EQ(zelvora::italianDictionaries(catalogue), italian);
    EXPECT_EQ(zelvora::dictionaryCount(catalogue), names);
    EXPECT_EQ(zelvora::dictionaryCount(zelvora::italianDictionaries(catalogue)), 15u);

    const std::vector<std::string> few = {"a", Sep, "b", "", Sep};
    std::vector<std::string> fewExpected = few;
    fewExpected.insert(fewExpected.end(), 5, Sep);
    EXPECT_EQ(zelvora::italianDictionaries(few), fewExpected);
    EXPECT_EQ(zelvora::italianDictionaries({}), std::vector<std::string>(5, Sep));
    EXPECT_EQ(zelvora::dictionaryCount(few), 3u);

    EXPECT_TRUE(zelvora::isSeparator(std::string(24, '_')));
    for (const std::string &other : {std::string(23, '_'), std::string(25, '_'), std::string(24, '_') + " ",
                                     " " + std::string(24, '_'), std::string(24, '-'), std::string()})
        EXPECT_FALSE(zelvora::isSeparator(other)) << other;
}
