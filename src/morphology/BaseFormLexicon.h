#pragma once

#include "dictionary/LineReader.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelvora {

// The lexicon's file, in the program folder beside the dictionaries.
inline constexpr const char *LexiconFileName = "forme_italiane.txt";
// Its first line, which tells the file from any other.
inline constexpr std::string_view LexiconFirstLine = "ZELVORA FORME ITALIANE 1";

// A base form of a word form: the lemma in capitals and its parts of speech,
// one letter each: V verb, A adjective, N noun, F function word (articles,
// pronouns, elided words such as C' or QUEST').
struct BaseForm {
    std::string_view lemma;
    std::string_view partsOfSpeech;

    bool operator==(const BaseForm &) const = default;
};

// The inflected forms of Italian words with their base forms: VADO is a form
// of ANDARE, CASE of CASA, BELLE of BELLO.
//
// The file is Windows-1252 text, CR LF: LexiconFirstLine, a line naming the
// sources and their licences, then one line per lemma, the lemma, its parts
// of speech and its forms separated by single blanks:
// "ANDARE V VADO VAI VA ANDIAMO ANDATE VANNO ...". A form under several lemmas
// has them all, in the order of their lines.
//
// Held as the file's lines in one block of bytes (16 MB at most), with
// open-addressing tables of the forms' and the lemmas' places in it, so that
// a look-up is one hash and a few comparisons.
class BaseFormLexicon {
public:
    // Reads the whole file. Throws FileError when it cannot be read, or when
    // it is not a lexicon (the error says which line is wrong).
    static BaseFormLexicon load(const std::string &path, std::size_t bufferSize = DefaultBufferSize);

    // The base forms of a form in capitals, in the order of their lines; none
    // for a form the lexicon does not know, or for a lemma as itself.
    std::vector<BaseForm> baseFormsOf(std::string_view form) const;
    // The parts of speech of a lemma in capitals; empty for a word that is no lemma.
    std::string_view partsOfSpeechOf(std::string_view lemma) const;

    const std::string &sources() const { return sources_; }
    std::size_t lemmaCount() const { return lineStarts_.size(); }
    std::size_t formCount() const { return formCount_; }
    // The bytes it holds in memory.
    std::size_t memoryBytes() const;

private:
    BaseFormLexicon() = default;
    void index();
    BaseForm baseFormAt(std::uint32_t formOffset) const;

    std::string sources_;
    std::string text_;                      // the lemma lines, each ended by '\n'
    std::vector<std::uint32_t> lineStarts_; // where each lemma line begins in text_
    std::vector<std::uint32_t> slots_;      // where each form begins in text_
    std::vector<std::uint32_t> lemmaSlots_; // where each lemma line begins in text_
    std::size_t formCount_ = 0;
};

} // namespace zelvora
