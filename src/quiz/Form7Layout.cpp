// The controls of the quiz window and where they sit: the title band, the
// question with its two answers and the verdict, and the bar of counts and
// options. The type grows and shrinks with the window.

#include "quiz/Form7.h"

#include "quiz/AnswerBox.h"
#include "ui/Captions.h"
#include "ui/Form7Captions.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The window size the type sizes below are set for, and how far they follow the window.
constexpr double ReferenceHeight = 768.0;
constexpr double ReferenceWidth = 1150.0;
constexpr double SmallestScale = 0.5;
constexpr double LargestScale = 1.6;

template <typename Control> Control *named(Control *control, const char *name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QPushButton *button(const char *name, QWidget *parent)
{
    auto *button = named(new QPushButton(parent), name);
    // Return in an answer box gives that answer; it must never press a button as well.
    button->setAutoDefault(false);
    return button;
}

QLabel *picture(const char *name, QWidget *parent)
{
    auto *label = named(new QLabel(parent), name);
    label->setScaledContents(true);
    return label;
}

QLabel *count(const char *name, QWidget *parent)
{
    auto *label = named(new QLabel(parent), name);
    label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    return label;
}

void setPointSize(QWidget *widget, double points, bool bold = false)
{
    QFont font = widget->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    widget->setFont(font);
}

// The width of the button's caption in the wider of the two languages, so
// that it keeps its size and its margins through a switch.
int widestCaption(const QPushButton *button)
{
    int widest = 0;
    for (const Language language : {Language::Italian, Language::English})
        widest = std::max(widest, button->fontMetrics().horizontalAdvance(
                                      captionOf(form7CaptionTable().captions, qPrintable(button->objectName()), language)));
    return widest;
}

} // namespace

void Form7::createControls()
{
    Titolo = named(new QLabel(this), "Titolo");
    Titolo->setAlignment(Qt::AlignCenter);
    Titolo->setAutoFillBackground(true);
    QPalette band = Titolo->palette();
    band.setColor(QPalette::Window, QColor(28, 58, 104));
    band.setColor(QPalette::WindowText, Qt::white);
    Titolo->setPalette(band);

    auto *screen = named(new QWidget(this), "Schermo1");
    Esercizio1 = named(new QLabel(screen), "Esercizio1");
    Esercizio1->setAlignment(Qt::AlignCenter);
    QPalette instruction = Esercizio1->palette();
    instruction.setColor(QPalette::WindowText, QColor(90, 90, 90));
    Esercizio1->setPalette(instruction);

    Domanda = named(new QTextEdit(screen), "Domanda");
    Domanda->setReadOnly(true);
    Domanda->setFrameStyle(QFrame::NoFrame);
    Domanda->setFocusPolicy(Qt::NoFocus);
    Domanda->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Domanda->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Domanda->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    QPalette question = Domanda->palette();
    question.setColor(QPalette::Base, question.color(QPalette::Window));
    question.setColor(QPalette::Text, QColor(28, 58, 104));
    Domanda->setPalette(question);

    Scelta1 = named(new AnswerBox(screen), "Scelta1");
    Scelta2 = named(new AnswerBox(screen), "Scelta2");
    Avanti1 = button("Avanti1", screen);
    Avanti1->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    SiNo1 = picture("SiNo1", screen);

    auto *controls = named(new QFrame(this), "Controlli1");
    controls->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    Si1 = picture("Si1", controls);
    ConteggioGiuste1 = count("ConteggioGiuste1", controls);
    No1 = picture("No1", controls);
    ConteggioErrate1 = count("ConteggioErrate1", controls);
    Contatore1 = button("Contatore1", controls);
    SuoniSiNo = named(new QCheckBox(controls), "SuoniSiNo");
    SuoniSiNo->setChecked(true);
    Conferma = named(new QCheckBox(controls), "Conferma");
    Conferma->setChecked(true);
    Esci = button("Esci", controls);

    // Holds the colour of a wrong answer.
    Colore = named(new QFrame(this), "Colore");
    Colore->setAutoFillBackground(true);
    QPalette wrong = Colore->palette();
    wrong.setColor(QPalette::Window, QColor(255, 104, 0));
    Colore->setPalette(wrong);
    Colore->hide();

    writeCounts();
    connect(Avanti1, &QPushButton::clicked, this, &Form7::Avanti1Click);
    connect(Scelta1, &AnswerBox::chosen, this, &Form7::Scelta1Click);
    connect(Scelta2, &AnswerBox::chosen, this, &Form7::Scelta2Click);
    connect(Contatore1, &QPushButton::clicked, this, &Form7::Contatore1Click);
    connect(Esci, &QPushButton::clicked, this, &Form7::EsciClick);
}

