#include "WindowTestHelpers.h"

#include "morphology/BaseFormLexicon.h"
#include "ui/Captions.h"
#include "ui/Form1Captions.h"

#include <QAction>
#include <QMenu>

class BaseFormSwitchTest : public MainWindowTest {
    Q_OBJECT

private:
    QAction *item() const { return control<QAction>("Cercaancheleformebase1"); }
    QMenu *utilities() const { return control<QMenu>("Utilit1"); }
    // The program started again, with this lexicon beside it.
    void restartWithLexicon(const std::string &bytes)
    {
        program.reset();
        writeFile(path(zelvora::LexiconFileName), bytes);
        startProgram();
        showWindow();
    }
    static std::string lexicon(const QStringList &lines)
    {
        std::string bytes = std::string(zelvora::LexiconFirstLine) + "\r\nTest\r\n";
        for (const QString &line : lines)
            bytes += line.toStdString() + "\r\n";
        return bytes;
    }

private slots:
    void init()
    {
        startWithTestFolder();
        showWindow();
    }
    void cleanup() { program.reset(); }

    void withoutTheLexiconTheItemIsDisabledAndSaysWhy()
    {
        QCOMPARE(utilities()->actions().last(), item());
        QVERIFY(item()->isCheckable() && !item()->isChecked() && !item()->isEnabled());
        QCOMPARE(item()->toolTip(), QStringLiteral("Non disponibile: manca il file forme_italiane.txt nella cartella "
                                                   "del programma (lo prepara scripts/build-dictionaries.sh)"));
        QVERIFY(utilities()->toolTipsVisible());
        // When the menu opens, in the language of the moment.
        applyCaptionTable(form(), form1CaptionTable(), Language::English);
        emit utilities()->aboutToShow();
        QVERIFY(item()->toolTip().startsWith("Not available: the file forme_italiane.txt is missing"));
        QCOMPARE(runOnInput("Button8", "case"), QStringList({"case", "CASE = -"}));
    }

    void checkedItFindsTheWordsThroughTheirBaseForms()
    {
        restartWithLexicon(lexicon({"CASA N CASE", "AMARE V AMO AMIAMO AMATE"}));
        QVERIFY(item()->isEnabled() && !item()->isChecked());
        QCOMPARE(runOnInput("Button8", "case amiamo la città"),
                 QStringList({"case amiamo la città", "CASE = -", "AMIAMO = -", "LA = the", "CITTÀ = city"}));
        item()->trigger();
        QVERIFY(item()->isChecked());
        QCOMPARE(runOnInput("Button8", "case amiamo la città"),
                 QStringList({"case amiamo la città", "CASE (CASA) = house", "AMIAMO (AMARE) = to love", "LA = the",
                              "CITTÀ = city"}));
        QCOMPARE(typeAndClick("amate", "Button1").last(), QStringLiteral("AMATE (AMARE) = to love"));
        QCOMPARE(text("Label3"), QStringLiteral("SI"));
        QCOMPARE(runOnInput("Button19", "case Case amate"), QStringList({"AMATE (AMARE)", "CASE (CASA)"}));
        // Unchecked, nothing of it is left.
        item()->trigger();
        QCOMPARE(runOnInput("Button8", "case"), QStringList({"case", "CASE = -"}));
    }

    void aLexiconThatCannotBeReadDisablesTheItem()
    {
        restartWithLexicon("ITALIANO-INGLESE\r\nnot a lexicon\r\n");
        const QString message = messageBoxShownBy([&] { item()->trigger(); });
        QVERIFY2(message.startsWith("Impossibile leggere il file") && message.contains(path("forme_italiane.txt")),
                 qPrintable(message));
        QVERIFY(!item()->isChecked() && !item()->isEnabled());
        QVERIFY2(item()->toolTip().startsWith("Non disponibile: il file forme_italiane.txt non si può leggere (not "
                                              "a lexicon of word forms"),
                 qPrintable(item()->toolTip()));
        // The window goes on as before.
        QCOMPARE(runOnInput("Button8", "case casa"), QStringList({"case casa", "CASE = -", "CASA = house"}));
    }
};

QTEST_MAIN(BaseFormSwitchTest)
#include "BaseFormSwitchTest.moc"
