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

    // Adds the entry of `term`, unless it is dropped (and counted).
    void add(std::u32string_view term, Entry entry)
    {
        const Cp1252Text termText = toCp1252(collapseSpaces(term));
        if (termText.questionMarks > 0 || termText.bytes.empty()) {
            ++result_.counts.badTerms;
            return;
        }
        if (entry.senses.empty()) {
            ++result_.counts.emptyDefinitions;
            return;
        }
        entry.term = toUpperFull(termText.bytes);
        result_.entries.push_back(std::move(entry));
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

Entry freeDictEntry(const Article &article, EntryMaker &maker)
{
    Entry entry{{}, Standing::Direct, true, {}, {}};
    const std::string partOfSpeech = maker.definitionText(article.partOfSpeech);
    for (const TranslationSense &sense : translationSenses(article)) {
        Sense written{partOfSpeech, {}, maker.definitionText(sense.note), {}};
        for (const std::u32string &item : sense.items)
            if (std::string text = maker.definitionText(item); !text.empty())
                written.items.push_back(std::move(text));
        if (!written.items.empty() || !written.note.empty())
            entry.senses.push_back(std::move(written));
    }
    return entry;
}

// A prose entry: its own senses, or one sense that names the headword.
Entry proseEntry(std::string alone, std::vector<Sense> senses)
{
    if (alone.empty())
        senses.clear();
    return Entry{{}, Standing::Direct, false, std::move(senses), std::move(alone)};
}

void addDirect(const Article &article, const Definition &definition, const std::vector<std::u32string> &keys,
               Layout layout, EntryMaker &maker, ConvertedInput &result)
{
    const bool freeDict = layout == Layout::FreeDict;
    const std::string text = freeDict ? std::string() : maker.definitionText(flattenProse(article));
    std::vector<Sense> senses;
    if (!freeDict)
        for (const ProseSense &sense : proseSenses(article))
            senses.push_back(Sense{maker.definitionText(sense.partOfSpeech), {maker.definitionText(sense.text)}, {}, {}});
    const std::string headwordFold = foldForMatching(article.headword);
    const std::u32string headword = article.bracketAccents ? apostropheAccents(article.headword) : article.headword;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const IndexEntry &entry = *definition.keys[k];
        std::u32string spelling = entry.headword.empty() ? spellingOf(article, keys[k]) : decodeText(entry.headword);
        if (freeDict && !article.headword.empty())
            spelling = article.headword; // its keys can be a part of the headword
        if (article.bracketAccents)
            spelling = apostropheAccents(spelling);
        const std::string fold = foldForMatching(spelling);
        const bool otherKey = article.headword.empty() || fold != headwordFold;
        if (otherKey && fold.size() < 2 && keys.size() > 1) {
            ++result.counts.senseLabels; // GCIDE's "a", "b", "c" for the parts of a long definition
            continue;
        }
        if (freeDict) {
            maker.add(spelling, freeDictEntry(article, maker));
        } else if (otherKey && !article.headword.empty() && !text.empty()) {
            std::string pointer = text.size() <= LongestRepeatedDefinition ? maker.definitionText(headword + U":") + " " + text
                                                                           : maker.definitionText(U"see " + headword);
            maker.add(spelling, proseEntry(pointer, {Sense{{}, {pointer}, {}, {}}}));
        } else {
            maker.add(spelling, proseEntry(text, senses));
        }
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

namespace {

// A dictd dictionary read whole: its definitions and dictd's notes about it.
struct DictdDictionary {
    InputFiles files;
    std::vector<IndexEntry> index;
    std::string data;
    std::vector<Definition> definitions;
    std::map<std::string, std::u32string> notes;
    std::size_t internal = 0;

    explicit DictdDictionary(const std::string &path)
        : files(locateInput(path)), index(readIndex(files.index)), data(readDictData(files.data))
    {
        for (const IndexEntry &entry : index)
            if (entry.offset > data.size() || entry.length > data.size() - entry.offset)
                throw ImportError(files.index, "line " + std::to_string(entry.line) + " points past the end of " +
                                                   files.data + " (" + std::to_string(data.size()) + " bytes)");
        definitions = groupByDefinition(index, [&](const IndexEntry &entry) {
            ++internal;
            if (const std::string name = noteName(entry.key); !name.empty() && !notes.count(name))
                notes[name] = decodeText(std::string_view(data).substr(entry.offset, entry.length));
        });
    }

    bool namesFreeDict() { return containsFreeDict(noteText(notes["short"])) || containsFreeDict(notes["info"]); }

    // Calls visit(article, definition, keys) for each definition, and
    // notUtf8() before it for one whose text is not UTF-8.
    template <typename Visit, typename NotUtf8>
    void forEachArticle(Layout layout, Visit &&visit, NotUtf8 &&notUtf8) const
    {
        for (const Definition &definition : definitions) {
            const std::string_view bytes = std::string_view(data).substr(definition.offset, definition.length);
            std::optional<std::u32string> text = decodeUtf8(bytes);
            if (!text) {
                notUtf8();
                text = decodeText(bytes);
            }
            std::vector<std::u32string> keys;
            for (const IndexEntry *entry : definition.keys)
                keys.push_back(decodeText(entry->key));
            visit(parseArticle(*text, keys, layout), definition, keys);
        }
    }
};

} // namespace

std::vector<Translations> readTranslations(const std::string &path)
{
    DictdDictionary dictionary(path);
    if (!dictionary.namesFreeDict())
        throw ImportError(dictionary.files.index, "only a FreeDict dictionary can be read through");
    std::vector<Translations> result;
    dictionary.forEachArticle(
        Layout::FreeDict,
        [&](const Article &article, const Definition &, const std::vector<std::u32string> &keys) {
            result.push_back({headwordOf(article, keys), translationsOf(article)});
        },
        [] {});
    return result;
}

ConvertedInput convertInput(const Input &input, std::optional<Layout> layout, Collectors *shared)
{
    DictdDictionary dictionary(input.path);
    const InputFiles &files = dictionary.files;
    ConvertedInput result;
    result.name = files.name;
    result.mode = input.mode;
    result.counts.internal = dictionary.internal;
    std::map<std::string, std::u32string> &notes = dictionary.notes;
    const std::u32string title = noteText(notes["short"]);
    const std::u32string url = noteText(notes["url"]);
    const std::u32string licence = licenceSentences(notes["info"]);
    result.title = toCp1252(title.empty() ? decodeText(files.name) : title).bytes;
    std::u32string source = url == U"unknown" ? U"" : url;
    if (!licence.empty())
        source += (source.empty() ? U"" : U" - ") + licence;
    result.source = toCp1252(source.empty() ? U"dictd: " + decodeText(files.name) : source).bytes;
    result.layout = layout.value_or(dictionary.namesFreeDict() ? Layout::FreeDict : Layout::Prose);
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
    dictionary.forEachArticle(
        result.layout,
        [&](const Article &article, const Definition &definition, const std::vector<std::u32string> &keys) {
            ++result.counts.articles;
            switch (input.mode) {
            case InputMode::Direct:
                addDirect(article, definition, keys, result.layout, maker, result);
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
            default: // the thesaurus and the third languages have readers of their own
                break;
            }
        },
        [&] { ++result.counts.notUtf8; });
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
