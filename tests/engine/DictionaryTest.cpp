#include "TempFile.h"

#include "dictionary/Catalogue.h"
#include "dictionary/Dictionary.h"
#include "dictionary/FileError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zelvora::TermRepeats;
using Lines = std::vector<std::string>;

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
