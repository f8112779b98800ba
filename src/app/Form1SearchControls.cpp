// The search buttons in their tabs, and the panel of the letters search.

#include "app/Form1.h"

#include "app/ScreenText.h"
#include "dictionary/UpperCase.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QPushButton *searchButton(const char *name, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumHeight(28);
    return button;
}

QWidget *tab(QTabWidget *tabs, const char *name, const QList<QPushButton *> &buttons)
{
    auto *page = new QWidget(tabs);
    page->setObjectName(QString::fromLatin1(name));
    auto *row = new QHBoxLayout(page);
    row->setContentsMargins(6, 4, 6, 4);
    for (QPushButton *button : buttons) {
        button->setParent(page);
        row->addWidget(button);
    }
    row->addStretch();
    tabs->addTab(page, QString());
    return page;
}

// Panels the user clicks, drawn flat like captions.
QPushButton *flatPanel(const char *name, QWidget *parent)
{
    auto *panel = new QPushButton(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFlat(true);
    return panel;
}

constexpr const char *PositionCaptions[] = {"Panel4",  "Panel8",  "Panel9",  "Panel16", "Panel17", "Panel24", "Panel25",
                                            "Panel32", "Panel33", "Panel40", "Panel5",  "Panel6",  "Panel7",  "Panel10"};
constexpr const char *PositionBoxes[] = {"Edit164", "Edit165", "Edit166", "Edit167", "Edit168", "Edit169", "Edit170",
                                         "Edit171", "Edit172", "Edit173", "Edit3",   "Edit4",   "Edit5",   "Edit6"};

} // namespace

void Form1::createSearchTabs(QWidget *parent)
{
    PageControl1 = new QTabWidget(parent);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setDocumentMode(true);
    Button6 = searchButton("Button6", PageControl1);
    Button25 = searchButton("Button25", PageControl1);
    Button13 = searchButton("Button13", PageControl1);
    Button2 = searchButton("Button2", PageControl1);
    Button31 = searchButton("Button31", PageControl1);
    Button35 = searchButton("Button35", PageControl1);
    Button7 = searchButton("Button7", PageControl1);
    Button23 = searchButton("Button23", PageControl1);
    Button33 = searchButton("Button33", PageControl1);
    Button27 = searchButton("Button27", PageControl1);
    Button32 = searchButton("Button32", PageControl1);
    Button34 = searchButton("Button34", PageControl1);
    Button28 = searchButton("Button28", PageControl1);
    tab(PageControl1, "TabSheet1", {Button6, Button25});
    tab(PageControl1, "TabSheet2", {Button13});
    tab(PageControl1, "TabSheet3", {Button2, Button31, Button35, Button7, Button23, Button33, Button27});
    tab(PageControl1, "TabSheet4", {Button32, Button34, Button28});

    connect(Button6, &QPushButton::clicked, this, &Form1::Button6Click);
    connect(Button13, &QPushButton::clicked, this, &Form1::Button13Click);
    connect(Button25, &QPushButton::clicked, this, &Form1::Button25Click);
    connect(Button23, &QPushButton::clicked, this, &Form1::Button23Click);
    connect(Button2, &QPushButton::clicked, this, &Form1::Button2Click);
    connect(Button7, &QPushButton::clicked, this, &Form1::Button7Click);
    connect(Button35, &QPushButton::clicked, this, &Form1::Button35Click);
    connect(Button31, &QPushButton::clicked, this, &Form1::Button31Click);
    connect(Button32, &QPushButton::clicked, this, &Form1::Button32Click);
}

void Form1::createLettersPanel(QWidget *parent)
{
    Panel64 = new QFrame(parent);
    Panel64->setObjectName(QStringLiteral("Panel64"));
    Panel64->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    Panel64->hide();

    Panel12 = flatPanel("Panel12", Panel64);
    Panel13 = flatPanel("Panel13", Panel64);
    Panel14 = flatPanel("Panel14", Panel64);
    QFont titleFont = Panel12->font();
    titleFont.setBold(true);
    Panel12->setFont(titleFont);
    Panel13->setFont(titleFont);
    auto *Panel11 = new QPushButton(Panel64);
    Panel11->setObjectName(QStringLiteral("Panel11"));
    auto *Panel49 = new QPushButton(Panel64);
    Panel49->setObjectName(QStringLiteral("Panel49"));
    for (QPushButton *closer : {Panel11, Panel12, Panel13, Panel14})
        connect(closer, &QPushButton::clicked, this, &Form1::Panel11Click);
    connect(Panel49, &QPushButton::clicked, this, &Form1::Panel49Click);

    auto *grid = new QGridLayout;
    for (std::size_t k = 0; k < zelvora::LetterPositions; ++k) {
        auto *caption = new QLabel(Panel64);
        caption->setObjectName(QString::fromLatin1(PositionCaptions[k]));
        caption->setAlignment(Qt::AlignCenter);
        auto *box = new QLineEdit(Panel64);
        box->setObjectName(QString::fromLatin1(PositionBoxes[k]));
        box->setMaxLength(1);
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(34);
        // Letters are taken in capitals, accented ones too.
        connect(box, &QLineEdit::textEdited, box, [box](const QString &text) {
            box->setText(toScreen(zelvora::toUpperFull(fromScreen(text))));
        });
        letterBoxes[k] = box;
        grid->addWidget(caption, 0, int(k));
        grid->addWidget(box, 1, int(k));
    }

    auto *titles = new QHBoxLayout;
    titles->addWidget(Panel12);
    titles->addWidget(Panel13);
    titles->addWidget(Panel14);
    titles->addStretch();
    auto *commands = new QHBoxLayout;
    commands->addLayout(grid);
    commands->addSpacing(12);
    commands->addWidget(Panel49);
    commands->addWidget(Panel11);
    commands->addStretch();
    auto *column = new QVBoxLayout(Panel64);
    column->addLayout(titles);
    column->addLayout(commands);
}
