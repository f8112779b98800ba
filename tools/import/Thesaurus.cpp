#include "import/Thesaurus.h"

#include "dictionary/UpperCase.h"
#include "import/DictdData.h"
#include "import/ImportError.h"
#include "import/Text.h"
#include "import/Transliterate.h"

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace zelvora::dictd {

namespace {

std::vector<std::u32string> splitBars(std::u32string_view line)
{
    std::vector<std::u32string> fields;
    std::size_t start = 0;
    for (std::size_t bar = line.find(U'|'); ; bar = line.find(U'|', start)) {
        fields.push_back(collapseSpaces(line.substr(start, bar == std::u32string_view::npos ? bar : bar - start)));
        if (bar == std::u32string_view::npos)
            return fields;
        start = bar + 1;
    }
}

// "(s.m. Cibo a base di agnello)" to "s.m. Cibo a base di agnello".
std::u32string withoutOuterParentheses(std::u32string_view text)
{
    if (text.size() >= 2 && text.front() == U'(' && text.back() == U')')
        text = text.substr(1, text.size() - 2);
    return collapseSpaces(text);
}

} // namespace

ConvertedInput readThesaurus(const std::string &path)
{
    const std::string bytes = readWholeFile(path);
    const std::vector<std::u32string> lines = splitLines(decodeText(bytes));
    ConvertedInput result;
    result.name = std::filesystem::path(path).stem().string();
    result.mode = InputMode::Thesaurus;
    result.title = result.name;
    result.source = "MyThes: " + result.name;
    auto cp1252 = [&](std::u32string_view text) {
        Cp1252Text converted = toCp1252(text);
        result.counts.questionMarks += converted.questionMarks;
        return std::move(converted.bytes);
    };
    std::size_t at = 1; // the first line names the encoding
    while (at < lines.size()) {
        const std::vector<std::u32string> head = splitBars(lines[at]);
        std::size_t count = 0;
        for (const char32_t c : head.size() == 2 ? head[1] : std::u32string())
            count = c >= U'0' && c <= U'9' && count < 100000 ? count * 10 + (c - U'0') : SIZE_MAX;
        if (head.size() != 2 || head[0].empty() || count == 0 || count == SIZE_MAX || count > lines.size() - 1 - at)
            throw ImportError(path, "line " + std::to_string(at + 1) + " is not a thesaurus entry (\"word|count\")");
        ++result.counts.articles;
        Entry entry{{}, Standing::Direct, true, {}, {}};
        for (std::size_t k = 1; k <= count; ++k) {
            const std::vector<std::u32string> fields = splitBars(lines[at + k]);
            Sense sense{cp1252(withoutOuterParentheses(fields.front())), {}, {}, {}};
            for (std::size_t f = 1; f < fields.size(); ++f)
                if (std::string synonym = cp1252(fields[f]); !synonym.empty())
                    sense.items.push_back(std::move(synonym));
            if (!sense.items.empty())
                entry.senses.push_back(std::move(sense));
        }
        at += count + 1;
        const Cp1252Text term = toCp1252(head[0]);
        if (term.questionMarks) {
            ++result.counts.badTerms;
        } else if (entry.senses.empty()) {
            ++result.counts.emptyDefinitions;
        } else {
            entry.term = toUpperFull(term.bytes);
            result.entries.push_back(std::move(entry));
        }
    }
    result.counts.entries = result.entries.size();
    return result;
}

} // namespace zelvora::dictd
