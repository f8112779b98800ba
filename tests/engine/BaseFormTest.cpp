// The lexicon of word forms and the lookups that go through base forms: what
// a learner's words are found through, what is never taken apart, and what a
// lookup writes with base forms on.

#include "TempFile.h"

#include "dictionary/FileError.h"
#include "morphology/BaseFormLexicon.h"
#include "morphology/BaseForms.h"
#include "translate/TextOperations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

using zelvora::BaseForm;
using zelvora::BaseFormFinding;
using zelvora::BaseFormLexicon;
using zelvora::Language;
using Lines = std::vector<std::string>;

namespace {

// A lexicon as the converter writes it, with the forms the tests ask about.
const std::string LexiconBytes = crlf({
    std::string(zelvora::LexiconFirstLine),
    "Test forms",
    "ESSERE V SONO SEI \xC8 SIAMO ERA FU STATO STATA",
    "AVERE V HO HAI HA ABBIAMO",
    "ANDARE V VADO VAI VA ANDIAMO VA'",
    "STARE V STO STAI STA STATO STATA STA'",
    "DIRE V DICO DICONO DETTO DI'",
    "FARE V FACCIO FA FATTO FA'",
    "MANGIARE V MANGIO MANGIAMO MANGIANDO",
    "TROVARE V TROVO TROVA",
    "SALUTARE V SALUTO SALUTA",
    "AMICO AN AMICI AMICA AMICHE",
    "AMICA N AMICHE",
    "BELLO A BELLA BELLI BELLE BELL'",
    "LUNGO A LUNGA LUNGHI LUNGHE",
    "CASA N CASE",
    "MARE N MARI",
    "UOMO N UOMINI",
    "CI F C'",
    "QUESTO F QUESTA QUESTI QUESTE QUEST'",
});

class Lexicon {
public:
    explicit Lexicon(std::size_t bufferSize = zelvora::DefaultBufferSize)
        : file_(LexiconBytes), lexicon_(BaseFormLexicon::load(file_.path(), bufferSize))
    {
    }
    const BaseFormLexicon &operator*() const { return lexicon_; }
    const BaseFormLexicon *operator->() const { return &lexicon_; }

private:
    TempFile file_;
    BaseFormLexicon lexicon_;
};

std::vector<std::string> lemmasOf(const BaseFormLexicon &lexicon, std::string_view form)
{
    std::vector<std::string> lemmas;
    for (const BaseForm &baseForm : lexicon.baseFormsOf(form))
        lemmas.emplace_back(baseForm.lemma);
    return lemmas;
}

// What a word is found through in a dictionary of these terms, as one run
// finds it: the terms behind it first, then the findings. Every term the
// findings look at must be among those behind it, which one pass resolved.
std::vector<std::string> findingsOf(const BaseFormLexicon &lexicon,
                                    const std::map<std::string, std::string> &dictionary, std::string_view term)
{
    static const std::string None;
    zelvora::BaseFormFinder finder(lexicon);
    const std::vector<std::string> behind = finder.termsBehind(term);
    std::vector<std::string> found;
    for (const BaseFormFinding &finding : finder.find(term, [&](std::string_view tried) -> const std::string & {
             EXPECT_NE(std::find(behind.begin(), behind.end(), tried), behind.end()) << term << " looks at " << tried;
             const auto entry = dictionary.find(std::string(tried));
             return entry == dictionary.end() ? None : entry->second;
         }))
        found.push_back(finding.baseForm + " = " + std::string(finding.definition));
    return found;
}

} // namespace

TEST(Lexicon, GivesEveryBaseFormOfAFormInTheOrderOfItsLines)
{
    for (const std::size_t bufferSize : {1, 2, 3, 7, 64, 1 << 20}) {
        SCOPED_TRACE("buffer of " + std::to_string(bufferSize) + " bytes");
        const Lexicon lexicon(bufferSize);
        EXPECT_EQ(lexicon->baseFormsOf("VADO"), (std::vector<BaseForm>{{"ANDARE", "V"}}));
        EXPECT_EQ(lexicon->baseFormsOf("AMICHE"), (std::vector<BaseForm>{{"AMICO", "AN"}, {"AMICA", "N"}}));
        EXPECT_EQ(lemmasOf(*lexicon, "STATO"), (std::vector<std::string>{"ESSERE", "STARE"}));
        EXPECT_EQ(lemmasOf(*lexicon, "\xC8"), std::vector<std::string>{"ESSERE"});
        EXPECT_EQ(lemmasOf(*lexicon, "QUEST'"), std::vector<std::string>{"QUESTO"});
        // A form is the whole field: VA is not VAI, nor VA'; a lemma is no form of its own.
        EXPECT_EQ(lemmasOf(*lexicon, "VA"), std::vector<std::string>{"ANDARE"});
        for (const char *none : {"V", "VAIX", "ANDARE", "CASA", "", "CASE ", "CASE\n", "casa", "case"})
            EXPECT_TRUE(lexicon->baseFormsOf(none).empty()) << none;
        EXPECT_EQ(lexicon->partsOfSpeechOf("AMICO"), "AN");
        EXPECT_EQ(lexicon->partsOfSpeechOf("MANGIARE"), "V");
        EXPECT_EQ(lexicon->partsOfSpeechOf("VADO"), "");
        EXPECT_EQ(lexicon->lemmaCount(), 18u);
        EXPECT_EQ(lexicon->formCount(), 57u);
        EXPECT_EQ(lexicon->sources(), "Test forms");
    }
}

