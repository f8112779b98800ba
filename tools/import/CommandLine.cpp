#include "import/CommandLine.h"

#include <map>

namespace zelvora::dictd {

namespace {

// The options that say how the input after them is read.
const std::map<std::string, InputMode> ReadingOptions = {
    {"--inverse", InputMode::Inverse},        {"--glosses", InputMode::Glosses},
    {"--thesaurus", InputMode::Thesaurus},    {"--via-in", InputMode::ViaIn},
    {"--via-in-inverse", InputMode::ViaInInverse}, {"--via-out", InputMode::ViaOut},
    {"--via-out-inverse", InputMode::ViaOutInverse}, {"--supplement", InputMode::Supplement},
};

} // namespace

Options parseCommandLine(const std::vector<std::string> &arguments)
{
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        auto value = [&]() -> const std::string & {
            if (i + 1 >= arguments.size())
                throw UsageError(argument + " needs a value");
            return arguments[++i];
        };
        if (argument == "-h" || argument == "--help") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "-o" || argument == "--output") {
            options.output = value();
        } else if (argument == "--title") {
            options.title = value();
        } else if (argument == "--source") {
            options.source = value();
        } else if (const auto mode = ReadingOptions.find(argument); mode != ReadingOptions.end()) {
            options.inputs.push_back({value(), mode->second});
        } else if (argument == "--layout") {
            const std::string &layout = value();
            if (layout == "freedict")
                options.layout = Layout::FreeDict;
            else if (layout == "prose")
                options.layout = Layout::Prose;
            else
                throw UsageError("--layout is freedict or prose, not " + layout);
        } else if (argument.size() > 1 && argument[0] == '-') {
            throw UsageError("unknown option " + argument);
        } else {
            options.inputs.push_back({argument, InputMode::Direct});
        }
    }
    if (options.help || options.version)
        return options;
    if (options.inputs.empty())
        throw UsageError("no input dictionary");
    if (options.output.empty())
        throw UsageError("no output file (-o FILE)");
    if ((options.title && options.title->empty()) || (options.source && options.source->empty()))
        throw UsageError("the header's lines cannot be empty");
    return options;
}

std::string helpText()
{
    return R"help(Usage: zelvora-import [OPTIONS] INPUT... -o OUTPUT

Converts dictionaries in dictd format (NAME.index with NAME.dict.dz or
NAME.dict) into one Zelvora dictionary file: Windows-1252 text, CR LF line
ends, a header pair (title, then source and licence), then one two-line entry
per term (the term in capitals, its definition on one line), ordered by the
bytes of the terms. Several inputs are merged into the one output: a term's
senses are numbered in one definition, a supplement's first, then direct
senses, then inverse, then those found through third languages, then glosses; names come after
common senses, and each translation and sense is written once.

INPUT is NAME, NAME.index, NAME.dict or NAME.dict.dz.

Inputs:
  INPUT              each index key becomes a term, its definition flattened
                     onto one line (pronunciation and markup dropped, senses
                     joined as "1. house; 2. home")
  --inverse INPUT    a FreeDict bilingual dictionary read backwards: each
                     translation becomes a term defined by the headwords that
                     give it (eng-ita gives Italian terms defined in English)
  --glosses INPUT    a FreeDict dictionary's notes and glosses only, which are
                     in the headword's language: each headword that has some
                     becomes a term defined by them
  --thesaurus FILE   a MyThes thesaurus (th_it_IT_v2.dat): each word a term,
                     defined by its synonyms, one sense a line
  --supplement FILE  our own glosses, UTF-8 lines "TERM = definition" (senses
                     separated by ";", translations by ",", a part of speech
                     in parentheses before a sense's translations, "#" starts
                     a comment): shown before every other source's senses

Translation through third languages (FreeDict dictionaries named
freedict-AAA-BBB, which tell the third language): a translation that two or
more third languages give is added after the direct and inverse senses,
marked "(via fin, spa)"; and with these, direct and inverse translations are
ordered by how many languages confirm them, the unconfirmed senses put after
those found through third languages.
  --via-in INPUT           from the terms' language into a third one (ita-fin)
  --via-in-inverse INPUT   from a third language into the terms' one (fin-ita)
  --via-out INPUT          from a third language into the definitions' one (fin-eng)
  --via-out-inverse INPUT  from the definitions' language into a third (eng-fin)

When a run has both direct and --inverse FreeDict inputs, a translation
that the other direction shows to belong to a longer expression moves to it:
"OGNI = daily" to OGNI GIORNO where the other says "daily = ogni giorno",
"ALLA = at last" to ALLA FINE where it says "at = alla fine" (and that
"ALLA FINE = at" is dropped); where several expressions could be meant, it
is dropped. So is a name of several words given to a single word that has
common senses.

Options:
  -o, --output FILE  the dictionary file to write; it is written beside itself
                     first and renamed, so a failed run leaves no partial file
  --title TEXT       the header's first line (default: the first input's
                     00-database-short)
  --source TEXT      the header's second line (default: the first input's
                     00-database-url and the licence in its 00-database-info)
  --layout KIND      how the inputs lay out their definitions: freedict (one
                     line per translation or note) or prose (wrapped text);
                     by default freedict for dictionaries that name FreeDict
  -h, --help         this text
  --version          the program's version

Text is read as UTF-8 (as Windows-1252 where a definition is not valid UTF-8)
and written in Windows-1252: characters it lacks become a plain equivalent
where there is one (ā to a, ł to l, ‐ to -) and "?" otherwise. An entry whose
term would need a "?" is dropped. A summary of what was written and dropped
goes to standard error.

Exit status: 0 when the output was written, 1 when an input or the output
failed (the message names the file), 2 for a wrong command line.

Example:
  zelvora-import --title "ITALIANO-INGLESE" --source "FreeDict, GPL 2+" \
      /usr/share/dictd/freedict-ita-eng --inverse /usr/share/dictd/freedict-eng-ita \
      -o dizionari/italiano_inglese.txt
)help";
}

} // namespace zelvora::dictd
