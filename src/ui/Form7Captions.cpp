#include "ui/Form7Captions.h"

namespace {

constexpr CaptionRow Captions[] = {
    {"TForm7", "Test - 2 risposte", "Test - 2 answers"},
    {"Esci", "ESCI", "CLOSE"},
    {"Esercizio1", "SCEGLI LA TRADUZIONE CORRETTA", "CHOICE THE CORRECT TRANSLATION"},
    {"Contatore1", "AZZERA IL CONTEGGIO", "RESET THE COUNTER"},
    {"Avanti1", "  AVANTI", "  OTHER QUESTION"},
    {"SuoniSiNo", "Suoni", "Sounds"},
    {"Conferma", "Avanza senza conferma", "NO confirmation"},
};

// What the question pane and the answer boxes hold before the first question.
constexpr CaptionRow Lists[] = {
    {"Domanda.Lines", "Domanda", "Question"},
};
constexpr CaptionRow OtherStrings[] = {
    {"Scelta1.Text", "Scelta1", "Choice1"},
    {"Scelta2.Text", "Scelta1", "Choice2"},
};

} // namespace

const CaptionTable &form7CaptionTable()
{
    static const CaptionTable table{Captions, {}, Lists, OtherStrings};
    return table;
}
