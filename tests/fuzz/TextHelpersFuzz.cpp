// The text helpers, the two upper-case conversions and the Windows-1252
// conversions against the reference's plain routines and models written from
// their rules.
//
// Input: three parts, the text and two more texts (the marker, the new text).

#include "FuzzSupport.h"

#include "dictionary/Cp1252.h"
#include "dictionary/TextHelpers.h"
#include "dictionary/UpperCase.h"
#include "reference/PlainText.h"

#include <array>
#include <string>

namespace reference = zelvora::reference;

namespace {

// The first place where `marker` occurs, found one place after another; none for an empty marker.
std::size_t firstPlace(std::string_view text, std::string_view marker)
{
    if (marker.empty())
        return std::string_view::npos;
    for (std::size_t at = 0; at + marker.size() <= text.size(); ++at)
        if (text.compare(at, marker.size(), marker) == 0)
            return at;
    return std::string_view::npos;
}

void checkHelpers(const std::string &text, const std::string &marker, const std::string &newText)
{
    fuzz::check(zelvora::IsPalindrome(text) == reference::isPalindrome(text), "IsPalindrome");
    fuzz::expectSame(zelvora::CountWords(text), reference::countWords(text), "CountWords");
    fuzz::expectSame(zelvora::ReplaceFirst(text, marker, newText), reference::replaceFirst(text, marker, newText),
                     "ReplaceFirst");

    const std::size_t at = firstPlace(text, marker);
    fuzz::expectSame(zelvora::TextBefore(text, marker), at == std::string::npos ? text : text.substr(0, at),
                     "TextBefore");
    fuzz::expectSame(zelvora::TextAfter(text, marker),
                     at == std::string::npos ? std::string() : text.substr(at + marker.size()), "TextAfter");

    std::size_t tokens = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto separates = [&](std::size_t k) { return text[k] == ' ' || text[k] == '\t' || text[k] == ';'; };
        tokens += !separates(i) && (i == 0 || separates(i - 1));
    }
    fuzz::expectSame(zelvora::CountTokens(text), tokens, "CountTokens");
}

void checkUpperCase(const std::string &text)
{
    const std::string full = zelvora::toUpperFull(text);
    fuzz::expectSame(full, reference::upperFull(text), "toUpperFull");
    fuzz::expectSame(zelvora::toUpperFull(full), full, "toUpperFull twice");
    fuzz::expectSame(zelvora::toUpperAscii(text), reference::upperAscii(text), "toUpperAscii");
}

void checkCp1252(const std::string &bytes)
{
    // Every byte has a character of its own, and the text's characters are its bytes'.
    const std::u16string text = zelvora::decodeCp1252(bytes);
    fuzz::expectSame(text.size(), bytes.size(), "decoded length");
    for (std::size_t i = 0; i < bytes.size(); ++i)
        fuzz::check(text[i] == zelvora::decodeCp1252(static_cast<unsigned char>(bytes[i])), "decoded character");
    fuzz::expectSame(zelvora::encodeCp1252(text), bytes, "encoded after decoding");

    // The bytes read as UTF-16 code units: a character the code page has becomes its byte, any other '?'
    // (a surrogate pair one '?').
    static const std::array<int, 0x10000> byteOf = [] {
        std::array<int, 0x10000> bytesOf;
        bytesOf.fill(-1);
        for (int b = 0; b < 256; ++b)
            bytesOf[zelvora::decodeCp1252(static_cast<unsigned char>(b))] = b;
        return bytesOf;
    }();
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                              static_cast<unsigned char>(bytes[i + 1]) << 8));
    std::string expected;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t c = units[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF)
            ++i;
        expected += byteOf[c] < 0 ? '?' : static_cast<char>(byteOf[c]);
    }
    fuzz::expectSame(zelvora::encodeCp1252(units), expected, "encoded UTF-16");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::string text(input.part());
    const std::string marker(input.part());
    const std::string newText(input.part());
    checkHelpers(text, marker, newText);
    checkUpperCase(text);
    checkCp1252(text);
    return 0;
}
