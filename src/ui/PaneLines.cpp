#include "ui/PaneLines.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextCursor>

#include <algorithm>

namespace {

QString linesText(const QStringList &lines)
{
    if (lines.isEmpty())
        return {};
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool endsWithEmptyLine(const QTextDocument *document)
{
    return document->lastBlock().length() <= 1;
}

} // namespace

qsizetype paneLineCount(const QPlainTextEdit *pane)
{
    const QTextDocument *document = pane->document();
    if (document->isEmpty())
        return 0;
    return document->blockCount() - (endsWithEmptyLine(document) ? 1 : 0);
}

QStringList paneLines(const QPlainTextEdit *pane)
{
    QStringList lines = pane->toPlainText().split(QLatin1Char('\n'));
    if (endsWithEmptyLine(pane->document()))
        lines.removeLast();
    return lines;
}

QString lastPaneLine(const QPlainTextEdit *pane)
{
    const qsizetype count = paneLineCount(pane);
    return count == 0 ? QString() : pane->document()->findBlockByNumber(int(count - 1)).text();
}

void setPaneLines(QPlainTextEdit *pane, const QStringList &lines)
{
    setPaneText(pane, linesText(lines));
}

void setPaneText(QPlainTextEdit *pane, const QString &linesText)
{
    // Straight into the document: the pane's own setPlainText then sets every
    // character's format once more, which costs a tenth of the time again.
    pane->document()->setPlainText(linesText);
}

void appendPaneLines(QPlainTextEdit *pane, const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    QTextCursor cursor(pane->document());
    cursor.movePosition(QTextCursor::End);
    const bool startsNewLine = endsWithEmptyLine(pane->document());
    cursor.insertText(startsNewLine ? linesText(lines) : QLatin1Char('\n') + linesText(lines));
}

void showLastLine(QPlainTextEdit *pane)
{
    const qsizetype lines = paneLineCount(pane);
    pane->setTextCursor(QTextCursor(pane->document()->findBlockByNumber(int(std::max<qsizetype>(lines - 1, 0)))));
    pane->ensureCursorVisible();
}
