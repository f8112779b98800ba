#pragma once

#include "forms/Json.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace zelvora::forms {

// Gathers lemmas with their forms and writes the program's lexicon of word
// forms (the format BaseFormLexicon reads): one line per lemma, in the order
// the lemmas first came, its parts of speech those of every source that had
// it, each form once, the lemma itself not among its forms. Lemmas and forms
// are written in Windows-1252 capitals; a word that the code page cannot
// write, or that holds a blank, is left out.
class LexiconBuilder {
public:
    // A table as the Morph-it! npm packages publish them: an object whose
    // members are lemmas, each holding its forms as the strings anywhere inside
    // it (a verb's moods, tenses and persons; a noun's or an adjective's
    // numbers and genders), the gender "G" apart. Each lemma gets `partOfSpeech`.
    void addTable(const JsonValue &table, char partOfSpeech);
    // Our own supplement: UTF-8 lines "lemma PARTS form form ...", PARTS being
    // letters of VANF; blank lines and lines starting with "#" left out.
    // Throws ImportError naming the file and the line that is wrong.
    void addSupplement(const std::string &path);

    // Writes the lexicon, `sources` (UTF-8) on its second line, through a
    // temporary file renamed to `path`. Throws ImportError naming the file.
    void write(const std::string &path, const std::string &sources) const;

    // The lemmas written (those with forms) and their forms.
    std::size_t lemmaCount() const;
    std::size_t formCount() const;
    // The words left out because Windows-1252 cannot write them.
    std::size_t leftOut() const { return leftOut_; }

private:
    struct Lemma {
        std::string lemma;
        std::string partsOfSpeech;
        std::vector<std::string> forms;
        std::unordered_set<std::string> known;
    };
    void add(std::string_view lemma, std::string_view partsOfSpeech, const std::vector<std::string_view> &forms);

    std::vector<Lemma> lemmas_;
    std::unordered_map<std::string, std::size_t> indexOf_;
    std::size_t leftOut_ = 0;
};

} // namespace zelvora::forms
