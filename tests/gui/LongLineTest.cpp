#include "OperationsSweep.h"

#include "app/ScreenText.h"

namespace {

constexpr qint64 LineBytes = 100 << 20;

qint64 statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        qFatal("no /proc/self/status");
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLongLong();
    qFatal("no %s", field);
}

void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (!clear.open(QIODevice::WriteOnly) || clear.write("5") != 1)
        qFatal("cannot reset the peak");
}

// Writes `head`, then `count` bytes of x with a LF after every 63 (a LF alone
// ends no line), then `tail`, a megabyte at a time.
void writeWithLongLine(const QString &path, const QByteArray &head, qint64 count, const QByteArray &tail)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(head);
    QByteArray chunk(1 << 20, 'x');
    for (int i = 63; i < chunk.size(); i += 64)
        chunk[i] = '\n';
    for (qint64 written = 0; written < count; written += chunk.size())
        file.write(chunk.constData(), std::min<qint64>(chunk.size(), count - written));
    file.write(tail);
}

} // namespace

// One line of 100 MB in a dictionary or in the catalogue: every operation
// survives it within four times the line's size in memory, keeps the panes,
// and the program works on once the file is sound again.
class LongLineTest : public OperationsTest {
    Q_OBJECT

private:
    // How far the memory in use rises above where it stood while `action` runs.
    static qint64 peakGrowth(const std::function<void()> &action)
    {
        const qint64 before = statusKb("VmRSS:");
        resetPeak();
        action();
        return (statusKb("VmHWM:") - before) << 10;
    }

private slots:
    void init() { writeFolderWithoutProgram(); }
    void cleanup() { program.reset(); }

    void everyOperationSurvivesIt_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("a term") << "dizionari/italiano_inglese.txt" << QByteArray("H\r\nh\r\nX")
                                << QByteArray("Y\r\ndef\r\nCASA\r\nhouse\r\nZUCCA\r\npumpkin\r\n");
        QTest::newRow("a definition") << "dizionari/italiano_inglese.txt" << QByteArray("H\r\nh\r\nCASA\r\nX")
                                      << QByteArray("Y\r\nCANE\r\ndog\r\n");
        QTest::newRow("a catalogue name") << "tutti_i_dizionari.txt" << QByteArray("italiano_inglese.txt\r\nX")
                                          << QByteArray("Y\r\n________________________\r\n");
    }
    void everyOperationSurvivesIt()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, tail);
        QFile sound(path(file));
        QVERIFY(sound.open(QIODevice::ReadOnly));
        const QByteArray soundBytes = sound.readAll();
        sound.close();
        writeWithLongLine(path(file), head, LineBytes, tail);
        const qint64 limit = 4 * LineBytes;

        QStringList messages;
        QVERIFY(peakGrowth([&] { messages = messageBoxesShownBy([this] { startProgram(); }); }) <= limit);
        QCOMPARE(messages, QStringList());
        showWindow();
        // The catalogue's long name, cut on the screen as every line is, is no
        // file: the searches over the listed dictionaries say so in a box of
        // a few thousand characters.
        const bool longName = file.startsWith(QLatin1String("tutti"));
        const QString nameStart = cannotRead(path("dizionari/X"), "").section(QLatin1Char('\n'), 0, 1);
        std::pair<qint64, const char *> highest{0, ""};
        for (const Operation &operation : everyOperation()) {
            input()->setPlainText(InputText);
            setPaneLines(resultsPane(), EarlierResults);
            const qint64 growth = peakGrowth([&] { messages = messageBoxesShownBy(operation.run); });
            highest = std::max(highest, std::pair<qint64, const char *>(growth, operation.name));
            QVERIFY2(growth <= limit, qPrintable(QStringLiteral("%1: %2 MB").arg(operation.name).arg(growth >> 20)));
            QVERIFY2(input()->toPlainText() == InputText, operation.name);
            const bool listed = QByteArray(operation.name).startsWith("whole word") ||
                                QByteArray(operation.name) == "substring, all";
            if (longName && listed) {
                QCOMPARE(messages.size(), 1);
                QVERIFY2(messages[0].startsWith(nameStart) && messages[0].size() < 10000 &&
                             messages[0].endsWith(QLatin1String("x\n\nFile name too long")),
                         qPrintable(messages[0].right(60).replace(QLatin1Char(0x0a), QLatin1Char(0x7c))));
                // What the first listed dictionary gave stays in the pane.
                QCOMPARE(results().value(0), QStringLiteral("----- italiano_inglese.txt -----"));
            } else {
                QVERIFY2(messages.isEmpty(), qPrintable(operation.name + QLatin1String(": ") + messages.join('|').left(200)));
            }
            for (QWidget *window : std::initializer_list<QWidget *>{program->form2(), program->form3(),
                                                                    program->form4(), program->form7()})
                QVERIFY2(!window->isVisible(), operation.name);
        }
        qInfo("the highest rise in memory: %lld MB, by the %s", highest.first >> 20, highest.second);
        // A looked-up definition of 100 MB reaches the pane cut to what a line on the screen holds.
        if (head.endsWith("CASA\r\nX")) {
            resultsPane()->clear();
            const QString shown = typeAndClick(QStringLiteral("casa"), "Button1").join(QLatin1Char('\n'));
            QVERIFY(shown.startsWith(QLatin1String("CASA = Xx")));
            QCOMPARE(shown.size(), qsizetype(LongestScreenLine));
        }

        writeFile(path(file), soundBytes.toStdString());
        pick(QStringLiteral("italiano_inglese.txt"));
        resultsPane()->clear();
        QCOMPARE(typeAndClick(QStringLiteral("casa"), "Button1"), QStringList({"CASA = house"}));
    }
};

QTEST_MAIN(LongLineTest)
#include "LongLineTest.moc"
