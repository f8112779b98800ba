// Translation from the main window: the term in the term box, the whole input
// text, and the dictionary and word list of the input text.

#include "app/Form1.h"

#include "app/BaseFormSwitch.h"
#include "app/EditableComboBox.h"
#include "app/ScreenText.h"
#include "app/StatusNotes.h"
#include "dictionary/FileError.h"
#include "dictionary/TextHelpers.h"
#include "dictionary/UpperCase.h"
#include "translate/WorkingText.h"
#include "ui/AlphabeticalOrder.h"
#include "ui/Form1Captions.h"
#include "ui/PaneLines.h"
#include "ui/ProgressBar.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString FoundText = QStringLiteral("SI");
const QString NotFoundText = QStringLiteral("NO");

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
    const QString found = Label3->text();
    return {fromScreen(ComboBox2->currentText()), fromScreen(Label1->text()),
            found == FoundText ? zelvora::FoundFlag::Yes
            : found == NotFoundText ? zelvora::FoundFlag::No
                                    : zelvora::FoundFlag::Unset};
}

void Form1::showLookupState(const zelvora::LookupState &state)
{
    ComboBox2->setEditText(toScreen(state.termBox));
    Label1->setText(toScreen(state.label1));
    if (state.found != zelvora::FoundFlag::Unset)
        Label3->setText(state.found == zelvora::FoundFlag::Yes ? FoundText : NotFoundText);
}

// Writes the lines below the pane's or in place of them; the pane then shows
// the last line written.
void Form1::showResults(const std::vector<std::string> &lines, bool replacingPane)
{
    if (replacingPane)
        setPaneText(RxRichEdit2, toScreenLines(lines));
    else
        appendPaneLines(RxRichEdit2, toScreen(lines));
    showLastLine(RxRichEdit2);
}

void Form1::Button1Click()
{
    zelvora::LookupState state = lookupState();
    const std::string term = zelvora::toUpperFull(state.termBox);
    zelvora::TermLookup lookup;
    try {
        lookup = zelvora::lookUpTerm(toLocalPath(CurrentDictPath), state.termBox, language(),
                                     static_cast<std::size_t>(paneLineCount(RxRichEdit2)), state,
                                     baseForms->lexicon());
    } catch (const zelvora::FileError &error) {
        ComboBox2->setEditText(toScreen(term));
        showFileError(error);
        return;
    }
    showResults(lookup.pane.appended(), lookup.pane.emptied());
    showLookupState(lookup.state);
    if (lookup.pane.appended().empty() && !lookup.pane.emptied())
        notes->foundNothing(term);
    focusTermBox();
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

// The results take the pane's place only once the run has them: a run that
// fails leaves the pane as it was.
void Form1::runTextOperation(zelvora::TextOperation operation)
{
    zelvora::TextRun run;
    try {
        const std::vector<std::string> workingLines = zelvora::prepareWorkingFile(
            toLocalPath(AppFolder + QString::fromLatin1(zelvora::WorkingFileName)), toBytes(paneLines(RxRichEdit1)));
        run = zelvora::runTextOperation(operation, toLocalPath(CurrentDictPath), workingLines, language(),
                                        lookupState(), baseForms->lexicon());
    } catch (const zelvora::FileError &error) {
        ProgressBar1->setValue(0);
        showFileError(error);
        return;
    }
    if (operation != zelvora::TextOperation::Translate)
        AlphabeticalOrder().sort(run.lines);
    setPaneText(RxRichEdit2, toScreenLines(run.lines));
    showLastLine(RxRichEdit2);
    showLookupState(run.state);
    // The operation showed no progress as it went: its count is painted with the rest of the window.
    ProgressBar1->setUpdatesEnabled(false);
    ProgressBar1->setMaximumCount(run.progressMaximum);
    ProgressBar1->setCount(run.progressPosition);
    ProgressBar1->setUpdatesEnabled(true);
}
