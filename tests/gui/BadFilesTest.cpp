#include "OperationsSweep.h"

#include "app/ScreenText.h"

#include <QDirIterator>

#include <cstdint>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// The term list at start-up by the rules of the files, plainly: a CR ends a
// line and takes a LF right after it along, a Ctrl+Z ends the file, every
// entry is two lines and an empty file is one entry.
QStringList plainTerms(const std::string &bytes)
{
    const std::string text = bytes.substr(0, bytes.find('\x1a'));
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t cr = text.find('\r', at);
        lines.push_back(text.substr(at, cr == std::string::npos ? std::string::npos : cr - at));
        if (cr == std::string::npos)
            break;
        at = cr + 1 + (cr + 1 < text.size() && text[cr + 1] == '\n' ? 1 : 0);
    }
    QStringList terms;
    for (std::size_t i = 0; i == 0 || i < lines.size(); i += 2)
        terms += i < lines.size() ? toScreen(lines[i]) : QString();
    return terms;
}

// Root writes into a folder whatever its mode, through CAP_DAC_OVERRIDE; this
// thread, the one the windows run on, gives the capability up or takes it back.
void overridePermissions(bool on)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    if (syscall(SYS_capget, &header, data) != 0)
        qFatal("capget: %s", strerror(errno));
    const std::uint32_t bit = 1u << CAP_DAC_OVERRIDE;
    data[0].effective = on ? data[0].effective | (data[0].permitted & bit) : data[0].effective & ~bit;
    if (syscall(SYS_capset, &header, data) != 0)
        qFatal("capset: %s", strerror(errno));
}

// The folder as the system holds it: every file and folder in it with its size and time of change.
QStringList snapshot(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        entries += QStringLiteral("%1 %2 %3").arg(entry.filePath()).arg(entry.size()).arg(
            entry.lastModified().toMSecsSinceEpoch());
    }
    entries.sort();
    return entries;
}

} // namespace

class BadFilesTest : public OperationsTest {
    Q_OBJECT

private:
    const QString Default = QStringLiteral("dizionari/italiano_inglese.txt");
    const QString EnglishItalian = QStringLiteral("dizionari/inglese_italiano.txt");
    const QString Catalogue = QStringLiteral("tutti_i_dizionari.txt");

    // The program started again on the test folder as it is now; the error boxes it showed.
    QStringList restart()
    {
        program.reset();
        const QStringList messages = messageBoxesShownBy([this] { startProgram(); });
        showWindow();
        return messages;
    }
    void makeDirectory(const QString &file)
    {
        QVERIFY(QFile::remove(path(file)));
        QVERIFY(QDir(path({})).mkdir(file));
    }
    // The operations that read the current dictionary, those that read the
    // listed dictionaries from the first, and those that read the
    // English-Italian one, each with its error box.
    static QMap<QString, QStringList> failing(const QString &current, const QString &listed, const QString &english)
    {
        QMap<QString, QStringList> messages;
        for (const char *name : {"lookup", "prefix lookup", "translation", "dictionary from text", "word list",
                                 "substring", "anagrams", "palindromes", "rhymes", "letters", "complex search", "quiz",
                                 "exclusions"})
            if (!current.isEmpty())
                messages[name] = {current};
        for (const char *name : {"whole word", "whole word, Italian", "substring, all"})
            if (!listed.isEmpty())
                messages[name] = {listed};
        for (const char *name : {"letters, English-Italian", "complex search, English-Italian",
                                 "quiz, English-Italian"})
            if (!english.isEmpty())
                messages[name] = {english};
        return messages;
    }
    // The window works on once the default dictionary is sound again.
    void expectWorkingWithSoundFiles()
    {
        startWithTestFolder();
        QCOMPARE(messageBoxesShownBy([this] { typeAndClick("casa", "Button1"); }), QStringList());
        QCOMPARE(results(), QStringList({"CASA = house"}));
    }

private slots:
    void init()
    {
        startWithTestFolder();
        copyQuizMedia();
    }
    void cleanup() { program.reset(); }

    void emptyDictionariesReadAsOneEmptyEntry()
    {
        writeFile(path(Default), std::string());
        writeFile(path(EnglishItalian), std::string());
        QCOMPARE(restart(), QStringList());
        QCOMPARE(items(termBox()), QStringList({""}));
        QCOMPARE(text("GradButton4"), QStringLiteral("6 DIZIONARI - 1 DEFINIZIONI NEL DIZIONARIO CORRENTE"));
        QCOMPARE(runEveryOperation(), expectedReport({}));
        // Picked, its empty first term is not listed.
        pick("italiano_inglese.txt");
        QCOMPARE(termBox()->count(), 0);
        QCOMPARE(text("GradButton4"), QStringLiteral("6 DIZIONARI - 0 DEFINIZIONI NEL DIZIONARIO CORRENTE"));
    }

