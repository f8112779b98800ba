// Windows-1252 conversion with transliteration, and finding a key's spelling.
#include "import/Headword.h"
#include "import/Markup.h"
#include "import/Transliterate.h"

#include <gtest/gtest.h>

using namespace zelvora::dictd;

namespace {

std::string cp1252(std::u32string_view text) { return toCp1252(text).bytes; }

} // namespace

TEST(Transliterate, KeepsWhatWindows1252HoldsIncludingItsHighBlock)
{
    EXPECT_EQ(cp1252(U"città più €5 – “sì” œ Ÿ ½"), "citt\xE0 pi\xF9 \x80"
                                                      "5 \x96 \x93s\xEC\x94 \x9C \x9F \xBD");
    EXPECT_EQ(toCp1252(U"what?").questionMarks, 0u);
}

TEST(Transliterate, ComposesAccentsAndFindsPlainEquivalents)
{
    EXPECT_EQ(cp1252(U"citta\u0300 e\u0301 n\u0303"), "citt\xE0 \xE9 \xF1"); // decomposed accents
    EXPECT_EQ(cp1252(U"ɛ\u0303"), "?");                                     // the mark goes, the letter stays unknown
    EXPECT_EQ(cp1252(U"Alsazia‐Lorena ā ł Łódź Ș ǆ ﬁ"), "Alsazia-Lorena a l L\xF3" "dz S d\x9E fi");
    EXPECT_EQ(cp1252(U"‛x‟ 2−1 a→b ≤ ─│┼ x²"), "'x\" 2-1 a->b <= -|+ x\xB2");
    EXPECT_EQ(cp1252(U"a\u00A0b\u2009c\u200Bd\te"), "a b cd e");
    EXPECT_EQ(cp1252(U"ok\x1A\x01\r"), "ok"); // Ctrl+Z would end the file for the program's reader
}

TEST(Transliterate, CountsWhatBecomesAQuestionMark)
{
    const Cp1252Text text = toCp1252(U"καλη ok 猫");
    EXPECT_EQ(text.bytes, "???? ok ?");
    EXPECT_EQ(text.questionMarks, 5u);
    EXPECT_EQ(plainLetter(U'É'), U'E');
    EXPECT_EQ(plainLetter(U'ě'), U'e');
    EXPECT_EQ(plainLetter(U'ß'), U'ß');
}

TEST(Headword, MatchesKeysReducedByTheIndex)
{
    // Returns the spelling that starts the line, or "" when the key does not start it.
    auto spelled = [](std::u32string_view line, std::u32string_view key) {
        return std::u32string(line.substr(0, matchKeyPrefix(line, key)));
    };
    EXPECT_EQ(spelled(U"Alsazia‐Lorena /alsˈatsia/", U"alsazialorena"), U"Alsazia‐Lorena");
    EXPECT_EQ(spelled(U"c'è qualcosa", U"cè qualcosa"), U"c'è qualcosa");
    EXPECT_EQ(spelled(U"Écarté \\É`car`té\\, n.", U"'Ecart'e"), U"Écarté");
    EXPECT_EQ(spelled(U"ALLIANCE, n.  In politics", U"alliance"), U"ALLIANCE");
    EXPECT_EQ(spelled(U"ABRACADABRA.", U"abracadabra"), U"ABRACADABRA");
    EXPECT_EQ(spelled(U"A.D. anno domini", U"a.d."), U"A.D.");
    EXPECT_EQ(spelled(U"casale /kaˈsale/", U"casa"), U"");   // a longer word
    EXPECT_EQ(spelled(U"cosa /ˈkɔza/", U"casa"), U"");
    EXPECT_EQ(spelled(U"anything", U"..."), U"");             // nothing to compare
}

TEST(Headword, SplitsTheHeadwordLinesTrailer)
{
    HeadTrailer gcide = splitProseTrailer(U" \\A*bash\"\\ ([.a]*b[a^]sh\"), v. t. [imp. & p. p. Abashed]");
    EXPECT_EQ(gcide.partOfSpeech, U"v. t.");
    EXPECT_EQ(gcide.rest, U"[imp. & p. p. Abashed]");
    HeadTrailer devil = splitProseTrailer(U", n.  The union of two thieves");
    EXPECT_EQ(devil.partOfSpeech, U"n.");
    EXPECT_EQ(devil.rest, U"The union of two thieves");
    EXPECT_EQ(splitProseTrailer(U" v.t. To shorten.").partOfSpeech, U"v.t.");
    EXPECT_EQ(splitProseTrailer(U" In the Mr. Smith case").partOfSpeech, U"");
    EXPECT_EQ(splitFreeDictTrailer(U" //ˈkasa// //ˈkaza// <n, masc>").partOfSpeech, U"n. m.");
    EXPECT_EQ(shortPartOfSpeech(U"pn, fem"), U"n. pr. f.");
    EXPECT_EQ(shortPartOfSpeech(U"possessivePronoun"), U"poss. pron.");
    EXPECT_EQ(shortPartOfSpeech(U"phraseologicalUnit"), U"phr.");
}

TEST(Markup, ConvertsGcideAccentsAndDropsEtymologies)
{
    EXPECT_EQ(cp1252(convertBracketAccents(U"caf['e] [ae]on [=a] [,c]a [x] [R.]")), "caf\xE9 \xE6on a \xE7"
                                                                                    "a [x] [R.]");
    EXPECT_EQ(dropEtymologies(U"pl. Monkeys. [Cf. OIt. monicchio [dim.].] 1. An ape [Obs.]"),
              U"pl. Monkeys. 1. An ape [Obs.]");
    EXPECT_EQ(dropEtymologies(U"[imp. & p. p. Abashed] [OE. abaissen.] To confuse"), U"To confuse");
    EXPECT_EQ(apostropheAccents(U"'Ecart'e Abb'e can't"), U"Écarté Abbé can't");
    EXPECT_TRUE(isSourceNote(U"   [1913 Webster]"));
    EXPECT_FALSE(isSourceNote(U"[CMU] Pepperoni and mushroom pizza."));
    EXPECT_EQ(joinPieces({U"1. house", U"2. home", U"Version: 4.", U"(1995-11-28)"}),
              U"1. house; 2. home; Version: 4. (1995-11-28)");
}
