// Whole runs: dictd dictionaries written here, converted, and the file read back.
#include "DictdFixture.h"

#include "import/CommandLine.h"
#include "import/Import.h"
#include "import/ImportError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace zelvora::dictd;
using Entries = std::vector<std::pair<std::string, std::string>>;

namespace {

const char *FreeDictTitle = "Italian-English FreeDict Dictionary ver. 0.2";

ImportReport run(std::vector<Input> inputs, const std::string &output)
{
    Options options;
    options.inputs = std::move(inputs);
    options.output = output;
    return runImport(options);
}

std::string itaEng(const fixture::Folder &folder, bool compressed = true)
{
    return folder.dictionary("freedict-ita-eng", FreeDictTitle,
                             {
                                 {{"zebra"}, "zebra /ˈdzɛbra/ <n, fem>\nzebra\n"},
                                 {{"casa"}, "casa /ˈkaza/ <n, fem>\n1. house\n2. home\n"},
                                 {{"citta"}, "città /tʃitˈta/ <n, fem>\ncity, town\n"},
                                 {{"ancora"}, "àncora /ˈankora/ <n, fem>\nanchor\n"},
                                 {{"alsazialorena"}, "Alsazia‐Lorena /alˈsattsja/ <pn>\nAlsace‐Lorraine\n"},
                                 {{"casa"}, "casa /ˈkaza/\nhousehold\n"},
                                 {{"casa"}, "casa /ˈkaza/\n1. house\n2. home\n"}, // adds nothing
                                 {{"alfa"}, "αλφα /ˈalfa/\nalpha\n"},            // a term Windows-1252 cannot write
                                 {{"beta"}, "beta /ˈbɛta/\nβ, beta\n"},          // a "?" in a definition
                                 {{"all"}, "all /ˈall/\n\n"},                    // nothing to define it
                             },
                             compressed);
}

} // namespace

TEST(Import, WritesHeaderPairAndEntriesInByteOrderWithCrLf)
{
    fixture::Folder folder;
    const std::string output = folder.path("italiano_inglese.txt");
    const ImportReport report = run({{itaEng(folder)}}, output);

    const std::vector<std::string> lines = fixture::lines(fixture::readFile(output)); // throws on a bare LF
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "ITALIAN-ENGLISH FREEDICT DICTIONARY VER. 0.2");
    EXPECT_EQ(lines[1], "https://example.org/freedict-ita-eng - Licensed under the GNU General Public License.");
    EXPECT_EQ(fixture::entries(output), (Entries{
                                            {"ALSAZIA-LORENA", "(n. pr.) Alsace-Lorraine"},
                                            {"BETA", "?, beta"},
                                            {"CASA", "(n. f.) 1. house; 2. home"},
                                            {"CASA", "household"},
                                            {"CITT\xC0", "(n. f.) city, town"},
                                            {"ZEBRA", "(n. f.) zebra"},
                                            {"\xC0NCORA", "(n. f.) anchor"}, // 0xC0 sorts after Z
                                        }));
    EXPECT_EQ(report.written, 7u);
    EXPECT_EQ(report.repeats, 1u);
    ASSERT_EQ(report.inputs.size(), 1u);
    EXPECT_EQ(report.inputs[0].counts.badTerms, 1u);
    EXPECT_EQ(report.inputs[0].counts.emptyDefinitions, 1u);
    EXPECT_EQ(report.inputs[0].counts.questionMarks, 1u);
    EXPECT_EQ(report.inputs[0].counts.internal, 3u);
    const std::string summary = describe(report);
    for (const char *part : {"7 entries written, 3 dropped", "1 whose term", "1 with nothing left", "1 that repeat",
                             "1 characters of definitions became \"?\""})
        EXPECT_NE(summary.find(part), std::string::npos) << part << " in\n" << summary;
}

