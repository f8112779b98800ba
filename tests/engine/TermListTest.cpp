#include "Equivalence.h"
#include "TempFile.h"

#include "dictionary/Dictionary.h"
#include "dictionary/FileStamp.h"
#include "dictionary/TermList.h"
#include "reference/PlainText.h"
#include "translate/TermSieve.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <numeric>
#include <string>
#include <vector>

using namespace std::literals;
using Lines = std::vector<std::string>;

namespace {

// A term of any bytes; now and then one whose length takes two or three bytes to write.
std::string anyTerm(Rng &rng)
{
    const int lengths[] = {0, 1, 5, 12, 127, 128, 300, 16383, 16384};
    const int length = chance(rng, 0.9) ? number(rng, 0, 14) : lengths[number(rng, 0, 8)];
    std::string term;
    for (int i = 0; i < length; ++i)
        term += static_cast<char>(number(rng, 0, 255));
    return term;
}

void expectHolds(const zelvora::TermList &list, const Lines &terms)
{
    ASSERT_EQ(list.size(), terms.size());
    EXPECT_EQ(list.empty(), terms.empty());
    for (std::size_t i = 0; i < terms.size(); ++i)
        ASSERT_EQ(list[i], terms[i]) << "term " << i;
    if (!terms.empty()) {
        EXPECT_EQ(list.back(), terms.back());
    }
    EXPECT_TRUE(std::equal(list.begin(), list.end(), terms.begin(), terms.end()));
}

// The terms of a file by the plain split, added to `start`: both lines of an
// entry are read before the end is looked for, so an empty file is one entry
// of an empty term; a repeat drops a term equal to the list's last item, or
// to the empty term when the list is empty.
std::pair<Lines, std::size_t> plainTerms(const std::string &bytes, zelvora::TermRepeats repeats, Lines start)
{
    const Lines lines = zelvora::reference::linesOf(bytes);
    std::size_t entries = 0;
    for (std::size_t i = 0; entries == 0 || i < lines.size(); i += 2, ++entries) {
        const std::string term = i < lines.size() ? lines[i] : "";
        if (repeats == zelvora::TermRepeats::Keep || term != (start.empty() ? "" : start.back()))
            start.push_back(term);
    }
    return {start, entries};
}

} // namespace

TEST(TermList, HoldsAnyTermsInOrderAroundItsBlocks)
{
    Rng rng(16);
    for (const std::size_t count : {0, 1, 15, 16, 17, 32, 33, 100}) {
        Lines terms;
        zelvora::TermList list;
        for (std::size_t i = 0; i < count; ++i) {
            terms.push_back(anyTerm(rng));
            list.push_back(terms.back());
            EXPECT_EQ(list.back(), terms.back());
        }
        expectHolds(list, terms);
        list.shrinkToFit();
        expectHolds(list, terms);
        expectHolds(zelvora::TermList(terms), terms);
    }
}

// A dictionary's term list takes little more than its terms' bytes.
TEST(TermList, TakesLittleMoreThanTheTermsBytes)
{
    Rng rng(200);
    zelvora::TermList list;
    std::size_t bytes = 0;
    for (int i = 0; i < 200000; ++i) {
        const std::string term(static_cast<std::size_t>(number(rng, 3, 12)), 'A');
        bytes += term.size();
        list.push_back(term);
    }
    list.shrinkToFit();
    EXPECT_LE(list.memoryBytes(), bytes * 3 / 2);
}

// Random files, the empty one among them, read into a plain list (after a
// start item now and then) and into a term list, against the plain split.
TEST(TermList, ReadFromAFileAsThePlainSplitGives)
{
    Rng rng(33);
    const Lines pieces = {"", "CASA", "CASA", "casa", "\xE0", "A B", "\n", "ZZZZ"};
    for (int round = 0; round < 200; ++round) {
        Lines lines;
        for (int n = number(rng, 1, 30); n > 0; --n)
            lines.push_back(pick(rng, pieces));
        const std::string bytes = round % 20 == 0 ? "" : dictionaryBytes(rng, lines, "OLTRE");
        const TempFile file(bytes);
        const std::size_t bufferSize = bufferSizeFor(round);
        SCOPED_TRACE(testing::PrintToString(bytes) + ", buffer " + std::to_string(bufferSize));
        for (const auto repeats : {zelvora::TermRepeats::Keep, zelvora::TermRepeats::DropConsecutive}) {
            const Lines start = chance(rng, 0.3) ? Lines{pick(rng, pieces)} : Lines{};
            const auto [expected, entries] = plainTerms(bytes, repeats, start);
            Lines plain = start;
            EXPECT_EQ(zelvora::readTerms(file.path(), repeats, plain, {}, bufferSize), entries);
            EXPECT_EQ(plain, expected);
            EXPECT_EQ(zelvora::countEntries(file.path(), bufferSize), entries);
            zelvora::TermList list;
            EXPECT_EQ(zelvora::readTerms(file.path(), repeats, list, {}, bufferSize), entries);
            if (start.empty())
                expectHolds(list, plain);
        }
    }
}

TEST(TermSieve, LetsThroughAllItHoldsAndTurnsMostOthersAway)
{
    Rng rng(7);
    zelvora::TermSieve sieve(2000);
    Lines held;
    for (int i = 0; i < 2000; ++i) {
        held.push_back(i < 3 ? std::string(static_cast<std::size_t>(i), 'x') : anyTerm(rng));
        sieve.insert(held.back());
    }
    for (const std::string &text : held)
        EXPECT_TRUE(sieve.mayHold(text)) << testing::PrintToString(text);
    int through = 0;
    for (int i = 0; i < 10000; ++i)
        through += sieve.mayHold("other " + std::to_string(i));
    EXPECT_LT(through, 500);
}

TEST(FileStamp, TellsFilesApartAndWhenTheyHaveSettled)
{
    const TempFile file("ITALIANO\r\n-\r\n");
    const auto stamp = zelvora::stampOf(file.path());
    ASSERT_TRUE(stamp);
    EXPECT_EQ(zelvora::stampOf(file.path()), stamp);
    EXPECT_FALSE(zelvora::stampOf(TempFile::missingPath()));
    EXPECT_FALSE(zelvora::stampOf(std::filesystem::temp_directory_path().string()));

    // Another file in its place, though of the same size and written in the same moment.
    const TempFile other("ITALIANO\r\n+\r\n");
    ASSERT_EQ(std::rename(other.path().c_str(), file.path().c_str()), 0);
    EXPECT_NE(zelvora::stampOf(file.path()), stamp);

    // Only a stamp some seconds older than its taking is bound to change with the file.
    const auto changed = std::chrono::system_clock::time_point(
        std::chrono::seconds(stamp->changedSeconds) + std::chrono::nanoseconds(stamp->changedNanoseconds));
    EXPECT_FALSE(zelvora::isSettled(*stamp, changed));
    EXPECT_FALSE(zelvora::isSettled(*stamp, changed + 1s));
    EXPECT_TRUE(zelvora::isSettled(*stamp, changed + 10s));
    zelvora::FileStamp modifiedLater = *stamp;
    modifiedLater.modifiedSeconds += 60;
    EXPECT_FALSE(zelvora::isSettled(modifiedLater, changed + 10s));
}
