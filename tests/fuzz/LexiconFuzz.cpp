// The lexicon of word forms: its reader, through a buffer of 1 byte up to the
// default size, refuses exactly the files that are not a lexicon and gives,
// for any word, the base forms a plain model of its lines gives; and the
// steps that find a word through its base forms ask the dictionary only for
// terms they named beforehand, so that one pass over the dictionary has them.
//
// Input: two bytes of buffer size, a byte of choices, then the lexicon's
// bytes and words (parted by LF), in parts.

#include "FuzzSupport.h"

#include "dictionary/FileError.h"
#include "dictionary/UpperCase.h"
#include "morphology/BaseFormLexicon.h"
#include "morphology/BaseForms.h"
#include "reference/PlainText.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

namespace {

struct ModelLine {
    std::string lemma;
    std::string parts;
    Lines forms;
};

Lines fieldsOf(const std::string &line)
{
    Lines fields = {""};
    for (const char c : line) {
        if (c == ' ')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

// The lemma lines of the file, or none when it is not a lexicon.
std::optional<std::vector<ModelLine>> modelOf(const Lines &lines)
{
    if (lines.empty() || lines[0] != zelvora::LexiconFirstLine)
        return std::nullopt;
    std::vector<ModelLine> model;
    for (std::size_t n = 2; n < lines.size(); ++n) {
        if (lines[n].empty())
            continue;
        const Lines fields = fieldsOf(lines[n]);
        if (fields.size() < 2 || lines[n].find('\n') != std::string::npos)
            return std::nullopt;
        for (const std::string &field : fields)
            if (field.empty())
                return std::nullopt;
        for (const char c : fields[1])
            if (std::string_view("VANF").find(c) == std::string_view::npos)
                return std::nullopt;
        model.push_back({fields[0], fields[1], Lines(fields.begin() + 2, fields.end())});
    }
    return model;
}

std::string describe(const std::vector<zelvora::BaseForm> &forms)
{
    std::string text;
    for (const zelvora::BaseForm &form : forms)
        text += " " + std::string(form.lemma) + "/" + std::string(form.partsOfSpeech);
    return fuzz::printable(text);
}

void checkLexicon(const zelvora::BaseFormLexicon &lexicon, const std::vector<ModelLine> &model, const Lines &lines,
                  const Lines &words)
{
    fuzz::expectSame(lexicon.sources(), lines.size() > 1 ? lines[1] : "", "the sources");
    fuzz::expectSame(lexicon.lemmaCount(), model.size(), "lemmas");
    // Each form's lines, in order, a line once however often it holds the form.
    std::map<std::string, std::vector<std::size_t>> linesOfForm;
    std::map<std::string, std::string> partsOfLemma;
    std::size_t forms = 0;
    for (std::size_t n = 0; n < model.size(); ++n) {
        partsOfLemma.try_emplace(model[n].lemma, model[n].parts);
        for (const std::string &form : model[n].forms) {
            if (form == model[n].lemma)
                continue;
            ++forms;
            std::vector<std::size_t> &found = linesOfForm[form];
            if (found.empty() || found.back() != n)
                found.push_back(n);
        }
    }
    fuzz::expectSame(lexicon.formCount(), forms, "forms");

    std::set<std::string> asked(words.begin(), words.end());
    for (const auto &[form, found] : linesOfForm)
        asked.insert(form);
    for (const auto &[lemma, parts] : partsOfLemma)
        asked.insert(lemma);
    for (const std::string &word : asked) {
        std::vector<zelvora::BaseForm> expected;
        if (const auto found = linesOfForm.find(word); found != linesOfForm.end())
            for (const std::size_t n : found->second)
                expected.push_back({model[n].lemma, model[n].parts});
        const std::vector<zelvora::BaseForm> got = lexicon.baseFormsOf(word);
        fuzz::check(got == expected, "base forms of \"" + fuzz::printable(word) + "\":" + describe(got) +
                                         ", expected" + describe(expected));
        const auto parts = partsOfLemma.find(word);
        fuzz::expectSame(lexicon.partsOfSpeechOf(word), parts == partsOfLemma.end() ? "" : parts->second,
                         "parts of speech of \"" + fuzz::printable(word) + "\"");
    }
}

// A dictionary that has some of the words and lemmas: those whose bytes add up to an odd number, with `choices`.
std::map<std::string, std::string> dictionaryOf(const std::vector<ModelLine> &model, const Lines &words,
                                                unsigned choices)
{
    std::map<std::string, std::string> dictionary;
    const auto consider = [&](const std::string &term) {
        unsigned sum = choices;
        for (const char c : term)
            sum += static_cast<unsigned char>(c);
        if (sum & 1)
            dictionary.emplace(term, "definizione di " + term);
    };
    for (const ModelLine &line : model) {
        consider(line.lemma);
        for (const std::string &form : line.forms)
            consider(form);
    }
    for (const std::string &word : words) {
        consider(word);
        for (std::size_t apostrophe = word.find('\''); apostrophe != std::string::npos;
             apostrophe = word.find('\'', apostrophe + 1)) {
            consider(word.substr(0, apostrophe + 1));
            consider(word.substr(apostrophe + 1));
        }
    }
    return dictionary;
}

void checkFinder(const zelvora::BaseFormLexicon &lexicon, const std::vector<ModelLine> &model, const Lines &words,
                 unsigned choices)
{
    const std::map<std::string, std::string> dictionary = dictionaryOf(model, words, choices);
    zelvora::BaseFormFinder finder(lexicon);
    static const std::string None;
    for (const std::string &typed : words) {
        const std::string term = zelvora::toUpperFull(typed);
        const Lines behind = finder.termsBehind(term);
        const std::set<std::string> named(behind.begin(), behind.end());
        fuzz::check(!named.contains(term), "the term itself among the terms behind it");
        const zelvora::DefinitionOf definitionOf = [&](std::string_view tried) -> std::string_view {
            fuzz::check(named.contains(std::string(tried)), "\"" + fuzz::printable(term) + "\" tried \"" +
                                                                 fuzz::printable(tried) + "\", not named beforehand");
            const auto found = dictionary.find(std::string(tried));
            return found == dictionary.end() ? None : found->second;
        };
        const std::vector<zelvora::BaseFormFinding> found = finder.find(term, definitionOf);
        std::set<std::string> baseForms;
        for (const zelvora::BaseFormFinding &finding : found) {
            fuzz::check(baseForms.insert(finding.baseForm).second, "a base form found twice");
            const auto entry = dictionary.find(finding.baseForm);
            fuzz::check(entry != dictionary.end() && finding.definition == entry->second, "a finding's definition");
        }
        fuzz::check(finder.find(term, definitionOf).size() == found.size(), "a word found again differently");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::size_t bufferSize = input.bufferSize();
    const unsigned choices = input.byte();
    const std::string_view bytes = input.part();
    const Lines words = fuzz::splitAtLf(input.part());
    const std::string path = fuzz::writeScratch("forme_italiane.txt", bytes);
    const Lines lines = zelvora::reference::linesOf(bytes);
    const std::optional<std::vector<ModelLine>> model = modelOf(lines);

    std::optional<zelvora::BaseFormLexicon> lexicon;
    try {
        lexicon.emplace(zelvora::BaseFormLexicon::load(path, bufferSize));
    } catch (const zelvora::FileError &error) {
        fuzz::expectSame(error.path(), path, "the error names the lexicon");
        fuzz::check(!model, "a lexicon refused: " + std::string(error.what()));
        return 0;
    }
    fuzz::check(model.has_value(), "a file that is not a lexicon was read as one");
    checkLexicon(*lexicon, *model, lines, words);
    checkFinder(*lexicon, *model, words, choices);
    return 0;
}
