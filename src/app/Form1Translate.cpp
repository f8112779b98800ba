// Translation from the main window: the term in the term box, the whole input
// text, and the dictionary and word list of the input text.

#include "app/Form1.h"

#include "app/EditableComboBox.h"
#include "app/ScreenText.h"
#include "dictionary/FileError.h"
#include "dictionary/TextHelpers.h"
#include "dictionary/UpperCase.h"
#include "translate/WorkingText.h"
#include "ui/Form1Captions.h"
#include "ui/PaneLines.h"
#include "ui/ProgressBar.h"

#include <QCollator>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace {

// Alphabetical order ignoring case, as an Italian reader expects it.
void sortAlphabetically(QStringList &lines)
{
    QCollator collator{QLocale(QLocale::Italian, QLocale::Italy)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(lines.begin(), lines.end(),
                     [&collator](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
}

std::vector<std::string> toBytes(const QStringList &lines)
{
    std::vector<std::string> bytes;
    bytes.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString &line : lines)
        bytes.push_back(fromScreen(line));
    return bytes;
}

} // namespace

zelvora::LookupState Form1::lookupState() const
{
    return {fromScreen(ComboBox2->currentText()), fromScreen(Label1->text()), fromScreen(Label3->text())};
}

void Form1::showLookupState(const zelvora::LookupState &state)
{
    ComboBox2->setEditText(toScreen(state.termBox));
    Label1->setText(toScreen(state.label1));
    Label3->setText(toScreen(state.label3));
}

void Form1::showResults(const std::vector<std::string> &appended, bool paneEmptied)
{
    if (paneEmptied)
        setPaneLines(RxRichEdit2, toScreen(appended));
    else
        appendPaneLines(RxRichEdit2, toScreen(appended));
}

void Form1::Button1Click()
{
    zelvora::LookupState state = lookupState();
    zelvora::TermLookup lookup;
    try {
        lookup = zelvora::lookUpTerm(toLocalPath(CurrentDictPath), state.termBox, language(),
                                     static_cast<std::size_t>(paneLineCount(RxRichEdit2)), state);
    } catch (const zelvora::FileError &error) {
        ComboBox2->setEditText(toScreen(zelvora::toUpperFull(state.termBox)));
        showFileError(error);
        return;
    }
    showResults(lookup.pane.appended(), lookup.pane.emptied());
    showLookupState(lookup.state);
}

void Form1::ComboBox2Change()
{
    const std::size_t words = zelvora::CountTokens(fromScreen(ComboBox2->currentText()));
    if (words <= 1)
        Button1->setText(captionOf(form1Captions(), "Button1", language()));
    else
        Button1->setText(Button29->text() + QString::number(words) +
                         (language() == Language::Italian ? QStringLiteral(" PAROLE)") : QStringLiteral(" WORDS)")));
}

void Form1::ComboBox2DblClick()
{
    ComboBox2->setEditText(QString());
    ComboBox2Change();
}

void Form1::Button8Click()
{
    Button1->setText(captionOf(form1Captions(), "Button1", language()));
    runTextOperation(zelvora::TextOperation::Translate);
}

void Form1::Button18Click()
{
    appendEmptyInputLine();
    runTextOperation(zelvora::TextOperation::DictionaryFromText);
}

void Form1::Button19Click()
{
    appendEmptyInputLine();
    runTextOperation(zelvora::TextOperation::WordList);
}

void Form1::appendEmptyInputLine()
{
    if (!lastPaneLine(RxRichEdit1).isEmpty())
        appendPaneLines(RxRichEdit1, {QString()});
}

void Form1::runTextOperation(zelvora::TextOperation operation)
{
    ProgressBar1->setValue(0);
    RxRichEdit2->clear();
    zelvora::TextRun run;
    try {
        const std::vector<std::string> workingLines = zelvora::prepareWorkingFile(
            toLocalPath(AppFolder + QString::fromLatin1(zelvora::WorkingFileName)), toBytes(paneLines(RxRichEdit1)));
        run = zelvora::runTextOperation(operation, toLocalPath(CurrentDictPath), workingLines, language(),
                                        lookupState());
    } catch (const zelvora::FileError &error) {
        showFileError(error);
        return;
    }
    QStringList lines = toScreen(run.lines);
    if (operation != zelvora::TextOperation::Translate)
        sortAlphabetically(lines);
    setPaneLines(RxRichEdit2, lines);
    showLookupState(run.state);
    ProgressBar1->setMaximumCount(run.progressMaximum);
    ProgressBar1->setCount(run.progressPosition);
}
