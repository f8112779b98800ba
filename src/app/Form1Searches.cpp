// The word searches of the main window.

#include "app/Form1.h"

#include "app/EditableComboBox.h"
#include "app/ScreenText.h"
#include "app/StatusNotes.h"
#include "app/TermListModel.h"
#include "dictionary/FileError.h"
#include "dictionary/UpperCase.h"
#include "ui/PaneLines.h"
#include "ui/ProgressBar.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString EnglishItalianDictionary = QStringLiteral("inglese_italiano.txt");

// Keeps the search buttons disabled while a search runs, and enables them
// again however it ends.
class ButtonsDisabled {
public:
    explicit ButtonsDisabled(std::initializer_list<QPushButton *> buttons) : buttons_(buttons)
    {
        for (QPushButton *button : buttons_)
            button->setEnabled(false);
    }
    ~ButtonsDisabled()
    {
        for (QPushButton *button : buttons_)
            button->setEnabled(true);
    }
    ButtonsDisabled(const ButtonsDisabled &) = delete;
    ButtonsDisabled &operator=(const ButtonsDisabled &) = delete;

private:
    QList<QPushButton *> buttons_;
};

// The window's title shows a search's progress note while it runs.
class TitleWhileRunning {
public:
    TitleWhileRunning(QWidget *window, const QString &note) : window_(window), title_(window->windowTitle())
    {
        window_->setWindowTitle(note);
    }
    ~TitleWhileRunning() { window_->setWindowTitle(title_); }
    TitleWhileRunning(const TitleWhileRunning &) = delete;
    TitleWhileRunning &operator=(const TitleWhileRunning &) = delete;

private:
    QWidget *window_;
    QString title_;
};

} // namespace

std::vector<zelvora::ListedDictionary> Form1::listedDictionaries(const QComboBox *list) const
{
    std::vector<zelvora::ListedDictionary> dictionaries;
    for (int i = 0; i < list->count(); ++i) {
        const QString name = list->itemText(i);
        dictionaries.push_back({fromScreen(name), toLocalPath(dictionaryPath(name))});
    }
    return dictionaries;
}

// The term list goes back to the current dictionary's; the term box keeps what
// the search left in it.
void Form1::reloadKeepingTermBox()
{
    const QString termBox = ComboBox2->currentText();
    ComboBox1Change();
    ComboBox2->setEditText(termBox);
    focusTermBox();
}

void Form1::Button6Click()
{
    searchWholeWord(ComboBox5);
}

void Form1::Button13Click()
{
    searchWholeWord(ComboBox6);
}

void Form1::searchWholeWord(const QComboBox *list)
{
    const std::string term = zelvora::toUpperFull(fromScreen(ComboBox2->currentText()));
    const bool listed = runDictionarySearch(static_cast<std::size_t>(list->count()), windowTitle(),
                                            {Button6, Button13, Button23, Button25, Button2, Button7},
                                            [this, list](zelvora::SearchRun &run) {
                                                zelvora::searchWholeWord(listedDictionaries(list), language(), run);
                                            });
    if (!listed)
        notes->foundNothing(term);
}

void Form1::Button23Click()
{
    if (!notes->admits(ComboBox2->currentText(), zelvora::SubstringInTermListLength))
        return;
    const QString count = QString::number(termList->rowCount());
    const bool listed = runDictionarySearch(
        static_cast<std::size_t>(termList->rowCount()), count,
        {Button6, Button13, Button23, Button25, Button31, Button35, Button33, Button27, Button2, Button7},
        [this, text = fromScreen(ComboBox2->currentText())](zelvora::SearchRun &run) {
            zelvora::searchSubstringInTermList(toLocalPath(CurrentDictPath), termList->terms(), text, language(), run);
        });
    if (!listed)
        notes->noResults();
}

void Form1::Button25Click()
{
    if (!notes->admits(ComboBox2->currentText(), zelvora::SubstringInListLength))
        return;
    const bool listed = runDictionarySearch(
        static_cast<std::size_t>(ComboBox1->count()), windowTitle(),
        {Button6, Button13, Button23, Button25, Button2, Button7},
        [this, text = fromScreen(ComboBox2->currentText())](zelvora::SearchRun &run) {
            // The title and the progress bar show each dictionary as its walk begins.
            const auto reading = [this, &run](const zelvora::ListedDictionary &dictionary) {
                setWindowTitle(fromLocalPath(dictionary.path));
                ProgressBar1->setCount(run.steps);
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            };
            zelvora::searchSubstringInList(listedDictionaries(ComboBox1), text, language(), run, reading);
        });
    if (!listed)
        notes->noResults();
}

