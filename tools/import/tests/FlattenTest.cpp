// Definitions of each dictd family flattened onto one line.
#include "import/Article.h"
#include "import/FreeDictSenses.h"
#include "import/ProseFlatten.h"

#include <gtest/gtest.h>

using namespace zelvora::dictd;

namespace {

std::u32string freeDict(std::u32string_view text, std::u32string key)
{
    return flattenFreeDict(parseArticle(text, {std::move(key)}, Layout::FreeDict));
}

std::u32string prose(std::u32string_view text, std::vector<std::u32string> keys)
{
    return flattenProse(parseArticle(text, keys, Layout::Prose));
}

} // namespace

TEST(FreeDict, NumberedSensesJoinedAndPronunciationDropped)
{
    EXPECT_EQ(freeDict(U"casa /ˈkaza/\n1. house\n2. home\n", U"casa"), U"1. house; 2. home");
    EXPECT_EQ(freeDict(U"cane /ˈkane/ <n, masc>\ndog\n", U"cane"), U"(n. m.) dog");
    // The index key can be a part of the headword; the first line is the headword all the same.
    const Article article = parseArticle(U"a buon mercato /a bwɔn/\ncheap\n", {U"a"}, Layout::FreeDict);
    EXPECT_EQ(article.headword, U"a buon mercato");
    EXPECT_EQ(flattenFreeDict(parseArticle(U"All /ˈɔːl/\n\n", {U"all"}, Layout::FreeDict)), U"");
}

TEST(FreeDict, NotesFollowTheirTranslationsInParentheses)
{
    const std::u32string wikdict = U"casa //ˈkasa// <n>\n"
                                   U"1. hogar, casa\n"
                                   U"domicilio\n"
                                   U"2. casa 2.\n"
                                   U"edificio destinato all'abitazione\n"
                                   U" 3.\n"
                                   U"}} ognuna delle dodici suddivisioni del cielo\n";
    EXPECT_EQ(freeDict(wikdict, U"casa"), U"(n.) 1. hogar, casa (domicilio); 2. casa; 2. (edificio destinato "
                                          U"all'abitazione); 3. (ognuna delle dodici suddivisioni del cielo)");

    const Article article = parseArticle(wikdict, {U"casa"}, Layout::FreeDict);
    EXPECT_EQ(glossesOf(article), (std::vector<std::u32string>{U"domicilio", U"edificio destinato all'abitazione",
                                                              U"ognuna delle dodici suddivisioni del cielo"}));
    EXPECT_EQ(translationsOf(article), (std::vector<std::u32string>{U"hogar", U"casa"}));

    EXPECT_EQ(freeDict(U"maison /mɛ.zɔ̃/ <n, fem>\ncasa 2.\nLignée, famille\n3. ditta\n", U"maison"),
              U"(n. f.) 1. casa; 2. (Lignée, famille); 3. ditta");
}

TEST(FreeDict, TranslationsSplitOutsideParentheses)
{
    EXPECT_EQ(splitTranslations(U"wing (of a building, of a team), winger; ala (sport) , "),
              (std::vector<std::u32string>{U"wing", U"winger", U"ala"}));
    EXPECT_EQ(splitTranslations(U"house, House,  house"), (std::vector<std::u32string>{U"house", U"House"}));
}

TEST(Prose, WordNetSensesWithTheirPartsOfSpeech)
{
    EXPECT_EQ(prose(U"12\n"
                    U"    adj 1: denoting a quantity consisting of 12 items or units [syn:\n"
                    U"           {twelve}, {12}, {xii}, {dozen}]\n"
                    U"    n 1: the cardinal number that is the sum of eleven and one\n"
                    U"    2: a dozen\n",
                    {U"12"}),
              U"(adj.) 1. denoting a quantity consisting of 12 items or units [syn: twelve, 12, xii, dozen]; "
              U"(n.) 1. the cardinal number that is the sum of eleven and one; 2. a dozen");
}

TEST(Prose, GcideEtymologyPronunciationAndSourceNotesDropped)
{
    const std::u32string abash = U"Abash \\A*bash\"\\ ([.a]*b[a^]sh\"), v. t. [imp. & p. p. {Abashed}\n"
                                 U"   ([.a]*b[a^]sht\"); OF. esbahir, F. ['e]bahir.]\n"
                                 U"   To destroy the self-possession of; to confuse.\n"
                                 U"   [1913 Webster]\n"
                                 U"\n"
                                 U"         Abashed, the devil stood.          --Milton.\n"
                                 U"   [1913 Webster]\n";
    EXPECT_EQ(prose(abash, {U"Abash", U"Abashed"}),
              U"(v. t.) To destroy the self-possession of; to confuse. Abashed, the devil stood. --Milton.");
    EXPECT_EQ(spellingOf(parseArticle(abash, {U"Abash", U"Abashed"}, Layout::Prose), U"abashed"), U"Abashed");
}

TEST(Prose, FoldocHeadwordLinesSubjectsAndParagraphs)
{
    const std::u32string text = U"Lotus 1-2-3\n1-2-3\n\n"
                                U"   <tool, product> A {spreadsheet} for {MS-DOS} from {Lotus\n"
                                U"   Development Corporation}.\n\n"
                                U"   Version: 4.\n\n   (1995-11-28)\n";
    const Article article = parseArticle(text, {U"1-2-3", U"lotus 1-2-3"}, Layout::Prose);
    EXPECT_EQ(article.headword, U"Lotus 1-2-3");
    EXPECT_EQ(article.moreHeadwords, std::vector<std::u32string>{U"1-2-3"});
    EXPECT_EQ(flattenProse(article),
              U"(tool, product) A spreadsheet for MS-DOS from Lotus Development Corporation. Version: 4. (1995-11-28)");
}

TEST(Prose, InlineAndSeparateLinePartsOfSpeech)
{
    // The Devil's Dictionary: the definition starts on the headword line, lines wrapped at the margin.
    EXPECT_EQ(prose(U"ALLIANCE, n.  In international politics, the union of two thieves who\n"
                    U"have their hands so deeply inserted in each other's pockets.\n",
                    {U"alliance"}),
              U"(n.) In international politics, the union of two thieves who have their hands so deeply inserted "
              U"in each other's pockets.");
    // The Jargon File: pronunciation and part of speech on the next line.
    EXPECT_EQ(prose(U"abend\n /a'bend/, /@'bend/, n.\n\n    [ABnormal END] Abnormal termination.\n", {U"abend"}),
              U"(n.) [ABnormal END] Abnormal termination.");
    // Short lines at the margin are separate pieces.
    EXPECT_EQ(prose(U"iron\nSymbol: Fe\nAtomic number: 26\n", {U"iron"}), U"Symbol: Fe; Atomic number: 26");
    EXPECT_EQ(prose(U"nothing\n\n   [1913 Webster]\n", {U"nothing"}), U"");
}
