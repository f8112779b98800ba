#include "import/Converter.h"

#include "dictionary/UpperCase.h"
#include "import/DatabaseNotes.h"
#include "import/DictdData.h"
#include "import/DictdIndex.h"
#include "import/FreeDictSenses.h"
#include "import/Headword.h"
#include "import/ImportError.h"
#include "import/Markup.h"
#include "import/ProseFlatten.h"
#include "import/Text.h"
#include "import/Transliterate.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <unordered_map>
#include <utility>

namespace zelvora::dictd {

namespace {

bool endsWith(const std::string &text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool containsFreeDict(std::u32string_view text)
{
    std::u32string lower;
    for (const char32_t c : text)
        lower.push_back(c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c);
    return lower.find(U"freedict") != std::u32string::npos;
}

// The index entries that point at one definition, in index order.
struct Definition {
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
    std::vector<const IndexEntry *> keys;
};

// Groups the keys by the definition they point at, in the order definitions
// first appear; dictd's own entries are handed to `internal` instead.
template <typename Internal>
std::vector<Definition> groupByDefinition(const std::vector<IndexEntry> &index, Internal &&internal)
{
    std::vector<Definition> definitions;
    std::map<std::pair<std::uint64_t, std::uint64_t>, std::size_t> positions;
    for (const IndexEntry &entry : index) {
        if (isInternalKey(entry.key)) {
            internal(entry);
            continue;
        }
        const auto [found, added] = positions.try_emplace({entry.offset, entry.length}, definitions.size());
        if (added)
            definitions.push_back(Definition{entry.offset, entry.length, {}});
        definitions[found->second].keys.push_back(&entry);
    }
    return definitions;
}

class EntryMaker {
public:
    EntryMaker(ConvertedInput &result) : result_(result) {}

    // Adds the entry; false when it is dropped (and counted).
    void add(std::u32string_view term, const std::string &definition)
    {
        const Cp1252Text termText = toCp1252(collapseSpaces(term));
        if (termText.questionMarks > 0 || termText.bytes.empty()) {
            ++result_.counts.badTerms;
            return;
        }
        if (definition.empty()) {
            ++result_.counts.emptyDefinitions;
            return;
        }
        result_.entries.push_back(Entry{toUpperFull(termText.bytes), definition});
    }

    std::string definitionText(std::u32string_view definition)
    {
        Cp1252Text text = toCp1252(collapseSpaces(definition));
        result_.counts.questionMarks += text.questionMarks;
        return std::move(text.bytes);
    }

private:
    ConvertedInput &result_;
};

// A key that is not the definition's headword (an inflection, a compound the
// definition explains, a synonym) gets the whole definition after the
// headword, or a pointer to the headword when the definition is longer than
// this: GCIDE alone has some 75,000 such keys, and its longest definitions
// repeated for each would triple the file.
constexpr std::size_t LongestRepeatedDefinition = 800;

void addDirect(const Article &article, const Definition &definition, const std::vector<std::u32string> &keys,
               Layout layout, const std::u32string &flattened, EntryMaker &maker, ConvertedInput &result)
{
    const std::string text = maker.definitionText(flattened);
    const std::string headwordFold = foldForMatching(article.headword);
    const std::u32string headword = article.bracketAccents ? apostropheAccents(article.headword) : article.headword;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const IndexEntry &entry = *definition.keys[k];
        std::u32string spelling = entry.headword.empty() ? spellingOf(article, keys[k]) : decodeText(entry.headword);
        if (layout == Layout::FreeDict && !article.headword.empty())
            spelling = article.headword; // its keys can be a part of the headword
        if (article.bracketAccents)
            spelling = apostropheAccents(spelling);
        const std::string fold = foldForMatching(spelling);
        const bool otherKey = article.headword.empty() || fold != headwordFold;
        if (otherKey && fold.size() < 2 && keys.size() > 1) {
            ++result.counts.senseLabels; // GCIDE's "a", "b", "c" for the parts of a long definition
            continue;
        }
        if (otherKey && !article.headword.empty() && !text.empty())
            maker.add(spelling, text.size() <= LongestRepeatedDefinition
                                    ? maker.definitionText(headword + U":") + " " + text
                                    : maker.definitionText(U"see " + headword));
        else
            maker.add(spelling, text);
    }
}

std::u32string headwordOf(const Article &article, const std::vector<std::u32string> &keys)
{
    return article.headword.empty() ? spellingOf(article, keys.front()) : article.headword;
}

} // namespace

InputFiles locateInput(const std::string &path)
{
    std::string base = path;
    for (const std::string_view suffix : {".index", ".dict.dz", ".dict"}) {
        if (endsWith(base, suffix)) {
            base.resize(base.size() - suffix.size());
            break;
        }
    }
    InputFiles files;
    files.name = std::filesystem::path(base).filename().string();
    files.index = base + ".index";
    files.data = std::filesystem::exists(base + ".dict.dz") || !std::filesystem::exists(base + ".dict")
                     ? base + ".dict.dz"
                     : base + ".dict";
    return files;
}

ConvertedInput convertInput(const Input &input, std::optional<Layout> layout, Collectors *shared)
{
    const InputFiles files = locateInput(input.path);
    const std::vector<IndexEntry> index = readIndex(files.index);
    const std::string data = readDictData(files.data);
    for (const IndexEntry &entry : index)
        if (entry.offset > data.size() || entry.length > data.size() - entry.offset)
            throw ImportError(files.index, "line " + std::to_string(entry.line) + " points past the end of " +
                                               files.data + " (" + std::to_string(data.size()) + " bytes)");

    ConvertedInput result;
    result.name = files.name;
    result.mode = input.mode;
    std::map<std::string, std::u32string> notes;
    const std::vector<Definition> definitions = groupByDefinition(index, [&](const IndexEntry &entry) {
        ++result.counts.internal;
        if (const std::string name = noteName(entry.key); !name.empty() && !notes.count(name))
            notes[name] = decodeText(std::string_view(data).substr(entry.offset, entry.length));
    });

    const std::u32string title = noteText(notes["short"]);
    const std::u32string url = noteText(notes["url"]);
    const std::u32string licence = licenceSentences(notes["info"]);
    result.title = toCp1252(title.empty() ? decodeText(files.name) : title).bytes;
    std::u32string source = url == U"unknown" ? U"" : url;
    if (!licence.empty())
        source += (source.empty() ? U"" : U" - ") + licence;
    result.source = toCp1252(source.empty() ? U"dictd: " + decodeText(files.name) : source).bytes;
    result.layout = layout.value_or(containsFreeDict(title) || containsFreeDict(notes["info"]) ? Layout::FreeDict
                                                                                            : Layout::Prose);
    if (input.mode != InputMode::Direct && result.layout != Layout::FreeDict)
        throw ImportError(files.index, "the inverse and the glosses can only be taken from a FreeDict dictionary");

    EntryMaker maker(result);
    Collectors own;
    Collectors &collectors = shared ? *shared : own;
    auto collect = [&](CombinedTerms &terms, std::u32string_view term, const std::string &piece,
                       const std::u32string &partOfSpeech) {
        if (terms.add(term, piece, maker.definitionText(partOfSpeech)))
            ++result.counts.entries;
        else
            ++result.counts.badTerms;
    };
    for (const Definition &definition : definitions) {
        ++result.counts.articles;
        const std::string_view bytes = std::string_view(data).substr(definition.offset, definition.length);
        std::optional<std::u32string> text = decodeUtf8(bytes);
        if (!text) {
            ++result.counts.notUtf8;
            text = decodeText(bytes);
        }
        std::vector<std::u32string> keys;
        for (const IndexEntry *entry : definition.keys)
            keys.push_back(decodeText(entry->key));
        const Article article = parseArticle(*text, keys, result.layout);

        switch (input.mode) {
        case InputMode::Direct:
            addDirect(article, definition, keys, result.layout,
                      result.layout == Layout::FreeDict ? flattenFreeDict(article) : flattenProse(article), maker, result);
            break;
        case InputMode::Glosses: {
            const std::vector<std::u32string> glosses = glossesOf(article);
            if (glosses.empty())
                ++result.counts.emptyDefinitions;
            for (const std::u32string &gloss : glosses)
                collect(collectors.glosses, headwordOf(article, keys), maker.definitionText(gloss), article.partOfSpeech);
            break;
        }
        case InputMode::Inverse: {
            const std::string headword = maker.definitionText(headwordOf(article, keys));
            const std::vector<std::u32string> translations = translationsOf(article);
            if (translations.empty())
                ++result.counts.emptyDefinitions;
            for (const std::u32string &translation : translations)
                collect(collectors.inverse, translation, headword, {});
            break;
        }
        }
    }
    if (input.mode == InputMode::Direct) {
        result.counts.entries = result.entries.size();
    } else if (!shared) {
        for (CombinedTerms *terms : {&own.inverse, &own.glosses})
            for (Entry &entry : terms->entries())
                result.entries.push_back(std::move(entry));
    }
    return result;
}

} // namespace zelvora::dictd
