#include "app/ScreenText.h"

#include "dictionary/Cp1252.h"

#include <QFile>

#include <array>

namespace {

// The character of every byte, looked up in place: the results of an operation
// reach the screen a few hundred thousand characters at a time.
const std::array<char16_t, 256> &screenCharacters()
{
    static const std::array<char16_t, 256> characters = [] {
        std::array<char16_t, 256> table{};
        for (std::size_t byte = 0; byte < table.size(); ++byte)
            table[byte] = zelvora::decodeCp1252(static_cast<unsigned char>(byte));
        return table;
    }();
    return characters;
}

std::string_view screenLine(std::string_view bytes)
{
    return bytes.substr(0, LongestScreenLine);
}

QChar *decode(std::string_view bytes, QChar *out)
{
    const std::array<char16_t, 256> &characters = screenCharacters();
    for (const char byte : bytes)
        *out++ = QChar(characters[static_cast<unsigned char>(byte)]);
    return out;
}

} // namespace

QString toScreen(std::string_view bytes)
{
    bytes = screenLine(bytes);
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    decode(bytes, text.data());
    return text;
}

QString toScreenLines(const std::vector<std::string> &lines)
{
    qsizetype length = 0;
    for (const std::string &line : lines)
        length += static_cast<qsizetype>(screenLine(line).size()) + 1;
    QString text(length, Qt::Uninitialized);
    QChar *out = text.data();
    for (const std::string &line : lines) {
        out = decode(screenLine(line), out);
        *out++ = QLatin1Char('\n');
    }
    return text;
}

QStringList toScreen(const std::vector<std::string> &lines)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string &line : lines)
        list.append(toScreen(line));
    return list;
}

std::string fromScreen(const QString &text)
{
    return zelvora::encodeCp1252(std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()),
                                                     static_cast<std::size_t>(text.size())));
}

std::string toLocalPath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

QString fromLocalPath(const std::string &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}
