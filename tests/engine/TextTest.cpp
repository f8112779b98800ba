#include "dictionary/Cp1252.h"
#include "dictionary/TextHelpers.h"
#include "dictionary/UpperCase.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::literals;

namespace {

std::string allBytes()
{
    std::string bytes(256, '\0');
    for (int i = 0; i < 256; ++i)
        bytes[i] = static_cast<char>(i);
    return bytes;
}

} // namespace

TEST(UpperCase, EveryByteOfBothTables)
{
    // Small letters and their capitals, written as characters; ß µ ÷ and the rest stay.
    const std::string small = zelvora::encodeCp1252(u"abcdefghijklmnopqrstuvwxyzàáâãäåæçèéêëìíîïðñòóôõöøùúûüýþšœžÿ");
    const std::string capital = zelvora::encodeCp1252(u"ABCDEFGHIJKLMNOPQRSTUVWXYZÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞŠŒŽŸ");
    ASSERT_EQ(small.size(), 60u);
    std::string full = allBytes(), ascii = allBytes();
    for (std::size_t i = 0; i < small.size(); ++i) {
        full[static_cast<unsigned char>(small[i])] = capital[i];
        if (i < 26)
            ascii[static_cast<unsigned char>(small[i])] = capital[i];
    }
    EXPECT_EQ(zelvora::toUpperFull(allBytes()), full);
    EXPECT_EQ(zelvora::toUpperAscii(allBytes()), ascii);
}

TEST(Cp1252, RoundTripTheHighBlockAndQuestionMarks)
{
    // Latin-1 but for bytes 0x80 to 0x9F, of which the five unassigned ones keep their own number.
    std::u16string expected;
    for (int byte = 0; byte < 256; ++byte)
        expected += static_cast<char16_t>(byte);
    expected.replace(0x80, 32, u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
    EXPECT_EQ(zelvora::decodeCp1252(allBytes()), expected);
    EXPECT_EQ(zelvora::encodeCp1252(expected), allBytes());
    for (int byte = 0; byte < 256; ++byte)
        EXPECT_EQ(zelvora::decodeCp1252(static_cast<unsigned char>(byte)), expected[byte]) << byte;
    // A character the code page lacks is one '?', a surrogate pair too; so is a lone surrogate.
    EXPECT_EQ(zelvora::encodeCp1252(u"a\u0100b\u4E2Dc\U0001F600d"), "a?b?c?d");
    EXPECT_EQ(zelvora::encodeCp1252(std::u16string{char16_t(0xD800), u'x', char16_t(0xDC00), char16_t(0xD800)}), "?x??");
}

TEST(TextHelpers, BeforeAfterReplace)
{
    const struct {
        std::string_view text, marker, before, after, replaced; // replaced: the marker by "=", or "=" + the cut text
    } cases[] = {
        {"40 DEFINIZIONI"sv, " DEF"sv, "40"sv, "INIZIONI"sv, "40=INIZIONI"sv},
        {"abc"sv, "abc"sv, ""sv, ""sv, "="sv},
        {"ABCA"sv, "Q"sv, "ABCA"sv, ""sv, "=ABCA"sv},
        {"ABCA"sv, "XYZ"sv, "ABCA"sv, ""sv, "=CA"sv},
        {"AB"sv, "WXYZ"sv, "AB"sv, ""sv, "="sv},
        {"AB"sv, ""sv, "AB"sv, ""sv, "=AB"sv},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(zelvora::TextBefore(c.text, c.marker), c.before) << c.text << " / " << c.marker;
        EXPECT_EQ(zelvora::TextAfter(c.text, c.marker), c.after) << c.text << " / " << c.marker;
        EXPECT_EQ(zelvora::ReplaceFirst(c.text, c.marker, "="), c.replaced) << c.text << " / " << c.marker;
    }
}

TEST(TextHelpers, CountsAndPalindromes)
{
    const struct {
        std::string_view text;
        std::size_t words, tokens;
    } cases[] = {
        {""sv, 0, 0}, {"uno  due   tre"sv, 3, 3}, {" uno"sv, 2, 1}, {"uno "sv, 1, 1}, {"   "sv, 1, 0},
        {"a\r\nb\rc"sv, 3, 1}, {"uno;due"sv, 1, 2}, {"a; b"sv, 2, 2}, {" ;\t"sv, 2, 0}, {"a\tb"sv, 1, 2},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(zelvora::CountWords(c.text), c.words) << testing::PrintToString(std::string(c.text));
        EXPECT_EQ(zelvora::CountTokens(c.text), c.tokens) << testing::PrintToString(std::string(c.text));
    }
    for (const auto text : {"ANNA"sv, ""sv, "RADAR"sv, "AB C BA"sv, "\xE0" "b\xE0"sv})
        EXPECT_TRUE(zelvora::IsPalindrome(text)) << text;
    for (const auto text : {"Anna"sv, "A CASA"sv, "AB"sv, "\xE0" "b\xC0"sv})
        EXPECT_FALSE(zelvora::IsPalindrome(text)) << text;
}
