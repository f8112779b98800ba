#include "import/Headword.h"

#include "dictionary/UpperCase.h"
#include "import/Text.h"
#include "import/Transliterate.h"

#include <array>
#include <utility>
#include <vector>

namespace zelvora::dictd {

namespace {

bool isSignificantByte(unsigned char b)
{
    if ((b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z'))
        return true;
    if (b >= 0xC0)
        return b != 0xD7 && b != 0xF7;
    switch (b) {
    case 0x83: case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E: case 0x9F:
    case 0xAA: case 0xB5: case 0xBA:
        return true;
    default:
        return false;
    }
}

std::string foldChar(char32_t c)
{
    if (c < 0x80) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 'a' && b <= 'z')
            return std::string(1, static_cast<char>(b - 'a' + 'A'));
        return isSignificantByte(b) ? std::string(1, static_cast<char>(b)) : std::string();
    }
    c = plainLetter(c);
    if (c < 0x80)
        return foldChar(c);
    const Cp1252Text encoded = toCp1252(std::u32string_view(&c, 1));
    std::string folded;
    for (const char b : toUpperFull(encoded.bytes))
        if (isSignificantByte(static_cast<unsigned char>(b)))
            folded.push_back(b);
    return folded;
}

bool closesHeadword(char32_t c) { return c == U'\'' || c == 0x2019 || c == U'.' || c == U'!' || c == U'?' || c == U'-'; }

bool endsHeadword(char32_t c)
{
    return isSpace(c) || c == U',' || c == U';' || c == U':' || c == U'/' || c == U'\\' || c == U'<' || c == U'(' ||
           c == U'[' || c == U'{' || c == U'}' || c == U')' || c == U']' || c == U'"' || c == U'.' || c == U'!' || c == U'?';
}

// Removes a group opened by text[0] and closed by `close` (the first one when
// open == close); false when it is not closed.
bool dropGroup(std::u32string_view &text, char32_t close)
{
    const char32_t open = text.front();
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i > 0 && text[i] == close && (open == close || depth == 1)) {
            text.remove_prefix(i + 1);
            return true;
        }
        if (text[i] == open && open != close)
            ++depth;
        else if (text[i] == close && open != close)
            --depth;
    }
    return false;
}

bool isAsciiLetter(char32_t c) { return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z'); }

// The length of a run of part-of-speech words at the start of `text` ("v. t.",
// "v.t.", "n., v.", "p. p. & a."): 1 to 6 letters and a full stop each; 0 when none.
std::size_t partOfSpeechLength(std::u32string_view text)
{
    std::size_t end = 0;
    std::size_t i = 0;
    int words = 0;
    while (i < text.size() && words < 4) {
        std::size_t letters = 0;
        while (i + letters < text.size() && isAsciiLetter(text[i + letters]))
            ++letters;
        if (letters == 0 || letters > 6 || i + letters >= text.size() || text[i + letters] != U'.')
            break;
        i += letters + 1;
        end = i;
        ++words;
        while (i < text.size() && (text[i] == U' ' || text[i] == U',' || text[i] == U'&'))
            ++i;
    }
    if (end == 0)
        return 0;
    if (end < text.size() && !isSpace(text[end]) && text[end] != U'[' && text[end] != U';' && text[end] != U',')
        return 0;
    return end;
}

} // namespace

std::string foldForMatching(std::u32string_view text)
{
    std::string folded;
    for (const char32_t c : text)
        folded += foldChar(c);
    return folded;
}

std::size_t matchKeyPrefix(std::u32string_view line, std::u32string_view key)
{
    return matchFoldedPrefix(line, foldForMatching(key), closingMarks(key));
}

std::size_t closingMarks(std::u32string_view key)
{
    std::size_t marks = 0;
    while (marks < key.size() && closesHeadword(key[key.size() - 1 - marks]))
        ++marks;
    return marks;
}

std::size_t matchFoldedPrefix(std::u32string_view line, const std::string &wanted, std::size_t closingMarks)
{
    if (wanted.empty())
        return 0;
    std::size_t matched = 0;
    std::size_t i = 0;
    for (; i < line.size() && matched < wanted.size(); ++i) {
        for (const char b : foldChar(line[i])) {
            if (matched == wanted.size() || wanted[matched] != b)
                return 0;
            ++matched;
        }
    }
    if (matched < wanted.size())
        return 0;
    for (std::size_t marks = 0; marks < closingMarks && i < line.size() && closesHeadword(line[i]); ++marks)
        ++i;
    if (i < line.size() && !endsHeadword(line[i]))
        return 0;
    return i;
}

