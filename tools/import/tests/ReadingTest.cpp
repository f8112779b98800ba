// Reading dictd files: the index with its base64 numbers, gzip data, UTF-8.
#include "DictdFixture.h"

#include "import/DictdData.h"
#include "import/DictdIndex.h"
#include "import/ImportError.h"
#include "import/Text.h"

#include <gtest/gtest.h>

using namespace zelvora::dictd;

TEST(DictdIndex, NumbersAreBase64MostSignificantDigitFirst)
{
    EXPECT_EQ(decodeBase64Number("A"), 0u);
    EXPECT_EQ(decodeBase64Number("/"), 63u);
    EXPECT_EQ(decodeBase64Number("BA"), 64u);
    EXPECT_EQ(decodeBase64Number("CGJ"), 2u * 4096 + 6 * 64 + 9);
    for (const std::uint64_t value : {0ull, 1ull, 63ull, 64ull, 4095ull, 123456789ull, 1ull << 40})
        EXPECT_EQ(decodeBase64Number(fixture::base64Number(value)), value);
    EXPECT_FALSE(decodeBase64Number(""));
    EXPECT_FALSE(decodeBase64Number("A-B"));
    EXPECT_FALSE(decodeBase64Number("AAAAAAAAAAA")); // 11 digits would overflow
}

TEST(DictdIndex, ParsesLinesWithOptionalHeadwordAndEmptyKeys)
{
    const auto entries = parseIndex("casa\tB\tC\n\tD\tE\r\n\nabb'e\tF\tG\tAbbé\n", "x.index");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].key, "casa");
    EXPECT_EQ(entries[0].offset, 1u);
    EXPECT_EQ(entries[0].length, 2u);
    EXPECT_EQ(entries[1].key, ""); // a headword of punctuation only ("...")
    EXPECT_EQ(entries[1].line, 2u);
    EXPECT_EQ(entries[2].headword, "Abbé");
    EXPECT_EQ(entries[2].line, 4u);
}

TEST(DictdIndex, RejectsWhatIsNotAnIndexNamingFileAndLine)
{
    for (const char *text : {"casa\tB\n", "casa\tB\tC\n<html>\n", "a\tB\tC\td\te\n", "casa\tB\t*\n", "", "\n\n"}) {
        try {
            parseIndex(text, "broken.index");
            ADD_FAILURE() << "accepted: " << text;
        } catch (const ImportError &error) {
            EXPECT_EQ(error.path(), "broken.index");
            EXPECT_NE(std::string(error.what()).find("broken.index"), std::string::npos);
        }
    }
}

TEST(DictdData, GunzipsOneOrSeveralMembersAndRejectsDamage)
{
    const std::string text = "first part\nsecond part\n";
    EXPECT_EQ(gunzip(fixture::gzip(text), "a.dz"), text);
    EXPECT_EQ(gunzip(fixture::gzip("one ") + fixture::gzip("two"), "a.dz"), "one two");
    EXPECT_EQ(gunzip(fixture::gzip(text) + std::string(8, '\0'), "a.dz"), text);

    const std::string whole = fixture::gzip(std::string(5000, 'x') + text);
    EXPECT_THROW(gunzip(whole.substr(0, whole.size() - 10), "a.dz"), ImportError); // truncated
    EXPECT_THROW(gunzip(whole.substr(0, 12), "a.dz"), ImportError);
    std::string damaged = whole;
    damaged[damaged.size() - 6] ^= 0x55; // the CRC no longer matches
    EXPECT_THROW(gunzip(damaged, "a.dz"), ImportError);
    EXPECT_THROW(gunzip("plain text", "a.dz"), ImportError);
}

TEST(Text, Utf8IsCheckedAndWindows1252IsTheFallback)
{
    EXPECT_EQ(decodeUtf8("citt\xC3\xA0"), std::u32string(U"città"));
    EXPECT_EQ(decodeUtf8("\xF0\x9F\x98\x80"), std::u32string(U"\U0001F600"));
    for (const char *invalid : {"citt\xE0", "\xC0\xAF", "\xED\xA0\x80", "\xE2\x82", "\xF4\x90\x80\x80"})
        EXPECT_FALSE(decodeUtf8(invalid)) << invalid;
    EXPECT_EQ(decodeText("citt\xE0 \x80"), std::u32string(U"città €"));
    EXPECT_EQ(encodeUtf8(U"città €"), "citt\xC3\xA0 \xE2\x82\xAC");
}
