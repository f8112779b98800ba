// The main menu and the context menus of the two panes. Captions come from the
// caption table; here are their names, places and shortcut keys.

#include "app/Form1.h"

#include "app/BaseFormSwitch.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace {

QMenu *subMenu(QWidget *parent, const char *name)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction *item(QWidget *menu, const char *name, const QKeySequence &shortcut = {})
{
    auto *action = new QAction(menu);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    menu->addAction(action);
    return action;
}

QMenu *addSubMenu(QMenu *parent, const char *name)
{
    QMenu *menu = subMenu(parent, name);
    parent->addMenu(menu);
    return menu;
}

} // namespace

void Form1::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *dictionaries = subMenu(bar, "GestioneDizionari1");
    bar->addMenu(dictionaries);
    item(dictionaries, "Esclusioni1", QKeySequence(Qt::CTRL | Qt::Key_E));

    QMenu *searches = subMenu(bar, "Ricerche1");
    bar->addMenu(searches);
    QMenu *all = addSubMenu(searches, "Tuttiidizionari1");
    item(all, "Parolaintera1", QKeySequence(Qt::CTRL | Qt::Key_P));
    item(all, "Sottostringa1");
    QMenu *italian = addSubMenu(searches, "Dizionariitaliani1");
    item(italian, "Parolaintera2", QKeySequence(Qt::CTRL | Qt::Key_I));
    QMenu *current = addSubMenu(searches, "Dizionariocorrente1");
    item(current, "Dalettere1", QKeySequence(Qt::CTRL | Qt::Key_A));
    item(current, "Dalettere2", QKeySequence(Qt::CTRL | Qt::Key_L));
    item(current, "Palindromi1", QKeySequence(Qt::CTRL | Qt::Key_O));
    item(current, "Rime1", QKeySequence(Qt::CTRL | Qt::Key_R));
    item(current, "Test1");
    item(current, "Test2");
    item(current, "Ricerchecomplesse1", QKeySequence(Qt::Key_F3));
    QMenu *englishItalian = addSubMenu(searches, "Dizionarioingleseitaliano1");
    item(englishItalian, "Dalettere3", QKeySequence(Qt::CTRL | Qt::Key_T));
    item(englishItalian, "Test3");
    item(englishItalian, "Ricerchecomplesse2", QKeySequence(Qt::Key_F4));

    QMenu *utilities = subMenu(bar, "Utilit1");
    bar->addMenu(utilities);
    item(utilities, "Copiainmemoria1", QKeySequence(Qt::Key_F6));
    item(utilities, "Azzera3", QKeySequence(Qt::Key_F7));
    item(utilities, "Accapoautomatico1", QKeySequence(Qt::Key_F8))->setCheckable(true);
    item(utilities, "Nascondileinformazioni2", QKeySequence(Qt::Key_F9));
    baseForms = new BaseFormSwitch(utilities, AppFolder + QString::fromLatin1(zelvora::LexiconFileName), this,
                                   [this] { return language(); });

    connect(item(bar, "Esci1"), &QAction::triggered, this, &Form1::Button4Click);

    // These menu items only click their button.
    const std::pair<const char *, const char *> clicks[] = {
        {"Esclusioni1", "Button16"},
        {"Parolaintera1", "Button6"}, {"Sottostringa1", "Button25"}, {"Parolaintera2", "Button13"},
        {"Dalettere1", "Button2"},    {"Dalettere2", "Button31"},    {"Palindromi1", "Button35"},
        {"Rime1", "Button7"},         {"Test1", "Button23"},         {"Dalettere3", "Button32"},
    };
    for (const auto &[itemName, buttonName] : clicks)
        connect(findChild<QAction *>(QString::fromLatin1(itemName)), &QAction::triggered,
                findChild<QAbstractButton *>(QString::fromLatin1(buttonName)), &QAbstractButton::click);
}

void Form1::createContextMenus()
{
    PopupMenu1 = subMenu(this, "PopupMenu1");
    item(PopupMenu1, "Copia1");
    item(PopupMenu1, "Azzera1");
    PopupMenu1->addSeparator();
    item(PopupMenu1, "Nascondileinformazioni1");

    PopupMenu2 = subMenu(this, "PopupMenu2");
    item(PopupMenu2, "Copiadallamemoria1");
    item(PopupMenu2, "Azzera2");
    PopupMenu2->addSeparator();
    item(PopupMenu2, "Aggiungiundizionario2");

    const auto attach = [](QPlainTextEdit *pane, QMenu *menu) {
        pane->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(pane, &QWidget::customContextMenuRequested, menu,
                [pane, menu](const QPoint &at) { menu->popup(pane->viewport()->mapToGlobal(at)); });
    };
    attach(RxRichEdit2, PopupMenu1);
    attach(RxRichEdit1, PopupMenu2);
}
