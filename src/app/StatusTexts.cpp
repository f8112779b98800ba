#include "app/StatusTexts.h"

QString statusLine(Language language, qsizetype dictionaries, qsizetype definitions)
{
    if (language == Language::Italian)
        return QStringLiteral("%1 DIZIONARI - %2 DEFINIZIONI NEL DIZIONARIO CORRENTE").arg(dictionaries).arg(definitions);
    return QStringLiteral("%1 DICTIONARIES - %2 DEFINITIONS").arg(dictionaries).arg(definitions);
}

QString switchedStatusLine(Language language, qsizetype dictionaries, qsizetype definitions)
{
    if (language == Language::Italian)
        return statusLine(language, dictionaries, definitions);
    return QStringLiteral("%1  DICTIONARIES - %2 DEFINITIONS").arg(dictionaries).arg(definitions);
}

QString lineCounter(Language language, qsizetype lines)
{
    return QString::number(lines) + (language == Language::Italian ? QStringLiteral("  LINEE") : QStringLiteral("  LINES"));
}

CursorLabels cursorLabels(Language language, qsizetype row, qsizetype column, qsizetype lineLength)
{
    const bool italian = language == Language::Italian;
    QString characters;
    if (italian)
        characters = lineLength == 1 ? QStringLiteral(" carattere nella riga") : QStringLiteral(" caratteri nella riga");
    else
        characters = lineLength == 1 ? QStringLiteral(" character in the row") : QStringLiteral(" characters in the row");
    return {(italian ? QStringLiteral("Riga ") : QStringLiteral("Row ")) + QString::number(row),
            (italian ? QStringLiteral("Colonna ") : QStringLiteral("Column ")) + QString::number(column),
            QString::number(lineLength) + characters};
}

CursorLabels cursorLabelWords(Language language)
{
    if (language == Language::Italian)
        return {QStringLiteral("Riga "), QStringLiteral("Colonna "), QStringLiteral(" caratteri nella riga")};
    return {QStringLiteral("Row "), QStringLiteral("Column "), QStringLiteral(" characters in the row")};
}
