// Checks the lookups through base forms on the real data that
// scripts/build-dictionaries.sh put beside the program: the lexicon's load
// time, size and look-up time, the translation of the words every learner
// meets first, and how many words of an everyday text translate with the
// lookups through base forms off and on.
//
//   zelvora_check_base_forms PROGRAM_FOLDER TEXT [-v]
//
// TEXT is Windows-1252 (bench/check-base-forms.sh converts ours); -v prints
// the whole translation of TEXT with base forms. Exits 1 when a test word
// translates neither as typed nor through its base form.

#include "dictionary/UpperCase.h"
#include "morphology/BaseFormLexicon.h"
#include "morphology/BaseForms.h"
#include "translate/LookupSession.h"
#include "translate/TextOperations.h"
#include "translate/WorkingText.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The resident memory of the process, from /proc/self/statm.
std::size_t residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4096;
}

// Each test word with the base form it translates through, unless the
// dictionary holds the word itself (then it is written as typed).
const std::pair<const char *, const char *> TestWords[] = {
    {"MANGIAMO", "MANGIARE"}, {"ANDIAMO", "ANDARE"}, {"VADO", "ANDARE"},  {"VAI", "ANDARE"},  {"VA", "ANDARE"},
    {"SONO", "ESSERE"},       {"\xC8", "ESSERE"},    {"SIAMO", "ESSERE"}, {"ERA", "ESSERE"},  {"FU", "ESSERE"},
    {"STATO", "ESSERE"},      {"STATA", "ESSERE"},   {"HO", "AVERE"},     {"HAI", "AVERE"},   {"HA", "AVERE"},
    {"ABBIAMO", "AVERE"},     {"FA", "FARE"},        {"FACCIO", "FARE"},  {"FATTO", "FARE"},  {"DICO", "DIRE"},
    {"DICONO", "DIRE"},       {"DETTO", "DIRE"},     {"CASE", "CASA"},    {"UOMINI", "UOMO"}, {"BELLE", "BELLO"},
    {"AMICHE", "AMICO"},
};

struct Share {
    std::size_t words = 0;
    std::size_t translated = 0;
};

// How many of the text's words (empty words and punctuation apart) get a translation.
Share shareTranslated(const std::vector<std::string> &words, const std::string &dictionary,
                      const zelvora::BaseFormLexicon *lexicon)
{
    std::optional<zelvora::BaseFormFinder> baseForms;
    if (lexicon)
        baseForms.emplace(*lexicon);
    const zelvora::LookupQueries queries = zelvora::queriesFor(words, baseForms ? &*baseForms : nullptr);
    const zelvora::Resolution resolution = zelvora::resolveTerms(dictionary, queries.terms, queries.prefixes);
    zelvora::LookupSession session(resolution, zelvora::WordLookup::Translation, zelvora::Language::Italian, 0, {});
    if (baseForms)
        session.useBaseForms(*baseForms);
    Share share;
    for (const std::string &word : words) {
        const std::size_t before = session.pane().appended().size();
        session.lookUp(word);
        const std::vector<std::string> &lines = session.pane().appended();
        if (lines.size() == before)
            continue;
        ++share.words;
        if (lines.size() > before + 1 || lines.back() != zelvora::toUpperFull(word) + " = -")
            ++share.translated;
    }
    return share;
}

std::vector<std::string> wordsOf(const std::vector<std::string> &workingLines)
{
    std::vector<std::string> words;
    for (const std::string &line : workingLines)
        for (std::size_t start = 0; start <= line.size();) {
            const std::size_t blank = std::min(line.find(' ', start), line.size());
            words.push_back(line.substr(start, blank - start));
            start = blank + 1;
        }
    return words;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3 || argc > 4 || (argc == 4 && std::strcmp(argv[3], "-v") != 0)) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER TEXT [-v]\n", argv[0]);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const std::string dictionary = folder + "dizionari/italiano_inglese.txt";
    try {
        const std::size_t residentBefore = residentBytes();
        Clock::time_point start = Clock::now();
        const zelvora::BaseFormLexicon lexicon = zelvora::BaseFormLexicon::load(folder + zelvora::LexiconFileName);
        const double loadMs = millisecondsSince(start);
        const std::size_t residentAfter = residentBytes();
        std::printf(
            "Lexicon: %zu lemmas, %zu forms; loaded in %.1f ms; holds %.2f MB (resident memory grew by %.2f MB)\n",
            lexicon.lemmaCount(), lexicon.formCount(), loadMs, lexicon.memoryBytes() / 1e6,
            (residentAfter - residentBefore) / 1e6);

        std::vector<std::string> probes;
        for (const auto &[form, lemma] : TestWords)
            probes.emplace_back(form);
        probes.emplace_back("NONESISTE");
        constexpr std::size_t Rounds = 200'000;
        std::size_t found = 0;
        start = Clock::now();
        for (std::size_t round = 0; round < Rounds; ++round)
            for (const std::string &probe : probes)
                found += lexicon.baseFormsOf(probe).size();
        std::printf("Look-up of a form: %.0f ns (%zu base forms found)\n",
                    millisecondsSince(start) * 1e6 / double(Rounds * probes.size()), found / Rounds);

        // The test words, each translated alone.
        int failures = 0;
        std::printf("\nTest words on %s:\n", dictionary.c_str());
        for (const auto &[form, lemma] : TestWords) {
            const zelvora::TextRun run = zelvora::runTextOperation(zelvora::TextOperation::Translate, dictionary,
                                                                   {form}, zelvora::Language::Italian, {}, &lexicon);
            const std::string through = std::string(form) + " (" + lemma + ") = ";
            const bool asTyped = run.lines.size() == 2 && run.lines[1].starts_with(std::string(form) + " = ") &&
                                 run.lines[1] != std::string(form) + " = -";
            const bool found = std::any_of(run.lines.begin(), run.lines.end(),
                                           [&](const std::string &shown) { return shown.starts_with(through); });
            const char *status = found ? "" : asTyped ? "(a term)" : "MISSING";
            for (std::size_t i = 1; i < run.lines.size(); ++i)
                std::printf("  %-9s %s\n", i == 1 ? status : "", run.lines[i].c_str());
            failures += found || asTyped ? 0 : 1;
        }

        const std::vector<std::string> workingLines = zelvora::readLines(argv[2]);
        std::vector<std::string> plainLines;
        for (const std::string &text : workingLines)
            plainLines.push_back(zelvora::removePunctuation(text));
        const std::vector<std::string> words = wordsOf(plainLines);
        const Share off = shareTranslated(words, dictionary, nullptr);
        const Share on = shareTranslated(words, dictionary, &lexicon);
        std::printf("\n%s: %zu words; translated with base forms off: %zu (%.1f %%), on: %zu (%.1f %%)\n", argv[2],
                    off.words, off.translated, 100.0 * off.translated / off.words, on.translated,
                    100.0 * on.translated / on.words);
        if (argc == 4) {
            const zelvora::TextRun full = zelvora::runTextOperation(
                zelvora::TextOperation::Translate, dictionary, plainLines, zelvora::Language::Italian, {}, &lexicon);
            for (const std::string &shown : full.lines)
                std::printf("%s\n", shown.c_str());
        }
        return failures == 0 ? 0 : 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
}
