#include "import/Supplement.h"

#include "dictionary/UpperCase.h"
#include "import/DictdData.h"
#include "import/FreeDictSenses.h"
#include "import/ImportError.h"
#include "import/Text.h"
#include "import/Transliterate.h"

#include <filesystem>

namespace zelvora::dictd {

namespace {

// The pieces of `text` between the `separator`s outside parentheses.
std::vector<std::u32string_view> splitOutside(std::u32string_view text, char32_t separator)
{
    std::vector<std::u32string_view> pieces;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char32_t c = i < text.size() ? text[i] : separator;
        if (c == U'(')
            ++depth;
        else if (c == U')' && depth > 0)
            --depth;
        else if (c == separator && (depth == 0 || i == text.size())) {
            pieces.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return pieces;
}

} // namespace

ConvertedInput readSupplement(const std::string &path)
{
    const std::vector<std::u32string> lines = splitLines(decodeText(readWholeFile(path)));
    ConvertedInput result;
    result.name = std::filesystem::path(path).filename().string();
    result.mode = InputMode::Supplement;
    result.layout = Layout::FreeDict;
    result.title = result.source = result.name;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::u32string_view line = trim(lines[n]);
        if (line.empty() || line.front() == U'#')
            continue;
        auto error = [&](const std::string &why) { return ImportError(path, "line " + std::to_string(n + 1) + " " + why); };
        const std::size_t equals = line.find(U" = ");
        if (equals == std::u32string_view::npos)
            throw error("is not \"TERM = definition\"");
        const Cp1252Text term = toCp1252(collapseSpaces(line.substr(0, equals)));
        if (term.bytes.empty() || term.questionMarks)
            throw error("has a term that Windows-1252 cannot write");
        ++result.counts.articles;
        Entry entry{toUpperFull(term.bytes), Standing::Supplement, true, {}, {}};
        for (std::u32string_view piece : splitOutside(line.substr(equals + 3), U';')) {
            std::u32string text = collapseSpaces(piece);
            Sense sense;
            if (const std::size_t close = text.find(U") "); !text.empty() && text.front() == U'(' && close != std::u32string::npos &&
                                                              text.find(U'(', 1) > close) {
                sense.partOfSpeech = toCp1252(text.substr(1, close - 1)).bytes;
                text.erase(0, close + 2);
            }
            for (const std::u32string &item : splitItems(text)) {
                const Cp1252Text written = toCp1252(item);
                result.counts.questionMarks += written.questionMarks;
                sense.items.push_back(written.bytes);
            }
            if (!sense.items.empty())
                entry.senses.push_back(std::move(sense));
        }
        if (entry.senses.empty())
            throw error("defines nothing");
        result.entries.push_back(std::move(entry));
    }
    result.counts.entries = result.entries.size();
    return result;
}

} // namespace zelvora::dictd
