#include "quiz/Form7.h"

#include "app/ScreenText.h"
#include "dictionary/FileError.h"
#include "quiz/AnswerBox.h"
#include "quiz/QuizQuestion.h"
#include "quiz/QuizHost.h"
#include "quiz/QuizSounds.h"
#include "ui/CaptionComponent.h"
#include "ui/FileErrorBox.h"
#include "ui/Form7Captions.h"

#include <QCheckBox>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

const QColor Silver(192, 192, 192);
const QColor Yellow(255, 255, 0);

// A picture of the program folder; a file that cannot be read or is no picture
// throws FileError with the reason.
QPixmap pictureOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw zelvora::FileError(toLocalPath(path), file.errorString().toLocal8Bit().toStdString());
    QImageReader reader(&file);
    const QImage image = reader.read();
    if (image.isNull())
        throw zelvora::FileError(toLocalPath(path), reader.errorString().toLocal8Bit().toStdString());
    return QPixmap::fromImage(image);
}

} // namespace

Form7::Form7(const QString &appFolder, QuizHost &host, zelvora::RandomSource random, QWidget *parent)
    : QDialog(parent), AppFolder(appFolder), host(host), random(std::move(random))
{
    setObjectName(QStringLiteral("Form7"));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    createControls();
    layOutControls();
    // Its texts in either language. The quiz writes its own title, question
    // and answers over the table's each time it is prepared.
    new CaptionComponent(this, "Lingue7", form7CaptionTable());
}

void Form7::showQuiz()
{
    // Without a window manager a maximised state is never granted: fill the screen all the same.
    const QWidget *over = parentWidget() ? parentWidget() : this;
    setGeometry(over->screen()->availableGeometry());
    showMaximized();
    FormShow();
}

void Form7::FormShow()
{
    CorrectCount = 0;
    WrongCount = 0;
    writeCounts();
    QuestionIndex = 0;
    const QString name = host.dictionaryName();
    setWindowTitle(QStringLiteral("TEST - ") + name);
    Titolo->setText(name);
    if (!sounds)
        sounds = new QuizSounds(AppFolder, this);
    try {
        loadPictures();
        const std::vector<zelvora::QuizItem> sample =
            zelvora::readSample(toLocalPath(AppFolder + QStringLiteral("dizionari/") + name), fromScreen(name),
                                static_cast<std::size_t>(std::max(host.entryCount(), 0)), random);
        questionSet = zelvora::drawQuestionSet(sample, askedTerms, random);
    } catch (const zelvora::FileError &error) {
        questionSet.clear();
        showNoQuestion();
        showFileError(this, error, host.language());
        return;
    }
    Avanti1Click();
}

void Form7::loadPictures()
{
    QPixmap right = pictureOf(AppFolder + QStringLiteral("si.bmp"));
    QPixmap wrong = pictureOf(AppFolder + QStringLiteral("no.bmp"));
    QPixmap noVerdict = pictureOf(AppFolder + QStringLiteral("0.bmp"));
    rightPicture = std::move(right);
    wrongPicture = std::move(wrong);
    noVerdictPicture = std::move(noVerdict);
    Si1->setPixmap(rightPicture);
    No1->setPixmap(wrongPicture);
    showVerdict(noVerdictPicture);
}

void Form7::Avanti1Click()
{
    // An empty set (an empty sample, or every term of it asked already): nothing to show.
    if (questionSet.empty()) {
        showNoQuestion();
        return;
    }
    const zelvora::QuizQuestion question =
        zelvora::questionAt(questionSet, static_cast<std::size_t>(QuestionIndex), random);
    for (AnswerBox *box : {Scelta1, Scelta2}) {
        box->paint(Silver);
        box->setEnabled(true);
    }
    Domanda->setPlainText(toScreen(question.question));
    Scelta1->showAnswer(toScreen(question.upper));
    Scelta2->showAnswer(toScreen(question.lower));
    CorrectAnswer = toScreen(question.correctAnswer);
    // No box holds the focus, so none shows a cursor; Tab reaches them for typing.
    setFocus();

    // The last item of a set gives way at once to the first of a new set. A new
    // set that is empty shows no question and prepares nothing more.
    QuestionIndex += 2;
    if (static_cast<qint32>(2 * questionSet.size()) - 2 < QuestionIndex) {
        QuestionIndex = 0;
        FormShow();
    }
    Avanti1->setEnabled(false);
}

void Form7::Scelta1Click()
{
    answer(Scelta1);
}

void Form7::Scelta2Click()
{
    answer(Scelta2);
}

void Form7::answer(AnswerBox *box)
{
    const bool advancing = Conferma->isChecked();
    if (box->text() == CorrectAnswer) {
        ++CorrectCount;
        showVerdict(rightPicture);
        if (SuoniSiNo->isChecked())
            sounds->playRight(random(QuizSounds::RightSounds));
        if (!advancing)
            box->paint(Yellow);
    } else {
        ++WrongCount;
        showVerdict(wrongPicture);
        if (SuoniSiNo->isChecked())
            sounds->playWrong();
        if (!advancing)
            box->paint(Colore->palette().color(QPalette::Window));
    }
    writeCounts();
    Avanti1->setEnabled(true);
    Scelta1->setEnabled(false);
    Scelta2->setEnabled(false);
    if (advancing)
        Avanti1Click();
}

void Form7::Contatore1Click()
{
    CorrectCount = 0;
    WrongCount = 0;
    writeCounts();
}

void Form7::EsciClick()
{
    close();
}

void Form7::showNoQuestion()
{
    Domanda->clear();
    CorrectAnswer.clear();
    for (AnswerBox *box : {Scelta1, Scelta2}) {
        box->showAnswer({});
        box->paint(Silver);
        box->setEnabled(false);
    }
    Avanti1->setEnabled(false);
    showVerdict(noVerdictPicture);
}

void Form7::showVerdict(const QPixmap &picture)
{
    SiNo1->setPixmap(picture);
}

void Form7::writeCounts()
{
    ConteggioGiuste1->setText(QString::number(CorrectCount));
    ConteggioErrate1->setText(QString::number(WrongCount));
}

void Form7::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // The quiz is always maximised: a restore puts it back at once.
    if (event->type() == QEvent::WindowStateChange && isVisible() &&
        !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
        QTimer::singleShot(0, this, [this] { setWindowState(windowState() | Qt::WindowMaximized); });
}
