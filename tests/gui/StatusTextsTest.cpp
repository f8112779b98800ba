#include "app/StatusTexts.h"
#include "app/ScreenText.h"
#include "dictionary/TextHelpers.h"

#include <QtTest>

// The searches read the definition count back out of the status line.
static int definitionsReadBack(const QString &line, Language language)
{
    const bool italian = language == Language::Italian;
    const std::string before = zelvora::TextBefore(fromScreen(line), italian ? " DEFINIZIONI" : " DEFINITIONS");
    return std::stoi(zelvora::TextAfter(before, italian ? "DIZIONARI - " : "DICTIONARIES - "));
}

class StatusTextsTest : public QObject {
    Q_OBJECT

private slots:
    void statusLineReadsBackInBothLanguages()
    {
        QCOMPARE(statusLine(Language::Italian, 12, 40),
                 QStringLiteral("12 DIZIONARI - 40 DEFINIZIONI NEL DIZIONARIO CORRENTE"));
        QCOMPARE(statusLine(Language::English, 12, 40), QStringLiteral("12 DICTIONARIES - 40 DEFINITIONS"));
        for (const Language language : {Language::Italian, Language::English})
            QCOMPARE(definitionsReadBack(statusLine(language, 3, 200000), language), 200000);
    }

    void lineCounterAndCursorLabels()
    {
        QCOMPARE(lineCounter(Language::Italian, 0), QStringLiteral("0  LINEE"));
        QCOMPARE(lineCounter(Language::English, 7), QStringLiteral("7  LINES"));

        const CursorLabels one = cursorLabels(Language::Italian, 2, 3, 1);
        QCOMPARE(one.row, QStringLiteral("Riga 2"));
        QCOMPARE(one.column, QStringLiteral("Colonna 3"));
        QCOMPARE(one.lineLength, QStringLiteral("1 carattere nella riga"));
        QCOMPARE(cursorLabels(Language::Italian, 1, 1, 0).lineLength, QStringLiteral("0 caratteri nella riga"));
        const CursorLabels english = cursorLabels(Language::English, 4, 5, 1);
        QCOMPARE(english.row, QStringLiteral("Row 4"));
        QCOMPARE(english.column, QStringLiteral("Column 5"));
        QCOMPARE(english.lineLength, QStringLiteral("1 character in the row"));
        QCOMPARE(cursorLabels(Language::English, 1, 1, 12).lineLength, QStringLiteral("12 characters in the row"));
    }

    void screenTextCrossesWindows1252()
    {
        QCOMPARE(fromScreen(QStringLiteral("CITTÀ €")), std::string("CITT\xC0 \x80"));
        QCOMPARE(toScreen(std::string("PERCH\xC9 \x9F")), QStringLiteral("PERCHÉ Ÿ"));
        QCOMPARE(fromScreen(QStringLiteral("中 😀")), std::string("? ?"));
    }
};

QTEST_MAIN(StatusTextsTest)
#include "StatusTextsTest.moc"
