// Whole runs (dictd dictionaries written here, converted from a command line, the file read back), and
// the reading of dictd files.
#include "DictdFixture.h"

#include "import/CommandLine.h"
#include "import/DictdData.h"
#include "import/DictdIndex.h"
#include "import/Import.h"
#include "import/ImportError.h"
#include "import/Writer.h"

#include <gtest/gtest.h>

using namespace zelvora::dictd;

namespace {

ImportReport run(const std::vector<std::string> &arguments) { return runImport(parseCommandLine(arguments)); }

std::string itaEng(const fixture::Folder &folder, bool compressed = true)
{
    return folder.dictionary("freedict-ita-eng", "Italian-English FreeDict Dictionary ver. 0.2",
                             {
                                 {{"zebra"}, "zebra /ˈdzɛbra/ <n, fem>\nzebra\n"},
                                 {{"casa"}, "casa /ˈkaza/ <n, fem>\n1. house\n2. home\n"},
                                 {{"citta"}, "città /tʃitˈta/ <n, fem>\ncity, town\n"},
                                 {{"ancora"}, "àncora /ˈankora/ <n, fem>\nanchor\n"},
                                 {{"alsazialorena"}, "Alsazia‐Lorena /alˈsattsja/ <pn>\nAlsace‐Lorraine\n"},
                                 {{"a"}, "a buon mercato /a bwɔn/\ncheap\n"},    // the key is part of the headword
                                 {{"caffe"}, "caff\xE8 <n, masc>\ncoffee\n"},     // Windows-1252, not UTF-8
                                 {{"casa"}, "casa /ˈkaza/\nhousehold\n"},
                                 {{"casa"}, "casa /ˈkaza/\n1. house\n2. home\n"}, // adds nothing
                                 {{"alfa"}, "αλφα /ˈalfa/\nalpha\n"},            // a term Windows-1252 cannot write
                                 {{"beta"}, "beta /ˈbɛta/\nβ, beta\n"},          // a "?" in a definition
                                 {{"all"}, "all /ˈall/\n\n"},                    // nothing to define it
                             },
                             compressed);
}

} // namespace

TEST(Import, FreeDictAndProseFromCompressedOrPlainData)
{
    std::string longText = "A definition too long to repeat under its other key";
    while (longText.size() < 3000)
        longText += ", kept whole";
    for (const bool compressed : {true, false}) {
        fixture::Folder folder;
        const std::string foldoc = folder.dictionary(
            "foldoc", "The Free On-line Dictionary of Computing",
            {{{"flame", "flamage", "x"}, "flame\nflamage\n\n   <messaging> To rant.\n\n   (1995-01-01)\n"}, // "x": a part label
             {{"Abash", "'Ecart'e"}, "Abash \\A*bash\"\\, v. t. [OE. abaissen.]\n   To confuse; see ['E]cart['e].\n"},
             {{"long", "longer"}, "long\n   " + longText + "\n"}},
            compressed);
        const std::string output = folder.path("out.txt");
        const ImportReport report = run({itaEng(folder, compressed) + (compressed ? ".index" : ".dict"), foldoc, "-o", output});
        EXPECT_EQ(fixture::readFile(output),
                  fixture::crlf({
                      "ITALIAN-ENGLISH FREEDICT DICTIONARY VER. 0.2",
                      "https://example.org/freedict-ita-eng - Licensed under the GNU General Public License.",
                      "A BUON MERCATO", "cheap",
                      "ABASH", "(v. t.) To confuse; see \xC9" "cart\xE9.",
                      "ALSAZIA-LORENA", "(n. pr.) Alsace-Lorraine",
                      "BETA", "?, beta",
                      "CAFF\xC8", "(n. m.) coffee",
                      "CASA", "(n. f.) 1. house; 2. home",
                      "CASA", "household",
                      "CITT\xC0", "(n. f.) city, town",
                      "FLAMAGE", "flame: (messaging) To rant. (1995-01-01)",
                      "FLAME", "(messaging) To rant. (1995-01-01)",
                      "LONG", longText,
                      "LONGER", "see long",
                      "ZEBRA", "(n. f.) zebra",
                      "\xC0NCORA", "(n. f.) anchor", // 0xC0 sorts after Z
                      "\xC9" "CART\xC9", "Abash: (v. t.) To confuse; see \xC9" "cart\xE9.",
                  }));
        const InputCounts &c = report.inputs.at(0).counts; // alfa; all; β; caffè
        EXPECT_EQ((std::vector{c.badTerms, c.emptyDefinitions, c.questionMarks, c.notUtf8}), std::vector<std::size_t>(4, 1));
        EXPECT_NE(describe(report).find("15 entries written, 4 dropped"), std::string::npos) << describe(report);
    }
}

