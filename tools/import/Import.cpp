#include "import/Import.h"

#include "import/Text.h"
#include "import/Transliterate.h"
#include "import/Writer.h"

namespace zelvora::dictd {

namespace {

std::string headerLine(const std::optional<std::string> &given, const std::string &fallback)
{
    if (!given)
        return fallback;
    return toCp1252(collapseSpaces(decodeText(*given))).bytes;
}

const char *modeName(InputMode mode)
{
    switch (mode) {
    case InputMode::Inverse: return " (inverse)";
    case InputMode::Glosses: return " (glosses)";
    case InputMode::Direct: break;
    }
    return "";
}

} // namespace

ImportReport runImport(const Options &options)
{
    ImportReport report;
    report.output = options.output;
    std::vector<Entry> entries;
    Collectors collectors;
    for (const Input &input : options.inputs) {
        ConvertedInput converted = convertInput(input, options.layout, &collectors);
        entries.insert(entries.end(), std::make_move_iterator(converted.entries.begin()),
                       std::make_move_iterator(converted.entries.end()));
        converted.entries.clear();
        report.inputs.push_back(std::move(converted));
    }
    for (CombinedTerms *terms : {&collectors.inverse, &collectors.glosses})
        for (Entry &entry : terms->entries())
            entries.push_back(std::move(entry));
    report.repeats = sortAndDropRepeats(entries);
    const ConvertedInput &first = report.inputs.front();
    const Header header{headerLine(options.title, first.title), headerLine(options.source, first.source)};
    writeDictionary(options.output, header, entries);
    report.written = entries.size();
    return report;
}

std::string describe(const ImportReport &report)
{
    std::string text;
    InputCounts total;
    for (const ConvertedInput &input : report.inputs) {
        const InputCounts &c = input.counts;
        text += "  " + input.name + modeName(input.mode) + ": " + std::to_string(c.articles) + " definitions, " +
                std::to_string(c.entries) + " entries" +
                (c.notUtf8 ? ", " + std::to_string(c.notUtf8) + " read as Windows-1252" : "") + "\n";
        total.badTerms += c.badTerms;
        total.emptyDefinitions += c.emptyDefinitions;
        total.senseLabels += c.senseLabels;
        total.questionMarks += c.questionMarks;
    }
    const std::size_t dropped = total.badTerms + total.emptyDefinitions + total.senseLabels + report.repeats;
    text = report.output + ": " + std::to_string(report.written) + " entries written, " + std::to_string(dropped) +
           " dropped\n" + text;
    auto reason = [&](std::size_t count, const char *why) {
        if (count)
            text += "  dropped " + std::to_string(count) + " " + why + "\n";
    };
    reason(total.badTerms, "whose term Windows-1252 cannot write");
    reason(total.emptyDefinitions, "with nothing left to define them (no translation, gloss or text)");
    reason(total.senseLabels, "one-letter keys that label parts of a longer definition");
    reason(report.repeats, "that repeat an earlier entry of the same term");
    if (total.questionMarks)
        text += "  " + std::to_string(total.questionMarks) + " characters of definitions became \"?\"\n";
    return text;
}

} // namespace zelvora::dictd
