#include "import/Import.h"

#include "import/Pivot.h"
#include "import/Supplement.h"
#include "import/Text.h"
#include "import/Thesaurus.h"
#include "import/Transliterate.h"
#include "import/Writer.h"

#include <algorithm>

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
    case InputMode::Thesaurus: return " (thesaurus)";
    case InputMode::Supplement: return " (our supplement)";
    case InputMode::ViaIn: case InputMode::ViaInInverse: case InputMode::ViaOut: case InputMode::ViaOutInverse: return " (via)";
    case InputMode::Direct: break;
    }
    return "";
}

bool isVia(InputMode mode)
{
    return mode == InputMode::ViaIn || mode == InputMode::ViaInInverse || mode == InputMode::ViaOut ||
           mode == InputMode::ViaOutInverse;
}

// Reads a dictionary of a third language into the pivot.
ConvertedInput readThrough(const Input &input, Pivot &pivot)
{
    ConvertedInput converted;
    converted.name = locateInput(input.path).name;
    converted.mode = input.mode;
    converted.layout = Layout::FreeDict;
    const bool inverse = input.mode == InputMode::ViaInInverse || input.mode == InputMode::ViaOutInverse;
    const bool into = input.mode == InputMode::ViaIn || input.mode == InputMode::ViaInInverse;
    // ita-fin and eng-fin name the third language second; fin-ita and fin-eng first.
    const std::string language = thirdLanguage(converted.name, input.mode == InputMode::ViaIn || input.mode == InputMode::ViaOutInverse);
    for (const Translations &article : readTranslations(input.path)) {
        ++converted.counts.articles;
        for (const std::u32string &translation : article.translations) {
            const std::u32string &from = inverse ? translation : article.headword;
            const std::u32string &to = inverse ? article.headword : translation;
            into ? pivot.addFirst(language, from, to) : pivot.addSecond(language, from, to);
            ++converted.counts.entries;
        }
    }
    return converted;
}

} // namespace

ImportReport runImport(const Options &options)
{
    ImportReport report;
    report.output = options.output;
    std::vector<Entry> entries;
    Collectors collectors;
    Pivot pivot;
    bool direct = false, inverse = false;
    for (const Input &input : options.inputs) {
        ConvertedInput converted = input.mode == InputMode::Thesaurus    ? readThesaurus(input.path)
                                   : input.mode == InputMode::Supplement ? readSupplement(input.path)
                                   : isVia(input.mode)                   ? readThrough(input, pivot)
                                                                         : convertInput(input, options.layout, &collectors);
        direct = direct || (input.mode == InputMode::Direct && converted.layout == Layout::FreeDict);
        inverse = inverse || input.mode == InputMode::Inverse;
        entries.insert(entries.end(), std::make_move_iterator(converted.entries.begin()),
                       std::make_move_iterator(converted.entries.end()));
        converted.entries.clear();
        report.inputs.push_back(std::move(converted));
    }
    for (CombinedTerms *terms : {&collectors.inverse, &collectors.glosses})
        for (Entry &entry : terms->entries())
            entries.push_back(std::move(entry));
    MergeOptions merge;
    merge.dropUnsound = direct && inverse;
    if (!pivot.empty()) {
        std::vector<Entry> via = pivot.entries();
        report.via = via.size();
        entries.insert(entries.end(), std::make_move_iterator(via.begin()), std::make_move_iterator(via.end()));
        merge.agreement = [&pivot](const std::string &term, const std::string &item) { return pivot.agreement(term, item); };
        merge.strongest = [&pivot](const std::string &term) { return pivot.strongest(term); };
    }
    const std::vector<WrittenEntry> written = mergeEntries(std::move(entries), merge, report.merge);
    // The header comes from the dictionary that the others add to.
    const auto first = std::find_if(report.inputs.begin(), report.inputs.end(), [](const ConvertedInput &input) {
        return !isVia(input.mode) && input.mode != InputMode::Supplement;
    });
    if (first == report.inputs.end())
        throw UsageError("only dictionaries to translate through or supplements: no dictionary to add to");
    const Header header{headerLine(options.title, first->title), headerLine(options.source, first->source)};
    writeDictionary(options.output, header, written);
    report.written = written.size();
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
    const std::size_t dropped = total.badTerms + total.emptyDefinitions + total.senseLabels;
    text = report.output + ": " + std::to_string(report.written) + " entries written, " + std::to_string(dropped) +
           " dropped\n" + text;
    auto reason = [&](std::size_t count, const char *why) {
        if (count)
            text += "  dropped " + std::to_string(count) + " " + why + "\n";
    };
    reason(total.badTerms, "whose term Windows-1252 cannot write");
    reason(total.emptyDefinitions, "with nothing left to define them (no translation, gloss or text)");
    reason(total.senseLabels, "one-letter keys that label parts of a longer definition");
    if (report.merge.merged)
        text += "  merged " + std::to_string(report.merge.merged) + " entries into an earlier one of the same term\n";
    if (report.via)
        text += "  gave " + std::to_string(report.via) + " terms translations through third languages\n";
    if (report.merge.repeats)
        text += "  left out " + std::to_string(report.merge.repeats) + " repeated translations and senses\n";
    if (report.merge.moved)
        text += "  moved " + std::to_string(report.merge.moved) +
                " translations keyed on a word of a longer expression to that expression\n";
    if (report.merge.unsound)
        text += "  left out " + std::to_string(report.merge.unsound) +
                " translations keyed on a word of a longer expression or name\n";
    if (total.questionMarks)
        text += "  " + std::to_string(total.questionMarks) + " characters of definitions became \"?\"\n";
    return text;
}

} // namespace zelvora::dictd