    void binaryDictionariesReadByTheLineRules()
    {
        const std::string bytes = binaryBytes(1 << 16, 7);
        for (const QString &file : {Default, EnglishItalian, QStringLiteral("dizionari/doppi.txt")})
            writeFile(path(file), bytes);
        QCOMPARE(restart(), QStringList());
        QCOMPARE(items(termBox()), plainTerms(bytes));
        QCOMPARE(runEveryOperation(), expectedReport({}));
        expectWorkingWithSoundFiles();
    }

    void lfOnlyLineEndsMakeOneLine()
    {
        writeFile(path(Default), std::string("H\nh\nCASA\nhouse\nCANE\ndog\n"));
        QCOMPARE(restart(), QStringList());
        QCOMPARE(items(termBox()), QStringList({"H\nh\nCASA\nhouse\nCANE\ndog\n"}));
        QCOMPARE(runEveryOperation(), expectedReport({}));
        QCOMPARE(typeAndClick("casa", "Button1"), QStringList());

        // A catalogue so written is one name: the searches over the listed dictionaries name that file.
        const std::string catalogue = "italiano_inglese.txt\nenglish.txt\n________________________\n";
        writeFile(path(Catalogue), catalogue);
        QCOMPARE(restart(), QStringList());
        QCOMPARE(items(selector()), QStringList({QString::fromStdString(catalogue)}));
        QCOMPARE(text("GradButton4"), QStringLiteral("1 DIZIONARI - 1 DEFINIZIONI NEL DIZIONARIO CORRENTE"));
        const QString listed = cannotRead(path("dizionari/" + QString::fromStdString(catalogue)),
                                          "No such file or directory");
        QCOMPARE(runEveryOperation(), expectedReport(failing({}, listed, {})));
    }

    void ctrlZEndsTheFileWhereItStands()
    {
        writeFile(path(Default), std::string("H\r\nh\r\nCASA\r\nhouse\r\nCIT\x1aTA\r\ncity\r\nCANE\r\ndog\r\n"));
        writeFile(path(Catalogue), std::string("italiano_inglese.txt\r\nenglish.txt\r\n________________________\r\n"
                                               "\x1a" "doppi.txt\r\n________________________\r\n"));
        QCOMPARE(restart(), QStringList());
        QCOMPARE(items(termBox()), QStringList({"H", "CASA", "CIT"}));
        QCOMPARE(items(selector()), QStringList({"italiano_inglese.txt", "english.txt", Separator}));
        QCOMPARE(runEveryOperation(), expectedReport({}));
        QCOMPARE(typeAndClick("cane", "Button1"), QStringList());
        QCOMPARE(typeAndClick("casa", "Button6"),
                 QStringList({"----- italiano_inglese.txt -----", "CASA = house", "----- english.txt -----",
                              "CASA = home"}));
    }

    void catalogueWithFewerSectionsEndsWhereTheFileDoes()
    {
        writeFile(path(Catalogue), QStringList({"italiano_inglese.txt", Separator, "english.txt"}));
        QCOMPARE(restart(), QStringList());
        QCOMPARE(items(control<QComboBox>("ComboBox6")),
                 QStringList({"italiano_inglese.txt", Separator, "english.txt", Separator, Separator, Separator,
                              Separator, Separator}));
        QCOMPARE(text("GradButton4"), QStringLiteral("2 DIZIONARI - 18 DEFINIZIONI NEL DIZIONARIO CORRENTE"));
        QCOMPARE(runEveryOperation(), expectedReport({}));
        QCOMPARE(typeAndClick("casa", "Button6").size(), 4);
    }

    void emptyCatalogueListsNothing()
    {
        writeFile(path(Catalogue), std::string());
        QCOMPARE(restart(), QStringList());
        QCOMPARE(selector()->count(), 0);
        QCOMPARE(text("GradButton4"), QStringLiteral("0 DIZIONARI - 18 DEFINIZIONI NEL DIZIONARIO CORRENTE"));
        QCOMPARE(runEveryOperation(), expectedReport({}));
        QCOMPARE(typeAndClick("casa", "Button1"), QStringList({"CASA = house"}));
    }

    void missingOrUnreadableCatalogueIsReportedAtStartAndByTheExclusions()
    {
        for (const char *reason : {"No such file or directory", "Is a directory"}) {
            QVERIFY(QFile::remove(path(Catalogue)));
            if (QLatin1String(reason) == QLatin1String("Is a directory"))
                QVERIFY(QDir(path({})).mkdir(Catalogue));
            const QString message = cannotRead(path(Catalogue), reason);
            QCOMPARE(restart(), QStringList({message}));
            QCOMPARE(selector()->count(), 0);
            QCOMPARE(termBox()->count(), 0);
            QCOMPARE(runEveryOperation(), expectedReport({{"exclusions", {message}}}));
            QVERIFY(QDir(path({})).rmdir(Catalogue) || !QFile::exists(path(Catalogue)));
            init();
        }
    }

