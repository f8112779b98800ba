// Whole runs (dictd dictionaries written here, converted from a command line, the file read back), and
// the reading of dictd files.
#include "DictdFixture.h"

#include "import/CommandLine.h"
#include "import/DictdData.h"
#include "import/DictdIndex.h"
#include "import/Import.h"
#include "import/ImportError.h"
#include "import/MergeTerms.h"
#include "import/Pivot.h"
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
                      "CASA", "(n. f.) 1. house; 2. home; 3. household", // the third entry adds nothing
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
        EXPECT_NE(describe(report).find("14 entries written, 3 dropped"), std::string::npos) << describe(report);
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
    // One entry per term: the inverse's "house, home" for CASA adds nothing to the direct senses.
    EXPECT_EQ(fixture::readFile(output), fixture::crlf({
                                             "ITALIANO-INGLESE", "FreeDict, GPL",
                                             "CASA", "(n. f.) 1. house; 2. home; (n.) 3. domicilio; 4. edificio; 5. famiglia",
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

TEST(Import, ThroughThirdLanguagesWhereTwoAgree)
{
    fixture::Folder folder;
    const std::string itaEng = folder.dictionary("freedict-ita-eng", "Italian-English FreeDict Dictionary",
                                                 {{{"ogni"}, "ogni /ˈoɲɲi/\ndaily\n"},          // a word of "ogni giorno"
                                                  {{"mare"}, "Mare /ˈmare/\nArabian Sea\n"},   // a word of "Mare Arabico"
                                                  {{"mare"}, "mare /ˈmare/\nsea\n"},
                                                  {{"nome"}, "nome /ˈnome/\nappellation, name\n"}});
    const std::string engIta = folder.dictionary("freedict-eng-ita", "English-Italian FreeDict Dictionary",
                                                 {{{"daily"}, "daily /ˈdeɪli/\n1. giornaliero\n2. ogni giorno\n"}});
    auto wikDict = [&](const std::string &name, const std::vector<fixture::Definition> &definitions) {
        return folder.dictionary(name, name + " FreeDict+WikDict dictionary", definitions);
    };
    const std::string itaFin = wikDict("freedict-ita-fin", {{{"ogni"}, "ogni <adj>\njokainen\n"},
                                                             {{"nome"}, "nome <n>\nnimi\n"},
                                                             {{"mare"}, "mare <n>\nmeri\n"}});
    const std::string finEng = wikDict("freedict-fin-eng", {{{"jokainen"}, "jokainen <adj>\nevery, each\n"},
                                                             {{"nimi"}, "nimi <n>\nname\n"},
                                                             {{"meri"}, "meri <n>\nsea\n"}});
    const std::string itaSpa = wikDict("freedict-ita-spa", {{{"ogni"}, "ogni <adj>\ncada\n"},
                                                             {{"nome"}, "nome <n>\nnombre\n"}});
    const std::string engSpa = wikDict("freedict-eng-spa", {{{"each"}, "each <adj>\ncada\n"},
                                                             {{"every"}, "every <adj>\ncada\n"},
                                                             {{"name"}, "name <n>\nnombre\n"},
                                                             {{"noun"}, "noun <n>\nnombre\n"}});
    const std::string output = folder.path("italiano_inglese.txt");
    const ImportReport report = run({itaEng, "--inverse", engIta, "--via-in", itaFin, "--via-out", finEng, "--via-in", itaSpa,
                                     "--via-out-inverse", engSpa, "-o", output});
    EXPECT_EQ(fixture::readFile(output), fixture::crlf({
                                             "ITALIAN-ENGLISH FREEDICT DICTIONARY",
                                             "https://example.org/freedict-ita-eng - Licensed under the GNU General Public License.",
                                             "GIORNALIERO", "daily",
                                             "MARE", "sea", // not "Arabian Sea"; one language only for "sea"
                                             "NOME", "name, appellation", // ordered by agreement; "noun" through one only
                                             "OGNI", "every, each (via fin, spa)", // not "daily"
                                             "OGNI GIORNO", "daily",
                                         }));
    EXPECT_EQ(report.via, 2u);
    EXPECT_EQ(report.merge.moved, 1u);   // OGNI's "daily" to OGNI GIORNO
    EXPECT_EQ(report.merge.unsound, 1u); // "Arabian Sea"
    EXPECT_EQ(thirdLanguage("freedict-ita-fin", true), "fin");
    EXPECT_EQ(thirdLanguage("freedict-fin-ita", false), "fin");
}

TEST(Import, ExpressionsKeyedOnTheirFirstWordGoBackTogether)
{
    // Both directions cut "alla fine = at last" down to its first word: "alla = at last", "at = alla fine".
    fixture::Folder folder;
    const std::string itaEng = folder.dictionary("freedict-ita-eng", "Italian-English FreeDict Dictionary",
                                                 {{{"alla"}, "alla /ˈalla/\nat last, finally\n"},
                                                  {{"a"}, "a /ˈaː/\n1. to, at\n2. by chance\n"}, // a caso? a memoria?
                                                  {{"incinta"}, "incinta /inˈtʃinta/\nwith child\n"},
                                                  {{"ogni"}, "ogni /ˈoɲɲi/\ndaily, every\n"}});
    const std::string engIta = folder.dictionary("freedict-eng-ita", "English-Italian FreeDict Dictionary",
                                                 {{{"at"}, "at /ˈat/\n1. a\n2. alla fine\n"},
                                                  {{"finally"}, "finally /ˈfaɪnəli/\nalla fine\n"},
                                                  {{"by"}, "by /bˈaɪ/\na caso\n"},
                                                  {{"by"}, "by /bˈaɪ/\na memoria\n"},
                                                  {{"heart"}, "heart /hˈɑːt/\ncuore, a memoria\n"}, // not a half: a word of its own
                                                  {{"with"}, "with /wˈɪð/\nincinta\n"},
                                                  {{"daily"}, "daily /ˈdeɪli/\nogni, ogni giorno\n"}}); // gives OGNI = daily too
    const std::string output = folder.path("italiano_inglese.txt");
    const ImportReport report = run({"--title", "T", "--source", "S", itaEng, "--inverse", engIta, "-o", output});
    EXPECT_EQ(fixture::readFile(output), fixture::crlf({
                                             "T", "S",
                                             "A", "to, at",               // not "by chance": A CASO or A MEMORIA?
                                             "A MEMORIA", "heart",        // "by" was the other half
                                             "ALLA FINE", "at last, finally", // the direct sense whole; not "at"
                                             "CUORE", "heart",
                                             "INCINTA", "with child",     // not "with"
                                             "OGNI", "daily, every",
                                             "OGNI GIORNO", "daily",
                                         }));
    EXPECT_EQ(report.merge.moved, 2u);
    EXPECT_EQ(report.merge.unsound, 5u); // "by chance"; "at", "by" twice and "with" as halves
}

TEST(Import, SupplementComesFirstAndItsFaultsNameTheLine)
{
    fixture::Folder folder;
    const std::string supplement = folder.path("ours.txt");
    fixture::writeFile(supplement, "# our own glosses\n\n"
                                   "AL = to the, at the (a + il)\n"
                                   "  lo = (art.) the (m., before z; lo zio); (pron.) him, it\n"
                                   "NE = of it, some\r\n");
    const std::string itaEng = folder.dictionary("freedict-ita-eng", "Italian-English FreeDict Dictionary",
                                                 {{{"lo"}, "lo /lo/\nthe\n"}, {{"ne"}, "ne /ne/\nin\n"}});
    const std::string output = folder.path("italiano_inglese.txt");
    const ImportReport report = run({"--supplement", supplement, itaEng, "-o", output});
    // The header is the dictionary's, not the supplement's; the dictionary's repeats are left out.
    EXPECT_EQ(fixture::readFile(output), fixture::crlf({
                                             "ITALIAN-ENGLISH FREEDICT DICTIONARY",
                                             "https://example.org/freedict-ita-eng - Licensed under the GNU General Public License.",
                                             "AL", "to the, at the (a + il)",
                                             "LO", "(art.) 1. the (m., before z; lo zio); (pron.) 2. him, it",
                                             "NE", "1. of it, some; 2. in",
                                         }));
    EXPECT_NE(describe(report).find("ours.txt (our supplement): 3 definitions, 3 entries"), std::string::npos) << describe(report);
    const std::pair<const char *, const char *> faults[] = {
        {"AL = to the\nAL to the\n", "line 2 is not \"TERM = definition\""},
        {"\xCF\x80 = pi\n", "line 1 has a term that Windows-1252 cannot write"},
        {"AL = ; ,\n", "line 1 defines nothing"},
    };
    for (const auto &[text, reason] : faults) {
        fixture::writeFile(supplement, text);
        try {
            run({itaEng, "--supplement", supplement, "-o", output});
            ADD_FAILURE() << "no error for " << text;
        } catch (const ImportError &error) {
            EXPECT_EQ(error.what(), supplement + ": " + reason);
        }
    }
    fixture::writeFile(supplement, "AL = to the\n");
    EXPECT_THROW(run({"--supplement", supplement, "-o", output}), UsageError); // nothing to add to
}

TEST(Import, ThesaurusAndItsErrors)
{
    fixture::Folder folder;
    const std::string thesaurus = folder.path("th_it_IT_v2.dat");
    fixture::writeFile(thesaurus, "UTF-8\ncasa|2\n(s.f.)|abitazione|dimora\n(s.f.)|famiglia|stirpe\nπ|1\n(s.)|pi greco\n"
                                  "città|1\n(s.f.)|metropoli|centro\n");
    const std::string output = folder.path("sinonimi_italiani.txt");
    run({"--title", "Sinonimi", "--source", "Thesaurus, GPL 3", "--thesaurus", thesaurus, "-o", output});
    EXPECT_EQ(fixture::readFile(output), fixture::crlf({"SINONIMI", "Thesaurus, GPL 3",
                                                        "CASA", "(s.f.) 1. abitazione, dimora; 2. famiglia, stirpe",
                                                        "CITT\xC0", "(s.f.) metropoli, centro"}));
    for (const char *broken : {"UTF-8\ncasa|3\n(s.f.)|abitazione\n", "UTF-8\ncasa\n", "UTF-8\ncasa|x\n(s.f.)|a\n"}) {
        fixture::writeFile(thesaurus, broken);
        EXPECT_THROW(run({"--thesaurus", thesaurus, "-o", output}), ImportError) << broken;
    }
}

TEST(Merge, OneEntryPerTermInTheOrderALearnerNeeds)
{
    const auto entry = [](Standing standing, std::vector<Sense> senses, bool translations = true) {
        return Entry{"CITT\xC0", standing, translations, std::move(senses), {}};
    };
    std::vector<Entry> entries = {
        entry(Standing::Via, {{"", {"town", "borough"}, "", "fin, spa"}}),
        entry(Standing::Inverse, {{"", {"city", "Vatican City", "burg"}, "", ""}}),
        entry(Standing::Direct, {{"n. f.", {"Rome"}, "", ""}, {"n. f.", {"city", "town", "city"}, "", ""}}),
        Entry{"ANCORA", Standing::Direct, false, {{"adv.", {"Still."}, "", ""}, {"", {"Again"}, "", ""}}, "as written alone"},
        Entry{"CASA", Standing::Direct, false, {{"n.", {"A house."}, "", ""}}, "(n.) A house."},
        Entry{"CASA", Standing::Direct, false, {{"v.", {"To house"}, "", ""}, {"n.", {"A house."}, "", ""}}, "(v.) To house"},
    };
    MergeCounts counts;
    const std::vector<WrittenEntry> written = mergeEntries(entries, MergeOptions{true, {}, {}}, counts);
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[0].definition, "as written alone");
    EXPECT_EQ(written[1].definition, "(n.) 1. A house. (v.) 2. To house"); // the repeated sense once
    // Direct, then inverse, then through other languages; names after common senses; a repeat within
    // one entry kept; the name of several words given to a word with common senses dropped.
    EXPECT_EQ(written[2].definition, "(n. f.) 1. city, town, city; 2. burg; 3. borough (via fin, spa); 4. Rome");
    EXPECT_EQ(counts.merged, 3u);
    EXPECT_EQ(counts.unsound, 1u);
    EXPECT_EQ(itemKey(" to  Go (away) "), "GO");
}

TEST(Merge, AgreementOrdersTranslationsAndPutsWeakSensesLast)
{
    std::vector<Entry> entries = {
        Entry{"TAKE", Standing::Direct, true, {{"", {"accettare", "accogliere"}, "", ""}, {"", {"pigliare", "prendere"}, "", ""}}, {}},
        Entry{"TAKE", Standing::Via, true, {{"", {"portare"}, "", "fin, spa"}}, {}},
    };
    MergeOptions options;
    options.agreement = [](const std::string &, const std::string &item) { return item == "PRENDERE" ? 8 : item == "ACCETTARE" ? 2 : 0; };
    options.strongest = [](const std::string &) { return 8; };
    MergeCounts counts;
    EXPECT_EQ(mergeEntries(entries, options, counts).front().definition,
              "1. prendere, pigliare; 2. portare (via fin, spa); 3. accettare, accogliere");
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