TEST(Lexicon, RefusesAFileThatIsNoLexiconAndNamesIt)
{
    const auto reasonFor = [](const std::string &bytes) {
        const TempFile file(bytes);
        try {
            BaseFormLexicon::load(file.path());
        } catch (const zelvora::FileError &error) {
            EXPECT_EQ(error.path(), file.path());
            return error.reason();
        }
        return std::string("loaded");
    };
    const std::string first = std::string(zelvora::LexiconFirstLine) + "\r\nsources\r\n";
    EXPECT_EQ(reasonFor(first + "CASA N CASE\r\n\r\n"), "loaded"); // a blank last line is no lemma
    EXPECT_NE(reasonFor("ITALIANO-INGLESE\r\nintestazione\r\nCASA\r\nhouse\r\n").find("first line"), std::string::npos);
    EXPECT_NE(reasonFor(""), "loaded");
    // LF alone ends no line: the whole file is its first line.
    EXPECT_NE(reasonFor(std::string(zelvora::LexiconFirstLine) + "\nsources\nCASA N CASE\n"), "loaded");
    for (const char *line :
         {"CASA", "CASA  N CASE", "CASA X CASE", "CASA N CASE ", " CASA N", "CASA n CASE", "CASA N CA\nSE"})
        EXPECT_EQ(reasonFor(first + "UOMO N UOMINI\r\n" + line + "\r\n"),
                  "line 4 is not a lemma, its parts of speech and its forms parted by blanks")
            << line;

    const std::string missing = TempFile::missingPath();
    try {
        BaseFormLexicon::load(missing);
        FAIL() << "a missing file loaded";
    } catch (const zelvora::FileError &error) {
        EXPECT_EQ(error.path(), missing);
        EXPECT_EQ(error.reason(), "No such file or directory");
    }
}

TEST(BaseForms, AWordIsFoundThroughWhatTheDictionaryHas)
{
    const Lexicon lexicon;
    const std::map<std::string, std::string> dictionary = {
        {"ANDARE", "to go"},      {"ESSERE", "to be"},      {"STARE", "to stay"}, {"AMICO", "friend"},
        {"AMICA", "friend (f.)"}, {"BELLO", "beautiful"},   {"CASA", "house"},    {"DIRE", "to say"},
        {"TROVARE", "to find"},   {"SALUTARE", "to greet"}, {"FARE", "to do"},    {"LUNGO", "long"},
        {"MANGIARE", "to eat"},   {"DELL'", "of the"},      {"ACQUA", "water"},   {"CI", "there"},
        {"\xC8", "is"},           {"ORA", "hour"},          {"PO'", "a little"},  {"L'", "the"}};
    const std::map<std::string, std::vector<std::string>> expected = {
        {"VADO", {"ANDARE = to go"}},
        {"STATO", {"ESSERE = to be", "STARE = to stay"}},
        {"AMICHE", {"AMICO = friend", "AMICA = friend (f.)"}},
        {"UOMINI", {}}, // UOMO is not in the dictionary
        {"CASE", {"CASA = house"}},
        // Elided words: each part as a word, as typed or through its base forms.
        {"DELL'ACQUA", {"DELL' = of the", "ACQUA = water"}},
        {"C'\xC8", {"CI = there", "\xC8 = is"}},
        {"L'AMICHE", {"L' = the", "AMICO = friend", "AMICA = friend (f.)"}},
        {"QUEST'ORA", {"ORA = hour"}}, // QUESTO is not in the dictionary
        {"L'XYZ", {"L' = the"}},
        {"'NDRANGHETA", {}},            // an apostrophe at either end parts nothing
        {"PO\x92", {"PO' = a little"}}, // the typographic apostrophe is the dictionary's plain one
        {"DELL\x92"
         "ACQUA",
         {"DELL' = of the", "ACQUA = water"}},
        // Verbs with pronouns joined to them, superlatives.
        {"TROVARMI", {"TROVARE = to find"}},
        {"SALUTAMI", {"SALUTARE = to greet"}},
        {"DIMMI", {"DIRE = to say"}},
        {"DIGLIELO", {"DIRE = to say"}},
        {"FALLO", {"FARE = to do"}},
        {"MANGIANDOLO", {"MANGIARE = to eat"}},
        {"ANDARSENE", {"ANDARE = to go"}},
        {"MARSI", {}}, // MARE is no verb
        {"BELLISSIMA", {"BELLO = beautiful"}},
        {"LUNGHISSIMI", {"LUNGO = long"}},
        {"ISSIMO", {}},
        {"", {}},
    };
    for (const auto &[term, found] : expected)
        EXPECT_EQ(findingsOf(*lexicon, dictionary, term), found) << term;
}

