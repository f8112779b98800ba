#include "ui/Captions.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

constexpr CaptionRow Captions[] = {
    {"TFormX", "Finestra", "Window"},
    {"Button1", "CERCA", ""},
    {"Missing", "NESSUNO", "NOBODY"},
};
constexpr CaptionRow Lists[] = {
    {"ComboBox1.Items", "Termini\nDefinizioni", "Terms\nDefinitions"},
    {"RxCheckListBox1.Items", "UNO\nDUE", "ONE\nTWO"},
};
constexpr CaptionRow OtherStrings[] = {
    {"Scelta1.Text", "Scelta1", "Choice1"},
};

} // namespace

class CaptionsTest : public QObject {
    Q_OBJECT

private slots:
    // A table written in one language and then the other: every text follows,
    // an empty cell keeps the text it had, a list keeps its choice and ticks.
    void switchesEveryKindOfText()
    {
        QDialog window;
        window.setObjectName(QStringLiteral("FormX"));
        auto *button = new QPushButton(&window);
        button->setObjectName(QStringLiteral("Button1"));
        auto *combo = new QComboBox(&window);
        combo->setObjectName(QStringLiteral("ComboBox1"));
        auto *ticks = new QListWidget(&window);
        ticks->setObjectName(QStringLiteral("RxCheckListBox1"));
        auto *choice = new QLineEdit(&window);
        choice->setObjectName(QStringLiteral("Scelta1"));
        const CaptionTable table{Captions, {}, Lists, OtherStrings};

        applyCaptionTable(&window, table, Language::Italian);
        combo->setCurrentIndex(1);
        for (int i = 0; i < ticks->count(); ++i)
            ticks->item(i)->setCheckState(i == 1 ? Qt::Checked : Qt::Unchecked);
        applyCaptionTable(&window, table, Language::English);

        QCOMPARE(window.windowTitle(), QStringLiteral("Window"));
        QCOMPARE(button->text(), QStringLiteral("CERCA"));
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentText(), QStringLiteral("Definitions"));
        QCOMPARE(ticks->item(0)->text(), QStringLiteral("ONE"));
        QCOMPARE(ticks->item(1)->checkState(), Qt::Checked);
        QCOMPARE(choice->text(), QStringLiteral("Choice1"));

        applyCaptionTable(&window, table, Language::Italian);
        QCOMPARE(window.windowTitle(), QStringLiteral("Finestra"));
        QCOMPARE(combo->currentText(), QStringLiteral("Definizioni"));
        QCOMPARE(listOf(Lists, "RxCheckListBox1.Items", Language::English), (QStringList{"ONE", "TWO"}));
    }

    // A window's table captions its own controls and menus, never those of a window it holds.
    void aWindowsTableLeavesTheWindowsItHolds()
    {
        QDialog window;
        window.setObjectName(QStringLiteral("FormX"));
        auto *menu = new QMenu(&window);
        auto *item = menu->addAction(QString());
        item->setObjectName(QStringLiteral("Button1"));
        auto *inner = new QDialog(&window);
        auto *innerButton = new QPushButton(QStringLiteral("ESCI"), inner);
        innerButton->setObjectName(QStringLiteral("Button1"));

        applyCaptionTable(&window, {Captions, {}, {}, {}}, Language::Italian);
        QCOMPARE(item->text(), QStringLiteral("CERCA"));
        QCOMPARE(innerButton->text(), QStringLiteral("ESCI"));
    }
};

QTEST_MAIN(CaptionsTest)
#include "CaptionsTest.moc"
