// zelvora-forms: converts tables of Italian word forms into the program's
// lexicon of base forms (forme_italiane.txt).
#include "forms/Json.h"
#include "forms/LexiconBuilder.h"
#include "import/DictdData.h"
#include "import/ImportError.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

const char *const Help =
    "Usage: zelvora-forms [--source TEXT] INPUT... -o OUTPUT\n"
    "Writes the lexicon of Italian word forms that the program's lookups through\n"
    "base forms read: one line per lemma with its parts of speech and its forms,\n"
    "Windows-1252 capitals, CR LF. The inputs, in the order given (a lemma keeps the\n"
    "place where it first comes):\n"
    "  --verbs FILE        a JSON table of verbs (italian-verbs-dict's verbs.json)\n"
    "  --adjectives FILE   a JSON table of adjectives (italian-adjectives-dict's adjectives.json)\n"
    "  --nouns FILE        a JSON table of nouns (italian-words-dict's words.json)\n"
    "  --supplement FILE   lines \"lemma PARTS form form ...\" (UTF-8, PARTS of V A N F)\n"
    "  --source TEXT       the sources and licences, written on the second line\n";

struct Input {
    std::string option;
    std::string path;
};

} // namespace

int main(int argc, char **argv)
{
    using namespace zelvora;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    std::vector<Input> inputs;
    std::string output;
    std::string sources;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &option = arguments[i];
        if (option == "--help") {
            std::cout << Help;
            return 0;
        }
        const bool known = option == "--verbs" || option == "--adjectives" || option == "--nouns" ||
                           option == "--supplement" || option == "--source" || option == "-o";
        if (!known || i + 1 == arguments.size()) {
            std::cerr << "zelvora-forms: " << (known ? "a value expected after " : "unknown argument ") << option
                      << "\nTry 'zelvora-forms --help'.\n";
            return 2;
        }
        const std::string &value = arguments[++i];
        if (option == "-o")
            output = value;
        else if (option == "--source")
            sources = value;
        else
            inputs.push_back({option, value});
    }
    if (output.empty() || inputs.empty()) {
        std::cerr << "zelvora-forms: inputs and -o OUTPUT expected\nTry 'zelvora-forms --help'.\n";
        return 2;
    }
    try {
        forms::LexiconBuilder lexicon;
        for (const Input &input : inputs) {
            if (input.option == "--supplement") {
                lexicon.addSupplement(input.path);
                continue;
            }
            const char partOfSpeech = input.option == "--verbs" ? 'V' : input.option == "--adjectives" ? 'A' : 'N';
            try {
                lexicon.addTable(forms::parseJson(dictd::readWholeFile(input.path)), partOfSpeech);
            } catch (const forms::JsonError &error) {
                throw dictd::ImportError(input.path, error.what());
            }
        }
        lexicon.write(output, sources);
        std::cerr << "zelvora-forms: " << output << ": " << lexicon.lemmaCount() << " lemmas, " << lexicon.formCount()
                  << " forms; " << lexicon.leftOut() << " words left out (not Windows-1252)\n";
        return 0;
    } catch (const dictd::ImportError &error) {
        std::cerr << "zelvora-forms: " << error.what() << "\n";
        return 1;
    }
}
