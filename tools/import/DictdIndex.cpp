#include "import/DictdIndex.h"

#include "import/DictdData.h"
#include "import/ImportError.h"

namespace zelvora::dictd {

namespace {

int digitValue(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

std::vector<std::string_view> splitTabs(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

} // namespace

std::optional<std::uint64_t> decodeBase64Number(std::string_view digits)
{
    if (digits.empty() || digits.size() > 10) // 10 digits already hold 60 bits
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = digitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 64 + static_cast<std::uint64_t>(digit);
    }
    return value;
}

std::vector<IndexEntry> parseIndex(std::string_view text, const std::string &path)
{
    std::vector<IndexEntry> entries;
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            continue;
        const std::vector<std::string_view> fields = splitTabs(line);
        const auto offset = fields.size() >= 3 ? decodeBase64Number(fields[1]) : std::nullopt;
        const auto length = fields.size() >= 3 ? decodeBase64Number(fields[2]) : std::nullopt;
        if (fields.size() > 4 || !offset || !length)
            throw ImportError(path, "line " + std::to_string(lineNumber) +
                                        " is not a dictd index line (key, offset and length separated by tabs)");
        IndexEntry entry;
        entry.key = std::string(fields[0]);
        entry.offset = *offset;
        entry.length = *length;
        if (fields.size() == 4)
            entry.headword = std::string(fields[3]);
        entry.line = lineNumber;
        entries.push_back(std::move(entry));
    }
    if (entries.empty())
        throw ImportError(path, "empty: not a dictd index");
    return entries;
}

std::vector<IndexEntry> readIndex(const std::string &path)
{
    return parseIndex(readWholeFile(path), path);
}

} // namespace zelvora::dictd
