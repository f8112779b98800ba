#pragma once

#include "quiz/ItemBank.h"
#include "quiz/RandomSource.h"

#include <QDialog>
#include <QPixmap>

#include <vector>

class AnswerBox;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;
class QuizHost;
class QuizSounds;

// The two-answer quiz: a term of a dictionary and two answers, its own
// definition and another's; counts of right and wrong answers, a picture and a
// sound for each. Shown modally and maximised over the main window; created
// once, it keeps the terms it asked for the whole run.
class Form7 : public QDialog {
    Q_OBJECT
public:
    // appFolder is the program folder, ending with "/"; it holds the pictures and sounds.
    Form7(const QString &appFolder, QuizHost &host, zelvora::RandomSource random, QWidget *parent = nullptr);

    // Opens the quiz on the dictionary the main window names, with a new question set.
    void showQuiz();
    // The next question.
    void Avanti1Click();
    // The answer in the upper or in the lower box, as the box holds it now.
    void Scelta1Click();
    void Scelta2Click();
    // Both counts back to 0.
    void Contatore1Click();
    void EsciClick();

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createControls();
    void layOutControls();
    void scaleToWindow();
    void setScale(double scale);
    // The preparation: pictures, the sample of the dictionary, a new question set, its first question.
    void FormShow();
    void loadPictures();
    void answer(AnswerBox *box);
    void showNoQuestion();
    void showVerdict(const QPixmap &picture);
    void writeCounts();

    QString AppFolder;
    QuizHost &host;
    zelvora::RandomSource random;
    zelvora::AskedTerms askedTerms;
    std::vector<zelvora::QuizItem> questionSet;

    qint32 CorrectCount = 0;
    qint32 WrongCount = 0;
    QString CorrectAnswer;
    qint32 QuestionIndex = 0;

    QPixmap rightPicture;
    QPixmap wrongPicture;
    QPixmap noVerdictPicture;
    QuizSounds *sounds = nullptr;

    QLabel *Titolo = nullptr;
    QPushButton *Esci = nullptr;
    QCheckBox *SuoniSiNo = nullptr;
    QCheckBox *Conferma = nullptr;
    QPushButton *Contatore1 = nullptr;
    QLabel *Si1 = nullptr;
    QLabel *No1 = nullptr;
    QLabel *ConteggioGiuste1 = nullptr;
    QLabel *ConteggioErrate1 = nullptr;
    QLabel *SiNo1 = nullptr;
    QLabel *Esercizio1 = nullptr;
    QTextEdit *Domanda = nullptr;
    AnswerBox *Scelta1 = nullptr;
    AnswerBox *Scelta2 = nullptr;
    QPushButton *Avanti1 = nullptr;
    QFrame *Colore = nullptr;
};
