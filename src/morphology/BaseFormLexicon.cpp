#include "morphology/BaseFormLexicon.h"

#include "dictionary/FileError.h"

#include <algorithm>
#include <bit>
#include <filesystem>
#include <functional>
#include <limits>

namespace zelvora {

namespace {

// A slot of a table holds a word's place in the text (the high 24 bits) and 8
// bits of its hash, so that a probe reads the text only where a match is likely.
constexpr std::uint32_t EmptySlot = std::numeric_limits<std::uint32_t>::max();
constexpr std::size_t LargestText = (std::size_t(1) << 24) - 1; // every place is below EmptySlot's
constexpr std::string_view PartOfSpeechLetters = "VANF";

// "LEMMA PARTS FORM FORM ...": a lemma and its parts of speech, then its forms,
// each field non-empty and parted from the next by one blank.
bool isLemmaLine(std::string_view line)
{
    if (line.find('\n') != std::string_view::npos || line.front() == ' ' || line.back() == ' ' ||
        line.find("  ") != std::string_view::npos)
        return false;
    const std::size_t lemmaEnd = line.find(' ');
    if (lemmaEnd == std::string_view::npos)
        return false;
    const std::string_view parts = line.substr(lemmaEnd + 1, line.find(' ', lemmaEnd + 1) - lemmaEnd - 1);
    return parts.find_first_not_of(PartOfSpeechLetters) == std::string_view::npos;
}

std::size_t hashOf(std::string_view form)
{
    return std::hash<std::string_view>{}(form);
}

std::uint32_t fingerprintOf(std::size_t hash)
{
    return static_cast<std::uint32_t>(hash >> (8 * sizeof(std::size_t) - 8));
}

// No field of the lexicon is empty or holds a blank or a line end.
bool canBeAField(std::string_view word)
{
    return !word.empty() && std::none_of(word.begin(), word.end(), [](char c) { return c == ' ' || c == '\n'; });
}

// A table at most 70 % full, so that a probe meets few other words.
std::vector<std::uint32_t> emptyTable(std::size_t words)
{
    return std::vector<std::uint32_t>(std::bit_ceil(std::max<std::size_t>(8, words + words * 3 / 7 + 1)), EmptySlot);
}

void insert(std::vector<std::uint32_t> &table, std::string_view word, std::uint32_t at)
{
    const std::size_t hash = hashOf(word);
    const std::size_t mask = table.size() - 1;
    std::size_t slot = hash & mask;
    while (table[slot] != EmptySlot)
        slot = (slot + 1) & mask;
    table[slot] = at << 8 | fingerprintOf(hash);
}

// Calls `onMatch` with the place of each word of the table that equals `word`,
// in the order they were inserted.
template <typename OnMatch>
void probe(const std::vector<std::uint32_t> &table, std::string_view text, std::string_view word, OnMatch &&onMatch)
{
    const std::size_t hash = hashOf(word);
    const std::uint32_t fingerprint = fingerprintOf(hash);
    const std::size_t mask = table.size() - 1;
    for (std::size_t slot = hash & mask; table[slot] != EmptySlot; slot = (slot + 1) & mask) {
        if ((table[slot] & 0xFF) != fingerprint)
            continue;
        // Every line ends with '\n' and no word holds one: a match is followed by a character.
        const std::uint32_t at = table[slot] >> 8;
        if (text.substr(at, word.size()) == word && (text[at + word.size()] == ' ' || text[at + word.size()] == '\n'))
            onMatch(at);
    }
}

// The field that begins at `start`, up to the next blank or line end (every
// line of the text ends with one).
std::string_view fieldAt(std::string_view text, std::size_t start)
{
    std::size_t end = start;
    while (text[end] != ' ' && text[end] != '\n')
        ++end;
    return text.substr(start, end - start);
}

} // namespace

BaseFormLexicon BaseFormLexicon::load(const std::string &path, std::size_t bufferSize)
{
    LineReader reader(path, bufferSize);
    if (reader.readLineView() != LexiconFirstLine)
        throw FileError(path,
                        "not a lexicon of word forms: its first line is not \"" + std::string(LexiconFirstLine) + "\"");
    BaseFormLexicon lexicon;
    std::error_code unknownSize;
    if (const std::uintmax_t size = std::filesystem::file_size(path, unknownSize); !unknownSize && size <= LargestText)
        lexicon.text_.reserve(static_cast<std::size_t>(size));
    lexicon.sources_ = reader.readLineView();
    for (std::size_t lineNumber = 3; !reader.atEnd(); ++lineNumber) {
        const std::string_view line = reader.readLineView();
        if (line.empty())
            continue;
        if (!isLemmaLine(line))
            throw FileError(path, "line " + std::to_string(lineNumber) +
                                      " is not a lemma, its parts of speech and its forms parted by blanks");
        if (lexicon.text_.size() + line.size() + 1 > LargestText)
            throw FileError(path, "too large for a lexicon of word forms");
        lexicon.lineStarts_.push_back(static_cast<std::uint32_t>(lexicon.text_.size()));
        lexicon.text_.append(line).push_back('\n');
    }
    lexicon.lineStarts_.shrink_to_fit();
    lexicon.index();
    return lexicon;
}

// Fills the tables with the place of every form (a lemma among its own forms
// is left out) and of every lemma. Linear probing keeps the forms of one
// spelling in the order of their lines along the probe sequence.
void BaseFormLexicon::index()
{
    const std::string_view text = text_;
    std::vector<std::uint32_t> forms;
    for (const std::uint32_t start : lineStarts_) {
        const std::string_view lemma = fieldAt(text, start);
        std::size_t at = start + lemma.size() + 1;
        at += fieldAt(text, at).size();
        while (text[at] == ' ') {
            ++at;
            const std::string_view form = fieldAt(text, at);
            if (form != lemma)
                forms.push_back(static_cast<std::uint32_t>(at));
            at += form.size();
        }
    }
    formCount_ = forms.size();
    slots_ = emptyTable(formCount_);
    for (const std::uint32_t at : forms)
        insert(slots_, fieldAt(text, at), at);
    lemmaSlots_ = emptyTable(lineStarts_.size());
    for (const std::uint32_t start : lineStarts_)
        insert(lemmaSlots_, fieldAt(text, start), start);
}

BaseForm BaseFormLexicon::baseFormAt(std::uint32_t formOffset) const
{
    const std::string_view text = text_;
    const std::uint32_t start = *std::prev(std::upper_bound(lineStarts_.begin(), lineStarts_.end(), formOffset));
    const std::string_view lemma = fieldAt(text, start);
    return {lemma, fieldAt(text, start + lemma.size() + 1)};
}

std::vector<BaseForm> BaseFormLexicon::baseFormsOf(std::string_view form) const
{
    std::vector<BaseForm> found;
    if (!canBeAField(form))
        return found;
    probe(slots_, text_, form, [&](std::uint32_t at) {
        const BaseForm baseForm = baseFormAt(at);
        // A form written twice on its lemma's line counts once.
        if (found.empty() || found.back().lemma.data() != baseForm.lemma.data())
            found.push_back(baseForm);
    });
    return found;
}

std::string_view BaseFormLexicon::partsOfSpeechOf(std::string_view lemma) const
{
    std::string_view parts;
    if (!canBeAField(lemma))
        return parts;
    probe(lemmaSlots_, text_, lemma, [&](std::uint32_t at) {
        if (parts.empty())
            parts = baseFormAt(at).partsOfSpeech;
    });
    return parts;
}

std::size_t BaseFormLexicon::memoryBytes() const
{
    return sizeof(*this) + sources_.capacity() + text_.capacity() +
           sizeof(std::uint32_t) * (lineStarts_.capacity() + slots_.capacity() + lemmaSlots_.capacity());
}

} // namespace zelvora