TEST(Import, PlainAndCompressedDataGiveTheSameFile)
{
    fixture::Folder compressed, plain;
    run({{itaEng(compressed, true) + ".index"}}, compressed.path("out.txt"));
    run({{itaEng(plain, false) + ".dict"}}, plain.path("out.txt"));
    EXPECT_EQ(fixture::readFile(compressed.path("out.txt")), fixture::readFile(plain.path("out.txt")));
}

TEST(Import, MergesWithTheInverseOfTheOtherDirection)
{
    fixture::Folder folder;
    const std::string engIta = folder.dictionary("freedict-eng-ita", "English-Italian FreeDict Dictionary",
                                                 {
                                                     {{"house"}, "house /haʊs/ <n>\ncasa, dimora (poetic)\n"},
                                                     {{"home"}, "home /həʊm/ <n>\n1. casa\n2. patria\n"},
                                                     {{"cat"}, "cat /kat/ <n>\ngatto\n"},
                                                 });
    const std::string output = folder.path("italiano_inglese.txt");
    Options options;
    options.inputs = {{itaEng(folder)}, {engIta, InputMode::Inverse}};
    options.output = output;
    options.title = "ITALIANO-INGLESE";
    options.source = "FreeDict ita-eng ed eng-ita, GNU GPL 2 o successiva";
    runImport(options);

    const Entries entries = fixture::entries(output);
    auto definitionsOf = [&](const std::string &term) {
        std::vector<std::string> found;
        for (const auto &[t, d] : entries)
            if (t == term)
                found.push_back(d);
        return found;
    };
    // The direct entry comes first; the inverse's "house, home" adds nothing to it and is dropped.
    EXPECT_EQ(definitionsOf("CASA"), (std::vector<std::string>{"(n. f.) 1. house; 2. home", "household"}));
    EXPECT_EQ(definitionsOf("GATTO"), std::vector<std::string>{"cat"});
    EXPECT_EQ(definitionsOf("DIMORA"), std::vector<std::string>{"house"});
    EXPECT_EQ(definitionsOf("PATRIA"), std::vector<std::string>{"home"});
    EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end(),
                               [](const auto &a, const auto &b) { return a.first < b.first; }));
    EXPECT_EQ(fixture::lines(fixture::readFile(output))[1], "FreeDict ita-eng ed eng-ita, GNU GPL 2 o successiva");
}

TEST(Import, GlossesOfSeveralInputsMakeOneEntryPerTerm)
{
    fixture::Folder folder;
    const std::string itaSpa = folder.dictionary("freedict-ita-spa", "italiano-español FreeDict+WikDict",
                                                 {{{"casa"}, "casa /ˈkasa/ <n>\n1. hogar\ndomicilio\n2. casa\nedificio\n"},
                                                  {{"cane"}, "cane /ˈkane/ <n>\nperro\n"}});
    const std::string itaFin = folder.dictionary("freedict-ita-fin", "italiano-suomi FreeDict+WikDict",
                                                 {{{"casa"}, "casa /ˈkasa/ <n>\ntalo\nedificio\n 2.\nfamiglia\n"}});
    const std::string output = folder.path("definizioni.txt");
    run({{itaSpa, InputMode::Glosses}, {itaFin, InputMode::Glosses}}, output);
    EXPECT_EQ(fixture::entries(output), (Entries{{"CASA", "(n.) 1. domicilio; 2. edificio; 3. famiglia"}}));
}

TEST(Import, ProseKeysThatAreNotTheHeadword)
{
    fixture::Folder folder;
    const std::string foldoc = folder.dictionary(
        "foldoc", "The Free On-line Dictionary of Computing",
        {{{"flame", "flamage", "x"}, "flame\nflamage\n\n   <messaging> To rant.\n\n   (1995-01-01)\n"},
         {{"Abash", "'Ecart'e"}, "Abash \\A*bash\"\\, v. t. [OE. abaissen.]\n   To confuse; see ['E]cart['e].\n"}});
    const std::string output = folder.path("foldoc.txt");
    const ImportReport report = run({{foldoc}}, output);
    EXPECT_EQ(fixture::entries(output), (Entries{
                                            {"ABASH", "(v. t.) To confuse; see \xC9" "cart\xE9."},
                                            {"FLAMAGE", "flame: (messaging) To rant. (1995-01-01)"},
                                            {"FLAME", "(messaging) To rant. (1995-01-01)"},
                                            {"\xC9" "CART\xC9", "Abash: (v. t.) To confuse; see \xC9" "cart\xE9."},
                                        }));
    EXPECT_EQ(report.inputs[0].counts.senseLabels, 1u); // "x"
}

