#include "WindowTestHelpers.h"

#include "app/Form2.h"
#include "quiz/Form7.h"
#include "search/ComplexSearchWindow.h"
#include "ui/CaptionComponent.h"
#include "ui/DialogCaptions.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QTextEdit>

#include <set>

namespace {

QString cell(const CaptionRow &row, Language language)
{
    // An empty cell leaves the text the other language wrote.
    const char *text = language == Language::English && *row.english ? row.english : row.italian;
    return QString::fromUtf8(text);
}

QTabWidget *tabsHolding(const QWidget *page)
{
    for (QWidget *parent = page->parentWidget(); parent; parent = parent->parentWidget())
        if (auto *tabs = qobject_cast<QTabWidget *>(parent))
            return tabs;
    return nullptr;
}

// The caption a control shows; null for an object that shows none.
QString shownCaption(const QObject *object)
{
    if (auto *action = qobject_cast<const QAction *>(object))
        return action->text();
    if (auto *menu = qobject_cast<const QMenu *>(object))
        return menu->title();
    if (auto *button = qobject_cast<const QAbstractButton *>(object))
        return button->text();
    if (auto *label = qobject_cast<const QLabel *>(object))
        return label->text();
    if (auto *page = qobject_cast<const QWidget *>(object))
        if (QTabWidget *tabs = tabsHolding(page); tabs && tabs->indexOf(page) >= 0)
            return tabs->tabText(tabs->indexOf(page));
    return {};
}

QString shownList(const QObject *object)
{
    QStringList items;
    if (auto *combo = qobject_cast<const QComboBox *>(object))
        for (int i = 0; i < combo->count(); ++i)
            items += combo->itemText(i);
    else if (auto *list = qobject_cast<const QListWidget *>(object))
        for (int i = 0; i < list->count(); ++i)
            items += list->item(i)->text();
    else if (auto *rich = qobject_cast<const QTextEdit *>(object))
        return rich->toPlainText();
    return items.join(QLatin1Char('\n'));
}

QString shownOtherString(const QObject *object)
{
    auto *edit = qobject_cast<const QLineEdit *>(object);
    return edit ? edit->text() : QString();
}

QString shownHint(const QObject *object)
{
    auto *widget = qobject_cast<const QWidget *>(object);
    return widget ? widget->toolTip() : QString();
}

// The objects of this window with this name, not those of the windows it holds.
QList<QObject *> objectsOf(QWidget *window, const QString &name = QString())
{
    QList<QObject *> objects = window->findChildren<QObject *>(name);
    objects.removeIf([window](const QObject *object) {
        for (; object; object = object->parent())
            if (auto *widget = qobject_cast<const QWidget *>(object);
                widget && widget->isWindow() && !qobject_cast<const QMenu *>(widget))
                return widget != window;
        return true;
    });
    return objects;
}

bool hasRow(std::span<const CaptionRow> rows, const QString &key)
{
    return std::any_of(rows.begin(), rows.end(), [&](const CaptionRow &row) { return key == QLatin1String(row.key); });
}

} // namespace

class LanguageSwitchTest : public MainWindowTest {
    Q_OBJECT

private:
    QList<QWidget *> windows() const
    {
        return {form(), program->form2(), program->form3(), program->form4(), program->form7()};
    }
    static CaptionComponent *componentOf(QWidget *window)
    {
        return window->findChild<CaptionComponent *>(QString(), Qt::FindDirectChildrenOnly);
    }
    // Every text every window shows, by window and object name.
    QStringList everyText() const
    {
        QStringList texts;
        for (QWidget *window : windows()) {
            texts += window->objectName() + ": " + window->windowTitle();
            for (const QObject *object : objectsOf(window))
                texts += window->objectName() + "." + object->objectName() + ": " + shownCaption(object) + "|" +
                         shownList(object) + "|" + shownOtherString(object) + "|" + shownHint(object);
        }
        return texts;
    }

