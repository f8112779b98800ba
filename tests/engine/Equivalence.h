#pragma once

// What the equivalence tests share: random draws, the bytes of a random
// dictionary, and line lists shown with their bytes escaped and compared.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

using Rng = std::mt19937;

inline int number(Rng &rng, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(rng);
}

inline bool chance(Rng &rng, double p)
{
    return std::bernoulli_distribution(p)(rng);
}

inline std::string pick(Rng &rng, const std::vector<std::string> &from)
{
    return from[static_cast<std::size_t>(number(rng, 0, static_cast<int>(from.size()) - 1))];
}

// A random dictionary's bytes from its term and definition lines: now and then
// without the last line, the lines joined by CR LF, and then one line end,
// three, an end-of-file mark with the entry `termPastTheEnd` after it, a mark
// somewhere inside, or no line end after the last line.
inline std::string dictionaryBytes(Rng &rng, std::vector<std::string> lines, const std::string &termPastTheEnd)
{
    if (chance(rng, 0.15))
        lines.pop_back(); // an odd count: the last term has no definition line
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i)
        bytes += (i ? "\r\n" : "") + lines[i];
    switch (number(rng, 0, 4)) {
    case 0: bytes += "\r\n"; break;
    case 1: bytes += "\r\n\r\n\r\n"; break;
    case 2: bytes += "\r\n\x1A" + termPastTheEnd + "\r\noltre\r\n"; break;
    case 3: bytes.insert(static_cast<std::size_t>(number(rng, 0, static_cast<int>(bytes.size()))), "\x1A"); break;
    default: break;
    }
    return bytes;
}

// The bytes as a C string literal, every byte outside printable ASCII as \xHH.
inline std::string escaped(std::string_view bytes)
{
    static const char Hex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && c != '\\' && c != '"')
            out += c;
        else
            out.append("\\x").append(1, Hex[b >> 4]).append(1, Hex[b & 15]);
    }
    return out + "\"";
}

inline std::vector<std::string> escapedLines(const std::vector<std::string> &lines)
{
    std::vector<std::string> out;
    std::transform(lines.begin(), lines.end(), std::back_inserter(out), escaped);
    return out;
}

// How short line lists are shown when they differ: as they are, or escaped.
enum class ShortLists { AsTheyAre, Escaped };

// Equal line lists; long ones are reported by their first difference rather
// than in full.
inline void expectSameLines(const std::vector<std::string> &engine, const std::vector<std::string> &expected,
                            ShortLists shown)
{
    if (engine.size() + expected.size() < 60) {
        if (shown == ShortLists::Escaped)
            EXPECT_EQ(escapedLines(engine), escapedLines(expected));
        else
            EXPECT_EQ(engine, expected);
        return;
    }
    std::size_t i = 0;
    while (i < engine.size() && i < expected.size() && engine[i] == expected[i])
        ++i;
    EXPECT_EQ(i, expected.size()) << "engine has " << engine.size() << " lines, first difference at " << i;
    EXPECT_EQ(engine.size(), expected.size());
}
