#include "forms/LexiconBuilder.h"

#include "dictionary/UpperCase.h"
#include "import/DictdData.h"
#include "import/ImportError.h"
#include "import/Text.h"
#include "import/Transliterate.h"
#include "morphology/BaseFormLexicon.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>

namespace zelvora::forms {

namespace {

constexpr std::string_view PartOfSpeechLetters = "VANF";

// A word in Windows-1252 capitals; nothing when it has no such form.
std::optional<std::string> capitals(std::string_view utf8)
{
    const std::optional<std::u32string> decoded = dictd::decodeUtf8(utf8);
    if (!decoded)
        return std::nullopt;
    const dictd::Cp1252Text text = dictd::toCp1252(*decoded);
    if (text.bytes.empty() || text.questionMarks > 0 || text.bytes.find_first_of(" \r\n") != std::string::npos)
        return std::nullopt;
    return toUpperFull(text.bytes);
}

// Every string inside `value`, but those of the gender "G".
void collectForms(const JsonValue &value, std::vector<std::string_view> &forms)
{
    switch (value.kind) {
    case JsonValue::Kind::String:
        forms.push_back(value.text);
        break;
    case JsonValue::Kind::Array:
        for (const JsonValue &item : value.items)
            collectForms(item, forms);
        break;
    case JsonValue::Kind::Object:
        for (const auto &[key, member] : value.members)
            if (key != "G")
                collectForms(member, forms);
        break;
    default:
        break;
    }
}

std::vector<std::string_view> blankSeparated(std::string_view line)
{
    std::vector<std::string_view> words;
    for (std::size_t start = 0; start < line.size();) {
        const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
        if (end > start)
            words.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

} // namespace

void LexiconBuilder::add(std::string_view lemma, std::string_view partsOfSpeech,
                         const std::vector<std::string_view> &forms)
{
    const std::optional<std::string> written = capitals(lemma);
    if (!written) {
        ++leftOut_;
        return;
    }
    auto [place, isNew] = indexOf_.try_emplace(*written, lemmas_.size());
    if (isNew)
        lemmas_.push_back({*written, {}, {}, {}});
    Lemma &entry = lemmas_[place->second];
    for (const char letter : partsOfSpeech)
        if (entry.partsOfSpeech.find(letter) == std::string::npos)
            entry.partsOfSpeech += letter;
    for (const std::string_view form : forms) {
        std::optional<std::string> capital = capitals(form);
        if (!capital)
            ++leftOut_;
        else if (*capital != entry.lemma && entry.known.insert(*capital).second)
            entry.forms.push_back(std::move(*capital));
    }
}

void LexiconBuilder::addTable(const JsonValue &table, char partOfSpeech)
{
    for (const auto &[lemma, value] : table.members) {
        std::vector<std::string_view> forms;
        collectForms(value, forms);
        add(lemma, std::string_view(&partOfSpeech, 1), forms);
    }
}

void LexiconBuilder::addSupplement(const std::string &path)
{
    const std::optional<std::u32string> text = dictd::decodeUtf8(dictd::readWholeFile(path));
    if (!text)
        throw dictd::ImportError(path, "is not UTF-8");
    const std::vector<std::u32string> lines = dictd::splitLines(*text);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string line = dictd::encodeUtf8(dictd::trim(lines[n]));
        if (line.empty() || line.front() == '#')
            continue;
        const std::vector<std::string_view> words = blankSeparated(line);
        if (words.size() < 3 || words[1].find_first_not_of(PartOfSpeechLetters) != std::string_view::npos)
            throw dictd::ImportError(path, "line " + std::to_string(n + 1) +
                                               " is not \"lemma PARTS form form ...\" (PARTS of V, A, N, F)");
        add(words[0], words[1], {words.begin() + 2, words.end()});
    }
}

std::size_t LexiconBuilder::lemmaCount() const
{
    return static_cast<std::size_t>(
        std::count_if(lemmas_.begin(), lemmas_.end(), [](const Lemma &lemma) { return !lemma.forms.empty(); }));
}

std::size_t LexiconBuilder::formCount() const
{
    std::size_t count = 0;
    for (const Lemma &lemma : lemmas_)
        count += lemma.forms.size();
    return count;
}

void LexiconBuilder::write(const std::string &path, const std::string &sources) const
{
    const std::optional<std::u32string> decodedSources = dictd::decodeUtf8(sources);
    std::string bytes = std::string(LexiconFirstLine) + "\r\n" +
                        dictd::toCp1252(decodedSources ? *decodedSources : std::u32string()).bytes + "\r\n";
    for (const Lemma &lemma : lemmas_) {
        if (lemma.forms.empty())
            continue;
        bytes += lemma.lemma + ' ' + lemma.partsOfSpeech;
        for (const std::string &form : lemma.forms)
            bytes += ' ' + form;
        bytes += "\r\n";
    }
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out)
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out || !out.flush()) {
            const std::string reason = std::strerror(errno);
            std::remove(temporary.c_str());
            throw dictd::ImportError(path, "cannot write: " + reason);
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        std::remove(temporary.c_str());
        throw dictd::ImportError(path, "cannot write: " + reason);
    }
}

} // namespace zelvora::forms