TEST(Import, MergesDirectInverseAndGlosses)
{
    fixture::Folder folder;
    const std::string itaEng = folder.dictionary("freedict-ita-eng", "Italian-English FreeDict Dictionary",
                                                 {{{"casa"}, "casa /ˈkaza/ <n, fem>\n1. house\n2. home\n"}});
    const std::string engIta = folder.dictionary("freedict-eng-ita", "English-Italian FreeDict Dictionary",
                                                 {{{"house"}, "house /haʊs/ <n>\ncasa, dimora (poetic, rare)\n"},
                                                  {{"home"}, "home /həʊm/ <n>\n1. casa\n2. patria\n"},
                                                  {{"cat"}, "cat /kat/ <n>\ngatto\n"}});
    const std::string itaSpa = folder.dictionary("freedict-ita-spa", "italiano-español FreeDict+WikDict",
                                                 {{{"casa"}, "casa /ˈkasa/ <n>\n1. hogar\ndomicilio\n2. casa\nedificio\n"}});
    const std::string itaFin = folder.dictionary("freedict-ita-fin", "italiano-suomi FreeDict+WikDict",
                                                 {{{"casa"}, "casa /ˈkasa/ <n>\ntalo\nedificio\n 2.\nfamiglia\n"}});
    const std::string output = folder.path("italiano_inglese.txt");
    run({"--title", "Italiano-inglese", "--source", "FreeDict, GPL", itaEng, "--inverse", engIta, "--glosses", itaSpa,
         "--glosses", itaFin, "-o", output});
    // The inverse's "house, home" for CASA adds nothing to the direct entry and is dropped.
    EXPECT_EQ(fixture::readFile(output), fixture::crlf({
                                             "ITALIANO-INGLESE", "FreeDict, GPL",
                                             "CASA", "(n. f.) 1. house; 2. home",
                                             "CASA", "(n.) 1. domicilio; 2. edificio; 3. famiglia",
                                             "DIMORA", "house",
                                             "GATTO", "cat",
                                             "PATRIA", "home",
                                         }));
}

TEST(Import, BadInputNamesTheFileAndLeavesNoOutput)
{
    fixture::Folder folder;
    const std::string good = itaEng(folder), existing = folder.path("existing.txt");
    fixture::writeFile(existing, "OLD\r\nold\r\n");
    const std::string dz = fixture::readFile(good + ".dict.dz");
    fixture::writeFile(folder.path("truncated.index"), fixture::readFile(good + ".index"));
    fixture::writeFile(folder.path("truncated.dict.dz"), dz.substr(0, dz.size() / 2));
    fixture::writeFile(folder.path("pastend.index"), "casa\tA\tB\nzebra\tZZ\tB\n");
    fixture::writeFile(folder.path("pastend.dict"), "casa\nhouse\n");
    fixture::writeFile(folder.path("notdictd.index"), "<html><body>Not found</body></html>\n");
    std::filesystem::create_directory(folder.path("folder")); // an output that cannot be replaced

    const std::pair<const char *, const char *> cases[] = {
        {"truncated", "truncated.dict.dz"}, {"pastend", "pastend.index"}, {"notdictd", "notdictd.index"}, {"missing", "missing.index"}};
    const auto files = folder.fileCount();
    for (const auto &[input, blamed] : cases) {
        for (const std::string &output : {folder.path("new.txt"), existing}) {
            try {
                run({good, folder.path(input), "-o", output});
                ADD_FAILURE() << "no error for " << input;
            } catch (const ImportError &error) {
                EXPECT_EQ(error.path(), folder.path(blamed));
            }
            EXPECT_EQ(folder.fileCount(), files) << "an output or temporary file was left for " << input;
            EXPECT_EQ(fixture::readFile(existing), "OLD\r\nold\r\n");
        }
    }
    EXPECT_THROW(run({good, "-o", folder.path("folder")}), ImportError);
    EXPECT_EQ(folder.fileCount(), files) << "the temporary file was left";
}

TEST(Import, EqualTermsKeepTheirOrder)
{
    std::vector<Entry> entries;
    for (int i = 0; i < 40; ++i) // enough for std::sort to reorder equal terms
        entries.push_back({i % 2 ? "B" : "\xC0", std::to_string(i)});
    EXPECT_EQ(sortAndDropRepeats(entries), 0u);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(entries[i].definition, std::to_string(i < 20 ? 2 * i + 1 : 2 * (i - 20))) << i;
}

TEST(DictdIndex, ParsesLinesAndRejectsWhatIsNotAnIndex)
{
    EXPECT_EQ(decodeBase64Number("CGJ"), 2u * 4096 + 6 * 64 + 9); // most significant digit first
    EXPECT_FALSE(decodeBase64Number("AAAAAAAAAAA")); // 11 digits would overflow
    const auto entries = parseIndex("casa\tB\tC\n\tD\tE\r\n\nabb'e\tF\tG\tAbbé\n", "x.index");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].key, ""); // a headword of punctuation only ("...")
    EXPECT_EQ(entries[2].headword, "Abbé");
    EXPECT_EQ(entries[2].line, 4u);
    for (const char *text : {"casa\tB\n", "casa\tB\tC\n<html>\n", "a\tB\tC\td\te\n", "casa\tB\t*\n", "", "\n\n"})
        EXPECT_THROW(parseIndex(text, "broken.index"), ImportError) << text;
}

TEST(DictdData, ReadsSeveralGzipMembersAndRejectsDamage)
{
    fixture::Folder folder;
    const std::string path = folder.path("a.dict.dz");
    fixture::writeGzip(path, std::string(5000, 'x'));
    fixture::writeGzip(path, "end\n", "ab");
    EXPECT_EQ(readDictData(path), std::string(5000, 'x') + "end\n");
    const std::string whole = fixture::readFile(path);
    std::string damaged = whole;
    damaged[damaged.size() - 6] ^= 0x55; // the CRC no longer matches
    for (const std::string &bad : {whole.substr(0, whole.size() - 10), whole.substr(0, 12), damaged, std::string("text")})
        EXPECT_THROW(gunzip(bad, path), ImportError);
}
