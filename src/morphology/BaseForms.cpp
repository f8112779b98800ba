#include "morphology/BaseForms.h"

#include <algorithm>
#include <utility>

namespace zelvora {

namespace {

constexpr char Apostrophe = '\'';
constexpr char TypographicApostrophe = '\x92'; // ’ in Windows-1252

// The unstressed pronouns that join the end of a verb, longest first.
constexpr std::string_view Pronouns[] = {
    "GLIELO", "GLIELA", "GLIELI", "GLIELE", "GLIENE", "MELO", "MELA", "MELI", "MELE", "MENE", "TELO",
    "TELA",   "TELI",   "TELE",   "TENE",   "CELO",   "CELA", "CELI", "CELE", "CENE", "VELO", "VELA",
    "VELI",   "VELE",   "VENE",   "SELO",   "SELA",   "SELI", "SELE", "SENE", "GLI",  "LO",   "LA",
    "LI",     "LE",     "MI",     "TI",     "CI",     "VI",   "SI",   "NE",
};
constexpr std::string_view Superlatives[] = {"ISSIMO", "ISSIMA", "ISSIMI", "ISSIME"};

bool isVerb(const BaseFormLexicon &lexicon, std::string_view lemma)
{
    return lexicon.partsOfSpeechOf(lemma).find('V') != std::string_view::npos;
}

void addVerbsOf(const BaseFormLexicon &lexicon, std::string_view form, std::vector<std::string> &lemmas)
{
    for (const BaseForm &baseForm : lexicon.baseFormsOf(form))
        if (baseForm.partsOfSpeech.find('V') != std::string_view::npos)
            lemmas.emplace_back(baseForm.lemma);
}

// A verb with pronouns joined to it: an infinitive (TROVARMI, PORLO), a
// gerund or an imperative (MANGIANDOLO, SALUTAMI), an imperative of one
// syllable that doubles the pronoun's consonant (DIMMI, FALLO) or not (DIGLI).
std::vector<std::string> verbsWithPronouns(const BaseFormLexicon &lexicon, std::string_view word)
{
    std::vector<std::string> lemmas;
    for (const std::string_view pronoun : Pronouns) {
        if (word.size() < pronoun.size() + 2 || !word.ends_with(pronoun))
            continue;
        const std::string verb(word.substr(0, word.size() - pronoun.size()));
        if (verb.back() == 'R')
            for (const char *ending : {"E", "RE"})
                if (isVerb(lexicon, verb + ending))
                    lemmas.push_back(verb + ending);
        addVerbsOf(lexicon, verb, lemmas);
        if (verb.back() == pronoun.front() && !pronoun.starts_with("GL"))
            addVerbsOf(lexicon, verb.substr(0, verb.size() - 1) + Apostrophe, lemmas);
        addVerbsOf(lexicon, verb + Apostrophe, lemmas);
        if (!lemmas.empty())
            break;
    }
    return lemmas;
}

// An adjective's (or an adverb's) superlative: BELLISSIMA, LUNGHISSIMO, BENISSIMO.
std::vector<std::string> superlativeOf(const BaseFormLexicon &lexicon, std::string_view word)
{
    std::vector<std::string> lemmas;
    for (const std::string_view ending : Superlatives) {
        if (word.size() < ending.size() + 2 || !word.ends_with(ending))
            continue;
        std::string stem(word.substr(0, word.size() - ending.size()));
        if (stem.ends_with("CH") || stem.ends_with("GH"))
            stem.pop_back();
        for (const char *lemmaEnding : {"O", "E"})
            if (!lexicon.partsOfSpeechOf(stem + lemmaEnding).empty())
                lemmas.push_back(stem + lemmaEnding);
    }
    return lemmas;
}

// A word's base forms: the lexicon's, or for a word it does not know, those
// of a verb with pronouns joined to it or of a superlative.
std::vector<std::string> baseFormsOf(const BaseFormLexicon &lexicon, std::string_view word)
{
    std::vector<std::string> lemmas;
    for (const BaseForm &baseForm : lexicon.baseFormsOf(word))
        lemmas.emplace_back(baseForm.lemma);
    if (lemmas.empty())
        lemmas = verbsWithPronouns(lexicon, word);
    if (lemmas.empty())
        lemmas = superlativeOf(lexicon, word);
    return lemmas;
}

// The parts of a word parted by apostrophes between two characters, each
// elided part keeping its apostrophe: DELL'ACQUA gives DELL' and ACQUA. A
// word without such an apostrophe has no parts.
std::vector<std::string_view> elidedParts(std::string_view word)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t at = 1; at + 1 < word.size(); ++at)
        if (word[at] == Apostrophe && word[at - 1] != Apostrophe) {
            parts.push_back(word.substr(start, at + 1 - start));
            start = at + 1;
        }
    if (!parts.empty())
        parts.push_back(word.substr(start));
    return parts;
}

} // namespace

BaseFormFinder::WorkedOut &BaseFormFinder::workedOut(std::string_view term)
{
    auto [place, isNew] = words_.try_emplace(std::string(term));
    WorkedOut &word = place->second;
    if (isNew) {
        word.plain = term;
        std::replace(word.plain.begin(), word.plain.end(), TypographicApostrophe, Apostrophe);
        word.baseForms = baseFormsOf(lexicon_, word.plain);
        for (const std::string_view part : elidedParts(word.plain))
            word.parts.push_back({std::string(part), baseFormsOf(lexicon_, part)});
    }
    return word;
}

std::vector<std::string> BaseFormFinder::termsBehind(std::string_view term)
{
    const WorkedOut &word = workedOut(term);
    std::vector<std::string> terms;
    if (word.plain != term)
        terms.push_back(word.plain);
    terms.insert(terms.end(), word.baseForms.begin(), word.baseForms.end());
    for (const Word &part : word.parts) {
        terms.push_back(part.asTyped);
        terms.insert(terms.end(), part.baseForms.begin(), part.baseForms.end());
    }
    return terms;
}

const std::vector<BaseFormFinding> &BaseFormFinder::find(std::string_view term, const DefinitionOf &definitionOf)
{
    WorkedOut &word = workedOut(term);
    std::vector<BaseFormFinding> &found = word.found;
    if (std::exchange(word.looked, true))
        return found;
    const auto tryTerm = [&](const std::string &tried) {
        const std::string_view definition = definitionOf(tried);
        if (definition.empty())
            return false;
        const auto same = [&](const BaseFormFinding &finding) { return finding.baseForm == tried; };
        if (std::none_of(found.begin(), found.end(), same))
            found.push_back({tried, definition});
        return true;
    };
    if (word.plain != term && tryTerm(word.plain))
        return found;
    for (const std::string &baseForm : word.baseForms)
        tryTerm(baseForm);
    if (!found.empty())
        return found;
    // Each part as a word of its own: as typed, else through its base forms.
    for (const Word &part : word.parts)
        if (!tryTerm(part.asTyped))
            for (const std::string &baseForm : part.baseForms)
                tryTerm(baseForm);
    return found;
}

} // namespace zelvora