    // Every row of the window's table in `language`, as its control shows it.
    void checkRows(QWidget *window, Language language)
    {
        const CaptionTable &table = componentOf(window)->table();
        const QString name = window->objectName();
        const auto check = [&](std::span<const CaptionRow> rows, QString (*shown)(const QObject *)) {
            for (const CaptionRow &row : rows) {
                const QString key = QString::fromLatin1(row.key);
                QString expected = cell(row, language);
                if (shown == shownCaption && key == "T" + name) {
                    QCOMPARE(window->windowTitle(), expected);
                    continue;
                }
                // The pane's line count is written over the table's caption at once.
                if (name == "Form1" && key == "Panel2")
                    expected = language == Language::Italian ? QStringLiteral("0  LINEE") : QStringLiteral("0  LINES");
                const QList<QObject *> objects = objectsOf(window, key.section(QLatin1Char('.'), 0, 0));
                QVERIFY2(!objects.isEmpty(), qPrintable(name + " has no control for the row " + key));
                for (const QObject *object : objects)
                    QVERIFY2(shown(object) == expected,
                             qPrintable(name + "." + key + " shows \"" + shown(object) + "\", not \"" + expected + "\""));
            }
        };
        check(table.captions, shownCaption);
        check(table.hints, shownHint);
        check(table.lists, shownList);
        check(table.otherStrings, shownOtherString);
    }

    // Every caption and hint the window shows has its row in the window's
    // table, but for the fields the program writes itself.
    void checkNoCaptionOutsideTheTable(QWidget *window)
    {
        static const std::set<QString> writtenByCode = {
            "GradButton1", "GradButton2", "GradButton3", "GradButton4", "StatusNote", "ConteggioGiuste1",
            "ConteggioErrate1", "Titolo"};
        const CaptionTable &table = componentOf(window)->table();
        QVERIFY(hasRow(table.captions, "T" + window->objectName()));
        for (const QObject *object : objectsOf(window)) {
            const QString name = object->objectName();
            if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || writtenByCode.count(name))
                continue;
            QVERIFY2(shownCaption(object).isEmpty() || hasRow(table.captions, name),
                     qPrintable(window->objectName() + "." + name + " shows a caption of no row"));
            QVERIFY2(shownHint(object).isEmpty() || hasRow(table.hints, name),
                     qPrintable(window->objectName() + "." + name + " shows a hint of no row"));
        }
    }

    QMessageBox *shownBox() const
    {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible())
                return box;
        return nullptr;
    }