// A search over one or several dictionaries with its buttons disabled and a
// note in the title while it runs; afterwards the term list is the current
// dictionary's again. False when it ran to its end and found nothing to show.
// A search that fails shows what it found before the failing dictionary, or
// leaves the pane as it was when that is nothing.
bool Form1::runDictionarySearch(std::size_t progressMaximum, const QString &title,
                                std::initializer_list<QPushButton *> buttons,
                                const std::function<void(zelvora::SearchRun &)> &search)
{
    ProgressBar1->setValue(0);
    ProgressBar1->setMaximumCount(progressMaximum);
    zelvora::SearchRun run{{}, lookupState(), 0};
    bool failed = false;
    {
        ButtonsDisabled disabled(buttons);
        TitleWhileRunning note(this, title);
        try {
            search(run);
        } catch (const zelvora::FileError &error) {
            failed = true;
            if (!run.lines.empty())
                setPaneLines(RxRichEdit2, toScreen(run.lines));
            showFileError(error);
        }
    }
    if (!failed || !run.lines.empty())
        showResults(run.lines, true);
    showLookupState(run.state);
    ProgressBar1->setCount(run.steps);
    reloadKeepingTermBox();
    return failed || !run.lines.empty();
}

// Shows what a word game listed below its `headerLines`, and says so when that
// is nothing; a walk that fails leaves the pane as it was.
void Form1::showWordWalk(const std::function<zelvora::WordWalk()> &walk, std::size_t headerLines)
{
    zelvora::WordWalk found;
    try {
        found = walk();
    } catch (const zelvora::FileError &error) {
        showFileError(error);
        return;
    }
    showResults(found.lines, true);
    ProgressBar1->setCount(found.steps);
    if (found.lines.size() <= headerLines)
        notes->noResults();
}

void Form1::Button2Click()
{
    ProgressBar1->setValue(0);
    ProgressBar1->setMaximumCount(static_cast<std::size_t>(termList->rowCount()));
    if (!notes->admits(ComboBox2->currentText(), zelvora::AnagramWordLength))
        return;
    const std::string word = zelvora::toUpperAscii(fromScreen(ComboBox2->currentText()));
    ComboBox2->setEditText(toScreen(word));
    const std::string path = toLocalPath(dictionaryPath(ComboBox1->currentText()));
    showWordWalk([&] { return zelvora::findAnagrams(path, word); });
}

void Form1::Button7Click()
{
    ProgressBar1->setValue(0);
    const std::string ending = zelvora::toUpperAscii(fromScreen(ComboBox2->currentText()));
    ComboBox2->setEditText(toScreen(ending));
    ProgressBar1->setMaximumCount(static_cast<std::size_t>(termList->rowCount()));
    if (!notes->admits(ComboBox2->currentText(), zelvora::RhymeEndingLength))
        return;
    const std::string path = toLocalPath(dictionaryPath(ComboBox1->currentText()));
    showWordWalk([&] { return zelvora::findRhymes(path, ending); });
}

void Form1::Button35Click()
{
    ProgressBar1->setValue(0);
    ComboBox2->setEditText(toScreen(zelvora::toUpperAscii(fromScreen(ComboBox2->currentText()))));
    ProgressBar1->setMaximumCount(static_cast<std::size_t>(termList->rowCount()));
    const std::string path = toLocalPath(dictionaryPath(ComboBox1->currentText()));
    showWordWalk([&] { return zelvora::findPalindromes(path); });
}

void Form1::Button31Click()
{
    openLettersPanel(false, ComboBox1->currentText());
}

void Form1::Button32Click()
{
    openLettersPanel(true, EnglishItalianDictionary);
}

void Form1::openLettersPanel(bool englishItalian, const QString &fileName)
{
    Panel64->show();
    Panel12->setVisible(!englishItalian);
    Panel13->setVisible(englishItalian);
    Panel14->setText(fileName);
}

void Form1::Panel11Click()
{
    for (QLineEdit *box : letterBoxes)
        box->clear();
    Panel64->hide();
}

void Form1::Panel49Click()
{
    const bool englishItalian = !Panel13->isHidden();
    const std::string path =
        toLocalPath(dictionaryPath(englishItalian ? EnglishItalianDictionary : ComboBox1->currentText()));
    zelvora::LetterPattern pattern;
    bool anyLetter = false;
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        pattern[k] = fromScreen(letterBoxes[k]->text());
        anyLetter = anyLetter || !pattern[k].empty();
    }
    try {
        const std::size_t entries = zelvora::countEntries(path);
        if (!anyLetter) {
            notes->noLetters();
            return;
        }
        ProgressBar1->setValue(0);
        ProgressBar1->setMaximumCount(entries);
    } catch (const zelvora::FileError &error) {
        showFileError(error);
        return;
    }
    showWordWalk([&] { return zelvora::findByLetters(path, pattern); }, 1); // below "[PAROLE TROVATE]"
}