TEST(BaseForms, LookupsWriteTheBaseFormTheyFoundAndNothingElseChanges)
{
    const Lexicon lexicon;
    const TempFile dictionary(
        crlf({"TITOLO", "intestazione", "LA",     "the",    "CASA",  "house",   "STATO",    "state",
              "ANDARE", "to go",        "ESSERE", "to be",  "STARE", "to stay", "MANGIARE", "to eat",
              "BELLO",  "beautiful",    "BELLA",  "beauty", "AMICO", "friend",  "VUOTO",    ""}));
    const zelvora::LookupState before{"", "prima", zelvora::FoundFlag::Unset};
    const auto run = [&](zelvora::TextOperation operation, const Lines &working, const BaseFormLexicon *with,
                         std::size_t bufferSize) {
        return zelvora::runTextOperation(operation, dictionary.path(), working, Language::Italian, before, with,
                                         bufferSize)
            .lines;
    };
    for (const std::size_t bufferSize : {1, 3, 7, 1 << 20}) {
        SCOPED_TRACE("buffer of " + std::to_string(bufferSize) + " bytes");
        using zelvora::TextOperation;
        EXPECT_EQ(
            run(TextOperation::Translate, {"mangiamo la casa  case belle", "stato xyz amiche"}, &*lexicon, bufferSize),
            (Lines{"mangiamo la casa  case belle", "MANGIAMO (MANGIARE) = to eat", "LA = the", "CASA = house",
                   "CASE (CASA) = house", "BELLE (BELLO) = beautiful", "stato xyz amiche", "STATO = state", "XYZ = -",
                   "AMICHE (AMICO) = friend"}));
        EXPECT_EQ(run(TextOperation::DictionaryFromText, {"case casa case xyz xyz"}, &*lexicon, bufferSize),
                  (Lines{"CASE (CASA) = house", "CASA = house", "XYZ = -"}));
        EXPECT_EQ(run(TextOperation::WordList, {"vado case Case xyz"}, &*lexicon, bufferSize),
                  (Lines{"VADO (ANDARE)", "CASE (CASA)", "XYZ [non trovato]"}));
        // Words found as typed, or through nothing, a prefix, an empty definition: as without base forms.
        const Lines asTyped = {"la casa  stato xyz cas* vuoto bella KKKKK"};
        EXPECT_EQ(run(TextOperation::Translate, asTyped, &*lexicon, bufferSize),
                  run(TextOperation::Translate, asTyped, nullptr, bufferSize));

        const auto lookUp = [&](const char *typed) {
            return zelvora::lookUpTerm(dictionary.path(), typed, Language::Italian, 0, before, &*lexicon, bufferSize);
        };
        const zelvora::TermLookup vado = lookUp("vado");
        EXPECT_EQ(vado.pane.appended(), Lines{"VADO (ANDARE) = to go"});
        EXPECT_EQ(vado.state.termBox, "VADO");
        EXPECT_EQ(vado.state.label1, "to go");
        EXPECT_EQ(vado.state.found, zelvora::FoundFlag::Yes);
        EXPECT_EQ(lookUp("stato").pane.appended(), Lines{"STATO = state"});
        const zelvora::TermLookup none = lookUp("xyz");
        EXPECT_EQ(none.pane.appended(), Lines{});
        EXPECT_EQ(none.state.found, zelvora::FoundFlag::No);
    }
}
