#include "import/DatabaseNotes.h"

#include "import/Text.h"

#include <vector>

namespace zelvora::dictd {

namespace {

std::string lettersAndDigits(std::string_view key)
{
    std::string result;
    for (const char c : key)
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'))
            result.push_back(c);
        else if (c >= 'A' && c <= 'Z')
            result.push_back(static_cast<char>(c - 'A' + 'a'));
    return result;
}

bool mentionsLicence(std::u32string_view sentence)
{
    std::u32string lower;
    for (const char32_t c : sentence)
        lower.push_back(c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c);
    for (const std::u32string_view word : {U"licen", U"public domain", U"copyright"})
        if (lower.find(word) != std::u32string::npos)
            return true;
    return false;
}

// Splits at a full stop followed by a space and a capital, so "ver. 2.0" stays whole.
std::vector<std::u32string> sentences(std::u32string_view paragraph)
{
    std::vector<std::u32string> result;
    std::size_t start = 0;
    for (std::size_t i = 0; i + 2 < paragraph.size(); ++i) {
        if (paragraph[i] == U'.' && paragraph[i + 1] == U' ' && paragraph[i + 2] >= U'A' && paragraph[i + 2] <= U'Z') {
            result.emplace_back(paragraph.substr(start, i + 1 - start));
            start = i + 2;
        }
    }
    result.emplace_back(paragraph.substr(start));
    return result;
}

} // namespace

bool isInternalKey(std::string_view key)
{
    return key.substr(0, 3) == "00-" || key.substr(0, 10) == "00database";
}

std::string noteName(std::string_view key)
{
    if (!isInternalKey(key))
        return {};
    const std::string letters = lettersAndDigits(key);
    for (const char *name : {"short", "info", "url"})
        if (letters == std::string("00database") + name)
            return name;
    return {};
}

std::u32string noteText(std::u32string_view definition)
{
    std::vector<std::u32string> lines = splitLines(definition);
    std::u32string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::u32string_view line = trim(lines[i]);
        if (i == 0 && (startsWith(line, U"00-database-") || startsWith(line, U"00database")))
            continue;
        text += line;
        text += U' ';
    }
    return collapseSpaces(text);
}

std::u32string licenceSentences(std::u32string_view info)
{
    // Paragraphs are separated by blank lines.
    std::vector<std::u32string> paragraphs(1);
    for (const std::u32string &line : splitLines(info)) {
        if (trim(line).empty()) {
            if (!paragraphs.back().empty())
                paragraphs.emplace_back();
            continue;
        }
        paragraphs.back() += line;
        paragraphs.back() += U' ';
    }
    for (const std::u32string &paragraph : paragraphs) {
        std::u32string found;
        int taken = 0;
        for (const std::u32string &sentence : sentences(collapseSpaces(paragraph))) {
            if (taken < 2 && mentionsLicence(sentence)) {
                found += (found.empty() ? U"" : U" ") + sentence;
                ++taken;
            }
        }
        if (!found.empty())
            return found;
    }
    return {};
}

} // namespace zelvora::dictd
