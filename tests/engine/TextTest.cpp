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

TEST(UpperCase, FullAndAsciiTables)
{
    // Small letters and their capitals, written as characters and encoded.
    const std::string small = zelvora::encodeCp1252(u"abcdefghijklmnopqrstuvwxyzàáâãäåæçèéêëìíîïðñòóôõöøùúûüýþšœžÿ");
    const std::string capital = zelvora::encodeCp1252(u"ABCDEFGHIJKLMNOPQRSTUVWXYZÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞŠŒŽŸ");
    ASSERT_EQ(small.size(), 60u);
    ASSERT_EQ(capital.size(), 60u);
    ASSERT_EQ(small.find('?'), std::string::npos);
    ASSERT_EQ(capital.find('?'), std::string::npos);

    std::string full = allBytes();
    std::string ascii = allBytes();
    for (std::size_t i = 0; i < small.size(); ++i) {
        full[static_cast<unsigned char>(small[i])] = capital[i];
        if (i < 26)
            ascii[static_cast<unsigned char>(small[i])] = capital[i];
    }
    const std::string upper = zelvora::toUpperFull(allBytes());
    const std::string upperAscii = zelvora::toUpperAscii(allBytes());
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(static_cast<unsigned char>(upper[i]), static_cast<unsigned char>(full[i])) << "byte " << i;
        EXPECT_EQ(static_cast<unsigned char>(upperAscii[i]), static_cast<unsigned char>(ascii[i])) << "byte " << i;
    }
    EXPECT_EQ(zelvora::toUpperFull("\xDF\xB5\xF7" "09Z"sv), "\xDF\xB5\xF7" "09Z");
    EXPECT_EQ(zelvora::toUpperFull("perch\xE9 \xFF"sv), "PERCH\xC9 \x9F");
    EXPECT_EQ(zelvora::toUpperAscii("citt\xE0 \x9A"sv), "CITT\xE0 \x9A");
    EXPECT_EQ(zelvora::toUpperFull(""sv), "");
}

TEST(Cp1252, DecodeEncode)
{
    const std::u16string decoded = zelvora::decodeCp1252(allBytes());
    ASSERT_EQ(decoded.size(), 256u);
    EXPECT_EQ(zelvora::encodeCp1252(decoded), allBytes());
    // Bytes 0x80 to 0x9F; the five unassigned ones keep their own number.
    EXPECT_EQ(decoded.substr(0x80, 32), u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
    for (int byte = 0; byte < 256; ++byte) {
        EXPECT_EQ(zelvora::decodeCp1252(static_cast<unsigned char>(byte)), decoded[byte]) << "byte " << byte;
        if (byte < 0x80 || byte >= 0xA0) {
            EXPECT_EQ(decoded[byte], static_cast<char16_t>(byte)) << "byte " << byte;
        }
    }
    EXPECT_EQ(decoded[0x80], u'\u20AC');
    EXPECT_EQ(decoded[0x9F], u'\u0178');
    EXPECT_EQ(decoded[0x81], u'\u0081');
    EXPECT_EQ(decoded[0xE0], u'\u00E0');

    EXPECT_EQ(zelvora::encodeCp1252(u"\u20AC\u0178\u00E0"), "\x80\x9F\xE0");
    EXPECT_EQ(zelvora::encodeCp1252(u"a\u0100b\u4E2Dc"), "a?b?c");
    EXPECT_EQ(zelvora::encodeCp1252(u"x\U0001F600y"), "x?y");
    EXPECT_EQ(zelvora::encodeCp1252(std::u16string{u'a', char16_t(0xD800)}), "a?");
    EXPECT_EQ(zelvora::encodeCp1252(std::u16string{char16_t(0xDC00), u'b'}), "?b");
    EXPECT_EQ(zelvora::encodeCp1252(std::u16string{char16_t(0xD800), u'x', char16_t(0xDC00)}), "?x?");
    EXPECT_EQ(zelvora::encodeCp1252(std::u16string{char16_t(0xDC00), char16_t(0xD800)}), "??");
}

TEST(TextHelpers, BeforeAfterReplace)
{
    const std::string header = "12 DIZIONARI - 40 DEFINIZIONI";
    const std::string after = zelvora::TextAfter(header, "DIZIONARI - ");
    EXPECT_EQ(after, "40 DEFINIZIONI");
    EXPECT_EQ(zelvora::TextBefore(after, " DEFINIZIONI"), "40");
    EXPECT_EQ(zelvora::TextBefore(header, "XYZ"), header);
    EXPECT_EQ(zelvora::TextAfter(header, "XYZ"), "");
    EXPECT_EQ(zelvora::TextBefore("a-b-c", "-"), "a");
    EXPECT_EQ(zelvora::TextAfter("a-b-c", "-"), "b-c");
    EXPECT_EQ(zelvora::TextAfter("abc", "abc"), "");
    EXPECT_EQ(zelvora::TextBefore("abc", "abc"), "");
    EXPECT_EQ(zelvora::TextAfter("abc", "c"), "");

    const std::string longText = std::string(300, 'x') + "<>" + std::string(100, 'y');
    EXPECT_EQ(zelvora::TextBefore(longText, "<>"), std::string(300, 'x'));
    EXPECT_EQ(zelvora::TextAfter(longText, "<>"), std::string(100, 'y'));

    EXPECT_EQ(zelvora::ReplaceFirst("ABCA", "A", ""), "BCA");
    EXPECT_EQ(zelvora::ReplaceFirst("ABCA", "BC", "xyz"), "AxyzA");
    EXPECT_EQ(zelvora::ReplaceFirst("ABCA", "XY", "Z"), "ZBCA");
    EXPECT_EQ(zelvora::ReplaceFirst("ABCA", "XYZ", "Z"), "ZCA");
    EXPECT_EQ(zelvora::ReplaceFirst("AB", "WXYZ", "Z"), "Z");
    EXPECT_EQ(zelvora::ReplaceFirst("ABCA", "Q", "Z"), "ZABCA");
    EXPECT_EQ(zelvora::ReplaceFirst(longText, "<>", "="), std::string(300, 'x') + "=" + std::string(100, 'y'));
}

TEST(TextHelpers, CountsAndPalindromes)
{
    const struct {
        std::string_view text;
        std::size_t words;
        std::size_t tokens;
    } cases[] = {
        {""sv, 0, 0},
        {"uno due"sv, 2, 2},
        {" uno"sv, 2, 1},
        {"uno "sv, 1, 1},
        {"   "sv, 1, 0},
        {"a\r\nb"sv, 2, 1},
        {"uno;due"sv, 1, 2},
        {"a; b"sv, 2, 2},
        {" ;\t"sv, 2, 0},
        {"uno  due   tre"sv, 3, 3},
        {"a\tb"sv, 1, 2},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(zelvora::CountWords(c.text), c.words) << testing::PrintToString(std::string(c.text));
        EXPECT_EQ(zelvora::CountTokens(c.text), c.tokens) << testing::PrintToString(std::string(c.text));
    }

    for (const auto text : {"ANNA"sv, ""sv, "A"sv, "RADAR"sv, "AB C BA"sv, "\xE0" "b\xE0"sv})
        EXPECT_TRUE(zelvora::IsPalindrome(text)) << text;
    for (const auto text : {"Anna"sv, "A CASA"sv, "AB"sv, "ANNA "sv, "\xE0" "b\xC0"sv})
        EXPECT_FALSE(zelvora::IsPalindrome(text)) << text;
}
