#include "app/PaneAids.h"

#include "app/StatusTexts.h"
#include "ui/ChildNamed.h"
#include "ui/PaneLines.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>

PaneAids::PaneAids(QWidget *window, std::function<Language()> language)
    : QObject(window),
      language_(std::move(language)),
      RxRichEdit2(childNamed<QPlainTextEdit>(window, "RxRichEdit2")),
      RxRichEdit1(childNamed<QPlainTextEdit>(window, "RxRichEdit1")),
      CheckBox1(childNamed<QCheckBox>(window, "CheckBox1")),
      Panel2(childNamed<QLabel>(window, "Panel2")),
      GradButton1(childNamed<QLabel>(window, "GradButton1")),
      GradButton2(childNamed<QLabel>(window, "GradButton2")),
      GradButton3(childNamed<QLabel>(window, "GradButton3"))
{
    const auto action = [window](const char *name) { return childNamed<QAction>(window, name); };
    for (const char *name : {"Copia1", "Copiainmemoria1"})
        connect(action(name), &QAction::triggered, this, &PaneAids::copyResults);
    for (const char *name : {"Azzera1", "Azzera3"})
        connect(action(name), &QAction::triggered, this, &PaneAids::clearResults);
    connect(action("Copiadallamemoria1"), &QAction::triggered, this, &PaneAids::pasteIntoInput);
    connect(action("Azzera2"), &QAction::triggered, this, &PaneAids::clearInput);
    // Adding a dictionary from the input pane is not offered.
    action("Aggiungiundizionario2")->setEnabled(false);

    const auto wrap = [this](bool on) {
        RxRichEdit2->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    };
    // A checkable item has changed its check mark by the time it reports the click.
    connect(action("Accapoautomatico1"), &QAction::triggered, this, wrap);
    connect(CheckBox1, &QCheckBox::clicked, this, wrap);

    connect(RxRichEdit2, &QPlainTextEdit::textChanged, this, &PaneAids::writeLineCounter);
    connect(RxRichEdit2, &QPlainTextEdit::cursorPositionChanged, this, &PaneAids::writeCursorLabels);
    writeCursorLabels();
}

// Selects the whole text and copies it as plain text; an empty pane leaves the clipboard alone.
void PaneAids::copyResults()
{
    const QTextDocument *document = RxRichEdit2->document();
    if (document->isEmpty())
        return;
    RxRichEdit2->selectAll();
    QString text = document->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    QGuiApplication::clipboard()->setText(text);
}

void PaneAids::clearResults()
{
    RxRichEdit2->clear();
    writeLineCounter();
}

// At the caret, in place of the selection if there is one.
void PaneAids::pasteIntoInput()
{
    RxRichEdit1->paste();
}

void PaneAids::clearInput()
{
    RxRichEdit1->clear();
}

void PaneAids::writeLineCounter()
{
    Panel2->setText(lineCounter(language_(), paneLineCount(RxRichEdit2)));
}

void PaneAids::writeCursorLabels()
{
    const QTextCursor cursor = RxRichEdit2->textCursor();
    const QTextBlock line = cursor.block();
    showCursorLabels(cursorLabels(language_(), line.blockNumber() + 1, cursor.positionInBlock() + 1, line.length() - 1));
}

void PaneAids::writeCursorLabelWords()
{
    showCursorLabels(cursorLabelWords(language_()));
}

void PaneAids::showCursorLabels(const CursorLabels &labels)
{
    GradButton1->setText(labels.row);
    GradButton2->setText(labels.column);
    GradButton3->setText(labels.lineLength);
}