private slots:
    void init() { startWithTestFolder(); }
    void cleanup() { program.reset(); }

    // Every click writes the cursor labels' bare words; a click on the active
    // language moves nothing else.
    void everyRowOfEveryTableShowsInBothLanguages()
    {
        for (QWidget *window : windows()) {
            checkRows(window, Language::Italian);
            checkNoCaptionOutsideTheTable(window);
        }
        clickFlag("Image1");
        QCOMPARE(text("GradButton1") + "|" + text("GradButton2") + "|" + text("GradButton3"),
                 QStringLiteral("Riga |Colonna | caratteri nella riga"));
        const QStringList italian = everyText();
        clickFlag("Image1");
        QCOMPARE(everyText(), italian);
        clickFlag("Image2");
        for (QWidget *window : windows()) {
            checkRows(window, Language::English);
            checkNoCaptionOutsideTheTable(window);
        }
        const QStringList english = everyText();
        clickFlag("Image2");
        QCOMPARE(everyText(), english);
        // And back: every Italian text again, exactly.
        clickFlag("Image1");
        for (QWidget *window : windows())
            checkRows(window, Language::Italian);
    }

    void theStandardBoxesShowTheirRows()
    {
        for (const Language language : {Language::Italian, Language::English}) {
            QStringList shown;
            for (const QMessageBox::Icon icon :
                 {QMessageBox::Warning, QMessageBox::Critical, QMessageBox::Information, QMessageBox::Question}) {
                QMessageBox box(icon, QString(), QString(),
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel |
                                    QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore |
                                    QMessageBox::YesToAll | QMessageBox::NoToAll | QMessageBox::Help);
                applyDialogCaptions(box, language);
                shown += box.windowTitle();
                for (const QAbstractButton *button : box.buttons())
                    shown += button->text();
            }
            for (const CaptionRow &row : dialogCaptions())
                // Qt's box has no button for "All".
                QVERIFY2(shown.contains(cell(row, language)) != (qstrcmp(row.key, "All") == 0), row.key);
        }
    }

    void theErrorBoxIsTitledAndCaptionedInEitherLanguage()
    {
        QFile::rename(path("dizionari/italiano_inglese.txt"), path("aside.txt"));
        for (const char *flag : {"Image2", "Image1"}) {
            clickFlag(flag);
            QString title, button;
            const QString message = messageBoxShownBy([&] { typeAndClick("casa", "Button1"); },
                                                      [&] {
                                                          title = shownBox()->windowTitle();
                                                          button = shownBox()->button(QMessageBox::Ok)->text();
                                                      });
            QCOMPARE(title, QStringLiteral("Error"));
            QCOMPARE(button, QStringLiteral("OK"));
            QVERIFY2(message.startsWith(flag == QLatin1String("Image2") ? QLatin1String("Cannot read the file")
                                                                        : QLatin1String("Impossibile leggere il file")),
                     qPrintable(message));
        }
        QFile::rename(path("aside.txt"), path("dizionari/italiano_inglese.txt"));
        QCOMPARE(typeAndClick("casa", "Button1"), QStringList({"CASA = house"}));
    }

    // Only the interface changes; what the user has stays, and what comes later follows the new language.
    void switchingKeepsWhatTheUserHas()
    {
        pick("doppi.txt");
        const QStringList written = typeAndClick("rim*", "Button1");
        QCOMPARE(written.size(), 3);
        input()->setPlainText(QStringLiteral("il testo"));
        const auto held = [this] {
            return QStringList{results().join('\n'), input()->toPlainText(),
                               termBox()->currentText(), QString::number(termBox()->count()), selector()->currentText(),
                               form()->currentDictPath()};
        };
        const QStringList before = held();
        resultsPane()->moveCursor(QTextCursor::End);
        resultsPane()->moveCursor(QTextCursor::Up);

        clickFlag("Image2");
        QCOMPARE(held(), before);
        QCOMPARE(text("GradButton4"), QStringLiteral("6  DICTIONARIES - 4 DEFINITIONS"));
        QCOMPARE(text("Panel2"), QStringLiteral("3  LINES"));
        QCOMPARE(text("GradButton1") + "|" + text("GradButton2") + "|" + text("GradButton3"),
                 QStringLiteral("Row |Column | characters in the row"));

        // Later messages are English; the lines written before stay Italian.
        typeAndClick("zzz", "Button1");
        QCOMPARE(text("StatusNote"), QStringLiteral("ZZZ: term not found"));
        QCOMPARE(results(), written);
        pick("italiano_inglese.txt");
        QCOMPARE(text("GradButton4"), QStringLiteral("6 DICTIONARIES - 17 DEFINITIONS"));

        clickFlag("Image1");
        QCOMPARE(text("GradButton4"), QStringLiteral("6 DIZIONARI - 17 DEFINIZIONI NEL DIZIONARIO CORRENTE"));
        QCOMPARE(text("Panel2"), QStringLiteral("3  LINEE"));
        typeAndClick("zzz", "Button1");
        QCOMPARE(text("StatusNote"), QStringLiteral("ZZZ: termine non trovato"));
    }

    // The component writes nothing when its language is set again, by name or by number.
    void theActiveLanguageSetAgainChangesNothing()
    {
        clickFlag("Image2");
        CaptionComponent *Lingue = componentOf(form());
        control<QPushButton>("Button4")->setText(QStringLiteral("mine"));
        Lingue->setLanguageName(QStringLiteral("English"));
        Lingue->setLanguageNumber(2);
        QCOMPARE(control<QPushButton>("Button4")->text(), QStringLiteral("mine"));
        Lingue->setLanguageNumber(1);
        QCOMPARE(Lingue->languageName(), QStringLiteral("Italiano"));
        QCOMPARE(control<QPushButton>("Button4")->text(), QStringLiteral("ESCI"));
    }

    void theComponentRefusesALanguageItDoesNotHave()
    {
        CaptionComponent *Lingue2 = componentOf(program->form2());
        const auto refusal = [](const std::function<void()> &set) {
            try {
                set();
            } catch (const LanguageError &error) {
                return QString::fromStdString(error.what());
            }
            return QString();
        };
        for (const char *name : {"Deutsch", "english", ""})
            QCOMPARE(refusal([&] { Lingue2->setLanguageName(QString::fromLatin1(name)); }),
                     QStringLiteral("Language name shall be included in LangNames property!"));
        QCOMPARE(refusal([&] { Lingue2->setLanguageNumber(3); }),
                 QStringLiteral("3 - is not a valid property value!\rValue must be within [1..2]!"));
        QCOMPARE(refusal([&] { Lingue2->setLanguageNumber(0); }),
                 QStringLiteral("0 - is not a valid property value!\rValue must be within [1..2]!"));
        // Refused, it stays as it was and goes on working.
        QCOMPARE(Lingue2->languageNumber(), 1);
        QCOMPARE(program->form2()->windowTitle(), QStringLiteral("Scelta dei dizionari"));
        Lingue2->setLanguageNumber(2);
        QCOMPARE(Lingue2->languageName(), QStringLiteral("English"));
        QCOMPARE(program->form2()->windowTitle(), QStringLiteral("Choice the dictionaries"));
    }
};

QTEST_MAIN(LanguageSwitchTest)
#include "LanguageSwitchTest.moc"
