#include "search/ComplexSearchSetups.h"

namespace {

constexpr CaptionRow Form3Captions[] = {
    {"TForm3", "Ricerche complesse sul dizionario Inglese-Italiano (1)",
     "Complex researches - English-Italian dictionary (1)"},
    {"Button1", "CERCA", "SEARCH"},
    {"Button2", "ESCI", "EXIT"},
};
constexpr CaptionRow Form3Lists[] = {
    {"ComboBox1.Items", "Inglese\nItaliano\nInglese e Italiano", "English\nItalian\nEnglish & Italian"},
};

constexpr CaptionRow Form4Captions[] = {
    {"TForm4", "Ricerca nel dizionario corrente", "Search in the current dictionary"},
    {"Button1", "CERCA", "SEARCH"},
    {"Button2", "ESCI", "EXIT"},
};
constexpr CaptionRow Form4Lists[] = {
    {"ComboBox1.Items", "Termini\nDefinizioni\nTermini e Definizioni", "Terms\nDefinitions\nTerms & definitions"},
};
constexpr CaptionRow Form4Title = {"Title", "Ricerca nel dizionario: ", "Search in: "};

const CaptionTable Form3Table{Form3Captions, {}, Form3Lists, {}};
const CaptionTable Form4Table{Form4Captions, {}, Form4Lists, {}};

} // namespace

const ComplexSearchSetup &form3Setup()
{
    static const ComplexSearchSetup setup{"Form3", "Lingue3", Form3Table, "inglese_italiano.txt", nullptr};
    return setup;
}

const ComplexSearchSetup &form4Setup()
{
    static const ComplexSearchSetup setup{"Form4", "Lingue4", Form4Table, nullptr, &Form4Title};
    return setup;
}