TEST(Import, BadInputNamesTheFileAndLeavesNoOutput)
{
    fixture::Folder folder;
    const std::string good = itaEng(folder);
    const std::string existing = folder.path("existing.txt");
    fixture::writeFile(existing, "OLD\r\nold\r\n");

    const std::string truncated = folder.path("truncated");
    fixture::writeFile(truncated + ".index", fixture::readFile(good + ".index"));
    const std::string dz = fixture::readFile(good + ".dict.dz");
    fixture::writeFile(truncated + ".dict.dz", dz.substr(0, dz.size() / 2));

    const std::string pastEnd = folder.path("pastend");
    fixture::writeFile(pastEnd + ".index", "casa\tA\tB\nzebra\tZZ\tB\n");
    fixture::writeFile(pastEnd + ".dict", "casa\nhouse\n");

    const std::string notDictd = folder.path("notdictd");
    fixture::writeFile(notDictd + ".index", "<html><body>Not found</body></html>\n");
    fixture::writeFile(notDictd + ".dict", "");

    const struct {
        std::string input;
        std::string blamed;
    } cases[] = {
        {truncated, truncated + ".dict.dz"},
        {pastEnd, pastEnd + ".index"},
        {notDictd, notDictd + ".index"},
        {folder.path("missing"), folder.path("missing.index")},
    };
    const auto before = folder.fileNames();
    for (const auto &c : cases) {
        for (const std::string &output : {folder.path("new.txt"), existing}) {
            try {
                run({{good}, {c.input}}, output);
                ADD_FAILURE() << "no error for " << c.input;
            } catch (const ImportError &error) {
                EXPECT_EQ(error.path(), c.blamed);
                EXPECT_NE(std::string(error.what()).find(c.blamed), std::string::npos);
            }
            EXPECT_FALSE(std::filesystem::exists(folder.path("new.txt")));
            EXPECT_EQ(fixture::readFile(existing), "OLD\r\nold\r\n");
            auto after = folder.fileNames();
            EXPECT_TRUE(std::is_permutation(before.begin(), before.end(), after.begin(), after.end()))
                << "a temporary file was left behind";
        }
    }
    EXPECT_THROW(run({{good}}, folder.path("no-such-folder/out.txt")), ImportError);
}

TEST(CommandLine, InputsKeepTheirModesInOrder)
{
    const Options options =
        parseCommandLine({"--title", "T", "a", "--inverse", "b", "-o", "out.txt", "--glosses", "c", "--layout", "prose"});
    ASSERT_EQ(options.inputs.size(), 3u);
    EXPECT_EQ(options.inputs[0].path, "a");
    EXPECT_EQ(options.inputs[1].mode, InputMode::Inverse);
    EXPECT_EQ(options.inputs[2].mode, InputMode::Glosses);
    EXPECT_EQ(options.output, "out.txt");
    EXPECT_EQ(options.title, "T");
    EXPECT_EQ(options.layout, Layout::Prose);
    EXPECT_TRUE(parseCommandLine({"--help"}).help);

    for (const std::vector<std::string> &wrong : std::vector<std::vector<std::string>>{
             {"a"}, {"-o", "out.txt"}, {"a", "-o"}, {"a", "-o", "x", "--bogus"}, {"a", "-o", "x", "--title", ""},
             {"a", "-o", "x", "--layout", "xml"}})
        EXPECT_THROW(parseCommandLine(wrong), UsageError);
}
