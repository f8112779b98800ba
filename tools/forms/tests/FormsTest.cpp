// zelvora-forms: the JSON it reads, the lexicon it writes from the npm
// packages' tables and our supplement, and the program reading that lexicon.

#include "../../import/tests/DictdFixture.h"

#include "dictionary/FileError.h"
#include "forms/Json.h"
#include "forms/LexiconBuilder.h"
#include "import/ImportError.h"
#include "morphology/BaseFormLexicon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zelvora::forms::JsonValue;
using zelvora::forms::parseJson;

namespace {

std::string jsonErrorOf(std::string_view text)
{
    try {
        parseJson(text);
    } catch (const zelvora::forms::JsonError &error) {
        return error.what();
    }
    return "parsed";
}

std::vector<std::string> lemmasOf(const zelvora::BaseFormLexicon &lexicon, std::string_view form)
{
    std::vector<std::string> lemmas;
    for (const zelvora::BaseForm &baseForm : lexicon.baseFormsOf(form))
        lemmas.emplace_back(baseForm.lemma);
    return lemmas;
}

} // namespace

TEST(Json, ReadsTheTablesValuesInTheirOrder)
{
    const JsonValue value = parseJson(R"( {"z": {"S1": "vado", "n": null}, "a": ["s\u00ec", "\"\\\/\n", 12.5e1,
                                          true, false, "\ud83d\ude00"], "e": {}} )");
    ASSERT_EQ(value.kind, JsonValue::Kind::Object);
    ASSERT_EQ(value.members.size(), 3u);
    EXPECT_EQ(value.members[0].key, "z"); // as written, not sorted
    EXPECT_EQ(value.members[0].value.members[0].value.text, "vado");
    EXPECT_EQ(value.members[0].value.members[1].value.kind, JsonValue::Kind::Null);
    const std::vector<JsonValue> &items = value.members[1].value.items;
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[0].text, "s\xC3\xAC");
    EXPECT_EQ(items[1].text, "\"\\/\n");
    EXPECT_EQ(items[2].kind, JsonValue::Kind::Number);
    EXPECT_EQ(items[2].text, "12.5e1");
    EXPECT_EQ(items[3].text + items[4].text, "truefalse");
    EXPECT_EQ(items[5].text, "\xF0\x9F\x98\x80");
    EXPECT_TRUE(value.members[2].value.members.empty());

    EXPECT_EQ(jsonErrorOf(R"({"a": "b)"), "the string does not end at byte 8");
    EXPECT_EQ(jsonErrorOf(R"({"a": "b"} x)"), "text after the value at byte 11");
    EXPECT_EQ(jsonErrorOf(R"({"a" "b"})"), "':' expected at byte 5");
    EXPECT_EQ(jsonErrorOf(R"(["\x"])"), "an unknown escape at byte 4");
    EXPECT_EQ(jsonErrorOf(R"(["\ud83d"])"), "a lone surrogate at byte 8");
    EXPECT_EQ(jsonErrorOf("[\"a\nb\"]"), "a control character in a string at byte 4");
    EXPECT_EQ(jsonErrorOf(""), "a value expected at byte 0");
    EXPECT_EQ(jsonErrorOf(std::string(200, '[') + std::string(200, ']')), "nesting too deep at byte 101");
}

