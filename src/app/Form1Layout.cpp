// The controls of the main window and where they sit.

#include "app/Form1.h"

#include "app/EditableComboBox.h"
#include "app/StatusNotes.h"
#include "app/TermListModel.h"
#include "ui/Flags.h"
#include "ui/InputPane.h"
#include "ui/ProgressBar.h"
#include "ui/SelectAllOnFocus.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <typename Control> Control *named(Control *control, const char *name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

template <typename Pane = QPlainTextEdit> Pane *pane(const char *name, QWidget *parent)
{
    auto *edit = named(new Pane(parent), name);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"), font.family()});
    font.setPointSize(11);
    edit->setFont(font);
    return edit;
}

QPushButton *actionButton(const char *name, QWidget *parent)
{
    auto *button = named(new QPushButton(parent), name);
    button->setMinimumHeight(34);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    return button;
}

QToolButton *flagButton(const char *name, const QPixmap &flag, QWidget *parent)
{
    auto *button = named(new QToolButton(parent), name);
    button->setIcon(flag);
    button->setIconSize(flag.size());
    button->setAutoRaise(true);
    return button;
}

// A field of the status bar, wide enough for its widest usual text.
QLabel *statusField(const char *name, const QString &widestText, QWidget *parent)
{
    auto *label = named(new QLabel(parent), name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setContentsMargins(6, 0, 6, 0);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widestText) + 16);
    return label;
}

// Controls that hold state or serve as steps but are never shown.
template <typename Control> Control *hidden(Control *control, const char *name)
{
    named(control, name)->hide();
    return control;
}

} // namespace

void Form1::createControls()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);

    ComboBox1 = named(new EditableComboBox(central), "ComboBox1");
    ComboBox1->setMaxVisibleItems(16);
    ComboBox1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    ComboBox1->setMinimumContentsLength(24);

    ProgressBar1 = named(new ProgressBar(central), "ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);

    // The term box lists every term of the dictionary: it must never measure
    // its items, and its list shows rows of one height.
    ComboBox2 = named(new EditableComboBox(central), "ComboBox2");
    ComboBox2->setMaxVisibleItems(20);
    ComboBox2->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox2->setMinimumContentsLength(20);
    termList = new TermListModel(ComboBox2);
    ComboBox2->setModel(termList);
    if (auto *view = qobject_cast<QListView *>(ComboBox2->view()))
        view->setUniformItemSizes(true);
    QFont termFont = ComboBox2->font();
    termFont.setPointSize(termFont.pointSize() + 3);
    ComboBox2->setFont(termFont);
    new SelectAllOnFocus(ComboBox2);

    Button1 = named(new QPushButton(central), "Button1");
    Button1->setMinimumHeight(36);
    QFont barFont = Button1->font();
    barFont.setBold(true);
    Button1->setFont(barFont);

    RxRichEdit2 = pane("RxRichEdit2", central);
    RxRichEdit2->setLineWrapMode(QPlainTextEdit::NoWrap);
    RxRichEdit2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RxRichEdit2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RxRichEdit1 = pane<InputPane>("RxRichEdit1", central);
    RxRichEdit1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    Button8 = actionButton("Button8", central);
    Button18 = actionButton("Button18", central);
    Button19 = actionButton("Button19", central);
    Button4 = actionButton("Button4", central);
    CheckBox1 = named(new QCheckBox(central), "CheckBox1");
    const QSize flagSize(32, 22);
    Image1 = flagButton("Image1", italianFlag(flagSize), central);
    Image2 = flagButton("Image2", unitedKingdomFlag(flagSize), central);
    createSearchTabs(central);
    createLettersPanel(central);

    Panel1 = hidden(new QLabel(central), "Panel1");
    Label1 = hidden(new QLabel(central), "Label1");
    Label3 = hidden(new QLabel(central), "Label3");
    ComboBox4 = hidden(new QComboBox(central), "ComboBox4");
    ComboBox5 = hidden(new QComboBox(central), "ComboBox5");
    ComboBox6 = hidden(new QComboBox(central), "ComboBox6");
    hidden(new QLabel(central), "Panel3");
    for (const char *name : {"Button3", "Button5", "Button9", "Button10", "Button16", "Button26"})
        hidden(new QPushButton(central), name);
    Button29 = hidden(new QPushButton(central), "Button29");

    GradButton4 = statusField("GradButton4", QStringLiteral("99 DIZIONARI - 999999 DEFINIZIONI"), this);
    Panel2 = statusField("Panel2", QStringLiteral("300000  LINEE"), this);
    GradButton1 = statusField("GradButton1", QStringLiteral("Riga 300000"), this);
    GradButton2 = statusField("GradButton2", QStringLiteral("Colonna 999"), this);
    GradButton3 = statusField("GradButton3", QStringLiteral("999 caratteri nella riga"), this);
}

void Form1::connectControls()
{
    connect(ComboBox1, &EditableComboBox::changedByUser, this, &Form1::ComboBox1Change);
    connect(ComboBox2, &EditableComboBox::changedByUser, this, &Form1::ComboBox2Change);
    connect(ComboBox2->lineEdit(), &QLineEdit::returnPressed, this, &Form1::Button1Click);
    connect(ComboBox2, &EditableComboBox::doubleClicked, this, &Form1::ComboBox2DblClick);
    connect(Button1, &QPushButton::clicked, this, &Form1::Button1Click);
    connect(Button8, &QPushButton::clicked, this, &Form1::Button8Click);
    connect(Button18, &QPushButton::clicked, this, &Form1::Button18Click);
    connect(Button19, &QPushButton::clicked, this, &Form1::Button19Click);
    connect(Button4, &QPushButton::clicked, this, &Form1::Button4Click);
}

void Form1::layOutControls()
{
    QWidget *central = centralWidget();
    auto *selectorRow = new QHBoxLayout;
    selectorRow->addWidget(ComboBox1, 2);
    selectorRow->addWidget(ProgressBar1, 3);

    auto *commands = new QVBoxLayout;
    for (QWidget *button : {Button8, Button18, Button19, Button4})
        commands->addWidget(button);
    commands->addWidget(CheckBox1);
    commands->addStretch();

    auto *flags = new QVBoxLayout;
    flags->addWidget(Image1);
    flags->addWidget(Image2);
    flags->addStretch();

    auto *inputArea = new QWidget(central);
    auto *inputRow = new QHBoxLayout(inputArea);
    inputRow->setContentsMargins(0, 0, 0, 0);
    inputRow->addWidget(RxRichEdit1, 1);
    inputRow->addLayout(commands);
    inputRow->addLayout(flags);

    auto *panes = new QSplitter(Qt::Vertical, central);
    panes->addWidget(RxRichEdit2);
    panes->addWidget(inputArea);
    panes->setStretchFactor(0, 3);
    panes->setStretchFactor(1, 1);
    panes->setChildrenCollapsible(false);

    auto *column = new QVBoxLayout(central);
    column->addLayout(selectorRow);
    column->addWidget(ComboBox2);
    column->addWidget(Button1);
    column->addWidget(PageControl1);
    column->addWidget(Panel64);
    column->addWidget(panes, 1);

    // The status line, then the notes of why an operation showed nothing,
    // then the line counter and the cursor labels at the right.
    statusBar()->addWidget(GradButton4);
    notes = new StatusNotes(statusBar(), [this] { return language(); });
    connect(RxRichEdit2, &QPlainTextEdit::textChanged, notes, &StatusNotes::clear);
    for (QLabel *field : {Panel2, GradButton1, GradButton2, GradButton3})
        statusBar()->addPermanentWidget(field);
}