    // A missing dictionary folder, or the default and English-Italian dictionaries folders themselves.
    void unreadableDictionariesAreReportedByEveryReader()
    {
        for (const char *reason : {"No such file or directory", "Is a directory"}) {
            const bool folders = QLatin1String(reason) == QLatin1String("Is a directory");
            if (folders) {
                makeDirectory(Default);
                makeDirectory(EnglishItalian);
            } else {
                QVERIFY(QDir(path("dizionari")).removeRecursively());
            }
            const QString current = cannotRead(path(Default), reason);
            QCOMPARE(restart(), QStringList({current}));
            QCOMPARE(items(selector()).size(), 15);
            QMap<QString, QStringList> messages = failing(current, current, cannotRead(path(EnglishItalian), reason));
            messages.remove("substring"); // it looks up the matches of the term list, empty here
            QCOMPARE(runEveryOperation(), expectedReport(messages));
            if (folders) {
                // Picked in the selector, a folder is no dictionary: the term list is emptied without a word.
                pick("doppi.txt");
                QCOMPARE(messageBoxesShownBy([this] { pick("italiano_inglese.txt"); }), QStringList());
                QCOMPARE(termBox()->count(), 0);
            }
            expectWorkingWithSoundFiles();
            copyQuizMedia();
        }
    }

    void aDictionaryGoneSinceItsTermListWasLoadedIsReported()
    {
        QFile file(path(Default));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::string bytes = file.readAll().toStdString();
        file.close();
        const QString current = cannotRead(path(Default), "No such file or directory");
        QCOMPARE(runEveryOperation([&] {
                     writeFile(path(Default), bytes);
                     pick("italiano_inglese.txt");
                     QVERIFY(QFile::remove(path(Default)));
                 }),
                 expectedReport(failing(current, current, {})));
        // A term found by a complex search, gone when it is picked.
        writeFile(path(Default), bytes);
        click("Button27");
        auto *window = program->form4();
        window->findChild<QComboBox *>(QStringLiteral("ComboBox1"))->setCurrentIndex(0);
        window->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("CAS"));
        window->Button1Click();
        QVERIFY(QFile::remove(path(Default)));
        QCOMPARE(messageBoxesShownBy([&] { window->ComboBox2Change(0); }), QStringList({current}));
        QVERIFY(window->isVisible());
        window->close();
        expectWorkingWithSoundFiles();
    }

    void aReadOnlyProgramFolderStopsOnlyTheWholeTextOperations()
    {
        // As root the folder's mode binds only without the capability to override it.
        if (geteuid() == 0)
            overridePermissions(false);
        const QString folder = path({});
        QVERIFY(::chmod(qPrintable(folder), 0555) == 0);
        QVERIFY2(!QFile(path("probe")).open(QIODevice::WriteOnly), "the folder is still writable");
        const QStringList before = snapshot(folder);
        const QString working = path("origine2.txt");
        const QMap<QString, QStringList> cannotWriteWorkingFile = {
            {"translation", {cannotWrite(working, "Permission denied")}},
            {"dictionary from text", {cannotWrite(working, "Permission denied")}},
            {"word list", {cannotWrite(working, "Permission denied")}},
        };
        QCOMPARE(runEveryOperation(), expectedReport(cannotWriteWorkingFile));
        QCOMPARE(snapshot(folder), before);

        // A working file there already, read-only as the folder, keeps its bytes.
        QVERIFY(::chmod(qPrintable(folder), 0755) == 0);
        writeFile(working, std::string("di prima\r\n"));
        QVERIFY(::chmod(qPrintable(working), 0444) == 0 && ::chmod(qPrintable(folder), 0555) == 0);
        const QStringList withWorkingFile = snapshot(folder);
        QCOMPARE(runEveryOperation(), expectedReport(cannotWriteWorkingFile));
        QCOMPARE(snapshot(folder), withWorkingFile);

        QVERIFY(::chmod(qPrintable(folder), 0755) == 0 && ::chmod(qPrintable(working), 0644) == 0);
        overridePermissions(true);
        input()->setPlainText(QStringLiteral("la casa"));
        QCOMPARE(messageBoxesShownBy([this] { click("Button8"); }), QStringList());
        QCOMPARE(results(), QStringList({"la casa", "LA = the", "CASA = house"}));
    }
};

QTEST_MAIN(BadFilesTest)
#include "BadFilesTest.moc"
