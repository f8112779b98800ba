#include "dictionary/UpperCase.h"

#include <array>

namespace zelvora {

namespace {

using CaseTable = std::array<unsigned char, 256>;

CaseTable identity()
{
    CaseTable table{};
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<unsigned char>(i);
    return table;
}

CaseTable asciiTable()
{
    CaseTable table = identity();
    for (int c = 'a'; c <= 'z'; ++c)
        table[c] = static_cast<unsigned char>(c - 'a' + 'A');
    return table;
}

CaseTable fullTable()
{
    CaseTable table = asciiTable();
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7)
            table[c] = static_cast<unsigned char>(c - 0x20);
    table[0x9A] = 0x8A; // š Š
    table[0x9C] = 0x8C; // œ Œ
    table[0x9E] = 0x8E; // ž Ž
    table[0xFF] = 0x9F; // ÿ Ÿ
    return table;
}

std::string mapBytes(std::string_view text, const CaseTable &table)
{
    std::string result(text);
    for (char &c : result)
        c = static_cast<char>(table[static_cast<unsigned char>(c)]);
    return result;
}

} // namespace

const std::array<unsigned char, 256> &fullCapitals()
{
    static const CaseTable table = fullTable();
    return table;
}

std::string toUpperFull(std::string_view text)
{
    return mapBytes(text, fullCapitals());
}

std::string toUpperAscii(std::string_view text)
{
    static const CaseTable table = asciiTable();
    return mapBytes(text, table);
}

} // namespace zelvora
