#pragma once

// What the equivalence tests share: random draws, the buffer sizes to read
// through, the bytes of a random dictionary, the reference's window as the
// engine's caller left it, and the comparison of the results.

#include "ReferenceWindow.h"

#include "dictionary/LineReader.h"
#include "reference/StepByStep.h"
#include "translate/LookupSession.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <vector>

using Rng = std::mt19937;

inline int number(Rng &rng, int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
inline bool chance(Rng &rng, double p) { return std::bernoulli_distribution(p)(rng); }
inline std::string pick(Rng &rng, const std::vector<std::string> &from)
{
    return from[static_cast<std::size_t>(number(rng, 0, static_cast<int>(from.size()) - 1))];
}

// The engine reads through buffers of these sizes in turn: with the small ones
// every line end falls on a buffer's end somewhere.
inline std::size_t bufferSizeFor(int round)
{
    constexpr std::size_t sizes[] = {1, 2, 3, 7, 64, zelvora::DefaultBufferSize};
    return sizes[static_cast<std::size_t>(round) % std::size(sizes)];
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

// The word with none, about half or all of its capitals (A to Z, À to Þ) in small letters.
inline std::string someCase(Rng &rng, std::string word)
{
    const double p = number(rng, 0, 2) / 2.0;
    for (char &c : word) {
        const auto b = static_cast<unsigned char>(c);
        if (((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) && chance(rng, p))
            c = static_cast<char>(b + 0x20);
    }
    return word;
}

inline void expectSameState(const zelvora::LookupState &engine, const zelvora::reference::Window &window)
{
    EXPECT_EQ(engine.termBox, window.termBox);
    EXPECT_EQ(engine.label1, window.label1);
    EXPECT_EQ(label3Of(engine.found), window.label3);
}

// Equal line lists; when they differ, the sizes and the first difference.
inline void expectSameLines(const std::vector<std::string> &engine, const std::vector<std::string> &expected)
{
    std::size_t i = 0;
    while (i < engine.size() && i < expected.size() && engine[i] == expected[i])
        ++i;
    const auto line = [i](const std::vector<std::string> &lines) {
        return i < lines.size() ? testing::PrintToString(lines[i]) : "none";
    };
    EXPECT_TRUE(engine == expected) << "engine " << engine.size() << " lines, expected " << expected.size()
                                    << "; line " << i << " is " << line(engine) << ", expected " << line(expected);
}
