// Definitions of each dictd family flattened onto one line, headwords found, and Windows-1252.
#include "import/Article.h"
#include "import/FreeDictSenses.h"
#include "import/Headword.h"
#include "import/ProseFlatten.h"
#include "import/Text.h"
#include "import/Transliterate.h"

#include <gtest/gtest.h>

using namespace zelvora::dictd;

TEST(Flatten, EachFamilyOnOneLine)
{
    const struct { Layout layout; std::vector<std::u32string> keys; std::u32string text, flattened; } cases[] = {
        {Layout::Prose, {U"12"}, // WordNet
         U"12\n    adj 1: a quantity of 12 items [syn:\n           {twelve}, {dozen}]\n    n 1: eleven and one\n    2: a dozen\n",
         U"(adj.) 1. a quantity of 12 items [syn: twelve, dozen]; (n.) 1. eleven and one; 2. a dozen"},
        {Layout::Prose, {U"Abash", U"Abashed"}, // GCIDE
         U"Abash \\A*bash\"\\ ([.a]*b[a^]sh\"), v. t. [imp. & p. p. {Abashed}\n"
         U"   ([.a]*b[a^]sht\"); OF. esbahir, F. ['e]bahir.]\n   To destroy the self-possession of; to confuse.\n"
         U"   [1913 Webster]\n\n         Abashed, the devil stood.          --Milton.\n   [1913 Webster]\n",
         U"(v. t.) To destroy the self-possession of; to confuse. Abashed, the devil stood. --Milton."},
        {Layout::Prose, {U"1-2-3", U"lotus 1-2-3"}, // FOLDOC
         U"Lotus 1-2-3\n1-2-3\n\n   <tool, product> A {spreadsheet} for {MS-DOS} from {Lotus\n"
         U"   Development Corporation}.\n\n   Version: 4.\n\n   (1995-11-28)\n",
         U"(tool, product) A spreadsheet for MS-DOS from Lotus Development Corporation. Version: 4. (1995-11-28)"},
        {Layout::Prose, {U"alliance"}, // The Devil's Dictionary: wrapped at the margin
         U"ALLIANCE, n.  In international politics, the union of two thieves who\n"
         U"have their hands so deeply inserted in each other's pockets.\n",
         U"(n.) In international politics, the union of two thieves who have their hands so deeply inserted in each "
         U"other's pockets."},
        {Layout::Prose, {U"abend"}, U"abend\n /a'bend/, /@'bend/, n.\n\n    [ABnormal END] Abnormal termination.\n",
         U"(n.) [ABnormal END] Abnormal termination."}, // The Jargon File
        {Layout::Prose, {U"iron"}, U"iron\nSymbol: Fe\nAtomic number: 26\n", U"Symbol: Fe; Atomic number: 26"},
    };
    for (const auto &c : cases) {
        const Article article = parseArticle(c.text, c.keys, c.layout);
        EXPECT_EQ(flattenProse(article), c.flattened) << encodeUtf8(c.text);
    }
}

TEST(Flatten, SensesOfFreeDictAndProse)
{
    // WikDict: notes after their sense's translations; a number alone on a line starts a sense without
    // translations; one that ends a translations line belongs to nothing.
    const Article wikDict = parseArticle(U"casa //ˈkasa// <n>\n1. hogar, casa (edificio), casa\ndomicilio\n2. casa 2.\n"
                                         U"edificio\n 3.\n}} segno dello zodiaco\n(astrologia)\n",
                                         {U"casa"}, Layout::FreeDict);
    const std::vector<TranslationSense> senses = translationSenses(wikDict);
    ASSERT_EQ(senses.size(), 3u);
    EXPECT_EQ(senses[0].items, (std::vector<std::u32string>{U"hogar", U"casa (edificio)", U"casa"}));
    EXPECT_EQ(senses[0].note, U"domicilio");
    EXPECT_EQ(senses[1].items, std::vector<std::u32string>{U"casa"});
    EXPECT_EQ(senses[1].note, U"edificio");
    EXPECT_TRUE(senses[2].items.empty());
    EXPECT_EQ(senses[2].note, U"segno dello zodiaco; astrologia");
    EXPECT_EQ(translationsOf(wikDict), (std::vector<std::u32string>{U"hogar", U"casa"}));

    // A numbered paragraph and the unnumbered ones after it are one sense; WordNet's part of speech per sense.
    const Article wordNet = parseArticle(U"12\n    adj 1: a quantity\n    n 1: eleven and one\n\n    Also: twelve\n    2: a dozen\n",
                                         {U"12"}, Layout::Prose);
    const std::vector<ProseSense> prose = proseSenses(wordNet);
    ASSERT_EQ(prose.size(), 3u);
    EXPECT_EQ(prose[0].partOfSpeech + U"|" + prose[0].text, U"adj.|a quantity");
    EXPECT_EQ(prose[1].partOfSpeech + U"|" + prose[1].text, U"n.|eleven and one; Also: twelve");
    EXPECT_EQ(prose[2].partOfSpeech + U"|" + prose[2].text, U"n.|a dozen");
}

TEST(Headword, KeysReducedByTheIndexMatchTheirSpelling)
{
    const std::u32string_view cases[][3] = { // line, key, the spelling that starts the line
        {U"c'è qualcosa", U"cè qualcosa", U"c'è qualcosa"},
        {U"ABRACADABRA.", U"abracadabra", U"ABRACADABRA"},
        {U"casale /kaˈsale/", U"casa", U""}, // a longer word
        {U"anything", U"...", U""}, // nothing to compare
    };
    for (const auto &[line, key, spelling] : cases)
        EXPECT_EQ(line.substr(0, matchKeyPrefix(line, key)), spelling) << encodeUtf8(line);
}

TEST(Transliterate, Windows1252ThenPlainEquivalentsThenQuestionMarks)
{
    const struct { std::u32string text; std::string bytes; std::size_t questionMarks; } cases[] = {
        {U"città più €5 – “sì” œ Ÿ ½ what?", "citt\xE0 pi\xF9 \x80" "5 \x96 \x93s\xEC\x94 \x9C \x9F \xBD what?", 0},
        {U"citta\u0300 e\u0301 n\u0303", "citt\xE0 \xE9 \xF1", 0}, // decomposed accents
        {U"ɛ\u0303", "?", 1},                                      // the mark goes, the letter stays unknown
        {U"Alsazia‐Lorena ā ł Łódź Ș ǆ ﬁ", "Alsazia-Lorena a l L\xF3" "dz S d\x9E fi", 0},
        {U"‛x‟ 2−1 a→b ≤ ─│┼ x²", "'x\" 2-1 a->b <= -|+ x\xB2", 0},
        {U"a\u00A0b\u2009c\u200Bd\te", "a b cd e", 0},
        {U"ok\x1A\x01\r", "ok", 0}, // Ctrl+Z would end the file for the program's reader
        {U"καλη ok 猫", "???? ok ?", 5},
    };
    for (const auto &c : cases) {
        const Cp1252Text text = toCp1252(c.text);
        EXPECT_EQ(text.bytes, c.bytes);
        EXPECT_EQ(text.questionMarks, c.questionMarks) << c.bytes;
    }
}