TEST(Forms, WritesOneLinePerLemmaFromEverySourceAndTheProgramReadsIt)
{
    const fixture::Folder folder;
    zelvora::forms::LexiconBuilder builder;
    builder.addSupplement(folder.write("ours.txt", "# comment\n\nessere V sono è stato\r\namico A amici\n"));
    builder.addTable(parseJson(R"({"andare": {"ind": {"pres": {"S1": "vado", "S3": "va", "P1": "andiamo"}},
                                              "impr": {"pres": {"P1": "andiamo"}}, "inf": {"pres": "andarvi"}},
                                   "fare": {"part": {"past": {"S": "fatto", "SF": null}}}})"),
                     'V');
    builder.addTable(parseJson(R"({"amico": {"MP": "amici", "FS": "amica", "FP": "amiche"},
                                   "bello": {"MS": "bello", "FP": "belle", "MP": "бели"}, "xy": {"MP": null}})"),
                     'A');
    builder.addTable(parseJson(R"({"casa": {"G": "F", "P": "case"}, "amico": {"G": "M", "P": "amici"},
                                   "città": {"G": "F", "P": "città"}, "dio": {"G": "M", "P": "dèi"},
                                   "дом": {"G": "M", "P": "дома"}, "uomo": {"G": "M", "P": "uomini", "S": "uom"}})"),
                     'N');
    const std::string output = folder.path("forme_italiane.txt");
    builder.write(output, "Test sources: Morph-it! (CC BY-SA 2.0)");
    // Our lemmas first; a lemma keeps its first place and gains every part of
    // speech; a form once, never the lemma itself; a lemma without forms and a
    // word that Windows-1252 cannot write are left out; the gender is no form.
    EXPECT_EQ(fixture::readFile(output), "ZELVORA FORME ITALIANE 1\r\n"
                                "Test sources: Morph-it! (CC BY-SA 2.0)\r\n"
                                "ESSERE V SONO \xC8 STATO\r\n"
                                "AMICO AN AMICI AMICA AMICHE\r\n"
                                "ANDARE V VADO VA ANDIAMO ANDARVI\r\n"
                                "FARE V FATTO\r\n"
                                "BELLO A BELLE\r\n"
                                "CASA N CASE\r\n"
                                "DIO N D\xC8I\r\n"
                                "UOMO N UOMINI UOM\r\n");
    EXPECT_EQ(builder.lemmaCount(), 8u);
    EXPECT_EQ(builder.formCount(), 16u);
    EXPECT_EQ(builder.leftOut(), 2u);

    const zelvora::BaseFormLexicon lexicon = zelvora::BaseFormLexicon::load(output);
    EXPECT_EQ(lemmasOf(lexicon, "ANDIAMO"), std::vector<std::string>{"ANDARE"});
    EXPECT_EQ(lemmasOf(lexicon, "AMICHE"), std::vector<std::string>{"AMICO"});
    EXPECT_EQ(lexicon.partsOfSpeechOf("AMICO"), "AN");
    EXPECT_EQ(lexicon.sources(), "Test sources: Morph-it! (CC BY-SA 2.0)");
}

TEST(Forms, OurSupplementGivesTheAuxiliariesAndTheElidedWords)
{
    const fixture::Folder folder;
    zelvora::forms::LexiconBuilder builder;
    builder.addSupplement(ZELVORA_FORMS_SUPPLEMENT);
    builder.write(folder.path("forme.txt"), "ours");
    const zelvora::BaseFormLexicon lexicon = zelvora::BaseFormLexicon::load(folder.path("forme.txt"));
    const std::vector<std::pair<const char *, const char *>> forms = {
        {"SONO", "ESSERE"},   {"\xC8", "ESSERE"}, {"FU", "ESSERE"},   {"STATA", "ESSERE"},
        {"HO", "AVERE"},      {"HANNO", "AVERE"}, {"BELLE", "BELLO"}, {"BEGLI", "BELLO"},
        {"QUELL'", "QUELLO"}, {"C'", "CI"},       {"DI'", "DIRE"},    {"MIEI", "MIO"},
    };
    for (const auto &[form, lemma] : forms)
        EXPECT_EQ(lemmasOf(lexicon, form), std::vector<std::string>{lemma}) << form;
    EXPECT_EQ(builder.leftOut(), 0u);
}

TEST(Forms, ABadInputIsNamedWithWhatIsWrong)
{
    const fixture::Folder folder;
    const auto errorOf = [&](const std::string &bytes) {
        zelvora::forms::LexiconBuilder builder;
        const std::string file = folder.write("ours.txt", bytes);
        try {
            builder.addSupplement(file);
        } catch (const zelvora::dictd::ImportError &error) {
            EXPECT_EQ(error.path(), file);
            return std::string(error.what()).substr(file.size());
        }
        return std::string("read");
    };
    EXPECT_EQ(errorOf("casa N case\n"), "read");
    EXPECT_EQ(errorOf("casa N case\ncasa case\n"),
              ": line 2 is not \"lemma PARTS form form ...\" (PARTS of V, A, N, F)");
    EXPECT_EQ(errorOf("casa X case\n"), ": line 1 is not \"lemma PARTS form form ...\" (PARTS of V, A, N, F)");
    EXPECT_EQ(errorOf("casa N\n"), ": line 1 is not \"lemma PARTS form form ...\" (PARTS of V, A, N, F)");
    EXPECT_EQ(errorOf("citt\xE0 N citt\xE0\n"), ": is not UTF-8");

    zelvora::forms::LexiconBuilder builder;
    const std::string unwritable = folder.path("missing/forme.txt");
    try {
        builder.write(unwritable, "");
        FAIL() << "written into a missing folder";
    } catch (const zelvora::dictd::ImportError &error) {
        EXPECT_EQ(error.path(), unwritable);
        EXPECT_NE(std::string(error.what()).find("No such file or directory"), std::string::npos);
    }
}
