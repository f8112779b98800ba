#include "reference/QuizStepByStep.h"

#include "reference/PlainText.h"

namespace zelvora::reference {

std::vector<std::pair<std::string, std::string>> quizSample(const std::string &path, const std::string &dictionaryName,
                                                            std::size_t entryCount, std::size_t firstDraw)
{
    PlainFile file(path);
    const auto skip = [&file](std::size_t lines) {
        for (std::size_t i = 0; i < lines; ++i)
            file.readLine();
    };
    if (entryCount > 20)
        skip(2 * (firstDraw + 1));
    std::vector<std::pair<std::string, std::string>> sample;
    while (true) {
        std::size_t lines = 0;
        if (entryCount > 100)
            lines += 2;
        if (entryCount > 1000)
            lines += 2;
        if (entryCount > 5000)
            lines += 4;
        if (entryCount > 10000)
            lines += 4;
        if (entryCount > 20000)
            lines += 8;
        if (entryCount > 40000)
            lines += 8;
        if (entryCount > 80000)
            lines += 8;
        if (dictionaryName == "inglese_italiano.txt")
            lines += 200;
        skip(lines);
        std::string term = file.readLine();
        std::string definition = file.readLine();
        if (!term.empty() && !definition.empty())
            sample.emplace_back(term, definition);
        if (file.atEnd())
            return sample;
    }
}

} // namespace zelvora::reference