void Form7::layOutControls()
{
    QWidget *screen = Esercizio1->parentWidget();
    auto *grid = new QGridLayout(screen);
    grid->setContentsMargins(48, 16, 48, 16);
    grid->setHorizontalSpacing(32);
    grid->setVerticalSpacing(18);
    grid->setRowStretch(0, 1);
    grid->addWidget(Esercizio1, 1, 0, 1, 2);
    grid->addWidget(Domanda, 2, 0, 1, 2);
    grid->addWidget(Scelta1, 3, 0);
    grid->addWidget(Scelta2, 4, 0);
    grid->addWidget(SiNo1, 3, 1, 2, 1, Qt::AlignCenter);
    grid->addWidget(Avanti1, 5, 0, Qt::AlignHCenter);
    grid->setRowStretch(6, 2);
    grid->setColumnStretch(0, 1);

    QFrame *controls = qobject_cast<QFrame *>(Si1->parentWidget());
    auto *bar = new QHBoxLayout(controls);
    bar->setContentsMargins(24, 8, 24, 8);
    bar->setSpacing(12);
    bar->addWidget(Si1);
    bar->addWidget(ConteggioGiuste1);
    bar->addSpacing(24);
    bar->addWidget(No1);
    bar->addWidget(ConteggioErrate1);
    bar->addSpacing(24);
    bar->addWidget(Contatore1);
    bar->addStretch();
    bar->addWidget(SuoniSiNo);
    bar->addSpacing(12);
    bar->addWidget(Conferma);
    bar->addSpacing(36);
    bar->addWidget(Esci);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(Titolo);
    column->addWidget(screen, 1);
    column->addWidget(controls);
    scaleToWindow();
}

void Form7::scaleToWindow()
{
    double scale =
        std::clamp(std::min(height() / ReferenceHeight, width() / ReferenceWidth), SmallestScale, LargestScale);
    setScale(scale);
    // Where the bar of counts and options would not fit across the window (on
    // a screen 1024 pixels wide or less), smaller type: a window wider than
    // the screen would hide ESCI past its edge.
    const QWidget *bar = Si1->parentWidget();
    while (scale > SmallestScale && bar->minimumSizeHint().width() > width()) {
        scale = std::max(SmallestScale, scale - 0.05);
        setScale(scale);
    }
}

void Form7::setScale(double scale)
{
    const auto pixels = [scale](double size) { return static_cast<int>(size * scale); };

    setPointSize(Titolo, 20 * scale, true);
    Titolo->setMinimumHeight(pixels(56));
    setPointSize(Esercizio1, 17 * scale, true);
    setPointSize(Domanda, 44 * scale, true);
    Domanda->setFixedHeight(Domanda->fontMetrics().lineSpacing() * 2 + pixels(16));
    for (AnswerBox *box : {Scelta1, Scelta2}) {
        setPointSize(box, 26 * scale);
        box->setMinimumHeight(box->fontMetrics().lineSpacing() + pixels(28));
        box->setTextMargins(pixels(12), 0, pixels(12), 0);
    }
    setPointSize(Avanti1, 18 * scale, true);
    Avanti1->setIconSize(QSize(pixels(32), pixels(32)));
    Avanti1->setMinimumSize(
        std::max(pixels(280), widestCaption(Avanti1) + Avanti1->iconSize().width() + pixels(64)), pixels(64));
    SiNo1->setFixedSize(pixels(160), pixels(160));
    for (QLabel *counter : {ConteggioGiuste1, ConteggioErrate1}) {
        setPointSize(counter, 26 * scale, true);
        counter->setMinimumWidth(counter->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    }
    for (QLabel *small : {Si1, No1})
        small->setFixedSize(pixels(48), pixels(48));
    for (QWidget *control : std::initializer_list<QWidget *>{Contatore1, SuoniSiNo, Conferma, Esci})
        setPointSize(control, 13 * scale, control == Esci);
    for (QCheckBox *option : {SuoniSiNo, Conferma})
        option->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }").arg(pixels(22)));
    Contatore1->setMinimumHeight(pixels(48));
    Contatore1->setMinimumWidth(widestCaption(Contatore1) + pixels(40));
    Esci->setMinimumSize(pixels(160), pixels(48));
}

void Form7::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    scaleToWindow();
}
