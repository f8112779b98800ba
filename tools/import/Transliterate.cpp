#include "import/Transliterate.h"

#include "dictionary/Cp1252.h"
#include "import/Text.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

namespace zelvora::dictd {

namespace {

// For each combining accent, pairs of (plain letter, accented letter) that
// Windows-1252 holds.
struct Composition {
    char32_t mark;
    std::u32string_view pairs;
};
constexpr std::array<Composition, 8> Compositions = {{
    {0x0300, U"AÀEÈIÌOÒUÙaàeèiìoòuù"},
    {0x0301, U"AÁEÉIÍOÓUÚYÝaáeéiíoóuúyý"},
    {0x0302, U"AÂEÊIÎOÔUÛaâeêiîoôuû"},
    {0x0303, U"AÃNÑOÕaãnñoõ"},
    {0x0308, U"YŸAÄEËIÏOÖUÜaäeëiïoöuüyÿ"},
    {0x030A, U"AÅaå"},
    {0x030C, U"SŠZŽsšzž"},
    {0x0327, U"CÇcç"},
}};

bool isCombiningMark(char32_t c) { return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) || (c >= 0x20D0 && c <= 0x20FF); }

char32_t compose(char32_t base, char32_t mark)
{
    for (const Composition &composition : Compositions) {
        if (composition.mark != mark)
            continue;
        for (std::size_t i = 0; i + 1 < composition.pairs.size(); i += 2)
            if (composition.pairs[i] == base)
                return composition.pairs[i + 1];
    }
    return 0;
}

// The plain letter of each accented Latin letter of three blocks, one character
// per code point from the block's first; '?' where there is none, '.' where
// Windows-1252 holds the letter itself.
constexpr std::u32string_view LatinExtendedA = // U+0100
    U"AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi??JjKkkLlLlLlL"
    U"lLlNnNnNnnNnOoOoOo..RrRrRrSsSsSs..TtTtTtUuUuUuUuUuUuWwYy.ZzZz..s";
constexpr std::u32string_view LatinExtendedB = // U+0180
    U"b?????????????????.?????????????Oo?????????????Uu????Zz?????????"
    U"?????????????AaIiOoUuUuUuUuUu?AaAa????GgKkOoOo??j???Gg??NnAa????"
    U"AaAaEeEeIiIiOoOoRrRrUuUuSsTt??Hh??????AaEeOoOoOoOoYy????????????"
    U"????????????????";
constexpr std::u32string_view LatinExtendedAdditional = // U+1E00
    U"AaBbBbBbCcDdDdDdDdDdEeEeEeEeEeFfGgHhHhHhHhHhIiIiKkKkKkLlLlLlLlMm"
    U"MmMmNnNnNnNnOoOoOoOoPpPpRrRrRrRrSsSsSsSsSsTtTtTtTtUuUuUuUuUuVvVv"
    U"WwWwWwWwWwXxXxYyZzZzZzhtwy??????AaAaAaAaAaAaAaAaAaAaAaAaEeEeEeEe"
    U"EeEeEeEeIiIiOoOoOoOoOoOoOoOoOoOoOoOoUuUuUuUuUuUuUuYyYyYyYy??????";

// Plain equivalents of single characters outside those blocks, sorted by code point.
constexpr std::pair<char32_t, std::u32string_view> Equivalents[] = {
    {0x0132, U"IJ"}, {0x0133, U"ij"}, {0x01C4, U"DŽ"}, {0x01C5, U"Dž"}, {0x01C6, U"dž"},
    {0x01C7, U"LJ"}, {0x01C8, U"Lj"}, {0x01C9, U"lj"}, {0x01CA, U"NJ"}, {0x01CB, U"Nj"},
    {0x01CC, U"nj"}, {0x01F1, U"DZ"}, {0x01F2, U"Dz"}, {0x01F3, U"dz"}, {0x0251, U"a"},
    {0x0261, U"g"}, {0x02B9, U"'"}, {0x02BB, U"'"}, {0x02BC, U"'"}, {0x02BD, U"'"},
    {0x2010, U"-"}, {0x2011, U"-"}, {0x2012, U"-"}, {0x2015, U"-"}, {0x201B, U"'"},
    {0x201F, U"\""}, {0x2024, U"."}, {0x2025, U".."}, {0x2027, U"·"}, {0x2032, U"'"},
    {0x2033, U"\""}, {0x2035, U"'"}, {0x2043, U"-"}, {0x2044, U"/"}, {0x2070, U"0"},
    {0x2074, U"4"}, {0x2075, U"5"}, {0x2076, U"6"}, {0x2077, U"7"}, {0x2078, U"8"},
    {0x2079, U"9"}, {0x2103, U"°C"}, {0x2109, U"°F"}, {0x2116, U"No."}, {0x2153, U"1/3"},
    {0x2154, U"2/3"}, {0x215B, U"1/8"}, {0x2190, U"<-"}, {0x2192, U"->"}, {0x2194, U"<->"},
    {0x21D0, U"<="}, {0x21D2, U"=>"}, {0x21D4, U"<=>"}, {0x2212, U"-"}, {0x2215, U"/"},
    {0x2217, U"*"}, {0x2219, U"·"}, {0x2223, U"|"}, {0x2236, U":"}, {0x223C, U"~"},
    {0x2248, U"~"}, {0x2260, U"!="}, {0x2264, U"<="}, {0x2265, U">="}, {0x22C5, U"·"},
    {0x3008, U"<"}, {0x3009, U">"}, {0xFB00, U"ff"}, {0xFB01, U"fi"}, {0xFB02, U"fl"}, {0xFB03, U"ffi"}, {0xFB04, U"ffl"},
};

std::u32string_view blockEquivalent(std::u32string_view block, char32_t first, char32_t c, char32_t &storage)
{
    if (c < first || c >= first + block.size())
        return {};
    storage = block[c - first];
    if (storage == U'?' || storage == U'.')
        return {};
    return {&storage, 1};
}

char32_t boxDrawing(char32_t c)
{
    switch (c) {
    case 0x2500: case 0x2501: case 0x2504: case 0x2505: case 0x2508: case 0x2509: case 0x254C: case 0x254D: case 0x2550:
        return U'-';
    case 0x2502: case 0x2503: case 0x2506: case 0x2507: case 0x250A: case 0x250B: case 0x254E: case 0x254F: case 0x2551:
        return U'|';
    default:
        return U'+';
    }
}

// The plain equivalent of a character Windows-1252 lacks; empty when there is none.
std::u32string_view equivalent(char32_t c, char32_t &storage)
{
    const auto found = std::lower_bound(std::begin(Equivalents), std::end(Equivalents), c,
                                        [](const auto &entry, char32_t key) { return entry.first < key; });
    if (found != std::end(Equivalents) && found->first == c)
        return found->second;
    if (c >= 0xFF01 && c <= 0xFF5E) { // full-width ASCII
        storage = c - 0xFEE0;
        return {&storage, 1};
    }
    if (c >= 0x2500 && c <= 0x257F) { // box drawing
        storage = boxDrawing(c);
        return {&storage, 1};
    }
    if (c >= 0x2080 && c <= 0x2089) { // subscript digits
        storage = U'0' + (c - 0x2080);
        return {&storage, 1};
    }
    for (const auto &[block, first] : {std::pair{LatinExtendedA, char32_t{0x0100}}, std::pair{LatinExtendedB, char32_t{0x0180}},
                                       std::pair{LatinExtendedAdditional, char32_t{0x1E00}}})
        if (auto plain = blockEquivalent(block, first, c, storage); !plain.empty())
            return plain;
    return {};
}

bool isDropped(char32_t c)
{
    return (c < 0x20 && c != U'\t') || (c >= 0x7F && c <= 0x9F) || c == 0x200B || c == 0x200C || c == 0x200D ||
           c == 0x2060 || c == 0xFEFF;
}

// Appends the Windows-1252 byte of `c`; false when the code page lacks it.
bool appendDirect(char32_t c, std::string &bytes)
{
    if (c > 0xFFFF)
        return false;
    const char16_t unit = static_cast<char16_t>(c);
    const std::string encoded = encodeCp1252(std::u16string_view(&unit, 1));
    if (encoded == "?" && c != U'?')
        return false;
    bytes += encoded;
    return true;
}

void appendChar(char32_t c, Cp1252Text &out)
{
    if (isDropped(c))
        return;
    if (isSpace(c)) {
        out.bytes.push_back(' ');
        return;
    }
    if (appendDirect(c, out.bytes))
        return;
    char32_t storage = 0;
    const std::u32string_view plain = equivalent(c, storage);
    if (plain.empty()) {
        out.bytes.push_back('?');
        ++out.questionMarks;
        return;
    }
    for (const char32_t p : plain)
        appendDirect(p, out.bytes);
}

} // namespace

char32_t plainLetter(char32_t c)
{
    for (const Composition &composition : Compositions)
        for (std::size_t i = 1; i < composition.pairs.size(); i += 2)
            if (composition.pairs[i] == c)
                return composition.pairs[i - 1];
    char32_t storage = 0;
    const std::u32string_view plain = equivalent(c, storage);
    return plain.size() == 1 && plain.front() >= U'A' && plain.front() <= U'z' ? plain.front() : c;
}

Cp1252Text toCp1252(std::u32string_view text)
{
    Cp1252Text out;
    out.bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (isCombiningMark(c))
            continue; // a mark with nothing to compose with
        while (i + 1 < text.size() && isCombiningMark(text[i + 1])) {
            if (const char32_t composed = compose(c, text[i + 1]))
                c = composed;
            ++i;
        }
        appendChar(c, out);
    }
    return out;
}

} // namespace zelvora::dictd
