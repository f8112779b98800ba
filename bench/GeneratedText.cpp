#include "GeneratedText.h"

#include "dictionary/LineReader.h"

#include <cctype>
#include <random>

namespace zelvora::bench {

namespace {
constexpr std::size_t WordsPerLine = 10;
} // namespace

std::vector<std::string> generatedText(const std::string &dictionaryPath, std::size_t words)
{
    std::vector<std::string> terms;
    LineReader reader(dictionaryPath);
    reader.skipLine();
    while (!reader.atEnd()) {
        reader.skipLine();
        terms.emplace_back(reader.readLineView());
    }
    std::mt19937 rng(7);
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < words; ++i) {
        std::string word = terms[rng() % terms.size()];
        for (char &c : word)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (rng() % 5 == 0)
            word += "xq";
        else if (rng() % 50 == 0)
            word = word.substr(0, 4) + "*";
        line += word;
        line += rng() % 8 == 0 ? ", " : " ";
        if ((i + 1) % WordsPerLine == 0) {
            lines.push_back(line + ".");
            line.clear();
        }
    }
    return lines;
}

} // namespace zelvora::bench
