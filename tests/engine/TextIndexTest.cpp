#include "Equivalence.h"

#include "dictionary/UpperCase.h"
#include "translate/FoldedLines.h"
#include "translate/TextIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

namespace {

// Bytes of any value, mostly as long as a word, now and then much longer.
std::string anyText(Rng &rng)
{
    const int length = chance(rng, 0.9) ? number(rng, 0, 14) : number(rng, 15, 300);
    std::string text;
    for (int i = 0; i < length; ++i)
        text += static_cast<char>(number(rng, 0, 255));
    return text;
}

} // namespace

TEST(TextIndex, NumbersEachTextOnceAndFindsItAgainAcrossGrowth)
{
    Rng rng(7);
    zelvora::TextIndex index;
    Lines held;
    // Texts of every length the hash reads differently, and texts one byte apart.
    for (std::size_t length = 0; length <= 17; ++length)
        held.push_back(std::string(length, 'x'));
    held.push_back("xxxxxxxxy");
    held.push_back("yxxxxxxxx");
    held.push_back(std::string("a\0b", 3));
    for (int i = 0; i < 3000; ++i)
        held.push_back(anyText(rng));
    Lines distinct;
    for (const std::string &text : held) {
        const zelvora::TextIndex::Insertion insertion = index.insert(text);
        const bool isNew = std::find(distinct.begin(), distinct.end(), text) == distinct.end();
        EXPECT_EQ(insertion.added, isNew) << testing::PrintToString(text);
        if (isNew)
            distinct.push_back(text);
        EXPECT_EQ(index.text(insertion.number), text);
    }
    ASSERT_EQ(index.size(), distinct.size());
    for (std::uint32_t number = 0; number < distinct.size(); ++number)
        EXPECT_EQ(index.find(distinct[number]), number) << testing::PrintToString(distinct[number]);
    EXPECT_EQ(index.find("not held"), zelvora::TextIndex::None);
    EXPECT_EQ(index.find(std::string(18, 'x')), zelvora::TextIndex::None);

    index.clear();
    EXPECT_EQ(index.find(distinct.front()), zelvora::TextIndex::None);
    EXPECT_TRUE(index.insert(distinct.back()).added);
}

TEST(FoldedLines, TellsLinesApartIgnoringCaseOnly)
{
    Rng rng(11);
    Lines pane;
    zelvora::FoldedLines folded(pane);
    const auto write = [&](const std::string &line) {
        const bool isNew = folded.insert(line, pane.size());
        if (isNew)
            pane.push_back(line);
        return isNew;
    };
    EXPECT_TRUE(write("CASA = house"));
    EXPECT_FALSE(write("casa = HOUSE"));
    EXPECT_TRUE(write("CASA = houses"));
    EXPECT_TRUE(write("\xE0 = a"));          // à
    EXPECT_FALSE(write("\xC0 = A"));         // À
    EXPECT_FALSE(write("\xC0 = a"));
    EXPECT_TRUE(write("\x9A"));              // š
    EXPECT_FALSE(write("\x8A"));             // Š
    EXPECT_TRUE(write("\xDF"));              // ß has no capital here
    EXPECT_TRUE(write("SS"));
    // Long lines alike at both ends and apart only in their middle.
    const std::string end(200, 'x');
    EXPECT_TRUE(write(end + "a" + end));
    EXPECT_TRUE(write(end + "b" + end));
    EXPECT_FALSE(write(end + "A" + end));

    // Many lines, past any first size of the table, against upper-casing them.
    std::vector<std::string> seen;
    for (const std::string &line : pane)
        seen.push_back(zelvora::toUpperFull(line));
    for (int i = 0; i < 5000; ++i) {
        const std::string line = chance(rng, 0.3) && !pane.empty() ? someCase(rng, pick(rng, pane)) : anyText(rng);
        const std::string upper = zelvora::toUpperFull(line);
        const bool isNew = std::find(seen.begin(), seen.end(), upper) == seen.end();
        ASSERT_EQ(write(line), isNew) << testing::PrintToString(line);
        if (isNew)
            seen.push_back(upper);
    }

    folded.clear();
    pane.clear();
    EXPECT_TRUE(write("CASA = house"));
}