HeadTrailer splitFreeDictTrailer(std::u32string_view trailer)
{
    HeadTrailer result;
    trailer = trim(trailer);
    if (!trailer.empty() && trailer.back() == U'>') {
        const std::size_t open = trailer.rfind(U'<');
        if (open != std::u32string_view::npos)
            result.partOfSpeech = shortPartOfSpeech(trailer.substr(open + 1, trailer.size() - open - 2));
    }
    return result;
}

HeadTrailer splitProseTrailer(std::u32string_view trailer)
{
    HeadTrailer result;
    bool afterPronunciation = false;
    for (;;) {
        while (!trailer.empty() && (isSpace(trailer.front()) || trailer.front() == U',' || trailer.front() == U'.' ||
                                    trailer.front() == U';' || trailer.front() == U':'))
            trailer.remove_prefix(1);
        if (trailer.empty())
            break;
        const char32_t c = trailer.front();
        if ((c == U'\\' || c == U'/') && dropGroup(trailer, c)) {
            afterPronunciation = true;
            continue;
        }
        if (c == U'(' && afterPronunciation && dropGroup(trailer, U')')) {
            afterPronunciation = false;
            continue;
        }
        break;
    }
    if (const std::size_t length = partOfSpeechLength(trailer)) {
        result.partOfSpeech = collapseSpaces(trailer.substr(0, length));
        trailer.remove_prefix(length);
        while (!trailer.empty() && (isSpace(trailer.front()) || trailer.front() == U',' || trailer.front() == U';'))
            trailer.remove_prefix(1);
    }
    result.rest = std::u32string(trailer);
    return result;
}

bool isPartOfSpeechLine(std::u32string_view line)
{
    line = trim(line);
    return !line.empty() && partOfSpeechLength(line) == line.size();
}

std::u32string shortPartOfSpeech(std::u32string_view words)
{
    static const std::vector<std::pair<std::u32string_view, std::u32string_view>> Short = {
        {U"n", U"n."}, {U"v", U"v."}, {U"adj", U"adj."}, {U"adv", U"adv."}, {U"pn", U"n. pr."},
        {U"masc", U"m."}, {U"m", U"m."}, {U"fem", U"f."}, {U"f", U"f."}, {U"neut", U"nt."}, {U"ut", U"c."},
        {U"conjunction", U"conj."}, {U"interjection", U"interj."}, {U"pronoun", U"pron."},
        {U"preposition", U"prep."}, {U"numeral", U"num."}, {U"suffix", U"suff."}, {U"prefix", U"pref."},
        {U"abbreviation", U"abbr."}, {U"article", U"art."}, {U"phraseological", U"phr."}, {U"unit", U""},
        {U"proverb", U"prov."}, {U"postposition", U"postp."}, {U"possessive", U"poss."},
        {U"indefinite", U"indef."}, {U"demonstrative", U"dem."}, {U"personal", U"pers."},
        {U"relative", U"rel."}, {U"cardinal", U"card."}, {U"ordinal", U"ord."}, {U"participle", U"part."},
        {U"adjective", U"adj."}, {U"pl", U"pl."}, {U"sg", U"sg."},
    };
    // Words are separated by commas and spaces, and inside by capitals ("possessivePronoun").
    std::vector<std::u32string> parts;
    std::u32string word;
    auto flush = [&] {
        if (!word.empty())
            parts.push_back(word);
        word.clear();
    };
    for (const char32_t c : words) {
        if (c == U',' || isSpace(c) || c == U'.') {
            flush();
        } else {
            if (c >= U'A' && c <= U'Z' && !word.empty())
                flush();
            word.push_back(c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c);
        }
    }
    flush();
    std::u32string result;
    for (const std::u32string &part : parts) {
        std::u32string shortPart = part.size() <= 4 ? part + U"." : part.substr(0, 4) + U".";
        for (const auto &[full, abbreviation] : Short)
            if (full == part)
                shortPart = abbreviation;
        if (shortPart.empty())
            continue;
        if (!result.empty())
            result.push_back(U' ');
        result += shortPart;
    }
    return result;
}

} // namespace zelvora::dictd
