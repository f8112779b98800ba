#include "ui/Form1Captions.h"

namespace {

constexpr CaptionRow Captions[] = {
    {"TForm1", "Zelvora 1.15", "Zelvora 1.15"},
    {"Button9", "CARICA ORIGINE.TXT", "LOAD ORIGINE.TXT"},
    {"Button10", "SALVA ORIGINE.TXT", "SAVE ORIGINE.TXT"},
    {"Button16", "ESCLUSIONI", "EXCLUSIONS"},
    {"CheckBox1", "ACCAPO AUTOMATICO", "WORDWRAP"},
    {"Button26", "ZELVORA EVID.", "TRANSLATE EVID."},
    {"TabSheet1", "TUTTI I DIZIONARI", "ALL DICTIONARIES"},
    {"Button25", "SOTTOSTRINGA", "SUBSTRING"},
    {"Button6", "PAROLA INTERA", "WHOLE WORD"},
    {"TabSheet2", "DIZIONARI ITALIANI", "ITALIAN DICTIONARIES"},
    {"Button13", "PAROLA INTERA", "WHOLE WORD"},
    {"TabSheet3", "DIZIONARIO CORRENTE", "CURRENT DICTIONARY"},
    {"Button2", "ANAGRAMMI", "ANAGRAMS"},
    {"Button7", "RIME", "RHYMES"},
    {"Button23", "SOTTOSTRINGA", "SUBSTRINGS"},
    {"Button27", "RICERCHE COMPLESSE", "COMPLEX SEARCHES"},
    {"TabSheet4", "DIZIONARIO INGLESE-ITALIANO", "ENGLISH-ITALIAN DICTIONARY"},
    {"Button28", "RICERCHE COMPLESSE", "COMPLEX SEARCHES 1"},
    {"Panel1", "RICERCHE", "SEARCHES"},
    {"Button29", "ZELVORA L'ESPRESSIONE (", "TRANSLATE THE PHRASE ("},
    {"Copia1", "&Copia in memoria", "&Copy"},
    {"Azzera1", "&Azzera", "Clea&r"},
    {"Copiadallamemoria1", "Copia dalla &memoria", "&Append"},
    {"Azzera2", "A&zzera", "Cl&ear"},
    {"Aggiungiundizionario2", "A&ggiungi un dizionario", "Ne&w dictionary"},
    {"Nascondileinformazioni1", "Nascondi le &informazioni", "No &info"},
    {"Panel49", "CERCA", "SEARCH"},
    {"Panel4", "1", "1"},
    {"Panel8", "2", "2"},
    {"Panel9", "3", "3"},
    {"Panel16", "4", "4"},
    {"Panel17", "5", "5"},
    {"Panel24", "6", "6"},
    {"Panel25", "7", "7"},
    {"Panel32", "8", "8"},
    {"Panel33", "9", "9"},
    {"Panel40", "10", "10"},
    {"Panel5", "11", "11"},
    {"Panel6", "12", "12"},
    {"Panel7", "13", "13"},
    {"Panel10", "14", "14"},
    {"Panel11", "CHIUDI", "CLOSE"},
    {"Button31", "DA LETTERE", "FROM LETTERS"},
    {"Panel12", "RICERCA DI PAROLE DA LETTERE DATE", "WORDS SEARCH FROM LETTERS"},
    {"Panel13", "RICERCA DI PAROLE DA LETTERE DATE", "WORDS SEARCH FROM LETTERS"},
    {"Button32", "DA LETTERE", "FROM LETTERS"},
    {"Button33", "TEST", "TEST"},
    {"Button34", "TEST", "TEST"},
    {"Button35", "PALINDROMI", "PALINDROMES"},
    {"Button4", "ESCI", "EXIT"},
    {"Button19", "LISTA DELLE PAROLE", "WORDLIST"},
    {"Button18", "DIZIONARIO DAL TESTO", "DICTIONARY"},
    {"Button8", "ZELVORA TUTTO IL TESTO", "TRANSLATE ALL"},
    {"Button1", "ZELVORA IL TERMINE", "TRANSLATE THE TERM"},
    {"Panel2", "0 LINEE", "0 LINES"},
    {"GestioneDizionari1", "Selezione dizionari", "Dictionaries"},
    {"Esclusioni1", "Esclusioni", "Exclusions"},
    {"Ricerche1", "Ricerche", "Researches"},
    {"Tuttiidizionari1", "Tutti i dizionari", "All dictionaries"},
    {"Parolaintera1", "Parola &intera", "Whole word"},
    {"Sottostringa1", "Sottostringa", "Substring"},
    {"Dizionariitaliani1", "Dizionari italiani", "Italian dictionaries"},
    {"Parolaintera2", "Parola intera", "Whole word"},
    {"Dizionariocorrente1", "Dizionario corrente", "Current dictionary"},
    {"Dalettere1", "Anagrammi", "Anagrams"},
    {"Dalettere2", "Da lettere", "From letters"},
    {"Palindromi1", "Palindromi", "Palyndromes"},
    {"Rime1", "Rime", "Rhymes"},
    {"Test1", "Sottostringhe", "Substrings"},
    {"Test2", "Test", "Test"},
    {"Ricerchecomplesse1", "Ricerche complesse", "Complex searches"},
    {"Dizionarioingleseitaliano1", "Dizionario inglese-italiano", "English-Italian dictionary"},
    {"Dalettere3", "Da lettere", "From letters"},
    {"Test3", "Test", "Test"},
    {"Ricerchecomplesse2", "Ricerche complesse", "Complex searches"},
    {"Utilit1", "Utilità", "Utilities"},
    {"Copiainmemoria1", "Copia in memoria", "Copy"},
    {"Azzera3", "Azzera", "Clear"},
    {"Accapoautomatico1", "Accapo automatico", "Wordwrap"},
    {"Nascondileinformazioni2", "Nascondi le informazioni", "No info"},
    {"Cercaancheleformebase1", "Cerca anche le forme base", "Also look up base forms"},
    {"Esci1", "Esci", "Exit"},
};

constexpr CaptionRow Hints[] = {
    {"Button26", "Utile per termini composti o piccole espressioni - Per frasi più lunghe usare ZELVORA TUTTO",
     "For compound word or short phrases..."},
    {"Button25", "Usare con cautela. Inserire stringhe di almeno 4 caratteri.", "Attention: NO short strings!"},
    {"Button7", "Scrivere solo la parte finale della parola",
     "Write the final part. Non active for English-Italian dictionary"},
    {"Button23", "Inserire stringhe di almeno 3 caratteri.", "Attention: NO short strings!"},
};

// The messages the window writes: the notes of the status bar ("%1" stands
// for the term or number they name) and the error box.
constexpr CaptionRow Messages[] = {
    {"TermNotFound", "%1: termine non trovato", "%1: term not found"},
    {"NoTermBegins", "Nessun termine comincia con %1", "No term begins with %1"},
    {"ShortPrefix", "Scrivere almeno 3 caratteri prima di *", "Write at least 3 characters before *"},
    {"WriteATerm", "Scrivere un termine", "Write a term"},
    {"AtLeast", "Scrivere almeno %1 caratteri", "Write at least %1 characters"},
    {"AtMost", "Scrivere al massimo %1 caratteri", "Write at most %1 characters"},
    {"NoLetters", "Scrivere almeno una lettera nelle caselle", "Write at least one letter in the boxes"},
    {"NoResults", "Nessun risultato", "No results"},
    {"ErrorTitle", "Errore", "Error"},
    {"CannotRead", "Impossibile leggere il file\n%1\n\n%2", "Cannot read the file\n%1\n\n%2"},
    {"CannotWrite", "Impossibile scrivere il file\n%1\n\n%2", "Cannot write the file\n%1\n\n%2"},
    // The hint of "Cerca anche le forme base" when the lexicon of word forms (%1) cannot be had.
    {"LexiconMissing",
     "Non disponibile: manca il file %1 nella cartella del programma (lo prepara scripts/build-dictionaries.sh)",
     "Not available: the file %1 is missing from the program folder (scripts/build-dictionaries.sh makes it)"},
    {"LexiconUnreadable", "Non disponibile: il file %1 non si può leggere (%2)",
     "Not available: the file %1 cannot be read (%2)"},
};

} // namespace

std::span<const CaptionRow> form1Captions() { return Captions; }
const CaptionTable &form1CaptionTable()
{
    static const CaptionTable table{Captions, Hints, {}, {}};
    return table;
}
std::span<const CaptionRow> form1Messages() { return Messages; }
